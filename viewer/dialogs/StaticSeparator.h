#pragma once
// CStaticSeparator: a static control of a dialog template drawn as an etched line, horizontal
// with its text beside it (left, centred between two lines, or right, by SS_CENTER and
// SS_RIGHT), or vertical without text when the control is taller than wide. The dialog
// subclasses its control (Attach).

#include "fw/Subclass.h"

#include <windows.h>

class CStaticSeparator : public fw::CSubclassedWindow {
public:
    // Draws the separator into `dc` (WM_PAINT and WM_PRINTCLIENT come here).
    void Paint(HDC dc);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

// A rectangle outline of a 3-D edge: top and left in `topLeft`, bottom and right in
// `bottomRight`; nothing for a width or height below 1.
void Draw3dRect(HDC dc, int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
