#pragma once
// Identifiers of the viewer's dialogs on project data (filters, time bar and scales, schedule
// format) inside the resource library QV2ResV: templates, controls and strings. Included by
// QV2ResVIds.h, so QV2ResVDialogs2.rc and the viewer's code see them; #defines only.

// ---- Filter dialog
#define IDD_FILTER 1592
#define IDC_FILTER_NAME 1003
#define IDC_FILTER_RESOURCES 1004          // check list: checked resources are shown
#define IDC_FILTER_RESOURCE_NAME 1016
#define IDC_FILTER_RESOURCE_NOTE 1017
#define IDC_FILTER_TASK_NAME 1018
#define IDC_FILTER_TASK_NOTE 1019
#define IDS_MSG_FILTER_NAME_EMPTY 13275
#define IDS_MSG_FILTER_NAME_TAKEN 13276
#define IDS_FILTER_CAPTION_NEW 13290
#define IDS_FILTER_CAPTION_EDIT 13291
#define IDS_FILTER_AUTO_NAME 13292         // %d: the number of the generated name

// ---- Filters dialog
#define IDD_FILTERS 1593
#define IDC_FILTERS_NEW 1003
#define IDC_FILTERS_LIST 1004
#define IDC_FILTERS_EDIT 1006
#define IDC_FILTERS_ACTIVATE 1022
#define IDC_FILTERS_DELETE 1050

// ---- Time bar dialog and the time-scale presets
#define IDD_TIMEBAR 130
#define IDC_TIMEBAR_WEEKDAYS 1002          // check group, display order
#define IDC_TIMEBAR_SCALE 1010
#define IDC_TIMEBAR_DATES 1015             // date period
#define IDC_TIMEBAR_TIMES 1062             // time period
#define IDS_TIMEBAR_DATE_FROM 12000
#define IDS_TIMEBAR_DATE_TO 12001
#define IDS_TIMEBAR_TIME_FROM 12004
#define IDS_TIMEBAR_TIME_TO 12005
#define IDS_SCALE_FIRST 13400              // texts of the 16 presets, 13400..13415
#define IDS_MSG_NO_WEEKDAY 13620

// ---- Schedule format dialog
#define IDD_SCHEDULE_FORMAT 117
#define IDC_FORMAT_TEXT_ORIENTATION 1007
#define IDC_FORMAT_WEEKDAY 1011
#define IDC_FORMAT_WEEKDAY_COLOR 1032
#define IDC_FORMAT_HOLIDAY_COLOR 1033
#define IDC_FORMAT_NONWORKING_COLOR 1034
#define IDC_FORMAT_GRID_VERTICAL 1075
#define IDS_TEXT_ORIENTATION_FIRST 22520   // the six placements of task texts, 22520..22525

// ---- Freeze dialog
#define IDD_FREEZE 106
#define IDC_FREEZE_COUNT 1025              // whole-number edit

// ---- Holidays dialog
#define IDD_HOLIDAYS 1587
#define IDC_HOLIDAYS_LIST 1004             // owner-drawn list view in report view
#define IDC_HOLIDAYS_YEAR 1018             // whole-number edit
#define IDS_HOLIDAYS_DATE 12795            // column headings
#define IDS_HOLIDAYS_NAME 12796

// ---- Single-setting dialog
#define IDD_SETTING 1584
#define IDC_SETTING_VALUE 1014
#define IDC_SETTING_SHOW 1052              // shows the current value and copies it
#define IDC_SETTING_NAME 1171

// ---- About dialog (template IDD_ABOUT with its product line IDC_ABOUT_TEXT)
#define IDC_ABOUT_LINK 1000                // opens IDS_PRODUCT_LINK; hidden while that is empty
#define IDC_ABOUT_SECOND_TEXT 1197
#define IDC_ABOUT_INFO 1172                // the information dialog
#define IDS_PRODUCT_LINK 153

// ---- Date selector (a pop-up month calendar)
#define IDD_DATE_SELECTOR 129
#define IDC_DATE_SELECTOR_CALENDAR 1000

// ---- Calendars dialog
#define IDD_CALENDARS 30787
#define IDC_CALENDARS_LIST 1004
#define IDC_CALENDARS_OPEN 1084
