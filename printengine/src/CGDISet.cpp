// Get-or-create of fonts, pens and brushes.
#include "CGDISet.h"

#include <cstdlib>
#include <cwchar>

namespace rkpe {

CGDISet::~CGDISet()
{
    Clear();
}

LONG FontHeight(const FontDesc& desc, HDC attrib)
{
    if (desc.size < 0)
        return -desc.size; // positive lfHeight: a cell height in logical units
    // Tenths of a point to device pixels, then to logical units (measured from the origin, so
    // any viewport offset cancels out).
    POINT pt{0, GetDeviceCaps(attrib, LOGPIXELSY) * desc.size / 720};
    POINT origin{0, 0};
    DPtoLP(attrib, &pt, 1);
    DPtoLP(attrib, &origin, 1);
    return -std::labs(pt.y - origin.y);
}

HFONT CGDISet::GetFont(const FontDesc& desc, const CDC& dc)
{
    auto it = m_fonts.find(desc);
    if (it != m_fonts.end())
        return it->second;
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = FontHeight(desc, dc.attrib ? dc.attrib : dc.output);
    lf.lfWeight = desc.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = desc.italic ? 1 : 0;
    lf.lfStrikeOut = desc.strikeOut ? 1 : 0;
    lf.lfUnderline = desc.underline ? 1 : 0;
    std::wmemcpy(lf.lfFaceName, desc.faceName, 32);
    lf.lfFaceName[31] = L'\0';
    HFONT font = CreateFontIndirectW(&lf);
    m_fonts.emplace(desc, font);
    return font;
}

HPEN CGDISet::GetPen(const PenRec& pen)
{
    auto it = m_pens.find(pen);
    if (it != m_pens.end())
        return it->second;
    HPEN made = CreatePen(PS_SOLID, pen.width, pen.colour);
    m_pens.emplace(pen, made);
    return made;
}

HBRUSH CGDISet::GetBrush(const BrushRec& brush)
{
    auto it = m_brushes.find(brush);
    if (it != m_brushes.end())
        return it->second;
    HBRUSH made = brush.hatch == 0 ? CreateSolidBrush(brush.colour)
                                   : CreateHatchBrush(brush.hatch - 1, brush.colour);
    m_brushes.emplace(brush, made);
    return made;
}

int CGDISet::AddPicture(const void* packedDib)
{
    m_pictures.push_back(packedDib);
    return static_cast<int>(m_pictures.size()) - 1;
}

const void* CGDISet::GetPicture(int id) const
{
    if (id < 0 || static_cast<size_t>(id) >= m_pictures.size())
        return nullptr;
    return m_pictures[static_cast<size_t>(id)];
}

void CGDISet::Clear()
{
    for (auto& f : m_fonts)
        if (f.second)
            DeleteObject(f.second);
    for (auto& p : m_pens)
        if (p.second)
            DeleteObject(p.second);
    for (auto& b : m_brushes)
        if (b.second)
            DeleteObject(b.second);
    m_fonts.clear();
    m_pens.clear();
    m_brushes.clear();
}

} // namespace rkpe
