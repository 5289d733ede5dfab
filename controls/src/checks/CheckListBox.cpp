// The check list with its two buttons.
#include "checks/CheckListBox.h"

#include "ControlsRes.h"
#include "DisplayStrings.h"
#include "RKComControls2.h"
#include "base/Fonts.h"

#include <windowsx.h>

#include <algorithm>

namespace rkcc {

namespace {
constexpr UINT kListId = 100;
constexpr UINT kSelectAllId = 101;
constexpr UINT kNoneId = 102;
} // namespace

// ---- inner list ----

bool CCheckListBoxWnd::CreateList(HWND parent, const RECT& rect)
{
    return CreateSubclassed(L"LISTBOX",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                                LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                            WS_EX_CLIENTEDGE, rect, parent, kListId);
}

int CCheckListBoxWnd::GetCount() const
{
    return static_cast<int>(m_checks.size());
}

bool CCheckListBoxWnd::GetCheck(int index) const
{
    return index >= 0 && index < GetCount() && m_checks[static_cast<size_t>(index)];
}

bool CCheckListBoxWnd::SetCheck(int index, bool checked)
{
    if (index < 0 || index >= GetCount())
        return false;
    m_checks[static_cast<size_t>(index)] = checked ? 1 : 0;
    RECT r{};
    if (SendMessageW(Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) != LB_ERR)
        InvalidateRect(Hwnd(), &r, FALSE);
    return true;
}

void CCheckListBoxWnd::CheckAll(bool checked)
{
    std::fill(m_checks.begin(), m_checks.end(), checked ? 1 : 0);
    Invalidate();
}

void CCheckListBoxWnd::Toggle(int index)
{
    if (index >= 0 && index < GetCount())
        SetCheck(index, !GetCheck(index));
}

RECT CCheckListBoxWnd::CheckBoxRect(const RECT& item)
{
    const int size = std::max(1, std::min<int>(13, item.bottom - item.top - 2));
    const int top = item.top + (item.bottom - item.top - size) / 2;
    return {item.left + 2, top, item.left + 2 + size, top + size};
}

void CCheckListBoxWnd::Draw(const DRAWITEMSTRUCT& item) const
{
    if (item.itemID == static_cast<UINT>(-1))
        return;
    HDC dc = item.hDC;
    const bool enabled = IsWindowEnabled(Hwnd()) != FALSE;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    RECT box = CheckBoxRect(item.rcItem);
    RECT text = item.rcItem;
    text.left = box.right + 3;
    COLORREF back = GetSysColor(COLOR_WINDOW);
    COLORREF fore = GetSysColor(COLOR_WINDOWTEXT);
    if (!enabled) {
        back = GetSysColor(COLOR_BTNFACE);
        fore = GetSysColor(COLOR_GRAYTEXT);
    } else if (selected) {
        back = GetSysColor(COLOR_HIGHLIGHT);
        fore = GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    FillSolid(dc, item.rcItem, GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    FillSolid(dc, text, back);
    DrawFrameControl(dc, &box, DFC_BUTTON,
                     DFCS_BUTTONCHECK | DFCS_FLAT | (GetCheck(static_cast<int>(item.itemID)) ? DFCS_CHECKED : 0) |
                         (enabled ? 0 : DFCS_INACTIVE));
    const auto length = static_cast<int>(SendMessageW(Hwnd(), LB_GETTEXTLEN, item.itemID, 0));
    if (length > 0) {
        std::wstring label(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(Hwnd(), LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(label.data()));
        label.resize(static_cast<size_t>(length));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, fore);
        RECT r = text;
        r.left += 1;
        DrawTextIn(dc, label, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if ((item.itemState & ODS_FOCUS) && enabled)
        DrawFocusRect(dc, &text);
}

void CCheckListBoxWnd::OnLeftDown(WPARAM wp, LPARAM lp)
{
    const POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    const LRESULT hit = SendMessageW(Hwnd(), LB_ITEMFROMPOINT, 0, lp);
    const int index = LOWORD(hit);
    const bool onItem = HIWORD(hit) == 0 && index < GetCount();
    bool toggled = false;
    if (onItem) {
        RECT r{};
        SendMessageW(Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        const RECT box = CheckBoxRect(r);
        if (PtInRect(&box, pt)) {
            Toggle(index);
            toggled = true;
        }
    }
    Default(WM_LBUTTONDOWN, wp, lp);
    // A click on an item's text toggles it too: the list's current selection is that item now.
    if (onItem && !toggled) {
        const auto selection = static_cast<int>(SendMessageW(Hwnd(), LB_GETCURSEL, 0, 0));
        Toggle(selection);
    }
}

LRESULT CCheckListBoxWnd::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
        const LRESULT index = Default(msg, wp, lp);
        if (index >= 0 && static_cast<size_t>(index) <= m_checks.size())
            m_checks.insert(m_checks.begin() + index, 0);
        return index;
    }
    case LB_DELETESTRING: {
        const LRESULT result = Default(msg, wp, lp);
        if (result != LB_ERR && wp < m_checks.size())
            m_checks.erase(m_checks.begin() + static_cast<long>(wp));
        return result;
    }
    case LB_RESETCONTENT:
        m_checks.clear();
        return Default(msg, wp, lp);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // the second click of a double click toggles again
        OnLeftDown(wp, lp);
        return 0;
    case WM_KEYDOWN:
        if (wp == VK_SPACE) {
            Toggle(static_cast<int>(SendMessageW(Hwnd(), LB_GETCURSEL, 0, 0)));
            return 0;
        }
        return Default(msg, wp, lp);
    case WM_CHAR:
        if (wp == L' ')
            return 0; // Space toggles; it is no search key
        return Default(msg, wp, lp);
    default:
        return Default(msg, wp, lp);
    }
}

// ---- buttons ----

bool CCheckListBoxButton::CreateButton(HWND parent, UINT id, const std::wstring& caption)
{
    return CreateSubclassed(L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0, RECT{}, parent, id,
                            caption.c_str());
}

void CCheckListBoxButton::Draw(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    const int length = GetWindowTextLengthW(Hwnd());
    std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(Hwnd(), caption.data(), length + 1);
    caption.resize(static_cast<size_t>(length));
    if (pressed)
        OffsetRect(&r, 1, 1);
    // The access key is underlined once the keyboard is in use, as on the system's buttons.
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
    SetBkMode(dc, TRANSPARENT);
    if (disabled) {
        RECT shadow = r;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextIn(dc, caption, shadow, format);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    DrawTextIn(dc, caption, r, format);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

// ---- outer control ----

int CRKCheckListBox::ItemHeight(HFONT font)
{
    const TEXTMETRICW tm = FontMetrics(font);
    return std::max<int>(tm.tmHeight + 2, 15);
}

int CRKCheckListBox::OnCreate()
{
    if (!m_selectAll.CreateButton(Hwnd(), kSelectAllId, DisplayString(IDS_CHECKLIST_SELECTALL)) ||
        !m_none.CreateButton(Hwnd(), kNoneId, DisplayString(IDS_CHECKLIST_NONE)) ||
        !m_list.CreateList(Hwnd(), RECT{}))
        return -1;
    const HFONT font = FontOf(Parent());
    for (HWND child : {m_selectAll.Hwnd(), m_none.Hwnd(), m_list.Hwnd()})
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The dialog's Tab goes into the control, from the list to the two buttons, and their
    // access keys reach them.
    SetWindowLongW(Hwnd(), GWL_EXSTYLE, GetWindowLongW(Hwnd(), GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    SetWindowPos(m_list.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Layout();
    return 0;
}

void CRKCheckListBox::Layout()
{
    const RECT rc = ClientRect();
    if (rc.right <= 0 || rc.bottom <= 0)
        return;
    const int b = DialogBaseUnits(FontOf(Parent())).cy * 10 / 8;
    MoveWindow(m_selectAll.Hwnd(), 0, rc.bottom - b, rc.right / 2, b, TRUE);
    MoveWindow(m_none.Hwnd(), rc.right / 2, rc.bottom - b, rc.right - rc.right / 2, b, TRUE);
    MoveWindow(m_list.Hwnd(), 0, 0, rc.right, rc.bottom - b, TRUE);
}

LRESULT CRKCheckListBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        if (Default(msg, wp, lp) == -1)
            return -1;
        return OnCreate();
    case WM_SIZE:
        Layout();
        return 0;
    case WM_SETFOCUS:
        if (m_list.Hwnd())
            SetFocus(m_list.Hwnd());
        return 0;
    case WM_ENABLE:
        for (HWND child : {m_selectAll.Hwnd(), m_none.Hwnd(), m_list.Hwnd()})
            EnableWindow(child, wp != FALSE);
        return 0;
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (item && item->CtlID == kListId) {
            item->itemHeight = static_cast<UINT>(ItemHeight(FontOf(Parent())));
            return TRUE;
        }
        return Default(msg, wp, lp);
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (!item)
            return FALSE;
        if (item->hwndItem == m_list.Hwnd())
            m_list.Draw(*item);
        else if (item->hwndItem == m_selectAll.Hwnd())
            m_selectAll.Draw(*item);
        else if (item->hwndItem == m_none.Hwnd())
            m_none.Draw(*item);
        return TRUE;
    }
    case WM_COMMAND:
        if ((LOWORD(wp) == kSelectAllId || LOWORD(wp) == kNoneId) && HIWORD(wp) == BN_CLICKED) {
            SendMessageW(Hwnd(), RKCC2M_CHECKLISTBOX_CHECKALL, LOWORD(wp), 0);
            SetFocus(Hwnd());
        }
        return 0;
    case RKCC2M_CHECKLISTBOX_GETINNERCTRL:
        return reinterpret_cast<LRESULT>(m_list.Hwnd());
    case RKCC2M_CHECKLISTBOX_GETBUTTON:
        return reinterpret_cast<LRESULT>(wp == 0 ? m_selectAll.Hwnd() : m_none.Hwnd());
    case RKCC2M_CHECKLISTBOX_ADDSTRING: {
        if (!lp)
            return LB_ERR;
        const LRESULT index = SendMessageW(m_list.Hwnd(), LB_ADDSTRING, 0, lp);
        if (index >= 0)
            m_list.SetCheck(static_cast<int>(index), wp != 0);
        return index;
    }
    case RKCC2M_CHECKLISTBOX_GETCHECK: {
        const auto index = static_cast<int>(wp);
        if (index < 0 || index >= m_list.GetCount())
            return -1;
        return m_list.GetCheck(index) ? 1 : 0;
    }
    case RKCC2M_CHECKLISTBOX_SETCHECK:
        return m_list.SetCheck(static_cast<int>(wp), lp != 0) ? 1 : -1;
    case RKCC2M_CHECKLISTBOX_CHECKALL:
        if (wp == RKCC2_CHECKLISTBOX_SELECTALL || wp == RKCC2_CHECKLISTBOX_NONE)
            m_list.CheckAll(wp == RKCC2_CHECKLISTBOX_SELECTALL);
        return 1;
    default:
        // Hosts may fill and read the list through this window (item data, selection, reset).
        if (IsListBoxMessage(msg) && m_list.Hwnd())
            return SendMessageW(m_list.Hwnd(), msg, wp, lp);
        return Default(msg, wp, lp);
    }
}

} // namespace rkcc
