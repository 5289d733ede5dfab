// Whole-number and decimal frames: the numbers' text rules on the typed edit engine.
#include "edit/NumberEditWnd.h"

#include "edit/ValueText.h"

#include <climits>
#include <cmath>

namespace rkcc {

CLongEditWnd::CLongEditWnd()
{
    m_step = 1;
    m_emptyValue = 0;
    m_max = LONG_MAX;
    m_min = LONG_MIN;
}

void CLongEditWnd::ReadValue(long& value) const
{
    value = valuetext::ReadLong(GetText());
}

void CLongEditWnd::WriteValue(const long& value)
{
    // The edit's own change notification reports the new text.
    SetText(valuetext::WriteLong(value));
}

void CLongEditWnd::Step(long& value, bool up) const
{
    value = valuetext::StepLong(value, m_step, up);
}

bool CLongEditWnd::IsCharAllowed(wchar_t c) const
{
    return valuetext::IsLongChar(c);
}

CDoubleEditWnd::CDoubleEditWnd() : m_separator(valuetext::DecimalSeparator())
{
    m_step = 0.1;
    m_emptyValue = 0;
    m_max = 1.7e308;
    m_min = -1.7e308;
}

void CDoubleEditWnd::ReadValue(double& value) const
{
    value = valuetext::ReadDouble(GetText(), m_separator);
}

void CDoubleEditWnd::WriteValue(const double& value)
{
    SetText(valuetext::WriteDouble(value, m_separator));
}

void CDoubleEditWnd::Step(double& value, bool up) const
{
    const double next = up ? value + m_step : value - m_step;
    if (std::isfinite(next))
        value = next;
}

bool CDoubleEditWnd::IsCharAllowed(wchar_t c) const
{
    return valuetext::IsDoubleChar(c, m_separator);
}

} // namespace rkcc
