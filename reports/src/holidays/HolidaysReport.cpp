// Holidays report: the registered callbacks. The report takes no filter.
#include "holidays/HolidaysReport.h"

#include "holidays/HolidaysDlg.h"
#include "holidays/HolidaysExport.h"
#include "holidays/HolidaysHtml.h"
#include "holidays/HolidaysPrint.h"

#include "plugin/CallbackGuard.h"

#include "QV2ResVReportIds.h"

#include <memory>

namespace {

int QV2_CALL Print(CRKPrintEngine2* engine, HDC dc, HDC attributeDc)
{
    if (!engine)
        return 1;
    return RunGuarded([&] {
        CRHolidaysPrint report;
        return CRPrintBase::PrintReport(engine, dc, attributeDc, report);
    });
}

int QV2_CALL Export(const wchar_t* path)
{
    return RunGuarded([&] {
        CRHolidaysExport report;
        return report.Export(path);
    });
}

int QV2_CALL Html(const wchar_t* path)
{
    return RunGuarded([&] {
        CRHolidaysHtml report;
        return report.Html(path);
    });
}

int QV2_CALL Orientation()
{
    return GetReportOrientation(L"ReportsHolidays", 1);
}

int QV2_CALL CreatePage(HWND parent, int, int, ReportPageRecord* out)
{
    try {
        // One page object for the plug-in's life; its window is made anew on every call.
        static std::unique_ptr<CRHolidaysDlg> page;
        if (!page)
            page = std::make_unique<CRHolidaysDlg>();
        return CreateReportPage(*page, parent, out, IDS_HOLIDAYS_PAGE_CATEGORY, IDS_HOLIDAYS_PAGE_TITLE);
    } catch (...) {
        return 0;
    }
}

const ReportDefinition kHolidays{IDS_REPORT_HOLIDAYS, L"ReportsHolidays", 4, false, &Print, &Export, &Html,
                                 &Orientation, &CreatePage, nullptr};

} // namespace

const ReportDefinition& HolidaysReport()
{
    return kHolidays;
}
