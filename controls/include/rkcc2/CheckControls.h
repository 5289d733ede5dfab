#pragma once
// Messages and records of the check list, check tree, check group and options tree. Part of the
// public interface RKComControls2.h. None of these controls notifies its parent of checks.

#include <windows.h>
#include <commctrl.h>

// "RKCC2CheckListBox": a list box with check boxes and "Select All" / "None" buttons. The inner
// list box keeps item data for the host (LB_SETITEMDATA); the checks live beside it.
constexpr UINT RKCC2M_CHECKLISTBOX_GETINNERCTRL = WM_USER + 350; // HWND of the inner list box
constexpr UINT RKCC2M_CHECKLISTBOX_GETBUTTON = WM_USER + 351;    // wParam 0 "Select All", else "None"; HWND
constexpr UINT RKCC2M_CHECKLISTBOX_ADDSTRING = WM_USER + 352;    // wParam bool checked, lParam text; index or LB_ERR
constexpr UINT RKCC2M_CHECKLISTBOX_GETCHECK = WM_USER + 353;     // wParam index; 0 or 1, -1 for a bad index
constexpr UINT RKCC2M_CHECKLISTBOX_SETCHECK = WM_USER + 354;     // wParam index, lParam bool; 1, -1 for a bad index
constexpr UINT RKCC2M_CHECKLISTBOX_CHECKALL = WM_USER + 1000;    // wParam 101 check all, 102 uncheck all
constexpr WPARAM RKCC2_CHECKLISTBOX_SELECTALL = 101;
constexpr WPARAM RKCC2_CHECKLISTBOX_NONE = 102;

// "RKCC2CheckTree": an item's check state is its state image index (TVIS_STATEIMAGEMASK):
// 0 no box, 1 unchecked, 2 checked, 3 unchecked with a checked descendant, 4 checked with one.
constexpr UINT RKCC2M_CHECKTREE_GETINNERCTRL = WM_USER + 500;   // HWND of the inner tree view
constexpr UINT RKCC2M_CHECKTREE_INSERTITEM = WM_USER + 501;     // lParam const TVINSERTSTRUCTW*; HTREEITEM
constexpr UINT RKCC2M_CHECKTREE_SETCHECK = WM_USER + 503;       // wParam operation, lParam HTREEITEM; 0 for null
constexpr UINT RKCC2M_CHECKTREE_EXPANDALL = WM_USER + 504;      // wParam non-zero expand, 0 collapse
constexpr UINT RKCC2M_CHECKTREE_REMARKALL = WM_USER + 505;
constexpr UINT RKCC2M_CHECKTREE_GETFIRSTCHECKED = WM_USER + 506; // HTREEITEM or 0
constexpr UINT RKCC2M_CHECKTREE_GETNEXTCHECKED = WM_USER + 507;  // lParam HTREEITEM; HTREEITEM or 0
constexpr WPARAM RKCC2_CHECKTREE_CHECK = 0;
constexpr WPARAM RKCC2_CHECKTREE_UNCHECK = 1;
constexpr WPARAM RKCC2_CHECKTREE_TOGGLE = 2;
constexpr WPARAM RKCC2_CHECKTREE_REMARK = 3;

// "RKCC2CheckGroup": a row of captioned check boxes. An index outside the items gives -1.
constexpr UINT RKCC2M_CHECKGROUP_GETCOUNT = WM_USER + 950;
constexpr UINT RKCC2M_CHECKGROUP_SETFOCUSITEM = WM_USER + 951;  // wParam index
constexpr UINT RKCC2M_CHECKGROUP_GETFOCUSITEM = WM_USER + 952;
constexpr UINT RKCC2M_CHECKGROUP_ADDITEM = WM_USER + 953;       // lParam text; the new index
constexpr UINT RKCC2M_CHECKGROUP_GETCHECK = WM_USER + 954;      // wParam index
constexpr UINT RKCC2M_CHECKGROUP_SETCHECK = WM_USER + 955;      // wParam index, lParam value
constexpr UINT RKCC2M_CHECKGROUP_GETENABLED = WM_USER + 956;
constexpr UINT RKCC2M_CHECKGROUP_SETENABLED = WM_USER + 957;
constexpr UINT RKCC2M_CHECKGROUP_RESETCONTENT = WM_USER + 958;
constexpr UINT RKCC2M_CHECKGROUP_GETTEXTLEN = WM_USER + 959;
constexpr UINT RKCC2M_CHECKGROUP_GETTEXT = WM_USER + 960;       // wParam index, lParam buffer of length + 1 or null
constexpr UINT RKCC2M_CHECKGROUP_SETITEMCOLOR = WM_USER + 961;  // wParam index, lParam const COLORREF*; the previous colour

// "RKCC2OptionsTree": item images give kind and state: 0 check off, 1 check on, 2 radio off,
// 3 radio on, 4 to 7 the same inactive (not changed by the user). A radio group is the set of
// children of one parent item.
constexpr UINT RKCC2M_OPTIONSTREE_GETINNERCTRL = WM_USER + 450; // HWND of the inner tree view
constexpr UINT RKCC2M_OPTIONSTREE_ADDROOT = WM_USER + 451;      // wParam image, lParam text; HTREEITEM
constexpr UINT RKCC2M_OPTIONSTREE_ADDRADIO = WM_USER + 452;     // lParam const OptionsTreeItem* (flag: select)
constexpr UINT RKCC2M_OPTIONSTREE_ADDCHECK = WM_USER + 453;     // lParam const OptionsTreeItem* (flag: checked)
constexpr UINT RKCC2M_OPTIONSTREE_GETRADIO = WM_USER + 454;     // lParam group item; index of the selected radio or -1
constexpr UINT RKCC2M_OPTIONSTREE_GETCHECK = WM_USER + 455;     // lParam item; 1 when checked
constexpr UINT RKCC2M_OPTIONSTREE_SETRADIO = WM_USER + 456;     // wParam index, lParam group item
constexpr UINT RKCC2M_OPTIONSTREE_SETCHECK = WM_USER + 457;     // wParam bool, lParam item

struct OptionsTreeItem {
    const wchar_t* text;
    HTREEITEM parent;
    BOOL flag; // ADDRADIO: select it; ADDCHECK: checked
};

#ifndef _WIN64
static_assert(sizeof(OptionsTreeItem) == 12, "32-bit message record");
#endif
