#pragma once
// More of a project built through the data API for the list-report tests: holidays, calendar
// exceptions and holiday rules, resource user fields and edits of a resource. Each call is one
// unnamed transaction on the test data root; false or null when the data library refused.

#include "ReportTestSupport.h"

#include <functional>

namespace rtest {

wqv2_data::CHoliday* AddHoliday(const wchar_t* name, TDate date);
// Working-time ranges as minute pairs; an empty list is a day without work.
wqv2_data::CCalendarException* AddException(wqv2_data::CCalendar* calendar, TDate date, const std::vector<int>& ranges);
// Runs `edit` on the calendar marked modified, then commits.
bool EditCalendar(wqv2_data::CCalendar* calendar, const std::function<void(wqv2_data::CCalendar&)>& edit);
// The holiday rule and the holiday list (list 7) of a calendar; the weekday lists stay.
bool SetHolidayRule(wqv2_data::CCalendar* calendar, int rule, const std::vector<int>& holidayRanges);
// One list of a calendar (0 Monday to 6 Sunday, 7 holidays).
bool SetWorkingTimes(wqv2_data::CCalendar* calendar, unsigned list, const std::vector<int>& ranges);
bool AddUserField(int kind, const wchar_t* name, const wchar_t* type);
bool SetCurrency(const wchar_t* currency);
// Runs `edit` on the resource marked modified, then commits.
bool EditResource(wqv2_data::CResource* resource, const std::function<void(wqv2_data::CResource&)>& edit);

} // namespace rtest
