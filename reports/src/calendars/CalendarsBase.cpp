// Calendars report: calendars, weekdays and their texts.
#include "calendars/CalendarsBase.h"

#include "common/ReportSettings.h"
#include "common/SortedLists.h"
#include "common/TimeText.h"
#include "common/ValueFormat.h"

#include "QV2ResVReportIds.h"
#include "SafeFormat.h"
#include "fw/Resources.h"

#include <algorithm>

CRCalendarsBase::CRCalendarsBase()
{
    DateStart = GetDateSetting(L"ReportsCalendarsDateStart", DateStart);
    DateEnd = GetDateSetting(L"ReportsCalendarsDateEnd", DateEnd);
    ListExceptions = GetBoolSetting(L"ReportsCalendarsListExceptions", ListExceptions);
}

std::vector<wqv2_data::CCalendar*> CRCalendarsBase::GetCalendars()
{
    std::vector<wqv2_data::CCalendar*> calendars;
    GetSortedCalendars(calendars);
    return calendars;
}

int CRCalendarsBase::WeekdayOfColumn(int column)
{
    // A first day outside 0 to 6 is taken modulo 7 (before the column is added, so that no
    // stored number can overflow) rather than giving no weekday.
    const int stored = GetIntSetting(L"ViewFirstDayOfWeek", 0);
    const int first = ((stored % 7) + 7) % 7;
    return (((column % 7) + 7 + first) % 7);
}

std::wstring CRCalendarsBase::WeekdayName(int weekday)
{
    return GetDayName(weekday);
}

std::wstring CRCalendarsBase::WorkingTimeText(const int* pairs, int count)
{
    WorkingTimePeriods periods;
    SetWorkingTimePeriods(periods, pairs, count);
    return FormatWorkingTimes(periods);
}

std::wstring CRCalendarsBase::HolidayRuleText(const wqv2_data::CCalendar& calendar)
{
    switch (calendar.HolidayRule) {
    case 0:
        return fw::LoadResString(IDS_WORKING_TIME_NONE);
    case 1:
        return fw::LoadResString(IDS_CALENDARS_HOLIDAYS_IGNORED);
    default:
        return WorkingTimeText(calendar.WeekdayWorkingTimes[7], calendar.WeekdayWorkingTimeCounts[7]);
    }
}

std::wstring CRCalendarsBase::WeekdayLabel(int weekday)
{
    return msgfmt::Format(fw::LoadResString(IDS_CALENDARS_LABEL), {WeekdayName(weekday)});
}

std::wstring CRCalendarsBase::HolidayLabel()
{
    return msgfmt::Format(fw::LoadResString(IDS_CALENDARS_LABEL), {fw::LoadResString(IDS_CALENDARS_HOLIDAYS)});
}

int CRCalendarsBase::GetExceptions(wqv2_data::CCalendar& calendar,
                                   std::vector<wqv2_data::CCalendarException*>& out) const
{
    wqv2_data::CCalendarExceptions* exceptions = calendar.Exceptions;
    if (!exceptions || static_cast<uint32_t>(DateEnd) < static_cast<uint32_t>(DateStart))
        return 0;
    const int count = exceptions->CountInRange(DateStart, DateEnd);
    if (count <= 0)
        return 0;
    std::vector<wqv2_data::CCalendarException*> found(static_cast<size_t>(count));
    const int got = exceptions->GetInRange(found.data(), DateStart, DateEnd);
    found.resize(static_cast<size_t>(std::clamp(got, 0, count)));
    out.insert(out.end(), found.begin(), found.end());
    return static_cast<int>(found.size());
}

std::wstring CRCalendarsBase::PeriodText() const
{
    return msgfmt::Format(fw::LoadResString(IDS_CALENDARS_EXCEPTIONS_PERIOD),
                          {GetDateText(DateStart), GetDateText(DateEnd)});
}
