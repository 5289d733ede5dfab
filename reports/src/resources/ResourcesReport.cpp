// Resources report: the registered callbacks. The report filter chooses the resources listed.
#include "resources/ResourcesReport.h"

#include "resources/ResourcesDlg.h"
#include "resources/ResourcesExport.h"
#include "resources/ResourcesHtml.h"
#include "resources/ResourcesPrint.h"

#include "plugin/CallbackGuard.h"

#include "QV2ResVReportIds.h"

#include <memory>

namespace {

int QV2_CALL Print(CRKPrintEngine2* engine, HDC dc, HDC attributeDc)
{
    if (!engine)
        return 1;
    return RunGuarded([&] {
        CRResourcesPrint report;
        return CRPrintBase::PrintReport(engine, dc, attributeDc, report);
    });
}

int QV2_CALL Export(const wchar_t* path)
{
    return RunGuarded([&] {
        CRResourcesExport report;
        return report.Export(path);
    });
}

int QV2_CALL Html(const wchar_t* path)
{
    return RunGuarded([&] {
        CRResourcesHtml report;
        return report.Html(path);
    });
}

int QV2_CALL Orientation()
{
    return GetReportOrientation(L"ReportsResources", 1);
}

int QV2_CALL CreatePage(HWND parent, int, int, ReportPageRecord* out)
{
    try {
        // One page object for the plug-in's life; its window is made anew on every call.
        static std::unique_ptr<CRResourcesDlg> page;
        if (!page)
            page = std::make_unique<CRResourcesDlg>();
        return CreateReportPage(*page, parent, out, IDS_RESOURCES_PAGE_CATEGORY, IDS_RESOURCES_PAGE_TITLE);
    } catch (...) {
        return 0;
    }
}

const wchar_t* const kMoreKeys[] = {L"ReportsResourcesColumnsCalendar", L"ReportsResourcesColumnsCosts",
                                    L"ReportsResourcesColumnsFormat", L"ReportsResourcesColumnsUDF",
                                    L"ReportsResourcesColumnsNotes", nullptr};

const ReportDefinition kResources{IDS_REPORT_RESOURCES, L"ReportsResources", 4, true, &Print, &Export, &Html,
                                  &Orientation, &CreatePage, kMoreKeys};

} // namespace

const ReportDefinition& ResourcesReport()
{
    return kResources;
}
