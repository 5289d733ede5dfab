// Filters report: the registered callbacks. No exception leaves a callback: a run that fails
// inside answers 1 (not done).
#include "filters/FiltersReport.h"

#include "filters/FiltersDlg.h"
#include "filters/FiltersExport.h"
#include "filters/FiltersHtml.h"
#include "filters/FiltersPrint.h"

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
        CRFiltersPrint report;
        return CRPrintBase::PrintReport(engine, dc, attributeDc, report);
    });
}

int QV2_CALL Export(const wchar_t* path)
{
    return Guarded([&] {
        CRFiltersExport report;
        return report.Export(path);
    });
}

int QV2_CALL Html(const wchar_t* path)
{
    return Guarded([&] {
        CRFiltersHtml report;
        return report.Html(path);
    });
}

int QV2_CALL Orientation()
{
    return GetReportOrientation(L"ReportsFilters", 2);
}

int QV2_CALL CreatePage(HWND parent, int, int, ReportPageRecord* out)
{
    try {
        // One page object for the plug-in's life; its window is made anew on every call.
        static std::unique_ptr<CRFiltersDlg> page;
        if (!page)
            page = std::make_unique<CRFiltersDlg>();
        return CreateReportPage(*page, parent, out, IDS_FILTERS_PAGE_CATEGORY, IDS_FILTERS_PAGE_TITLE);
    } catch (...) {
        return 0;
    }
}

const ReportDefinition kFilters{IDS_REPORT_FILTERS, L"ReportsFilters", 4, true, &Print, &Export, &Html,
                                &Orientation, &CreatePage, nullptr};

} // namespace

const ReportDefinition& FiltersReport()
{
    return kFilters;
}
