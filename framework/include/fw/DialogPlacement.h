#pragma once
// Where a top-level dialog appears when its own initialisation did not place it: centred on its
// owner, or on the work area of the owner's monitor when there is no visible owner, and kept
// inside that work area.

#include <windows.h>

namespace fw {

// The rectangle (screen coordinates) a dialog of `size` takes when centred on `owner` (its window
// rectangle), or on `workArea` when there is no owner rectangle, clamped into `workArea` so that
// its top-left corner (caption and system menu) always stays visible.
RECT CenteredDialogRect(SIZE size, const RECT* owner, const RECT& workArea);

// Moves `dialog` to CenteredDialogRect on its owner window (the owner's top-level window when the
// owner is a child); child windows are left alone.
void CenterDialog(HWND dialog);

} // namespace fw
