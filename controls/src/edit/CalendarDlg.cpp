// The drop-down calendar dialog of the date edits.
#include "edit/CalendarDlg.h"

#include "ControlsRes.h"
#include "RKComControls2.h"
#include "base/CtlWnd.h"

namespace rkcc {

CCalendarDlg::CCalendarDlg() : periodStart(TDate()), periodEnd(TDate()), chosen(TDate()) {}

INT_PTR CCalendarDlg::Run(HWND parent)
{
    return DialogBoxParamW(ControlsModule(), MAKEINTRESOURCEW(IDD_CALENDAR_DROPDOWN), parent, &DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

RECT CCalendarDlg::KeepInside(RECT r, const RECT& wa)
{
    auto move = [&r](int dx, int dy) { OffsetRect(&r, dx, dy); };
    if (r.right > wa.right)
        move(wa.right - r.right, 0);
    if (r.left < wa.left)
        move(wa.left - r.left, 0);
    if (r.bottom > wa.bottom)
        move(0, wa.bottom - r.bottom);
    if (r.top < wa.top) // taller than the work area: its top (the caption row) stays on screen
        move(0, wa.top - r.top);
    return r;
}

void CCalendarDlg::OnInit()
{
    m_calendar = GetDlgItem(m_hwnd, IDC_CALENDAR_DROPDOWN_CAL);
    if (!m_calendar)
        return;
    SendMessageW(m_calendar, RKCC2M_CALENDAR_SETWEEKNUMBERS, 0, showWeekNumbers ? 1 : 0);
    if (periodAllowed) {
        SendMessageW(m_calendar, RKCC2M_CALENDAR_SETBUTTONS, 0, 1);
    } else {
        SendMessageW(m_calendar, RKCC2M_CALENDAR_SETBUTTONS, 1, 1);
        SendMessageW(m_calendar, RKCC2M_CALENDAR_SETBUTTONS, 2, 0);
        SendMessageW(m_calendar, RKCC2M_CALENDAR_SETBUTTONS, 3, 0);
    }
    SendMessageW(m_calendar, RKCC2M_CALENDAR_SETDATE, 0, chosen.IsReal() ? chosen : TDate());
    int ideal[2] = {0, 0};
    SendMessageW(m_calendar, RKCC2M_CALENDAR_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(ideal));
    RECT window{};
    RECT client{};
    GetWindowRect(m_hwnd, &window);
    GetClientRect(m_hwnd, &client);
    const int w = ideal[0] + (window.right - window.left) - client.right;
    const int h = ideal[1] + (window.bottom - window.top) - client.bottom;
    RECT wanted{x, y, x + w, y + h};
    RECT workArea{};
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0))
        wanted = KeepInside(wanted, workArea);
    SetWindowPos(m_hwnd, nullptr, wanted.left, wanted.top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(m_calendar, nullptr, 0, 0, ideal[0], ideal[1], SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(m_calendar, RKCC2M_CALENDAR_UPDATE, 0, 0);
}

TDate CCalendarDlg::SelectionDay() const
{
    if (!m_calendar)
        return TDate();
    CalendarSelection selection{};
    SendMessageW(m_calendar, RKCC2M_CALENDAR_GETSELECTION, 0, reinterpret_cast<LPARAM>(&selection));
    const TDate day(static_cast<uint32_t>(selection.day));
    return day.IsReal() ? day : TDate();
}

void CCalendarDlg::OnCalendarCommand(WORD code)
{
    switch (code) {
    case RKCC2N_CAL_CANCEL:
        EndDialog(m_hwnd, IDCANCEL);
        break;
    case RKCC2N_CAL_PICKSPACE:
    case RKCC2N_CAL_PICKENTER:
        chosen = TDate(static_cast<uint32_t>(SendMessageW(m_calendar, RKCC2M_CALENDAR_GETDATE, 0, 0)));
        if (!chosen.IsReal())
            chosen = TDate();
        EndDialog(m_hwnd, IDOK);
        break;
    case RKCC2N_CAL_TODAY:
        chosen = TDate();
        EndDialog(m_hwnd, IDOK);
        break;
    case RKCC2N_CAL_SELECTION:
        chosen = SelectionDay();
        EndDialog(m_hwnd, IDOK);
        break;
    case RKCC2N_CAL_MONTH:
    case RKCC2N_CAL_YEAR: {
        if (!periodAllowed)
            break;
        const TDate day = SelectionDay();
        const unsigned year = day.GetYear() < 100 ? day.GetYear() + 1900 : day.GetYear();
        periodChosen = true;
        if (code == RKCC2N_CAL_MONTH) {
            periodStart = TDate::FromYMD(day.GetMonth(), year, 1);
            periodEnd = TDate::LastDayOfMonth(year, day.GetMonth());
        } else {
            periodStart = TDate::FromYMD(1, year, 1);
            periodEnd = TDate::FromYMD(12, year, 31);
        }
        EndDialog(m_hwnd, IDOK);
        break;
    }
    default:
        break;
    }
}

INT_PTR CALLBACK CCalendarDlg::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    // A dialog procedure answers TRUE for a message it handled and FALSE to let the dialog
    // manager handle it; WM_INITDIALOG answers TRUE to have the first control focused.
    try {
        if (msg == WM_INITDIALOG) {
            auto* self = reinterpret_cast<CCalendarDlg*>(lp);
            SetWindowLongPtrW(hwnd, DWLP_USER, lp);
            self->m_hwnd = hwnd;
            self->OnInit();
            return TRUE;
        }
        auto* self = reinterpret_cast<CCalendarDlg*>(GetWindowLongPtrW(hwnd, DWLP_USER));
        if (!self)
            return FALSE;
        if (msg == WM_COMMAND) {
            if (LOWORD(wp) == IDC_CALENDAR_DROPDOWN_CAL && reinterpret_cast<HWND>(lp) == self->m_calendar) {
                self->OnCalendarCommand(HIWORD(wp));
                return TRUE;
            }
            if (LOWORD(wp) == IDCANCEL) {
                EndDialog(hwnd, IDCANCEL);
                return TRUE;
            }
            // The dialog manager turns Enter into IDOK before the calendar sees the key: hand
            // it on, so that Enter takes the highlighted date as it does in the calendar.
            if (LOWORD(wp) == IDOK) {
                if (self->m_calendar)
                    SendMessageW(self->m_calendar, WM_KEYDOWN, VK_RETURN, 0);
                else
                    EndDialog(hwnd, IDCANCEL);
                return TRUE;
            }
        }
        return FALSE;
    } catch (...) {
        EndDialog(hwnd, IDCANCEL); // never unwind through the dialog manager
        return TRUE;
    }
}

} // namespace rkcc
