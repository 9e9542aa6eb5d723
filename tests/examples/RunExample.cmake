# Runs PROGRAM through ZEB_RUN with the arguments in ARGS_FILE (blank lines and
# lines starting with # ignored) and compares standard output with EXPECTED.
# The exit status must be the one the END line stands for.

set(args)
file(STRINGS ${ARGS_FILE} lines)
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]*(#|$)")
    continue()
  endif()
  separate_arguments(words UNIX_COMMAND "${line}")
  list(APPEND args ${words})
endforeach()

execute_process(COMMAND ${ZEB_RUN} ${args} ${PROGRAM}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)

get_filename_component(run ${EXPECTED} NAME_WLE)
if(NOT output STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${run}.actual "${output}")
  list(JOIN args " " shown)
  message(FATAL_ERROR "zeb-run ${shown} ${PROGRAM}\n"
          "printed (kept in ${CMAKE_CURRENT_BINARY_DIR}/${run}.actual):\n${output}\n"
          "expected (${EXPECTED}):\n${expected}")
endif()
if(NOT errors STREQUAL "")
  message(FATAL_ERROR "zeb-run wrote on standard error:\n${errors}")
endif()

set(halt 0)
set(error 1)
set(load 2)
set(limit 3)
set(input 4)
if(NOT output MATCHES "END ([a-z]+) [^\n]*\n$")
  message(FATAL_ERROR "the output does not end with an END line:\n${output}")
endif()
set(how ${CMAKE_MATCH_1})
if(NOT status STREQUAL "${${how}}")
  message(FATAL_ERROR "END ${how} should exit with ${${how}}, zeb-run exited with ${status}")
endif()
