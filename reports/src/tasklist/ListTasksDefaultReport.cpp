// Task list: the registered callbacks.
#include "tasklist/ListTasksDefaultReport.h"

#include "tasklist/ListTasksDefaultDlg.h"
#include "tasklist/ListTasksDefaultExport.h"
#include "tasklist/ListTasksDefaultHtml.h"
#include "tasklist/ListTasksDefaultPrint.h"

#include "plugin/ReportCallbacks.h"

#include "QV2ResVReportIds.h"

namespace {

int QV2_CALL Orientation()
{
    return GetReportOrientation(L"ReportsListTasksDefault", 2);
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

const ReportDefinition kTaskList{IDS_REPORT_TASK_LIST, L"ReportsListTasksDefault", 3, true,
                                 &PrintCallback<CRListTasksDefaultPrint>,
                                 &FileCallback<CRListTasksDefaultExport, &CRListTasksDefaultExport::Export>,
                                 &FileCallback<CRListTasksDefaultHtml, &CRListTasksDefaultHtml::Html>,
                                 &Orientation,
                                 &PageCallback<CRListTasksDefaultDlg, IDS_TASK_LIST_PAGE_CATEGORY,
                                               IDS_TASK_LIST_PAGE_TITLE>,
                                 kMoreKeys};

} // namespace

const ReportDefinition& TaskListReport()
{
    return kTaskList;
}
