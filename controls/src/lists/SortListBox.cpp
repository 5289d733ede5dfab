// The sortable list, its drag list box and its caption strip.
#include "lists/SortListBox.h"

#include "RKComControls2.h"
#include "base/Fonts.h"
#include "base/Gdi.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

namespace rkcc {

namespace {

constexpr UINT kStripId = 100;
constexpr UINT kListId = 101;
constexpr UINT kUpId = 100;
constexpr UINT kDownId = 101;
constexpr wchar_t kBuddyClass[] = L"SortListBoxBuddy";

// Switches a window's redrawing off for the guard's life.
class CNoRedraw {
public:
    explicit CNoRedraw(HWND hwnd) : m_hwnd(hwnd) { SendMessageW(m_hwnd, WM_SETREDRAW, FALSE, 0); }
    CNoRedraw(const CNoRedraw&) = delete;
    CNoRedraw& operator=(const CNoRedraw&) = delete;
    ~CNoRedraw()
    {
        SendMessageW(m_hwnd, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(m_hwnd, nullptr, TRUE);
    }

private:
    HWND m_hwnd;
};

std::wstring ItemText(HWND list, int index)
{
    const auto n = static_cast<int>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0));
    if (n <= 0)
        return {};
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(n));
    return text;
}

} // namespace

void UnregisterSortListClasses()
{
    UnregisterClassW(kBuddyClass, ControlsModule());
}

// ---- drag list ----

bool CSortDragListBox::CreateList(HWND parent)
{
    if (!CreateSubclassed(L"LISTBOX",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                              LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT,
                          0, RECT{}, parent, kListId))
        return false;
    SetWindowLongPtrW(Hwnd(), GWL_EXSTYLE,
                      GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE) | WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY);
    SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    return MakeDragList(Hwnd()) != FALSE;
}

int CSortDragListBox::Count() const
{
    return static_cast<int>(SendMessageW(Hwnd(), LB_GETCOUNT, 0, 0));
}

int CSortDragListBox::Selection() const
{
    return static_cast<int>(SendMessageW(Hwnd(), LB_GETCURSEL, 0, 0));
}

