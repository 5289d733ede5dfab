// The monthly and yearly patterns: a day of the month, or a positioned weekday, every n months or
// in one month of every year. Each step recomputes the day rule in its month, so a day clamped
// in a short month does not shift the later occurrences.
#include "RecurrencePattern.h"

#include "PatternDays.h"

#include <algorithm>

using namespace patterndays;

namespace {

bool PositionValid(int position) { return (position >= 1 && position <= 4) || position == -1; }

} // namespace

void CRecurrencePatternMonthlyInt::CopyFrom(const CRecurrencePatternBase& other)
{
    const auto& source = static_cast<const CRecurrencePatternMonthlyInt&>(other);
    MType = source.MType;
    MDayOfMonth = source.MDayOfMonth;
    MPosition = source.MPosition;
    MWeekday = source.MWeekday;
    MInterval = source.MInterval;
}

bool CRecurrencePatternMonthlyInt::IsValid() const
{
    return MInterval > 0 && (MType == 0 || MType == 1) && MDayOfMonth >= 1 && MDayOfMonth <= 31 &&
           PositionValid(MPosition) && MWeekday >= 0 && MWeekday <= 7;
}

int64_t CRecurrencePatternMonthlyInt::Occurrence(int64_t monthIndex) const
{
    return OccurrenceInMonth(monthIndex, MType, MDayOfMonth, MPosition, MWeekday);
}

bool CRecurrencePatternMonthlyInt::Range(const SeriesRule& rule, int64_t& first, int64_t& last)
{
    m_interval = MInterval;
    if (m_interval <= 0)
        return true;
    const int64_t start = rule.start;
    const int64_t startMonth = MonthIndex(start);
    first = Occurrence(startMonth);
    if (first < start)
        first = Occurrence(startMonth + m_interval);
    if (first > kLastDay)
        return true;
    m_firstMonth = MonthIndex(first);
    if (rule.endType == wqv2_data::kEndAfterCount) {
        last = Occurrence(MulAddCapped(rule.endCount - 1, m_interval, m_firstMonth));
    } else if (rule.endType == wqv2_data::kEndAtDate) {
        const int64_t end = rule.endDate;
        const int64_t month = MonthIndex(end) - FloorMod(MonthIndex(end) - m_firstMonth, m_interval);
        last = Occurrence(month);
        if (last > end)
            last = Occurrence(month - m_interval);
    }
    return true;
}

void CRecurrencePatternMonthlyInt::CollectDays(int64_t from, int64_t to, std::vector<TDate>& days) const
{
    int64_t month = MonthIndex(from);
    const int64_t behind = FloorMod(month - m_firstMonth, m_interval);
    if (behind != 0)
        month += m_interval - behind;
    for (;; month += m_interval) {
        const int64_t day = Occurrence(month);
        if (day > to)
            break;
        if (day >= from)
            days.push_back(static_cast<uint32_t>(day));
    }
}

void CRecurrencePatternYearlyInt::CopyFrom(const CRecurrencePatternBase& other)
{
    const auto& source = static_cast<const CRecurrencePatternYearlyInt&>(other);
    YType = source.YType;
    YMonth = source.YMonth;
    YDayOfMonth = source.YDayOfMonth;
    YPosition = source.YPosition;
    YWeekday = source.YWeekday;
}

bool CRecurrencePatternYearlyInt::IsValid() const
{
    return (YType == 0 || YType == 1) && YMonth >= 1 && YMonth <= 12 && YDayOfMonth >= 1 && YDayOfMonth <= 31 &&
           PositionValid(YPosition) && YWeekday >= 0 && YWeekday <= 7;
}

int64_t CRecurrencePatternYearlyInt::Occurrence(int64_t year) const
{
    // A month outside 1-12 is refused by validation; a series asked before it stays in its year.
    const int month = std::clamp(YMonth, 1, 12);
    return OccurrenceInMonth(year * 12 + (month - 1), YType, YDayOfMonth, YPosition, YWeekday);
}

bool CRecurrencePatternYearlyInt::Range(const SeriesRule& rule, int64_t& first, int64_t& last)
{
    const int64_t start = rule.start;
    first = Occurrence(YearOf(start));
    if (first < start)
        first = Occurrence(YearOf(start) + 1);
    if (first > kLastDay)
        return true;
    if (rule.endType == wqv2_data::kEndAfterCount) {
        last = Occurrence(MulAddCapped(rule.endCount - 1, 1, YearOf(first)));
    } else if (rule.endType == wqv2_data::kEndAtDate) {
        const int64_t end = rule.endDate;
        last = Occurrence(YearOf(end));
        if (last > end)
            last = Occurrence(YearOf(end) - 1);
    }
    return true;
}

void CRecurrencePatternYearlyInt::CollectDays(int64_t from, int64_t to, std::vector<TDate>& days) const
{
    for (int64_t year = YearOf(from);; ++year) {
        const int64_t day = Occurrence(year);
        if (day > to)
            break;
        if (day >= from)
            days.push_back(static_cast<uint32_t>(day));
    }
}
