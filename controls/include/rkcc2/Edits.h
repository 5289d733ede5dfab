#pragma once
// Messages and records of the value edits: date, time, whole-number and decimal edits, and the
// date and time periods. Part of the public interface RKComControls2.h.

#include <windows.h>

// Style bit of the single value edits (date, time, whole number, decimal): an empty text is a
// legal value. Of the time period: start and end are not kept in order.
constexpr DWORD RKCC2S_ALLOWEMPTY = 0x0001;
constexpr DWORD RKCC2S_INDEPENDENT = 0x0001;

// Sent by every value edit and period whenever its text changes (also after a step, a commit or
// a SET message). A period cannot tell which end changed.
constexpr WORD RKCC2N_CHANGED = 0x300;

// Drop-down button of the whole-number and decimal edits: callback(control id, user value) runs
// when the drop-down zone is clicked and released, or F5, F9, Alt+Up or Alt+Down is pressed.
using RKCC2DropDownFn = void(__cdecl*)(int controlId, int userValue);
struct RKCC2DropDownButton {
    RKCC2DropDownFn callback; // required
    HBITMAP bitmap;           // drawn centred in the zone; borrowed, must outlive the control
    int userValue;
};

// "RKCC2DateEdit": lParam points to an int holding a day number (1 = empty / no limit).
constexpr UINT RKCC2M_DATEEDIT_SETDATE = WM_USER + 850;     // const int*; writes, no clamping yet
constexpr UINT RKCC2M_DATEEDIT_GETDATE = WM_USER + 851;     // int* out; commits first
constexpr UINT RKCC2M_DATEEDIT_SETMAX = WM_USER + 852;      // const int*; then re-limits
constexpr UINT RKCC2M_DATEEDIT_GETMAX = WM_USER + 853;      // int* out
constexpr UINT RKCC2M_DATEEDIT_SETMIN = WM_USER + 854;      // const int*; then re-limits
constexpr UINT RKCC2M_DATEEDIT_GETMIN = WM_USER + 855;      // int* out
constexpr UINT RKCC2M_DATEEDIT_SETALLOWEMPTY = WM_USER + 856; // wParam bool
constexpr UINT RKCC2M_DATEEDIT_GETRAWDATE = WM_USER + 857;  // int* out; no commit
constexpr UINT RKCC2M_DATEEDIT_GETALLOWEMPTY = WM_USER + 858;
constexpr UINT RKCC2M_DATEEDIT_ISEMPTY = WM_USER + 859;

// "RKCC2TimeEdit": minutes 0..1439, -1 = empty / no limit.
constexpr UINT RKCC2M_TIMEEDIT_SETTIME = WM_USER + 750;     // const int*; negative empties
constexpr UINT RKCC2M_TIMEEDIT_GETTIME = WM_USER + 751;     // int* out; commits first
constexpr UINT RKCC2M_TIMEEDIT_SETMAX = WM_USER + 752;      // const int*; negative removes
constexpr UINT RKCC2M_TIMEEDIT_GETMAX = WM_USER + 753;      // int* out
constexpr UINT RKCC2M_TIMEEDIT_SETMIN = WM_USER + 754;      // const int*; negative removes
constexpr UINT RKCC2M_TIMEEDIT_GETMIN = WM_USER + 755;      // int* out
constexpr UINT RKCC2M_TIMEEDIT_SETALLOWEMPTY = WM_USER + 756; // wParam bool
constexpr UINT RKCC2M_TIMEEDIT_GETALLOWEMPTY = WM_USER + 757;
constexpr UINT RKCC2M_TIMEEDIT_SETSTEP = WM_USER + 758;     // wParam minutes, by value
constexpr UINT RKCC2M_TIMEEDIT_GETSTEP = WM_USER + 759;     // int* out
constexpr UINT RKCC2M_TIMEEDIT_GETRAWTIME = WM_USER + 760;  // int* out; no commit
constexpr UINT RKCC2M_TIMEEDIT_ISEMPTY = WM_USER + 761;

