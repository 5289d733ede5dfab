// A program that crashes at once, as a test program with a fault would: the test of the tests'
// Wine prefixes (CrashReported.cmake) runs it.
#include <cstdio>

int main()
{
    std::puts("crashing on purpose");
    std::fflush(stdout);
    int* volatile nowhere = nullptr;
    *nowhere = 1;
    return 0;
}
