#pragma once
// print_table_helper: a thin layer over the print engine's tables. CTable holds the relative
// column widths of one table, scales them to the page and adds rows with those widths; small
// handles made on the stack (section, row, cell, column) set texts, fonts, borders, padding and
// alignment through the engine. Sections: 0 head rows (repeated on every page of the table),
// 1 body rows, 2 continuation rows. Sides: 0 left, 1 top, 2 right, 3 bottom, 4 all. Alignments
// 0 to 8 (value mod 3: left, centre, right; value div 3: top, middle, bottom).

#include "RKPrintEngine2.h"

#include <string>
#include <vector>

namespace print_table_helper {

class CTable;

struct PrintTableCell {
    int row;
    int column;
    int section;
    CRKPrintEngine2* engine; // not owned

    void SetText(const std::wstring& text) const;
    void SetPadding(int side, int value) const;
    void SetAlignment(int alignment) const;
    // A text that replaces the cell's text where the engine's rule (op, value) holds; op 7 with
    // value 0 shows it when the row is the first of its page.
    void SetExtraText(int op, int value, const std::wstring& text) const;
};

struct PrintTableRow {
    int row;
    int section;
    CRKPrintEngine2* engine; // not owned

    void MergeCells(int firstCell, int count) const;
    // Only for body rows; nothing for rows of other sections.
    void SetKeepWithNext(bool keep) const;
    void SetSpaceAbove(int value) const;
    void SetSpaceBelow(int value) const;
    void SetFont(int size, bool bold) const;
    void SetAlignment(int alignment) const;
    void SetBorder(int side, int width) const;
    // The look of a sum row: bold at `fontSize` under a rule of `penWidth` (its top border).
    void SetSumStyle(int fontSize, int penWidth) const;
    PrintTableCell Cell(int column) const { return {row, column, section, engine}; }
};

struct PrintTableSection {
    int section;
    CTable* table;           // not owned
    CRKPrintEngine2* engine; // not owned

    void SetFont(int size, bool bold) const;
    // A row of the table's columns, their widths cut to whole numbers.
    PrintTableRow AppendRow() const;
};

struct PrintTableColumn {
    int column;
    int section;
    CRKPrintEngine2* engine; // not owned

    void SetBorder(int side, int width) const;
};

class CTable {
public:
    explicit CTable(CRKPrintEngine2* engine) : m_engine(engine) {}
    virtual ~CTable() = default;

    void AddColumn(double weight);
    // The weights become widths: their shares of `totalWidth`; weights that sum to 0 stay as
    // they are. Returns the sum of the widths cut to a whole number.
    int ScaleWidths(int totalWidth);
    PrintTableSection Section(int section) { return {section, this, m_engine}; }
    PrintTableColumn Column(int section, int column) const { return {column, section, m_engine}; }

    int BeginTable(int left, int top, int right, int bottom, int startY);
    // Lays the rows out over pages; the y below the table (the current page is its last).
    int EndTable();

    void SetFontAll(int size, bool bold);
    void SetBorderAll(int side, int width);
    void SetPaddingAll(int side, int value);
    void SetAlignmentAll(int alignment);
    void SetWordWrapAll(bool on);
    void SetEllipsisAll(bool on);

    const std::vector<double>& Widths() const { return m_widths; }
    CRKPrintEngine2* Engine() const { return m_engine; }

private:
    std::vector<double> m_widths; // weights, and after ScaleWidths widths in 0.1 mm
    CRKPrintEngine2* m_engine;    // not owned
};

} // namespace print_table_helper
