// Layout, scrolling and selection of the tab strip.
#include "tabs/TabStrip.h"

#include <algorithm>

namespace rkcc {

void CTabStrip::Layout(const std::vector<int>& widths, const RECT& client)
{
    if (tabs.empty())
        return;
    int left = client.left + 1;
    for (size_t i = 0; i < tabs.size(); ++i) {
        TabItem& tab = tabs[i];
        tab.display = tab.text;
        const int width = i < widths.size() ? widths[i] : 0;
        tab.rect = {left, client.bottom - tabHeight, left + 2 * (kTextMargin + kFrameMargin) + width, client.bottom};
        left = tab.rect.right + 2 * kSpacing + 1;
    }
    overflow = tabs.size() >= 2 && tabs.back().rect.right + 1 >= client.right;
}

RECT CTabStrip::DrawnRect(int index) const
{
    RECT r = tabs[static_cast<size_t>(index)].rect;
    if (first > 0)
        OffsetRect(&r, -tabs[static_cast<size_t>(first - 1)].rect.right, 0);
    return r;
}

bool CTabStrip::Select(int a)
{
    const int last = Count() - 1;
    if (a >= last)
        a = last;
    if (a < 0)
        a = tabs.empty() ? -1 : 0;
    if (a == selected)
        return false;
    selected = a;
    if (a < 0)
        return true;
    if (a < first) {
        first = a;
    } else if (overflow) {
        while (first < last && DrawnRect(a).right > leftArrow.left)
            ++first;
    }
    return true;
}

int CTabStrip::TabAt(POINT pt) const
{
    for (int i = first; i < Count(); ++i) {
        const RECT r = DrawnRect(i);
        if (PtInRect(&r, pt))
            return i;
    }
    return -1;
}

bool CTabStrip::ScrollBy(int step)
{
    const int next = first + step;
    if (next < 0 || next >= Count())
        return false;
    first = next;
    return true;
}

void CTabStrip::Clear()
{
    tabs.clear();
    overflow = false;
    first = 0;
}

} // namespace rkcc
