// Calendars report: option page.
#include "calendars/CalendarsDlg.h"

#include "common/ReportSettings.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

CRCalendarsDlg::CRCalendarsDlg() : CPeriodBaseDlg(L"ReportsCalendars")
{
}

bool CRCalendarsDlg::OnInit()
{
    CPeriodBaseDlg::OnInit();
    SetWindowTextW(Item(IDC_REPORT_PAGE_HINT), fw::LoadResString(IDS_CALENDARS_PERIOD_HINT).c_str());
    return true;
}

void CRCalendarsDlg::SetDefaults()
{
    Title = fw::LoadResString(IDS_CALENDARS_DEFAULT_TITLE);
    OrientationIndex = 0;
    const TDate today;
    PeriodStart = TDate::FromYMD(1, today.GetYear(), 1);
    PeriodEnd = TDate::FromYMD(12, today.GetYear(), 31);
    ListExceptions = true;
}

void CRCalendarsDlg::AddOptions(int)
{
    HTREEITEM further = AddOptionsGroup(IDS_OPTIONS_FURTHER);
    AddCheckOption(further, ListExceptions, IDS_CALENDARS_CHECK_EXCEPTIONS);
}

int CRCalendarsDlg::OnPageValidate(WPARAM, LPARAM)
{
    return 1;
}

void CRCalendarsDlg::LoadOwnSettings()
{
    PeriodStart = GetDateSetting(L"ReportsCalendarsDateStart", PeriodStart);
    PeriodEnd = GetDateSetting(L"ReportsCalendarsDateEnd", PeriodEnd);
    ListExceptions = GetBoolSetting(L"ReportsCalendarsListExceptions", ListExceptions);
}

void CRCalendarsDlg::ApplyOwnSettings()
{
    SetDateSetting(L"ReportsCalendarsDateStart", PeriodStart);
    SetDateSetting(L"ReportsCalendarsDateEnd", PeriodEnd);
    SetBoolSetting(L"ReportsCalendarsListExceptions", ListExceptions);
}
