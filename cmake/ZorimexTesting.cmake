# zorimex_add_test(): every test of the suite is added through this one function, which gives it
# the project's warnings, a label, its properties and, in the cross-build, the emulator.
#
#   zorimex_add_test(NAME <folder>.<name>
#     [TARGET <executable>]        the test's own program, built with the project's warnings
#     [ARGS <argument>...]         run as <executable> <argument>...
#     [COMMAND <command>...]       or run this command instead (a shell script, say)
#     [SCRIPT <file.cmake> [DEFINE <variable>=<value>...]]
#                                  or run a CMake script, told the emulator as EMULATOR
#     [GTEST]                      a GoogleTest program: each case a test of its own, or, in the
#                                  cross-build, all of them as the one test NAME
#     [OFFSCREEN]                  Qt's offscreen platform (QT_QPA_PLATFORM=offscreen)
#     [ENVIRONMENT <variable>=<value>...]
#     [TIMEOUT <seconds>] [SKIP_RETURN_CODE <status>] [RUN_SERIAL]
#     [LABELS <label>...])         besides the folder's label, the part of NAME before the dot
#
# A test that runs TARGET directly runs it through CMAKE_CROSSCOMPILING_EMULATOR (Wine) in the
# cross-build, as add_test() does for a target; a test run by COMMAND starts programs itself.

include(GoogleTest)

function(zorimex_add_test)
  cmake_parse_arguments(PARSE_ARGV 0 test "GTEST;OFFSCREEN;RUN_SERIAL"
    "NAME;TARGET;SCRIPT;TIMEOUT;SKIP_RETURN_CODE" "ARGS;COMMAND;DEFINE;ENVIRONMENT;LABELS")
  if(NOT test_NAME)
    message(FATAL_ERROR "zorimex_add_test: NAME is missing")
  endif()
  if(test_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "zorimex_add_test(${test_NAME}): unknown arguments ${test_UNPARSED_ARGUMENTS}")
  endif()

  if(test_TARGET)
    # One program may serve several tests; its warnings are set once.
    get_target_property(warned ${test_TARGET} ZORIMEX_WARNINGS)
    if(NOT warned)
      zorimex_warnings(${test_TARGET})
      set_target_properties(${test_TARGET} PROPERTIES ZORIMEX_WARNINGS ON)
    endif()
  endif()

  string(REGEX REPLACE "\\..*" "" folder "${test_NAME}")
  if(test_GTEST AND NOT CMAKE_CROSSCOMPILING)
    gtest_discover_tests(${test_TARGET} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
      PROPERTIES LABELS ${folder})
    return()
  endif()
  # GTEST in the cross-build: each start under the emulator (Wine) costs about a second, so one
  # run of all the cases.
  if(test_SCRIPT)
    set(defines)
    foreach(define IN LISTS test_DEFINE)
      list(APPEND defines -D${define})
    endforeach()
    add_test(NAME ${test_NAME} COMMAND ${CMAKE_COMMAND} ${defines}
      -DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR} -P ${test_SCRIPT})
  elseif(test_COMMAND)
    add_test(NAME ${test_NAME} COMMAND ${test_COMMAND})
  else()
    add_test(NAME ${test_NAME} COMMAND ${test_TARGET} ${test_ARGS})
  endif()

  # One property at a time: a list value (the labels, the environment) stays one value.
  set(labels ${folder} ${test_LABELS})
  set_tests_properties(${test_NAME} PROPERTIES LABELS "${labels}")
  set(environment ${test_ENVIRONMENT})
  if(test_OFFSCREEN)
    list(PREPEND environment QT_QPA_PLATFORM=offscreen)
  endif()
  if(environment)
    set_tests_properties(${test_NAME} PROPERTIES ENVIRONMENT "${environment}")
  endif()
  foreach(property TIMEOUT SKIP_RETURN_CODE)
    if(DEFINED test_${property})
      set_tests_properties(${test_NAME} PROPERTIES ${property} ${test_${property}})
    endif()
  endforeach()
  if(test_RUN_SERIAL)
    set_tests_properties(${test_NAME} PROPERTIES RUN_SERIAL TRUE)
  endif()
endfunction()
