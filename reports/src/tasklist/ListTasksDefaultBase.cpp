// Task list: settings, columns, rows and sums.
#include "tasklist/ListTasksDefaultBase.h"

#include "common/ReportSettings.h"
#include "common/TimeText.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

#include <algorithm>

CRListTasksDefaultBase::CRListTasksDefaultBase() : CRListTasksBase(L"ReportsListTasksDefault")
{
    GetDefaultColumnIds(Columns);
    std::vector<int> read;
    ParseColumnOrder(read, GetSettingText(L"ViewGridColumnsSortOrder"));
    MergeColumnIdList(Columns, read);
    const bool shown[8] = {true, true, true, true, ColumnsDuration, ColumnsWorkingTime, ColumnsCosts, ColumnsNotes};
    std::erase_if(Columns, [&](int column) { return !shown[column]; });
}

int CRListTasksDefaultBase::CollectRows()
{
    Rows.clear();
    return CollectTasks(Rows, ColumnsDuration ? &DurationSum : nullptr, ColumnsWorkingTime ? &WorkingTimeSum : nullptr,
                        ColumnsCosts ? &CostsSum : nullptr);
}

OccurrenceValues CRListTasksDefaultBase::CountRow(const TaskOccurrence& occurrence, const OccurrenceSpan& span)
{
    const OccurrenceValues values = AnyValueColumn() ? GetOccurrenceValues(occurrence, span) : OccurrenceValues{};
    if (ColumnsDuration)
        DurationSum += values.duration;
    if (ColumnsWorkingTime)
        WorkingTimeSum += values.workingTime;
    if (ColumnsCosts)
        CostsSum += values.costs;
    return values;
}

std::vector<CRListTasksDefaultBase::SumRun> CRListTasksDefaultBase::SumRuns() const
{
    std::vector<SumRun> runs;
    for (int column : Columns) {
        if (IsValueColumn(column)) {
            runs.push_back({column, 1, false});
            continue;
        }
        if (runs.empty() || runs.back().column != -1)
            runs.push_back({-1, 0, false});
        ++runs.back().count;
        runs.back().marked |= column == kName;
    }
    return runs;
}

std::wstring CRListTasksDefaultBase::ColumnHead(int column) const
{
    static const UINT kHeads[8] = {IDS_LIST_COLUMN_TASK,     IDS_LIST_COLUMN_RESOURCE,     IDS_LIST_COLUMN_START,
                                   IDS_LIST_COLUMN_END,      IDS_LIST_COLUMN_DURATION,     IDS_LIST_COLUMN_WORKING_TIME,
                                   IDS_LIST_COLUMN_COSTS,    IDS_LIST_COLUMN_NOTES};
    if (column < 0 || column > 7)
        return {};
    return HeadText(column, kHeads[column]);
}

const wchar_t* CRListTasksDefaultBase::DataText(int column, const TaskOccurrence& occurrence) const
{
    wqv2_data::CTask* task = occurrence.task;
    switch (column) {
    case kName:
        return task->Name ? task->Name : L"";
    case kResource: {
        wqv2_data::CResource* resource = task->GetResource();
        return resource && resource->Name ? resource->Name : L"";
    }
    case kNotes:
        return task->Note ? task->Note : L"";
    default:
        return nullptr;
    }
}

std::wstring CRListTasksDefaultBase::SumText(int column) const
{
    return ValueSumText(column, DurationSum, WorkingTimeSum, CostsSum);
}
