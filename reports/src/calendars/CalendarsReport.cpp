// Calendars report: the registered callbacks. The report takes the shared filter callback but lists
// every calendar.
#include "calendars/CalendarsReport.h"

#include "calendars/CalendarsDlg.h"
#include "calendars/CalendarsExport.h"
#include "calendars/CalendarsHtml.h"
#include "calendars/CalendarsPrint.h"

#include "plugin/ReportCallbacks.h"

#include "QV2ResVReportIds.h"

namespace {

int QV2_CALL Orientation()
{
    return GetReportOrientation(L"ReportsCalendars", 1);
}

const wchar_t* const kMoreKeys[] = {L"ReportsCalendarsListExceptions", nullptr};

const ReportDefinition kCalendars{IDS_REPORT_CALENDARS, L"ReportsCalendars", 4, true,
                                  &PrintCallback<CRCalendarsPrint>,
                                  &FileCallback<CRCalendarsExport, &CRCalendarsExport::Export>,
                                  &FileCallback<CRCalendarsHtml, &CRCalendarsHtml::Html>,
                                  &Orientation,
                                  &PageCallback<CRCalendarsDlg, IDS_CALENDARS_PAGE_CATEGORY, IDS_CALENDARS_PAGE_TITLE>,
                                  kMoreKeys};

} // namespace

const ReportDefinition& CalendarsReport()
{
    return kCalendars;
}
