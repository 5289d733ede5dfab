// Wrappers of the controls library's windows and the exchange helpers.
#include "RK2Controls.h"

CRK2Ctrl::~CRK2Ctrl()
{
    if (m_hwnd && IsWindow(m_hwnd) && GetDlgItem(m_dialog, m_id) == m_hwnd)
        DestroyWindow(m_hwnd);
}

bool CRK2Ctrl::Attach(HWND dialog, int id)
{
    m_dialog = dialog;
    m_id = id;
    m_hwnd = dialog ? GetDlgItem(dialog, id) : nullptr;
    return m_hwnd != nullptr;
}

LRESULT CRK2Ctrl::Send(UINT msg, WPARAM wp, LPARAM lp) const
{
    return m_hwnd ? SendMessageW(m_hwnd, msg, wp, lp) : 0;
}

CalendarSelection CRK2CalendarCtrl::GetSelection() const
{
    CalendarSelection selection{};
    Send(RKCC2M_CALENDAR_GETSELECTION, 0, reinterpret_cast<LPARAM>(&selection));
    return selection;
}

void CRK2CalendarCtrl::SetDayCallback(CalendarDayFn fn, void* context) const
{
    const CalendarDayCallback callback{fn, context};
    Send(RKCC2M_CALENDAR_SETDAYCALLBACK, 0, reinterpret_cast<LPARAM>(&callback));
}

int CRK2CheckListBoxCtrl::AddString(const std::wstring& text, bool checked) const
{
    return static_cast<int>(Send(RKCC2M_CHECKLISTBOX_ADDSTRING, checked, reinterpret_cast<LPARAM>(text.c_str())));
}

int CRK2CheckListBoxCtrl::GetCount() const
{
    HWND inner = GetInnerCtrl();
    return inner ? static_cast<int>(SendMessageW(inner, LB_GETCOUNT, 0, 0)) : 0;
}

LPARAM CRK2CheckListBoxCtrl::GetItemData(int index) const
{
    HWND inner = GetInnerCtrl();
    return inner ? SendMessageW(inner, LB_GETITEMDATA, static_cast<WPARAM>(index), 0) : 0;
}

