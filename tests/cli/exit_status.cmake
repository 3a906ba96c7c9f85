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

# The command line as a caller sees it: each row is arguments (','-separated), the exit status,
# the stream that must hold the text, and where standard output goes.
set(rows
  "--version|0|out|^zorimex-cli [0-9]+\\.[0-9]+\\.[0-9]+\n$|pipe"
  "--help|0|out|zorimex-cli script|pipe"
  "currencies,extra|2|err|^zorimex-cli currencies: unexpected argument 'extra'\n$|pipe"
  "currencies|0|out|\n13\t[^\t\n]+\t[^\t\n]+\t185\t180\tGBP\n.*\n17\t[^\n]+\n$|pipe"
  "currencies,--json|0|out|^\\[{\"row\":1,[^\n]*,{\"row\":13,[^\n]*\"iso\":\"GBP\",\"listRate\":185.0,\"mapRate\":180.0},[^\n]*\\]\n$|pipe"
  "frobnicate|2|err|^zorimex-cli: unknown subcommand 'frobnicate'\n|pipe"
  "convert,--,-5|0|out|-650円|pipe"
  "convert,1e308|1|err|^zorimex-cli convert: could not compute [^\n]*\n$|pipe"
  "currencies|1|err|^zorimex-cli: could not write the output[^\n]*\n$|full"
  "convert,5|1|err|^zorimex-cli: could not write the output[^\n]*\n$|full"
  "convert,--json,5|1|err|^zorimex-cli: could not write the output[^\n]*\n$|full"
  "script|1|err|^zorimex-cli script: could not write the output\n$|full")
foreach(row IN LISTS rows)
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 args)
  list(GET fields 1 expectedStatus)
  list(GET fields 2 stream)
  list(GET fields 3 pattern)
  list(GET fields 4 output)
  string(REPLACE "," ";" args "${args}")
  if(output STREQUAL "full")
    execute_process(COMMAND ${EMULATOR} ${CLI} ${args} INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/good.jsonl
      OUTPUT_FILE /dev/full RESULT_VARIABLE status ERROR_VARIABLE err)
    set(out "")
  else()
    execute_process(COMMAND ${EMULATOR} ${CLI} ${args} INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/good.jsonl
      RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  endif()
  if(NOT status EQUAL expectedStatus OR NOT "${${stream}}" MATCHES "${pattern}")
    message(FATAL_ERROR "zorimex-cli ${args}: status ${status} (want ${expectedStatus}), out '${out}', err '${err}'")
  endif()
endforeach()
