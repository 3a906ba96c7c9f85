# Runs zorimex-cli as a separate process and checks what a calling script relies on.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/good.jsonl "{\"set\": \"Text1\", \"text\": \"1234.56\"}\n{\"choose\": \"Label14\"}\n{\"click\": \"Command1\"}\n{\"click\": \"Command6\"}\n")
execute_process(COMMAND ${EMULATOR} ${CLI} script INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/good.jsonl
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out MATCHES "135801.6円" OR NOT err STREQUAL "")
  message(FATAL_ERROR "good script: status ${status}, out '${out}', err '${err}'")
endif()

file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/bad.jsonl "{\"click\": \"Command6\"}\n{\"click\": \"Nothing\"}\n{\"click\": \"Command6\"}\n")
execute_process(COMMAND ${EMULATOR} ${CLI} script INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/bad.jsonl
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REGEX MATCHALL "\n" outLines "${out}")
list(LENGTH outLines outCount)
if(NOT status EQUAL 2 OR NOT outCount EQUAL 1 OR NOT err MATCHES "line 2")
  message(FATAL_ERROR "bad script: status ${status}, out '${out}', err '${err}'")
endif()

execute_process(COMMAND ${EMULATOR} ${CLI} convert 1234.56 --currency 14 RESULT_VARIABLE status OUTPUT_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out MATCHES "13万5千802" OR NOT out MATCHES "135801.6円")
  message(FATAL_ERROR "convert: status ${status}, out '${out}'")
endif()
execute_process(COMMAND ${EMULATOR} ${CLI} convert 5 --currency nowhere RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR err STREQUAL "")
  message(FATAL_ERROR "unknown currency: status ${status}, err '${err}'")
endif()
