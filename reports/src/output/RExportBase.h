#pragma once
// CRExportBase: the delimited-text export of a report. A report's export opens its file with
// BeginWrite and fills rows with the typed adders: each row is cleaned and written into the
// file's buffer as soon as the next row starts (the last one by Write), its cell strings kept for
// the next row, so a run holds one row however many it writes. Without BeginWrite the object is
// itself the table (rows of cell texts) that Write writes at once. Both give the same bytes.
// CRUDFExportBase adds the cells of user-defined fields. The export object lives on the stack of
// the report's export callback.

#include "base/RBase.h"

#include "wqv2_data.h"

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace unicode_helper {
class CTextFile;
}
class CValueFormats;

using ExportRow = std::vector<std::wstring>;

class CRExportBase : public CRBase, public std::vector<ExportRow> {
public:
    // The defaults below, then the ReportsExport* settings.
    CRExportBase();
    ~CRExportBase() override;

    // The report's export: writes its rows with BeginWrite and Write; 0 written, 1 not.
    virtual int Export(const wchar_t* path) = 0;

    // Opens the file the rows of this run go to as they are made, and reads the cell formats of
    // the run (dates, times, colours, costs, durations, user fields) once. 0 opened; 1 for an
    // empty path (nothing touched); a file that cannot be made gives the result of Write for it.
    // The table stays empty while the run writes.
    int BeginWrite(const wchar_t* path);

    // Starts a new row, the current one (written at once when a run writes).
    void NewRow();
    // Appends a cell to the current row (a first row is made when there is none).
    void AddText(std::wstring_view text);
    void AddText(const wchar_t* text) { AddText(std::wstring_view(text ? text : L"")); }
    // The text of a string of the resource library (empty when it is missing).
    void AddResourceText(UINT id);
    void AddNumber(int value);
    // `ReportsExportColorFormat` (read for every cell outside a run), else "#%.2X%.2X%.2X" of
    // red, green, blue.
    void AddColor(COLORREF colour);
    // The date text of `DateFormat` with UseLocalizedDate, else "yyyyMMdd".
    void AddDate(TDate date);
    // The time text of `TimeFormat`.
    void AddTime(const TTime& time);
    // FormatCosts and FormatDuration of the value.
    void AddCosts(double value);
    void AddDuration(int minutes, int type, bool shortForm);

    // Writes the rows: cleaned cells joined by Separator, CR LF after each. After BeginWrite it
    // writes the last row and closes the file (the path is BeginWrite's); otherwise it writes
    // the table to `path`. 0 when written; 1 for an empty path (nothing touched) or a file that
    // cannot be made or written (message 10200 when `ReportsErrorMessage` is set).
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

protected:
    // The formats of the run; null outside one (the adders then read the settings each time).
    CValueFormats* RunFormats() const { return m_formats.get(); }
    // The string the next cell of the current row is made in: emptied, its room kept.
    std::wstring& NextCell();

private:
    void AppendCleanCell(std::wstring& line, std::wstring_view cell) const;
    // Cleans the cells of a row into one line with CR LF and writes it; false when writing failed.
    bool WriteRow(unicode_helper::CTextFile& file, const std::wstring* cells, size_t count);
    void WriteCurrentRow();

    // The run (BeginWrite to Write).
    std::unique_ptr<unicode_helper::CTextFile> m_file;
    std::unique_ptr<CValueFormats> m_formats;
    std::wstring m_path;
    std::wstring m_colourPicture;
    std::vector<std::pair<UINT, std::wstring>> m_resourceTexts; // strings loaded in the run
    bool m_writeFailed = false;
    bool m_rowOpen = false;
    ExportRow m_row;         // the current row's cells; only the first m_cells are in use
    size_t m_cells = 0;
    std::wstring m_line;     // reused: the row being written
    mutable std::wstring m_content; // reused: a cell being cleaned
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

protected:
    struct UserField {
        const wchar_t* name; // not owned: the project settings' definition
        const wchar_t* type;
    };
    // The fields of the kind in the project's order; with `toFirstUnnamed` those before the
    // first without a name (where the header cells end).
    static std::vector<UserField> ReadUserFields(int kind, bool toFirstUnnamed);

private:
    // The task fields, read once in a run (the project does not change while it writes).
    const std::vector<UserField>& TaskFields();

    std::vector<UserField> m_taskFields;
    bool m_taskFieldsRead = false;
};
