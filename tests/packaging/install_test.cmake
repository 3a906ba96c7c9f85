function(check condition message)
  if(NOT ${condition})
    message(FATAL_ERROR "${message}")
  endif()
endfunction()

function(run)
  execute_process(COMMAND ${ARGV} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed (${status}): ${ARGV}\n${out}\n${err}")
  endif()
  set(RUN_OUTPUT "${out}" PARENT_SCOPE)
endfunction()

function(check_tree root)
  foreach(file
      bin/zorimex bin/zorimex-cli
      share/applications/zorimex.desktop
      share/metainfo/example.zrmx.Zorimex.metainfo.xml
      share/icons/hicolor/scalable/apps/zorimex.svg
      share/icons/hicolor/48x48/apps/zorimex.png
      share/icons/hicolor/256x256/apps/zorimex.png)
    check(EXISTS "${root}/${file}" "missing after installation: ${file}")
  endforeach()
  if(WITH_PLUGIN)
    file(GLOB plugin "${root}/lib*/zorimex/*zorimex_webview*.so")
    check(plugin "the browser-pane plugin is not installed under ${root}")
  endif()
  run(desktop-file-validate "${root}/share/applications/zorimex.desktop")
  run(appstreamcli validate --no-net "${root}/share/metainfo/example.zrmx.Zorimex.metainfo.xml")
  run("${root}/bin/zorimex-cli" convert 1234.56 --currency 14)
  string(FIND "${RUN_OUTPUT}" "13万5千802" found)
  check("found GREATER -1" "the installed zorimex-cli does not convert: ${RUN_OUTPUT}")
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

# cmake --install into an empty prefix.
run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${WORK_DIR}/prefix")
check_tree("${WORK_DIR}/prefix")

# The .deb, unpacked into an empty folder.
run(cpack --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}/deb")
file(GLOB debs "${WORK_DIR}/deb/*.deb")
list(LENGTH debs count)
check("count EQUAL 1" "expected one .deb, found: ${debs}")
run(dpkg-deb --field "${debs}" Depends)
foreach(dependency libqt6widgets6 libqt6gui6 libqt6core6 fonts-ipafont-gothic fonts-ipafont-mincho fonts-rocknroll)
  string(FIND "${RUN_OUTPUT}" "${dependency}" found)
  check("found GREATER -1" "the package does not depend on ${dependency}: ${RUN_OUTPUT}")
endforeach()
run(dpkg-deb -x "${debs}" "${WORK_DIR}/root")
check_tree("${WORK_DIR}/root/usr")
