// Resources report: the registered callbacks. The report filter chooses the resources listed.
#include "resources/ResourcesReport.h"

#include "resources/ResourcesDlg.h"
#include "resources/ResourcesExport.h"
#include "resources/ResourcesHtml.h"
#include "resources/ResourcesPrint.h"

#include "plugin/ReportCallbacks.h"

#include "QV2ResVReportIds.h"

namespace {

int QV2_CALL Orientation()
{
    return GetReportOrientation(L"ReportsResources", 1);
}

const wchar_t* const kMoreKeys[] = {L"ReportsResourcesColumnsCalendar", L"ReportsResourcesColumnsCosts",
                                    L"ReportsResourcesColumnsFormat", L"ReportsResourcesColumnsUDF",
                                    L"ReportsResourcesColumnsNotes", nullptr};

const ReportDefinition kResources{IDS_REPORT_RESOURCES, L"ReportsResources", 4, true,
                                  &PrintCallback<CRResourcesPrint>,
                                  &FileCallback<CRResourcesExport, &CRResourcesExport::Export>,
                                  &FileCallback<CRResourcesHtml, &CRResourcesHtml::Html>,
                                  &Orientation,
                                  &PageCallback<CRResourcesDlg, IDS_RESOURCES_PAGE_CATEGORY, IDS_RESOURCES_PAGE_TITLE>,
                                  kMoreKeys};

} // namespace

const ReportDefinition& ResourcesReport()
{
    return kResources;
}
