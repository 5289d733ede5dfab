#pragma once
// Day arithmetic of the recurrence patterns: day numbers in 64 bits, month indexes (year * 12 +
// month - 1), the day rules of monthly and yearly patterns. Results that leave the calendar
// (1 January 1 to 31 December 9999) come back as kBeforeCalendar or kAfterCalendar, so callers
// compare plain numbers and never wrap.

#include "TDate.h"

#include <cstdint>

namespace patterndays {

constexpr int64_t kFirstDay = TDate::kFirstDay;
constexpr int64_t kLastDay = TDate::kLastDay;
constexpr int64_t kBeforeCalendar = kFirstDay - 1;
constexpr int64_t kAfterCalendar = kLastDay + 1;
constexpr int64_t kFirstMonth = 1 * 12;        // January of year 1
constexpr int64_t kLastMonth = 9999 * 12 + 11; // December 9999

inline int Weekday(int64_t day) { return static_cast<int>(day % 7); } // 0 Monday
inline int64_t FloorMod(int64_t a, int64_t m)
{
    const int64_t r = a % m;
    return r < 0 ? r + m : r;
}
// a * b + c, held at kAfterCalendar once it passes the calendar (inputs are not negative).
int64_t MulAddCapped(int64_t a, int64_t b, int64_t c);

// Month index of a day inside the calendar.
int64_t MonthIndex(int64_t day);
int64_t YearOf(int64_t day);
// First day and length of the month of a month index inside the calendar.
int64_t FirstDayOfMonth(int64_t monthIndex);
int DaysInMonth(int64_t monthIndex);

// Day min(n, length of the month) of the month (n below 1 counts as 1).
int64_t DayInMonth(int64_t monthIndex, int n);
// The positioned day: weekday 7 means any day (position -1 the last day, else day `position`);
// weekday 0-6 with position -1 the last such weekday, else the position-th such weekday.
int64_t PositionedDay(int64_t monthIndex, int position, int weekday);
// The occurrence of a monthly or yearly pattern in a month: type 1 positioned, else by day.
int64_t OccurrenceInMonth(int64_t monthIndex, int type, int dayOfMonth, int position, int weekday);

} // namespace patterndays
