
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
      share/icons/hicolor/256x256/apps/zorimex.png
      share/man/man1/zorimex.1.gz share/man/man1/zorimex-cli.1.gz
      share/man/ja/man1/zorimex.1.gz share/man/ja/man1/zorimex-cli.1.gz
      share/doc/zorimex/copyright share/doc/zorimex/changelog.gz)
    if(NOT EXISTS "${root}/${file}")
      message(FATAL_ERROR "missing after installation: ${file}")
    endif()
  endforeach()
  if(WITH_PLUGIN)
    file(GLOB plugin "${root}/lib*/zorimex/*zorimex_webview*.so")
    if(NOT plugin)
      message(FATAL_ERROR "the browser-pane plugin is not installed under ${root}")
    endif()
  endif()
  run(desktop-file-validate "${root}/share/applications/zorimex.desktop")
  run(appstreamcli validate --pedantic --no-net "${root}/share/metainfo/example.zrmx.Zorimex.metainfo.xml")
  # The licence a packager and a software centre read.
  file(READ "${root}/share/doc/zorimex/copyright" copyright)
  file(READ "${root}/share/metainfo/example.zrmx.Zorimex.metainfo.xml" metainfo)
  if(NOT copyright MATCHES "\nFiles: \\*\n[^\n]*\nLicense: Expat\n" OR
     NOT metainfo MATCHES "<project_license>MIT</project_license>")
    message(FATAL_ERROR "the installed copyright or metainfo does not name the MIT (Expat) licence")
  endif()
  run("${root}/bin/zorimex-cli" convert 1234.56 --currency 14)
  string(FIND "${RUN_OUTPUT}" "13万5千802" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the installed zorimex-cli does not convert: ${RUN_OUTPUT}")
  endif()
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
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb, found: ${debs}")
endif()
run(dpkg-deb --field "${debs}" Depends)
foreach(dependency libc6 libgcc-s1 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 fonts-ipafont-gothic fonts-ipafont-mincho fonts-rocknroll)
  string(FIND "${RUN_OUTPUT}" "${dependency}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the package does not depend on ${dependency}: ${RUN_OUTPUT}")
  endif()
endforeach()
string(FIND "${RUN_OUTPUT}" "webengine" found)
if(NOT found EQUAL -1)
  message(FATAL_ERROR "the web engine must only be recommended: ${RUN_OUTPUT}")
endif()
run(dpkg-deb --field "${debs}" Recommends)
set(recommended qt6-translations-l10n)
if(WITH_PLUGIN)
  list(APPEND recommended libqt6webenginewidgets6)
endif()
foreach(recommendation IN LISTS recommended)
  string(FIND "${RUN_OUTPUT}" "${recommendation}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the package does not recommend ${recommendation}: ${RUN_OUTPUT}")
  endif()
endforeach()
run(dpkg-deb -x "${debs}" "${WORK_DIR}/root")
check_tree("${WORK_DIR}/root/usr")
