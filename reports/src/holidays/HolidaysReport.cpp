// Holidays report: the registered callbacks. The report takes no filter.
#include "holidays/HolidaysReport.h"

#include "holidays/HolidaysDlg.h"
#include "holidays/HolidaysExport.h"
#include "holidays/HolidaysHtml.h"
#include "holidays/HolidaysPrint.h"

#include "plugin/ReportCallbacks.h"

#include "QV2ResVReportIds.h"

namespace {

int QV2_CALL Orientation()
{
    return GetReportOrientation(L"ReportsHolidays", 1);
}

const ReportDefinition kHolidays{IDS_REPORT_HOLIDAYS, L"ReportsHolidays", 4, false,
                                 &PrintCallback<CRHolidaysPrint>,
                                 &FileCallback<CRHolidaysExport, &CRHolidaysExport::Export>,
                                 &FileCallback<CRHolidaysHtml, &CRHolidaysHtml::Html>,
                                 &Orientation,
                                 &PageCallback<CRHolidaysDlg, IDS_HOLIDAYS_PAGE_CATEGORY, IDS_HOLIDAYS_PAGE_TITLE>,
                                 nullptr};

} // namespace

const ReportDefinition& HolidaysReport()
{
    return kHolidays;
}
