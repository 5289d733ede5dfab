// Resources report: option page.
#include "resources/ResourcesDlg.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

CRResourcesDlg::CRResourcesDlg() : CBaseDlg(IDD_REPORT_PAGE_LIST, L"ReportsResources")
{
    // In the order they are stored.
    BindSwitch(Calendar, L"ColumnsCalendar");
    BindSwitch(Costs, L"ColumnsCosts");
    BindSwitch(Format, L"ColumnsFormat");
    BindSwitch(UDF, L"ColumnsUDF");
    BindSwitch(Notes, L"ColumnsNotes");
    SetDefaults();
}

void CRResourcesDlg::SetDefaults()
{
    Title = fw::LoadResString(IDS_RESOURCES_DEFAULT_TITLE);
    OrientationIndex = 1;
    Calendar = Costs = Format = UDF = Notes = false;
}

void CRResourcesDlg::AddOptions(int kind)
{
    HTREEITEM columns = AddOptionsGroup(IDS_OPTIONS_COLUMNS);
    AddCheckOption(columns, Calendar, IDS_OPTIONS_CALENDAR);
    AddCheckOption(columns, Costs, IDS_OPTIONS_COSTS);
    AddLastColumnOptions(columns, kind, Format, UDF, Notes);
}

int CRResourcesDlg::OnPageValidate(WPARAM, LPARAM)
{
    return 1;
}
