// Selection guards for the device-context pair.
#include "CDC.h"

namespace rkpe {

ScopedSelect::ScopedSelect(const CDC& dc, HGDIOBJ object)
    : m_dc(dc)
{
    if (!object)
        return;
    if (dc.output)
        m_oldOutput = SelectObject(dc.output, object);
    if (dc.attrib && dc.attrib != dc.output)
        m_oldAttrib = SelectObject(dc.attrib, object);
}

ScopedSelect::~ScopedSelect()
{
    if (m_oldOutput)
        SelectObject(m_dc.output, m_oldOutput);
    if (m_oldAttrib)
        SelectObject(m_dc.attrib, m_oldAttrib);
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
