# Builds the sample question bank unless a bank (with the learner's progress) is already there.
if(EXISTS "${BANK}")
  return()
endif()
execute_process(COMMAND "${BANKCTL}" build "${DATA}" "${BANK}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "bankctl build failed (${result})")
endif()
