// Task list: option page.
#include "tasklist/ListTasksDefaultDlg.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

CRListTasksDefaultDlg::CRListTasksDefaultDlg()
    : CListOptionsDlg(L"ReportsListTasksDefault", {{L"ReportsListTasksDefaultColumnsDuration", false},
                                                   {L"ReportsListTasksDefaultColumnsWorkingTime", false},
                                                   {L"ReportsListTasksDefaultColumnsCosts", false},
                                                   {L"ReportsListTasksDefaultColumnsFormat", false},
                                                   {L"ReportsListTasksDefaultColumnsUDF", false},
                                                   {L"ReportsListTasksDefaultColumnsNotes", false},
                                                   {L"ReportsListTasksDefaultLimitPeriod", true},
                                                   {L"ReportsListTasksDefaultSumTotal", false}})
{
    SetDefaults();
}

void CRListTasksDefaultDlg::SetDefaults()
{
    Title = fw::LoadResString(IDS_TASK_LIST_DEFAULT_TITLE);
    OrientationIndex = 1;
    const TDate today;
    PeriodStart = TDate::FromYMD(1, today.GetYear(), 1);
    PeriodEnd = TDate::FromYMD(12, today.GetYear(), 31);
    EndTime = 0;
    ResetOptions();
}

void CRListTasksDefaultDlg::AddOptions(int kind)
{
    HTREEITEM columns = AddOptionsGroup(IDS_OPTIONS_COLUMNS);
    AddOption(columns, IDS_OPTIONS_DURATION, kColumnsDuration);
    AddOption(columns, IDS_OPTIONS_WORKING_TIME, kColumnsWorkingTime);
    AddOption(columns, IDS_OPTIONS_COSTS, kColumnsCosts);
    if (kind == 1) {
        AddOption(columns, IDS_OPTIONS_FORMAT, kColumnsFormat);
        AddOption(columns, IDS_OPTIONS_USER_FIELDS, kColumnsUDF);
    }
    AddOption(columns, IDS_OPTIONS_NOTES, kColumnsNotes);
    HTREEITEM sums = AddOptionsGroup(IDS_OPTIONS_SUMS);
    AddOption(sums, IDS_OPTIONS_LIMIT_PERIOD, kLimitPeriod);
    AddOption(sums, IDS_OPTIONS_SUM_TOTAL, kSumTotal);
}
