#pragma once
// Minute arithmetic of date-times (day number, minute of the day).

#include "TDate.h"

#include <climits>
#include <cstdint>

constexpr int kMinutesPerDay = 1440;

// A true modulo into 0-1439, also for negative minutes.
inline int MinuteOfDay(long long minutes)
{
    long long r = minutes % kMinutesPerDay;
    if (r < 0)
        r += kMinutesPerDay;
    return static_cast<int>(r);
}

// Minutes since day 0 of a (day, minute) pair, the minute reduced into the day first.
inline long long Stamp(TDate day, int minute)
{
    return static_cast<long long>(static_cast<uint32_t>(day)) * kMinutesPerDay + MinuteOfDay(minute);
}

inline int ClampToInt(long long value)
{
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

// Elapsed minutes from (d1, m1) to (d2, m2); negative when the end lies before the start.
inline long long ElapsedMinutes(TDate d1, int m1, TDate d2, int m2)
{
    return Stamp(d2, m2) - Stamp(d1, m1);
}

// (d1, m1) lies before (d2, m2): days compared unsigned, then minutes as given.
inline bool IsBefore(TDate d1, int m1, TDate d2, int m2)
{
    if (d1 != d2)
        return static_cast<uint32_t>(d1) < static_cast<uint32_t>(d2);
    return m1 < m2;
}
