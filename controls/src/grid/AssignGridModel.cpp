// Rows, choices and scrolling of the assignment grid.
#include "grid/AssignGridModel.h"

#include <windows.h>

#include <algorithm>

namespace rkcc {

int CAssignGridModel::ScrollMax() const
{
    const int all = rowHeight * RowCount();
    return clientHeight - rowHeight < all ? all - 1 : 0;
}

int CAssignGridModel::MaxPosition() const
{
    return std::max(0, rowHeight * RowCount() - std::max(0, Page()));
}

int CAssignGridModel::FirstVisible() const
{
    if (rows.empty() || rowHeight <= 0)
        return 0;
    const int first = (scroll + rowHeight - 1) / rowHeight; // smallest i with i * height >= scroll
    return std::min(first, RowCount() - 1);
}

int CAssignGridModel::LastVisible() const
{
    if (rows.empty() || rowHeight <= 0)
        return -1;
    return std::min(FirstVisible() + (clientHeight - rowHeight) / rowHeight, RowCount() - 1);
}

int CAssignGridModel::RowAt(int y) const
{
    if (y < rowHeight || rowHeight <= 0 || rows.empty())
        return -1;
    const int row = FirstVisible() + (y - rowHeight) / rowHeight;
    return row < RowCount() ? row : -1;
}

void CAssignGridModel::ClampScroll()
{
    scroll = std::clamp(scroll, 0, MaxPosition());
}

void CAssignGridModel::ScrollLines(int lines)
{
    scroll = std::clamp(scroll + lines * rowHeight, 0, MaxPosition());
}

void CAssignGridModel::ScrollIntoView(int row)
{
    if (!ValidRow(row))
        return;
    const int last = LastVisible();
    if (row > last)
        ScrollLines(row - last);
    const int first = FirstVisible();
    if (row < first)
        ScrollLines(row - first);
    if (RowTop(row) + rowHeight > clientHeight && scroll < MaxPosition())
        ScrollLines(1);
}

bool CAssignGridModel::OnVScroll(int code, int trackPosition)
{
    const int before = scroll;
    const int max = MaxPosition();
    switch (code) {
    case SB_LINEUP:
        if (scroll > 0 && FirstVisible() > 0)
            scroll = std::max(0, scroll - rowHeight);
        break;
    case SB_LINEDOWN:
        if (scroll < max)
            scroll = std::min(max, scroll + rowHeight);
        break;
    case SB_PAGEUP:
        scroll = std::max(0, scroll - Page());
        break;
    case SB_PAGEDOWN:
        scroll = std::min(max, scroll + Page());
        break;
    case SB_TOP:
        scroll = 0;
        break;
    case SB_BOTTOM:
        scroll = max;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        scroll = std::clamp(trackPosition, 0, max);
        break;
    default:
        break;
    }
    return scroll != before;
}

void CAssignGridModel::AddRow(AssignGridRowData row)
{
    rows.push_back(std::move(row));
    if (current == -1)
        current = 0;
}

void CAssignGridModel::ClearChoices()
{
    choices.clear();
    for (AssignGridRowData& row : rows)
        row.choice = -1;
}

int CAssignGridModel::FindChoiceByKey(int key) const
{
    for (size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].key == key)
            return static_cast<int>(i);
    }
    return -1;
}

int CAssignGridModel::FindChoiceByText(const std::wstring& text) const
{
    for (size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].text == text)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace rkcc
