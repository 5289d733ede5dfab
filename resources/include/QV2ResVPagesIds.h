#pragma once
// Identifiers of the viewer's own option pages inside the resource library QV2ResV: the report
// printer and export pages, the view-settings pages (start-up files, grid columns) and the sort
// dialog. Included by QV2ResVIds.h, so QV2ResVPages.rc and the viewer's code see them; #defines
// only. The printer and export pages' templates and controls are named in QV2ResVIds.h.

// ---- Printer and export pages
#define IDS_PAGE_UNIT_PLACEHOLDER 129      // in the margins group's caption, replaced by the unit
#define IDS_PAGE_UNIT_CM 5100
#define IDS_PAGE_UNIT_INCH 5101
#define IDS_EXPORT_ENCODING_UNICODE 12400  // index 0 of the encoding combo box
#define IDS_EXPORT_ENCODING_CODEPAGE 12401 // index 1

// ---- Start-up files page
#define IDD_PAGE_FILES 30783
#define IDC_FILES_OPEN_LAST 1027
#define IDC_FILES_SCROLL_TODAY 1028
#define IDS_PAGE_FILES_NAME 14100
#define IDS_PAGE_FILES_CATEGORY 14101
#define IDS_PAGE_FILES_ITEM 14102

// ---- Grid columns page
#define IDD_PAGE_GRID 30814
#define IDC_GRID_COLUMNS 1004              // check list: one row per column, item data the id
#define IDC_GRID_SORT 1146                 // opens the sort dialog
#define IDS_PAGE_GRID_NAME 14150
#define IDS_PAGE_GRID_CATEGORY 14151
#define IDS_PAGE_GRID_ITEM 14152
#define IDS_GRID_SORT_CAPTION 14156        // caption of the sort dialog's list
#define IDS_MSG_GRID_NO_COLUMN 14160       // no placeholder

// ---- Sort dialog
#define IDD_SORT 153
#define IDC_SORT_LIST 1144                 // sortable list
#define IDC_SORT_BY_NAME 1145              // shows IDI_SORT_BY_NAME
#define IDI_SORT_BY_NAME 168               // 32 x 32
