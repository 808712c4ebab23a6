# Plays SCENARIO with RUNNER and checks that it ends as the scenario's first line says:
# "# expect-exit <status> <text>": the exit status, and a text that the output must contain.
file(STRINGS ${SCENARIO} header LIMIT_COUNT 1)
if(NOT header MATCHES "^# expect-exit ([0-9]+) (.+)$")
  message(FATAL_ERROR "${SCENARIO}: the first line must read '# expect-exit <status> <text>'")
endif()
set(want_status ${CMAKE_MATCH_1})
set(want_text "${CMAKE_MATCH_2}")

execute_process(COMMAND ${RUNNER} ${SCENARIO} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT status STREQUAL want_status)
  message(FATAL_ERROR "exit status ${status}, expected ${want_status}")
endif()
string(FIND "${out}${err}" "${want_text}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the output does not contain: ${want_text}")
endif()
