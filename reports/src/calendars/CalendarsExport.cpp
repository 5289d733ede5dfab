// Calendars report: export.
#include "calendars/CalendarsExport.h"

#include "QV2ResVReportIds.h"

int CRCalendarsExport::Export(const wchar_t* path)
{
    if (const int opened = BeginWrite(path); opened != 0)
        return opened;
    int weekdays[7];
    for (int column = 0; column < 7; ++column)
        weekdays[column] = WeekdayOfColumn(column);

    AddResourceText(IDS_CALENDARS_COLUMN_CALENDAR);
    for (int weekday : weekdays)
        AddText(WeekdayName(weekday));
    AddResourceText(IDS_CALENDARS_COLUMN_HOLIDAYS);
    const std::vector<wqv2_data::CCalendar*> calendars = GetCalendars();
    for (const wqv2_data::CCalendar* calendar : calendars) {
        NewRow();
        AddText(calendar->Name);
        for (int weekday : weekdays) {
            AddText(
                WorkingTimeText(calendar->WeekdayWorkingTimes[weekday], calendar->WeekdayWorkingTimeCounts[weekday]));
        }
        AddText(HolidayRuleText(*calendar));
    }
    if (ListExceptions) {
        NewRow(); // an empty row between the two tables
        NewRow();
        AddResourceText(IDS_CALENDARS_EXPORT_EXCEPTIONS);
        AddDate(DateStart);
        AddDate(DateEnd);
        NewRow();
        AddResourceText(IDS_CALENDARS_COLUMN_CALENDAR);
        AddResourceText(IDS_CALENDARS_COLUMN_DATE);
        AddResourceText(IDS_CALENDARS_COLUMN_WORKING_TIMES);
        for (wqv2_data::CCalendar* calendar : calendars) {
            std::vector<wqv2_data::CCalendarException*> exceptions;
            GetExceptions(*calendar, exceptions);
            for (const wqv2_data::CCalendarException* exception : exceptions) {
                NewRow();
                AddText(calendar->Name);
                AddDate(exception->Date);
                AddText(WorkingTimeText(exception->WorkingTimes, exception->WorkingTimeCount));
            }
        }
    }
    return Write(path);
}
