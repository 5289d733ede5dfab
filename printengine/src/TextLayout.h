#pragma once
// Line breaking and line placement shared by drawing and measuring, so that what a measure
// reports is what a draw shows. Works through a TextMeasurer, so it runs without a DC in tests.

#include "CDC.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace rkpe {

// Widths of text in the font currently chosen, in logical units.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int Extent(std::wstring_view text) = 0;
    // prefix[i] = width of the first i + 1 characters.
    virtual void PrefixExtents(std::wstring_view text, std::vector<int>& prefix) = 0;
    virtual int TextHeight() = 0; // character cell height
    virtual int LineHeight() = 0; // cell height plus external leading
};

// Measures on an attribute DC with the font already selected. With a metrics cache the font's
// metrics are read once per cache.
class GdiTextMeasurer : public TextMeasurer {
public:
    explicit GdiTextMeasurer(HDC attrib, HFONT font = nullptr, MetricsCache* metrics = nullptr);
    int Extent(std::wstring_view text) override;
    void PrefixExtents(std::wstring_view text, std::vector<int>& prefix) override;
    int TextHeight() override;
    int LineHeight() override;

private:
    void LoadMetrics();
    HDC m_dc;
    HFONT m_font;
    MetricsCache* m_cache; // not owned
    bool m_haveMetrics = false;
    TEXTMETRICW m_metrics{};
};

// Pieces between single separators: two separators in a row give an empty piece, one at the
// very end gives none, and an empty text gives one empty piece.
std::vector<std::wstring> SplitPieces(std::wstring_view text, wchar_t separator);

struct MeasuredLine {
    std::wstring text;
    int width = 0;
};

// Lines at "\n" (carriage returns dropped); with wordWrap and width > 0 each line wider than
// width is broken after the last word that fits, or inside a word wider than the whole width.
std::vector<MeasuredLine> BreakLines(std::wstring_view text, int width, bool wordWrap, TextMeasurer& m);

// Where one line of a text box goes: drawn at (x, y) (top-left of the text) and cut to clip.
struct PlacedLine {
    std::wstring text;
    int x = 0;
    int y = 0;
    RECT clip{};
};

struct TextBoxSpec {
    RECT inner{};      // logical, top above bottom (MM_LOMETRIC)
    int alignment = 0; // 0..8
    bool anchorTop = true;
    bool ellipsis = false;
};

// Lines of a box in drawing order; lines entirely outside the box are left out.
std::vector<PlacedLine> PlaceTextBox(const std::vector<MeasuredLine>& lines, const TextBoxSpec& spec,
    TextMeasurer& m);

// The longest start of a line that fits into width together with "...", followed by "...".
std::wstring ShortenWithEllipsis(std::wstring_view line, int width, TextMeasurer& m);

// Reference point of one clipped line aligned in a rectangle (vertically always centred).
POINT PlaceClippedLine(const RECT& textRect, int alignment, bool clampLeft, int cx, int cy);

} // namespace rkpe
