// Filters report: option page.
#include "filters/FiltersDlg.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

CRFiltersDlg::CRFiltersDlg() : CBaseDlg(IDD_REPORT_PAGE_LIST)
{
}

void CRFiltersDlg::SetDefaults()
{
    Title = fw::LoadResString(IDS_FILTERS_DEFAULT_TITLE);
    OrientationIndex = 1;
}

int CRFiltersDlg::OnPageLoad(WPARAM, LPARAM)
{
    return LoadPageSettings(L"ReportsFilters");
}

int CRFiltersDlg::OnPageApply(WPARAM, LPARAM)
{
    return ApplyPageSettings(L"ReportsFilters");
}
