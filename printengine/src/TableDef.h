#pragma once
// The one table under construction: rows of cell records in three sections (0 head rows, 1 body
// rows, 2 continuation rows), page-flow marks, shading and the outer frame. Cell records own the
// objects drawn into them; each placement on a page gets copies.

#include "CellStyle.h"
#include "DObject.h"

#include <map>
#include <memory>
#include <set>
#include <vector>

namespace rkpe {

struct CellRecord {
    CellStyle style;
    std::vector<std::unique_ptr<DObject>> content; // cell-relative, y already negated
};

using TableRow = std::vector<CellRecord>;

struct RowShade {
    int firstCell = 0;
    int endCell = -1; // exclusive; -1: to the end of the row
    COLORREF colour = 0;
};

struct BodyRange {
    int first = 0;
    int last = -1;
};

class TableDef {
public:
    // Logical coordinates (MM_LOMETRIC).
    int cursor = 0;      // where the next row goes
    int left = 0;
    int right = 0;
    int continuationTop = 0;
    int bottom = 0;
    PenRec outer[4];     // by Side
    bool backgroundOn = false;
    COLORREF backgroundColour = 0xFFFFFF;
    std::vector<TableRow> sections[3];
    std::set<int> pageBreaks;   // body rows after which a new page starts
    std::set<int> breakAllowed; // body rows that may end a page without their successor
    std::map<int, RowShade> shading;
    std::map<int, BodyRange> continuation; // section-2 row -> body rows it accompanies

    // Section 1 and 2 are themselves; any other number means section 0.
    static int SectionIndex(int s) { return (s == 1 || s == 2) ? s : 0; }
    int BodyRowCount() const { return static_cast<int>(sections[1].size()); }

    TableRow* Row(int s, int r);
    CellRecord* Cell(int s, int r, int c);

    // Property walks; each answers the number of cells reached.
    template <class F> int ForAllCells(F&& f);
    template <class F> int ForSection(int s, F&& f);
    template <class F> int ForRow(int s, int r, F&& f);
    template <class F> int ForColumn(int s, int c, F&& f);
    template <class F> int ForCell(int s, int r, int c, F&& f);
};

template <class F>
int TableDef::ForAllCells(F&& f)
{
    int n = 0;
    for (int s = 0; s < 3; ++s)
        n += ForSection(s, f);
    return n;
}

template <class F>
int TableDef::ForSection(int s, F&& f)
{
    int n = 0;
    for (TableRow& row : sections[SectionIndex(s)])
        for (CellRecord& cell : row) {
            f(cell.style);
            ++n;
        }
    return n;
}

template <class F>
int TableDef::ForRow(int s, int r, F&& f)
{
    if (s > 2) // rows are addressed only in sections up to 2
        return 0;
    TableRow* row = Row(s, r);
    if (!row)
        return 0;
    for (CellRecord& cell : *row)
        f(cell.style);
    return static_cast<int>(row->size());
}

template <class F>
int TableDef::ForColumn(int s, int c, F&& f)
{
    if (c < 0)
        return 0;
    int n = 0;
    for (TableRow& row : sections[SectionIndex(s)])
        if (static_cast<size_t>(c) < row.size()) {
            f(row[static_cast<size_t>(c)].style);
            ++n;
        }
    return n;
}

template <class F>
int TableDef::ForCell(int s, int r, int c, F&& f)
{
    CellRecord* cell = Cell(s, r, c);
    if (!cell)
        return 0;
    f(cell->style);
    return 1;
}

} // namespace rkpe
