#pragma once
// Identifiers of the calendars report's strings and page control in the viewer's resource
// library. #defines only.

#define IDS_OPTIONS_FURTHER 40073             // options-tree group of further options (also the chart's)
#define IDS_CALENDARS_PAGE_HEADING 40086     // %s: the calendar's name
#define IDS_CALENDARS_INDEX_HEADING 40092
#define IDS_CALENDARS_PAGE_CATEGORY 40240
#define IDS_CALENDARS_PAGE_TITLE 40241
#define IDS_CALENDARS_DEFAULT_TITLE 40242
#define IDS_CALENDARS_PERIOD_HINT 40243
#define IDS_CALENDARS_CHECK_EXCEPTIONS 40244
#define IDS_CALENDARS_COLUMN_CALENDAR 40250
#define IDS_CALENDARS_COLUMN_HOLIDAYS 40251
#define IDS_CALENDARS_COLUMN_DATE 40252
#define IDS_CALENDARS_COLUMN_WORKING_TIMES 40253
#define IDS_CALENDARS_HOLIDAYS 40254
#define IDS_CALENDARS_HOLIDAYS_IGNORED 40255
#define IDS_CALENDARS_LABEL 40256            // %s: a weekday name or the holidays text
#define IDS_CALENDARS_WORKING_TIMES 40260
#define IDS_CALENDARS_EXCEPTIONS_PERIOD 40261 // %s first day, %s last day
#define IDS_CALENDARS_EXPORT_EXCEPTIONS 40276
#define IDS_CALENDARS_CAPTION 40280          // label of the printed caption line

#define IDC_REPORT_PAGE_HINT 1077            // a line of text on the period page
