#pragma once
// Identifiers of the viewer's paged dialogs (options, view settings, reports) inside the
// resource library QV2ResV: templates, controls and strings. Included by QV2ResVIds.h, so
// QV2ResVDialogs.rc and the viewer's code see them; #defines only.

// ---- Controls every paged dialog has
#define IDC_PAGE_AREA 1005                 // placeholder: pages are placed at its top-left corner
#define IDC_NO_PAGE 1128                   // text shown while no page is shown

// ---- Options dialog (file options, administration, report options)
#define IDD_OPTIONS 30781
#define IDC_OPTIONS_LIST 1004              // list box of the pages, in list order (not sorted)
#define IDS_OPTIONS_CAPTION_FILE 12600
#define IDS_OPTIONS_CAPTION_ADMINISTRATION 12601
#define IDS_OPTIONS_CAPTION_REPORTS 12602

// ---- View-settings dialog
#define IDD_VIEW_SETTINGS 131
#define IDC_VIEW_SETTINGS_TREE 1017

// ---- Reports dialog
#define IDD_REPORTS 198
#define IDC_REPORTS_TREE 1000
#define IDC_REPORTS_PRINT_SETUP 1007
#define IDC_REPORTS_PRINT 1013             // print at once
#define IDC_REPORTS_RUN 1014               // preview, export or HTML by the output kind
#define IDC_REPORTS_OPTIONS_BUTTON 1169    // the report options dialog; hidden by the template
#define IDC_REPORTS_OUTPUT_PRINTER 1357    // first of the three output radio buttons
#define IDC_REPORTS_OUTPUT_EXPORT 1358
#define IDC_REPORTS_OUTPUT_HTML 1359
#define IDS_REPORTS_EXPORT_DEFAULT_NAME 12300  // file name when the page proposes none usable
#define IDS_REPORTS_EXPORT_EXTENSION 12301     // dot included
#define IDS_REPORTS_EXPORT_FILTER 12302        // "|"-separated pairs of the save dialog
#define IDS_REPORTS_EXPORT_TITLE 12303
#define IDS_REPORTS_HTML_DEFAULT_NAME 12310
#define IDS_REPORTS_HTML_EXTENSION 12311
#define IDS_REPORTS_HTML_FILTER 12312
#define IDS_REPORTS_HTML_TITLE 12313
#define IDS_REPORTS_RUN_PRINTER 12320          // captions of the run button by output kind
#define IDS_REPORTS_RUN_EXPORT 12321
#define IDS_REPORTS_RUN_HTML 12322
#define IDS_FILE_NAME_BAD_CHARS 850            // a proposed file name with one is not used
#define IDS_HTML_FILE_NAME_RULES 855           // TAB-separated: a character, then its replacement
