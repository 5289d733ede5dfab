// Task list: option page.
#include "tasklist/ListTasksDefaultDlg.h"

#include "QV2ResVReportIds.h"

CRListTasksDefaultDlg::CRListTasksDefaultDlg()
    : CListOptionsDlg(L"ReportsListTasksDefault", IDS_TASK_LIST_DEFAULT_TITLE, {})
{
}

void CRListTasksDefaultDlg::AddOptions(int kind)
{
    AddColumnsGroup(kind);
    AddOption(AddSumsGroup(), IDS_OPTIONS_SUM_TOTAL, kSumTotal);
}
