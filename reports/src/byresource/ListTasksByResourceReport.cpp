// Tasks by resource: the registered callbacks.
#include "byresource/ListTasksByResourceReport.h"

#include "byresource/ListTasksByResourceDlg.h"
#include "byresource/ListTasksByResourceExport.h"
#include "byresource/ListTasksByResourceHtml.h"
#include "byresource/ListTasksByResourcePrint.h"

#include "plugin/ReportCallbacks.h"

#include "QV2ResVReportIds.h"

namespace {

int QV2_CALL Orientation()
{
    return GetReportOrientation(L"ReportsListTasksByResources", 2);
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

using Export = CRListTasksByResourceExport;
using Html = CRListTasksByResourceHtml;
using Page = CRListTasksByResourceDlg;

const ReportDefinition kTasksByResource{IDS_REPORT_TASKS_BY_RESOURCE, L"ReportsListTasksByResources", 3, true,
                                        &PrintCallback<CRListTasksByResourcePrint>,
                                        &FileCallback<Export, &Export::ExportTable>,
                                        &FileCallback<Html, &Html::WriteHtml>,
                                        &Orientation,
                                        &PageCallback<Page, IDS_BY_RESOURCE_PAGE_CATEGORY, IDS_BY_RESOURCE_PAGE_TITLE>,
                                        kMoreKeys};

} // namespace

const ReportDefinition& TasksByResourceReport()
{
    return kTasksByResource;
}
