// Holidays report: option page.
#include "holidays/HolidaysDlg.h"

#include "common/ReportSettings.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

CRHolidaysDlg::CRHolidaysDlg() : CPeriodBaseDlg(L"ReportsHolidays")
{
}

void CRHolidaysDlg::SetDefaults()
{
    Title = fw::LoadResString(IDS_HOLIDAYS_DEFAULT_TITLE);
    OrientationIndex = 0;
    const TDate today;
    PeriodStart = TDate::FromYMD(1, today.GetYear(), 1);
    PeriodEnd = TDate::FromYMD(12, today.GetYear(), 31);
}

void CRHolidaysDlg::LoadOwnSettings()
{
    PeriodStart = GetDateSetting(L"ReportsHolidaysStart", PeriodStart);
    PeriodEnd = GetDateSetting(L"ReportsHolidaysEnd", PeriodEnd);
}

void CRHolidaysDlg::ApplyOwnSettings()
{
    SetDateSetting(L"ReportsHolidaysStart", PeriodStart);
    SetDateSetting(L"ReportsHolidaysEnd", PeriodEnd);
}
