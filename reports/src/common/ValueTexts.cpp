// Value texts of one report run.
#include "common/ValueTexts.h"

#include "QV2ResVReportIds.h"
#include "SafeFormat.h"
#include "WorkingTimeText.h"
#include "fw/Resources.h"


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
    return m_kept.Duration(m_formats, minutes, type, shortForm);
}

std::wstring_view CValueTexts::Costs(double value)
{
    return m_kept.Costs(m_formats, value);
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
