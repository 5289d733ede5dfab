// Filters report: option page.
#include "filters/FiltersDlg.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

CRFiltersDlg::CRFiltersDlg() : CBaseDlg(IDD_REPORT_PAGE_LIST, L"ReportsFilters")
{
}

void CRFiltersDlg::SetDefaults()
{
    Title = fw::LoadResString(IDS_FILTERS_DEFAULT_TITLE);
    OrientationIndex = 1;
}
