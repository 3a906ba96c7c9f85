# Run by cpack on the staged files before it packs them: binaries stripped as Debian's dh_strip
# strips them, without symbols and without the compiler's .comment and .note sections.
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*/bin/*")
file(GLOB_RECURSE libraries LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*.so")
if(NOT programs)
  message(FATAL_ERROR "no programs to strip under ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(mode strip-all strip-unneeded)
  set(files ${programs})
  if(mode STREQUAL "strip-unneeded")
    set(files ${libraries})
  endif()
  foreach(file IN LISTS files)
    execute_process(COMMAND strip --${mode} --remove-section=.comment --remove-section=.note "${file}"
      COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endforeach()
