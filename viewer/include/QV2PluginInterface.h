#pragma once
// The binary boundary between the viewer and its plug-ins: every record that crosses it, the
// entry points a plug-in may export (QV2Plugin_*) and the host functions the viewer exports
// (QV2A_*). Used by the viewer and by every plug-in; the layouts are fixed for 32-bit Windows
// (little-endian, 4-byte pointers and handles, UTF-16 text fields that end with a zero inside the
// field). Every function across the boundary has C linkage and the C calling convention (the
// caller removes the arguments), so exports keep their plain names.

#include "wqv2_data/Types.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>

#define QV2_CALL __cdecl

class CRKPrintEngine2;

// One shown occurrence of a task ({day, task}): the data library's entry, shared as it is.
using TaskOccurrence = wqv2_data::TaskOccurrence;

extern "C" {

// Filled by the plug-in's QV2Plugin_OnPluginInfo; the host keeps it.
struct PluginInfo {
    wchar_t ProductName[256];
    wchar_t CompanyName[256];
    wchar_t ProductVersion[256];
    wchar_t Description[1024];
    wchar_t Translation[256]; // language and code page as eight hexadecimal digits
};

typedef void(QV2_CALL* CommandExecuteFn)(HWND mainFrame);
// Bit 0 set: disabled; bit 1 set: checked.
typedef unsigned(QV2_CALL* CommandUpdateFn)(HWND mainFrame);

// Given to QV2A_RegisterCommand; the command gets the id 61000 + its registration index.
struct CommandRegistration {
    wchar_t Name[256]; // the key for finding the command
    wchar_t Description[1024];
    CommandExecuteFn Execute; // may be null
    CommandUpdateFn Update;   // may be null: the state is left alone
};

// Filled by an option page's CreatePage.
struct PageRecord {
    HWND Page;
    wchar_t Title[256];
};

// Filled by a report's CreatePage.
struct ReportPageRecord {
    HWND Page;
    wchar_t Caption[256];
    wchar_t Caption2[256];
};

// 0 = document built.
typedef int(QV2_CALL* ReportPrintFn)(CRKPrintEngine2* engine, HDC dc, HDC attributeDc);
// 0 = written.
typedef int(QV2_CALL* ReportFileFn)(const wchar_t* path);
// An output callback's answer for a failure that the plug-in has shown the user already: the
// host adds no message of its own, so one failure gives one message.
constexpr int kReportFailedShown = 2;
// 1 portrait, 2 landscape; the host reads the low 16 bits.
typedef int(QV2_CALL* ReportOrientationFn)();
typedef int(QV2_CALL* ReportSetFilterFn)(wqv2_data::CFilter* filter);
// Nonzero with a page window = created.
typedef int(QV2_CALL* ReportCreatePageFn)(HWND parent, int width, int height, ReportPageRecord* out);
typedef int(QV2_CALL* OptionCreatePageFn)(HWND parent, int width, int height, PageRecord* out);

// Given to QV2A_Register with "RegisterReport".
struct ReportRegistration {
    wchar_t Name[256]; // the key; "ReportsSelectedReport" holds it
    wchar_t Description[1024];
    ReportPrintFn Print;             // null: cannot be printed
    ReportFileFn Export;             // null: no export
    ReportFileFn Html;               // null: no HTML
    ReportOrientationFn Orientation; // null: portrait
    ReportSetFilterFn SetFilter;     // may be null
    int32_t Flags;                   // not read by the host
    ReportCreatePageFn CreatePage;
    int16_t Group; // not read by the host
    int16_t Reserved;
};

// Given to QV2A_Register with "RegisterOptionsFileDlg", "RegisterOptionsAdministrationDlg" or
// "RegisterOptionsReportDlg".
struct OptionPageRegistration {
    wchar_t Name[256];
    wchar_t Description[1024];
    OptionCreatePageFn CreatePage;
};

// Given to QV2A_Register with "RegisterView": the board-view window.
struct ViewRegistration {
    HWND Window;
};

// Given to the add-page callback of QV2Plugin_OnSettingsDialogInit.
struct ViewSettingsPageRecord {
    wchar_t Name[256];
    HWND Page;
    wchar_t Category[256];
    wchar_t Item[256];
};

typedef void(QV2_CALL* ContextMenuHandlerFn)(INT_PTR a, INT_PTR b);

// Given to the add-item callback of QV2Plugin_OnBuildContextMenu; choosing the item calls
// Handler(A, B).
struct ContextMenuItem {
    ContextMenuHandlerFn Handler;
    wchar_t Text[256];
    UINT Flags; // as for appending a menu item
    INT_PTR A;
    INT_PTR B;
};

// Messages between the main window, the main view and the board-view window of the view
// plug-in. Pointer arguments point to records on the sender's stack, valid during the call.

// Mouse wheel over the main view; lParam: ViewWheelArgs*; wParam 0.
#define WM_MAINVIEW_WHEEL 2024
// The view's date: wParam 0 asks the view to fill the TDateTime at lParam with its current date
// and time (answer 1 when filled); 1 moves the view to the date at lParam; 2 scrolls it to the
// date and time at lParam after a change of the time scale.
#define WM_MAINWND_VIEWDATE 2036
// The visible period: wParam and lParam point to the TDateTime values that receive its start and
// its end.
#define WM_MAINWND_VIEWPERIOD 2037
// Context menu asked for from the keyboard; lParam: ViewContextMenuArgs* holding (-1, -1).
#define WM_MAINVIEW_CONTEXTMENU 2038

// Page messages between a host dialog (options, view settings, reports) and the pages it shows.
// Pages are modeless child dialogs; they answer through DWLP_MSGRESULT.
// Host to page: read the settings into the controls.
#define WM_PAGE_LOAD 2029
// Host to page, wParam bool* changed (preset to true): store the values.
#define WM_PAGE_APPLY 2030
// Host to page, wParam bool* ok (preset to true): a page that refuses sets it to false.
#define WM_PAGE_VALIDATE 2031
// Page to host, lParam the page window: show this page.
#define WM_PAGE_ACTIVATE 2032
// Host to page: wParam 1 after the page was shown, 0 just before it is hidden.
#define WM_PAGE_SHOWN 2033
// Reports dialog to its page: the output kind changed.
#define WM_PAGE_OUTPUT_CHANGED 2034
// Reports dialog to its page: wParam the capacity, lParam a buffer of capacity + 1 characters
// for a proposed file name. A page to the reports dialog: wParam 0, lParam int* receiving the
// output kind (0 printer, 1 export, 2 HTML); the answer 1.
#define WM_PAGE_GET_FILENAME 2035
// Reports dialog to its page: lParam int* receiving the printer orientation the page shows,
// applied or not (1 portrait, 2 landscape); the answer 1. Without an answer the report's
// Orientation callback tells.
#define WM_PAGE_GET_ORIENTATION 2039

struct ViewWheelArgs {
    UINT Keys;
    int32_t Delta; // the short wheel delta in a 32-bit slot
    int32_t X;     // the screen point of the wheel message
    int32_t Y;
};

struct ViewContextMenuArgs {
    int32_t X;
    int32_t Y;
};

// Argument of the host command "SendMessageToMainWnd".
struct SendMessageArgs {
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;
};

// Argument of the host command "ShowMenu".
struct ShowMenuArgs {
    int32_t Kind; // 0 or 3: the task context menu
    POINT Point;  // screen coordinates; (-1, -1) = at the cursor
};

typedef int(QV2_CALL* AddViewSettingsPageFn)(ViewSettingsPageRecord* page);
typedef int(QV2_CALL* AddContextMenuItemFn)(ContextMenuItem* item);

// Plug-in entry points, looked up by these names ("QV2Plugin_" + the part after "Plugin").
typedef int(QV2_CALL* QV2Plugin_OnPluginInfoFn)(const wchar_t* hostProductName, const wchar_t* hostProductVersion,
                                                const wchar_t* hostTranslation, HINSTANCE hostResources,
                                                PluginInfo* out);
typedef int(QV2_CALL* QV2Plugin_OnStartFn)(wqv2_data::CData* root);
typedef int(QV2_CALL* QV2Plugin_OnNotifyFn)();                      // OnInitialized, OnRegister, ...
typedef int(QV2_CALL* QV2Plugin_OnIntFn)(int value);                // OnSettingsChanged, OnFileOpened, ...
typedef int(QV2_CALL* QV2Plugin_OnDataChangedFn)(unsigned bits);
typedef int(QV2_CALL* QV2Plugin_OnFilterChangedFn)(bool active);   // only the low byte is defined
typedef int(QV2_CALL* QV2Plugin_MakeTaskVisibleFn)(int32_t a, int32_t b, bool flag);
typedef int(QV2_CALL* QV2Plugin_OnKeyDispatchFn)(UINT virtualKey, UINT modifiers); // 0x10 Alt, 0x20 Ctrl, 0x40 Shift
typedef int(QV2_CALL* QV2Plugin_OnPreCommandFn)(const wchar_t* name, void* argument); // -1: not handled
typedef const wchar_t*(QV2_CALL* QV2Plugin_OnTooltipFn)(const wchar_t* text, INT_PTR a, INT_PTR b);
typedef int(QV2_CALL* QV2Plugin_OnBuildContextMenuFn)(AddContextMenuItemFn add, int kind, int reserved);
typedef int(QV2_CALL* QV2Plugin_OnSettingsDialogInitFn)(HWND dialog, int width, int height,
                                                        AddViewSettingsPageFn add);
typedef int(QV2_CALL* QV2Plugin_OnLoadSettingsFn)(const wchar_t* iniFile);
typedef int(QV2_CALL* QV2Plugin_OnSaveSettingsFn)(const wchar_t* iniFile, bool all);
typedef int(QV2_CALL* QV2Plugin_OnWindowInitFn)(HWND mainFrame, HWND activeView);
typedef int(QV2_CALL* QV2Plugin_OnToolbarInitFn)(void* toolbar);
typedef int(QV2_CALL* QV2Plugin_OnMenuInitFn)(HWND mainFrame, HMENU menu);

// Host functions exported by the viewer program, found by name in the main module.
typedef wchar_t*(QV2_CALL* QV2A_GetSettingFn)(const wchar_t* key, wchar_t* buffer, int16_t size);
typedef int(QV2_CALL* QV2A_SetSettingFn)(const wchar_t* key, const wchar_t* value);
typedef int(QV2_CALL* QV2A_LoadSettingsFn)(const wchar_t* iniFile);
typedef int(QV2_CALL* QV2A_SaveSettingsFn)(const wchar_t* iniFile, bool all);
typedef int(QV2_CALL* QV2A_LoadSettingFn)(const wchar_t* section, const wchar_t* key, const wchar_t* iniFile);
typedef int(QV2_CALL* QV2A_SaveSettingFn)(const wchar_t* section, const wchar_t* key, const wchar_t* iniFile);
typedef int(QV2_CALL* QV2A_OnSettingsChangedFn)(int kind);
typedef int(QV2_CALL* QV2A_OnBeginReportFn)(int output);
typedef int(QV2_CALL* QV2A_OnEndReportFn)();
typedef int(QV2_CALL* QV2A_GetSelectedTasksFn)(TaskOccurrence* out, int* count);
typedef int(QV2_CALL* QV2A_SetSelectedTasksFn)(const TaskOccurrence* entries, int count);
typedef int(QV2_CALL* QV2A_MakeTaskVisibleFn)(int32_t a, int32_t b, bool flag);
typedef int(QV2_CALL* QV2A_OnFileOpenedFn)(int how);
typedef int(QV2_CALL* QV2A_GetCurrentFilterFn)(wqv2_data::CFilter** out);
typedef int(QV2_CALL* QV2A_OnFilterChangedFn)(int value);
typedef const wchar_t*(QV2_CALL* QV2A_OnTooltipFn)(const wchar_t* text, INT_PTR a, INT_PTR b);
typedef int(QV2_CALL* QV2A_RegisterCommandFn)(CommandRegistration* record);
typedef int(QV2_CALL* QV2A_CommandFn)(const wchar_t* name, void* argument);
typedef int(QV2_CALL* QV2A_RegisterFn)(const wchar_t* kind, void* record);
typedef int(QV2_CALL* QV2A_OnBuildContextMenuFn)(AddContextMenuItemFn add, int kind, int reserved);

} // extern "C"

