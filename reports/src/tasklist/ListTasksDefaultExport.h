#pragma once
// CRListTasksDefaultExport: the task list as delimited text: a header row, one row per listed
// occurrence with its columns in the grid's order, and an optional sum row.

#include "output/RExportBase.h"
#include "tasklist/ListTasksDefaultBase.h"

class CRListTasksDefaultExport : public CRListTasksDefaultBase, public CRUDFExportBase {
public:
    // Writes the rows as they are made: 0 written; 1 for an empty path or a failed write.
    int Export(const wchar_t* path) override;

private:
    void AddHeaderRow();
    // `span`: GetDaySpan of the occurrence.
    void AddTaskRow(const TaskOccurrence& occurrence, const OccurrenceSpan& span);
    void AddSumRow();
};
