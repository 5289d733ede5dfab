// Number edit wrappers.
#include "pages/NumberEditCtrls.h"

namespace {

template <class T>
void SendValue(HWND window, UINT message, T value)
{
    if (window)
        SendMessageW(window, message, 0, reinterpret_cast<LPARAM>(&value));
}

template <class T>
T ReadValue(HWND window, UINT message, T fallback)
{
    T value = fallback;
    if (window)
        SendMessageW(window, message, 0, reinterpret_cast<LPARAM>(&value));
    return value;
}

} // namespace

void CRK2LongEditCtrl::SetValue(int value) const
{
    SendValue(m_hwnd, RKCC2M_LONGEDIT_SETVALUE, value);
}

int CRK2LongEditCtrl::GetValue(int fallback) const
{
    return ReadValue(m_hwnd, RKCC2M_LONGEDIT_GETVALUE, fallback);
}

void CRK2LongEditCtrl::SetRange(int minimum, int maximum) const
{
    SendValue(m_hwnd, RKCC2M_LONGEDIT_SETMIN, minimum);
    SendValue(m_hwnd, RKCC2M_LONGEDIT_SETMAX, maximum);
}

void CRK2LongEditCtrl::SetStep(int step) const
{
    SendValue(m_hwnd, RKCC2M_LONGEDIT_SETSTEP, step);
}

void CRK2LongEditCtrl::SetStartValue(int value) const
{
    SendValue(m_hwnd, RKCC2M_LONGEDIT_SETSTARTVALUE, value);
}

void CRK2DoubleEditCtrl::SetValue(double value) const
{
    SendValue(m_hwnd, RKCC2M_DOUBLEEDIT_SETVALUE, value);
}

double CRK2DoubleEditCtrl::GetValue(double fallback) const
{
    return ReadValue(m_hwnd, RKCC2M_DOUBLEEDIT_GETVALUE, fallback);
}

void CRK2DoubleEditCtrl::SetRange(double minimum, double maximum) const
{
    SendValue(m_hwnd, RKCC2M_DOUBLEEDIT_SETMIN, minimum);
    SendValue(m_hwnd, RKCC2M_DOUBLEEDIT_SETMAX, maximum);
}

void CRK2DoubleEditCtrl::SetStep(double step) const
{
    SendValue(m_hwnd, RKCC2M_DOUBLEEDIT_SETSTEP, step);
}

void CRK2DoubleEditCtrl::SetStartValue(double value) const
{
    SendValue(m_hwnd, RKCC2M_DOUBLEEDIT_SETSTARTVALUE, value);
}
