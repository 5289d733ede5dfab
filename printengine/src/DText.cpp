// Drawing of text objects.
//
// Lines are placed with ExtTextOut rather than DrawText: Wine's DrawText puts vertically centred
// and bottom-aligned lines as if y grew downwards, which is wrong in MM_LOMETRIC. The placement
// below is what DrawText does on Windows (single line, no prefix, clipped to the line's rectangle).
#include "DText.h"

#include "CGDISet.h"
#include "TextLayout.h"

#include <vector>

namespace rkpe {

namespace {

// Draws one line with each character advanced by what the attribute DC measured for it. The
// layout was measured there; left to itself, the output device would space the glyphs by its own
// metrics (a printer driver at its resolution, the screen in a preview), so a right-aligned or
// centred line would end elsewhere than measured and lose its last glyph to the clip.
void DrawMeasuredLine(const CDC& dc, GdiTextMeasurer& measurer, int x, int y, const RECT* clip,
    const std::wstring& line)
{
    std::vector<int> prefix;
    measurer.PrefixExtents(line, prefix);
    std::vector<INT> advances(prefix.size());
    int previous = 0;
    for (size_t i = 0; i < prefix.size(); ++i) {
        advances[i] = prefix[i] - previous;
        previous = prefix[i];
    }
    ExtTextOutW(dc.output, x, y, clip ? ETO_CLIPPED : 0, clip, line.data(), static_cast<UINT>(line.size()),
        advances.data());
}

} // namespace

DText::DText(CGDISet* cache, std::wstring text, const FontDesc& font, COLORREF colour, int x, int y)
    : DObjectOf(cache), m_boxed(false), m_text(std::move(text)), m_font(font), m_colour(colour), m_x(x), m_y(y)
{
}

DText::DText(CGDISet* cache, std::wstring text, const FontDesc& font, COLORREF colour, PenRec pen,
    BrushRec brush, int x, int y, int w, int h, const TextBoxStyle& style)
    : DObjectOf(cache)
    , m_boxed(true)
    , m_text(std::move(text))
    , m_font(font)
    , m_pen(pen)
    , m_brush(brush)
    , m_colour(colour)
    , m_x(x)
    , m_y(y)
    , m_w(w)
    , m_h(h)
    , m_style(style)
{
}

void DText::Draw(const CDC& dc) const
{
    if (m_boxed)
        DrawBoxed(dc);
    else
        DrawSimple(dc);
}

void DText::DrawSimple(const CDC& dc) const
{
    HFONT gdiFont = m_cache->GetFont(m_font, dc);
    ScopedSelect font(dc, gdiFont);
    ScopedTextState state(dc.output, m_colour);
    GdiTextMeasurer measurer(dc.attrib, gdiFont, dc.metrics);
    const int lineHeight = measurer.LineHeight();
    std::wstring clean(m_text);
    std::erase(clean, L'\r');
    int y = m_y;
    for (const std::wstring& line : SplitPieces(clean, L'\n')) {
        if (!line.empty())
            DrawMeasuredLine(dc, measurer, m_x, y, nullptr, line);
        y -= lineHeight;
    }
}

void DText::DrawBoxed(const CDC& dc) const
{
    const RECT box{m_x, m_y, m_x + m_w, m_y - m_h};
    DrawTextInBox(dc, *m_cache, m_text, m_font, m_colour, box, m_style, m_pen, m_brush);
}

void DrawTextInBox(const CDC& dc, CGDISet& cache, const std::wstring& text, const FontDesc& font,
    COLORREF colour, const RECT& box, const TextBoxStyle& style, PenRec pen, BrushRec brush)
{
    HFONT gdiFont = cache.GetFont(font, dc);
    ScopedSelect selFont(dc, gdiFont);
    ScopedTextState state(dc.output, colour);
    RECT inner = box;
    if (style.framed) {
        const int inset = pen.width / 2;
        inner = RECT{box.left + inset, box.top - inset, box.right - inset, box.bottom + inset};
    }
    GdiTextMeasurer measurer(dc.attrib, gdiFont, dc.metrics);
    const auto lines = BreakLines(text, inner.right - inner.left, style.wordWrap, measurer);
    if (style.framed) {
        HBRUSH fill = cache.GetBrush(brush);
        if (pen.width > 0) {
            ScopedSelect selPen(dc.output, cache.GetPen(pen));
            ScopedSelect selBrush(dc.output, fill);
            Rectangle(dc.output, box.left, box.top, box.right, box.bottom);
        } else if (fill) {
            FillRect(dc.output, &box, fill);
        }
    }
    TextBoxSpec spec;
    spec.inner = inner;
    spec.alignment = style.alignment;
    spec.anchorTop = style.anchorTop;
    spec.ellipsis = style.ellipsis;
    for (const PlacedLine& line : PlaceTextBox(lines, spec, measurer)) {
        if (line.text.empty())
            continue;
        DrawMeasuredLine(dc, measurer, line.x, line.y, &line.clip, line.text);
    }
}

void DText::Offset(int dx, int dy)
{
    m_x += dx;
    m_y += dy;
}

DTextClipped::DTextClipped(CGDISet* cache, std::wstring text, const FontDesc& font, COLORREF colour,
    const RECT& textRect, const RECT& clipRect, int alignment, bool clampLeft)
    : DObjectOf(cache)
    , m_text(std::move(text))
    , m_font(font)
    , m_colour(colour)
    , m_textRect(textRect)
    , m_clipRect(clipRect)
    , m_alignment(alignment)
    , m_clampLeft(clampLeft)
{
}

void DTextClipped::Draw(const CDC& dc) const
{
    if (m_text.empty())
        return;
    HFONT gdiFont = m_cache->GetFont(m_font, dc);
    ScopedSelect font(dc, gdiFont);
    ScopedTextState state(dc.output, m_colour);
    SIZE size{};
    GetTextExtentPoint32W(dc.attrib, m_text.data(), static_cast<int>(m_text.size()), &size);
    const POINT at = PlaceClippedLine(m_textRect, m_alignment, m_clampLeft, size.cx, size.cy);
    GdiTextMeasurer measurer(dc.attrib, gdiFont, dc.metrics);
    DrawMeasuredLine(dc, measurer, at.x, at.y, &m_clipRect, m_text);
}

void DTextClipped::Offset(int dx, int dy)
{
    OffsetRect(&m_textRect, dx, dy);
    OffsetRect(&m_clipRect, dx, dy);
}

} // namespace rkpe
