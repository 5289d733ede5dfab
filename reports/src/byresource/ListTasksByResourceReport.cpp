// Tasks by resource: the registered callbacks. No exception leaves a callback: a run that fails
// inside answers 1 (not done).
#include "byresource/ListTasksByResourceReport.h"

#include "byresource/ListTasksByResourceDlg.h"
#include "byresource/ListTasksByResourceExport.h"
#include "byresource/ListTasksByResourceHtml.h"
#include "byresource/ListTasksByResourcePrint.h"

#include "QV2ResVReportIds.h"

#include <memory>

namespace {

template <class Body>
int Guarded(Body body)
{
    try {
        return body();
    } catch (...) {
        return 1;
    }
}

int QV2_CALL Print(CRKPrintEngine2* engine, HDC dc, HDC attributeDc)
{
    if (!engine)
        return 1;
    return Guarded([&] {
        CRListTasksByResourcePrint report;
        return CRPrintBase::PrintReport(engine, dc, attributeDc, report);
    });
}

int QV2_CALL Export(const wchar_t* path)
{
    return Guarded([&] {
        CRListTasksByResourceExport report;
        return report.ExportTable(path);
    });
}

int QV2_CALL Html(const wchar_t* path)
{
    return Guarded([&] {
        CRListTasksByResourceHtml report;
        return report.WriteHtml(path);
    });
}

int QV2_CALL Orientation()
{
    return GetReportOrientation(L"ReportsListTasksByResources", 2);
}

int QV2_CALL CreatePage(HWND parent, int, int, ReportPageRecord* out)
{
    try {
        // One page object for the plug-in's life; its window is made anew on every call.
        static std::unique_ptr<CRListTasksByResourceDlg> page;
        if (!page)
            page = std::make_unique<CRListTasksByResourceDlg>();
        return CreateReportPage(*page, parent, out, IDS_BY_RESOURCE_PAGE_CATEGORY, IDS_BY_RESOURCE_PAGE_TITLE);
    } catch (...) {
        return 0;
    }
}

// Copied to and from the settings file after Title, TitleEmpty and PrinterOrientation. The
// period, DateOnly and DateFormat stay out of it.
const wchar_t* const kMoreKeys[] = {L"ReportsListTasksByResourcesColumnsDuration",
                                    L"ReportsListTasksByResourcesColumnsWorkingTime",
                                    L"ReportsListTasksByResourcesColumnsCosts",
                                    L"ReportsListTasksByResourcesColumnsFormat",
                                    L"ReportsListTasksByResourcesColumnsUDF",
                                    L"ReportsListTasksByResourcesColumnsNotes",
                                    L"ReportsListTasksByResourcesLimitPeriod",
                                    L"ReportsListTasksByResourcesSumTotal",
                                    L"ReportsListTasksByResourcesSumResource",
                                    L"ReportsListTasksByResourcesResourcesSingle",
                                    L"ReportsListTasksByResourcesResourcesSkipEmpty",
                                    nullptr};

const ReportDefinition kTasksByResource{IDS_REPORT_TASKS_BY_RESOURCE, L"ReportsListTasksByResources", 3, true, &Print,
                                        &Export, &Html, &Orientation, &CreatePage, kMoreKeys};

} // namespace

const ReportDefinition& TasksByResourceReport()
{
    return kTasksByResource;
}