// "RKCC2LongEdit": 32-bit ints.
constexpr UINT RKCC2M_LONGEDIT_SETVALUE = WM_USER + 650;    // const int*; writes, then commits; 0
constexpr UINT RKCC2M_LONGEDIT_GETVALUE = WM_USER + 651;    // int* out; commits first
constexpr UINT RKCC2M_LONGEDIT_SETMAX = WM_USER + 652;      // const int*; 2147483647 removes
constexpr UINT RKCC2M_LONGEDIT_GETMAX = WM_USER + 653;
constexpr UINT RKCC2M_LONGEDIT_SETMIN = WM_USER + 654;      // const int*; -2147483648 removes
constexpr UINT RKCC2M_LONGEDIT_GETMIN = WM_USER + 655;
constexpr UINT RKCC2M_LONGEDIT_SETALLOWEMPTY = WM_USER + 656; // wParam non-zero sets; previous flag
constexpr UINT RKCC2M_LONGEDIT_GETALLOWEMPTY = WM_USER + 657;
constexpr UINT RKCC2M_LONGEDIT_SETSTEP = WM_USER + 658;
constexpr UINT RKCC2M_LONGEDIT_GETSTEP = WM_USER + 659;
constexpr UINT RKCC2M_LONGEDIT_SETSTARTVALUE = WM_USER + 660; // the value steps and commits of an empty text start from
constexpr UINT RKCC2M_LONGEDIT_GETSTARTVALUE = WM_USER + 661;
constexpr UINT RKCC2M_LONGEDIT_SETBUTTON = WM_USER + 662;   // const RKCC2DropDownButton*; 0, -1 without callback
constexpr UINT RKCC2M_LONGEDIT_GETRAWVALUE = WM_USER + 663; // int* out; no commit
constexpr UINT RKCC2M_LONGEDIT_ISEMPTY = WM_USER + 664;
constexpr UINT RKCC2M_LONGEDIT_CLEAR = WM_USER + 665;

// "RKCC2DoubleEdit": doubles; most messages answer 0 (not 1), and -1 for a null pointer.
constexpr UINT RKCC2M_DOUBLEEDIT_SETVALUE = WM_USER + 700;
constexpr UINT RKCC2M_DOUBLEEDIT_GETVALUE = WM_USER + 701;
constexpr UINT RKCC2M_DOUBLEEDIT_SETMAX = WM_USER + 702;    // 1.7e308 removes
constexpr UINT RKCC2M_DOUBLEEDIT_GETMAX = WM_USER + 703;
constexpr UINT RKCC2M_DOUBLEEDIT_SETMIN = WM_USER + 704;    // -1.7e308 removes
constexpr UINT RKCC2M_DOUBLEEDIT_GETMIN = WM_USER + 705;
constexpr UINT RKCC2M_DOUBLEEDIT_SETALLOWEMPTY = WM_USER + 706; // wParam exactly 1 sets, else clears
constexpr UINT RKCC2M_DOUBLEEDIT_GETALLOWEMPTY = WM_USER + 707;
constexpr UINT RKCC2M_DOUBLEEDIT_SETSTEP = WM_USER + 708;
constexpr UINT RKCC2M_DOUBLEEDIT_GETSTEP = WM_USER + 709;
constexpr UINT RKCC2M_DOUBLEEDIT_SETSTARTVALUE = WM_USER + 710;
constexpr UINT RKCC2M_DOUBLEEDIT_GETSTARTVALUE = WM_USER + 711;
constexpr UINT RKCC2M_DOUBLEEDIT_SETBUTTON = WM_USER + 712;
constexpr UINT RKCC2M_DOUBLEEDIT_GETRAWVALUE = WM_USER + 713;
constexpr UINT RKCC2M_DOUBLEEDIT_ISEMPTY = WM_USER + 714;
constexpr UINT RKCC2M_DOUBLEEDIT_CLEAR = WM_USER + 715;

