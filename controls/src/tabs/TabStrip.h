#pragma once
// The tab control's strip without a window: where each tab lies for measured text widths,
// which tab is drawn first when the strip overflows, and how a selection scrolls it.

#include <windows.h>

#include <string>
#include <vector>

namespace rkcc {

struct TabItem {
    std::wstring text;
    std::wstring display; // refreshed by every layout
    RECT rect{};          // unscrolled client coordinates
};

class CTabStrip {
public:
    static constexpr int kSpacing = 1;
    static constexpr int kTextMargin = 3;
    static constexpr int kFrameMargin = 1;

    std::vector<TabItem> tabs;
    int selected = -1;
    int first = 0; // first visible tab
    bool overflow = false;
    int tabHeight = 0;
    RECT leftArrow{}; // where the arrow buttons stand (placed at creation)

    int Count() const { return static_cast<int>(tabs.size()); }
    // widths: one measured text width per tab.
    void Layout(const std::vector<int>& widths, const RECT& client);
    // The tab's rectangle as drawn: shifted left while the strip is scrolled.
    RECT DrawnRect(int index) const;
    bool ShowLeftArrow() const { return overflow && first > 0; }
    bool ShowRightArrow() const { return overflow && first < Count() - 1; }
    // Clamps and selects; true when the selection changed.
    bool Select(int index);
    // The first visible tab under a point, -1 for none.
    int TabAt(POINT pt) const;
    bool ScrollBy(int step); // true when the first visible tab moved
    void Clear();
};

} // namespace rkcc
