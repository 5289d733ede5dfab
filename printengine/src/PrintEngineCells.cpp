// Cell property setters: fourteen properties, each for five scopes (all cells, a section, a row,
// a column, one cell). Each answers the number of cells it changed; a bad side changes none.
#include "PrintEngineInt.h"

#include "Guarded.h"

#include <string>

namespace rkpe {

namespace {

bool ValidSide(int side)
{
    return side >= kLeft && side <= kAllSides;
}

// Side 0 left, 1 top, 2 right, 3 bottom, 4 all four.
template <class T>
void SetSides(T (&sides)[4], int side, const T& value)
{
    if (side == kAllSides) {
        for (T& s : sides)
            s = value;
    } else {
        sides[side] = value;
    }
}

} // namespace

// Scope: AllCells.

int CRKPrintEngine2Int::SetFontAllCells()
{
    const FontDesc font = CurrentFont();
    return m_table->ForAllCells([&](CellStyle& st) { st.font = font; });
}

int CRKPrintEngine2Int::SetBorderAllCells(int side)
{
    if (!ValidSide(side))
        return 0;
    const PenRec pen = CurrentPen();
    return m_table->ForAllCells([&](CellStyle& st) { SetSides(st.borders, side, pen); });
}

int CRKPrintEngine2Int::SetCustomContentAllCells(int on)
{
    return m_table->ForAllCells([&](CellStyle& st) { st.customContent = on != 0; });
}

int CRKPrintEngine2Int::SetContentHeightAllCells(int height)
{
    return m_table->ForAllCells([&](CellStyle& st) { st.contentHeight = height; });
}

int CRKPrintEngine2Int::SetTextAllCells(const wchar_t* text)
{
    return Guarded(0, [&] {
        const std::wstring value = text ? text : L"";
        return m_table->ForAllCells([&](CellStyle& st) { st.text = value; });
    });
}

int CRKPrintEngine2Int::SetTextColorAllCells(COLORREF colour)
{
    return m_table->ForAllCells([&](CellStyle& st) { st.textColour = colour; });
}

int CRKPrintEngine2Int::SetBackgroundAllCells(COLORREF colour)
{
    return m_table->ForAllCells([&](CellStyle& st) { st.fill = true; st.fillBrush.colour = colour; });
}

int CRKPrintEngine2Int::SetWordWrapAllCells(int on)
{
    return m_table->ForAllCells([&](CellStyle& st) { st.wordWrap = on != 0; });
}

int CRKPrintEngine2Int::SetEllipsisAllCells(int on)
{
    return m_table->ForAllCells([&](CellStyle& st) { st.ellipsis = on != 0; });
}

int CRKPrintEngine2Int::SetAlignmentAllCells(int alignment)
{
    return m_table->ForAllCells([&](CellStyle& st) { st.alignment = alignment; });
}

int CRKPrintEngine2Int::SetPaddingAllCells(int side, int value)
{
    if (!ValidSide(side))
        return 0;
    return m_table->ForAllCells([&](CellStyle& st) { SetSides(st.padding, side, value); });
}

int CRKPrintEngine2Int::SetSpaceBelowAllCells(int value)
{
    return m_table->ForAllCells([&](CellStyle& st) { st.spaceBelow = value; });
}

int CRKPrintEngine2Int::SetSpaceAboveAllCells(int value)
{
    return m_table->ForAllCells([&](CellStyle& st) { st.spaceAbove = value; });
}

int CRKPrintEngine2Int::SetWidthAllCells(int width)
{
    return m_table->ForAllCells([&](CellStyle& st) { st.width = width; });
}

// Scope: Section.

int CRKPrintEngine2Int::SetFontSection(int s)
{
    const FontDesc font = CurrentFont();
    return m_table->ForSection(s, [&](CellStyle& st) { st.font = font; });
}

int CRKPrintEngine2Int::SetBorderSection(int s, int side)
{
    if (!ValidSide(side))
        return 0;
    const PenRec pen = CurrentPen();
    return m_table->ForSection(s, [&](CellStyle& st) { SetSides(st.borders, side, pen); });
}

int CRKPrintEngine2Int::SetCustomContentSection(int s, int on)
{
    return m_table->ForSection(s, [&](CellStyle& st) { st.customContent = on != 0; });
}

int CRKPrintEngine2Int::SetContentHeightSection(int s, int height)
{
    return m_table->ForSection(s, [&](CellStyle& st) { st.contentHeight = height; });
}

int CRKPrintEngine2Int::SetTextSection(int s, const wchar_t* text)
{
    return Guarded(0, [&] {
        const std::wstring value = text ? text : L"";
        return m_table->ForSection(s, [&](CellStyle& st) { st.text = value; });
    });
}

int CRKPrintEngine2Int::SetTextColorSection(int s, COLORREF colour)
{
    return m_table->ForSection(s, [&](CellStyle& st) { st.textColour = colour; });
}

int CRKPrintEngine2Int::SetBackgroundSection(int s, COLORREF colour)
{
    return m_table->ForSection(s, [&](CellStyle& st) { st.fill = true; st.fillBrush.colour = colour; });
}

int CRKPrintEngine2Int::SetWordWrapSection(int s, int on)
{
    return m_table->ForSection(s, [&](CellStyle& st) { st.wordWrap = on != 0; });
}

int CRKPrintEngine2Int::SetEllipsisSection(int s, int on)
{
    return m_table->ForSection(s, [&](CellStyle& st) { st.ellipsis = on != 0; });
}

int CRKPrintEngine2Int::SetAlignmentSection(int s, int alignment)
{
    return m_table->ForSection(s, [&](CellStyle& st) { st.alignment = alignment; });
}

int CRKPrintEngine2Int::SetPaddingSection(int s, int side, int value)
{
    if (!ValidSide(side))
        return 0;
    return m_table->ForSection(s, [&](CellStyle& st) { SetSides(st.padding, side, value); });
}

int CRKPrintEngine2Int::SetSpaceBelowSection(int s, int value)
{
    return m_table->ForSection(s, [&](CellStyle& st) { st.spaceBelow = value; });
}

int CRKPrintEngine2Int::SetSpaceAboveSection(int s, int value)
{
    return m_table->ForSection(s, [&](CellStyle& st) { st.spaceAbove = value; });
}

int CRKPrintEngine2Int::SetWidthSection(int s, int width)
{
    return m_table->ForSection(s, [&](CellStyle& st) { st.width = width; });
}

// Scope: Row.

int CRKPrintEngine2Int::SetFontRow(int s, int r)
{
    const FontDesc font = CurrentFont();
    return m_table->ForRow(s, r, [&](CellStyle& st) { st.font = font; });
}

int CRKPrintEngine2Int::SetBorderRow(int s, int r, int side)
{
    if (!ValidSide(side))
        return 0;
    const PenRec pen = CurrentPen();
    return m_table->ForRow(s, r, [&](CellStyle& st) { SetSides(st.borders, side, pen); });
}

int CRKPrintEngine2Int::SetCustomContentRow(int s, int r, int on)
{
    return m_table->ForRow(s, r, [&](CellStyle& st) { st.customContent = on != 0; });
}

int CRKPrintEngine2Int::SetContentHeightRow(int s, int r, int height)
{
    return m_table->ForRow(s, r, [&](CellStyle& st) { st.contentHeight = height; });
}

int CRKPrintEngine2Int::SetTextRow(int s, int r, const wchar_t* text)
{
    return Guarded(0, [&] {
        const std::wstring value = text ? text : L"";
        return m_table->ForRow(s, r, [&](CellStyle& st) { st.text = value; });
    });
}

int CRKPrintEngine2Int::SetTextColorRow(int s, int r, COLORREF colour)
{
    return m_table->ForRow(s, r, [&](CellStyle& st) { st.textColour = colour; });
}

int CRKPrintEngine2Int::SetBackgroundRow(int s, int r, COLORREF colour)
{
    return m_table->ForRow(s, r, [&](CellStyle& st) { st.fill = true; st.fillBrush.colour = colour; });
}

int CRKPrintEngine2Int::SetWordWrapRow(int s, int r, int on)
{
    return m_table->ForRow(s, r, [&](CellStyle& st) { st.wordWrap = on != 0; });
}

int CRKPrintEngine2Int::SetEllipsisRow(int s, int r, int on)
{
    return m_table->ForRow(s, r, [&](CellStyle& st) { st.ellipsis = on != 0; });
}

int CRKPrintEngine2Int::SetAlignmentRow(int s, int r, int alignment)
{
    return m_table->ForRow(s, r, [&](CellStyle& st) { st.alignment = alignment; });
}

int CRKPrintEngine2Int::SetPaddingRow(int s, int r, int side, int value)
{
    if (!ValidSide(side))
        return 0;
    return m_table->ForRow(s, r, [&](CellStyle& st) { SetSides(st.padding, side, value); });
}

int CRKPrintEngine2Int::SetSpaceBelowRow(int s, int r, int value)
{
    return m_table->ForRow(s, r, [&](CellStyle& st) { st.spaceBelow = value; });
}

int CRKPrintEngine2Int::SetSpaceAboveRow(int s, int r, int value)
{
    return m_table->ForRow(s, r, [&](CellStyle& st) { st.spaceAbove = value; });
}

int CRKPrintEngine2Int::SetWidthRow(int s, int r, int width)
{
    return m_table->ForRow(s, r, [&](CellStyle& st) { st.width = width; });
}

// Scope: Column.

int CRKPrintEngine2Int::SetFontColumn(int s, int c)
{
    const FontDesc font = CurrentFont();
    return m_table->ForColumn(s, c, [&](CellStyle& st) { st.font = font; });
}

int CRKPrintEngine2Int::SetBorderColumn(int s, int c, int side)
{
    if (!ValidSide(side))
        return 0;
    const PenRec pen = CurrentPen();
    return m_table->ForColumn(s, c, [&](CellStyle& st) { SetSides(st.borders, side, pen); });
}

int CRKPrintEngine2Int::SetCustomContentColumn(int s, int c, int on)
{
    return m_table->ForColumn(s, c, [&](CellStyle& st) { st.customContent = on != 0; });
}

int CRKPrintEngine2Int::SetContentHeightColumn(int s, int c, int height)
{
    return m_table->ForColumn(s, c, [&](CellStyle& st) { st.contentHeight = height; });
}

int CRKPrintEngine2Int::SetTextColumn(int s, int c, const wchar_t* text)
{
    return Guarded(0, [&] {
        const std::wstring value = text ? text : L"";
        return m_table->ForColumn(s, c, [&](CellStyle& st) { st.text = value; });
    });
}

int CRKPrintEngine2Int::SetTextColorColumn(int s, int c, COLORREF colour)
{
    return m_table->ForColumn(s, c, [&](CellStyle& st) { st.textColour = colour; });
}

int CRKPrintEngine2Int::SetBackgroundColumn(int s, int c, COLORREF colour)
{
    return m_table->ForColumn(s, c, [&](CellStyle& st) { st.fill = true; st.fillBrush.colour = colour; });
}

int CRKPrintEngine2Int::SetWordWrapColumn(int s, int c, int on)
{
    return m_table->ForColumn(s, c, [&](CellStyle& st) { st.wordWrap = on != 0; });
}

int CRKPrintEngine2Int::SetEllipsisColumn(int s, int c, int on)
{
    return m_table->ForColumn(s, c, [&](CellStyle& st) { st.ellipsis = on != 0; });
}

int CRKPrintEngine2Int::SetAlignmentColumn(int s, int c, int alignment)
{
    return m_table->ForColumn(s, c, [&](CellStyle& st) { st.alignment = alignment; });
}

int CRKPrintEngine2Int::SetPaddingColumn(int s, int c, int side, int value)
{
    if (!ValidSide(side))
        return 0;
    return m_table->ForColumn(s, c, [&](CellStyle& st) { SetSides(st.padding, side, value); });
}

int CRKPrintEngine2Int::SetSpaceBelowColumn(int s, int c, int value)
{
    return m_table->ForColumn(s, c, [&](CellStyle& st) { st.spaceBelow = value; });
}

int CRKPrintEngine2Int::SetSpaceAboveColumn(int s, int c, int value)
{
    return m_table->ForColumn(s, c, [&](CellStyle& st) { st.spaceAbove = value; });
}

int CRKPrintEngine2Int::SetWidthColumn(int s, int c, int width)
{
    return m_table->ForColumn(s, c, [&](CellStyle& st) { st.width = width; });
}

// Scope: Cell.

int CRKPrintEngine2Int::SetFontCell(int s, int r, int c)
{
    const FontDesc font = CurrentFont();
    return m_table->ForCell(s, r, c, [&](CellStyle& st) { st.font = font; });
}

int CRKPrintEngine2Int::SetBorderCell(int s, int r, int c, int side)
{
    if (!ValidSide(side))
        return 0;
    const PenRec pen = CurrentPen();
    return m_table->ForCell(s, r, c, [&](CellStyle& st) { SetSides(st.borders, side, pen); });
}

int CRKPrintEngine2Int::SetCustomContentCell(int s, int r, int c, int on)
{
    return m_table->ForCell(s, r, c, [&](CellStyle& st) { st.customContent = on != 0; });
}

int CRKPrintEngine2Int::SetContentHeightCell(int s, int r, int c, int height)
{
    return m_table->ForCell(s, r, c, [&](CellStyle& st) { st.contentHeight = height; });
}

int CRKPrintEngine2Int::SetTextCell(int s, int r, int c, const wchar_t* text)
{
    return Guarded(0, [&] {
        const std::wstring value = text ? text : L"";
        return m_table->ForCell(s, r, c, [&](CellStyle& st) { st.text = value; });
    });
}

int CRKPrintEngine2Int::SetTextColorCell(int s, int r, int c, COLORREF colour)
{
    return m_table->ForCell(s, r, c, [&](CellStyle& st) { st.textColour = colour; });
}

int CRKPrintEngine2Int::SetBackgroundCell(int s, int r, int c, COLORREF colour)
{
    return m_table->ForCell(s, r, c, [&](CellStyle& st) { st.fill = true; st.fillBrush.colour = colour; });
}

int CRKPrintEngine2Int::SetWordWrapCell(int s, int r, int c, int on)
{
    return m_table->ForCell(s, r, c, [&](CellStyle& st) { st.wordWrap = on != 0; });
}

int CRKPrintEngine2Int::SetEllipsisCell(int s, int r, int c, int on)
{
    return m_table->ForCell(s, r, c, [&](CellStyle& st) { st.ellipsis = on != 0; });
}

int CRKPrintEngine2Int::SetAlignmentCell(int s, int r, int c, int alignment)
{
    return m_table->ForCell(s, r, c, [&](CellStyle& st) { st.alignment = alignment; });
}

int CRKPrintEngine2Int::SetPaddingCell(int s, int r, int c, int side, int value)
{
    if (!ValidSide(side))
        return 0;
    return m_table->ForCell(s, r, c, [&](CellStyle& st) { SetSides(st.padding, side, value); });
}

int CRKPrintEngine2Int::SetSpaceBelowCell(int s, int r, int c, int value)
{
    return m_table->ForCell(s, r, c, [&](CellStyle& st) { st.spaceBelow = value; });
}

int CRKPrintEngine2Int::SetSpaceAboveCell(int s, int r, int c, int value)
{
    return m_table->ForCell(s, r, c, [&](CellStyle& st) { st.spaceAbove = value; });
}

int CRKPrintEngine2Int::SetWidthCell(int s, int r, int c, int width)
{
    return m_table->ForCell(s, r, c, [&](CellStyle& st) { st.width = width; });
}

} // namespace rkpe
