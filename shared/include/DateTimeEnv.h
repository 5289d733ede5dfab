#pragma once
// Where the date module gets "now" and its locale from; tests replace both so results do not
// depend on the machine's clock or the user's regional settings.

namespace datetime {

// A local wall-clock reading.
struct LocalClock {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    int hour = 0;   // 0..23
    int minute = 0; // 0..59
};

using ClockFn = LocalClock (*)();

// Replaces the clock; null restores the system's local time.
void SetClock(ClockFn clock);
LocalClock Now();

// Replaces the locale used for display and typed input (a Windows LCID); 0 restores the user's
// default locale. Returns the previous setting.
unsigned long SetLocale(unsigned long lcid);
unsigned long CurrentLocale();

} // namespace datetime
