// The holidays dialog.
#include "HolidaysDlg.h"

#include "ProcessObjects.h"
#include "QV2ResVIds.h"
#include "Settings.h"
#include "WorkingTimeText.h"
#include "fw/Resources.h"
#include "wqv2_data.h"

#include <vector>

namespace {

void InsertColumn(HWND list, int index, const std::wstring& heading, int format, int width)
{
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(heading.c_str());
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void SetCell(HWND list, int row, int column, const std::wstring& text)
{
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

} // namespace

CHolidaysDlg::CHolidaysDlg() : fw::CDialog(IDD_HOLIDAYS), year(static_cast<int>(TDate().GetYear()))
{
}

int CHolidaysDlg::EffectiveYear(int typed)
{
    const long long full = typed <= 99 ? 1900LL + typed : typed;
    return full >= 1 && full <= 9999 ? static_cast<int>(full) : 0;
}

bool CHolidaysDlg::OnInit()
{
    const int current = static_cast<int>(TDate().GetYear());
    year = GetIntSetting(L"DlgHolidaysYearDefault", current);
    year = GetIntSetting(L"DlgHolidaysYearLast", year);

    m_year.Attach(Hwnd(), IDC_HOLIDAYS_YEAR);
    m_year.SetMin(1800);
    m_year.SetStartValue(current);
    m_year.SetValue(year);

    m_list.Attach(Item(IDC_HOLIDAYS_LIST));
    InsertColumns();
    m_ready = true;
    Fill(year);
    SwitchToOwnerDrawing();
    return true;
}

void CHolidaysDlg::InsertColumns()
{
    HWND list = m_list.Hwnd();
    InsertColumn(list, 0, L"", LVCFMT_LEFT, 0);
    InsertColumn(list, 1, L"", LVCFMT_LEFT, 100);
    InsertColumn(list, 2, fw::LoadResString(IDS_HOLIDAYS_DATE), LVCFMT_RIGHT, 100);
    InsertColumn(list, 3, fw::LoadResString(IDS_HOLIDAYS_NAME), LVCFMT_LEFT, 100);
}

void CHolidaysDlg::SwitchToOwnerDrawing()
{
    HWND list = m_list.Hwnd();
    if (!list)
        return;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SetWindowLongPtrW(list, GWL_STYLE, GetWindowLongPtrW(list, GWL_STYLE) | LVS_OWNERDRAWFIXED);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    if ((GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT)
        InvalidateRect(list, nullptr, TRUE);
    m_list.AutoSizeColumns();
}

void CHolidaysDlg::Fill(int typed)
{
    HWND list = m_list.Hwnd();
    if (!list)
        return;
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    listedYear = typed;
    const int full = EffectiveYear(typed);
    wqv2_data::CHolidays* holidays = gData ? gData->Holidays : nullptr;
    if (full && holidays) {
        const TDate first(TDate::FromYMD(1, static_cast<unsigned>(full), 1));
        const TDate last(TDate::FromYMD(12, static_cast<unsigned>(full), 31));
        const int count = holidays->CountInRange(first, last);
        std::vector<wqv2_data::CHoliday*> found(count > 0 ? static_cast<size_t>(count) : 0);
        const int fetched = count > 0 ? holidays->GetInRange(found.data(), first, last) : 0;
        found.resize(fetched > 0 && fetched <= count ? static_cast<size_t>(fetched) : 0);
        for (wqv2_data::CHoliday* holiday : found) {
            LVITEMW item{};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
            item.pszText = const_cast<wchar_t*>(L"");
            item.lParam = reinterpret_cast<LPARAM>(holiday);
            const int row = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
            if (row < 0)
                continue;
            SetCell(list, row, 1, GetLocaleDayName(holiday->Date.GetWeekday(), true).substr(0, 20));
            SetCell(list, row, 2, GetDateText(holiday->Date));
            SetCell(list, row, 3, holiday->Name ? holiday->Name : L"");
        }
    }
    if (SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    }
    m_list.AutoSizeColumns();
    if (!GetFocus())
        SetFocus(list);
}

void CHolidaysDlg::YearChanged()
{
    if (!m_ready)
        return;
    year = m_year.GetRawValue();
    if (year == listedYear)
        return;
    Fill(year);
    // A year outside the calendar leaves nothing to remember.
    if (EffectiveYear(year) && GetBoolSetting(L"DlgHolidaysYearRemember", false))
        SetIntSetting(L"DlgHolidaysYearLast", year);
}

bool CHolidaysDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == IDC_HOLIDAYS_YEAR && code == EN_CHANGE) {
        YearChanged();
        return true;
    }
    return fw::CDialog::OnCommand(id, code, control);
}

INT_PTR CHolidaysDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DRAWITEM && wp == IDC_HOLIDAYS_LIST && m_list.Hwnd()) {
        m_list.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        SetWindowLongPtrW(Hwnd(), DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    if (msg == WM_NOTIFY && wp == IDC_HOLIDAYS_LIST &&
        reinterpret_cast<const NMHDR*>(lp)->code == LVN_ITEMCHANGED) {
        if (!GetFocus())
            SetFocus(m_list.Hwnd());
        SetWindowLongPtrW(Hwnd(), DWLP_MSGRESULT, 0);
        return TRUE;
    }
    return fw::CDialog::HandleMessage(msg, wp, lp);
}
