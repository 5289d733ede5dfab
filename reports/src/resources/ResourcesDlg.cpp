// Resources report: option page.
#include "resources/ResourcesDlg.h"

#include "common/ReportSettings.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

namespace {

// The switches in the order they are stored.
struct Switch {
    bool CRResourcesDlg::*flag;
    const wchar_t* key;
};

constexpr Switch kSwitches[] = {
    {&CRResourcesDlg::Calendar, L"ReportsResourcesColumnsCalendar"},
    {&CRResourcesDlg::Costs, L"ReportsResourcesColumnsCosts"},
    {&CRResourcesDlg::Format, L"ReportsResourcesColumnsFormat"},
    {&CRResourcesDlg::UDF, L"ReportsResourcesColumnsUDF"},
    {&CRResourcesDlg::Notes, L"ReportsResourcesColumnsNotes"},
};

} // namespace

CRResourcesDlg::CRResourcesDlg() : CBaseDlg(IDD_REPORT_PAGE_LIST, L"ReportsResources")
{
    SetDefaults();
}

void CRResourcesDlg::SetDefaults()
{
    Title = fw::LoadResString(IDS_RESOURCES_DEFAULT_TITLE);
    OrientationIndex = 1;
    for (const Switch& s : kSwitches)
        this->*s.flag = false;
}

void CRResourcesDlg::AddOptions(int kind)
{
    HTREEITEM columns = AddOptionsGroup(IDS_OPTIONS_COLUMNS);
    AddCheckOption(columns, Calendar, IDS_OPTIONS_CALENDAR);
    AddCheckOption(columns, Costs, IDS_OPTIONS_COSTS);
    if (kind == 1) {
        AddCheckOption(columns, Format, IDS_OPTIONS_FORMAT);
        AddCheckOption(columns, UDF, IDS_OPTIONS_USER_FIELDS);
    }
    AddCheckOption(columns, Notes, IDS_OPTIONS_NOTES);
}

int CRResourcesDlg::OnPageValidate(WPARAM, LPARAM)
{
    return 1;
}

void CRResourcesDlg::LoadOwnSettings()
{
    for (const Switch& s : kSwitches)
        this->*s.flag = GetBoolSetting(s.key, this->*s.flag);
}

void CRResourcesDlg::ApplyOwnSettings()
{
    for (const Switch& s : kSwitches)
        SetBoolSetting(s.key, this->*s.flag);
}
