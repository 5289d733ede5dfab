// The main of every test program: GoogleTest's, except that a run in which no test ran fails. A
// filter that matches no test (a suite renamed under a test's --gtest_filter, say) would otherwise
// pass with nothing tested.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <iostream>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
    if (result == 0 && !GTEST_FLAG_GET(list_tests) && testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "No test matches the filter \"%s\": nothing was tested.\n",
                     GTEST_FLAG_GET(filter).c_str());
        result = 1;
    }
    // Ended here, once the output is out, rather than through the runtime's exit: there Wine lets
    // go of the process first and kills it a second later, and under a busy emulator the host
    // side of an exit can take longer than that, which ended a program whose every test passed.
    std::cout.flush();
    std::fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(result));
    return result;
}
