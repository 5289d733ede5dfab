#include "Waiting.h"

#include <cwchar>

namespace qvtest {

DWORD Patience(DWORD nativeMs)
{
    wchar_t value[16] = {};
    const DWORD length = GetEnvironmentVariableW(L"QV_TIME_FACTOR", value, 16);
    const unsigned long factor = length > 0 && length < 16 ? std::wcstoul(value, nullptr, 10) : 0;
    return nativeMs * (factor >= 1 && factor <= 100 ? factor : 1);
}

bool WaitUntil(const std::function<bool()>& done, DWORD limitMs, DWORD stepMs)
{
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        if (done())
            return true;
        if (GetTickCount64() - start >= limitMs)
            return done();
        Sleep(stepMs);
    }
}

} // namespace qvtest
