// Calendars report: the registered callbacks. The report takes the shared filter callback but lists
// every calendar.
#include "calendars/CalendarsReport.h"

#include "calendars/CalendarsDlg.h"
#include "calendars/CalendarsExport.h"
#include "calendars/CalendarsHtml.h"
#include "calendars/CalendarsPrint.h"

#include "plugin/CallbackGuard.h"

#include "QV2ResVReportIds.h"

#include <memory>

namespace {

int QV2_CALL Print(CRKPrintEngine2* engine, HDC dc, HDC attributeDc)
{
    if (!engine)
        return 1;
    return RunGuarded([&] {
        CRCalendarsPrint report;
        return CRPrintBase::PrintReport(engine, dc, attributeDc, report);
    });
}

int QV2_CALL Export(const wchar_t* path)
{
    return RunGuarded([&] {
        CRCalendarsExport report;
        return report.Export(path);
    });
}

int QV2_CALL Html(const wchar_t* path)
{
    return RunGuarded([&] {
        CRCalendarsHtml report;
        return report.Html(path);
    });
}

int QV2_CALL Orientation()
{
    return GetReportOrientation(L"ReportsCalendars", 1);
}

int QV2_CALL CreatePage(HWND parent, int, int, ReportPageRecord* out)
{
    try {
        // One page object for the plug-in's life; its window is made anew on every call.
        static std::unique_ptr<CRCalendarsDlg> page;
        if (!page)
            page = std::make_unique<CRCalendarsDlg>();
        return CreateReportPage(*page, parent, out, IDS_CALENDARS_PAGE_CATEGORY, IDS_CALENDARS_PAGE_TITLE);
    } catch (...) {
        return 0;
    }
}

const wchar_t* const kMoreKeys[] = {L"ReportsCalendarsListExceptions", nullptr};

const ReportDefinition kCalendars{IDS_REPORT_CALENDARS, L"ReportsCalendars", 4, true, &Print, &Export, &Html,
                                  &Orientation, &CreatePage, kMoreKeys};

} // namespace

const ReportDefinition& CalendarsReport()
{
    return kCalendars;
}
