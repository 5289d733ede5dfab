// The holidays dialog.
#include "HolidaysDlg.h"

#include "ProcessObjects.h"
#include "QV2ResVIds.h"
#include "Settings.h"
#include "WorkingTimeText.h"
#include "fw/Resources.h"
#include "fw/Window.h"
#include "wqv2_data.h"

#include <string>
#include <vector>

namespace {

// The edit's limits: the list never shows a year that the edit could not show.
constexpr int kFirstYear = 1800;
constexpr int kLastYear = 9999;

// Letters pasted over the year read as 0 like a typed 0; only a digit makes a year.
bool HoldsDigit(HWND edit)
{
    return fw::WindowText(edit).find_first_of(L"0123456789") != std::wstring::npos;
}

} // namespace

CHolidaysDlg::CHolidaysDlg() : fw::CDialog(IDD_HOLIDAYS), year(static_cast<int>(TDate().GetYear()))
{
}

int CHolidaysDlg::EffectiveYear(int typed)
{
    const long long full = typed <= 99 ? 1900LL + typed : typed;
    return full >= kFirstYear && full <= kLastYear ? static_cast<int>(full) : 0;
}

bool CHolidaysDlg::OnInit()
{
    const int current = static_cast<int>(TDate().GetYear());
    // A stored year outside the edit's limits would show one year in the edit and list
    // another: it gives way to the one before it.
    year = current;
    for (const wchar_t* key : {L"DlgHolidaysYearDefault", L"DlgHolidaysYearLast"}) {
        if (const int stored = EffectiveYear(GetIntSetting(key, year)))
            year = stored;
    }

    m_year.Attach(Hwnd(), IDC_HOLIDAYS_YEAR);
    m_year.SetMin(kFirstYear);
    m_year.SetMax(kLastYear);
    m_year.SetStartValue(current);
    m_year.SetValue(year);
    m_yearField.dialog = this;
    m_yearField.Attach(m_year.GetInnerEdit());
    m_yearSpin.dialog = this;
    m_yearSpin.button = true;
    m_yearSpin.Attach(m_year.GetSpinButton());

    m_list.Attach(Item(IDC_HOLIDAYS_LIST));
    InsertColumns();
    m_ready = true;
    Fill(year);
    SwitchToOwnerDrawing();
    return true;
}

void CHolidaysDlg::InsertColumns()
{
    m_list.InsertColumn(0, L"", LVCFMT_LEFT, 0);
    m_list.InsertColumn(1, L"", LVCFMT_LEFT, 100);
    m_list.InsertColumn(2, fw::LoadResString(IDS_HOLIDAYS_DATE), LVCFMT_RIGHT, 100);
    m_list.InsertColumn(3, fw::LoadResString(IDS_HOLIDAYS_NAME), LVCFMT_LEFT, 100);
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

void CHolidaysDlg::Fill(int full)
{
    HWND list = m_list.Hwnd();
    if (!list)
        return;
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    listedYear = full;
    wqv2_data::CHolidays* holidays = gData ? gData->Holidays : nullptr;
    if (holidays) {
        const TDate first(TDate::FromYMD(1, static_cast<unsigned>(full), 1));
        const TDate last(TDate::FromYMD(12, static_cast<unsigned>(full), 31));
        const int count = holidays->CountInRange(first, last);
        std::vector<wqv2_data::CHoliday*> found(count > 0 ? static_cast<size_t>(count) : 0);
        const int fetched = count > 0 ? holidays->GetInRange(found.data(), first, last) : 0;
        found.resize(fetched > 0 && fetched <= count ? static_cast<size_t>(fetched) : 0);
        for (wqv2_data::CHoliday* holiday : found)
            m_list.AppendRow({GetLocaleDayName(holiday->Date.GetWeekday(), true).substr(0, 20),
                              GetDateText(holiday->Date), holiday->Name ? holiday->Name : L""},
                             reinterpret_cast<LPARAM>(holiday));
    }
    m_list.SelectFirstRow();
    m_list.AutoSizeColumns();
    if (!GetFocus())
        SetFocus(list);
}

int CHolidaysDlg::TypedYear() const
{
    return HoldsDigit(m_year.GetInnerEdit()) ? EffectiveYear(m_year.GetRawValue()) : 0;
}

void CHolidaysDlg::YearChanged()
{
    if (!m_ready)
        return;
    // No year, or one the edit cannot hold, keeps the list, and the remembered year, as they
    // are, until leaving the field rewrites the text to one it can (and reports that as a change).
    const int full = TypedYear();
    if (!full || full == listedYear)
        return;
    year = full;
    Fill(full);
    if (GetBoolSetting(L"DlgHolidaysYearRemember", false))
        SetIntSetting(L"DlgHolidaysYearLast", full);
}

void CHolidaysDlg::WriteTypedYearInFull()
{
    if (m_year.GetRawValue() > 99)
        return;
    if (const int full = TypedYear())
        m_year.SetValue(full);
}

LRESULT CHolidaysDlg::CYearPart::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    // Ahead of the edit's own commit and step, which would limit 25, or 26, to 1800.
    const bool before = button ? msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK
                               : msg == WM_KILLFOCUS || (msg == WM_KEYDOWN && (wp == VK_UP || wp == VK_DOWN));
    if (dialog && before)
        dialog->WriteTypedYearInFull();
    return DefaultHandling(msg, wp, lp);
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
