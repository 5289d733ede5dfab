// Calendars report: option page.
#include "calendars/CalendarsDlg.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

CRCalendarsDlg::CRCalendarsDlg() : CPeriodBaseDlg(L"ReportsCalendars", L"DateStart", L"DateEnd")
{
    BindSwitch(ListExceptions, L"ListExceptions");
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
    SetYearPeriod();
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