// The layouts are part of the boundary: a change here breaks every plug-in built before it.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(wchar_t) == 2);
static_assert(sizeof(PluginInfo) == 4096);
static_assert(offsetof(PluginInfo, CompanyName) == 512);
static_assert(offsetof(PluginInfo, ProductVersion) == 1024);
static_assert(offsetof(PluginInfo, Description) == 1536);
static_assert(offsetof(PluginInfo, Translation) == 3584);

static_assert(sizeof(CommandRegistration) == 2568);
static_assert(offsetof(CommandRegistration, Description) == 512);
static_assert(offsetof(CommandRegistration, Execute) == 2560);
static_assert(offsetof(CommandRegistration, Update) == 2564);

static_assert(sizeof(ReportRegistration) == 2592);
static_assert(offsetof(ReportRegistration, Print) == 2560);
static_assert(offsetof(ReportRegistration, Export) == 2564);
static_assert(offsetof(ReportRegistration, Html) == 2568);
static_assert(offsetof(ReportRegistration, Orientation) == 2572);
static_assert(offsetof(ReportRegistration, SetFilter) == 2576);
static_assert(offsetof(ReportRegistration, Flags) == 2580);
static_assert(offsetof(ReportRegistration, CreatePage) == 2584);
static_assert(offsetof(ReportRegistration, Group) == 2588);
static_assert(offsetof(ReportRegistration, Reserved) == 2590);

