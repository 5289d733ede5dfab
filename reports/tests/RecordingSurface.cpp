// The recording chart surface of the chart tests.
#include "RecordingSurface.h"

#include <algorithm>

void CRecordingSurface::FillRect(const RECT& rect, const RECT& clip, ChartColor colour)
{
    const RECT r = IntersectRects(rect, clip);
    if (!IsEmptyRect(r))
        fills.push_back({r, colour & 0xFFFFFFu});
}

int CRecordingSurface::GetTextWidth(const std::wstring& text)
{
    return kCharWidth * static_cast<int>(text.size());
}

void CRecordingSurface::DrawText(const std::wstring& text, const RECT& rect, const RECT& clip, int align,
                                 bool keepStart)
{
    // Placed as the memory-bitmap surface places it.
    if (text.empty() || IsEmptyRect(rect) || IsEmptyRect(clip))
        return;
    const int width = GetTextWidth(text);
    int x = rect.left;
    if (align == 1)
        x = rect.left + (rect.right - rect.left) / 2 - width / 2;
    else if (align == 2)
        x = rect.right - width;
    if (keepStart)
        x = std::max<int>(x, rect.left);
    texts.push_back({text, rect, x, std::max<int>(x, clip.left), std::min<int>(x + width, clip.right), m_font});
}

void CRecordingSurface::DrawLine(int x1, int y1, int x2, int y2)
{
    lines.push_back({{x1, y1, x2, y2}, m_pen});
}

void CRecordingSurface::GetTimeBarFontHeights(int& normal, int& small)
{
    normal = 10;
    small = 8;
}

std::vector<CRecordingSurface::Text> CRecordingSurface::TextsIn(int top, int bottom) const
{
    std::vector<Text> found;
    for (const Text& t : texts)
        if (t.rect.top >= top && t.rect.bottom <= bottom && t.shownLeft < t.shownRight)
            found.push_back(t);
    return found;
}

std::vector<std::pair<int, int>> CRecordingSurface::TicksOf(int top, int bottom) const
{
    std::vector<std::pair<int, int>> ticks;
    for (const Line& l : lines) {
        const ChartLine& c = l.line;
        if (l.pen < kLinePen && c.x1 == c.x2 && std::max(c.y1, c.y2) == bottom && std::min(c.y1, c.y2) >= top)
            ticks.emplace_back(c.x1, std::abs(c.y2 - c.y1));
    }
    std::sort(ticks.begin(), ticks.end());
    return ticks;
}
