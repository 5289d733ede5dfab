// Task list: export.
#include "tasklist/ListTasksDefaultExport.h"

#include "common/ValueFormat.h"

#include "QV2ResVReportIds.h"

int CRListTasksDefaultExport::Export(const wchar_t* path)
{
    if (const int opened = BeginWrite(path); opened != 0)
        return opened;
    AddHeaderRow();
    // The sums are added up row by row as the rows are written, in the order CollectRows would
    // add them, so each occurrence's values are worked out once.
    Rows.clear();
    CollectTasks(Rows, nullptr, nullptr, nullptr);
    DurationSum = 0;
    WorkingTimeSum = 0;
    CostsSum = 0.0;
    // Each row's bounds are worked out as it is written: kept for every row they would cost as
    // much memory as the rows.
    for (const TaskOccurrence& occurrence : Rows)
        AddTaskRow(occurrence, GetDaySpan(occurrence));
    if (SumTotal)
        AddSumRow();
    return Write(path);
}

void CRListTasksDefaultExport::AddHeaderRow()
{
    if (TaskIdentifiers)
        AddResourceText(IDS_LIST_COLUMN_TASK_ID);
    if (ResourceIdentifiers)
        AddResourceText(IDS_LIST_COLUMN_RESOURCE_ID);
    for (int column : Columns) {
        switch (column) {
        case kName:
            AddResourceText(IDS_LIST_COLUMN_TASK);
            break;
        case kResource:
            AddResourceText(IDS_LIST_COLUMN_RESOURCE);
            break;
        case kStart:
            AddResourceText(IDS_LIST_COLUMN_START_DATE);
            AddResourceText(IDS_LIST_COLUMN_START_TIME);
            break;
        case kEnd:
            AddResourceText(IDS_LIST_COLUMN_END_DATE);
            AddResourceText(IDS_LIST_COLUMN_END_TIME);
            break;
        case kDuration:
            AddResourceText(IDS_LIST_COLUMN_DURATION);
            break;
        case kWorkingTime:
            AddResourceText(IDS_LIST_COLUMN_WORKING_TIME);
            break;
        case kCosts:
            for (UINT id : {IDS_LIST_COLUMN_COSTS_CALCULATE, IDS_LIST_COLUMN_COSTS_VARIABLE, IDS_LIST_COLUMN_COSTS_UNIT,
                            IDS_LIST_COLUMN_COSTS_FIXED, IDS_LIST_COLUMN_COSTS})
                AddResourceText(id);
            break;
        case kNotes:
            AddResourceText(IDS_LIST_COLUMN_NOTES);
            break;
        }
    }
    if (ColumnsFormat) {
        for (UINT id : {IDS_LIST_COLUMN_COLOR_TEXT, IDS_LIST_COLUMN_COLOR_BACK, IDS_LIST_COLUMN_BOLD})
            AddResourceText(id);
    }
    if (ColumnsUDF)
        AddUdfHeaderCells(wqv2_data::kUserFieldsTask);
}

void CRListTasksDefaultExport::AddTaskRow(const TaskOccurrence& occurrence, const OccurrenceSpan& span)
{
    wqv2_data::CTask* task = occurrence.task;
    wqv2_data::CResource* resource = task->GetResource();
    const OccurrenceValues values = CountRow(occurrence, span);
    NewRow();
    if (TaskIdentifiers) {
        // An occurrence of a series is no task of its own and has no task ID.
        if (IsSeriesTemplate(task))
            AddText(L"");
        else
            AddNumber(task->ID);
    }
    if (ResourceIdentifiers) {
        if (resource)
            AddNumber(resource->ID);
        else
            AddText(L"");
    }
    for (int column : Columns) {
        switch (column) {
        case kName:
            AddText(task->Name);
            break;
        case kResource:
            AddText(resource ? resource->Name : nullptr);
            break;
        case kStart:
            AddDate(span.startDay);
            AddTime(TTime(span.startMinute));
            break;
        case kEnd:
            AddDate(span.endDay);
            AddTime(TTime(span.endMinute));
            break;
        case kDuration:
            AddDuration(values.duration, DurationType, DurationShort);
            break;
        case kWorkingTime:
            AddDuration(values.workingTime, WorkingTimeType, WorkingTimeShort);
            break;
        case kCosts:
            AddNumber(task->CostsCalculate ? 1 : 0);
            AddCosts(task->CostsVariable);
            AddResourceText(task->CostsTimeUnit == 0 ? IDS_COSTS_PER_HOUR : IDS_COSTS_PER_WORKING_HOUR);
            AddCosts(task->CostsFixed);
            AddCosts(values.costs);
            break;
        case kNotes:
            AddText(task->Note);
            break;
        }
    }
    if (ColumnsFormat) {
        AddColor(task->ColorFg);
        AddColor(task->ColorBk);
        AddNumber(task->FontBold ? 1 : 0);
    }
    if (ColumnsUDF)
        AddUdfTaskCells(task);
}

void CRListTasksDefaultExport::AddSumRow()
{
    NewRow();
    if (TaskIdentifiers)
        AddText(L"");
    if (ResourceIdentifiers)
        AddText(L"");
    for (int column : Columns) {
        switch (column) {
        case kName:
            AddResourceText(IDS_LIST_TOTAL);
            break;
        case kStart:
        case kEnd:
            AddText(L""); // date and time
            AddText(L"");
            break;
        case kDuration:
        case kWorkingTime:
            AddText(SumText(column));
            break;
        case kCosts:
            for (int i = 0; i < 4; ++i)
                AddText(L"");
            AddText(SumText(column));
            break;
        default:
            AddText(L"");
            break;
        }
    }
    if (ColumnsFormat) {
        for (int i = 0; i < 3; ++i)
            AddText(L"");
    }
    if (ColumnsUDF)
        AddUdfEmptyCells(wqv2_data::kUserFieldsTask);
}
