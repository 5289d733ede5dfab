// Print-engine tables.
#include "output/PrintTable.h"

#include <cmath>

namespace print_table_helper {
namespace {

constexpr COLORREF kBlack = 0;

void SetFontOf(CRKPrintEngine2* engine, int size, bool bold)
{
    engine->SetFont(size, bold, 3, kBlack, false, false);
}

} // namespace

void PrintTableCell::SetText(const std::wstring& text) const
{
    engine->SetTextCell(section, row, column, text.c_str());
}

void PrintTableCell::SetPadding(int side, int value) const
{
    engine->SetPaddingCell(section, row, column, side, value);
}

void PrintTableCell::SetAlignment(int alignment) const
{
    engine->SetAlignmentCell(section, row, column, alignment);
}

void PrintTableCell::SetExtraText(int op, int value, const std::wstring& text) const
{
    engine->SetCellExtraText(section, row, column, op, value, text.c_str());
}

void PrintTableRow::MergeCells(int firstCell, int count) const
{
    engine->MergeCells(section, row, firstCell, count);
}

void PrintTableRow::SetKeepWithNext(bool keep) const
{
    if (section == 1)
        engine->SetRowKeepWithNext(row, keep);
}

void PrintTableRow::SetSpaceAbove(int value) const
{
    engine->SetSpaceAboveRow(section, row, value);
}

void PrintTableRow::SetSpaceBelow(int value) const
{
    engine->SetSpaceBelowRow(section, row, value);
}

void PrintTableRow::SetFont(int size, bool bold) const
{
    SetFontOf(engine, size, bold);
    engine->SetFontRow(section, row);
}

void PrintTableRow::SetAlignment(int alignment) const
{
    engine->SetAlignmentRow(section, row, alignment);
}

void PrintTableRow::SetBorder(int side, int width) const
{
    engine->SetPen(width, kBlack);
    engine->SetBorderRow(section, row, side);
}

void PrintTableRow::SetSumStyle(int fontSize, int penWidth) const
{
    SetFont(fontSize, true);
    SetBorder(1, penWidth);
}

void PrintTableSection::SetFont(int size, bool bold) const
{
    SetFontOf(engine, size, bold);
    engine->SetFontSection(section);
}

PrintTableRow PrintTableSection::AppendRow() const
{
    std::vector<int> widths;
    widths.reserve(table->Widths().size());
    for (double width : table->Widths())
        widths.push_back(static_cast<int>(width)); // toward zero
    const int row = engine->AddTableRow(section, static_cast<int>(widths.size()), widths.data());
    return {row, section, engine};
}

void PrintTableColumn::SetBorder(int side, int width) const
{
    engine->SetPen(width, kBlack);
    engine->SetBorderColumn(section, column, side);
}

void CTable::AddColumn(double weight)
{
    m_widths.push_back(weight);
}

int CTable::ScaleWidths(int totalWidth)
{
    std::vector<double> shares = m_widths;
    double sum = 0.0;
    for (double share : shares)
        sum += share;
    if (std::fabs(sum) > 1e-6) {
        for (double& share : shares)
            share /= sum;
    }
    double total = 0.0;
    for (size_t i = 0; i < m_widths.size(); ++i) {
        m_widths[i] = shares[i] * totalWidth;
        total += m_widths[i];
    }
    return static_cast<int>(total);
}

int CTable::BeginTable(int left, int top, int right, int bottom, int startY)
{
    return m_engine->BeginTable(left, top, right, bottom, startY);
}

int CTable::EndTable()
{
    return m_engine->EndTable();
}

void CTable::SetFontAll(int size, bool bold)
{
    SetFontOf(m_engine, size, bold);
    m_engine->SetFontAllCells();
}

void CTable::SetBorderAll(int side, int width)
{
    m_engine->SetPen(width, kBlack);
    m_engine->SetBorderAllCells(side);
}

void CTable::SetPaddingAll(int side, int value)
{
    m_engine->SetPaddingAllCells(side, value);
}

void CTable::SetAlignmentAll(int alignment)
{
    m_engine->SetAlignmentAllCells(alignment);
}

void CTable::SetWordWrapAll(bool on)
{
    m_engine->SetWordWrapAllCells(on);
}

void CTable::SetEllipsisAll(bool on)
{
    m_engine->SetEllipsisAllCells(on);
}

} // namespace print_table_helper
