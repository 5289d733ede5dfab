#pragma once
// The private message block of the typed edit engine: the inner edit, the spin button and the
// outer control drive the frame with these (wParam is ignored).

#include <windows.h>

namespace rkcc {

constexpr UINT RKCC2M_EDIT_GETVALUE = WM_USER + 2000; // lParam T* out: ReadValue
constexpr UINT RKCC2M_EDIT_SETVALUE = WM_USER + 2001; // lParam const T*: WriteValue, no clamping
constexpr UINT RKCC2M_EDIT_STEPUP = WM_USER + 2002;
constexpr UINT RKCC2M_EDIT_STEPDOWN = WM_USER + 2003;
constexpr UINT RKCC2M_EDIT_DROPDOWN = WM_USER + 2004;
constexpr UINT RKCC2M_EDIT_COMMIT = WM_USER + 2005;
constexpr UINT RKCC2M_EDIT_CHANGED = WM_USER + 2006;

// Child ids inside a frame, and the frames' ids inside their outer control.
constexpr UINT kInnerEditId = 1;
constexpr UINT kSpinButtonId = 2;
constexpr UINT kFrameId = 100;
constexpr UINT kEndFrameId = 101;

} // namespace rkcc
