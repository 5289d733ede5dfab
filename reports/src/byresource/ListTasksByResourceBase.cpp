// Tasks by resource: settings, rows and sums.
#include "byresource/ListTasksByResourceBase.h"

#include "common/ReportSettings.h"
#include "common/SortedLists.h"
#include "plugin/PluginState.h"

#include "QV2ResVReportIds.h"
#include "SafeFormat.h"
#include "fw/Resources.h"

#include <algorithm>

CRListTasksByResourceBase::CRListTasksByResourceBase() : CRListTasksBase(L"ReportsListTasksByResources")
{
    // Sums of nothing are no sums.
    SumResource = GetBoolSetting(L"ReportsListTasksByResourcesSumResource", false) && AnyValueColumn();
    ResourcesSingle = GetBoolSetting(L"ReportsListTasksByResourcesResourcesSingle", false);
    ResourcesSkipEmpty = GetBoolSetting(L"ReportsListTasksByResourcesResourcesSkipEmpty", false);
}

void CRListTasksByResourceBase::CollectRows()
{
    ResourceRows.clear();
    Listed.clear();
    RangeByResource.clear();
    SumsByResource.clear();
    GetSortedResources(GetReportFilter(), ResourceRows, GetDataRoot());
    ResourceRows.push_back(nullptr);
    for (wqv2_data::CResource* resource : ResourceRows)
        SumsByResource[resource] = ResourceSums{};

    CollectTasks(Listed, nullptr, nullptr, nullptr);
    // The sums add up in listing order, before the occurrences are put together by resource: a
    // total of costs depends on the order of its terms. Occurrences of one resource mostly come
    // in a run: the sums of the last one are kept at hand rather than looked up for each.
    if (AnyValueColumn()) {
        wqv2_data::CResource* last = nullptr;
        ResourceSums* sums = nullptr;
        ResourceSums& total = SumsByResource[nullptr];
        for (const TaskOccurrence& occurrence : Listed) {
            wqv2_data::CResource* resource = occurrence.task->GetResource();
            // Every listed task has its resource; one without would pass for the total entry.
            if (!resource)
                continue;
            if (resource != last) {
                last = resource;
                sums = &SumsByResource[resource];
            }
            const OccurrenceValues values = GetOccurrenceValues(occurrence, GetDaySpan(occurrence));
            for (ResourceSums* sum : {sums, &total}) {
                if (ColumnsDuration)
                    sum->DurationSum += values.duration;
                if (ColumnsWorkingTime)
                    sum->WorkingTimeSum += values.workingTime;
                if (ColumnsCosts)
                    sum->CostsSum += values.costs;
            }
        }
    }
    if (!FindRanges())
        GroupByResource();
    if (ResourcesSkipEmpty) {
        std::erase_if(ResourceRows,
                      [this](wqv2_data::CResource* resource) { return resource && TasksOf(resource).empty(); });
    }
    // A total of a single resource repeats its own sums.
    if (!SumTotal || ResourceRows.size() < 3)
        std::erase(ResourceRows, nullptr);
}

bool CRListTasksByResourceBase::FindRanges()
{
    RangeByResource.clear();
    for (size_t first = 0; first < Listed.size();) {
        wqv2_data::CResource* resource = Listed[first].task->GetResource();
        size_t last = first + 1;
        while (last < Listed.size() && Listed[last].task->GetResource() == resource)
            ++last;
        if (resource && !RangeByResource.emplace(resource, std::make_pair(first, last - first)).second) {
            RangeByResource.clear();
            return false;
        }
        first = last;
    }
    return true;
}

