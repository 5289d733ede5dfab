#pragma once
// Pen, brush and font records: what a drawing object copies from the engine when it is made, and
// the keys of the GDI cache. Plain values, compared by value.

#include <windows.h>

namespace rkpe {

struct PenRec {
    int width = 0; // 0.1 mm; 0: no line
    COLORREF colour = 0;
};

struct BrushRec {
    COLORREF colour = 0xFFFFFF;
    int hatch = 0; // 0 solid, n > 0 hatch style n - 1
};

struct FontDesc {
    wchar_t faceName[32] = L"Arial";
    short size = 120; // tenths of a point; negative: absolute cell height in 0.1 mm
    BYTE bold = 0;
    BYTE italic = 0;
    BYTE strikeOut = 0;
    BYTE underline = 0;
};

// Copies at most 31 characters of a face field that its writer may have left unterminated.
void CopyFaceName(wchar_t (&dst)[32], const wchar_t (&src)[32]);

// Cache order: fonts by face, size, bold, italic, strike-out, underline; pens by width then
// colour; brushes by colour then hatch.
struct FontLess {
    bool operator()(const FontDesc& a, const FontDesc& b) const;
};
struct PenLess {
    bool operator()(const PenRec& a, const PenRec& b) const;
};
struct BrushLess {
    bool operator()(const BrushRec& a, const BrushRec& b) const;
};

} // namespace rkpe
