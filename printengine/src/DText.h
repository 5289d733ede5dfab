#pragma once
// Text objects: simple text (lines at a point), boxed text (a rectangle with alignment, wrapping,
// clipping and ellipsis) and one line clipped to a rectangle. Line breaking is repeated on every
// draw, on the DC drawn into.

#include "DObject.h"
#include "Descriptors.h"

#include <string>

namespace rkpe {

struct TextBoxStyle {
    int alignment = 0;     // 0..8
    bool anchorTop = true; // overflowing text starts at the top; overlong lines go left
    bool wordWrap = false;
    bool ellipsis = false; // overlong lines end in "..."
    bool framed = false;   // filled with the brush, outlined with the pen, text inset
};

class DText : public DObjectOf<DText> {
public:
    // Simple form: one line per "\n" from (x, y) downwards.
    DText(CGDISet* cache, std::wstring text, const FontDesc& font, COLORREF colour, int x, int y);
    // Boxed form.
    DText(CGDISet* cache, std::wstring text, const FontDesc& font, COLORREF colour, PenRec pen,
        BrushRec brush, int x, int y, int w, int h, const TextBoxStyle& style);

    void Draw(const CDC& dc) const override;
    void Offset(int dx, int dy) override;

private:
    void DrawSimple(const CDC& dc) const;
    void DrawBoxed(const CDC& dc) const;

    bool m_boxed;
    std::wstring m_text;
    FontDesc m_font;
    PenRec m_pen;
    BrushRec m_brush;
    COLORREF m_colour;
    int m_x, m_y, m_w = 0, m_h = 0;
    TextBoxStyle m_style;
};

// Draws text boxed in (x, y, w, h) with the font already known; used by table cells too.
void DrawTextInBox(const CDC& dc, CGDISet& cache, const std::wstring& text, const FontDesc& font,
    COLORREF colour, const RECT& box, const TextBoxStyle& style, PenRec pen, BrushRec brush);

class DTextClipped : public DObjectOf<DTextClipped> {
public:
    DTextClipped(CGDISet* cache, std::wstring text, const FontDesc& font, COLORREF colour,
        const RECT& textRect, const RECT& clipRect, int alignment, bool clampLeft);

    void Draw(const CDC& dc) const override;
    void Offset(int dx, int dy) override;

private:
    std::wstring m_text;
    FontDesc m_font;
    COLORREF m_colour;
    RECT m_textRect;
    RECT m_clipRect;
    int m_alignment;
    bool m_clampLeft;
};

} // namespace rkpe