void CRListTasksByResourceBase::GroupByResource()
{
    // Each occurrence's group is its resource's place among the rows (occurrences without one
    // last); a stable sort by group keeps the listing order within a group.
    std::map<wqv2_data::CResource*, uint32_t> groups;
    for (size_t i = 0; i < ResourceRows.size(); ++i) {
        if (ResourceRows[i])
            groups.emplace(ResourceRows[i], static_cast<uint32_t>(i));
    }
    const auto none = static_cast<uint32_t>(ResourceRows.size());
    std::vector<uint32_t> order(Listed.size());
    wqv2_data::CResource* last = nullptr;
    uint32_t group = none;
    for (size_t i = 0; i < Listed.size(); ++i) {
        wqv2_data::CResource* resource = Listed[i].task->GetResource();
        if (i == 0 || resource != last) {
            last = resource;
            const auto found = resource ? groups.find(resource) : groups.end();
            group = found != groups.end() ? found->second : none;
        }
        order[i] = group;
    }
    SortByRank(Listed, order, none + 1);
    std::vector<uint32_t>().swap(order); // gone before the ranges are found
    FindRanges();
}

std::span<const TaskOccurrence> CRListTasksByResourceBase::TasksOf(wqv2_data::CResource* resource) const
{
    const auto found = resource ? RangeByResource.find(resource) : RangeByResource.end();
    if (found == RangeByResource.end() || found->second.first + found->second.second > Listed.size())
        return {};
    return std::span<const TaskOccurrence>(Listed.data() + found->second.first, found->second.second);
}

OccurrenceFacts CRListTasksByResourceBase::FactsOf(const TaskOccurrence& occurrence)
{
    OccurrenceFacts facts;
    facts.daySpan = GetDaySpan(occurrence);
    if (AnyValueColumn())
        facts.values = GetOccurrenceValues(occurrence, facts.daySpan);
    return facts;
}

ResourceSums CRListTasksByResourceBase::SumsOf(wqv2_data::CResource* resource) const
{
    const auto found = SumsByResource.find(resource);
    return found == SumsByResource.end() ? ResourceSums{} : found->second;
}

std::vector<CRListTasksByResourceBase::Column> CRListTasksByResourceBase::TableColumns(bool grouped) const
{
    std::vector<Column> columns;
    if (grouped)
        columns.push_back(kIndent);
    columns.insert(columns.end(), {kTask, kStart, kEnd});
    if (ColumnsDuration)
        columns.push_back(kDuration);
    if (ColumnsWorkingTime)
        columns.push_back(kWorkingTime);
    if (ColumnsCosts)
        columns.push_back(kCosts);
    if (ColumnsNotes)
        columns.push_back(kNotes);
    return columns;
}

std::wstring CRListTasksByResourceBase::ColumnHead(Column column) const
{
    UINT id = 0;
    switch (column) {
    case kIndent:
        return {};
    case kTask:
        id = IDS_LIST_COLUMN_TASK;
        break;
    case kStart:
        id = IDS_LIST_COLUMN_START;
        break;
    case kEnd:
        id = IDS_LIST_COLUMN_END;
        break;
    case kDuration:
        id = IDS_LIST_COLUMN_DURATION;
        break;
    case kWorkingTime:
        id = IDS_LIST_COLUMN_WORKING_TIME;
        break;
    case kCosts:
        id = IDS_LIST_COLUMN_COSTS;
        break;
    case kNotes:
        id = IDS_LIST_COLUMN_NOTES;
        break;
    }
    return HeadText(column, id);
}

const wchar_t* CRListTasksByResourceBase::DataText(int column, const TaskOccurrence& occurrence) const
{
    if (column == kTask)
        return occurrence.task->Name ? occurrence.task->Name : L"";
    if (column == kNotes)
        return occurrence.task->Note ? occurrence.task->Note : L"";
    return nullptr;
}

std::wstring CRListTasksByResourceBase::SumText(Column column, const ResourceSums& sums) const
{
    return ValueSumText(column, sums.DurationSum, sums.WorkingTimeSum, sums.CostsSum);
}

std::wstring CRListTasksByResourceBase::ResourceRowText(wqv2_data::CResource* resource) const
{
    if (!resource)
        return fw::LoadResString(IDS_LIST_ALL_RESOURCES);
    const std::wstring name = resource->Name ? resource->Name : L"";
    if (TasksOf(resource).empty())
        return msgfmt::Format(fw::LoadResString(IDS_LIST_RESOURCE_NO_TASKS), {name});
    return name;
}

bool CRListTasksByResourceBase::HasSumRow(wqv2_data::CResource* entry) const
{
    return !entry || (SumResource && TasksOf(entry).size() > 1);
}
