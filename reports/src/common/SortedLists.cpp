// Sorted project lists.
#include "common/SortedLists.h"

#include "common/LocaleText.h"
#include "plugin/PluginState.h"

#include <algorithm>

namespace {

// Sizes by the count, then takes what the container actually wrote.
template <class T, class Count, class Fill>
std::vector<T*> Collect(Count count, Fill fill)
{
    const int n = count();
    if (n <= 0)
        return {};
    std::vector<T*> items(static_cast<size_t>(n));
    const int got = fill(items.data());
    items.resize(static_cast<size_t>(std::clamp(got, 0, n)));
    return items;
}

} // namespace

int GetSortedResources(wqv2_data::CFilter* filter, std::vector<wqv2_data::CResource*>& out, wqv2_data::CData* root)
{
    if (!root || !root->Resources)
        return 0;
    auto* resources = root->Resources;
    std::vector<wqv2_data::CResource*> found = Collect<wqv2_data::CResource>(
        [&] { return resources->GetCount(filter); }, [&](wqv2_data::CResource** to) { return resources->GetAll(to, filter); });
    std::stable_sort(found.begin(), found.end(), [](const auto* a, const auto* b) { return a->Position < b->Position; });
    out.insert(out.end(), found.begin(), found.end());
    return static_cast<int>(found.size());
}

int GetSortedCalendars(std::vector<wqv2_data::CCalendar*>& out)
{
    wqv2_data::CData* root = GetDataRoot();
    if (!root || !root->Calendars)
        return 0;
    auto* calendars = root->Calendars;
    std::vector<wqv2_data::CCalendar*> found = Collect<wqv2_data::CCalendar>(
        [&] { return calendars->GetCount(); }, [&](wqv2_data::CCalendar** to) { return calendars->GetAll(to); });
    std::stable_sort(found.begin(), found.end(), [](const auto* a, const auto* b) { return a->Position < b->Position; });
    out.insert(out.end(), found.begin(), found.end());
    return static_cast<int>(found.size());
}

int GetSortedFilters(std::vector<wqv2_data::CFilter*>& out)
{
    wqv2_data::CData* root = GetDataRoot();
    if (!root || !root->Filters)
        return 0;
    auto* filters = root->Filters;
    std::vector<wqv2_data::CFilter*> found = Collect<wqv2_data::CFilter>(
        [&] { return filters->GetCount(); }, [&](wqv2_data::CFilter** to) { return filters->GetAll(to); });
    std::stable_sort(found.begin(), found.end(),
                     [](const auto* a, const auto* b) { return CompareLocaleNoCase(a->Name, b->Name) < 0; });
    out.insert(out.end(), found.begin(), found.end());
    return static_cast<int>(found.size());
}

std::wstring GetSortNamePart(std::wstring_view name, int mode)
{
    const size_t close = name.find(L']');
    if (name.empty() || name[0] != L'[' || close == std::wstring_view::npos)
        return std::wstring(name);
    if (mode == 0)
        return std::wstring(name.substr(1, close - 1)) + std::wstring(name.substr(close + 1));
    if (mode == 1)
        return std::wstring(name.substr(close + 1));
    return std::wstring(name);
}

bool CompareSortNames(std::wstring_view a, std::wstring_view b)
{
    const std::wstring keyA = GetSortNamePart(a, 0);
    const std::wstring keyB = GetSortNamePart(b, 0);
    return CompareLocaleNoCase(keyA.c_str(), keyB.c_str()) < 0;
}
