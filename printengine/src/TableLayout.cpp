// The page flow of a table.
#include "TableLayout.h"

#include "DShapes.h"

#include <algorithm>

namespace rkpe {

TableLayout::TableLayout(TableDef& table, std::vector<std::unique_ptr<PPage>>& pages, int& currentPage,
    CGDISet* cache, MeasureFn measure)
    : m_table(table), m_pages(pages), m_currentPage(currentPage), m_cache(cache), m_measure(std::move(measure))
{
}

void TableLayout::Measure()
{
    for (int s = 0; s < 3; ++s) {
        auto& measured = m_rows[s];
        measured.clear();
        measured.reserve(m_table.sections[s].size());
        for (const TableRow& row : m_table.sections[s]) {
            MeasuredRow m;
            m.source = &row;
            m.cells.reserve(row.size());
            for (const CellRecord& record : row) {
                auto cell = std::make_unique<DTableCell>(m_cache, record.style);
                const CellStyle& st = record.style;
                cell->SetTextHeight(st.customContent ? st.contentHeight : m_measure(st, st.TextWidth()));
                m.height = std::max(m.height, cell->CellHeight());
                m.cells.push_back(std::move(cell));
            }
            for (auto& cell : m.cells)
                cell->SetRowHeight(m.height);
            measured.push_back(std::move(m));
        }
    }
}

void TableLayout::StartNewPage(TableLayoutResult& result)
{
    if (m_currentPage >= static_cast<int>(m_pages.size()))
        m_pages.push_back(std::make_unique<PPage>());
    ++m_currentPage;
    result.bottoms.push_back(m_table.cursor);
    m_table.cursor = m_table.continuationTop;
}

std::vector<DTableCell*> TableLayout::PlaceRow(PPage& page, MeasuredRow& row, bool copy, int rowNumber)
{
    std::vector<DTableCell*> placed;
    placed.reserve(row.cells.size());
    int x = m_table.left;
    for (size_t i = 0; i < row.cells.size(); ++i) {
        std::unique_ptr<DTableCell> cell = copy ? std::make_unique<DTableCell>(*row.cells[i]) : std::move(row.cells[i]);
        if (!cell)
            continue;
        ApplyRules(cell->Style(), m_currentPage, rowNumber);
        cell->MoveTo(x, m_table.cursor);
        x += cell->Style().width;
        const POINT origin = cell->ContentOrigin();
        placed.push_back(cell.get());
        page.Append(std::move(cell));
        // Every placement gets its own contents, owned by its page.
        for (const auto& object : (*row.source)[i].content) {
            auto own = object->Clone();
            own->Offset(origin.x, origin.y);
            page.Append(std::move(own));
        }
    }
    m_table.cursor -= row.height;
    return placed;
}

void TableLayout::Shade(const std::vector<DTableCell*>& cells, int bodyRow) const
{
    auto it = m_table.shading.find(bodyRow);
    if (it == m_table.shading.end())
        return;
    const int count = static_cast<int>(cells.size());
    const int first = std::max(it->second.firstCell, 0);
    const int end = it->second.endCell < 0 ? count : std::min(it->second.endCell, count);
    for (int c = first; c < end; ++c) {
        CellStyle& st = cells[static_cast<size_t>(c)]->Style();
        st.fill = true;
        st.fillBrush.colour = it->second.colour;
    }
}

size_t TableLayout::PlaceBodyRows(PPage& page, size_t next)
{
    auto& body = m_rows[1];
    for (int n = 0; next < body.size(); ++n) {
        const int h = body[next].height;
        const int space = m_table.cursor - m_table.bottom;
        // The first body row of a page is always placed, whether it fits or is kept with the
        // next one: otherwise a row (or pair) taller than a page would add pages without end.
        if (n > 0) {
            if (space < h)
                break;
            const bool keepWithNext = next + 1 < body.size() && !m_table.breakAllowed.count(static_cast<int>(next));
            if (keepWithNext && space < h + body[next + 1].height)
                break;
        }
        auto placed = PlaceRow(page, body[next], false, n);
        if (n % 2 == 1)
            Shade(placed, static_cast<int>(next));
        ++next;
        if (m_table.pageBreaks.count(static_cast<int>(next) - 1))
            break;
    }
    return next;
}

void TableLayout::FrameAndBackground(PPage& page, int pageTop)
{
    const int l = m_table.left;
    const int r = m_table.right;
    const int b = m_table.cursor;
    const PenRec* outer = m_table.outer;
    if (outer[kLeft].width > 0)
        page.Append(std::make_unique<DLine>(m_cache, outer[kLeft], l, pageTop, l, b));
    if (outer[kTop].width > 0)
        page.Append(std::make_unique<DLine>(m_cache, outer[kTop], l, pageTop, r, pageTop));
    if (outer[kRight].width > 0)
        page.Append(std::make_unique<DLine>(m_cache, outer[kRight], r, pageTop, r, b));
    if (outer[kBottom].width > 0)
        page.Append(std::make_unique<DLine>(m_cache, outer[kBottom], l, b, r, b));
    if (m_table.backgroundOn) {
        page.InsertFront(std::make_unique<DRectangle>(m_cache, PenRec{}, BrushRec{m_table.backgroundColour, 0},
            l, pageTop, r - l, pageTop - b));
    }
}

TableLayoutResult TableLayout::Run()
{
    TableLayoutResult result;
    if (m_currentPage < 1 || m_currentPage > static_cast<int>(m_pages.size()))
        return result;
    Measure();
    const int startPage = m_currentPage;
    int headHeight = 0;
    for (const auto& row : m_rows[0])
        headHeight += row.height;
    auto& body = m_rows[1];
    const int firstBodyHeight = body.empty() ? 0 : body.front().height;

    const int space = m_table.cursor - m_table.bottom;
    const bool moveAtOnce = space < headHeight + firstBodyHeight
        && m_table.continuationTop - m_table.bottom > space;

    size_t next = 0;
    bool firstPass = true;
    do {
        int pageTop = m_table.cursor;
        if (!firstPass || moveAtOnce) {
            StartNewPage(result);
            pageTop = m_table.continuationTop;
        }
        firstPass = false;
        PPage& page = *m_pages[static_cast<size_t>(m_currentPage - 1)];

        for (size_t i = 0; i < m_rows[0].size(); ++i)
            PlaceRow(page, m_rows[0][i], true, static_cast<int>(i));
        if (next < body.size()) {
            int placed = 0;
            for (size_t j = 0; j < m_rows[2].size(); ++j) {
                auto bound = m_table.continuation.find(static_cast<int>(j));
                if (bound == m_table.continuation.end())
                    continue;
                const int bodyRow = static_cast<int>(next);
                if (bodyRow >= bound->second.first && bodyRow <= bound->second.last)
                    PlaceRow(page, m_rows[2][j], true, placed++);
            }
        }
        next = PlaceBodyRows(page, next);
        FrameAndBackground(page, pageTop);
    } while (next < body.size());

    result.bottoms.push_back(m_table.cursor);
    result.firstPage = startPage;
    result.lastPage = m_currentPage;
    for (auto& rows : m_rows)
        rows.clear(); // head templates and unplaced continuation rows; placed cells belong to pages
    return result;
}

} // namespace rkpe
