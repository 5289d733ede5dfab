#pragma once
// Messages and records of the assignment grid, tab control, font and picture combos and sortable
// list. Part of the public interface RKComControls2.h.

#include <windows.h>

// "RKCC2AssignGrid": rows of a name and a choice picked from one shared choice list. Sends no
// notifications. Bad row or choice indexes give -1 (0 for the two key getters).
constexpr UINT RKCC2M_ASSIGNGRID_SETCOLUMN = WM_USER + 600;   // wParam 0/1, lParam const AssignGridColumn*
constexpr UINT RKCC2M_ASSIGNGRID_GETCOLUMN = WM_USER + 601;   // wParam 0/1, lParam AssignGridColumnOut*
constexpr UINT RKCC2M_ASSIGNGRID_ADDROW = WM_USER + 602;      // lParam const AssignGridRow*
constexpr UINT RKCC2M_ASSIGNGRID_SETROW = WM_USER + 603;      // wParam row, lParam const AssignGridRow*
constexpr UINT RKCC2M_ASSIGNGRID_GETROW = WM_USER + 604;      // wParam row, lParam AssignGridRow* (buffer given)
constexpr UINT RKCC2M_ASSIGNGRID_GETROWCOUNT = WM_USER + 605;
constexpr UINT RKCC2M_ASSIGNGRID_SETCURSEL = WM_USER + 606;   // wParam row
constexpr UINT RKCC2M_ASSIGNGRID_GETCURSEL = WM_USER + 607;
constexpr UINT RKCC2M_ASSIGNGRID_RESETCONTENT = WM_USER + 608;
constexpr UINT RKCC2M_ASSIGNGRID_ADDCHOICE = WM_USER + 609;   // lParam text; the new number of choices
constexpr UINT RKCC2M_ASSIGNGRID_GETCHOICELEN = WM_USER + 610;
constexpr UINT RKCC2M_ASSIGNGRID_GETCHOICETEXT = WM_USER + 611; // lParam buffer of length + 1
constexpr UINT RKCC2M_ASSIGNGRID_SETROWCHOICE = WM_USER + 612;  // wParam row, lParam choice or -1
constexpr UINT RKCC2M_ASSIGNGRID_GETROWCHOICE = WM_USER + 613;
constexpr UINT RKCC2M_ASSIGNGRID_GETROWTEXTLEN = WM_USER + 614;
constexpr UINT RKCC2M_ASSIGNGRID_GETROWTEXT = WM_USER + 615;    // lParam buffer of length + 1
constexpr UINT RKCC2M_ASSIGNGRID_CLEARCHOICES = WM_USER + 616;
constexpr UINT RKCC2M_ASSIGNGRID_GETCHOICECOUNT = WM_USER + 617;
constexpr UINT RKCC2M_ASSIGNGRID_SETROWCHOICEBYTEXT = WM_USER + 618; // wParam row, lParam text; the index found
constexpr UINT RKCC2M_ASSIGNGRID_SETCHOICEKEY = WM_USER + 619;  // wParam choice, lParam key
constexpr UINT RKCC2M_ASSIGNGRID_GETCHOICEKEY = WM_USER + 620;
constexpr UINT RKCC2M_ASSIGNGRID_SETROWCHOICEBYKEY = WM_USER + 621; // wParam row, lParam key; the number of choices
constexpr UINT RKCC2M_ASSIGNGRID_GETROWCHOICEKEY = WM_USER + 622;
constexpr UINT RKCC2M_ASSIGNGRID_DELETEALLROWS = WM_USER + 623;
constexpr UINT RKCC2M_ASSIGNGRID_ENDEDIT = WM_USER + 1000;     // from the in-place list: wParam cancelled, lParam selection

struct AssignGridColumn {
    int width; // column 0: x of the boundary between the columns
    const wchar_t* text;
};
struct AssignGridColumnOut {
    int width;     // out
    wchar_t* text; // out, cut to fit with its terminator
    int length;    // capacity of text in characters, > 0
};
struct AssignGridRow {
    const wchar_t* text; // ADDROW/SETROW: the name; GETROW: a buffer (cast away const) filled with it
    int length;          // GETROW only: capacity of the buffer in characters
    int choice;          // -1 none
    int bold;
    int data1;
    int data2;
};

