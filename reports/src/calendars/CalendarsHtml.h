#pragma once
// CRCalendarsHtml: the calendars as HTML pages: one page per calendar beside the target file,
// named after it with the calendar's number, and the target file as the index that links them.

#include "calendars/CalendarsBase.h"
#include "output/RHtmlBase.h"

class CHtmlWriter;
class CValueTexts;

class CRCalendarsHtml : public CRCalendarsBase, public CRHtmlBaseEx {
public:
    CRCalendarsHtml();
    // 0 when every page was written; else the first failure (the index is then not written).
    int Html(const wchar_t* path) override;

private:
    // The texts are the run's (read once for every page).
    int CalendarPage(wqv2_data::CCalendar& calendar, const std::wstring& pagePath, CValueTexts& texts);
    std::wstring WeekdayTable(const wqv2_data::CCalendar& calendar, CValueTexts& texts) const;
    void WriteExceptionsTable(CHtmlWriter& page, const std::vector<wqv2_data::CCalendarException*>& exceptions,
                              CValueTexts& texts) const;
};
