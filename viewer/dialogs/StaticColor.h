#pragma once
// CStaticColor: a static control of a dialog template shown as a colour swatch: a rectangle
// filled with the fill colour inside a one-pixel frame, with the control's text on top. The
// dialog subclasses its control (Attach); the brush and the pen belong to this object.

#include "fw/Gdi.h"
#include "fw/Subclass.h"

#include <windows.h>

class CStaticColor : public fw::CSubclassedWindow {
public:
    CStaticColor();

    // Each remembers the colour, makes a new brush (pen) of it and repaints the swatch.
    void SetFillColor(COLORREF color);
    void SetFrameColor(COLORREF color);
    COLORREF FillColor() const { return m_fillColor; }
    COLORREF FrameColor() const { return m_frameColor; }

    // Draws the swatch into `dc` (WM_PAINT and WM_PRINTCLIENT come here).
    void Paint(HDC dc);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    COLORREF m_fillColor = RGB(255, 0, 0);
    COLORREF m_frameColor;
    fw::CGdiObject<HBRUSH> m_brush;
    fw::CGdiObject<HPEN> m_pen;
};
