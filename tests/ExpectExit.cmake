# Runs a program and checks its exit code, and that its standard error does not say
# (or says) a given thing.
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${ENVIRONMENT} "${PROGRAM}"
  ERROR_VARIABLE errors OUTPUT_VARIABLE output RESULT_VARIABLE code TIMEOUT 60)
if(NOT code STREQUAL "${EXPECTED_CODE}")
  message(FATAL_ERROR "exit code ${code}, expected ${EXPECTED_CODE}\n${errors}")
endif()
if(DEFINED FORBIDDEN AND errors MATCHES "${FORBIDDEN}")
  message(FATAL_ERROR "standard error should not say '${FORBIDDEN}':\n${errors}")
endif()
