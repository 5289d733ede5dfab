// Calendars report: option page.
#include "calendars/CalendarsDlg.h"

#include "common/ReportSettings.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

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

void CRCalendarsDlg::InitOptionsImage()
{
    CPeriodBaseDlg::InitOptionsImage();
    ExceptionsGroupItem = ExceptionsCheckItem = nullptr;
    ExceptionsImage = AddOptionsImage(IDB_REPORT_OPTIONS_LIST);
}

void CRCalendarsDlg::FillOptions()
{
    CPeriodBaseDlg::FillOptions();
    // The base emptied the tree: the old items are gone with it.
    ExceptionsGroupItem = OptionsTree.AddRoot(ExceptionsImage, fw::LoadResString(IDS_OPTIONS_FURTHER).c_str());
    ExceptionsCheckItem = OptionsTree.AddCheck(ExceptionsGroupItem, ListExceptions,
                                               fw::LoadResString(IDS_CALENDARS_CHECK_EXCEPTIONS).c_str());
    OptionsTree.Expand(ExceptionsGroupItem);
    OptionsTree.ShowFirstRoot();
}

void CRCalendarsDlg::StoreControls()
{
    CPeriodBaseDlg::StoreControls();
    if (Hwnd() && ExceptionsCheckItem)
        ListExceptions = OptionsTree.GetCheck(ExceptionsCheckItem);
}

void CRCalendarsDlg::LoadControls()
{
    CPeriodBaseDlg::LoadControls();
    if (Hwnd() && ExceptionsCheckItem)
        OptionsTree.SetCheck(ExceptionsCheckItem, ListExceptions);
}

int CRCalendarsDlg::OnPageLoad(WPARAM, LPARAM)
{
    return LoadPageSettings(L"ReportsCalendars");
}

int CRCalendarsDlg::OnPageApply(WPARAM, LPARAM)
{
    return ApplyPageSettings(L"ReportsCalendars");
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
