# The test of a test program's end (cmake/tests/TestMain.cpp): when the host side of the program's
# exit is slow (held here for 2 seconds by strace, as a busy emulated machine may hold it), the
# program still ends with its own status. Wine stops waiting for a program a second after it lets
# go of it, and kills it. Without strace, or where it cannot trace, the test says it is skipped.
#   cmake -DRUNNER=<emulator> -DPROGRAM=<test program> -P SlowExit.cmake
find_program(STRACE strace)
if(STRACE)
  execute_process(COMMAND ${STRACE} -f -qq -o /dev/null true RESULT_VARIABLE traced OUTPUT_QUIET ERROR_QUIET)
endif()
if(NOT STRACE OR NOT traced STREQUAL "0")
  message("Skipped: strace cannot trace programs here (scripts/setup installs it)")
  return()
endif()
execute_process(COMMAND ${STRACE} -f --seccomp-bpf -qq -e trace=exit_group -e inject=exit_group:delay_enter=2000000
                        -o /dev/null ${RUNNER} ${PROGRAM}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT status STREQUAL "0" OR NOT output MATCHES "\\[  PASSED  \\]")
  message(FATAL_ERROR "expected the program's tests to pass and the program to end with status 0, got status ${status}")
endif()
