#pragma once
// Flows a table over the current and following pages: head rows on every page, bound
// continuation rows after them, body rows until the page is full, a forced break or a
// keep-with-next rule moves on; then zebra shading, the outer frame and the background.

#include "DTableCell.h"
#include "PPage.h"
#include "TableDef.h"

#include <functional>
#include <memory>
#include <vector>

namespace rkpe {

class CGDISet;

struct TableLayoutResult {
    int firstPage = 0;        // 0 and -1 when nothing was laid out
    int lastPage = -1;
    std::vector<int> bottoms; // logical y where the table ends on each of its pages
};

class TableLayout {
public:
    // Height of a cell's text at the given width (its inner height).
    using MeasureFn = std::function<int(const CellStyle& style, int textWidth)>;

    // pages and currentPage are the document's; the layout appends pages and advances
    // currentPage to the table's last page.
    TableLayout(TableDef& table, std::vector<std::unique_ptr<PPage>>& pages, int& currentPage,
        CGDISet* cache, MeasureFn measure);

    TableLayoutResult Run();

private:
    struct MeasuredRow {
        const TableRow* source = nullptr;
        std::vector<std::unique_ptr<DTableCell>> cells;
        int height = 0;
    };

    void Measure();
    void StartNewPage(TableLayoutResult& result);
    // Places one row at the cursor: copies (head and continuation rows) or the measured cells
    // themselves (body rows, placed once). Rules are evaluated on what is placed.
    std::vector<DTableCell*> PlaceRow(PPage& page, MeasuredRow& row, bool copy, int rowNumber);
    size_t PlaceBodyRows(PPage& page, size_t next);
    void Shade(const std::vector<DTableCell*>& cells, int bodyRow) const;
    void FrameAndBackground(PPage& page, int pageTop);

    TableDef& m_table;
    std::vector<std::unique_ptr<PPage>>& m_pages;
    int& m_currentPage;
    CGDISet* m_cache; // not owned
    MeasureFn m_measure;
    std::vector<MeasuredRow> m_rows[3];
};

} // namespace rkpe
