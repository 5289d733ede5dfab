// Task list: settings, columns, rows and sums.
#include "tasklist/ListTasksDefaultBase.h"

#include "common/ReportSettings.h"
#include "common/TimeText.h"
#include "common/ValueFormat.h"
#include "common/ValueTexts.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

#include <algorithm>

namespace {

// A hand-edited time setting outside the day still names a moment of its day.
int DayMinute(int minute)
{
    const int r = minute % 1440;
    return r < 0 ? r + 1440 : r;
}

} // namespace

CRListTasksDefaultBase::CRListTasksDefaultBase()
{
    DateStart = GetDateSetting(L"ReportsListTasksDefaultDateStart", DateStart);
    DateEnd = GetDateSetting(L"ReportsListTasksDefaultDateEnd", DateEnd);
    TimeStart = DayMinute(GetIntSetting(L"ReportsListTasksDefaultTimeStart", 0));
    TimeEnd = DayMinute(GetIntSetting(L"ReportsListTasksDefaultTimeEnd", 0));
    ColumnsDuration = GetBoolSetting(L"ReportsListTasksDefaultColumnsDuration", false);
    ColumnsWorkingTime = GetBoolSetting(L"ReportsListTasksDefaultColumnsWorkingTime", false);
    ColumnsCosts = GetBoolSetting(L"ReportsListTasksDefaultColumnsCosts", false);
    ColumnsNotes = GetBoolSetting(L"ReportsListTasksDefaultColumnsNotes", false);
    ColumnsFormat = GetBoolSetting(L"ReportsListTasksDefaultColumnsFormat", false);
    ColumnsUDF = GetBoolSetting(L"ReportsListTasksDefaultColumnsUDF", false);
    LimitPeriod = GetBoolSetting(L"ReportsListTasksDefaultLimitPeriod", true);
    // A sum of no value column is no sum.
    SumTotal = GetBoolSetting(L"ReportsListTasksDefaultSumTotal", false) && AnyValueColumn();
    const bool gridDateOnly = GetBoolSetting(L"ViewGridShowDateOnly", false);
    DateOnly = GetBoolSetting(L"ReportsListTasksDefaultDateOnly", gridDateOnly);
    WeekdayMode = GetIntSetting(L"ReportsListTasksDefaultDateFormat", 0);

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
    std::wstring head = fw::LoadResString(kHeads[column]);
    if (LimitPeriod && IsValueColumn(column))
        head += fw::LoadResString(IDS_LIST_LIMITED_MARK);
    return head;
}

std::wstring CRListTasksDefaultBase::CellText(int column, const TaskOccurrence& occurrence,
                                              const OccurrenceValues& values) const
{
    CValueTexts texts;
    return std::wstring(CellText(column, occurrence, GetDaySpan(occurrence), values, texts));
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

std::wstring_view CRListTasksDefaultBase::CellText(int column, const TaskOccurrence& occurrence,
                                                   const OccurrenceSpan& span, const OccurrenceValues& values,
                                                   CValueTexts& texts) const
{
    switch (column) {
    case kName:
    case kResource:
    case kNotes:
        return DataText(column, occurrence);
    case kStart:
        return StartText(span, DateOnly, WeekdayMode, texts);
    case kEnd:
        return EndText(span, DateOnly, WeekdayMode, texts);
    case kDuration:
        return texts.Duration(values.duration, DurationType, DurationShort);
    case kWorkingTime:
        return texts.Duration(values.workingTime, WorkingTimeType, WorkingTimeShort);
    case kCosts:
        return texts.Costs(values.costs);
    default:
        return {};
    }
}

std::wstring CRListTasksDefaultBase::SumText(int column) const
{
    switch (column) {
    case kDuration:
        return FormatDuration(DurationSum);
    case kWorkingTime:
        return FormatWorkingTime(WorkingTimeSum);
    case kCosts:
        return FormatCosts(CostsSum);
    default:
        return {};
    }
}
