// The weekly pattern: listed weekdays in every n-th week, weeks beginning on a chosen weekday.
#include "RecurrencePattern.h"

#include "PatternDays.h"

#include <algorithm>
#include <cstdlib>

using namespace patterndays;

void CRecurrencePatternWeeklyInt::CopyFrom(const CRecurrencePatternBase& other)
{
    const auto& source = static_cast<const CRecurrencePatternWeeklyInt&>(other);
    WFirstDayOfWeek = source.WFirstDayOfWeek;
    WWeekdayCount = source.WWeekdayCount;
    std::copy(std::begin(source.WWeekdays), std::end(source.WWeekdays), std::begin(WWeekdays));
    WInterval = source.WInterval;
}

bool CRecurrencePatternWeeklyInt::IsValid() const
{
    if (WWeekdayCount < 0 || WWeekdayCount > 7 || WFirstDayOfWeek < 0 || WFirstDayOfWeek > 6 || WInterval <= 0)
        return false;
    return std::all_of(WWeekdays, WWeekdays + WWeekdayCount, [](int w) { return w >= 0 && w <= 6; });
}

int64_t CRecurrencePatternWeeklyInt::OccurrenceWeekOf(int64_t day) const
{
    const int64_t weekStart = day - FloorMod(Weekday(day) - m_firstDayOfWeek, 7);
    return weekStart - 7 * ((std::llabs(weekStart - m_anchor) / 7) % (m_weekSpan / 7));
}

int64_t CRecurrencePatternWeeklyInt::Step(int64_t day, size_t& index) const
{
    if (index + 1 < m_offsets.size()) {
        day += m_offsets[index + 1] - m_offsets[index];
        ++index;
        return day;
    }
    index = 0;
    return day - m_offsets.back() + m_weekSpan + m_offsets.front();
}

bool CRecurrencePatternWeeklyInt::Range(const SeriesRule& rule, int64_t& first, int64_t& last)
{
    m_firstDayOfWeek = static_cast<int>(FloorMod(WFirstDayOfWeek, 7));
    m_offsets.clear();
    const int used = std::clamp(WWeekdayCount, 0, 7);
    for (int i = 0; i < used; ++i) {
        // Entries outside 0-6 are refused by validation; a series asked before it skips them.
        if (WWeekdays[i] >= 0 && WWeekdays[i] <= 6)
            m_offsets.push_back(static_cast<int>(FloorMod(WWeekdays[i] - m_firstDayOfWeek, 7)));
    }
    std::sort(m_offsets.begin(), m_offsets.end());
    // A weekday listed twice is one occurrence day, not two steps of the count.
    m_offsets.erase(std::unique(m_offsets.begin(), m_offsets.end()), m_offsets.end());
    const int64_t start = rule.start;
    m_anchor = start - FloorMod(Weekday(start) - m_firstDayOfWeek, 7);
    // No weekday (or no interval): no occurrence, and no division by the weekday count.
    if (m_offsets.empty() || WInterval <= 0)
        return true;
    m_weekSpan = 7 * static_cast<int64_t>(WInterval);
    const auto firstOnOrAfter = [this](int64_t week, int64_t day, size_t& index) {
        for (index = 0; index < m_offsets.size(); ++index) {
            if (week + m_offsets[index] >= day)
                return week + m_offsets[index];
        }
        index = 0;
        return week + m_weekSpan + m_offsets.front();
    };
    size_t index = 0;
    first = firstOnOrAfter(m_anchor, start, index);

    if (rule.endType == wqv2_data::kEndAfterCount) {
        const int64_t steps = rule.endCount - 1;
        const int64_t perWeek = static_cast<int64_t>(m_offsets.size());
        last = MulAddCapped(steps / perWeek, m_weekSpan, first);
        if (last >= kAfterCalendar)
            return true;
        const int offset = static_cast<int>(FloorMod(Weekday(last) - m_firstDayOfWeek, 7));
        const auto found = std::find(m_offsets.begin(), m_offsets.end(), offset);
        if (found == m_offsets.end())
            return false;
        index = static_cast<size_t>(found - m_offsets.begin());
        for (int64_t r = steps % perWeek; r > 0; --r)
            last = Step(last, index);
    } else if (rule.endType == wqv2_data::kEndAtDate) {
        const int64_t end = rule.endDate;
        const int64_t week = OccurrenceWeekOf(end);
        last = week - m_weekSpan + m_offsets.back();
        for (int offset : m_offsets) {
            if (week + offset <= end)
                last = week + offset;
        }
    }
    return true;
}

void CRecurrencePatternWeeklyInt::CollectDays(int64_t from, int64_t to, std::vector<TDate>& days) const
{
    if (m_offsets.empty())
        return;
    const int64_t week = OccurrenceWeekOf(from);
    size_t index = 0;
    int64_t day = week + m_weekSpan + m_offsets.front();
    for (size_t i = 0; i < m_offsets.size(); ++i) {
        if (week + m_offsets[i] >= from) {
            day = week + m_offsets[i];
            index = i;
            break;
        }
    }
    for (; day <= to; day = Step(day, index))
        days.push_back(static_cast<uint32_t>(day));
}
