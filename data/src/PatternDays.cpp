// Day rules of the recurrence patterns.
#include "PatternDays.h"

#include <algorithm>

namespace patterndays {

namespace {

// Days from 1 January 1 (day number kFirstDay) to the first of the month; proleptic
// Gregorian. Computed here rather than with TDate::FromYMD, which reads years below 100 as 19xx.
int64_t DayFromCivil(int64_t year, int month, int day)
{
    const int64_t y = month <= 2 ? year - 1 : year;
    const int64_t era = y / 400;
    const int64_t yoe = y - era * 400;
    const int64_t mp = (month + 9) % 12;
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    // Day 0 of this count is 1 March of year 0, which is Julian day 1721120.
    return era * 146097 + doe + 1721120;
}

bool IsLeap(int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

} // namespace

int64_t MulAddCapped(int64_t a, int64_t b, int64_t c)
{
    if (a != 0 && b > (kAfterCalendar - c) / a)
        return kAfterCalendar;
    return std::min(a * b + c, kAfterCalendar);
}

int64_t MonthIndex(int64_t day)
{
    unsigned y = 0, m = 0, d = 0;
    TDate(static_cast<uint32_t>(std::clamp(day, kFirstDay, kLastDay))).ToYMD(y, m, d);
    return static_cast<int64_t>(y) * 12 + (m - 1);
}

int64_t YearOf(int64_t day) { return MonthIndex(day) / 12; }

int64_t FirstDayOfMonth(int64_t monthIndex) { return DayFromCivil(monthIndex / 12, static_cast<int>(monthIndex % 12) + 1, 1); }

int DaysInMonth(int64_t monthIndex)
{
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int month = static_cast<int>(monthIndex % 12);
    return month == 1 && IsLeap(monthIndex / 12) ? 29 : kLengths[month];
}

int64_t DayInMonth(int64_t monthIndex, int n)
{
    if (monthIndex < kFirstMonth)
        return kBeforeCalendar;
    if (monthIndex > kLastMonth)
        return kAfterCalendar;
    const int day = std::clamp(n, 1, DaysInMonth(monthIndex));
    return FirstDayOfMonth(monthIndex) + day - 1;
}

int64_t PositionedDay(int64_t monthIndex, int position, int weekday)
{
    if (monthIndex < kFirstMonth)
        return kBeforeCalendar;
    if (monthIndex > kLastMonth)
        return kAfterCalendar;
    const int64_t first = FirstDayOfMonth(monthIndex);
    const int length = DaysInMonth(monthIndex);
    const int64_t last = first + length - 1;
    if (weekday < 0 || weekday > 6) {
        // Any day of the month (the weekday field's 7).
        if (position == -1)
            return last;
        return DayInMonth(monthIndex, position);
    }
    if (position == -1)
        return last - FloorMod(Weekday(last) - weekday, 7);
    int64_t day = first + FloorMod(weekday - Weekday(first), 7);
    if (position >= 2)
        day += 7 * static_cast<int64_t>(std::min(position, 5) - 1);
    // Positions beyond the fourth are refused by validation; a series asked before it stays
    // inside its month.
    while (day > last)
        day -= 7;
    return day;
}

int64_t OccurrenceInMonth(int64_t monthIndex, int type, int dayOfMonth, int position, int weekday)
{
    return type == 1 ? PositionedDay(monthIndex, position, weekday) : DayInMonth(monthIndex, dayOfMonth);
}

} // namespace patterndays
