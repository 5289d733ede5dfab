// The date selector.
#include "DateSelectorDlg.h"

#include "QV2ResVIds.h"
#include "Settings.h"

CDateSelectorDlg::CDateSelectorDlg(TDate shown) : fw::CDialog(IDD_DATE_SELECTOR), day(shown)
{
}

void CDateSelectorDlg::KeepInside(RECT& rect, const RECT& area)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (rect.right > area.right)
        OffsetRect(&rect, area.right - rect.right, 0);
    if (rect.left < area.left)
        OffsetRect(&rect, area.left - rect.left, 0);
    if (rect.bottom > area.bottom)
        OffsetRect(&rect, 0, area.bottom - rect.bottom);
    if (rect.top < area.top)
        OffsetRect(&rect, 0, area.top - rect.top);
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
}

bool CDateSelectorDlg::OnInit()
{
    if (!m_calendar.Attach(Hwnd(), IDC_DATE_SELECTOR_CALENDAR))
        return true;
    m_calendar.Send(RKCC2M_CALENDAR_SETWEEKNUMBERS, 0, GetBoolSetting(L"DlgDateSelectorShowWeeknumbers", false));
    if (allowPeriod) {
        m_calendar.Send(RKCC2M_CALENDAR_SETBUTTONS, 0, TRUE);
    } else {
        m_calendar.Send(RKCC2M_CALENDAR_SETBUTTONS, 1, TRUE);
        m_calendar.Send(RKCC2M_CALENDAR_SETBUTTONS, 2, FALSE);
        m_calendar.Send(RKCC2M_CALENDAR_SETBUTTONS, 3, FALSE);
    }
    if (static_cast<uint32_t>(day) == 0)
        day = TDate();
    m_calendar.SetDate(day);
    m_calendar.Update();
    FitToCalendar();
    return true;
}

void CDateSelectorDlg::FitToCalendar()
{
    int size[2] = {0, 0};
    m_calendar.Send(RKCC2M_CALENDAR_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(size));
    if (size[0] <= 0 || size[1] <= 0)
        return;
    RECT window{};
    GetWindowRect(Hwnd(), &window);
    RECT frame{0, 0, size[0], size[1]};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(Hwnd(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE)));
    RECT placed{window.left, window.top, window.left + frame.right - frame.left, window.top + frame.bottom - frame.top};
    RECT area{};
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
        KeepInside(placed, area);
    SetWindowPos(Hwnd(), nullptr, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    MoveWindow(m_calendar.Hwnd(), 0, 0, size[0], size[1], TRUE);
}

TDate CDateSelectorDlg::LastChoice() const
{
    if (!m_calendar.Hwnd())
        return TDate();
    const CalendarSelection selection = m_calendar.GetSelection();
    return selection.day >= 2 ? TDate(static_cast<uint32_t>(selection.day)) : TDate();
}

void CDateSelectorDlg::ChoosePeriod(bool wholeYear)
{
    const TDate chosen = LastChoice();
    const unsigned year = chosen.GetYear();
    const unsigned month = chosen.GetMonth();
    periodStart = TDate::FromYMD(wholeYear ? 1 : month, year, 1);
    periodEnd = wholeYear ? TDate::LastDayOfMonth(year, 12) : TDate::LastDayOfMonth(year, month);
    periodChosen = true;
    End(IDOK);
}

bool CDateSelectorDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (id != IDC_DATE_SELECTOR_CALENDAR)
        return fw::CDialog::OnCommand(id, code, control);
    switch (code) {
    case RKCC2N_CAL_CANCEL:
        End(IDCANCEL);
        break;
    case RKCC2N_CAL_PICKSPACE:
    case RKCC2N_CAL_PICKENTER:
        OnOk();
        break;
    case RKCC2N_CAL_MONTH:
    case RKCC2N_CAL_YEAR:
        // F6 and F7 report a month or a year even while those buttons are disabled; closing on
        // them would drop the day chosen with the arrow keys.
        if (allowPeriod)
            ChoosePeriod(code == RKCC2N_CAL_YEAR);
        break;
    case RKCC2N_CAL_TODAY:
        day = TDate();
        periodChosen = false;
        End(IDOK);
        break;
    case RKCC2N_CAL_SELECTION:
        day = LastChoice();
        periodChosen = false;
        End(IDOK);
        break;
    default:
        break;
    }
    return true;
}

void CDateSelectorDlg::OnOk()
{
    if (m_calendar.Hwnd())
        day = m_calendar.GetDate();
    periodChosen = false;
    End(IDOK);
}
