// Task list: the registered callbacks. No exception leaves a callback: a run that fails inside
// answers 1 (not done).
#include "tasklist/ListTasksDefaultReport.h"

#include "tasklist/ListTasksDefaultDlg.h"
#include "tasklist/ListTasksDefaultExport.h"
#include "tasklist/ListTasksDefaultHtml.h"
#include "tasklist/ListTasksDefaultPrint.h"

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
        CRListTasksDefaultPrint report;
        return CRPrintBase::PrintReport(engine, dc, attributeDc, report);
    });
}

int QV2_CALL Export(const wchar_t* path)
{
    return Guarded([&] {
        CRListTasksDefaultExport report;
        return report.Export(path);
    });
}

int QV2_CALL Html(const wchar_t* path)
{
    return Guarded([&] {
        CRListTasksDefaultHtml report;
        return report.Html(path);
    });
}

int QV2_CALL Orientation()
{
    return GetReportOrientation(L"ReportsListTasksDefault", 2);
}

int QV2_CALL CreatePage(HWND parent, int, int, ReportPageRecord* out)
{
    try {
        // One page object for the plug-in's life; its window is made anew on every call.
        static std::unique_ptr<CRListTasksDefaultDlg> page;
        if (!page)
            page = std::make_unique<CRListTasksDefaultDlg>();
        return CreateReportPage(*page, parent, out, IDS_TASK_LIST_PAGE_CATEGORY, IDS_TASK_LIST_PAGE_TITLE);
    } catch (...) {
        return 0;
    }
}

// Copied to and from the settings file after Title, TitleEmpty and PrinterOrientation; the
// period stays out of it.
const wchar_t* const kMoreKeys[] = {L"ReportsListTasksDefaultColumnsDuration",
                                    L"ReportsListTasksDefaultColumnsWorkingTime",
                                    L"ReportsListTasksDefaultColumnsCosts",
                                    L"ReportsListTasksDefaultColumnsFormat",
                                    L"ReportsListTasksDefaultColumnsUDF",
                                    L"ReportsListTasksDefaultColumnsNotes",
                                    L"ReportsListTasksDefaultLimitPeriod",
                                    L"ReportsListTasksDefaultSumTotal",
                                    nullptr};

const ReportDefinition kTaskList{IDS_REPORT_TASK_LIST, L"ReportsListTasksDefault", 3, true, &Print, &Export, &Html,
                                 &Orientation, &CreatePage, kMoreKeys};

} // namespace

const ReportDefinition& TaskListReport()
{
    return kTaskList;
}
