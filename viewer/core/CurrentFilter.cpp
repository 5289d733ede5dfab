// The current filter and the start-up filter.
#include "CurrentFilter.h"

#include "ListedTasks.h"
#include "Plugins.h"
#include "ProcessObjects.h"
#include "Settings.h"

#include <vector>

namespace {
bool gStartupFilterPending = false;
}

wqv2_data::CFilter* GetValidCurrentFilter()
{
    if (!gCurrentFilter || !gData || !gData->Filters)
        return nullptr;
    return gData->Filters->Contains(gCurrentFilter) ? gCurrentFilter : nullptr;
}

wqv2_data::CFilter* GetActiveCurrentFilter()
{
    return GetBoolSetting(L"FilterActive", false) ? GetValidCurrentFilter() : nullptr;
}

wqv2_data::CFilter* ResetCurrentFilter()
{
    wqv2_data::CFilter* old = gCurrentFilter;
    std::vector<wqv2_data::CFilter*> filters;
    GetSortedFilters(filters);
    gCurrentFilter = nullptr;
    for (wqv2_data::CFilter* filter : filters) {
        if (filter != old) {
            gCurrentFilter = filter;
            break;
        }
    }
    SetBoolSetting(L"FilterActive", false);
    return gCurrentFilter;
}

void PassFilterToReports()
{
    if (!gPlugins)
        return;
    wqv2_data::CFilter* filter = GetActiveCurrentFilter();
    for (const ReportRegistration& report : gPlugins->Reports()) {
        if (report.SetFilter)
            report.SetFilter(filter);
    }
}

int SetCurrentFilterAndNotify(wqv2_data::CFilter* filter, bool active)
{
    gCurrentFilter = filter;
    SetBoolSetting(L"FilterActive", active);
    RefreshListedTasks(true);
    PassFilterToReports();
    if (gPlugins)
        gPlugins->BroadcastOnFilterChanged(active);
    return 1;
}

void SetStartupFilterPending(bool pending)
{
    gStartupFilterPending = pending;
}

bool IsStartupFilterPending()
{
    return gStartupFilterPending;
}

void ApplyStartupFilter()
{
    gStartupFilterPending = false;
    const std::wstring name = GetSetting(L"OnStartupFilter");
    if (name.empty() || !gData || !gData->Filters)
        return;
    const int count = gData->Filters->GetCount();
    for (int i = 0; i < count; ++i) {
        wqv2_data::CFilter* filter = gData->Filters->GetAt(i);
        if (filter && filter->Name && name == filter->Name) {
            SetCurrentFilterAndNotify(filter, true);
            return;
        }
    }
}
