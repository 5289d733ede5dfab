#pragma once
// CCalendarDlg: one working-time calendar, read-only (modal): its name, holiday rule and the
// working times of each weekday and of holidays, and a month calendar whose days are coloured
// as working days, days off, dated exceptions and holidays, with the selected day's weekday,
// date, holiday and working times below it. The viewer core's runner copies the calendar's name,
// lists and rule into the public fields; the dialog writes nothing back. A rule chosen in the
// combo is taken up at the next change of the selected day.

#include "RK2Controls.h"
#include "StaticColor.h"
#include "StaticSeparator.h"
#include "WorkingTimeText.h"
#include "fw/Dialog.h"
#include "wqv2_data.h"

#include <string>

class CCalendarDlg : public fw::CDialog {
public:
    explicit CCalendarDlg(wqv2_data::CCalendar* shown);

    wqv2_data::CCalendar* calendar; // not owned; may be null (then no exceptions)
    std::wstring name;
    WorkingTimePeriods workingTimes[8]; // Monday to Sunday, then the holiday list
    int holidayRule = 2;                // 0 holidays are days off, 1 ignored, 2 use list 7

    // The working times of one day: a dated exception wins, then the holiday rule, then the
    // weekday's list.
    struct DayTimes {
        WorkingTimePeriods periods;
        bool fromException = false;
        bool workingDay = false;
    };
    DayTimes TimesOf(TDate day) const;
    // Fills the colours and the frame of one cell of the month calendar (its day callback).
    void ColourDay(CalendarDayInfo& cell) const;

    // The date last selected in any calendar dialog of this process (none at first).
    static TDate RememberedDate();
    static void ForgetRememberedDate();

    // The day text: `format` of the weekday name, the date text and, when given, the holiday's
    // name cut with "..." to the first length whose text is at most `width` wide in `dc` (the
    // full text when none is).
    static std::wstring FitDayText(HDC dc, int width, const std::wstring& format, const std::wstring& weekday,
                                   const std::wstring& date, const std::wstring& holiday);

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    static void __cdecl DayCallback(CalendarDayInfo* cell, void* context);
    void ReadControls();
    void SetUpCalendar();
    TDate InitialDate() const;
    void FillWorkingTimeTexts();
    void RefreshDayTexts();
    std::wstring DayText(TDate day, const wqv2_data::CHoliday* holiday) const;

    COLORREF m_back;
    COLORREF m_workingDay;
    COLORREF m_dayOff;
    COLORREF m_workingException;
    COLORREF m_dayOffException;
    COLORREF m_holidayFrame;
    CRK2CalendarCtrl m_calendar;
    CStaticSeparator m_separators[2];
    CStaticColor m_swatches[4];
    bool m_initialised = false;
};
