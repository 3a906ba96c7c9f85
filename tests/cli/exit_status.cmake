cmake_minimum_required(VERSION 3.22) # policies of today: a quoted "japanese" is a string
# Runs zorimex-cli as a separate process and checks what a calling script relies on. The
# environment names the language, whatever the caller's is: English here unless a row says.
# Under Wine a Windows program's display language comes from the Unix locale, which the C library
# must then know: the test compiles its own ja_JP.UTF-8 (from the locales package's sources) rather
# than rely on the machine's generated ones. zorimex-cli on Linux reads only the variables.
set(localePath "")
if(EMULATOR)
  set(locales ${CMAKE_CURRENT_BINARY_DIR}/locales)
  if(NOT EXISTS ${locales}/ja_JP.UTF-8/LC_MESSAGES)
    file(MAKE_DIRECTORY ${locales})
    execute_process(COMMAND localedef -i ja_JP -f UTF-8 ${locales}/ja_JP.UTF-8
      RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
  endif()
  if(NOT EXISTS ${locales}/ja_JP.UTF-8/LC_MESSAGES)
    message(FATAL_ERROR "localedef could not make ja_JP.UTF-8 (package locales): ${err}")
  endif()
  set(localePath LOCPATH=${locales})
endif()
function(language_environment variable locale)
  set(${variable} ${CMAKE_COMMAND} -E env --unset=LANGUAGE --unset=LC_ALL --unset=LC_MESSAGES
    ${localePath} LANG=${locale} PARENT_SCOPE)
endfunction()
language_environment(english C.UTF-8)
language_environment(japanese ja_JP.UTF-8)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/good.jsonl "{\"set\": \"Text1\", \"text\": \"1234.56\"}\n{\"choose\": \"Label14\"}\n{\"click\": \"Command1\"}\n{\"click\": \"Command6\"}\n")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/bad.jsonl "{\"click\": \"Command6\"}\n{\"click\": \"Nothing\"}\n{\"click\": \"Command6\"}\n")

# The command line as a caller sees it, in English and in Japanese: each row is arguments
# (','-separated), the exit status (the same in both), the stream that must hold the text, the
# English text, the Japanese one (SAME: the English run's text, byte for byte), where standard
# output goes, and the script on standard input (good.jsonl unless named). A run that succeeds
# says nothing on standard error.
set(rows
  "--version|0|out|^zorimex-cli [0-9]+\\.[0-9]+\\.[0-9]+\n$|SAME|pipe"
  "--help|0|out|^usage: zorimex-cli convert|^使い方: zorimex-cli convert|pipe"
  "currencies,extra|2|err|^zorimex-cli currencies: unexpected argument 'extra'\n$|^zorimex-cli currencies: 余分な引数 'extra'\n$|pipe"
  "frobnicate|2|err|^zorimex-cli: unknown subcommand 'frobnicate'\nusage: |^zorimex-cli: 不明なサブコマンド 'frobnicate'\n使い方: |pipe"
  "script,x|2|err|^zorimex-cli script: unexpected argument 'x' \\(the events|^zorimex-cli script: 余分な引数 'x'（イベントは|pipe"
  "currencies|0|out|^Row\tCaption\tName\t[^\n]*\n.*\n13\t[^\t\n]+\t[^\t\n]+\t185\t180\tGBP\n.*\n17\t[^\n]+\n$|^番号\t一覧の表示\t通貨名\t[^\n]*\n.*\n13\t[^\t\n]+\t[^\t\n]+\t185\t180\tGBP\n.*\n17\t[^\n]+\n$|pipe"
  "convert,--,-5|0|out|\nExact amount: -650円\n|\n正確な金額: -650円\n|pipe"
  "convert,1e308|1|err|^zorimex-cli convert: could not compute Converted, Exact amount, Yen with tax \\([^\n]*\n$|^zorimex-cli convert: 換算、正確な金額、日本円\\+消費税 を計算できませんでした（[^\n]*\n$|pipe"
  "convert,--json,1e308|1|out|\"Text1\":\"1e308\"|SAME|pipe"
  "currencies,--json|0|out|^\\[{\"row\":1,[^\n]*,{\"row\":13,[^\n]*\"iso\":\"GBP\",\"listRate\":185.0,\"mapRate\":180.0},[^\n]*\\]\n$|SAME|pipe"
  "script|0|out|135801.6円|SAME|pipe"
  "script|2|err|^zorimex-cli script: line 2: unknown control \"Nothing\"\n$|^zorimex-cli script: 2 行目: 不明なコントロール \"Nothing\"\n$|pipe|bad.jsonl"
  "convert,1234.56,--currency,14|0|out|\nConverted: 13万5千802\nExact amount: 135801.6円\n|\n換算: 13万5千802\n正確な金額: 135801.6円\n|pipe"
  "convert,5,--currency,nowhere|2|err|^zorimex-cli convert: unknown currency 'nowhere' \\(see: zorimex-cli currencies\\)\n$|^zorimex-cli convert: 不明な通貨 'nowhere'（一覧: zorimex-cli currencies）\n$|pipe"
  "currencies|1|err|^zorimex-cli: could not write the output[^\n]*\n$|^zorimex-cli: 出力を書き込めませんでした[^\n]*\n$|full"
  "convert,5|1|err|^zorimex-cli: could not write the output[^\n]*\n$|^zorimex-cli: 出力を書き込めませんでした[^\n]*\n$|full"
  "convert,--json,5|1|err|^zorimex-cli: could not write the output[^\n]*\n$|^zorimex-cli: 出力を書き込めませんでした[^\n]*\n$|full"
  "script|1|err|^zorimex-cli script: could not write the output\n$|^zorimex-cli script: 出力を書き込めませんでした\n$|full")
foreach(row IN LISTS rows)
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 args)
  list(GET fields 1 expectedStatus)
  list(GET fields 2 stream)
  list(GET fields 3 englishPattern)
  list(GET fields 4 japanesePattern)
  list(GET fields 5 output)
  set(input good.jsonl)
  list(LENGTH fields fieldCount)
  if(fieldCount GREATER 6)
    list(GET fields 6 input)
  endif()
  string(REPLACE "," ";" args "${args}")
  foreach(language english japanese)
    if(output STREQUAL "full")
      execute_process(COMMAND ${${language}} ${EMULATOR} ${CLI} ${args}
        INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${input}
        OUTPUT_FILE /dev/full RESULT_VARIABLE status ERROR_VARIABLE err)
      set(out "")
    else()
      execute_process(COMMAND ${${language}} ${EMULATOR} ${CLI} ${args}
        INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${input}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    endif()
    set(pattern "${${language}Pattern}")
    if(language STREQUAL "japanese" AND pattern STREQUAL "SAME")
      set(pattern "${englishPattern}")
      if(NOT "${${stream}}" STREQUAL "${englishText}")
        message(FATAL_ERROR "zorimex-cli ${args} says in Japanese '${${stream}}', "
          "in English '${englishText}'")
      endif()
    endif()
    if(NOT status EQUAL expectedStatus OR NOT "${${stream}}" MATCHES "${pattern}"
        OR (status EQUAL 0 AND NOT err STREQUAL ""))
      message(FATAL_ERROR "zorimex-cli ${args} (${language}): status ${status} "
        "(want ${expectedStatus}), out '${out}', err '${err}'")
    endif()
    set(englishText "${${stream}}")
  endforeach()
endforeach()
