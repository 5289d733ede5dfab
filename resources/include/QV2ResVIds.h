#pragma once
// Identifiers of the viewer's resource library QV2ResV: strings, menus, the tool bar, icons and
// dialog templates. Included by QV2ResV.rc and by the code that loads them; #defines only, so
// windres and the compiler read it alike.

#include "QV2ResVDialogIds.h"
#include "QV2ResVPagesIds.h"

// ---- Strings: start-up, libraries, files
#define IDS_TASK_CLIPBOARD_FORMAT 150   // name of the private clipboard format of task records
#define IDS_PRODUCT_NAME 151
#define IDS_COPYRIGHT 152
#define IDS_LIB_CONTROLS 170            // file name of the window-controls library
#define IDS_LIB_PRINTENGINE 171         // file name of the print engine
#define IDS_LIB_DATA 172                // file name of the data library
#define IDS_PLUGIN_REQUIRED 173         // file name of the required plug-in (board view)
#define IDS_PLUGIN_OPTIONAL 175         // file name of the optional plug-in (reports)
#define IDS_SETTINGS_FOLDER 180         // settings subfolder of the program folder
#define IDS_PLUGIN_FOLDER 181           // plug-in subfolder of the program folder
#define IDS_SETTINGS_EXTENSION 185      // extension of settings text files, dot included
#define IDS_PLUGIN_EXTENSION 186        // extension of plug-ins found by the search, dot included
#define IDS_OPEN_FILTER 207             // file-type filter of the open dialog ("|" separated)
#define IDS_OPEN_DEFAULT_EXT 208
#define IDS_TITLE_NO_FILE 230
#define IDS_TITLE_FORMAT 232            // %s: the project path or IDS_TITLE_NO_FILE

// ---- Strings: messages (each with one %s unless noted)
#define IDS_MSG_FILE_MISSING 900
#define IDS_MSG_RELOAD_FAILED 903       // no placeholder
#define IDS_MSG_OPEN_FAILED 904
#define IDS_MSG_NOT_A_PROJECT 905
#define IDS_MSG_OPENED_READ_ONLY 906
#define IDS_MSG_SAVE_FAILED 907
#define IDS_MSG_NEEDS_NEWER_LIBRARY 908
#define IDS_MSG_NO_PROJECT_OPEN 909     // no placeholder
#define IDS_MSG_READ_ERROR 910
#define IDS_MSG_WRITE_ERROR 911
#define IDS_MSG_FOLDER_NOT_FILE 912
#define IDS_MSG_FILE_LOCKED 913
#define IDS_MSG_IMPORT_FAILED 914
#define IDS_MSG_OLDER_VERSION 915
#define IDS_MSG_FILE_DIALOG_FAILED 916  // %04X: the dialog's error code (fw::kFileDialogFailedMessageId)
#define IDS_MSG_SETTINGS_TEXT_NOT_HELD 928 // the 8-bit initialization file, which kept the earlier values
#define IDS_MSG_SETTINGS_PATH_TOO_LONG 929 // the setting that names the file
#define IDS_MSG_SETTINGS_NOT_SAVED 930 // the initialization file, left as it was
#define IDS_MSG_DEVICE_NOT_FILE 931
#define IDS_MSG_NO_MEMORY_OPEN 932     // %s: the project file
#define IDS_MSG_NO_MEMORY 933          // no placeholder (fw::kNoMemoryMessageId)
#define IDS_MSG_PROJECT_CLOSED 934     // no placeholder; follows the reason an open or reload failed
#define IDS_MSG_TOO_LARGE 935          // %s: the project file
#define IDS_MSG_LIBRARY_NOT_LOADED 1100
#define IDS_MSG_LIBRARY_REFUSED 1101
#define IDS_COPY_SUFFIX 12010           // appended to the name of a copied filter
#define IDS_PAGE_PRINTER_NAME 12350
#define IDS_PAGE_PRINTER_TITLE 12351
#define IDS_PAGE_EXPORT_NAME 12357
#define IDS_PAGE_EXPORT_TITLE 12358
#define IDS_MSG_DATE_OUT_OF_RANGE 12450 // no placeholder
#define IDS_ABOUT_FORMAT 12555          // %s product name, %s version
#define IDS_MSG_DELETE_FILTER 13285
#define IDS_MSG_REPORT_FAILED 20150     // no placeholder
#define IDS_MSG_REPORT_UNKNOWN 20151
#define IDS_APP_TITLE 57344
#define IDS_IDLE_MESSAGE 57345          // status-bar text while no command is pointed at
#define IDS_SETTINGS_ROOT 57348         // registry key of the application profile
#define IDS_MSG_PREVIEW_FAILED 61705    // no placeholder

