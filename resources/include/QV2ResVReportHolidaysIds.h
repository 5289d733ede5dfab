#pragma once
// Identifiers of the holidays report's strings in the viewer's resource library. #defines only.

#define IDS_HOLIDAYS_PAGE_CATEGORY 40104
#define IDS_HOLIDAYS_PAGE_TITLE 40105
#define IDS_HOLIDAYS_DEFAULT_TITLE 40106
#define IDS_HOLIDAYS_COLUMN_DATE 40115       // spans the weekday and the date
#define IDS_HOLIDAYS_COLUMN_NAME 40116
