// Date frame: parsing and formatting through the date module, limits, and the drop-down.
#include "edit/DateEditWnd.h"

#include "ControlsRes.h"
#include "Library.h"
#include "edit/CalendarDlg.h"
#include "edit/ValueText.h"

namespace rkcc {

bool IsUsableDay(int day)
{
    return day == static_cast<int>(TDate::kEmpty) ||
           (day >= static_cast<int>(TDate::kFirstDay) && day <= static_cast<int>(TDate::kLastDay));
}

CDateEditWnd::CDateEditWnd() : m_separator(valuetext::DateSeparator())
{
    // Limits, empty value and step all start as today; the limits switched off.
    UseLibraryDropDown(IDB_DATEEDIT_DROPDOWN, 22);
    if (const uint32_t minimum = Settings().stdMinDate) {
        m_min = TDate(minimum);
        m_hasMin = true;
    }
}

void CDateEditWnd::ReadValue(TDate& value) const
{
    const std::wstring text = GetText();
    if (!ReadShown(text, value))
        value = valuetext::ReadDate(text, Settings().dateFormat, Held());
}

void CDateEditWnd::WriteValue(const TDate& value)
{
    // The edit's own change notification reports a new text.
    Show(value, valuetext::WriteDate(value, Settings().dateFormat));
}

void CDateEditWnd::Step(TDate& value, bool up) const
{
    value = valuetext::StepDate(value, up);
}

void CDateEditWnd::ReplaceInvalid(TDate& value) const
{
    if (value == TDate::kInvalid)
        value = m_emptyValue;
}

bool CDateEditWnd::IsCharAllowed(wchar_t c) const
{
    return valuetext::IsDateChar(c, m_separator);
}

LRESULT CDateEditWnd::SetDateMsg(const int* date)
{
    if (!date || !IsUsableDay(*date))
        return -1;
    WriteValue(TDate(static_cast<uint32_t>(*date)));
    return 1;
}

LRESULT CDateEditWnd::GetDateMsg(int* date, bool committed)
{
    if (!date)
        return -1;
    TDate value;
    if (committed)
        value = ValueToReport();
    else
        ReadValue(value);
    *date = static_cast<int>(static_cast<uint32_t>(value));
    return 1;
}

LRESULT CDateEditWnd::SetLimitMsg(bool maximum, const int* date)
{
    if (!date || !IsUsableDay(*date))
        return -1;
    const TDate limit(static_cast<uint32_t>(*date));
    if (maximum)
        SetMaximum(limit, limit != TDate::kEmpty);
    else
        SetMinimum(limit, limit != TDate::kEmpty);
    Relimit();
    return 1;
}

LRESULT CDateEditWnd::GetLimitMsg(bool maximum, int* date) const
{
    if (!date)
        return -1;
    *date = static_cast<int>(static_cast<uint32_t>(maximum ? m_max : m_min));
    return 1;
}

POINT CDateEditWnd::DropDownOrigin() const
{
    RECT rc{};
    GetWindowRect(Hwnd(), &rc);
    return {rc.left, rc.bottom};
}

void CDateEditWnd::DropDown()
{
    TDate value;
    ReadValue(value);
    if (!value.IsReal())
        value = TDate();
    CCalendarDlg dialog;
    const POINT origin = DropDownOrigin();
    dialog.x = origin.x;
    dialog.y = origin.y;
    dialog.chosen = value;
    dialog.showWeekNumbers = Settings().showWeekNumbers != 0;
    dialog.periodAllowed = StartEdit() || EndEdit();
    if (dialog.Run(Hwnd()) == IDOK) {
        if (dialog.periodChosen) {
            TDate start = dialog.periodStart;
            TDate end = dialog.periodEnd;
            for (TDate* d : {&start, &end}) {
                if (m_hasMin && *d < m_min)
                    *d = m_min;
                if (m_hasMax && *d > m_max)
                    *d = m_max;
            }
            if (StartEdit())
                SendMessageW(StartEdit()->Hwnd(), RKCC2M_EDIT_SETVALUE, 0, reinterpret_cast<LPARAM>(&start));
            if (EndEdit())
                SendMessageW(EndEdit()->Hwnd(), RKCC2M_EDIT_SETVALUE, 0, reinterpret_cast<LPARAM>(&end));
        } else {
            WriteValue(Limit(dialog.chosen));
        }
    }
    if (Hwnd()) {
        SetFocus(Hwnd());
        const auto length = static_cast<WPARAM>(GetWindowTextLengthW(EditHwnd()));
        SendMessageW(EditHwnd(), EM_SETSEL, length, static_cast<LPARAM>(length));
        SendMessageW(EditHwnd(), EM_SCROLLCARET, 0, 0);
    }
}

} // namespace rkcc
