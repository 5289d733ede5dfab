#pragma once
// Public interface of the window-controls library RKComControls2: its configuration exports, the
// names of its window classes, and (through the rkcc2/ headers) every control's messages,
// notification codes and the records they pass. Hosts create the controls by class name (dialog
// templates or CreateWindowExW) and drive them with SendMessageW alone.
//
// Conventions of every control:
// - Messages are WM_USER + n in a block that belongs to the class.
// - A control reports to its parent with WM_COMMAND: the code in the high word of wParam, the
//   control's id in the low word, its window handle in lParam.
// - Values pass as pointers to caller-owned ints, doubles or records that the control reads or
//   writes during the call; a null pointer is answered with -1 and changes nothing.
// - "None" values: dates 1 = empty or no limit; times -1 = empty or no limit; whole numbers
//   2147483647 / -2147483648 and decimals 1.7e308 / -1.7e308 = no limit.
// - RKCC2M_xxx_GETINNERCTRL answers the window handle of the control's inner standard control
//   (list box, combo box or tree view); hosts send the standard LB_/CB_/TVM_ messages to it. It is
//   valid while the control exists. The check list, sortable list, font and picture combos and
//   both trees also pass those standard messages on when they are sent to the control itself.

#include <windows.h>

#ifdef RKCC2_BUILDING
#define RKCC2_API extern "C" __declspec(dllexport)
#else
#define RKCC2_API extern "C"
#endif

// Configuration exports (C calling convention, plain names; hosts bind them by name). Each
// answers 1. Call them once at start-up, before any control is created.
RKCC2_API int __cdecl rkcc2_setappreshandle(HINSTANCE resources); // null: the program's module
RKCC2_API int __cdecl rkcc2_setstdmindate(int julianDay);         // 0: date edits get no minimum
RKCC2_API int __cdecl rkcc2_setdateformat(const wchar_t* picture); // null or "": locale short date
RKCC2_API int __cdecl rkcc2_settimeformat(const wchar_t* picture); // null or "": locale, no seconds
// Group 1, option 1: the first byte at value shows (non-zero) or hides week numbers in the
// drop-down calendars of date edits. Any other pair is ignored.
RKCC2_API int __cdecl rkcc2_setoption(int group, int option, const void* value);

using rkcc2_setappreshandle_fn = int(__cdecl*)(HINSTANCE);
using rkcc2_setstdmindate_fn = int(__cdecl*)(int);
using rkcc2_setdateformat_fn = int(__cdecl*)(const wchar_t*);
using rkcc2_settimeformat_fn = int(__cdecl*)(const wchar_t*);
using rkcc2_setoption_fn = int(__cdecl*)(int, int, const void*);

// Window classes, registered as global classes while the library loads.
#define RKCC2_CLASS_CALENDAR L"RKCC2Calendar"
#define RKCC2_CLASS_COLORPICKER L"RKCC2ColorPicker"
#define RKCC2_CLASS_FONTCOMBOBOX L"RKCC2FontComboBox"
#define RKCC2_CLASS_PICTURECOMBOBOX L"RKCC2PictureComboBox"
#define RKCC2_CLASS_CHECKLISTBOX L"RKCC2CheckListBox"
#define RKCC2_CLASS_SORTLISTBOX L"RKCC2SortListBox"
#define RKCC2_CLASS_CHECKTREE L"RKCC2CheckTree"
#define RKCC2_CLASS_OPTIONSTREE L"RKCC2OptionsTree"
#define RKCC2_CLASS_ASSIGNGRID L"RKCC2AssignGrid"
#define RKCC2_CLASS_HYPERLINK L"RKCC2Hyperlink"
#define RKCC2_CLASS_LONGEDIT L"RKCC2LongEdit"
#define RKCC2_CLASS_DOUBLEEDIT L"RKCC2DoubleEdit"
#define RKCC2_CLASS_TIMEEDIT L"RKCC2TimeEdit"
#define RKCC2_CLASS_TIMEPERIOD L"RKCC2TimePeriod"
#define RKCC2_CLASS_CHECKGROUP L"RKCC2CheckGroup"
#define RKCC2_CLASS_DATEEDIT L"RKCC2DateEdit"
#define RKCC2_CLASS_DATEPERIOD L"RKCC2DatePeriod"
#define RKCC2_CLASS_TABCTRL L"RKCC2TabCtrl"

#include "rkcc2/Edits.h"
#include "rkcc2/Calendar.h"
#include "rkcc2/Buttons.h"
#include "rkcc2/CheckControls.h"
#include "rkcc2/Lists.h"
