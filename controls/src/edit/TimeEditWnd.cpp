// Time frame: locale-aware parsing, the library's or the locale's format, wrapping steps.
#include "edit/TimeEditWnd.h"

#include "Library.h"
#include "edit/ValueText.h"

namespace rkcc {

CTimeEditWnd::CTimeEditWnd()
{
    // Limits start as the time of construction, both switched off.
    m_emptyValue = TTime(720);
    m_step = TTime(15);
}

void CTimeEditWnd::ReadValue(TTime& value) const
{
    const std::wstring text = GetText();
    if (!ReadShown(text, value))
        value = valuetext::ReadTime(text, Settings().timeFormat, Held());
}

void CTimeEditWnd::WriteValue(const TTime& value)
{
    // The edit's own change notification reports a new text.
    Show(value, valuetext::WriteTime(value, Settings().timeFormat));
}

void CTimeEditWnd::Step(TTime& value, bool up) const
{
    value = valuetext::StepTime(value, m_step.minutes, up);
}

bool CTimeEditWnd::KeepsOrder(const TTime&, const TTime& later) const
{
    return later.minutes != 0;
}

void CTimeEditWnd::SetTimeMinutes(int minutes)
{
    TTime value(0);
    if (minutes < 0)
        value.empty = true;
    else
        value.SetMinutes(valuetext::NormaliseMinutes(minutes));
    WriteValue(value);
}

int CTimeEditWnd::GetRawTimeMinutes() const
{
    TTime value(0);
    ReadValue(value);
    return value.empty || IsTextEmpty() ? -1 : value.minutes;
}

int CTimeEditWnd::GetTimeMinutes() const
{
    if (IsTextEmpty() && AllowsEmpty())
        return -1;
    const TTime value = ValueToReport();
    return value.empty ? -1 : value.minutes;
}

void CTimeEditWnd::SetLimitMinutes(bool maximum, int minutes)
{
    TTime limit(valuetext::NormaliseMinutes(minutes < 0 ? 0 : minutes));
    if (maximum)
        SetMaximum(limit, minutes >= 0);
    else
        SetMinimum(limit, minutes >= 0);
    Relimit();
}

int CTimeEditWnd::GetLimitMinutes(bool maximum) const
{
    if (maximum)
        return HasMaximum() ? m_max.minutes : -1;
    return HasMinimum() ? m_min.minutes : -1;
}

void CTimeEditWnd::SetStepMinutes(long long minutes)
{
    m_step.SetMinutes(valuetext::NormaliseMinutes(minutes));
}

} // namespace rkcc
