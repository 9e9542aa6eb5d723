# Marks the example solutions as the README shows and compares the report and
# the CSV file with the ones checked in beside them.
execute_process(
  COMMAND ${ZEB_RUN} --check examples/check/sum.assignment --csv ${CSV} examples/check
  WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE errors)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "exit status ${status}, expected 1 (some cases fail)\n${errors}")
endif()
file(READ ${ROOT}/examples/check/expected-report.txt expected)
if(NOT report STREQUAL expected)
  message(FATAL_ERROR "Report differs.\nGot:\n${report}\nExpected:\n${expected}")
endif()
file(READ ${CSV} csv)
file(READ ${ROOT}/examples/check/expected-report.csv expected)
if(NOT csv STREQUAL expected)
  message(FATAL_ERROR "CSV differs.\nGot:\n${csv}\nExpected:\n${expected}")
endif()
