#pragma once
// CRFiltersBase: what the three outputs of the filters report share: every named filter of the
// project (the report filter is ignored) with the resources it shows.

#include "wqv2_data.h"

#include <string>
#include <vector>

class CRFiltersBase {
public:
    virtual ~CRFiltersBase() = default;

    // The project's filters sorted by name.
    static std::vector<wqv2_data::CFilter*> GetFilters();
    // The resources the filter shows, in the order of the sorted resources; -1 (and nothing
    // listed) for a filter that hides none while `listAll` is false, meaning all resources.
    static int ListFilterResources(wqv2_data::CFilter* filter, bool listAll, std::vector<wqv2_data::CResource*>& out);
    // The names of the listed resources joined by `separator`.
    static std::wstring JoinNames(const std::vector<wqv2_data::CResource*>& resources, const std::wstring& separator);

    bool ResourcesListAll = false; // list every resource for a filter that hides none
};
