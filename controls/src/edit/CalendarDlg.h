#pragma once
// CCalendarDlg: the drop-down calendar of the date edits, a modal pop-up dialog (template 2006 of
// the library) holding one "RKCC2Calendar". Lives on the caller's stack for one drop-down.

#include "TDate.h"

#include <windows.h>

namespace rkcc {

class CCalendarDlg {
public:
    CCalendarDlg();
    CCalendarDlg(const CCalendarDlg&) = delete;
    CCalendarDlg& operator=(const CCalendarDlg&) = delete;

    // IDOK with a chosen date or period, IDCANCEL, or -1 when the dialog cannot be made.
    INT_PTR Run(HWND parent);

    TDate periodStart;
    TDate periodEnd;
    TDate chosen;
    bool showWeekNumbers = true;
    bool periodAllowed = false;
    bool periodChosen = false;
    int x = 0; // top-left corner on the screen
    int y = 0;

    // Keeps a window rectangle inside a work area: left, then right, then up, then down.
    static RECT KeepInside(RECT window, const RECT& workArea);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void OnInit();
    void OnCalendarCommand(WORD code);
    TDate SelectionDay() const;

    HWND m_hwnd = nullptr;
    HWND m_calendar = nullptr;
};

} // namespace rkcc
