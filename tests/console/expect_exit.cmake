# Runs a program and fails unless it exits with EXPECTED_EXIT.
# -D PROGRAM=... -D ARGS=a;b;c -D EXPECTED_EXIT=n [-D EMULATOR=...]
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${ARGS}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT "${status}" STREQUAL "${EXPECTED_EXIT}")
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_EXIT}\n${output}\n${errors}")
endif()
message(STATUS "exit status ${status} as expected")
