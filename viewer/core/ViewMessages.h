#pragma once
// Messages between the main window, the main view and the board-view window of the view
// plug-in, with their payloads (lParam points to a record on the sender's stack, valid during
// the call).

#include <windows.h>

#include <cstdint>

// Mouse wheel over the view; lParam: ViewWheelArgs*.
constexpr UINT WM_MAINVIEW_WHEEL = 2024;
// Asks for or moves to a date; wParam 0: fill the TDateTime at lParam with the view's current
// date and time (answer 1); 1: go to the date at lParam; 2: scroll to the date and time at lParam
// after a scale change.
constexpr UINT WM_MAINWND_VIEWDATE = 2036;
// wParam and lParam point to TDateTime values that receive the start and the end of the visible
// period.
constexpr UINT WM_MAINWND_VIEWPERIOD = 2037;
// Context menu asked for from the keyboard; lParam: ViewContextMenuArgs* with (-1, -1).
constexpr UINT WM_MAINVIEW_CONTEXTMENU = 2038;

struct ViewWheelArgs {
    UINT keys;
    int32_t delta; // the short wheel delta in a 32-bit slot
    int32_t x;     // screen point of the wheel message
    int32_t y;
};

struct ViewContextMenuArgs {
    int32_t x;
    int32_t y;
};

static_assert(sizeof(ViewWheelArgs) == 16);
static_assert(sizeof(ViewContextMenuArgs) == 8);