static_assert(sizeof(OptionPageRegistration) == 2564);
static_assert(offsetof(OptionPageRegistration, CreatePage) == 2560);

static_assert(sizeof(PageRecord) == 516);
static_assert(offsetof(PageRecord, Title) == 4);
static_assert(sizeof(ReportPageRecord) == 1028);
static_assert(offsetof(ReportPageRecord, Caption) == 4);
static_assert(offsetof(ReportPageRecord, Caption2) == 516);

static_assert(offsetof(ViewRegistration, Window) == 0);

static_assert(sizeof(ViewSettingsPageRecord) == 1540);
static_assert(offsetof(ViewSettingsPageRecord, Page) == 512);
static_assert(offsetof(ViewSettingsPageRecord, Category) == 516);
static_assert(offsetof(ViewSettingsPageRecord, Item) == 1028);

static_assert(sizeof(ContextMenuItem) == 528);
static_assert(offsetof(ContextMenuItem, Text) == 4);
static_assert(offsetof(ContextMenuItem, Flags) == 516);
static_assert(offsetof(ContextMenuItem, A) == 520);
static_assert(offsetof(ContextMenuItem, B) == 524);

static_assert(sizeof(SendMessageArgs) == 12);
static_assert(sizeof(ViewWheelArgs) == 16);
static_assert(sizeof(ViewContextMenuArgs) == 8);
static_assert(sizeof(ShowMenuArgs) == 12);
static_assert(offsetof(ShowMenuArgs, Point) == 4);
static_assert(sizeof(TaskOccurrence) == 8);
static_assert(offsetof(TaskOccurrence, day) == 0 && offsetof(TaskOccurrence, task) == 4);
#endif
