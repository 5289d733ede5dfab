// The etched separator line.
#include "StaticSeparator.h"

#include "fw/Gdi.h"
#include "fw/Window.h"

#include <string>

namespace {

void FillSolid(HDC dc, int x, int y, int cx, int cy, COLORREF color)
{
    const RECT rect{x, y, x + cx, y + cy};
    const COLORREF previous = SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

} // namespace

void Draw3dRect(HDC dc, int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    if (cx < 1 || cy < 1)
        return;
    FillSolid(dc, x, y, cx - 1, 1, topLeft);
    FillSolid(dc, x, y, 1, cy - 1, topLeft);
    FillSolid(dc, x + cx - 1, y, 1, cy, bottomRight);
    FillSolid(dc, x, y + cy - 1, cx, 1, bottomRight);
}

void CStaticSeparator::Paint(HDC dc)
{
    HWND hwnd = Hwnd();
    if (!hwnd || !dc)
        return;
    RECT client{};
    GetClientRect(hwnd, &client);
    const int w = client.right - client.left;
    const int h = client.bottom - client.top;
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    if (w < h) {
        Draw3dRect(dc, w / 2, 0, 2, h, shadow, light);
        return;
    }
    fw::CSelectObject font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    const std::wstring text = fw::WindowText(hwnd);
    SIZE extent{};
    if (!text.empty())
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const int t = extent.cx;
    const DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
    // SS_CENTER and SS_RIGHT are values of the type field, not flags.
    const DWORD type = style & SS_TYPEMASK;
    UINT format = DT_SINGLELINE | DT_VCENTER;
    if (type == SS_RIGHT) {
        Draw3dRect(dc, 0, h / 2, w - t - 10, 2, shadow, light);
        format |= DT_RIGHT;
    } else if (type == SS_CENTER) {
        const int m = (w - t) / 2;
        Draw3dRect(dc, 0, h / 2, m - 10, 2, shadow, light);
        Draw3dRect(dc, m + t + 10, h / 2, m - 10, 2, shadow, light);
        format |= DT_CENTER;
    } else {
        Draw3dRect(dc, t + 10, h / 2, w - t - 10, 2, shadow, light);
        format |= DT_LEFT;
    }
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    const int mode = SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
    SetBkMode(dc, mode);
}

LRESULT CStaticSeparator::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT:
        if (wp) {
            Paint(reinterpret_cast<HDC>(wp));
        } else {
            fw::CPaintScope paint(Hwnd());
            Paint(paint.Dc());
        }
        return 0;
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wp));
        return 0;
    }
    return DefaultHandling(msg, wp, lp);
}
