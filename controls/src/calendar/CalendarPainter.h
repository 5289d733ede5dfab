#pragma once
// Paints the month calendar's blocks into a device context from the model and the geometry.

#include "base/Gdi.h"
#include "calendar/CalendarLayout.h"

#include <array>

namespace rkcc {

// The eight fonts of one layout, made from one base description.
struct CalendarFonts {
    enum Index { kBase, kBold, kStrike, kBoldStrike, kUnderline, kBoldUnderline, kYear, kBoldYear, kCount };
    std::array<CFontHandle, kCount> fonts;
    // The font of a cell: style 0 plain, 1 strike-out, 2 underline; any other style the base font.
    HFONT ForStyle(int style, bool bold) const;
    void Make(const LOGFONTW& base, int yearPercent);
};

class CCalendarPainter {
public:
    CCalendarPainter(const CCalendarModel& model, const CalendarGeometry& geometry, const CalendarFonts& fonts,
                     bool enabled, bool focused)
        : m_model(model), m_g(geometry), m_fonts(fonts), m_enabled(enabled), m_focused(focused)
    {
    }

    // Paints every block that meets `clip`; remembers the focus rectangle to draw after the copy.
    void Paint(HDC dc, const RECT& client, const RECT& clip);
    bool HasFocusRect() const { return m_hasFocusRect; }
    const RECT& FocusRect() const { return m_focusRect; }

private:
    COLORREF Color(int index) const;
    void PaintYearBand(HDC dc, const CalendarBlock& b);
    void PaintCaption(HDC dc, const CalendarBlock& b);
    void PaintStrip(HDC dc, const CalendarBlock& b);
    void PaintHeader(HDC dc, const CalendarBlock& b);
    void PaintGrid(HDC dc, const CalendarBlock& b);
    void PaintButtons(HDC dc, const CalendarBlock& b);
    void PaintCell(HDC dc, const RECT& cell, int style, bool bold, COLORREF text, COLORREF back, int hatch,
                   COLORREF hatchColor, const wchar_t* label);
    void HLine(HDC dc, int x0, int x1, int y, COLORREF color);
    void VLine(HDC dc, int x, int y0, int y1, COLORREF color);

    const CCalendarModel& m_model;
    const CalendarGeometry& m_g;
    const CalendarFonts& m_fonts;
    bool m_enabled;
    bool m_focused;
    bool m_hasFocusRect = false;
    RECT m_focusRect{};
};

// One line of text by the calendar's rule: vertically centred; centred when it fits, else
// left-aligned and clipped.
void DrawCalendarText(HDC dc, std::wstring_view text, const RECT& rect);

} // namespace rkcc