// ---- Menus, accelerators, icon and tool bar
#define IDR_MAINFRAME 128               // main menu, accelerators and program icon
#define IDR_MENU_TIMEBAR 104            // drop-down of tool-bar button 32773
#define IDR_MENU_FILTER 130             // drop-down of tool-bar button 32781
#define IDR_MENU_CONTEXT 132            // task context menu
#define IDR_TOOLBAR_MAIN 32001          // tool-bar layout and its bitmap strip

// ---- Print preview: the bar (a child dialog), its buttons and their icons
#define IDD_PREVIEW_BAR 149
#define IDC_PREVIEW_PAGES 1047          // page counter "page/pages"
#define IDM_PREVIEW_FIRST 31119
#define IDM_PREVIEW_LAST 31120
#define IDM_PREVIEW_CLOSE 58112
#define IDM_PREVIEW_NEXT 58114
#define IDM_PREVIEW_PREV 58115
#define IDM_PREVIEW_PRINT 58116
#define IDM_PREVIEW_ZOOM_IN 58117
#define IDM_PREVIEW_ZOOM_OUT 58118
#define IDI_PREVIEW_PRINT 150
#define IDI_PREVIEW_NEXT 151
#define IDI_PREVIEW_PREV 158
#define IDI_PREVIEW_ZOOM_IN 161
#define IDI_PREVIEW_ZOOM_OUT 162
#define IDI_PREVIEW_LAST 165
#define IDI_PREVIEW_FIRST 166

// ---- Dialog templates
#define IDD_ABOUT 100
#define IDC_ABOUT_TEXT 1195
#define IDD_PAGE_PRINTER 30812
#define IDD_PAGE_EXPORT 30813
#define IDC_PRINTER_MARGIN_LEFT 1014
#define IDC_PRINTER_MARGIN_BOTTOM 1016
#define IDC_PRINTER_MARGIN_RIGHT 1017
#define IDC_PRINTER_MARGINS_GROUP 1021
#define IDC_PRINTER_FONT 1026
#define IDC_PRINTER_MARGIN_TOP 1030
#define IDC_PRINTER_HEADER 1139
#define IDC_PRINTER_FOOTER 1140
#define IDC_PRINTER_MARGINS_MINIMAL 1141
#define IDC_EXPORT_ENCODING 1076
#define IDC_EXPORT_REPLACEMENT 1082
#define IDC_EXPORT_REPLACE 1083

// ---- Commands (menus, tool bar, accelerators share one block)
#define IDM_VIEW_ZOOM_BOX 100           // control id of the zoom combo box on the tool bar
#define IDM_FILE_RELOAD 103
#define IDM_SCALE_FIRST 750             // time-scale presets 750..775
#define IDM_FILTER_FIRST 800            // filter list 800..850
#define IDM_GRID_SORT_FIRST 9000        // grid sort 9000..9007
#define IDM_VIEW_GOTO_DATE 32670
#define IDM_NOTHING 32770
#define IDM_EDIT_SETTING 32772
#define IDM_VIEW_TIMEBAR 32773
#define IDM_VIEW_ZOOM_IN 32775
#define IDM_VIEW_ZOOM_OUT 32776
#define IDM_TOOLS_HOLIDAYS 32777
#define IDM_VIEW_ZOOM_PLACEHOLDER 32778
#define IDM_FILTER_EDIT 32781
#define IDM_FILTER_ON_OFF 32783
#define IDM_FILTER_LIST 32784
#define IDM_EDIT_SELECT_LISTED 32792
#define IDM_VIEW_FOCUS_VIEW 32791
#define IDM_VIEW_SETTINGS 32801
#define IDM_TOOLS_REPORTS 32818
#define IDM_FILE_OPTIONS 32821
#define IDM_TOOLS_ADMINISTRATION 32822
#define IDM_VIEW_FREEZE 32925
#define IDM_VIEW_UNFREEZE 32926
#define IDM_VIEW_FREEZE_TOGGLE 32927
#define IDM_TOOLS_CALENDARS 32929
#define IDM_VIEW_SCHEDULE_FORMAT 32936
#define IDM_FILE_OPEN 57601
#define IDM_FILE_PRINT 57607
#define IDM_FILE_RECENT_FIRST 57616     // recent files 57616..57631
#define IDM_EDIT_COPY 57634
#define IDM_HELP_ABOUT 57664
#define IDM_APP_EXIT 57665

// ---- Dialogs on project data (filters, time bar, schedule format, calendars, holidays, ...)
#include "QV2ResVDialog2Ids.h"

// ---- Calendar and information dialogs
#include "QV2ResVDialog3Ids.h"
