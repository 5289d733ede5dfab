// Tasks by resource: export.
#include "byresource/ListTasksByResourceExport.h"

#include "common/ValueFormat.h"

#include "QV2ResVReportIds.h"

CRListTasksByResourceExport::CRListTasksByResourceExport()
{
    // A table for other programs keeps every resource, also those without tasks.
    ResourcesSkipEmpty = false;
}

int CRListTasksByResourceExport::ExportTable(const wchar_t* path)
{
    if (const int opened = BeginWrite(path); opened != 0)
        return opened;
    AddHeaderRow();
    CollectRows();
    for (wqv2_data::CResource* entry : ResourceRows) {
        if (entry)
            AddResourceRows(entry);
        else
            AddSumRow(nullptr);
    }
    return Write(path);
}

void CRListTasksByResourceExport::AddHeaderRow()
{
    if (ResourceIdentifiers)
        AddResourceText(IDS_LIST_COLUMN_RESOURCE_ID);
    AddResourceText(IDS_LIST_COLUMN_RESOURCE);
    if (TaskIdentifiers)
        AddResourceText(IDS_LIST_COLUMN_TASK_ID);
    for (UINT id : {IDS_LIST_COLUMN_TASK, IDS_LIST_COLUMN_START_DATE, IDS_LIST_COLUMN_START_TIME,
                    IDS_LIST_COLUMN_END_DATE, IDS_LIST_COLUMN_END_TIME})
        AddResourceText(id);
    if (ColumnsDuration)
        AddResourceText(IDS_LIST_COLUMN_DURATION);
    if (ColumnsWorkingTime)
        AddResourceText(IDS_LIST_COLUMN_WORKING_TIME);
    if (ColumnsCosts) {
        for (UINT id : {IDS_LIST_COLUMN_COSTS_CALCULATE, IDS_LIST_COLUMN_COSTS_VARIABLE, IDS_LIST_COLUMN_COSTS_UNIT,
                        IDS_LIST_COLUMN_COSTS_FIXED, IDS_LIST_COLUMN_COSTS})
            AddResourceText(id);
    }
    if (ColumnsFormat) {
        for (UINT id : {IDS_LIST_COLUMN_COLOR_TEXT, IDS_LIST_COLUMN_COLOR_BACK, IDS_LIST_COLUMN_BOLD})
            AddResourceText(id);
    }
    if (ColumnsUDF)
        AddUdfHeaderCells(wqv2_data::kUserFieldsTask);
    if (ColumnsNotes)
        AddResourceText(IDS_LIST_COLUMN_NOTES);
}

void CRListTasksByResourceExport::AddResourceRows(wqv2_data::CResource* resource)
{
    for (const TaskOccurrence& occurrence : TasksOf(resource))
        AddTaskRow(resource, occurrence, FactsOf(occurrence));
    if (SumResource)
        AddSumRow(resource);
}

void CRListTasksByResourceExport::AddTaskRow(wqv2_data::CResource* resource, const TaskOccurrence& occurrence,
                                             const OccurrenceFacts& facts)
{
    wqv2_data::CTask* task = occurrence.task;
    const OccurrenceSpan& span = facts.daySpan;
    const OccurrenceValues& values = facts.values;
    NewRow();
    if (ResourceIdentifiers)
        AddNumber(resource->ID);
    AddText(resource->Name);
    if (TaskIdentifiers) {
        // An occurrence of a series is no task of its own and has no task ID.
        if (IsSeriesTemplate(task))
            AddText(L"");
        else
            AddNumber(task->ID);
    }
    AddText(task->Name);
    AddDate(span.startDay);
    AddTime(TTime(span.startMinute));
    AddDate(span.endDay);
    AddTime(TTime(span.endMinute));
    if (ColumnsDuration)
        AddDuration(values.duration, DurationType, DurationShort);
    if (ColumnsWorkingTime)
        AddDuration(values.workingTime, WorkingTimeType, WorkingTimeShort);
    if (ColumnsCosts) {
        AddNumber(task->CostsCalculate ? 1 : 0);
        AddCosts(task->CostsVariable);
        AddResourceText(task->CostsTimeUnit == 0 ? IDS_COSTS_PER_HOUR : IDS_COSTS_PER_WORKING_HOUR);
        AddCosts(task->CostsFixed);
        AddCosts(values.costs);
    }
    if (ColumnsFormat) {
        AddColor(task->ColorFg);
        AddColor(task->ColorBk);
        AddNumber(task->FontBold ? 1 : 0);
    }
    if (ColumnsUDF)
        AddUdfTaskCells(task);
    if (ColumnsNotes)
        AddText(task->Note);
}

void CRListTasksByResourceExport::AddSumRow(wqv2_data::CResource* resource)
{
    const ResourceSums sums = SumsOf(resource);
    NewRow();
    if (ResourceIdentifiers) {
        if (resource)
            AddNumber(resource->ID);
        else
            AddText(L"");
    }
    if (resource)
        AddText(resource->Name);
    else
        AddResourceText(IDS_LIST_TOTAL);
    if (TaskIdentifiers)
        AddText(L"");
    for (int i = 0; i < 4; ++i)
        AddText(L""); // task, start day and time, end day
    if (resource)
        AddResourceText(IDS_LIST_SUM);
    else
        AddText(L"");
    if (ColumnsDuration)
        AddDuration(sums.DurationSum, DurationType, DurationShort);
    if (ColumnsWorkingTime)
        AddDuration(sums.WorkingTimeSum, WorkingTimeType, WorkingTimeShort);
    if (ColumnsCosts) {
        for (int i = 0; i < 4; ++i)
            AddText(L"");
        AddCosts(sums.CostsSum);
    }
    if (ColumnsFormat) {
        for (int i = 0; i < 3; ++i)
            AddText(L"");
    }
    if (ColumnsUDF)
        AddUdfEmptyCells(wqv2_data::kUserFieldsTask);
    if (ColumnsNotes)
        AddText(L"");
}
