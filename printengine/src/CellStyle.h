#pragma once
// What a table cell shows and how: the cell record without its drawn contents. Table cells on
// pages carry a copy of it.

#include "Descriptors.h"

#include <string>

namespace rkpe {

enum Side { kLeft = 0, kTop = 1, kRight = 2, kBottom = 3, kAllSides = 4 };

// A rule compares its value with the page number, the row number or -1 (see RuleHolds).
struct CellRule {
    int op = 0;
    int value = 0;
};

struct CellStyle {
    bool customContent = false; // show the drawn contents, no text
    int width = 0;
    int contentHeight = 0;      // height of a custom-content cell
    std::wstring text;
    std::wstring extraText;     // replaces text where rule 1 holds
    CellRule textRule;          // rule 1
    CellRule borderRule;        // rule 2: clears the borders where it holds
    int padding[4] = {4, 4, 4, 4}; // by Side, inside the borders
    int alignment = 3;
    COLORREF textColour = 0;
    bool wordWrap = true;
    bool ellipsis = false;
    bool fill = false;
    int spaceAbove = 0;         // outside the top border
    int spaceBelow = 0;         // outside the bottom border
    FontDesc font;
    BrushRec fillBrush;
    PenRec borders[4];          // by Side

    // Width left for text between borders and padding.
    int TextWidth() const
    {
        return width - borders[kLeft].width / 2 - borders[kRight].width / 2 - padding[kLeft] - padding[kRight];
    }
    // Everything of the height but the text or content.
    int FrameHeight() const
    {
        return borders[kTop].width / 2 + borders[kBottom].width / 2 + spaceAbove + spaceBelow
            + padding[kTop] + padding[kBottom];
    }
};

// Ops 1-6 compare with the page number, 7-12 with the row number, 13-18 with -1, each six as
// equal, not equal, value >= n, value > n, value <= n, value < n. Other ops never hold.
bool RuleHolds(const CellRule& rule, int page, int row);

// Applies both rules for one placement.
void ApplyRules(CellStyle& style, int page, int row);

} // namespace rkpe