void CSortDragListBox::Replace(int index, const std::wstring& text, LRESULT data)
{
    CNoRedraw noRedraw(Hwnd());
    SendMessageW(Hwnd(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageW(Hwnd(), LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(Hwnd(), LB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

void CSortDragListBox::Swap(int a, int b)
{
    const std::wstring textA = ItemText(Hwnd(), a);
    const std::wstring textB = ItemText(Hwnd(), b);
    const LRESULT dataA = SendMessageW(Hwnd(), LB_GETITEMDATA, static_cast<WPARAM>(a), 0);
    const LRESULT dataB = SendMessageW(Hwnd(), LB_GETITEMDATA, static_cast<WPARAM>(b), 0);
    Replace(a, textB, dataB);
    Replace(b, textA, dataA);
}

void CSortDragListBox::MoveUp()
{
    const int s = Selection();
    if (s > 0) {
        Swap(s - 1, s);
        SendMessageW(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(s - 1), 0);
    }
}

void CSortDragListBox::MoveDown()
{
    const int s = Selection();
    if (s >= 0 && s < Count() - 1) {
        Swap(s, s + 1);
        SendMessageW(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(s + 1), 0);
    }
}

void CSortDragListBox::MoveSelectedBefore(int target)
{
    const int s = Selection();
    if (s < 0 || target < 0 || target >= Count() || target == s || target == s + 1)
        return;
    const std::wstring text = ItemText(Hwnd(), s);
    const LRESULT data = SendMessageW(Hwnd(), LB_GETITEMDATA, static_cast<WPARAM>(s), 0);
    const int at = target > s ? target - 1 : target;
    CNoRedraw noRedraw(Hwnd());
    SendMessageW(Hwnd(), LB_DELETESTRING, static_cast<WPARAM>(s), 0);
    SendMessageW(Hwnd(), LB_INSERTSTRING, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(Hwnd(), LB_SETITEMDATA, static_cast<WPARAM>(at), data);
    SendMessageW(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(at), 0);
}

void CSortDragListBox::InvertMark(int index) const
{
    if (index < 0)
        return;
    RECT item{};
    if (SendMessageW(Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) == LB_ERR)
        return;
    HDC dc = GetDC(Hwnd());
    RECT client{};
    GetClientRect(Hwnd(), &client);
    HRGN clip = CreateRectRgnIndirect(&client);
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
    // A half-tone brush, inverted in place: drawing the same mark again erases it.
    static const WORD kPattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    CBitmapHandle pattern(CreateBitmap(8, 8, 1, 1, kPattern));
    CBrushHandle brush(CreatePatternBrush(pattern));
    {
        CSelect select(dc, brush);
        const int left = item.left + 5;
        const int right = item.right - 5;
        const int y = item.top;
        PatBlt(dc, left, y - 2, right - left, 4, PATINVERT);
        PatBlt(dc, left, y - 6, 3, 4, PATINVERT);
        PatBlt(dc, left, y + 2, 3, 4, PATINVERT);
        PatBlt(dc, right - 3, y - 6, 3, 4, PATINVERT);
        PatBlt(dc, right - 3, y + 2, 3, 4, PATINVERT);
    }
    ReleaseDC(Hwnd(), dc);
}

void CSortDragListBox::SetMark(int index)
{
    if (index == m_mark)
        return;
    InvertMark(m_mark);
    m_mark = index;
    InvertMark(m_mark);
}

void CSortDragListBox::EndDrag()
{
    SetMark(-1);
    if (m_placeholder) {
        SendMessageW(Hwnd(), LB_DELETESTRING, static_cast<WPARAM>(Count() - 1), 0);
        m_placeholder = false;
    }
}

LRESULT CSortDragListBox::OnDragNotification(UINT code, POINT pt)
{
    switch (code) {
    case DL_BEGINDRAG:
        if (!movingEnabled)
            return FALSE;
        // A blank last line, so that an item can be dropped after the last real one.
        SendMessageW(Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
        m_placeholder = true;
        return TRUE;
    case DL_DRAGGING: {
        const int index = LBItemFromPt(Hwnd(), pt, TRUE);
        SetMark(index);
        return index >= 0 ? DL_MOVECURSOR : DL_STOPCURSOR;
    }
    case DL_DROPPED: {
        const int target = LBItemFromPt(Hwnd(), pt, FALSE);
        SetMark(-1);
        MoveSelectedBefore(target);
        EndDrag();
        return 0;
    }
    case DL_CANCELDRAG:
        EndDrag();
        return 0;
    default:
        return 0;
    }
}

void CSortDragListBox::Draw(const DRAWITEMSTRUCT& item) const
{
    if (item.itemID == static_cast<UINT>(-1) || !(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
        return;
    HDC dc = item.hDC;
    const bool enabled = IsWindowEnabled(Hwnd()) != FALSE;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    COLORREF back = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    COLORREF text = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    if (!enabled) {
        back = GetSysColor(COLOR_BTNFACE);
        text = GetSysColor(COLOR_GRAYTEXT);
    }
    FillSolid(dc, item.rcItem, back);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    RECT r = item.rcItem;
    r.left += 2;
    DrawTextIn(dc, ItemText(Hwnd(), static_cast<int>(item.itemID)), r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (selected && GetFocus() == Hwnd())
        DrawFocusRect(dc, &item.rcItem);
}

LRESULT CSortDragListBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_SYSKEYDOWN && movingEnabled && (HIWORD(lp) & KF_ALTDOWN)) {
        if (wp == VK_LEFT || wp == VK_UP)
            MoveUp();
        else if (wp == VK_RIGHT || wp == VK_DOWN)
            MoveDown();
    }
    return Default(msg, wp, lp);
}

// ---- caption strip ----

bool CSortListBoxBuddy::CreateStrip(HWND parent)
{
    if (!RegisterInnerClass(kBuddyClass, CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW, LoadCursorW(nullptr, IDC_ARROW),
                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    if (!Create(kBuddyClass, WS_CHILD | WS_VISIBLE, WS_EX_STATICEDGE | WS_EX_NOPARENTNOTIFY, RECT{}, parent, kStripId))
        return false;
    return m_up.CreateButton(CArrowButton::kUp, WS_CHILD | WS_VISIBLE, RECT{}, Hwnd(), kUpId) &&
           m_down.CreateButton(CArrowButton::kDown, WS_CHILD | WS_VISIBLE, RECT{}, Hwnd(), kDownId);
}

void CSortListBoxBuddy::Paint(HDC dc)
{
    const RECT rc = ClientRect();
    FillSolid(dc, rc, GetSysColor(COLOR_BTNFACE));
    const int length = GetWindowTextLengthW(Hwnd());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(Hwnd(), text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    CSelect font(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsEnabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    RECT r = rc;
    OffsetRect(&r, 2, 0);
    DrawTextIn(dc, text, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

LRESULT CSortListBoxBuddy::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SIZE: {
        const int w = LOWORD(lp);
        const int h = HIWORD(lp);
        MoveWindow(m_up.Hwnd(), w - 2 * h, 0, h, h, TRUE);
        MoveWindow(m_down.Hwnd(), w - h, 0, h, h, TRUE);
        return 0;
    }
    case WM_ENABLE:
        EnableWindow(m_up.Hwnd(), wp != FALSE);
        EnableWindow(m_down.Hwnd(), wp != FALSE);
        Invalidate();
        return 0;
    case WM_COMMAND:
        if ((LOWORD(wp) == kUpId || LOWORD(wp) == kDownId) && HIWORD(wp) == RKCC2N_ARROWDOWN)
            m_owner.OnArrow(LOWORD(wp) == kUpId);
        return 0;
    case WM_LBUTTONDOWN:
        m_owner.FocusList();
        return 0;
    case WM_SETTEXT: {
        const LRESULT r = Default(msg, wp, lp);
        Invalidate();
        return r;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        CPaintDC paint(Hwnd());
        cdc_extensions::CMemoryDC dc(paint);
        Paint(dc);
        return 0;
    }
    default:
        return Default(msg, wp, lp);
    }
}

// ---- outer control ----

CRKSortListBox::CRKSortListBox() : m_strip(*this) {}

int CRKSortListBox::StripHeight()
{
    const TEXTMETRICW tm = FontMetrics(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    return (tm.tmHeight + tm.tmExternalLeading) * 175 / 100;
}

void CRKSortListBox::FocusList()
{
    SetFocus(m_list.Hwnd());
}

void CRKSortListBox::OnArrow(bool up)
{
    if (up)
        m_list.MoveUp();
    else
        m_list.MoveDown();
    if (m_list.Selection() >= 0)
        FocusList();
}

LRESULT CRKSortListBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    HWND list = m_list.Hwnd();
    if (m_dragMessage && msg == m_dragMessage) {
        const auto* info = reinterpret_cast<const DRAGLISTINFO*>(lp);
        if (!info || info->hWnd != list)
            return 0;
        return m_list.OnDragNotification(info->uNotification, info->ptCursor);
    }
    switch (msg) {
    case WM_CREATE: {
        if (Default(msg, wp, lp) == -1)
            return -1;
        m_dragMessage = RegisterWindowMessageW(DRAGLISTMSGSTRING);
        if (!m_strip.CreateStrip(Hwnd()) || !m_list.CreateList(Hwnd()))
            return -1;
        const HFONT font = FontOf(Parent());
        SendMessageW(m_strip.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SendMessageW(m_list.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        const RECT rc = ClientRect();
        SendMessageW(Hwnd(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.right, rc.bottom));
        return 0;
    }
    case WM_SIZE: {
        const int w = LOWORD(lp);
        const int h = HIWORD(lp);
        if (w <= 0 || h <= 0)
            return 0;
        const int strip = StripHeight();
        MoveWindow(m_strip.Hwnd(), 0, 0, w, strip, TRUE);
        MoveWindow(list, 0, strip, w, h - strip, TRUE);
        return 0;
    }
    case WM_SETFOCUS:
        SetFocus(list);
        return 0;
    case WM_ENABLE:
        EnableWindow(list, wp != FALSE);
        EnableWindow(m_strip.Hwnd(), wp != FALSE);
        return 0;
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (item && item->CtlID == kListId) {
            // The list's default DC: the system font.
            const TEXTMETRICW tm = FontMetrics(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
            item->itemHeight = static_cast<UINT>(tm.tmHeight + tm.tmExternalLeading);
            return TRUE;
        }
        return Default(msg, wp, lp);
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (item && item->hwndItem == list) {
            m_list.Draw(*item);
            return TRUE;
        }
        return Default(msg, wp, lp);
    }
    case WM_COMMAND:
        return 0; // the sortable list has no notifications of its own
    case RKCC2M_SORTLISTBOX_GETINNERCTRL:
        return reinterpret_cast<LRESULT>(list);
    case RKCC2M_SORTLISTBOX_ADDSTRING:
        if (!lp)
            return LB_ERR;
        return SendMessageW(list, LB_ADDSTRING, 0, lp);
    case RKCC2M_SORTLISTBOX_SETCAPTION:
        SetWindowTextW(m_strip.Hwnd(), lp ? reinterpret_cast<const wchar_t*>(lp) : L"");
        return 1;
    default:
        if (IsListBoxMessage(msg) && list)
            return SendMessageW(list, msg, wp, lp);
        return Default(msg, wp, lp);
    }
}

} // namespace rkcc
