// The colour swatch.
#include "StaticColor.h"

#include "fw/Window.h"

#include <string>

CStaticColor::CStaticColor() : m_frameColor(GetSysColor(COLOR_BTNFACE))
{
    m_brush.Reset(CreateSolidBrush(m_fillColor));
    m_pen.Reset(CreatePen(PS_SOLID, 0, m_frameColor));
}

void CStaticColor::SetFillColor(COLORREF color)
{
    m_fillColor = color;
    m_brush.Reset(CreateSolidBrush(color));
    if (Hwnd())
        InvalidateRect(Hwnd(), nullptr, TRUE);
}

void CStaticColor::SetFrameColor(COLORREF color)
{
    m_frameColor = color;
    m_pen.Reset(CreatePen(PS_SOLID, 0, color));
    if (Hwnd())
        InvalidateRect(Hwnd(), nullptr, TRUE);
}

void CStaticColor::Paint(HDC dc)
{
    HWND hwnd = Hwnd();
    if (!hwnd || !dc)
        return;
    fw::CSavedDC saved(dc);
    RECT client{};
    GetClientRect(hwnd, &client);
    SelectObject(dc, m_pen.Get());
    SelectObject(dc, m_brush.Get());
    Rectangle(dc, client.left, client.top, client.right, client.bottom);

    if (auto* font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)))
        SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
    // SS_CENTER and SS_RIGHT are values of the type field, not flags.
    const DWORD type = style & SS_TYPEMASK;
    UINT format = type == SS_RIGHT ? DT_RIGHT : type == SS_CENTER ? DT_CENTER : DT_LEFT;
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    std::wstring text = fw::WindowText(hwnd);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
}

LRESULT CStaticColor::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
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
    case WM_ERASEBKGND:
        // The swatch covers the whole control: erasing first would only flicker.
        return TRUE;
    case WM_DESTROY: {
        const LRESULT result = DefaultHandling(msg, wp, lp);
        m_brush.Reset();
        m_pen.Reset();
        return result;
    }
    }
    return DefaultHandling(msg, wp, lp);
}
