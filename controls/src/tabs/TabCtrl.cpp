// The tab control window.
#include "tabs/TabCtrl.h"

#include "RKComControls2.h"
#include "base/Fonts.h"

#include <windowsx.h>

#include <algorithm>

namespace rkcc {

namespace {
constexpr UINT kLeftId = 100;
constexpr UINT kRightId = 101;
} // namespace

int CRKTabCtrl::OnCreate()
{
    m_background = m_selectedFill = m_otherFill = GetSysColor(COLOR_BTNFACE);
    m_selectedText = m_otherText = GetSysColor(COLOR_BTNTEXT);
    m_lines = GetSysColor(COLOR_BTNSHADOW);
    const HFONT parentFont = FontOf(Parent());
    m_font = CopyFont(parentFont);
    m_bold = CopyFont(parentFont, FW_BOLD);
    const TEXTMETRICW tm = FontMetrics(m_bold);
    m_strip.tabHeight = (tm.tmHeight + tm.tmExternalLeading) * 150 / 100;
    const RECT rc = ClientRect();
    const int h = tm.tmHeight;
    const int top = rc.bottom - m_strip.tabHeight + (m_strip.tabHeight - h) / 2;
    m_strip.leftArrow = {rc.right - 2 * h, top, rc.right - h, top + h};
    const RECT right{rc.right - h, top, rc.right, top + h};
    if (!m_left.CreateButton(CArrowButton::kLeft, WS_CHILD, m_strip.leftArrow, Hwnd(), kLeftId) ||
        !m_right.CreateButton(CArrowButton::kRight, WS_CHILD, right, Hwnd(), kRightId))
        return -1;
    m_left.SetBackground(m_background);
    m_right.SetBackground(m_background);
    return 0;
}

void CRKTabCtrl::Layout()
{
    if (m_strip.tabs.empty())
        return;
    std::vector<int> widths;
    {
        CWindowDC dc(Hwnd());
        CSelect font(dc, m_bold.Get());
        for (const TabItem& tab : m_strip.tabs)
            widths.push_back(TextExtent(dc, tab.text).cx);
    }
    m_strip.Layout(widths, ClientRect());
    UpdateArrows();
}

void CRKTabCtrl::UpdateArrows()
{
    ShowWindow(m_left.Hwnd(), m_strip.ShowLeftArrow() ? SW_SHOWNA : SW_HIDE);
    ShowWindow(m_right.Hwnd(), m_strip.ShowRightArrow() ? SW_SHOWNA : SW_HIDE);
}

void CRKTabCtrl::SelectAndNotify(int index)
{
    if (!m_strip.Select(index))
        return;
    UpdateArrows();
    Invalidate();
    NotifyParent(RKCC2N_TAB_SELCHANGE);
}

void CRKTabCtrl::OnArrow(UINT id)
{
    if (m_strip.ScrollBy(id == kLeftId ? -1 : 1)) {
        UpdateArrows();
        Invalidate();
    }
    SetFocus(Hwnd());
}

void CRKTabCtrl::OnKey(UINT vk)
{
    const int count = m_strip.Count();
    if (count < 2)
        return;
    int target = m_strip.selected;
    switch (vk) {
    case VK_RIGHT:
    case VK_DOWN:
    case VK_NEXT:
        ++target;
        break;
    case VK_LEFT:
    case VK_UP:
    case VK_PRIOR:
        --target;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = count - 1;
        break;
    default:
        return;
    }
    target = std::clamp(target, 0, count - 1);
    if (target != m_strip.selected)
        SelectAndNotify(target);
}

void CRKTabCtrl::Paint(HDC dc)
{
    const RECT client = ClientRect();
    FillSolid(dc, client, m_background);
    if (m_strip.tabs.empty())
        return;
    const bool enabled = IsEnabled();
    CPenHandle pen(CreatePen(PS_SOLID, 1, m_lines));
    CSelect selectPen(dc, pen);
    SetBkMode(dc, TRANSPARENT);
    RECT selectedRect{};
    bool selectedShown = false;
    for (int i = m_strip.first; i < m_strip.Count(); ++i) {
        RECT r = m_strip.DrawnRect(i);
        const bool selected = i == m_strip.selected;
        if (selected) {
            InflateRect(&r, 1, 0);
            r.top -= 2;
            selectedRect = r;
            selectedShown = true;
        }
        const COLORREF fill = !enabled ? GetSysColor(COLOR_BTNFACE) : selected ? m_selectedFill : m_otherFill;
        FillSolid(dc, r, fill);
        const TabItem& tab = m_strip.tabs[static_cast<size_t>(i)];
        if (!tab.display.empty()) {
            CSelect font(dc, selected ? m_bold.Get() : m_font.Get());
            SetTextColor(dc, !enabled ? GetSysColor(COLOR_GRAYTEXT) : selected ? m_selectedText : m_otherText);
            DrawTextIn(dc, tab.display, r, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        // Up the left side, across the top, down the right side; the bottom stays open.
        MoveToEx(dc, r.left, r.bottom - 1, nullptr);
        LineTo(dc, r.left, r.top);
        LineTo(dc, r.right - 1, r.top);
        LineTo(dc, r.right - 1, r.bottom);
        if (selected && HasFocus()) {
            RECT focus = r;
            InflateRect(&focus, -2, -2);
            DrawFocusRect(dc, &focus);
        }
    }
    const int y = client.bottom - 1;
    if (selectedShown) {
        Line(dc, client.left, y, selectedRect.left, y);
        Line(dc, selectedRect.right, y, client.right, y);
    } else {
        Line(dc, client.left, y, client.right, y);
    }
}

LRESULT CRKTabCtrl::OnTabMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled)
{
    COLORREF* fills[3] = {&m_selectedFill, &m_otherFill, &m_background};
    COLORREF* texts[3] = {&m_selectedText, &m_otherText, &m_lines};
    switch (msg) {
    case RKCC2M_TABCTRL_GETFILLCOLOR:
    case RKCC2M_TABCTRL_GETTEXTCOLOR:
        if (wp > 2)
            return -1;
        return static_cast<LRESULT>(msg == RKCC2M_TABCTRL_GETFILLCOLOR ? *fills[wp] : *texts[wp]);
    case RKCC2M_TABCTRL_SETFILLCOLOR:
    case RKCC2M_TABCTRL_SETTEXTCOLOR: {
        if (wp > 2)
            return -1;
        COLORREF* slot = msg == RKCC2M_TABCTRL_SETFILLCOLOR ? fills[wp] : texts[wp];
        const COLORREF previous = *slot;
        *slot = static_cast<COLORREF>(lp); // shows at the next repaint
        return static_cast<LRESULT>(previous);
    }
    case RKCC2M_TABCTRL_GETCURSEL:
        return m_strip.selected;
    case RKCC2M_TABCTRL_SETCURSEL: {
        const int previous = m_strip.selected;
        SelectAndNotify(static_cast<int>(wp));
        return previous;
    }
    case RKCC2M_TABCTRL_GETITEMCOUNT:
        return m_strip.Count();
    case RKCC2M_TABCTRL_DELETEALLITEMS:
        m_strip.Clear();
        UpdateArrows();
        SelectAndNotify(-1);
        Invalidate();
        return 1;
    case RKCC2M_TABCTRL_ADDITEM: {
        TabItem tab;
        tab.text = lp ? reinterpret_cast<const wchar_t*>(lp) : L"";
        m_strip.tabs.push_back(std::move(tab));
        Layout();
        if (m_strip.selected < 0)
            SelectAndNotify(0);
        else
            Invalidate();
        return 1;
    }
    default:
        handled = false;
        return 0;
    }
}

LRESULT CRKTabCtrl::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        if (Default(msg, wp, lp) == -1)
            return -1;
        return OnCreate();
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        Layout();
        Invalidate();
        return 0;
    case WM_ENABLE:
        EnableWindow(m_left.Hwnd(), wp != FALSE);
        EnableWindow(m_right.Hwnd(), wp != FALSE);
        Invalidate();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        return 0;
    case WM_PAINT: {
        CPaintDC paint(Hwnd());
        cdc_extensions::CMemoryDC dc(paint);
        Paint(dc);
        return 0;
    }
    case WM_LBUTTONDOWN: {
        SetFocus(Hwnd());
        const int tab = m_strip.TabAt({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        if (tab >= 0) {
            SelectAndNotify(tab);
            NotifyParent(RKCC2N_TAB_CLICK);
        }
        return 0;
    }
    case WM_LBUTTONDBLCLK:
        NotifyParent(RKCC2N_TAB_DBLCLK);
        return 0;
    case WM_RBUTTONDOWN:
        NotifyParent(RKCC2N_TAB_RCLICK);
        return 0;
    case WM_KEYDOWN:
        OnKey(static_cast<UINT>(wp));
        return Default(msg, wp, lp);
    case WM_COMMAND:
        if ((LOWORD(wp) == kLeftId || LOWORD(wp) == kRightId) && HIWORD(wp) == RKCC2N_ARROWDOWN)
            OnArrow(LOWORD(wp));
        return 0;
    default: {
        bool handled = true;
        const LRESULT result = OnTabMessage(msg, wp, lp, handled);
        return handled ? result : Default(msg, wp, lp);
    }
    }
}

} // namespace rkcc
