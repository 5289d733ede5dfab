# The test of a test program that crashes (cmake/tests/CrashingProgram.cpp): it must end at once,
# failing, with Wine's notice of the crash in its output. A crash dialog that waits for someone to
# close it keeps the program running until the test's time limit, which fails this test too.
# Where Wine runs natively its debugger adds the report (exception, registers, backtrace); under
# qemu-user the debugger cannot attach to the program, so only Wine's notice is there to see.
#   cmake -DRUNNER=<emulator> -DPROGRAM=<crashing program> -P CrashReported.cmake
execute_process(COMMAND ${RUNNER} ${PROGRAM}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(status STREQUAL "0" OR NOT output MATCHES "crashing on purpose" OR NOT output MATCHES "wine: Unhandled")
  message(FATAL_ERROR "expected the crash to fail the program with Wine's report, got status ${status}")
endif()
if(NOT output MATCHES "Backtrace:" AND NOT output MATCHES "Can't attach process")
  message(FATAL_ERROR "expected Wine's debugger to report the crash, got status ${status}")
endif()
