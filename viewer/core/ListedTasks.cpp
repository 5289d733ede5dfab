// Listed tasks of the project period and sorted project lists.
#include "ListedTasks.h"

#include "CurrentFilter.h"
#include "ProcessObjects.h"

#include <windows.h>

#include <algorithm>

int CListedTasks::Build(wqv2_data::CData* data, TDate firstDay, TDate endDay, wqv2_data::CFilter* filter)
{
    m_items.clear();
    std::vector<wqv2_data::CResource*> resources;
    GetSortedResources(filter, resources, data);
    for (wqv2_data::CResource* resource : resources) {
        const int count = resource->CountTasksInWindow(firstDay, 0, endDay, 0, filter);
        if (count <= 0)
            continue;
        const size_t at = m_items.size();
        m_items.resize(at + static_cast<size_t>(count));
        const int got = resource->GetTasksInWindow(m_items.data() + at, firstDay, 0, endDay, 0, filter);
        m_items.resize(at + static_cast<size_t>(std::clamp(got, 0, count)));
    }
    return static_cast<int>(m_items.size());
}

bool CListedTasks::Contains(const wqv2_data::TaskOccurrence& entry) const
{
    return std::any_of(m_items.begin(), m_items.end(),
                       [&](const auto& item) { return item.day == entry.day && item.task == entry.task; });
}

int GetSortedResources(wqv2_data::CFilter* filter, std::vector<wqv2_data::CResource*>& out, wqv2_data::CData* data)
{
    if (!data || !data->Resources)
        return 0;
    const int count = data->Resources->GetCount(filter);
    if (count <= 0)
        return 0;
    std::vector<wqv2_data::CResource*> found(static_cast<size_t>(count));
    const int got = data->Resources->GetAll(found.data(), filter);
    found.resize(static_cast<size_t>(std::clamp(got, 0, count)));
    std::stable_sort(found.begin(), found.end(), [](const auto* a, const auto* b) { return a->Position < b->Position; });
    out.insert(out.end(), found.begin(), found.end());
    return static_cast<int>(found.size());
}

int GetSortedFilters(std::vector<wqv2_data::CFilter*>& out)
{
    if (!gData || !gData->Filters)
        return 0;
    const int count = gData->Filters->GetCount();
    if (count <= 0)
        return 0;
    std::vector<wqv2_data::CFilter*> found(static_cast<size_t>(count));
    const int got = gData->Filters->GetAll(found.data());
    found.resize(static_cast<size_t>(std::clamp(got, 0, count)));
    std::stable_sort(found.begin(), found.end(), [](const auto* a, const auto* b) {
        return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a->Name, -1, b->Name, -1) == CSTR_LESS_THAN;
    });
    out.insert(out.end(), found.begin(), found.end());
    return static_cast<int>(found.size());
}

int GetSortedCalendars(std::vector<wqv2_data::CCalendar*>& out)
{
    if (!gData || !gData->Calendars)
        return 0;
    const int count = gData->Calendars->GetCount();
    if (count <= 0)
        return 0;
    std::vector<wqv2_data::CCalendar*> found(static_cast<size_t>(count));
    const int got = gData->Calendars->GetAll(found.data());
    found.resize(static_cast<size_t>(std::clamp(got, 0, count)));
    std::stable_sort(found.begin(), found.end(), [](const auto* a, const auto* b) { return a->Position < b->Position; });
    out.insert(out.end(), found.begin(), found.end());
    return static_cast<int>(found.size());
}

int RefreshListedTasks(bool clear)
{
    if (!gSelection)
        return 0;
    if (clear) {
        gSelection->clear();
        return 0;
    }
    CListedTasks listed;
    if (gData && gData->ProjectSettings) {
        const TDate first = gData->ProjectSettings->DateStart;
        TDate end = gData->ProjectSettings->DateEnd;
        ++end;
        listed.Build(gData, first, end, GetActiveCurrentFilter());
    }
    std::erase_if(*gSelection, [&](const auto& entry) { return !listed.Contains(entry); });
    return static_cast<int>(gSelection->size());
}