// "RKCC2TabCtrl": tabs along the bottom edge.
constexpr UINT RKCC2M_TABCTRL_GETFILLCOLOR = WM_USER + 960;  // wParam 0 selected, 1 other, 2 background
constexpr UINT RKCC2M_TABCTRL_SETFILLCOLOR = WM_USER + 961;  // lParam COLORREF; the previous colour
constexpr UINT RKCC2M_TABCTRL_GETTEXTCOLOR = WM_USER + 962;  // wParam 0 selected, 1 other, 2 lines
constexpr UINT RKCC2M_TABCTRL_SETTEXTCOLOR = WM_USER + 963;
constexpr UINT RKCC2M_TABCTRL_GETCURSEL = WM_USER + 964;
constexpr UINT RKCC2M_TABCTRL_SETCURSEL = WM_USER + 965;     // wParam index; the previous selection
constexpr UINT RKCC2M_TABCTRL_GETITEMCOUNT = WM_USER + 966;
constexpr UINT RKCC2M_TABCTRL_DELETEALLITEMS = WM_USER + 967;
constexpr UINT RKCC2M_TABCTRL_ADDITEM = WM_USER + 968;       // lParam text
constexpr WORD RKCC2N_TAB_SELCHANGE = 0x7B6;
constexpr WORD RKCC2N_TAB_CLICK = 0x28;     // left button down on a tab
constexpr WORD RKCC2N_TAB_DBLCLK = 0x203;
constexpr WORD RKCC2N_TAB_RCLICK = 0x204;

// "RKCC2FontComboBox": the inner combo box lists font families; item data points to the
// control's own LOGFONTW copy of the family (valid until the next fill).
constexpr UINT RKCC2M_FONTCOMBO_GETINNERCTRL = WM_USER + 150;  // HWND of the inner combo box
constexpr UINT RKCC2M_FONTCOMBO_FILL = WM_USER + 151;          // wParam non-zero all families, 0 TrueType only
constexpr UINT RKCC2M_FONTCOMBO_SETDROPHEIGHT = WM_USER + 152; // wParam pixels

// "RKCC2PictureComboBox": an owner-drawn list of pictures with texts.
constexpr UINT RKCC2M_PICTURECOMBO_GETINNERCTRL = WM_USER + 300;
constexpr UINT RKCC2M_PICTURECOMBO_ADDITEM = WM_USER + 301;     // lParam const PictureComboItem*; index, -1 failure, 0 refused
constexpr UINT RKCC2M_PICTURECOMBO_GETCHECK = WM_USER + 302;
constexpr UINT RKCC2M_PICTURECOMBO_SETCHECK = WM_USER + 303;    // wParam bool; the previous value
constexpr UINT RKCC2M_PICTURECOMBO_SETBUTTONMODE = WM_USER + 304;
constexpr UINT RKCC2M_PICTURECOMBO_SETFOCUSRECT = WM_USER + 305;
constexpr UINT RKCC2M_PICTURECOMBO_SETDROPONFACE = WM_USER + 306;
constexpr UINT RKCC2M_PICTURECOMBO_SETDROPHEIGHT = WM_USER + 307;
constexpr UINT RKCC2M_PICTURECOMBO_RESETCONTENT = WM_USER + 308;
constexpr UINT RKCC2M_PICTURECOMBO_SETMASK = WM_USER + 309;     // wParam bool, lParam mask colour
constexpr UINT RKCC2M_PICTURECOMBO_SETITEMTEXTCOLOR = WM_USER + 310; // wParam index, lParam COLORREF
constexpr WORD RKCC2N_PICTURECOMBO_SELCHANGE = 1;   // lParam: the inner combo box
constexpr WORD RKCC2N_PICTURECOMBO_FACECLICK = 0x52C; // button mode, not checked: the face was clicked

struct PictureComboItem {
    const wchar_t* text;
    int reserved;
    HBITMAP bitmap;   // 0 for none; copied into the image list
    COLORREF backColor;
    int separator;    // non-zero: a line under the item in the dropped-down list
};

// "RKCC2SortListBox": a list the user orders by dragging, Alt+arrows or the caption's arrows.
// The host reads the order, texts and item data from the inner list box.
constexpr UINT RKCC2M_SORTLISTBOX_GETINNERCTRL = WM_USER + 400; // HWND of the inner list box
constexpr UINT RKCC2M_SORTLISTBOX_ADDSTRING = WM_USER + 401;    // lParam text; the index
constexpr UINT RKCC2M_SORTLISTBOX_SETCAPTION = WM_USER + 402;   // lParam text; 1

#ifndef _WIN64
static_assert(sizeof(AssignGridRow) == 24 && sizeof(PictureComboItem) == 20, "32-bit message records");
#endif
