// The calendars dialog.
#include "CalendarsDlg.h"

#include "FrameDialogs.h"
#include "ListedTasks.h"
#include "QV2ResVIds.h"

#include <vector>

CCalendarsDlg::CCalendarsDlg() : fw::CDialog(IDD_CALENDARS)
{
}

bool CCalendarsDlg::OnInit()
{
    HWND list = Item(IDC_CALENDARS_LIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    std::vector<wqv2_data::CCalendar*> calendars;
    GetSortedCalendars(calendars);
    for (wqv2_data::CCalendar* calendar : calendars) {
        const LRESULT index =
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(calendar->Name ? calendar->Name : L""));
        if (index >= 0)
            SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(calendar));
    }
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    UpdateButtons();
    if (!GetFocus())
        SetFocus(list);
    return true;
}

void CCalendarsDlg::UpdateButtons()
{
    EnableWindow(Item(IDC_CALENDARS_OPEN), SendMessageW(Item(IDC_CALENDARS_LIST), LB_GETCURSEL, 0, 0) >= 0);
}

void CCalendarsDlg::OpenSelected()
{
    HWND list = Item(IDC_CALENDARS_LIST);
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected < 0)
        return;
    const LRESULT data = SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(selected), 0);
    if (data != LB_ERR)
        ShowCalendarDlg(reinterpret_cast<wqv2_data::CCalendar*>(data), Hwnd());
}

bool CCalendarsDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == IDC_CALENDARS_OPEN) {
        OpenSelected();
        return true;
    }
    if (id == IDC_CALENDARS_LIST) {
        if (code == LBN_DBLCLK)
            OpenSelected();
        else if (code == LBN_SELCHANGE)
            UpdateButtons();
        return true;
    }
    return fw::CDialog::OnCommand(id, code, control);
}
