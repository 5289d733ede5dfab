// The parts of the chart surface that both targets share.
#include "chart/DrawBase.h"

#include <algorithm>

bool IsEmptyRect(const RECT& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

RECT IntersectRects(const RECT& a, const RECT& b)
{
    return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

void CDrawBase::DrawFrame(const RECT& rect, const RECT& clip)
{
    const RECT r = IntersectRects(rect, clip);
    if (IsEmptyRect(r))
        return;
    if (rect.left >= clip.left)
        DrawLine(rect.left, r.top, rect.left, r.bottom);
    if (rect.right <= clip.right)
        DrawLine(rect.right, r.top, rect.right, r.bottom);
    if (rect.top >= clip.top)
        DrawLine(r.left, rect.top, r.right, rect.top);
    if (rect.bottom <= clip.bottom)
        DrawLine(r.left, rect.bottom - 1, r.right, rect.bottom - 1);
}

std::wstring CDrawBase::GetLabelText(const wchar_t* name, const RECT&, int, int lane)
{
    return lane == 0 && name ? std::wstring(name) : std::wstring();
}
