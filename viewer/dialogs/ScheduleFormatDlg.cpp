// The schedule format dialog.
#include "ScheduleFormatDlg.h"

#include "WorkingTimeText.h"
#include "QV2ResVIds.h"
#include "TimeBarDlg.h"
#include "fw/Resources.h"

namespace {

constexpr int kNoPosition = -1;
int gRememberedPosition = kNoPosition; // the display position last confirmed with OK

constexpr int kOrientations = 6;

} // namespace

CScheduleFormatDlg::CScheduleFormatDlg() : fw::CDialog(IDD_SCHEDULE_FORMAT)
{
    // Sunday (weekday 6) in display order.
    for (int position = 0; position < 7; ++position) {
        if (CTimeBarDlg::WeekdayAt(position) == 6)
            weekdayPosition = position;
    }
}

void CScheduleFormatDlg::ForgetWeekday()
{
    gRememberedPosition = kNoPosition;
}

int CScheduleFormatDlg::Weekday() const
{
    return CTimeBarDlg::WeekdayAt(weekdayPosition);
}

bool CScheduleFormatDlg::OnInit()
{
    HWND orientation = Item(IDC_FORMAT_TEXT_ORIENTATION);
    for (int i = 0; i < kOrientations; ++i) {
        const LRESULT item = SendMessageW(orientation, CB_ADDSTRING, 0,
                                          reinterpret_cast<LPARAM>(fw::LoadResString(IDS_TEXT_ORIENTATION_FIRST + i).c_str()));
        SendMessageW(orientation, CB_SETITEMDATA, static_cast<WPARAM>(item), i);
    }
    HWND weekdays = Item(IDC_FORMAT_WEEKDAY);
    for (int position = 0; position < 7; ++position)
        SendMessageW(weekdays, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GetDayName(CTimeBarDlg::WeekdayAt(position)).c_str()));
    if (gRememberedPosition >= 0 && gRememberedPosition < 7)
        weekdayPosition = gRememberedPosition;
    m_weekdayColor.Attach(Hwnd(), IDC_FORMAT_WEEKDAY_COLOR);
    Exchange(false);
    Exchange(true);
    m_weekdayColor.SetColor(weekdayColors[Weekday()]);
    return true;
}

void CScheduleFormatDlg::Exchange(bool save)
{
    HWND orientation = Item(IDC_FORMAT_TEXT_ORIENTATION);
    HWND weekdays = Item(IDC_FORMAT_WEEKDAY);
    if (save) {
        const LRESULT item = SendMessageW(orientation, CB_GETCURSEL, 0, 0);
        if (item >= 0)
            taskTextOrientation = static_cast<int>(SendMessageW(orientation, CB_GETITEMDATA, static_cast<WPARAM>(item), 0));
        const LRESULT position = SendMessageW(weekdays, CB_GETCURSEL, 0, 0);
        if (position >= 0 && position < 7)
            weekdayPosition = static_cast<int>(position);
        gridlinesVertical = IsDlgButtonChecked(Hwnd(), IDC_FORMAT_GRID_VERTICAL) == BST_CHECKED;
    } else {
        // An orientation outside the list selects nothing.
        SendMessageW(orientation, CB_SETCURSEL,
                     taskTextOrientation >= 0 && taskTextOrientation < kOrientations ? taskTextOrientation : -1, 0);
        SendMessageW(weekdays, CB_SETCURSEL, static_cast<WPARAM>(weekdayPosition), 0);
        CheckDlgButton(Hwnd(), IDC_FORMAT_GRID_VERTICAL, gridlinesVertical ? BST_CHECKED : BST_UNCHECKED);
    }
    DdxColorPicker(Hwnd(), IDC_FORMAT_HOLIDAY_COLOR, holidayColor, save);
    DdxColorPicker(Hwnd(), IDC_FORMAT_NONWORKING_COLOR, nonWorkingTimeColor, save);
}

bool CScheduleFormatDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == IDC_FORMAT_WEEKDAY && code == CBN_SELCHANGE) {
        Exchange(true);
        m_weekdayColor.SetColor(weekdayColors[Weekday()]);
        return true;
    }
    if (id == IDC_FORMAT_WEEKDAY_COLOR && code == RKCC2N_COLORCHANGED) {
        Exchange(true);
        weekdayColors[Weekday()] = m_weekdayColor.GetColor();
        return true;
    }
    return fw::CDialog::OnCommand(id, code, control);
}

void CScheduleFormatDlg::OnOk()
{
    Exchange(true);
    gRememberedPosition = weekdayPosition;
    End(IDOK);
}
