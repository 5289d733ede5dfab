#pragma once
// CRExportBase: the delimited-text export of a report. The object is itself the table (rows of
// cell texts) that the report fills with the typed adders and then writes with Write. Cells are
// cleaned (line breaks, delimiter) only when written. CRUDFExportBase adds the cells of
// user-defined fields. The export object lives on the stack of the report's export callback.

#include "base/RBase.h"

#include "wqv2_data.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

using ExportRow = std::vector<std::wstring>;

class CRExportBase : public CRBase, public std::vector<ExportRow> {
public:
    // The defaults below, then the ReportsExport* settings.
    CRExportBase();

    // The report's export: builds the table and writes it with Write; 0 written, 1 not.
    virtual int Export(const wchar_t* path) = 0;

    // Appends an empty row and makes it the current row.
    void NewRow();
    // Appends a cell to the current row (a first row is made when there is none).
    void AddText(std::wstring_view text);
    void AddText(const wchar_t* text) { AddText(std::wstring_view(text ? text : L"")); }
    // The text of a string of the resource library (empty when it is missing).
    void AddResourceText(UINT id);
    void AddNumber(int value);
    // `ReportsExportColorFormat` (read for every cell), else "#%.2X%.2X%.2X" of red, green, blue.
    void AddColor(COLORREF colour);
    // The date text of `DateFormat` with UseLocalizedDate, else "yyyyMMdd".
    void AddDate(TDate date);
    // The time text of `TimeFormat`.
    void AddTime(const TTime& time);

    // Writes every row: cleaned cells joined by Separator, CR LF after each. 0 when written; 1
    // for an empty path (nothing touched) or a file that cannot be made or written (message
    // 10200 when `ReportsErrorMessage` is set).
    int Write(const wchar_t* path);
    // A cell as written: CR removed, LF replaced (with NewlineReplace), wrapped in Delimiter; a
    // cell that still holds a line break or the separator in double quotes, inner ones doubled.
    std::wstring CleanCell(const std::wstring& cell) const;

    std::wstring ChartFieldSeparator = L"/"; // ReportsExportChartFieldSeparator
    bool UseLocalizedDate = true;            // ReportsExportUseLocalizedDate
    bool TaskIdentifiers = false;            // ReportsExportIDTasks
    bool ResourceIdentifiers = false;        // ReportsExportIDResources
    std::wstring Separator = L"\t";          // ReportsExportSeparator (never empty)
    std::wstring Delimiter;                  // ReportsExportDelimiter
    bool NewlineReplace = true;              // ReportsExportNewlineReplace
    std::wstring NewlineReplacement = L" ";  // ReportsExportNewlineReplacement(Empty)
    bool EncodingUnicode = true;             // ReportsExportEncodingUnicode
    int CodePage = 1252;                     // ReportsExportEncodingCodepage
    int CurrentRow = -1;
};

class CRUDFExportBase : public CRExportBase {
public:
    // One header cell per user-defined field of the kind (2 resource, 4 task fields) in the
    // project's order; false at the first field without a name (true also for no fields).
    bool AddUdfHeaderCells(int kind);
    // An empty cell for an empty or missing value; the value formatted by its type name, or as
    // it stands without one.
    void AddUdfValueCell(const wchar_t* value, const wchar_t* typeName);
    // One value cell per task field of the project (the order of AddUdfHeaderCells(4)): the
    // task's value formatted by the field's type; empty cells for a null task.
    void AddUdfTaskCells(wqv2_data::CTask* task);
    // One empty cell per user-defined field of the kind.
    void AddUdfEmptyCells(int kind);
};
