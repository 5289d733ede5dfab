# The test of a test program that crashes (cmake/tests/CrashingProgram.cpp): it must end at once,
# failing, with Wine's crash report in its output. A crash dialog that waits for someone to close
# it keeps the program running until the test's time limit, which fails this test too.
#   cmake -DRUNNER=<emulator> -DPROGRAM=<crashing program> -P CrashReported.cmake
execute_process(COMMAND ${RUNNER} ${PROGRAM}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(status STREQUAL "0" OR NOT output MATCHES "crashing on purpose"
   OR NOT output MATCHES "Unhandled exception: page fault" OR NOT output MATCHES "Backtrace:")
  message(FATAL_ERROR "expected the crash to fail the program with the debugger's report, got status ${status}")
endif()
