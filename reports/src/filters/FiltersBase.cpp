// Filters and the resources they show.
#include "filters/FiltersBase.h"

#include "common/SortedLists.h"
#include "plugin/PluginState.h"

#include <algorithm>
#include <set>

std::vector<wqv2_data::CFilter*> CRFiltersBase::GetFilters()
{
    std::vector<wqv2_data::CFilter*> filters;
    GetSortedFilters(filters);
    return filters;
}

int CRFiltersBase::ListFilterResources(wqv2_data::CFilter* filter, bool listAll,
                                       std::vector<wqv2_data::CResource*>& out)
{
    if (!filter)
        return 0;
    const int excludedCount = filter->GetExcludedResourceCount();
    if (excludedCount <= 0 && !listAll)
        return -1;
    std::set<const wqv2_data::CResource*> excluded;
    if (excludedCount > 0) {
        std::vector<wqv2_data::CResource*> hidden(static_cast<size_t>(excludedCount));
        const int got = filter->GetExcludedResources(hidden.data());
        hidden.resize(static_cast<size_t>(std::clamp(got, 0, excludedCount)));
        excluded.insert(hidden.begin(), hidden.end());
    }
    std::vector<wqv2_data::CResource*> resources;
    GetSortedResources(nullptr, resources, GetDataRoot());
    for (wqv2_data::CResource* resource : resources) {
        if (!excluded.count(resource))
            out.push_back(resource);
    }
    return static_cast<int>(out.size());
}

std::wstring CRFiltersBase::JoinNames(const std::vector<wqv2_data::CResource*>& resources, const std::wstring& separator)
{
    std::wstring text;
    for (size_t i = 0; i < resources.size(); ++i) {
        if (i > 0)
            text += separator;
        text += resources[i]->Name ? resources[i]->Name : L"";
    }
    return text;
}
