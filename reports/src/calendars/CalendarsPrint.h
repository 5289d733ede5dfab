#pragma once
// CRCalendarsPrint: the calendars on printed pages, each from a new page: the calendar's name as
// the caption line (marked continued on its later pages), its weekday table, the period heading
// and its exceptions of the period.

#include "calendars/CalendarsBase.h"
#include "output/RPrintBase.h"

class CRCalendarsPrint : public CRCalendarsBase, public CRPrintBaseEx {
public:
    CRCalendarsPrint();
    int PrintBody(CRKPrintEngine2* engine) override;
    // One line: the calendar being laid out.
    int GetCaptionLines(std::vector<std::wstring>& labels, std::vector<std::wstring>& values) override;

private:
    // Each of these: 0, or the failure result of a page the engine could not add.
    int PrintCalendar(CRKPrintEngine2* engine, wqv2_data::CCalendar& calendar);
    // The weekday table from `top`; the y below it in `below`.
    int PrintWeekdays(CRKPrintEngine2* engine, const wqv2_data::CCalendar& calendar, int top, int& below);
    int PrintExceptions(CRKPrintEngine2* engine, wqv2_data::CCalendar& calendar, int top, int startY);
    // Where a line of text `height` high goes: `y` stays, or becomes `top` of the next page when
    // the line would reach below the body.
    int LineTop(CRKPrintEngine2* engine, int& y, int height, int top);

    const wqv2_data::CCalendar* m_calendar = nullptr; // not owned: the calendar of the captions
};
