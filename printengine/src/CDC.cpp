// Selection guards for the device-context pair.
#include "CDC.h"

namespace rkpe {

ScopedSelect::ScopedSelect(const CDC& dc, HGDIOBJ object)
    : m_output(dc.output), m_attrib(dc.attrib != dc.output ? dc.attrib : nullptr)
{
    if (!object)
        return;
    if (m_output)
        m_oldOutput = SelectObject(m_output, object);
    if (m_attrib)
        m_oldAttrib = SelectObject(m_attrib, object);
}

ScopedSelect::ScopedSelect(HDC output, HGDIOBJ object)
    : m_output(output)
{
    if (object && m_output)
        m_oldOutput = SelectObject(m_output, object);
}

ScopedSelect::~ScopedSelect()
{
    if (m_oldOutput)
        SelectObject(m_output, m_oldOutput);
    if (m_oldAttrib)
        SelectObject(m_attrib, m_oldAttrib);
}

ScopedTextState::ScopedTextState(HDC dc, COLORREF colour)
    : m_dc(dc)
    , m_oldColour(SetTextColor(dc, colour))
    , m_oldMode(SetBkMode(dc, TRANSPARENT))
    , m_oldAlign(SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP))
{
}

ScopedTextState::~ScopedTextState()
{
    SetTextAlign(m_dc, m_oldAlign);
    SetBkMode(m_dc, m_oldMode);
    SetTextColor(m_dc, m_oldColour);
}

} // namespace rkpe
