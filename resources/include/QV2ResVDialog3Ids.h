#pragma once
// Identifiers of the viewer's calendar and information dialogs inside the resource library
// QV2ResV: templates, controls and strings. Included by QV2ResVIds.h, so QV2ResVDialogs3.rc and
// the viewer's code see them; #defines only.

// ---- Calendar dialog (one calendar, read-only)
#define IDD_CALENDAR 136
#define IDC_CALENDAR_MONTH 1000                   // month calendar
#define IDC_CALENDAR_NAME 1003
#define IDC_CALENDAR_TIMES_FIRST 1009             // 1009..1015 weekdays in display order, 1016 holidays
#define IDC_CALENDAR_TIMES_HOLIDAYS 1016
#define IDC_CALENDAR_HOLIDAY_RULE 1017            // combo: IDS_CALENDAR_RULE_* in this order
#define IDC_CALENDAR_WEEKDAY_FIRST 1018           // 1018..1024 weekday captions in display order
#define IDC_CALENDAR_DAY_TIMES 1033               // working times of the selected day
#define IDC_CALENDAR_SEPARATOR_TIMES 1034
#define IDC_CALENDAR_SEPARATOR_LEGEND 1035
#define IDC_CALENDAR_DAY_TEXT 1037                // weekday, date and holiday of the selected day
#define IDC_CALENDAR_SWATCH_WORKING 1038
#define IDC_CALENDAR_SWATCH_DAY_OFF 1039
#define IDC_CALENDAR_SWATCH_WORKING_EXCEPTION 1040
#define IDC_CALENDAR_SWATCH_DAY_OFF_EXCEPTION 1041
#define IDS_CALENDAR_WEEKDAY_CAPTION 13020        // %s: the weekday's full name
#define IDS_CALENDAR_RULE_DAY_OFF 13021
#define IDS_CALENDAR_RULE_IGNORED 13022
#define IDS_CALENDAR_RULE_LIST 13023
#define IDS_CALENDAR_DAY 13024                    // %s weekday, %s date
#define IDS_CALENDAR_DAY_HOLIDAY 13025            // %s weekday, %s date, %s holiday

// ---- Information dialog (three pages: folders and files, system, modules)
#define IDD_INFO 30782
#define IDC_INFO_PAGES 1004                       // list box of the page titles
#define IDC_INFO_SYSTEM 1177                      // list views in report view, one per page
#define IDC_INFO_FOLDERS 1179
#define IDC_INFO_MODULES 1180
#define IDC_INFO_SAVE 1174
#define IDS_INFO_PAGE_FOLDERS 12100
#define IDS_INFO_PAGE_SYSTEM 12101
#define IDS_INFO_PAGE_MODULES 12102
#define IDS_INFO_COLUMN_MODULE 12103
#define IDS_INFO_COLUMN_VERSION 12104
#define IDS_INFO_COLUMN_DATE 12105
#define IDS_INFO_COLUMN_SIZE 12106
#define IDS_INFO_COLUMN_PATH 12107
#define IDS_INFO_COLUMN_ITEM 12115                // system page
#define IDS_INFO_COLUMN_VALUE 12116
#define IDS_INFO_COLUMN_ENTRY 12125               // folders page
#define IDS_INFO_COLUMN_FOLDER 12126
#define IDS_INFO_SYSTEM 12140
#define IDS_INFO_LANGUAGE 12141
#define IDS_INFO_DATE_FORMAT 12142
#define IDS_INFO_DATE_FORMAT_VALUE 12143          // %s setting, %s locale picture
#define IDS_INFO_TIME_FORMAT 12144
#define IDS_INFO_TIME_FORMAT_VALUE 12145          // %s setting, %s picture, %s AM, %s PM, %s specifier
#define IDS_INFO_DECIMAL 12146
#define IDS_INFO_MEASURE 12147
#define IDS_INFO_COMMAND_LINE 12148
#define IDS_INFO_PROGRAM_FOLDER 12170
#define IDS_INFO_SETTINGS_FOLDER 12172
#define IDS_INFO_SETTINGS_FILE 12173
#define IDS_INFO_PLUGIN_FOLDER 12174
#define IDS_INFO_FILE_SIZE 12190                  // %d kilobytes, %s bytes
#define IDS_INFO_FILE_EXTENSION 12210
#define IDS_INFO_FILE_FILTER 12211
#define IDS_INFO_FILE_TITLE 12212
#define IDS_MSG_INFO_NOT_SAVED 12213              // %s: the path
#define IDS_INFO_FILE_HEAD 12214                  // %s application title, %s date, %s time
#define IDS_INFO_FILE_PAGE 12215                  // %s: the page title
#define IDS_INFO_FILE_DEFAULT_NAME 12216
