#pragma once
// Messages and notifications of the colour picker, the hyperlink and the arrow button. Part of
// the public interface RKComControls2.h.

#include <windows.h>

// "RKCC2ColorPicker". The colour 0xFF000000 means no colour (shown as a button-face swatch).
constexpr UINT RKCC2M_COLORPICKER_GETCOLOR = WM_USER + 10; // the colour
constexpr UINT RKCC2M_COLORPICKER_SETCOLOR = WM_USER + 11; // lParam COLORREF; the previous colour
constexpr COLORREF RKCC2_NOCOLOR = 0xFF000000;
// Sent when the colour changes: by SETCOLOR (lParam the picker) or by the user in the colour
// dialog (lParam the inner button, also when the same colour was chosen again).
constexpr WORD RKCC2N_COLORCHANGED = 0x400;

// "RKCC2Hyperlink".
constexpr UINT RKCC2M_HYPERLINK_SETTEXT = WM_USER + 550;      // lParam text (null = empty); 1
constexpr UINT RKCC2M_HYPERLINK_SETCOLOR = WM_USER + 551;     // lParam COLORREF; the previous colour
constexpr UINT RKCC2M_HYPERLINK_SETALIGN = WM_USER + 552;     // wParam 0 left, 1 centre, 2 right; the previous one
constexpr UINT RKCC2M_HYPERLINK_SETURL = WM_USER + 553;       // lParam target (null = empty); 1
constexpr UINT RKCC2M_HYPERLINK_SETUNDERLINE = WM_USER + 554; // wParam bool; the previous flag
constexpr UINT RKCC2M_HYPERLINK_RELAYEVENT = WM_USER + 555;   // lParam const MSG*; 1

// Arrow button (window class "ArrowButton", used inside the calendar, tab control and sort list).
constexpr WORD RKCC2N_ARROWDOWN = 0x201;  // left button pressed, and each auto-repeat
constexpr WORD RKCC2N_ARROWUP = 0x202;    // left button released after a press
constexpr WORD RKCC2N_ARROWRDOWN = 0x204; // right button pressed
