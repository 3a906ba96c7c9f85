# Every text the program's own sources hand to Qt's translation has its Japanese translation: the
# sources are read again by lupdate into a copy of the .ts, and lrelease must then find every
# message finished, none left untranslated.
file(MAKE_DIRECTORY ${WORK})
configure_file(${TS} ${WORK}/check.ts COPYONLY)
file(GLOB sources ${APP}/*.cpp)
execute_process(COMMAND ${LUPDATE} -no-obsolete -locations none ${sources} -ts ${WORK}/check.ts
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate: ${out}${err}")
endif()
execute_process(COMMAND ${LRELEASE} ${WORK}/check.ts -qm ${WORK}/check.qm
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out MATCHES "Generated [1-9][0-9]* translation\\(s\\) \\(([0-9]+) finished and 0 unfinished\\)"
   OR out MATCHES "untranslated")
  message(FATAL_ERROR "not every message is translated (update ${TS}):\n${out}${err}")
endif()