void CRK2CheckListBoxCtrl::SetItemData(int index, LPARAM data) const
{
    if (HWND inner = GetInnerCtrl())
        SendMessageW(inner, LB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

int CRK2CheckListBoxCtrl::GetCheckedCount() const
{
    const int count = GetCount();
    int checked = 0;
    for (int i = 0; i < count; ++i) {
        const LRESULT state = Send(RKCC2M_CHECKLISTBOX_GETCHECK, static_cast<WPARAM>(i));
        if (state != 0 && state != -1)
            ++checked;
    }
    return checked;
}

int CRK2SortListBoxCtrl::AddString(const std::wstring& text) const
{
    return static_cast<int>(Send(RKCC2M_SORTLISTBOX_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void CRK2SortListBoxCtrl::SetCaption(const std::wstring& text) const
{
    Send(RKCC2M_SORTLISTBOX_SETCAPTION, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int CRK2CheckGroupCtrl::AddItem(const std::wstring& text) const
{
    return static_cast<int>(Send(RKCC2M_CHECKGROUP_ADDITEM, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void CRK2LongEditCtrl::SetValue(int value) const
{
    Send(RKCC2M_LONGEDIT_SETVALUE, 0, reinterpret_cast<LPARAM>(&value));
}

int CRK2LongEditCtrl::GetValue() const
{
    int value = 0;
    Send(RKCC2M_LONGEDIT_GETVALUE, 0, reinterpret_cast<LPARAM>(&value));
    return value;
}

void CRK2LongEditCtrl::SetMax(int value) const
{
    Send(RKCC2M_LONGEDIT_SETMAX, 0, reinterpret_cast<LPARAM>(&value));
}

void CRK2LongEditCtrl::SetMin(int value) const
{
    Send(RKCC2M_LONGEDIT_SETMIN, 0, reinterpret_cast<LPARAM>(&value));
}

void CRK2LongEditCtrl::SetStartValue(int value) const
{
    Send(RKCC2M_LONGEDIT_SETSTARTVALUE, 0, reinterpret_cast<LPARAM>(&value));
}

int CRK2LongEditCtrl::GetRawValue() const
{
    int value = 0;
    Send(RKCC2M_LONGEDIT_GETRAWVALUE, 0, reinterpret_cast<LPARAM>(&value));
    return value;
}

HWND CRK2LongEditCtrl::FrameChild(int id) const
{
    HWND frame = Hwnd() ? GetDlgItem(Hwnd(), 100) : nullptr;
    return frame ? GetDlgItem(frame, id) : nullptr;
}

void CRK2DoubleEditCtrl::SetValue(double value) const
{
    Send(RKCC2M_DOUBLEEDIT_SETVALUE, 0, reinterpret_cast<LPARAM>(&value));
}

double CRK2DoubleEditCtrl::GetValue() const
{
    double value = 0.0;
    Send(RKCC2M_DOUBLEEDIT_GETVALUE, 0, reinterpret_cast<LPARAM>(&value));
    return value;
}

void CRK2DoubleEditCtrl::SetMin(double value) const
{
    Send(RKCC2M_DOUBLEEDIT_SETMIN, 0, reinterpret_cast<LPARAM>(&value));
}

void CRK2DoubleEditCtrl::SetStep(double value) const
{
    Send(RKCC2M_DOUBLEEDIT_SETSTEP, 0, reinterpret_cast<LPARAM>(&value));
}

void CRK2DoubleEditCtrl::SetStartValue(double value) const
{
    Send(RKCC2M_DOUBLEEDIT_SETSTARTVALUE, 0, reinterpret_cast<LPARAM>(&value));
}

namespace {

bool SetPeriodLabel(const CRK2Ctrl& control, UINT msg, int side, const std::wstring& text, int a, int b)
{
    const RKCC2PeriodLabel label{text.c_str(), a, b};
    return control.Send(msg, reinterpret_cast<WPARAM>(&side), reinterpret_cast<LPARAM>(&label)) != -1;
}

} // namespace

bool CRK2TimePeriodCtrl::SetLabel(int side, const std::wstring& text, int a, int b) const
{
    return SetPeriodLabel(*this, RKCC2M_TIMEPERIOD_SETLABEL, side, text, a, b);
}

bool CRK2DatePeriodCtrl::SetLabel(int side, const std::wstring& text, int a, int b) const
{
    return SetPeriodLabel(*this, RKCC2M_DATEPERIOD_SETLABEL, side, text, a, b);
}

void DdxFontCombo(HWND dialog, int id, std::wstring& face, bool save)
{
    HWND control = GetDlgItem(dialog, id);
    HWND inner = control ? reinterpret_cast<HWND>(SendMessageW(control, RKCC2M_FONTCOMBO_GETINNERCTRL, 0, 0)) : nullptr;
    if (!inner)
        return;
    if (!save) {
        const LRESULT found =
            SendMessageW(inner, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(face.c_str()));
        SendMessageW(inner, CB_SETCURSEL, static_cast<WPARAM>(found >= 0 ? found : -1), 0);
        return;
    }
    const LRESULT selected = SendMessageW(inner, CB_GETCURSEL, 0, 0);
    if (selected < 0)
        return;
    const LRESULT length = SendMessageW(inner, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length < 0)
        return;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(inner, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    face = text;
}

void DdxTimePeriod(HWND dialog, int id, int side, TTime& time, bool save)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control)
        return;
    int minutes = 0;
    if (save) {
        minutes = -1;
        SendMessageW(control, RKCC2M_TIMEPERIOD_GETTIME, static_cast<WPARAM>(side), reinterpret_cast<LPARAM>(&minutes));
        if (minutes < 0) {
            time.minutes = 0;
            time.empty = true;
        } else {
            time.SetMinutes(minutes);
        }
        return;
    }
    minutes = time.empty ? -1 : time.minutes;
    SendMessageW(control, RKCC2M_TIMEPERIOD_SETTIME, static_cast<WPARAM>(side), reinterpret_cast<LPARAM>(&minutes));
}

void DdxDatePeriod(HWND dialog, int id, int side, TDate& date, bool save)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control)
        return;
    int day = static_cast<int>(static_cast<uint32_t>(date));
    SendMessageW(control, save ? RKCC2M_DATEPERIOD_GETDATE : RKCC2M_DATEPERIOD_SETDATE, static_cast<WPARAM>(side),
                 reinterpret_cast<LPARAM>(&day));
    if (save)
        date = TDate(static_cast<uint32_t>(day));
}

namespace {

// A number edit's value through its get and set messages, which take a pointer to the value.
template <class T>
void DdxNumberEdit(HWND dialog, int id, T& value, bool save, UINT getMsg, UINT setMsg)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control)
        return;
    T exchanged = value;
    SendMessageW(control, save ? getMsg : setMsg, 0, reinterpret_cast<LPARAM>(&exchanged));
    if (save)
        value = exchanged;
}

} // namespace

void DdxLongEdit(HWND dialog, int id, int& value, bool save)
{
    DdxNumberEdit(dialog, id, value, save, RKCC2M_LONGEDIT_GETVALUE, RKCC2M_LONGEDIT_SETVALUE);
}

void DdxDoubleEdit(HWND dialog, int id, double& value, bool save)
{
    DdxNumberEdit(dialog, id, value, save, RKCC2M_DOUBLEEDIT_GETVALUE, RKCC2M_DOUBLEEDIT_SETVALUE);
}

void DdxColorPicker(HWND dialog, int id, COLORREF& colour, bool save)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control)
        return;
    if (save)
        colour = static_cast<COLORREF>(SendMessageW(control, RKCC2M_COLORPICKER_GETCOLOR, 0, 0));
    else
        SendMessageW(control, RKCC2M_COLORPICKER_SETCOLOR, 0, static_cast<LPARAM>(colour));
}
