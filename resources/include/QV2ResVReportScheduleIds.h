#pragma once
// Identifiers of the schedule chart report's resources in the viewer's resource library: the
// strings of its page and chart, and its option page with the controls. #defines only.

// ---- Strings: the option page (category and title of the page, default report title, units)
#define IDS_SCHEDULE_PAGE_CATEGORY 40604
#define IDS_SCHEDULE_PAGE_TITLE 40605
#define IDS_SCHEDULE_DEFAULT_TITLE 40606
#define IDS_SCHEDULE_UNIT_CM 40620
#define IDS_SCHEDULE_UNIT_INCH 40621
#define IDS_OPTIONS_FILL_PAGES 40074       // options-tree item of the printer's further options

// ---- Strings: the chart
#define IDS_SCHEDULE_FONT_FACE 21100       // default font face of the HTML chart
#define IDS_TIMEBAR_WEEK_NUMBER 14000      // %d: ISO week number
#define IDS_TIMEBAR_WEEK_DAYS 14001        // %s first day, %s last day of the week
#define IDS_TIMEBAR_WEEK_NUMBER_DAYS 14002 // %d week number, %s first day, %s last day
#define IDS_TIMEBAR_MONTH_PICTURE 14003    // date picture of a month cell
#define IDS_TIMEBAR_MONTH_PICTURE_SHORT 14004 // shorter picture of a month cell too narrow for 14003
#define IDS_TIMEBAR_MONTH_PICTURE_SHORTEST 14005 // shortest, where 14004 does not fit either
// %s page path, %d pixels a picture, %d line height, %d widest picture, %d label column, %d column
#define IDS_SCHEDULE_HTML_NO_COLUMN 40630

// ---- The option page (a child dialog in the reports dialog)
#define IDD_REPORT_PAGE_SCHEDULE 30789
#define IDC_SCHEDULE_PERIOD_VIEW 1034      // first of three radio buttons: view period,
#define IDC_SCHEDULE_PERIOD_CURRENT 1035   // current view,
#define IDC_SCHEDULE_PERIOD_FIXED 1036     // fixed period (the dates of IDC_REPORT_PERIOD)
// The printer group: "Scale: [1037] % wide [1038] % high", "Label column: [1045] cm".
#define IDC_SCHEDULE_SCALE_LABEL 1039
#define IDC_SCHEDULE_SCALE_WIDTH 1037      // "RKCC2LongEdit", percent
#define IDC_SCHEDULE_WIDTH_UNIT 1040
#define IDC_SCHEDULE_SCALE_HEIGHT 1038     // "RKCC2LongEdit", percent
#define IDC_SCHEDULE_HEIGHT_UNIT 1041
#define IDC_SCHEDULE_NAME_WIDTH_LABEL 1042
#define IDC_SCHEDULE_NAME_WIDTH 1045       // "RKCC2DoubleEdit", centimetres or inches
#define IDC_SCHEDULE_NAME_WIDTH_UNIT 1044  // string 40620 or 40621
// The HTML group: "Label column: [1048] pixels".
#define IDC_SCHEDULE_HTML_NAME_WIDTH_LABEL 1046
#define IDC_SCHEDULE_HTML_NAME_WIDTH 1048  // "RKCC2LongEdit", pixels
#define IDC_SCHEDULE_HTML_NAME_WIDTH_UNIT 1047
