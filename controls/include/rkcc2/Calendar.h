#pragma once
// Messages, notifications and callback records of the month calendar "RKCC2Calendar". Part of
// the public interface RKComControls2.h. Setters do not repaint; send RKCC2M_CALENDAR_UPDATE
// after a batch of settings.

#include <windows.h>

#include <cstdint>

constexpr UINT RKCC2M_CALENDAR_UPDATE = WM_USER + 101;
constexpr UINT RKCC2M_CALENDAR_SETFONT = WM_USER + 102;          // wParam HFONT (copied)
constexpr UINT RKCC2M_CALENDAR_SETCOLOR = WM_USER + 103;         // wParam colour index, lParam COLORREF
constexpr UINT RKCC2M_CALENDAR_GETCOLOR = WM_USER + 104;
constexpr UINT RKCC2M_CALENDAR_SETBOLD = WM_USER + 105;          // wParam bold index, lParam bool
constexpr UINT RKCC2M_CALENDAR_GETBOLD = WM_USER + 106;
constexpr UINT RKCC2M_CALENDAR_SETINT = WM_USER + 107;           // wParam size index, lParam value
constexpr UINT RKCC2M_CALENDAR_GETINT = WM_USER + 108;
constexpr UINT RKCC2M_CALENDAR_SETTEXTLENGTH = WM_USER + 109;    // wParam 0 year, 1 caption month, 2 strip, 3 weekday
constexpr UINT RKCC2M_CALENDAR_GETTEXTLENGTH = WM_USER + 110;
constexpr UINT RKCC2M_CALENDAR_SETMARKSTYLE = WM_USER + 111;     // wParam 0 today, 1 selected; lParam bit 0 frame, bit 1 fill
constexpr UINT RKCC2M_CALENDAR_GETMARKSTYLE = WM_USER + 112;
constexpr UINT RKCC2M_CALENDAR_SETWEEKHEADERTEXT = WM_USER + 113; // lParam bool: "W" over the week numbers
constexpr UINT RKCC2M_CALENDAR_GETWEEKHEADERTEXT = WM_USER + 114;
constexpr UINT RKCC2M_CALENDAR_SETWEEKNUMBERS = WM_USER + 115;   // lParam bool; the previous value
constexpr UINT RKCC2M_CALENDAR_GETWEEKNUMBERS = WM_USER + 116;
constexpr UINT RKCC2M_CALENDAR_SETBUTTONS = WM_USER + 117;       // wParam 0 all, 1 Today, 2 Month, 3 Year; lParam bool
constexpr UINT RKCC2M_CALENDAR_GETBUTTONS = WM_USER + 118;       // wParam 1..3
constexpr UINT RKCC2M_CALENDAR_SETYEARVIEW = WM_USER + 119;
constexpr UINT RKCC2M_CALENDAR_GETYEARVIEW = WM_USER + 120;
constexpr UINT RKCC2M_CALENDAR_SETARROWS = WM_USER + 121;
constexpr UINT RKCC2M_CALENDAR_GETARROWS = WM_USER + 122;
constexpr UINT RKCC2M_CALENDAR_SETMONTHSACROSS = WM_USER + 123;  // wParam count > 0
constexpr UINT RKCC2M_CALENDAR_GETMONTHSACROSS = WM_USER + 124;
constexpr UINT RKCC2M_CALENDAR_SETMONTHSDOWN = WM_USER + 125;    // wParam count > 0
constexpr UINT RKCC2M_CALENDAR_GETMONTHSDOWN = WM_USER + 126;
constexpr UINT RKCC2M_CALENDAR_SETHALIGN = WM_USER + 127;        // wParam 0 left, 1 centre, 2 right
constexpr UINT RKCC2M_CALENDAR_GETHALIGN = WM_USER + 128;
constexpr UINT RKCC2M_CALENDAR_SETVALIGN = WM_USER + 129;        // wParam 0 top, 1 middle, 2 bottom
constexpr UINT RKCC2M_CALENDAR_GETVALIGN = WM_USER + 130;
constexpr UINT RKCC2M_CALENDAR_SETSHOWOTHERMONTHDAYS = WM_USER + 131;
constexpr UINT RKCC2M_CALENDAR_GETSHOWOTHERMONTHDAYS = WM_USER + 132;
constexpr UINT RKCC2M_CALENDAR_SETFIRSTMONTH = WM_USER + 133;    // lParam day number (>= 2)
constexpr UINT RKCC2M_CALENDAR_GETFIRSTMONTH = WM_USER + 134;
constexpr UINT RKCC2M_CALENDAR_SETDATE = WM_USER + 135;          // lParam day number (>= 2)
constexpr UINT RKCC2M_CALENDAR_GETDATE = WM_USER + 136;          // 0 while day selection is off
constexpr UINT RKCC2M_CALENDAR_SETLINESTYLE = WM_USER + 137;     // wParam 0 month strip, 1 grid; lParam 0..5
constexpr UINT RKCC2M_CALENDAR_GETLINESTYLE = WM_USER + 138;
constexpr UINT RKCC2M_CALENDAR_GETSELECTION = WM_USER + 139;     // lParam CalendarSelection* out
constexpr UINT RKCC2M_CALENDAR_SETSELECTABLE = WM_USER + 140;
constexpr UINT RKCC2M_CALENDAR_GETSELECTABLE = WM_USER + 141;
constexpr UINT RKCC2M_CALENDAR_SETHEADERCALLBACK = WM_USER + 142; // lParam const CalendarHeaderCallback*
constexpr UINT RKCC2M_CALENDAR_SETDAYCALLBACK = WM_USER + 143;    // lParam const CalendarDayCallback*
constexpr UINT RKCC2M_CALENDAR_SETFOCUSRECT = WM_USER + 144;
constexpr UINT RKCC2M_CALENDAR_GETFOCUSRECT = WM_USER + 145;
constexpr UINT RKCC2M_CALENDAR_GETVISIBLERANGE = WM_USER + 146;  // lParam int[2] out: first, last day
constexpr UINT RKCC2M_CALENDAR_GETIDEALSIZE = WM_USER + 147;     // lParam int[2] out: width, height

