// GDI helpers and the off-screen drawing context.
#include "base/Gdi.h"

namespace rkcc {

void FillSolid(HDC dc, const RECT& rect, COLORREF color)
{
    const COLORREF old = SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF color)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    FillSolid(dc, {rect.left, rect.top, rect.right, rect.top + 1}, color);
    FillSolid(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
    FillSolid(dc, {rect.left, rect.top, rect.left + 1, rect.bottom}, color);
    FillSolid(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

void Line(HDC dc, int x0, int y0, int x1, int y1)
{
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

SIZE TextExtent(HDC dc, std::wstring_view text)
{
    SIZE size{};
    if (!text.empty())
        GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    else {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        size.cy = tm.tmHeight;
    }
    return size;
}

void DrawTextIn(HDC dc, std::wstring_view text, RECT rect, UINT format)
{
    if (!text.empty())
        DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, format);
}

} // namespace rkcc

namespace cdc_extensions {

CMemoryDC::CMemoryDC(HDC target) : m_target(target), m_dc(target)
{
    GetClipBox(target, &m_rect);
    const bool printing = GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER;
    const int w = m_rect.right - m_rect.left;
    const int h = m_rect.bottom - m_rect.top;
    if (printing || w <= 0 || h <= 0)
        return;
    HDC memory = CreateCompatibleDC(target);
    if (!memory)
        return;
    m_bitmap = CreateCompatibleBitmap(target, w, h);
    if (!m_bitmap) {
        DeleteDC(memory);
        return;
    }
    m_oldBitmap = SelectObject(memory, m_bitmap);
    SetWindowOrgEx(memory, m_rect.left, m_rect.top, nullptr);
    // Drawing code picks its own font and colours; start from the target's.
    SelectObject(memory, GetCurrentObject(target, OBJ_FONT));
    m_dc = memory;
    m_offScreen = true;
}

CMemoryDC::~CMemoryDC()
{
    if (!m_offScreen)
        return;
    BitBlt(m_target, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, m_dc,
           m_rect.left, m_rect.top, SRCCOPY);
    SelectObject(m_dc, m_oldBitmap);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

} // namespace cdc_extensions
