// Holidays report: option page.
#include "holidays/HolidaysDlg.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

CRHolidaysDlg::CRHolidaysDlg() : CPeriodBaseDlg(L"ReportsHolidays", L"Start", L"End")
{
}

void CRHolidaysDlg::SetDefaults()
{
    Title = fw::LoadResString(IDS_HOLIDAYS_DEFAULT_TITLE);
    OrientationIndex = 0;
    SetYearPeriod();
}
