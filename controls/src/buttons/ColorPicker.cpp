// The colour picker and its swatch button.
#include "buttons/ColorPicker.h"

#include "RKComControls2.h"
#include "base/Gdi.h"

#include <commdlg.h>

namespace rkcc {

namespace {
constexpr UINT kButtonId = 100;
}

bool CColorButton::CreateButton(HWND picker, const RECT& rect)
{
    return CreateSubclassed(L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0, rect, picker, kButtonId);
}

RECT CColorButton::ArrowRect(const RECT& client)
{
    const int cx = GetSystemMetrics(SM_CXEDGE);
    const int cy = GetSystemMetrics(SM_CYEDGE);
    return {client.right - cx - GetSystemMetrics(SM_CXVSCROLL), client.top + cy, client.right - cx, client.bottom - cy};
}

void CColorButton::Draw(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    const RECT client = item.rcItem;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    RECT arrow = ArrowRect(client);
    const UINT state = DFCS_SCROLLDOWN | ((item.itemState & ODS_SELECTED) ? DFCS_PUSHED : 0) |
                       (disabled ? DFCS_INACTIVE : 0);
    DrawFrameControl(dc, &arrow, DFC_SCROLL, state);
    RECT edge = client;
    DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
    RECT swatch{client.left + GetSystemMetrics(SM_CXEDGE), client.top + GetSystemMetrics(SM_CYEDGE), arrow.left,
                client.bottom - GetSystemMetrics(SM_CYEDGE)};
    const COLORREF fill = (disabled || color == RKCC2_NOCOLOR) ? GetSysColor(COLOR_BTNFACE) : color;
    FillSolid(dc, swatch, fill);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = swatch;
        InflateRect(&focus, -1, -1);
        DrawFocusRect(dc, &focus);
    }
}

LRESULT CColorButton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    // Buttons erase with the parent's brush; the owner draw covers everything.
    if (msg == WM_ERASEBKGND)
        return 1;
    return Default(msg, wp, lp);
}

void CRKColorPicker::OnClicked()
{
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = Hwnd();
    cc.rgbResult = m_button.color == RKCC2_NOCOLOR ? 0xFFFFFF : m_button.color;
    cc.lpCustColors = m_customColors;
    cc.Flags = CC_ANYCOLOR | CC_RGBINIT;
    if (!ChooseColorW(&cc))
        return;
    m_button.color = cc.rgbResult;
    InvalidateRect(m_button.Hwnd(), nullptr, FALSE);
    // Also when the same colour was chosen again; lParam is the inner button here.
    if (HWND parent = Parent())
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(Id(), RKCC2N_COLORCHANGED), reinterpret_cast<LPARAM>(m_button.Hwnd()));
}

LRESULT CRKColorPicker::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        if (Default(msg, wp, lp) == -1)
            return -1;
        return m_button.CreateButton(Hwnd(), ClientRect()) ? 0 : -1;
    case WM_SIZE:
        if (m_button.Hwnd())
            MoveWindow(m_button.Hwnd(), 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (m_button.Hwnd())
            SetFocus(m_button.Hwnd());
        return 0;
    case WM_ENABLE:
        EnableWindow(m_button.Hwnd(), wp != FALSE);
        return 0;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (item && item->hwndItem == m_button.Hwnd()) {
            m_button.Draw(*item);
            return TRUE;
        }
        return Default(msg, wp, lp);
    }
    case WM_COMMAND:
        if (LOWORD(wp) == kButtonId && HIWORD(wp) == BN_CLICKED)
            OnClicked();
        return 0;
    case RKCC2M_COLORPICKER_GETCOLOR:
        return static_cast<LRESULT>(m_button.color);
    case RKCC2M_COLORPICKER_SETCOLOR: {
        const COLORREF previous = m_button.color;
        const auto color = static_cast<COLORREF>(lp);
        if (color != previous) {
            m_button.color = color;
            InvalidateRect(m_button.Hwnd(), nullptr, FALSE);
            NotifyParent(RKCC2N_COLORCHANGED);
        }
        return static_cast<LRESULT>(previous);
    }
    default:
        return Default(msg, wp, lp);
    }
}

} // namespace rkcc
