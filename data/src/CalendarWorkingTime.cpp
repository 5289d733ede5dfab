// The working-time arithmetic of calendars: working minutes over a period and the point reached
// after a number of working minutes.
#include "CalendarInt.h"

#include "CalendarExceptionsInt.h"
#include "Guard.h"
#include "HolidaysInt.h"

#include <algorithm>
#include <climits>

using namespace wqv2_data;

namespace {

constexpr int kDayMinutes = 1440;
constexpr int kWeekdays = 7;
constexpr int kHolidayList = 7;
// Counts up to this many minutes are placed by walking the days; larger ones are narrowed with
// period counts first.
constexpr long long kWalkMinutes = 2880;
// A bracket of this many days is walked day by day.
constexpr uint32_t kWalkDays = 14;
// Nothing is placed after the end of 31 December 9999: later days have no date to show or
// store, and a walk over them could run for billions of days.
constexpr uint32_t kCeilingDay = TDate::kLastDay + 1;

int Weekday(uint32_t day) { return static_cast<int>(day % kWeekdays); }

} // namespace

CCalendarInt::Moment CCalendarInt::Normalised(TDate day, int minute)
{
    // Minutes outside the day carry into the day number (1440 is 0:00 of the next day).
    long long d = static_cast<long long>(static_cast<uint32_t>(day)) + minute / kDayMinutes;
    int m = minute % kDayMinutes;
    if (m < 0) {
        m += kDayMinutes;
        --d;
    }
    if (d < 0)
        return Moment{0, 0};
    if (d > static_cast<long long>(UINT32_MAX))
        return Moment{UINT32_MAX, m};
    return Moment{static_cast<uint32_t>(d), m};
}

int CCalendarInt::WorkingMinutes(TDate d1, int m1, TDate d2, int m2)
{
    return Guarded(0, [&] {
        const long long minutes = CountMinutes(Normalised(d1, m1), Normalised(d2, m2));
        return static_cast<int>(std::min<long long>(minutes, INT_MAX));
    });
}

long long CCalendarInt::CountMinutes(Moment from, Moment to)
{
    if (to.day < from.day || (to.day == from.day && to.minute <= from.minute))
        return 0;
    // An end at 0:00 is the end of the day before: that day then counts up to 24:00.
    uint32_t lastDay = to.day;
    int lastMinute = to.minute;
    if (lastMinute == 0) {
        --lastDay;
        lastMinute = kDayMinutes;
    }
    int remembered = 0;
    if (m_memo.Find(from.day, from.minute, lastDay, lastMinute, remembered))
        return remembered;
    const long long minutes = std::max(0LL, CountUncached(from.day, from.minute, lastDay, lastMinute));
    // The memo keeps 32-bit answers; larger ones (periods of several thousand years) are
    // counted again when asked for.
    if (minutes <= INT_MAX)
        m_memo.Store(from.day, from.minute, lastDay, lastMinute, static_cast<int>(minutes));
    return minutes;
}

long long CCalendarInt::CountUncached(uint32_t d1, int m1, uint32_t d2, int m2)
{
    if (d1 == d2)
        return OverlapMinutes(RangesOf(d1), m1, m2);
    long long minutes = OverlapMinutes(RangesOf(d1), m1, kDayMinutes) + OverlapMinutes(RangesOf(d2), 0, m2);
    if (d2 - d1 > 1)
        minutes += WholeDaysMinutes(d1 + 1, d2 - 1);
    return minutes;
}

