// The date module's clock and locale source (replaceable by tests).
#include "DateTimeEnv.h"

#include <windows.h>

namespace datetime {
namespace {

LocalClock SystemClock()
{
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute};
}

ClockFn gClock = nullptr;
unsigned long gLocale = 0;

} // namespace

void SetClock(ClockFn clock) { gClock = clock; }

LocalClock Now() { return gClock ? gClock() : SystemClock(); }

unsigned long SetLocale(unsigned long lcid)
{
    const unsigned long previous = gLocale;
    gLocale = lcid;
    return previous;
}

unsigned long CurrentLocale() { return gLocale ? gLocale : LOCALE_USER_DEFAULT; }

} // namespace datetime