// Notifications (WM_COMMAND codes).
constexpr WORD RKCC2N_CAL_CLICK = 0x432;        // left click not on a caption button
constexpr WORD RKCC2N_CAL_DBLCLK = 0x433;       // double click on anything the hit test finds
constexpr WORD RKCC2N_CAL_CANCEL = 0x434;       // right button pressed
constexpr WORD RKCC2N_CAL_DATECHANGED = 0x435;  // the selected day changed
constexpr WORD RKCC2N_CAL_PICKSPACE = 0x436;
constexpr WORD RKCC2N_CAL_PICKENTER = 0x437;
constexpr WORD RKCC2N_CAL_MONTH = 0x438;        // F6 or the Month button
constexpr WORD RKCC2N_CAL_YEAR = 0x439;         // F7 or the Year button
constexpr WORD RKCC2N_CAL_TODAY = 0x43A;        // F8 or the Today button
constexpr WORD RKCC2N_CAL_SELECTION = 0x43B;    // a day cell was clicked (day selection on)
constexpr WORD RKCC2N_CAL_VIEWCHANGED = 0x43C;  // the first displayed month changed

// Colour indexes (RKCC2M_CALENDAR_SETCOLOR).
enum CalendarColor : int {
    kCalColorWindow = 0, kCalColorButtonFill, kCalColorButtonText, kCalColorButtonFrame,
    kCalColorYearBack, kCalColorYearText, kCalColorCaptionBack, kCalColorCaptionText,
    kCalColorStripBack, kCalColorStripText, kCalColorStripOwnFill, kCalColorStripOwnText,
    kCalColorStripLines, kCalColorHeaderBack, kCalColorHeaderText, kCalColorHeaderLines,
    kCalColorHeaderUnderline, kCalColorWeekHeaderBack, kCalColorWeekHeaderText, kCalColorWeekBack,
    kCalColorWeekText, kCalColorWeekSeparator, kCalColorDayBack, kCalColorDayText, kCalColorDayLines,
    kCalColorTodayBack, kCalColorTodayText, kCalColorTodayFrame, kCalColorSelectedBack,
    kCalColorSelectedText, kCalColorSelectedFrame, kCalColorOtherBack, kCalColorOtherText,
    kCalColorCount
};

// Bold indexes (RKCC2M_CALENDAR_SETBOLD).
enum CalendarBold : int {
    kCalBoldYear = 0, kCalBoldCaption, kCalBoldStrip, kCalBoldHeader, kCalBoldWeekHeader, kCalBoldWeek,
    kCalBoldDay, kCalBoldToday, kCalBoldSelected, kCalBoldOther, kCalBoldCount
};

// Size options (RKCC2M_CALENDAR_SETINT), percentages.
enum CalendarSize : int {
    kCalSizeCellWidth = 0, kCalSizeCellHeight, kCalSizeYearBand, kCalSizeGapX, kCalSizeGapY, kCalSizeCount
};

// Hit kinds of CalendarSelection::kind.
enum CalendarHitKind : int {
    kCalHitNothing = 0, kCalHitYearTitle, kCalHitMonthStrip, kCalHitCaption, kCalHitWeekday,
    kCalHitWeekNumber, kCalHitDay, kCalHitButton
};

// The last hit (RKCC2M_CALENDAR_GETSELECTION).
struct CalendarSelection {
    int kind;   // CalendarHitKind
    int detail; // weekday 0 (Monday)..6 or -1 for the week-number column; button 0 Today, 1 Month, 2 Year
    int day;    // day number
};

// One cell of the day grid, handed to the day callback while painting; what the callback writes
// is used for that cell only. 104 bytes.
struct CalendarDayInfo {
    uint32_t day;         // for a week-number cell the first day of the row
    uint8_t weekNumber;   // 1 for a week-number cell
    uint8_t otherMonth;   // 1 for a day of a neighbouring month
    uint8_t selected;
    uint8_t reserved;
    int32_t fontStyle;    // 0 plain, 1 strike-out, 2 underline
    uint8_t bold;
    uint8_t pad1[3];
    COLORREF textColor;
    COLORREF backColor;
    int32_t hatchStyle;   // -1 none, else a HS_ value
    COLORREF hatchColor;
    uint8_t frame;
    uint8_t pad2[3];
    COLORREF frameColor;
    wchar_t text[32];     // zero-terminated; the last unit is forced to 0
};

// One cell of the weekday header row. 96 bytes.
struct CalendarHeaderInfo {
    int32_t weekday;      // 0 (Monday)..6, -1 for the week-number column
    int32_t reserved;
    int32_t fontStyle;
    uint8_t bold;
    uint8_t pad1[3];
    COLORREF textColor;
    COLORREF backColor;
    int32_t hatchStyle;
    COLORREF hatchColor;
    wchar_t text[32];
};

static_assert(sizeof(CalendarDayInfo) == 104, "binary record");
static_assert(sizeof(CalendarHeaderInfo) == 96, "binary record");

using CalendarDayFn = void(__cdecl*)(CalendarDayInfo* info, void* context);
using CalendarHeaderFn = void(__cdecl*)(CalendarHeaderInfo* info, void* context);
struct CalendarDayCallback {
    CalendarDayFn fn; // null removes the callback
    void* context;
};
struct CalendarHeaderCallback {
    CalendarHeaderFn fn;
    void* context;
};
