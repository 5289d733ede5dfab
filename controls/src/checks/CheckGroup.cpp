// The check group: painting, mouse, keys and the select/clear pop-up menu.
#include "checks/CheckGroup.h"

#include "ControlsRes.h"
#include "DisplayStrings.h"
#include "RKComControls2.h"
#include "base/Fonts.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

namespace rkcc {

CheckGroupCell CheckGroupCellOf(int index, int count, int width, int height)
{
    CheckGroupCell cell;
    if (count <= 0)
        return cell;
    const double c = static_cast<double>(width) / count;
    const int left = static_cast<int>(index * c);
    const int right = static_cast<int>((index + 1) * c);
    const int half = height / 2;
    cell.column = {left, 0, right, height};
    cell.caption = {left, 0, right, half};
    const int boxX = left + static_cast<int>((c - 11) / 2);
    const int boxY = half + static_cast<int>((height / 2.0 - 11) / 2);
    cell.box = {boxX, boxY, boxX + 11, boxY + 11};
    const int lowerHeight = height - half;
    cell.mark = {std::max(left + (right - left - 9) / 2, boxX + 1), half + (lowerHeight - 9) / 2};
    return cell;
}

CRKCheckGroup::~CRKCheckGroup()
{
    if (m_marks)
        ImageList_Destroy(m_marks);
}

void CRKCheckGroup::Paint(HDC dc)
{
    CSavedDC saved(dc);
    const RECT client = ClientRect();
    const bool enabled = IsEnabled();
    FillSolid(dc, client, GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    if (m_items.empty())
        return;
    SelectObject(dc, m_font.Get());
    SetBkMode(dc, TRANSPARENT);
    const int n = static_cast<int>(m_items.size());
    for (int i = 0; i < n; ++i) {
        const CheckGroupItem& item = m_items[static_cast<size_t>(i)];
        const CheckGroupCell cell = CheckGroupCellOf(i, n, client.right, client.bottom);
        const bool active = enabled && item.enabled;
        SetTextColor(dc, active ? item.color : GetSysColor(COLOR_GRAYTEXT));
        const SIZE text = TextExtent(dc, item.text);
        const int columnWidth = cell.caption.right - cell.caption.left;
        const UINT align = text.cx < columnWidth ? DT_CENTER : DT_LEFT;
        DrawTextIn(dc, item.text, cell.caption, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (HasFocus() && i == m_focus) {
            const int x = text.cx < columnWidth ? cell.caption.left + (columnWidth - text.cx) / 2 : cell.caption.left;
            const int y = (cell.caption.top + cell.caption.bottom - text.cy) / 2;
            RECT focus{x, y, x + text.cx, y + text.cy};
            InflateRect(&focus, 2, 2);
            IntersectRect(&focus, &focus, &cell.caption);
            DrawFocusRect(dc, &focus);
        }
        FillSolid(dc, cell.box, GetSysColor(active ? COLOR_WINDOW : COLOR_BTNFACE));
        FrameSolid(dc, cell.box, active ? RGB(0, 0, 0) : GetSysColor(COLOR_GRAYTEXT));
        if (item.checked && m_marks)
            ImageList_Draw(m_marks, active ? 0 : 1, dc, cell.mark.x, cell.mark.y, ILD_TRANSPARENT);
    }
}

void CRKCheckGroup::OnLeftDown(int x)
{
    SetFocus(Hwnd());
    const int n = static_cast<int>(m_items.size());
    const double c = n ? static_cast<double>(ClientRect().right) / n : 0.0;
    if (n && c > 0.000001) {
        const int index = std::clamp(static_cast<int>(x / c), 0, n - 1);
        m_focus = index;
        CheckGroupItem& item = m_items[static_cast<size_t>(index)];
        if (item.enabled)
            item.checked = item.checked ? 0 : 1;
    }
    Invalidate();
}

void CRKCheckGroup::OnKey(UINT vk)
{
    const int n = static_cast<int>(m_items.size());
    if (!n)
        return;
    int focus = m_focus;
    switch (vk) {
    case VK_RIGHT:
    case VK_UP:
    case VK_PRIOR:
        ++focus;
        break;
    case VK_LEFT:
    case VK_DOWN:
    case VK_NEXT:
        --focus;
        break;
    case VK_HOME:
        focus = 0;
        break;
    case VK_END:
        focus = n - 1;
        break;
    case VK_SPACE:
        if (m_focus >= 0 && m_focus < n && m_items[static_cast<size_t>(m_focus)].enabled) {
            CheckGroupItem& item = m_items[static_cast<size_t>(m_focus)];
            item.checked = item.checked ? 0 : 1;
            Invalidate();
        }
        return;
    default:
        return;
    }
    if (focus < 0)
        focus = n - 1;
    else if (focus >= n)
        focus = 0;
    if (focus != m_focus) {
        m_focus = focus;
        Invalidate();
    }
}

void CRKCheckGroup::SetAllEnabled(int checked)
{
    for (CheckGroupItem& item : m_items) {
        if (item.enabled)
            item.checked = checked;
    }
    Invalidate();
}

void CRKCheckGroup::OnContextMenu(LPARAM lp)
{
    POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (lp == -1) { // from the keyboard
        pt = {5, 5};
        ClientToScreen(Hwnd(), &pt);
    }
    HMENU menu = LoadMenuW(ControlsModule(), MAKEINTRESOURCEW(IDR_POPUP_CHECKGROUP));
    if (!menu)
        return;
    if (HMENU popup = GetSubMenu(menu, 0)) {
        const std::wstring selectAll = DisplayString(IDS_CHECKGROUP_SELECTALL);
        const std::wstring clearAll = DisplayString(IDS_CHECKGROUP_CLEARALL);
        ModifyMenuW(popup, 0, MF_BYPOSITION | MF_STRING, IDM_CHECKGROUP_SELECTALL, selectAll.c_str());
        ModifyMenuW(popup, 1, MF_BYPOSITION | MF_STRING, IDM_CHECKGROUP_CLEARALL, clearAll.c_str());
        TrackPopupMenu(popup, TPM_RIGHTBUTTON, pt.x, pt.y, 0, Hwnd(), nullptr);
    }
    DestroyMenu(menu);
}

LRESULT CRKCheckGroup::OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled)
{
    switch (msg) {
    case RKCC2M_CHECKGROUP_GETCOUNT:
        return static_cast<LRESULT>(m_items.size());
    case RKCC2M_CHECKGROUP_GETFOCUSITEM:
        return m_focus >= 0 && m_focus < static_cast<int>(m_items.size()) ? m_focus : -1;
    case RKCC2M_CHECKGROUP_ADDITEM: {
        CheckGroupItem item;
        item.text = lp ? reinterpret_cast<const wchar_t*>(lp) : L"";
        item.color = GetSysColor(COLOR_WINDOWTEXT);
        m_items.push_back(std::move(item));
        if (m_items.size() == 1)
            m_focus = 0;
        Invalidate();
        return static_cast<LRESULT>(m_items.size() - 1);
    }
    case RKCC2M_CHECKGROUP_RESETCONTENT:
        m_items.clear();
        m_focus = -1;
        Invalidate();
        return 0;
    case RKCC2M_CHECKGROUP_SETFOCUSITEM:
    case RKCC2M_CHECKGROUP_GETCHECK:
    case RKCC2M_CHECKGROUP_SETCHECK:
    case RKCC2M_CHECKGROUP_GETENABLED:
    case RKCC2M_CHECKGROUP_SETENABLED:
    case RKCC2M_CHECKGROUP_GETTEXTLEN:
    case RKCC2M_CHECKGROUP_GETTEXT:
    case RKCC2M_CHECKGROUP_SETITEMCOLOR:
        if (!Valid(wp))
            return -1;
        break;
    default:
        handled = false;
        return 0;
    }
    CheckGroupItem& item = m_items[wp];
    const auto index = static_cast<LRESULT>(wp);
    switch (msg) {
    case RKCC2M_CHECKGROUP_SETFOCUSITEM:
        m_focus = static_cast<int>(wp);
        Invalidate();
        return index;
    case RKCC2M_CHECKGROUP_GETCHECK:
        return item.checked;
    case RKCC2M_CHECKGROUP_SETCHECK:
        item.checked = static_cast<int>(lp);
        Invalidate();
        return index;
    case RKCC2M_CHECKGROUP_GETENABLED:
        return item.enabled;
    case RKCC2M_CHECKGROUP_SETENABLED:
        item.enabled = static_cast<int>(lp);
        Invalidate();
        return index;
    case RKCC2M_CHECKGROUP_GETTEXTLEN:
        return static_cast<LRESULT>(item.text.size());
    case RKCC2M_CHECKGROUP_GETTEXT:
        // The host sized the buffer from GETTEXTLEN: length + 1 characters.
        if (lp)
            std::memcpy(reinterpret_cast<wchar_t*>(lp), item.text.c_str(), (item.text.size() + 1) * sizeof(wchar_t));
        return static_cast<LRESULT>(item.text.size());
    default: { // RKCC2M_CHECKGROUP_SETITEMCOLOR
        const auto* color = reinterpret_cast<const COLORREF*>(lp);
        if (!color)
            return -1;
        const COLORREF previous = item.color;
        item.color = *color;
        Invalidate();
        return static_cast<LRESULT>(previous);
    }
    }
}

LRESULT CRKCheckGroup::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        if (Default(msg, wp, lp) == -1)
            return -1;
        m_marks = ImageList_LoadImageW(ControlsModule(), MAKEINTRESOURCEW(IDB_CHECKGROUP_MARKS), 9, 1,
                                       RGB(255, 255, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
        if (!m_marks)
            return -1;
        m_font = CopyFont(FontOf(Parent()));
        return 0;
    case WM_PAINT: {
        CPaintDC paint(Hwnd());
        cdc_extensions::CMemoryDC dc(paint);
        Paint(dc);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        OnLeftDown(GET_X_LPARAM(lp));
        return 0;
    case WM_RBUTTONDOWN:
        SetFocus(Hwnd());
        return Default(msg, wp, lp);
    case WM_KEYDOWN:
        OnKey(static_cast<UINT>(wp));
        return Default(msg, wp, lp);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_CONTEXTMENU:
        OnContextMenu(lp);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wp) == IDM_CHECKGROUP_SELECTALL)
            SetAllEnabled(1);
        else if (LOWORD(wp) == IDM_CHECKGROUP_CLEARALL)
            SetAllEnabled(0);
        return 0;
    case WM_SETFOCUS:
        if (m_focus < 0 || m_focus >= static_cast<int>(m_items.size()))
            m_focus = 0;
        Invalidate();
        return 0;
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SIZE:
        Invalidate();
        return 0;
    default: {
        bool handled = true;
        const LRESULT result = OnControlMessage(msg, wp, lp, handled);
        return handled ? result : Default(msg, wp, lp);
    }
    }
}

} // namespace rkcc
