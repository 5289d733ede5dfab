#pragma once
// CDateSelectorDlg: a small pop-up month calendar from which the user picks a day, or (when the
// caller allows the period buttons) a whole month or year (modal). It opens sized to the
// calendar and kept inside the desktop's work area.

#include "RK2Controls.h"
#include "fw/Dialog.h"

class CDateSelectorDlg : public fw::CDialog {
public:
    explicit CDateSelectorDlg(TDate shown); // 0: today

    TDate day;                  // the chosen day
    bool allowPeriod = false;   // in: the month and year buttons
    bool periodChosen = false;  // out: a whole month or year was chosen
    TDate periodStart;          // out: its first and last day
    TDate periodEnd;

    // Moves `rect` (keeping its size) so that it lies inside `area` where it can.
    static void KeepInside(RECT& rect, const RECT& area);

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnOk() override;

private:
    void FitToCalendar();
    TDate LastChoice() const;
    void ChoosePeriod(bool wholeYear);

    CRK2CalendarCtrl m_calendar;
};
