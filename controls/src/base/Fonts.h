#pragma once
// Fonts of the controls: each control keeps its own copy of its dialog's font, so a dialog may
// delete or change its font while the control lives.

#include "base/Gdi.h"

#include <windows.h>

namespace rkcc {

// The font the window's dialog uses (WM_GETFONT), or the stock GUI font when it has none.
// Borrowed: not to be deleted.
HFONT FontOf(HWND dialog);

// A new font made from the description of `source`; weight > 0 replaces the weight, underline
// >= 0 sets or clears the underline.
CFontHandle CopyFont(HFONT source, LONG weight = 0, int underline = -1);
LOGFONTW FontDescription(HFONT font);

// Horizontal and vertical dialog base units of a font (as MapDialogRect computes them).
SIZE DialogBaseUnits(HFONT font);

// Height and external leading of a font.
TEXTMETRICW FontMetrics(HFONT font);

} // namespace rkcc
