#pragma once
// CRListTasksByResourceExport: the tasks-by-resource report as delimited text: a header row,
// then the occurrences resource by resource, with sum rows under the resources and a total row.
// Every resource the report filter shows is exported, with or without tasks. The schedule
// report uses this class for its own export (it sets the period and clears the options first).

#include "byresource/ListTasksByResourceBase.h"
#include "output/RExportBase.h"

class CRListTasksByResourceExport : public CRListTasksByResourceBase, public CRUDFExportBase {
public:
    CRListTasksByResourceExport();

    int Export(const wchar_t* path) override { return ExportTable(path); }
    // Writes the rows as they are made: 0 written; 1 for an empty path or a failed write.
    int ExportTable(const wchar_t* path);
    // The task rows of a resource and, with SumResource, its sum row.
    void AddResourceRows(wqv2_data::CResource* resource);
    // The sum row of a resource; null writes the total row.
    void AddSumRow(wqv2_data::CResource* resource);

private:
    void AddHeaderRow();
    // `facts`: FactsOf the occurrence.
    void AddTaskRow(wqv2_data::CResource* resource, const TaskOccurrence& occurrence, const OccurrenceFacts& facts);
};
