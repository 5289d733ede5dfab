// Resource identifiers of the window-controls library; read by windres and by the code alike.
#pragma once

// Display strings (the resource module given to rkcc2_setappreshandle may override each).
#define IDS_CAL_TODAY 5001
#define IDS_CAL_MONTH 5002
#define IDS_CAL_YEAR 5003
#define IDS_CHECKLIST_SELECTALL 5004
#define IDS_CHECKLIST_NONE 5005
#define IDS_CAL_WEEK 5006
#define IDS_CHECKGROUP_SELECTALL 5007
#define IDS_CHECKGROUP_CLEARALL 5008
#define IDS_CAL_CAPTION 5010

// Pictures.
#define IDB_CHECKTREE_STATES 2000
#define IDB_OPTIONSTREE_IMAGES 2001
#define IDB_DATEEDIT_DROPDOWN 2003
#define IDB_CHECKGROUP_MARKS 2004

#define IDC_HAND_CURSOR 2002

// Pop-up menu of the check group.
#define IDR_POPUP_CHECKGROUP 2005
#define IDM_CHECKGROUP_SELECTALL 32771
#define IDM_CHECKGROUP_CLEARALL 32772

// Drop-down calendar of the date edit.
#define IDD_CALENDAR_DROPDOWN 2006
#define IDC_CALENDAR_DROPDOWN_CAL 2001