long long CCalendarInt::WholeDaysMinutes(uint32_t first, uint32_t last)
{
    // Each weekday's share of the days, counted, not walked.
    const uint64_t days = static_cast<uint64_t>(last - first) + 1;
    long long count[kWeekdays];
    std::fill(count, count + kWeekdays, static_cast<long long>(days / kWeekdays));
    for (uint32_t i = 0; i < days % kWeekdays; ++i)
        ++count[Weekday(first + i)];

    // Then the days an exception or a holiday decides are taken out of their weekday's share
    // and counted with their own lists. Both sets are walked together in date order, so an
    // exception on a holiday is seen first and the holiday skipped.
    const std::vector<CCalendarExceptionInt*>& exceptions = ExceptionsInt()->Items();
    size_t e = ExceptionsInt()->LowerBound([first](const CCalendarExceptionInt* x) { return static_cast<uint32_t>(x->Date) < first; });
    CHolidaysInt* holidaySet = HolidayRule != 1 ? HolidaySet() : nullptr;
    static const std::vector<CHolidayInt*> kNoHolidays;
    const std::vector<CHolidayInt*>& holidays = holidaySet ? holidaySet->Items() : kNoHolidays;
    size_t h = holidaySet ? holidaySet->LowerBound([first](const CHolidayInt* x) { return static_cast<uint32_t>(x->Date) < first; }) : 0;

    long long exceptionMinutes = 0;
    long long holidayDays = 0;
    bool anyException = false;
    uint32_t lastException = 0;
    bool anyHoliday = false;
    uint32_t lastHoliday = 0;
    for (;;) {
        const bool exceptionLeft = e < exceptions.size() && static_cast<uint32_t>(exceptions[e]->Date) <= last;
        const bool holidayLeft = h < holidays.size() && static_cast<uint32_t>(holidays[h]->Date) <= last;
        if (!exceptionLeft && !holidayLeft)
            break;
        const uint32_t exceptionDate = exceptionLeft ? static_cast<uint32_t>(exceptions[e]->Date) : 0;
        const uint32_t holidayDate = holidayLeft ? static_cast<uint32_t>(holidays[h]->Date) : 0;
        if (exceptionLeft && (!holidayLeft || exceptionDate <= holidayDate)) {
            // Only the first exception of a date counts, as for the ranges of that day. A date
            // before `first` can only come from an order left stale inside an open edit.
            if (exceptionDate >= first && (!anyException || exceptionDate != lastException)) {
                --count[Weekday(exceptionDate)];
                const CCalendarExceptionInt* x = exceptions[e];
                exceptionMinutes += RangeListLength(RangeList{x->WorkingTimes, x->WorkingTimeCount});
                anyException = true;
                lastException = exceptionDate;
            }
            ++e;
        } else {
            const bool exceptionDay = anyException && holidayDate == lastException;
            const bool seen = anyHoliday && holidayDate == lastHoliday;
            if (holidayDate >= first && !exceptionDay && !seen) {
                --count[Weekday(holidayDate)];
                ++holidayDays;
            }
            anyHoliday = true;
            lastHoliday = holidayDate;
            ++h;
        }
    }

    long long minutes = exceptionMinutes;
    for (int weekday = 0; weekday < kWeekdays; ++weekday)
        minutes += count[weekday] * RangeListLength(RangeList{WeekdayWorkingTimes[weekday], WeekdayWorkingTimeCounts[weekday]});
    if (HolidayRule == 2)
        minutes += holidayDays * RangeListLength(RangeList{WeekdayWorkingTimes[kHolidayList], WeekdayWorkingTimeCounts[kHolidayList]});
    return minutes;
}

bool CCalendarInt::AddWorkingMinutes(TDate day, int minute, unsigned int minutes, TDate* outDay, int* outMinute)
{
    Moment result = Normalised(day, minute);
    const bool reached = Guarded(false, [&] { return Place(Normalised(day, minute), minutes, result); });
    if (outDay)
        *outDay = result.day;
    if (outMinute)
        *outMinute = result.minute;
    return reached;
}

bool CCalendarInt::Place(Moment start, unsigned int minutes, Moment& result)
{
    result = start;
    if (minutes == 0)
        return true;
    if (start.day >= kCeilingDay)
        return false;
    long long weekMinutes = 0;
    for (int weekday = 0; weekday < kWeekdays; ++weekday)
        weekMinutes += RangeListLength(RangeList{WeekdayWorkingTimes[weekday], WeekdayWorkingTimeCounts[weekday]});
    long long n = minutes;
    if (weekMinutes <= 0)
        return PlaceSparse(start, n, result);

    // Large counts: probe whole periods, first in steps of the average working day, then by
    // halving the bracket. A probe that reaches the count exactly is the upper bracket, so the
    // walk below ends at the end of the range that completes it.
    const long long perDay = std::max(1LL, weekMinutes / kWeekdays);
    uint32_t day = start.day;
    int minute = start.minute;
    bool bracketed = false;
    uint32_t upper = 0;
    while (n > kWalkMinutes) {
        if (bracketed && upper - day <= kWalkDays)
            break;
        const uint64_t step = bracketed ? (upper - day) / 2 : static_cast<uint64_t>(std::max(1LL, n / perDay));
        const uint32_t probe = static_cast<uint32_t>(std::min<uint64_t>(day + step, kCeilingDay));
        const long long k = CountMinutes(Moment{day, minute}, Moment{probe, 0});
        if (k >= n) {
            upper = probe;
            bracketed = true;
        } else if (probe == kCeilingDay) {
            result = LatestWorkingEnd(start);
            return false;
        } else {
            n -= k;
            day = probe;
            minute = 0;
        }
    }

    for (; day < kCeilingDay; ++day, minute = 0) {
        const RangeList ranges = RangesOf(day);
        const long long available = OverlapMinutes(ranges, minute, kDayMinutes);
        if (available < n) {
            n -= available;
            continue;
        }
        const int end = PlaceMinutes(ranges, minute, n);
        result = end >= kDayMinutes ? Moment{day + 1, 0} : Moment{day, end};
        return true;
    }
    result = LatestWorkingEnd(start);
    return false;
}

