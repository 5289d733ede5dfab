// The hyperlink control.
#include "buttons/Hyperlink.h"

#include "ControlsRes.h"
#include "RKComControls2.h"
#include "base/Fonts.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

namespace rkcc {

namespace {

INT_PTR ShellOpen(const std::wstring& target)
{
    return reinterpret_cast<INT_PTR>(
        ShellExecuteW(GetDesktopWindow(), L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

ShellOpenFn gOpener = &ShellOpen;

} // namespace

ShellOpenFn SetHyperlinkOpener(ShellOpenFn opener)
{
    const ShellOpenFn previous = gOpener;
    gOpener = opener ? opener : &ShellOpen;
    return previous;
}

CRKHyperlink::~CRKHyperlink()
{
    if (m_tooltip && IsWindow(m_tooltip))
        DestroyWindow(m_tooltip);
}

void CRKHyperlink::MakeFont()
{
    m_font = CopyFont(FontOf(Parent()), 0, m_underline ? 1 : 0);
}

RECT CRKHyperlink::TextRect() const
{
    if (m_text.empty() || !Hwnd())
        return {};
    const RECT client = ClientRect();
    SIZE size{};
    {
        CWindowDC dc(Hwnd());
        CSelect select(dc, m_font.Get());
        size = TextExtent(dc, m_text);
    }
    int left = client.left;
    if (m_alignment == 1)
        left = (client.right - size.cx) / 2;
    else if (m_alignment == 2)
        left = client.right - size.cx;
    const int top = (client.bottom - size.cy) / 2;
    return {left, top, left + size.cx, top + size.cy};
}

bool CRKHyperlink::OverText(POINT pt) const
{
    const RECT r = TextRect();
    return PtInRect(&r, pt) != FALSE;
}

void CRKHyperlink::UpdateTooltip()
{
    if (!m_tooltip)
        return;
    const RECT r = TextRect();
    if (IsRectEmpty(&r)) {
        SendMessageW(m_tooltip, TTM_ACTIVATE, FALSE, 0);
        return;
    }
    std::wstring tip = m_target.empty() ? m_text : m_target;
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = Hwnd();
    info.uId = 1;
    info.rect = r;
    info.lpszText = tip.data();
    if (m_hasTool) {
        SendMessageW(m_tooltip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
        SendMessageW(m_tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    } else {
        info.uFlags = TTF_SUBCLASS;
        m_hasTool = SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
    }
    SendMessageW(m_tooltip, TTM_ACTIVATE, TRUE, 0);
}

void CRKHyperlink::Open()
{
    if (m_text.empty())
        return;
    if (gOpener(m_target.empty() ? m_text : m_target) <= 32)
        MessageBeep(MB_OK);
}

void CRKHyperlink::Paint(HDC dc)
{
    const RECT client = ClientRect();
    FillSolid(dc, client, GetSysColor(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    CSelect font(dc, m_font.Get());
    if (HasFocus()) {
        RECT focus = TextRect();
        if (IsRectEmpty(&focus)) {
            focus = client;
            InflateRect(&focus, -2, -2);
        } else {
            InflateRect(&focus, 2, 2);
            IntersectRect(&focus, &focus, &client);
        }
        DrawFocusRect(dc, &focus);
    }
    SetTextColor(dc, IsEnabled() ? m_color : GetSysColor(COLOR_GRAYTEXT));
    const UINT align = m_alignment == 0 ? DT_LEFT : m_alignment == 2 ? DT_RIGHT : DT_CENTER;
    DrawTextIn(dc, m_text, client, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

LRESULT CRKHyperlink::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        if (Default(msg, wp, lp) == -1)
            return -1;
        m_tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, Hwnd(), nullptr, ControlsModule(), nullptr);
        if (m_tooltip)
            SendMessageW(m_tooltip, TTM_ACTIVATE, FALSE, 0);
        MakeFont();
        m_hand = LoadCursorW(ControlsModule(), MAKEINTRESOURCEW(IDC_HAND_CURSOR));
        return 0;
    case WM_SETCURSOR: {
        POINT pt{};
        GetCursorPos(&pt);
        ScreenToClient(Hwnd(), &pt);
        if (m_hand && OverText(pt)) {
            SetCursor(m_hand);
            return TRUE;
        }
        return Default(msg, wp, lp);
    }
    case WM_LBUTTONDOWN:
        SetFocus(Hwnd());
        Invalidate();
        return 0;
    case WM_LBUTTONUP:
        if (OverText({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}))
            Open();
        return 0;
    case WM_KEYDOWN:
        if (wp == VK_SPACE) {
            Open();
            return 0;
        }
        return Default(msg, wp, lp);
    case WM_SIZE:
        UpdateTooltip();
        Invalidate();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        Invalidate();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        CPaintDC paint(Hwnd());
        cdc_extensions::CMemoryDC dc(paint);
        Paint(dc);
        return 0;
    }
    case RKCC2M_HYPERLINK_SETTEXT:
        m_text = lp ? reinterpret_cast<const wchar_t*>(lp) : L"";
        UpdateTooltip();
        Invalidate();
        return 1;
    case RKCC2M_HYPERLINK_SETCOLOR: {
        const COLORREF previous = m_color;
        m_color = static_cast<COLORREF>(lp);
        if (m_color != previous)
            Invalidate();
        return static_cast<LRESULT>(previous);
    }
    case RKCC2M_HYPERLINK_SETALIGN: {
        const int previous = m_alignment;
        if (wp > 2)
            return -1;
        m_alignment = static_cast<int>(wp);
        if (m_alignment != previous) {
            UpdateTooltip();
            Invalidate();
        }
        return previous;
    }
    case RKCC2M_HYPERLINK_SETURL:
        m_target = lp ? reinterpret_cast<const wchar_t*>(lp) : L"";
        UpdateTooltip();
        return 1;
    case RKCC2M_HYPERLINK_SETUNDERLINE: {
        const bool previous = m_underline;
        m_underline = wp != 0;
        if (m_underline != previous) {
            MakeFont();
            UpdateTooltip();
            Invalidate();
        }
        return previous;
    }
    case RKCC2M_HYPERLINK_RELAYEVENT:
        if (!lp)
            return -1;
        if (m_tooltip)
            SendMessageW(m_tooltip, TTM_RELAYEVENT, 0, lp);
        return 1;
    default:
        return Default(msg, wp, lp);
    }
}

} // namespace rkcc
