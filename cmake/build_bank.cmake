# Builds the sample question bank unless a bank (with the learner's progress) is already there,
# and checks what it built, so that a faulty edit of data/ stops the build rather than the program.
if(EXISTS "${BANK}")
  return()
endif()
execute_process(COMMAND "${BANKCTL}" build "${DATA}" "${BANK}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "bankctl build failed (${result})")
endif()
execute_process(COMMAND "${BANKCTL}" check "${BANK}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE "${BANK}")
  message(FATAL_ERROR "the built bank fails its checks (${result})")
endif()
