// Tasks by resource: option page.
#include "byresource/ListTasksByResourceDlg.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

CRListTasksByResourceDlg::CRListTasksByResourceDlg()
    : CListOptionsDlg(L"ReportsListTasksByResources",
                      {{L"ReportsListTasksByResourcesColumnsDuration", false},
                       {L"ReportsListTasksByResourcesColumnsWorkingTime", false},
                       {L"ReportsListTasksByResourcesColumnsCosts", false},
                       {L"ReportsListTasksByResourcesColumnsFormat", false},
                       {L"ReportsListTasksByResourcesColumnsUDF", false},
                       {L"ReportsListTasksByResourcesColumnsNotes", false},
                       // As the report without a setting: the first apply must not switch it off.
                       {L"ReportsListTasksByResourcesLimitPeriod", true},
                       {L"ReportsListTasksByResourcesSumTotal", false},
                       {L"ReportsListTasksByResourcesSumResource", false},
                       {L"ReportsListTasksByResourcesResourcesSingle", false},
                       {L"ReportsListTasksByResourcesResourcesSkipEmpty", false}})
{
    SetDefaults();
}

void CRListTasksByResourceDlg::SetDefaults()
{
    Title = fw::LoadResString(IDS_BY_RESOURCE_DEFAULT_TITLE);
    OrientationIndex = 1;
    const TDate today;
    PeriodStart = TDate::FromYMD(1, today.GetYear(), 1);
    PeriodEnd = TDate::FromYMD(12, today.GetYear(), 31);
    EndTime = 0;
    ResetOptions();
}

void CRListTasksByResourceDlg::AddOptions(int kind)
{
    if (kind == 0 || kind == 2) {
        HTREEITEM resources = AddOptionsGroup(IDS_OPTIONS_RESOURCES);
        AddOption(resources, IDS_OPTIONS_PAGE_PER_RESOURCE, kResourcesSingle);
        AddOption(resources, IDS_OPTIONS_SKIP_EMPTY, kResourcesSkipEmpty);
    }
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
    AddOption(sums, IDS_OPTIONS_SUM_RESOURCE, kSumResource);
    AddOption(sums, IDS_OPTIONS_SUM_TOTAL, kSumTotal);
}
