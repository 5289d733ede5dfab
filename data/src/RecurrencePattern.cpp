// The range computation common to every pattern, and the daily pattern.
#include "RecurrencePattern.h"

#include "PatternDays.h"
#include "RecurrenceInt.h"

#include <algorithm>

using namespace patterndays;

bool CRecurrencePatternBase::ComputeRange()
{
    m_first = 0;
    m_last = 0;
    SeriesRule rule;
    rule.start = static_cast<uint32_t>(m_owner->DateStart);
    rule.endType = m_owner->EndType;
    rule.endDate = std::min<int64_t>(static_cast<uint32_t>(m_owner->EndDate), kLastDay);
    rule.endCount = m_owner->EndCount;
    const bool hasEnd = rule.endType == wqv2_data::kEndAfterCount || rule.endType == wqv2_data::kEndAtDate;
    // A start outside the calendar, or a count below one (refused by validation, but a series
    // may be asked before it is added), leaves no occurrence.
    if (rule.start < kFirstDay || rule.start > kLastDay)
        return true;
    if (rule.endType == wqv2_data::kEndAfterCount && rule.endCount < 1)
        return true;
    int64_t first = kAfterCalendar;
    int64_t last = kAfterCalendar;
    if (!Range(rule, first, last))
        return false;
    if (first < kFirstDay || first > kLastDay)
        return true;
    if (hasEnd && last < first)
        return true;
    m_first = first;
    m_last = hasEnd ? std::min(last, kLastDay) : 1;
    return true;
}

void CRecurrencePatternDailyInt::CopyFrom(const CRecurrencePatternBase& other)
{
    const auto& source = static_cast<const CRecurrencePatternDailyInt&>(other);
    DType = source.DType;
    DInterval = source.DInterval;
}

bool CRecurrencePatternDailyInt::IsValid() const { return DInterval > 0 && (DType == 0 || DType == 1); }

bool CRecurrencePatternDailyInt::Range(const SeriesRule& rule, int64_t& first, int64_t& last)
{
    m_workdays = DType == 1;
    m_interval = DInterval;
    if (m_interval <= 0)
        return true;
    const int64_t start = rule.start;
    if (m_workdays) {
        first = Weekday(start) < 5 ? start : start + (7 - Weekday(start));
        if (rule.endType == wqv2_data::kEndAfterCount) {
            const int64_t n = rule.endCount;
            if (n == 1) {
                last = first;
                return true;
            }
            // The n-th working day counting the first as one, without walking: whole weeks of
            // five, then the rest, skipping a weekend when the rest reaches past Friday.
            const int64_t q = n / 5;
            const int64_t r = n % 5;
            const int64_t c = MulAddCapped(q, 7, first);
            if (c >= kAfterCalendar) {
                last = kAfterCalendar;
                return true;
            }
            const int64_t g = c - 1;
            const int wg = Weekday(g);
            if (r == 0)
                last = wg < 5 ? g : g - wg + 4;
            else
                last = (wg == 6 || r + wg < 5) ? g + r : c + r + 1;
        } else if (rule.endType == wqv2_data::kEndAtDate) {
            const int64_t end = rule.endDate;
            last = Weekday(end) < 5 ? end : end - Weekday(end) + 4;
        }
        return true;
    }
    first = start;
    if (rule.endType == wqv2_data::kEndAfterCount) {
        last = MulAddCapped(rule.endCount - 1, m_interval, first);
    } else if (rule.endType == wqv2_data::kEndAtDate) {
        const int64_t end = rule.endDate;
        // The last step day not after the end.
        last = end < first ? end : first + m_interval * ((end - first) / m_interval);
    }
    return true;
}

void CRecurrencePatternDailyInt::CollectDays(int64_t from, int64_t to, std::vector<TDate>& days) const
{
    if (m_workdays) {
        int64_t day = from;
        if (Weekday(day) >= 5)
            day += 7 - Weekday(day);
        while (day <= to) {
            days.push_back(static_cast<uint32_t>(day));
            day += Weekday(day) == 4 ? 3 : 1;
        }
        return;
    }
    const int64_t first = First();
    int64_t day = first;
    if (from > first)
        day = first + (from - first + m_interval - 1) / m_interval * m_interval;
    for (; day <= to; day += m_interval)
        days.push_back(static_cast<uint32_t>(day));
}
