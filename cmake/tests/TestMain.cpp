// The main of every test program: GoogleTest's, except that a run in which no test ran fails. A
// filter that matches nothing (a suite renamed under a test's --gtest_filter, say) would otherwise
// pass with nothing tested.
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    if (result == 0 && !GTEST_FLAG_GET(list_tests) && testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "No test matches the filter \"%s\": nothing was tested.\n",
                     GTEST_FLAG_GET(filter).c_str());
        return 1;
    }
    return result;
}
