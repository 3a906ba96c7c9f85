# The distribution's hardening flags (PIE, RELRO with BIND_NOW, FORTIFY, stack protector), as
# Debian's dpkg-buildflags gives them, for everything the project builds: the tests run the very
# code the package ships. Only the optimisation and debug-information flags are left out, since
# the build type chooses those.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(ZORIMEX_HARDENING AND DPKG_BUILDFLAGS AND NOT CMAKE_CROSSCOMPILING AND NOT ZORIMEX_SANITIZE
   AND NOT ZORIMEX_FUZZ)
  set(maintainerOptions DEB_BUILD_MAINT_OPTIONS=hardening=+all
      "DEB_CFLAGS_MAINT_STRIP=-g -O2" "DEB_CXXFLAGS_MAINT_STRIP=-g -O2")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ${maintainerOptions} ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # The build folder's path, mapped away for reproducible builds, depends on where cmake runs.
    list(FILTER flags EXCLUDE REGEX "^-ffile-prefix-map=")
    if(kind STREQUAL "LDFLAGS")
      add_link_options(${flags})
    else()
      add_compile_options(${flags})
    endif()
    message(STATUS "Hardening ${kind}: ${flags}")
  endforeach()
endif()
