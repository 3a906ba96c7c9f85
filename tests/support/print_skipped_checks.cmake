# Prints, on one line, the checks that test programs skipped during the run (see skipped_checks.h).
if(EXISTS "${LOG}")
  file(STRINGS "${LOG}" skipped ENCODING UTF-8)
  list(LENGTH skipped count)
  list(JOIN skipped "; " line)
  message("skipped checks (${count}): ${line}")
else()
  message("skipped checks: none")
endif()
