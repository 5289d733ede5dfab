// Filters report: the registered callbacks.
#include "filters/FiltersReport.h"

#include "filters/FiltersDlg.h"
#include "filters/FiltersExport.h"
#include "filters/FiltersHtml.h"
#include "filters/FiltersPrint.h"

#include "plugin/ReportCallbacks.h"

#include "QV2ResVReportIds.h"

namespace {

int QV2_CALL Orientation()
{
    return GetReportOrientation(L"ReportsFilters", 2);
}

const ReportDefinition kFilters{IDS_REPORT_FILTERS, L"ReportsFilters", 4, true,
                                &PrintCallback<CRFiltersPrint>,
                                &FileCallback<CRFiltersExport, &CRFiltersExport::Export>,
                                &FileCallback<CRFiltersHtml, &CRFiltersHtml::Html>,
                                &Orientation,
                                &PageCallback<CRFiltersDlg, IDS_FILTERS_PAGE_CATEGORY, IDS_FILTERS_PAGE_TITLE>,
                                nullptr};

} // namespace

const ReportDefinition& FiltersReport()
{
    return kFilters;
}
