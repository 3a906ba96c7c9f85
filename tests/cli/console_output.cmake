# Runs the cross-built zorimex-cli under its emulator on a terminal (script(1) gives it one), where
# Wine presents it a console: the Japanese text must come out whole, not as mojibake.
set(typescript ${CMAKE_CURRENT_BINARY_DIR}/console_output.txt)
file(REMOVE ${typescript})
execute_process(COMMAND script -q -e -c "${EMULATOR} ${CLI} convert 1234.56 --currency 14" ${typescript}
  INPUT_FILE /dev/null OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE status)
file(READ ${typescript} shown)
if(NOT status EQUAL 0 OR NOT shown MATCHES "13万5千802" OR NOT shown MATCHES "135801.6円")
  message(FATAL_ERROR "console: status ${status}, shown '${shown}'")
endif()
