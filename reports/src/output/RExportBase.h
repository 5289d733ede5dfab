#pragma once
// CRExportBase: the delimited-text export of a report. A report's export opens its file with
// BeginWrite and fills rows with the typed adders: each cell is cleaned as it is added, straight
// into the text of the rows not yet written, which goes to the file in pieces of about the
// file's buffer (row by row for a code page with shift states), so a run holds no cell strings
// and a few rows however many it writes. Without BeginWrite the object is itself the table
// (rows of cell texts) that Write writes at once. Both give the same bytes.
// CRUDFExportBase adds the cells of user-defined fields. The export object lives on the stack of
// the report's export callback.

#include "base/RBase.h"
#include "common/KeptTexts.h"
#include "common/ValueFormat.h"

#include "wqv2_data.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace unicode_helper {
class CTextFile;
}

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
    void AddText(const wchar_t* text); // null: an empty cell
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
    // cell that still holds a line break or the separator, or that starts with a double quote
    // (and no Delimiter), in double quotes, inner ones doubled.
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
    // A string to make a cell's text in before AddText: emptied, its room kept.
    std::wstring& ScratchCell();

private:
    // The cell of the table's current row that the next cell is (a first row when there is none).
    std::wstring& NextTableCell();
    // Room for `count` more units of the rows; where they go.
    wchar_t* Room(size_t count);
    void Grow(size_t count);
    // In a run: the separator before a cell other than the row's first (a row when none is open),
    // with room after it for the delimiters and `contentUnits`; where the cell goes.
    wchar_t* StartCell(size_t contentUnits);
    // The cell at `at` (to the end of the rows) replaced by its cleaned form.
    void AppendCleaned(wchar_t* at, std::wstring_view cell);
    void AppendCleanCell(std::wstring& line, std::wstring_view cell) const;
    // Cleans the cells of a table row into one line with CR LF and writes it; false when writing failed.
    bool WriteRow(unicode_helper::CTextFile& file, const std::wstring* cells, size_t count);
    // In a run: CR LF after the open row, and the rows to the file once there are enough of them.
    void EndRow();
    void WriteLines();

    // The run (BeginWrite to Write).
    std::unique_ptr<unicode_helper::CTextFile> m_file;
    std::unique_ptr<CValueFormats> m_formats;
    std::wstring m_path;
    std::wstring m_colourPicture;
    bool m_hexColours = false; // the default colour picture, made without formatting
    std::vector<std::pair<UINT, std::wstring>> m_resourceTexts; // strings loaded in the run
    CKeptTexts m_colours;
    CKeptValueTexts m_kept; // costs and durations
    bool m_writeFailed = false;
    bool m_rowOpen = false;
    bool m_firstCell = true;     // the open row has no cell yet
    bool m_rowByRow = false;     // a code page with shift states: each row converted on its own
    std::wstring m_lines;        // the cleaned rows not yet written (the first m_used units), the open one last
    size_t m_used = 0;
    std::wstring m_cleaned;      // reused: a cell cleaned aside
    std::wstring m_scratch;      // reused: ScratchCell
    std::wstring m_line;         // reused: a table row being written
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
        CValueFormats::UdfKind kind; // of the type
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
