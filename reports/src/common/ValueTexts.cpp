// Value texts of one report run.
#include "common/ValueTexts.h"

#include "QV2ResVReportIds.h"
#include "SafeFormat.h"
#include "WorkingTimeText.h"
#include "fw/Resources.h"

#include <cstring>

CValueTexts::CValueTexts()
    : m_dateTimeFormat(msgfmt::Pattern(fw::LoadResString(IDS_REPORT_DATETIME_FORMAT))),
      m_noWorkingTime(fw::LoadResString(IDS_WORKING_TIME_NONE)),
      m_range(fw::LoadResString(IDS_WORKING_TIME_RANGE)),
      m_join(fw::LoadResString(IDS_WORKING_TIME_JOIN))
{
}

std::wstring_view CValueTexts::Day(TDate day, int mode)
{
    // Modes 1 and 3 name the weekday abbreviated, 2 and 4 in full; 3 and 4 give the name alone.
    const std::wstring* name = nullptr;
    if (mode >= 1 && mode <= 4) {
        const int abbreviated = mode == 1 || mode == 3 ? 1 : 0;
        if (!m_namesRead[abbreviated]) {
            for (int weekday = 0; weekday < 7; ++weekday)
                m_dayNames[abbreviated][weekday] = GetLocaleDayName(weekday, abbreviated == 1);
            m_namesRead[abbreviated] = true;
        }
        name = &m_dayNames[abbreviated][static_cast<uint32_t>(day) % 7];
    }
    if (mode == 3 || mode == 4)
        return *name;
    const std::wstring& date = m_formats.Date(day);
    if (!name || name->empty())
        return date;
    m_text.assign(*name);
    m_text += L' ';
    m_text += date;
    return m_text;
}

std::wstring_view CValueTexts::DateTime(TDate day, int minute)
{
    const TDateTime moment(day, minute, false);
    m_text.clear();
    m_dateTimeFormat.Append(m_text, {m_formats.Date(day), m_formats.Time(moment.time)});
    return m_text;
}

std::wstring_view CValueTexts::Duration(int minutes, int type, bool shortForm)
{
    const uint64_t key = static_cast<uint64_t>(static_cast<uint32_t>(minutes)) << 32 | static_cast<uint32_t>(type);
    bool made = false;
    std::wstring& text = m_durations.Slot(key, shortForm ? 1 : 0, made);
    if (!made)
        m_formats.Duration(minutes, type, shortForm, text);
    return text;
}

std::wstring_view CValueTexts::Costs(double value)
{
    uint64_t key = 0;
    std::memcpy(&key, &value, sizeof key);
    bool made = false;
    std::wstring& text = m_costs.Slot(key, 0, made);
    if (!made)
        m_formats.Costs(value, text);
    return text;
}

std::wstring_view CValueTexts::WorkingTimes(const int* pairs, int count)
{
    if (SetWorkingTimePeriods(m_periods, pairs, count) == 0)
        return m_noWorkingTime;
    m_text.clear();
    for (size_t i = 0; i < m_periods.size(); ++i) {
        if (i > 0)
            m_text += m_join;
        // The start's text is kept apart: the next time asked for may take its place.
        m_startText = m_formats.Time(m_periods[i].start);
        msgfmt::FormatAppend(m_text, m_range, {m_startText, m_formats.Time(m_periods[i].end)});
    }
    return m_text;
}
