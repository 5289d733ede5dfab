// Drawing a table cell.
#include "DTableCell.h"

#include "CGDISet.h"
#include "DText.h"

namespace rkpe {

DTableCell::DTableCell(CGDISet* cache, const CellStyle& style)
    : DObjectOf(cache), m_style(style)
{
}

POINT DTableCell::ContentOrigin() const
{
    return POINT{m_x + m_style.borders[kLeft].width / 2 + m_style.padding[kLeft],
        m_y - m_style.spaceAbove - m_style.borders[kTop].width / 2 - m_style.padding[kTop]};
}

int DTableCell::CellHeight() const
{
    return m_style.FrameHeight() + m_textHeight;
}

void DTableCell::Draw(const CDC& dc) const
{
    const CellStyle& s = m_style;
    const int lb = s.borders[kLeft].width / 2;
    const int tb = s.borders[kTop].width / 2;
    const int rb = s.borders[kRight].width / 2;
    const int bb = s.borders[kBottom].width / 2;

    if (s.fill) {
        if (HBRUSH brush = m_cache->GetBrush(s.fillBrush)) {
            const RECT r{m_x + lb, m_y - tb - s.spaceAbove, m_x + s.width - rb + 1,
                m_y - m_rowHeight + bb + s.spaceBelow - 1};
            FillRect(dc.output, &r, brush);
        }
    }
    if (!s.customContent) {
        const int left = m_x + lb + s.padding[kLeft];
        const int top = m_y - tb - s.padding[kTop] - s.spaceAbove;
        const int height = m_rowHeight - tb - bb - s.spaceAbove - s.spaceBelow - s.padding[kTop] - s.padding[kBottom];
        const RECT box{left, top, left + s.TextWidth(), top - height};
        TextBoxStyle style;
        style.alignment = s.alignment;
        style.anchorTop = true;
        style.wordWrap = s.wordWrap;
        style.ellipsis = s.ellipsis;
        DrawTextInBox(dc, *m_cache, s.text, s.font, s.textColour, box, style, PenRec{}, BrushRec{});
    }
    const int top = m_y - s.spaceAbove;
    const int bottom = m_y - m_rowHeight + s.spaceBelow;
    const int right = m_x + s.width;
    const struct {
        int side;
        POINT from, to;
    } edges[] = {
        {kLeft, {m_x, top}, {m_x, bottom}},
        {kTop, {m_x, top}, {right, top}},
        {kRight, {right, top}, {right, bottom}},
        {kBottom, {m_x, bottom}, {right, bottom}},
    };
    // Borders usually share one pen: select it once, not once a line.
    HGDIOBJ previous = nullptr;
    HPEN selected = nullptr;
    for (const auto& e : edges) {
        const PenRec& pen = s.borders[e.side];
        if (pen.width == 0)
            continue;
        HPEN gdiPen = m_cache->GetPen(pen);
        if (gdiPen != selected) {
            HGDIOBJ old = SelectObject(dc.output, gdiPen);
            if (!previous)
                previous = old;
            selected = gdiPen;
        }
        MoveToEx(dc.output, e.from.x, e.from.y, nullptr);
        LineTo(dc.output, e.to.x, e.to.y);
    }
    if (previous)
        SelectObject(dc.output, previous);
}

void DTableCell::Offset(int dx, int dy)
{
    m_x += dx;
    m_y += dy;
}

} // namespace rkpe
