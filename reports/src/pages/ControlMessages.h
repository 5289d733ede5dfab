#pragma once
// The messages of the two controls-library classes that the report pages drive: the options
// tree ("RKCC2OptionsTree") and the date period ("RKCC2DatePeriod"). Values pass as pointers to
// the caller's records, read or written during the call.

#include <windows.h>
#include <commctrl.h>

constexpr UINT RKCC2M_OPTIONSTREE_GETINNERCTRL = WM_USER + 450;
constexpr UINT RKCC2M_OPTIONSTREE_ADDROOT = WM_USER + 451;  // wParam image, lParam text; the item
constexpr UINT RKCC2M_OPTIONSTREE_ADDRADIO = WM_USER + 452; // lParam OptionsTreeItemRecord*; the item
constexpr UINT RKCC2M_OPTIONSTREE_ADDCHECK = WM_USER + 453; // lParam OptionsTreeItemRecord*; the item
constexpr UINT RKCC2M_OPTIONSTREE_GETRADIO = WM_USER + 454; // lParam group item; index or -1
constexpr UINT RKCC2M_OPTIONSTREE_GETCHECK = WM_USER + 455; // lParam item; 1 checked
constexpr UINT RKCC2M_OPTIONSTREE_SETRADIO = WM_USER + 456; // wParam index, lParam group item
constexpr UINT RKCC2M_OPTIONSTREE_SETCHECK = WM_USER + 457; // wParam bool, lParam item

// The inner tree control of an options tree is its child window with this id.
constexpr int kOptionsTreeInnerId = 100;

struct OptionsTreeItemRecord {
    const wchar_t* text;
    HTREEITEM parent;
    BOOL flag; // selected (radio) or checked (check)
};

constexpr UINT RKCC2M_DATEPERIOD_SETDATE = WM_USER + 900; // wParam side (0 start), lParam const int*
constexpr UINT RKCC2M_DATEPERIOD_GETDATE = WM_USER + 901; // wParam side, lParam int* (1 when empty)

// Whole-number and decimal edits ("RKCC2LongEdit", "RKCC2DoubleEdit"): values through pointers.
// No limit is 2147483647 / -2147483648 and 1.7e308 / -1.7e308.
constexpr UINT RKCC2M_LONGEDIT_SETVALUE = WM_USER + 650;
constexpr UINT RKCC2M_LONGEDIT_GETVALUE = WM_USER + 651;
constexpr UINT RKCC2M_LONGEDIT_SETMAX = WM_USER + 652;
constexpr UINT RKCC2M_LONGEDIT_SETMIN = WM_USER + 654;
constexpr UINT RKCC2M_LONGEDIT_SETSTEP = WM_USER + 658;
constexpr UINT RKCC2M_LONGEDIT_SETSTARTVALUE = WM_USER + 660;
constexpr UINT RKCC2M_DOUBLEEDIT_SETVALUE = WM_USER + 700;
constexpr UINT RKCC2M_DOUBLEEDIT_GETVALUE = WM_USER + 701;
constexpr UINT RKCC2M_DOUBLEEDIT_SETMAX = WM_USER + 702;
constexpr UINT RKCC2M_DOUBLEEDIT_SETMIN = WM_USER + 704;
constexpr UINT RKCC2M_DOUBLEEDIT_SETSTEP = WM_USER + 708;
constexpr UINT RKCC2M_DOUBLEEDIT_SETSTARTVALUE = WM_USER + 710;