bool CCalendarInt::PlaceSparse(Moment start, long long n, Moment& result)
{
    // No weekday works: only exception days and, with rule 2 and a working holiday list,
    // holidays do. They are walked together in date order; on a date with both, the exception
    // decides and the holiday is skipped.
    const RangeList holidayList{WeekdayWorkingTimes[kHolidayList], WeekdayWorkingTimeCounts[kHolidayList]};
    const std::vector<CCalendarExceptionInt*>& exceptions = ExceptionsInt()->Items();
    size_t e = ExceptionsInt()->LowerBound([&](const CCalendarExceptionInt* x) { return static_cast<uint32_t>(x->Date) < start.day; });
    CHolidaysInt* holidaySet = HolidayRule == 2 && RangeListLength(holidayList) > 0 ? HolidaySet() : nullptr;
    static const std::vector<CHolidayInt*> kNoHolidays;
    const std::vector<CHolidayInt*>& holidays = holidaySet ? holidaySet->Items() : kNoHolidays;
    size_t h = holidaySet ? holidaySet->LowerBound([&](const CHolidayInt* x) { return static_cast<uint32_t>(x->Date) < start.day; }) : 0;

    result = start;
    bool anyException = false;
    uint32_t lastException = 0;
    bool anyHoliday = false;
    uint32_t lastHoliday = 0;
    for (;;) {
        const bool exceptionLeft = e < exceptions.size();
        const bool holidayLeft = h < holidays.size();
        if (!exceptionLeft && !holidayLeft)
            break;
        const uint32_t exceptionDate = exceptionLeft ? static_cast<uint32_t>(exceptions[e]->Date) : 0;
        const uint32_t holidayDate = holidayLeft ? static_cast<uint32_t>(holidays[h]->Date) : 0;
        uint32_t date = 0;
        RangeList ranges;
        bool counts = false;
        if (exceptionLeft && (!holidayLeft || exceptionDate <= holidayDate)) {
            date = exceptionDate;
            counts = !anyException || date != lastException;
            ranges = RangeList{exceptions[e]->WorkingTimes, exceptions[e]->WorkingTimeCount};
            anyException = true;
            lastException = date;
            ++e;
        } else {
            date = holidayDate;
            counts = !(anyException && date == lastException) && !(anyHoliday && date == lastHoliday);
            ranges = holidayList;
            anyHoliday = true;
            lastHoliday = date;
            ++h;
        }
        if (date >= kCeilingDay)
            break;
        // A date before the start can only come from an order left stale inside an open edit.
        if (!counts || date < start.day)
            continue;
        const int from = date == start.day ? start.minute : 0;
        const long long available = OverlapMinutes(ranges, from, kDayMinutes);
        if (available >= n) {
            const int end = PlaceMinutes(ranges, from, n);
            result = end >= kDayMinutes ? Moment{date + 1, 0} : Moment{date, end};
            return true;
        }
        n -= available;
        // The minutes run out: the answer is the end of the last range worked.
        const int lastEnd = LastRangeEnd(ranges);
        if (lastEnd > from)
            result = lastEnd >= kDayMinutes ? Moment{date + 1, 0} : Moment{date, lastEnd};
    }
    return false;
}

CCalendarInt::Moment CCalendarInt::LatestWorkingEnd(Moment start)
{
    // Some weekday works, so going back from the last day finds a working day within a week
    // of every run of days that exceptions or holidays take off.
    for (uint32_t day = TDate::kLastDay; day >= start.day; --day) {
        const int end = LastRangeEnd(RangesOf(day));
        if (end >= 0 && (day > start.day || end > start.minute))
            return end >= kDayMinutes ? Moment{day + 1, 0} : Moment{day, end};
        if (day == 0)
            break;
    }
    return start;
}
