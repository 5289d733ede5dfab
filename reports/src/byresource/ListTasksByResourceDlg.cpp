// Tasks by resource: option page.
#include "byresource/ListTasksByResourceDlg.h"

#include "QV2ResVReportIds.h"

CRListTasksByResourceDlg::CRListTasksByResourceDlg()
    : CListOptionsDlg(L"ReportsListTasksByResources", IDS_BY_RESOURCE_DEFAULT_TITLE,
                      {{L"SumResource", false}, {L"ResourcesSingle", false}, {L"ResourcesSkipEmpty", false}})
{
}

void CRListTasksByResourceDlg::AddOptions(int kind)
{
    if (kind == 0 || kind == 2) {
        HTREEITEM resources = AddOptionsGroup(IDS_OPTIONS_RESOURCES);
        AddOption(resources, IDS_OPTIONS_PAGE_PER_RESOURCE, kResourcesSingle);
        AddOption(resources, IDS_OPTIONS_SKIP_EMPTY, kResourcesSkipEmpty);
    }
    AddColumnsGroup(kind);
    HTREEITEM sums = AddSumsGroup();
    AddOption(sums, IDS_OPTIONS_SUM_RESOURCE, kSumResource);
    AddOption(sums, IDS_OPTIONS_SUM_TOTAL, kSumTotal);
}
