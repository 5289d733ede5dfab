#pragma once
// Identifiers of the report plug-in's resources inside the viewer's resource library QV2ResV:
// strings, the option-page templates with their controls, the period menu and the pictures.
// Included by QV2ResVReports.rc and by the plug-in's code; #defines only.

// ---- Strings: the plug-in and its reports (a report's description is its name + 1)
#define IDS_REPORTS_PLUGIN_DESCRIPTION 40000
#define IDS_REPORT_DATETIME_FORMAT 40020     // %s date, %s time
#define IDS_REPORT_HOLIDAYS 40100
#define IDS_REPORT_HOLIDAYS_DESCRIPTION 40101
#define IDS_REPORT_RESOURCES 40200
#define IDS_REPORT_RESOURCES_DESCRIPTION 40201
#define IDS_REPORT_CALENDARS 40235
#define IDS_REPORT_CALENDARS_DESCRIPTION 40236
#define IDS_REPORT_FILTERS 40300
#define IDS_REPORT_FILTERS_DESCRIPTION 40301
#define IDS_REPORT_TASK_LIST 40400
#define IDS_REPORT_TASK_LIST_DESCRIPTION 40401
#define IDS_REPORT_TASKS_BY_RESOURCE 40500
#define IDS_REPORT_TASKS_BY_RESOURCE_DESCRIPTION 40501
#define IDS_REPORT_SCHEDULE 40600
#define IDS_REPORT_SCHEDULE_DESCRIPTION 40601

// ---- Strings: value formats (argument lists in the comments)
#define IDS_DURATION_DAYS_HOURS_MINUTES 1220 // %d days, %d hours, %d minutes
#define IDS_DURATION_HOURS_MINUTES 1221      // %d hours, %d minutes
#define IDS_DURATION_CLOCK 1222              // %d hours, %d minutes as h:mm
#define IDS_DURATION_DECIMAL_DAYS 1223       // one double
#define IDS_DURATION_DECIMAL_HOURS 1224      // one double
#define IDS_DURATION_MINUTES 1225            // %d minutes
#define IDS_COSTS_FORMAT_CURRENCY 1240       // %d decimals; gives a format of (double, currency)
#define IDS_COSTS_FORMAT_PLAIN 1241          // %d decimals; gives a format of (double)

// ---- Strings: texts of report outputs
#define IDS_REPORT_CONTINUED 9501            // follows a name repeated on a following page
#define IDS_REPORT_NO_FILTERS 9511
#define IDS_REPORT_NO_FILTER_NAME 9520       // the filter name when no filter is active
#define IDS_REPORT_ORIENTATION 10150         // options-tree group of the printer orientation
#define IDS_REPORT_PORTRAIT 10151
#define IDS_REPORT_LANDSCAPE 10152
#define IDS_PRINT_FOOTER_LEFT 10180          // placeholders of the printed footer
#define IDS_PRINT_FOOTER_RIGHT 10181
#define IDS_MSG_REPORT_FILE_FAILED 10200     // %s: the path of the output file
#define IDS_HTML_FOOTER_FORMAT 10330         // placeholders of the HTML footer
#define IDS_PRINT_FONT_FACE 10500            // default font face of printed reports
#define IDS_CAPTION_PERIOD 38000             // label of the period line
#define IDS_PERIOD_DAYS 38001                // %s first day, %s last day
#define IDS_PERIOD_DATE_TIMES 38002          // %s start date, %s start time, %s end date, %s end time
#define IDS_CAPTION_FILTER 38020             // label of the filter line

// ---- Strings: the filters report
#define IDS_FILTERS_PAGE_CATEGORY 40304
#define IDS_FILTERS_PAGE_TITLE 40305
#define IDS_FILTERS_DEFAULT_TITLE 40306
#define IDS_FILTERS_COLUMN_NAME 40315
#define IDS_FILTERS_COLUMN_RESOURCES 40316
#define IDS_FILTERS_GROUP_RESOURCE 40317
#define IDS_FILTERS_GROUP_TASK 40318
#define IDS_FILTERS_COLUMN_NAME_PART 40319
#define IDS_FILTERS_COLUMN_NOTE_PART 40320
#define IDS_FILTERS_EXPORT_RESOURCE_NAME 40321
#define IDS_FILTERS_EXPORT_RESOURCE_NOTE 40322
#define IDS_FILTERS_EXPORT_TASK_NAME 40323
#define IDS_FILTERS_EXPORT_TASK_NOTE 40324
#define IDS_FILTERS_ALL_RESOURCES 40330

// ---- Strings shared with the viewer's dialogs: working-time lists and grid column names
#define IDS_WORKING_TIME_RANGE 13026         // %s start time, %s end time
#define IDS_WORKING_TIME_JOIN 13027
#define IDS_WORKING_TIME_NONE 13030
#define IDS_COLUMN_RESOURCE 23250
#define IDS_COLUMN_TASK 23251
#define IDS_COLUMN_START 23252
#define IDS_COLUMN_END 23253
#define IDS_COLUMN_DURATION 23254
#define IDS_COLUMN_WORKING_TIME 23255
#define IDS_COLUMN_COSTS 23256
#define IDS_COLUMN_NOTE 23260

// ---- Option pages of the reports (child dialogs in the reports dialog)
#define IDD_REPORT_PAGE_PERIOD 146           // title, orientation and a period
#define IDD_REPORT_PAGE_LIST 30788           // title and orientation (resources, filters)
#define IDC_REPORT_TITLE 1001
#define IDC_REPORT_PERIOD 1015               // "RKCC2DatePeriod"
#define IDC_REPORT_OPTIONS 1022              // "RKCC2OptionsTree"
#define IDC_REPORT_PERIOD_BUTTON 1143

// ---- Ready-made periods of the period button
#define IDR_MENU_REPORT_PERIOD 135
#define IDM_PERIOD_PROJECT 32942
#define IDM_PERIOD_VIEW 32943
#define IDM_PERIOD_MONTH 32944
#define IDM_PERIOD_YEAR 32945
#define IDM_PERIOD_TODAY 40046

// ---- Pictures
#define IDB_REPORT_OPTIONS_GROUP 129         // heading image of the options tree, 16 pixels wide
#define IDI_REPORT_PERIOD 157                // image of the period button, 16 by 16

#include "QV2ResVReportListsIds.h"
#include "QV2ResVReportHolidaysIds.h"
#include "QV2ResVReportCalendarsIds.h"
#include "QV2ResVReportResourcesIds.h"
#include "QV2ResVReportScheduleIds.h"
