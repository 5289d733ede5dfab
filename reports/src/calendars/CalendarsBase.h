#pragma once
// CRCalendarsBase: what the three outputs of the calendars report share: the calendars in board
// order, the weekday columns from the first day of the week, the texts of working times and
// holiday rules, and each calendar's exceptions in the report period (both ends included). Of
// the list base it uses the period only. The calendars belong to the data library.

#include "base/RListBase.h"

#include <string>
#include <vector>

class CRCalendarsBase : public CRListBase {
public:
    // The list base's period, then ReportsCalendarsDateStart, ReportsCalendarsDateEnd and
    // ReportsCalendarsListExceptions.
    CRCalendarsBase();

    // Every calendar of the project by Position.
    static std::vector<wqv2_data::CCalendar*> GetCalendars();
    // The weekday (0 Monday) shown in column 0 to 6: the column after ViewFirstDayOfWeek.
    static int WeekdayOfColumn(int column);
    // The locale's full day name of the weekday.
    static std::wstring WeekdayName(int weekday);
    // Ranges of {from, to} minute pairs as "from-to" texts, or the text for no working time.
    static std::wstring WorkingTimeText(const int* pairs, int count);
    // Rule 0 no work, rule 1 like other days, any other rule the working times of the holiday list.
    static std::wstring HolidayRuleText(const wqv2_data::CCalendar& calendar);
    // "Name:" labels of a weekday and of holidays.
    static std::wstring WeekdayLabel(int weekday);
    static std::wstring HolidayLabel();

    // The calendar's exceptions from DateStart to DateEnd in date order; their number. None for
    // a period whose end lies before its start.
    int GetExceptions(wqv2_data::CCalendar& calendar, std::vector<wqv2_data::CCalendarException*>& out) const;
    // "Exceptions from <start> to <end>" of the report period.
    std::wstring PeriodText() const;

    bool ListExceptions = true; // ReportsCalendarsListExceptions
};