// Caption of one end of a period: the text is copied.
struct RKCC2PeriodLabel {
    const wchar_t* text;
    int alignment;  // 0 left, 1 centre, 2 right
    int extraWidth; // in quarters of the horizontal dialog base unit
};

// "RKCC2DatePeriod": wParam 0 is the start edit, any other value the end edit (except SETLABEL,
// whose wParam points to the side, 0 or 1). Per-side messages act like the date edit's.
constexpr UINT RKCC2M_DATEPERIOD_SETDATE = WM_USER + 900;
constexpr UINT RKCC2M_DATEPERIOD_GETDATE = WM_USER + 901;
constexpr UINT RKCC2M_DATEPERIOD_SETMAX = WM_USER + 902;
constexpr UINT RKCC2M_DATEPERIOD_GETMAX = WM_USER + 903;
constexpr UINT RKCC2M_DATEPERIOD_SETMIN = WM_USER + 904;
constexpr UINT RKCC2M_DATEPERIOD_GETMIN = WM_USER + 905;
constexpr UINT RKCC2M_DATEPERIOD_SETALLOWEMPTY = WM_USER + 906; // lParam bool
constexpr UINT RKCC2M_DATEPERIOD_GETALLOWEMPTY = WM_USER + 907;
constexpr UINT RKCC2M_DATEPERIOD_GETRAWDATE = WM_USER + 908;
constexpr UINT RKCC2M_DATEPERIOD_SETHORIZONTAL = WM_USER + 909; // lParam bool; 1
constexpr UINT RKCC2M_DATEPERIOD_SETLABEL = WM_USER + 910;      // const int* side, const RKCC2PeriodLabel*
constexpr UINT RKCC2M_DATEPERIOD_ISEMPTY = WM_USER + 911;

// "RKCC2TimePeriod": as the date period; per-side messages act like the time edit's.
constexpr UINT RKCC2M_TIMEPERIOD_SETTIME = WM_USER + 800;   // -1 when the written time is empty, else 0
constexpr UINT RKCC2M_TIMEPERIOD_GETTIME = WM_USER + 801;
constexpr UINT RKCC2M_TIMEPERIOD_SETMAX = WM_USER + 802;
constexpr UINT RKCC2M_TIMEPERIOD_GETMAX = WM_USER + 803;
constexpr UINT RKCC2M_TIMEPERIOD_SETMIN = WM_USER + 804;
constexpr UINT RKCC2M_TIMEPERIOD_GETMIN = WM_USER + 805;
constexpr UINT RKCC2M_TIMEPERIOD_SETALLOWEMPTY = WM_USER + 806; // lParam bool
constexpr UINT RKCC2M_TIMEPERIOD_GETALLOWEMPTY = WM_USER + 807;
constexpr UINT RKCC2M_TIMEPERIOD_SETSTEP = WM_USER + 808;   // const int* minutes
constexpr UINT RKCC2M_TIMEPERIOD_GETSTEP = WM_USER + 809;
constexpr UINT RKCC2M_TIMEPERIOD_SETINDEPENDENT = WM_USER + 810; // lParam bool
constexpr UINT RKCC2M_TIMEPERIOD_GETINDEPENDENT = WM_USER + 811;
constexpr UINT RKCC2M_TIMEPERIOD_GETRAWTIME = WM_USER + 812;
constexpr UINT RKCC2M_TIMEPERIOD_SETHORIZONTAL = WM_USER + 813; // lParam bool; the previous flag
constexpr UINT RKCC2M_TIMEPERIOD_SETLABEL = WM_USER + 814;
constexpr UINT RKCC2M_TIMEPERIOD_ISEMPTY = WM_USER + 815;

#ifndef _WIN64
static_assert(sizeof(RKCC2DropDownButton) == 12 && sizeof(RKCC2PeriodLabel) == 12, "32-bit message records");
#endif
