#pragma once
// CHtmlTableHelper: an HTML table as a small object model (table, rows, cells with public
// attribute members) turned into markup. The table owns its rows and the rows own their cells;
// a reference returned by an Add operation stays valid until the next record is added to the
// same vector. A long table is not kept whole: its start, each row and its end are appended to
// the page as they are made (AppendStart, HtmlTableRow::AppendHtml, AppendEnd), and the cells of
// a column, alike but for their text, share one CHtmlCellMarkup made before the rows.

#include "output/PageText.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct HtmlTableCell {
    int16_t WidthPercent = -1;   // -1 = not given
    int HorizontalAlignment = 0; // 0 not given, 1 left, 2 right, 3 center, 4 justify
    std::wstring Class;
    std::wstring Link;           // file path a hyperlink around the content leads to; empty = none
    COLORREF TextColor = 0;      // 0 = not given (black cannot be given)
    COLORREF Background = 0xFFFFFF; // white = not given
    int16_t ColumnSpan = 1;
    int16_t RowSpan = 1;
    int16_t Width = -1;          // pixels; negative = not given
    int TextId = -1;             // resource string replacing Text; -1 = none
    std::wstring Text;
    bool BlanksNonBreaking = false;
    bool Bold = false;
    int16_t BorderLeft = -1;     // points; negative = not given
    int16_t BorderRight = -1;
    int16_t BorderTop = -1;
    int16_t BorderBottom = -1;
    bool NoWrap = false;
    bool RuleNoShade = false;
    int RuleSize = -1;           // -1 = no rule; otherwise a horizontal rule before the content

    void SetRule(int size, bool noShade)
    {
        RuleSize = size;
        RuleNoShade = noShade;
    }
    std::wstring GetHtml(bool header) const;
    void AppendHtml(std::wstring& out, bool header) const;
};

// The markup of the cells of one model cell's attributes with any text: the opening tag (and
// rule) and the content's wrapping are made once.
class CHtmlCellMarkup {
public:
    CHtmlCellMarkup() = default;
    // The model's Text and TextId are not used.
    CHtmlCellMarkup(const HtmlTableCell& model, bool header);
    // The cell holding `text` (escaped; a non-breaking blank when empty) appended to `out`.
    void Append(std::wstring& out, std::wstring_view text) const;
    void Append(CPageText& out, std::wstring_view text) const;
    // The same of a text up to its terminating zero (null as empty).
    void Append(CPageText& out, const wchar_t* text) const;

    // The cell's markup before and after its content, and how the content is written.
    const std::wstring& Start() const { return m_start; }
    const std::wstring& End() const { return m_end; }
    bool Bold() const { return m_bold; }
    bool Blanks() const { return m_blanks; }

private:
    std::wstring m_start; // the tag with its attributes, the rule, then link and font starts
    std::wstring m_end;   // the ends of font, link and cell
    bool m_bold = false;
    bool m_blanks = false;
};

struct HtmlTableRow {
    std::vector<HtmlTableCell> Cells;
    bool Header = false;         // the cells are written as "th"
    int VerticalAlignment = 0;   // 0 not given, 1 top, 2 baseline, 3 middle, 4 bottom
    std::wstring Class;
    std::wstring CellClass;      // when set, replaces the class of every cell when written

    HtmlTableCell& AddCell();
    HtmlTableCell& AddCell(const std::wstring& text, int alignment, bool bold);
    HtmlTableCell& AddCell(int textId, int alignment, bool bold);
    HtmlTableCell& AddEmptyCell() { return AddCell(); }
    int GetCellCount() const { return static_cast<int>(Cells.size()); }
    std::wstring GetHtml() const;
    void AppendHtml(std::wstring& out) const;
    // The row's opening tag and the closing one, for rows whose cells are appended one by one.
    void AppendStart(std::wstring& out) const;
    static void AppendEnd(std::wstring& out) { out += L" </tr>\n"; }
    static void AppendEnd(CPageText& out) { out.Append(L" </tr>\n"); }
};

// The markup of rows alike but for their texts: the row's tags (its cells not used) and one
// model cell per column (their Text and TextId not used), with what lies between two texts, one
// cell's end and the next one's start, made once. A row is its cells' texts in column order,
// then AppendEnd.
class CHtmlRowMarkup {
public:
    CHtmlRowMarkup(const HtmlTableRow& row, const std::vector<HtmlTableCell>& columns);

    // The text of a column's cell, escaped (a non-breaking blank when empty), with the markup
    // before it.
    void AppendCell(CPageText& out, size_t column, std::wstring_view text) const;
    // The same of a text up to its terminating zero (null as empty).
    void AppendCell(CPageText& out, size_t column, const wchar_t* text) const;
    // The last cell's end and the row's end.
    void AppendEnd(CPageText& out) const { out.Append(m_end); }

private:
    struct Column {
        std::wstring before; // the row's start or the cell before's end, then this cell's start
        bool bold = false;
        bool blanks = false;
    };
    std::vector<Column> m_columns;
    std::wstring m_end;
};

class CHtmlTableHelper {
public:
    virtual ~CHtmlTableHelper() = default;

    HtmlTableRow& AddRow();
    // A row of one cell holding a blank shown as "&#160;".
    HtmlTableRow& AddEmptyRow();
    // Sum of the column spans of the first row; 1 for a table without rows.
    int GetColumnCount() const;
    std::wstring GetHtml() const;
    // The table's opening tag, and its end, around rows appended one by one (Rows not used).
    void AppendStart(std::wstring& out) const;
    static void AppendEnd(std::wstring& out) { out += L"\n</table>\n\n"; }

    int BorderCollapse = 0;      // 0 not given, 1 collapse, other values separate
    int16_t WidthPercent = -1;
    int16_t Border = -1;
    int16_t CellSpacing = -1;
    int16_t CellPadding = -1;
    std::wstring Name;
    std::wstring Class;
    std::vector<HtmlTableRow> Rows;
};
