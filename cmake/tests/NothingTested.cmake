# The test of the test main's run in which no test ran (cmake/tests/TestMain.cpp): a filter that
# matches no test must end the program with the main's own answer, its message and status 1. A
# pass, a crash or a Wine that does not start fails this test, as does a main that says so but
# passes.
#   cmake -DRUNNER=<emulator> -DPROGRAM=<test program> -P NothingTested.cmake
execute_process(COMMAND ${RUNNER} ${PROGRAM} --gtest_filter=NoSuchSuite.*
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT status STREQUAL "1"
   OR NOT output MATCHES "No test matches the filter \"NoSuchSuite\\.\\*\": nothing was tested\\.")
  message(FATAL_ERROR "expected the test main's \"nothing was tested\" and status 1, got status ${status}")
endif()
