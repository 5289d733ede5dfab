# The test of a test program that crashes (cmake/tests/CrashingProgram.cpp): it must end at once,
# failing, with Wine's notice of the crash in its output. A crash dialog that waits for someone to
# close it keeps the program running until the test's time limit, which fails this test too.
# Where Wine runs natively its debugger adds the report (exception, registers, backtrace). Where
# the debugger cannot attach to the program (under qemu-user) it shows no crash dialog whatever the
# prefix says: there this test cannot fail, and it says it is skipped (the line ctest's
# SKIP_REGULAR_EXPRESSION for it looks for).
#   cmake -DRUNNER=<emulator> -DPROGRAM=<crashing program> -P CrashReported.cmake
execute_process(COMMAND ${RUNNER} ${PROGRAM}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(status STREQUAL "0" OR NOT output MATCHES "crashing on purpose" OR NOT output MATCHES "wine: Unhandled")
  message(FATAL_ERROR "expected the crash to fail the program with Wine's report, got status ${status}")
endif()
if(output MATCHES "Can't attach process")
  message("Skipped: Wine's debugger cannot attach to a program here (32-bit code emulated), so it never "
          "shows its crash dialog: whether the tests' prefixes keep a crash from waiting in that dialog "
          "cannot be seen on this machine")
  return()
endif()
if(NOT output MATCHES "Backtrace:")
  message(FATAL_ERROR "expected Wine's debugger to report the crash, got status ${status}")
endif()
