#pragma once
// The assignment grid's rows, shared choice list and vertical scrolling, without a window: row
// and choice bookkeeping, which rows show, and how the scroll position moves.

#include <array>
#include <string>
#include <vector>

namespace rkcc {

struct AssignGridColumnData {
    std::wstring text;
    int width = 0; // column 0: x of the boundary between the columns
};

struct AssignGridRowData {
    std::wstring name;
    int bold = 0;
    int choice = -1; // index into the choices, -1 none
    int data1 = 0;
    int data2 = 0;
};

struct AssignGridChoice {
    std::wstring text;
    int key = 0;
};

class CAssignGridModel {
public:
    std::array<AssignGridColumnData, 2> columns;
    std::vector<AssignGridRowData> rows;
    std::vector<AssignGridChoice> choices;
    int current = -1;
    int rowHeight = 16;    // also the header's height
    int clientHeight = 0;  // set by the window on each size
    int scroll = 0;        // vertical position in pixels

    int RowCount() const { return static_cast<int>(rows.size()); }
    int ChoiceCount() const { return static_cast<int>(choices.size()); }
    bool ValidRow(long long row) const { return row >= 0 && row < RowCount(); }
    bool ValidChoice(long long choice) const { return choice >= -1 && choice < ChoiceCount(); }

    int ScrollMax() const; // the scroll bar's range
    int Page() const { return clientHeight - rowHeight; }
    // The furthest position: the last row at the bottom, as the scroll bar's thumb ends there.
    int MaxPosition() const;
    int FirstVisible() const;
    int LastVisible() const;
    int RowAt(int y) const; // -1 on the header and below the last row
    int RowTop(int row) const { return rowHeight + (row - FirstVisible()) * rowHeight; }

    // Keeps the scroll position inside 0..ScrollMax (after rows go or the window shrinks).
    void ClampScroll();
    void ScrollLines(int lines);
    void ScrollIntoView(int row);
    // A WM_VSCROLL request (SB_ code and the thumb's track position); true when the position moved.
    bool OnVScroll(int code, int trackPosition);

    void AddRow(AssignGridRowData row);
    void ClearChoices();
    int FindChoiceByKey(int key) const;
    int FindChoiceByText(const std::wstring& text) const;
};

} // namespace rkcc
