// Table operations of the engine: definition, cell contents, page flow and results.
#include "PrintEngineInt.h"

#include "DShapes.h"
#include "DText.h"
#include "Guarded.h"
#include "TableLayout.h"

#include "TextLayout.h"

namespace rkpe {

namespace {

// Measures cell texts for one layout. The DC and its mapping stay the same throughout, so the
// font stays selected from one cell to the next and each font's line height is read once.
class CellMeasurer {
public:
    CellMeasurer(const CDC& dc, CGDISet& cache)
        : m_dc(dc), m_cache(cache)
    {
    }
    ~CellMeasurer()
    {
        if (m_previous)
            SelectObject(m_dc.attrib, m_previous);
    }
    CellMeasurer(const CellMeasurer&) = delete;
    CellMeasurer& operator=(const CellMeasurer&) = delete;

    int Height(const CellStyle& style, int width)
    {
        HFONT font = m_cache.GetFont(style.font, m_dc);
        if (font != m_font) {
            HGDIOBJ old = SelectObject(m_dc.attrib, font);
            if (!m_previous)
                m_previous = old;
            m_font = font;
        }
        GdiTextMeasurer measurer(m_dc.attrib, font, &m_metrics);
        const auto lines = BreakLines(style.text, width, style.wordWrap, measurer);
        return static_cast<int>(lines.size()) * measurer.LineHeight();
    }

private:
    const CDC& m_dc;
    CGDISet& m_cache;
    HFONT m_font = nullptr;
    HGDIOBJ m_previous = nullptr;
    MetricsCache m_metrics;
};

} // namespace

int CRKPrintEngine2Int::BeginTable(int left, int top, int right, int bottom, int startY)
{
    return Guarded(0, [&] {
        auto table = std::make_unique<TableDef>();
        table->left = MapX(left);
        table->right = MapX(right);
        table->continuationTop = MapY(top);
        table->bottom = MapY(bottom);
        table->cursor = MapY(startY);
        m_table = std::move(table);
        return m_table->cursor;
    });
}

int CRKPrintEngine2Int::EndTable()
{
    return Guarded(MapY(m_table->cursor), [&] {
        m_lastFirstPage = 0;
        m_lastLastPage = -1;
        m_lastBottoms.clear();
        CellMeasurer cells(m_dc, *m_cache);
        auto measure = [&](const CellStyle& style, int textWidth) { return cells.Height(style, textWidth); };
        TableLayout layout(*m_table, m_pages, CurrentPage, m_cache.get(), measure);
        const TableLayoutResult result = layout.Run();
        m_lastFirstPage = result.firstPage;
        m_lastLastPage = result.lastPage;
        for (int y : result.bottoms)
            m_lastBottoms.push_back(MapY(y));
        return MapY(m_table->cursor);
    });
}

int CRKPrintEngine2Int::GetRowCount(int s)
{
    return static_cast<int>(m_table->sections[TableDef::SectionIndex(s)].size());
}

int CRKPrintEngine2Int::GetCellCount(int s, int r)
{
    const TableRow* row = m_table->Row(s, r);
    if (!row || row->empty())
        return -1;
    return static_cast<int>(row->size());
}

int CRKPrintEngine2Int::AddTableRow(int s, int count, const int* widths)
{
    return Guarded(-1, [&] {
        if (count < 0 || (count > 0 && !widths))
            return -1;
        TableRow row(static_cast<size_t>(count));
        const FontDesc font = CurrentFont();
        for (int i = 0; i < count; ++i) {
            row[static_cast<size_t>(i)].style.width = widths[i];
            row[static_cast<size_t>(i)].style.font = font;
        }
        auto& rows = m_table->sections[TableDef::SectionIndex(s)];
        rows.push_back(std::move(row));
        return static_cast<int>(rows.size()) - 1;
    });
}

int CRKPrintEngine2Int::SetTableBorder()
{
    for (PenRec& side : m_table->outer)
        side = CurrentPen();
    return 1;
}

int CRKPrintEngine2Int::SetTableBackground(COLORREF colour)
{
    m_table->backgroundOn = true;
    m_table->backgroundColour = colour;
    return 1;
}

int CRKPrintEngine2Int::SetContinuationRowRange(int row2, int firstBodyRow, int lastBodyRow)
{
    return Guarded(0, [&] {
        if (!m_table->Row(2, row2))
            return 0;
        m_table->continuation[row2] = BodyRange{firstBodyRow, lastBodyRow};
        return 1;
    });
}

int CRKPrintEngine2Int::AddPageBreak(int bodyRow)
{
    return Guarded(0, [&] {
        if (bodyRow < 0 || bodyRow >= m_table->BodyRowCount())
            return 0;
        m_table->pageBreaks.insert(bodyRow);
        return 1;
    });
}

int CRKPrintEngine2Int::SetRowShading(COLORREF colour, int firstRow, int lastRow, int firstCell, int endCell)
{
    return Guarded(0, [&] {
        const int count = m_table->BodyRowCount();
        if (lastRow < 0 || lastRow >= count)
            lastRow = count - 1;
        if (firstRow < 0 || firstRow > lastRow || firstCell < 0)
            return 0;
        for (int r = firstRow; r <= lastRow; ++r)
            m_table->shading[r] = RowShade{firstCell, endCell, colour};
        return 1;
    });
}

int CRKPrintEngine2Int::AddToCell(int s, int r, int c, std::unique_ptr<DObject> object)
{
    CellRecord* cell = m_table->Cell(s, r, c);
    if (!cell || !object)
        return 0;
    cell->content.push_back(std::move(object));
    cell->style.customContent = true;
    return 1;
}

int CRKPrintEngine2Int::DrawCellLine(int s, int r, int c, int x1, int y1, int x2, int y2)
{
    return Guarded(0, [&] {
        if (!m_table->Cell(s, r, c))
            return 0;
        return AddToCell(s, r, c, std::make_unique<DLine>(m_cache.get(), CurrentPen(), x1, -y1, x2, -y2));
    });
}

int CRKPrintEngine2Int::DrawCellRectangle(int s, int r, int c, int x, int y, int w, int h)
{
    return Guarded(0, [&] {
        if (!m_table->Cell(s, r, c))
            return 0;
        return AddToCell(s, r, c, std::make_unique<DRectangle>(m_cache.get(), CurrentPen(), CurrentBrush(), x, -y, w, h));
    });
}

int CRKPrintEngine2Int::DrawCellPicture(int s, int r, int c, int id, int x, int y, int w, int h)
{
    return Guarded(0, [&] {
        if (!m_table->Cell(s, r, c))
            return 0;
        return AddToCell(s, r, c, std::make_unique<DPicture>(m_cache.get(), id, x, -y, w, h));
    });
}

int CRKPrintEngine2Int::DrawCellPolygon(int s, int r, int c, const POINT* pts, int n)
{
    return Guarded(0, [&] {
        if (!pts || n <= 0 || n > kMaxPolyPoints || !m_table->Cell(s, r, c))
            return 0;
        return AddToCell(s, r, c,
            std::make_unique<DPolygon>(m_cache.get(), CopyPoints(pts, n, true), CurrentPen(), CurrentBrush()));
    });
}

int CRKPrintEngine2Int::DrawCellPolyline(int s, int r, int c, const POINT* pts, int n)
{
    return Guarded(0, [&] {
        if (!pts || n <= 0 || n > kMaxPolyPoints || !m_table->Cell(s, r, c))
            return 0;
        return AddToCell(s, r, c, std::make_unique<DPolyline>(m_cache.get(), CopyPoints(pts, n, true), CurrentPen()));
    });
}

int CRKPrintEngine2Int::DrawCellEllipse(int s, int r, int c, int x, int y, int w, int h)
{
    return Guarded(0, [&] {
        if (!m_table->Cell(s, r, c))
            return 0;
        return AddToCell(s, r, c, std::make_unique<DEllipse>(m_cache.get(), x, -y, w, h, CurrentPen(), CurrentBrush()));
    });
}

int CRKPrintEngine2Int::DrawCellText(int s, int r, int c, const wchar_t* text, int x, int y)
{
    return Guarded(0, [&] {
        if (!m_table->Cell(s, r, c))
            return 0;
        return AddToCell(s, r, c,
            std::make_unique<DText>(m_cache.get(), text ? text : L"", CurrentFont(), TextColor, x, -y));
    });
}

int CRKPrintEngine2Int::DrawCellTextBox(int s, int r, int c, const wchar_t* text, int x, int y, int w, int h,
    int wordWrap, int anchorTop, int framed, int ellipsis)
{
    return Guarded(0, [&] {
        if (!m_table->Cell(s, r, c))
            return 0;
        TextBoxStyle style;
        style.alignment = TextAlignment;
        style.wordWrap = wordWrap != 0;
        style.anchorTop = anchorTop != 0;
        style.framed = framed != 0;
        style.ellipsis = ellipsis != 0;
        return AddToCell(s, r, c, std::make_unique<DText>(m_cache.get(), text ? text : L"", CurrentFont(), TextColor,
            CurrentPen(), CurrentBrush(), x, -y, w, h, style));
    });
}

int CRKPrintEngine2Int::IsRowBreakAllowed(int bodyRow)
{
    return m_table->breakAllowed.count(bodyRow) ? 1 : 0;
}

int CRKPrintEngine2Int::SetRowKeepWithNext(int bodyRow, int keep)
{
    return Guarded(0, [&] {
        if (bodyRow < 0 || bodyRow >= m_table->BodyRowCount())
            return 0;
        if (keep)
            m_table->breakAllowed.erase(bodyRow);
        else
            m_table->breakAllowed.insert(bodyRow);
        return 1;
    });
}

int CRKPrintEngine2Int::MergeCells(int s, int r, int firstCell, int count)
{
    return Guarded(0, [&] {
        TableRow* row = m_table->Row(s, r);
        if (!row || count < 2 || firstCell < 0)
            return 0;
        const size_t first = static_cast<size_t>(firstCell);
        const size_t n = static_cast<size_t>(count);
        if (first + n > row->size())
            return 0;
        for (size_t i = first + 1; i < first + n; ++i)
            (*row)[first].style.width += (*row)[i].style.width;
        row->erase(row->begin() + static_cast<std::ptrdiff_t>(first + 1), row->begin() + static_cast<std::ptrdiff_t>(first + n));
        return 1;
    });
}

int CRKPrintEngine2Int::SetCellExtraText(int s, int r, int c, int op, int value, const wchar_t* text)
{
    return Guarded(0, [&] {
        CellRecord* cell = m_table->Cell(s, r, c);
        if (!cell)
            return 0;
        cell->style.textRule = CellRule{op, value};
        cell->style.extraText = text ? text : L"";
        return 1;
    });
}

int CRKPrintEngine2Int::SetCellExtraValues(int s, int r, int c, int op, int value)
{
    CellRecord* cell = m_table->Cell(s, r, c);
    if (!cell)
        return 0;
    cell->style.borderRule = CellRule{op, value};
    return 1;
}

int CRKPrintEngine2Int::GetCellTextWidth(int s, int r, int c)
{
    const CellRecord* cell = m_table->Cell(s, r, c);
    return cell ? cell->style.TextWidth() : 0;
}

int CRKPrintEngine2Int::GetLastTablePages(int* first, int* last)
{
    if (first)
        *first = m_lastFirstPage;
    if (last)
        *last = m_lastLastPage;
    return m_lastLastPage - m_lastFirstPage + 1;
}

int CRKPrintEngine2Int::GetTablePageBottoms(int* values, int count)
{
    if (!values || count < 0 || static_cast<size_t>(count) != m_lastBottoms.size() || m_lastBottoms.empty())
        return 0;
    std::copy(m_lastBottoms.begin(), m_lastBottoms.end(), values);
    return 1;
}

} // namespace rkpe
