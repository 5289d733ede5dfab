// The picture combo: items with pictures and colours, owner-drawn, with a button mode.
#include "combos/PictureComboBox.h"

#include "RKComControls2.h"
#include "base/Fonts.h"
#include "base/Gdi.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <string>

namespace rkcc {

namespace {
constexpr UINT kComboId = 100;
}

CPictureComboBox::~CPictureComboBox()
{
    Destroy(); // the combo first: its last drawing must not find the image list gone
    if (m_images)
        ImageList_Destroy(m_images);
}

void CPictureComboBox::ClearItems()
{
    m_items.clear();
    if (m_images) {
        ImageList_Destroy(m_images);
        m_images = nullptr;
    }
    pictures = true; // the next first item decides again
}

void CPictureComboBox::Reset()
{
    SendMessageW(Hwnd(), CB_RESETCONTENT, 0, 0); // clears the items as well
}

bool CPictureComboBox::SetItemTextColor(int index, COLORREF color)
{
    if (index < 0 || index >= Count())
        return false;
    m_items[static_cast<size_t>(index)].text = color;
    return true;
}

LRESULT CPictureComboBox::AddItem(const PictureComboItem* item)
{
    if (!item)
        return -1;
    Item added;
    added.back = item->backColor;
    added.separator = item->separator != 0;
    if (item->bitmap) {
        BITMAP bm{};
        if (!GetObjectW(item->bitmap, sizeof(bm), &bm))
            return -1;
        if (!m_images) {
            if (Count() > 0)
                return -1; // text-only items came first: this list has no pictures
            m_images = ImageList_Create(bm.bmWidth, bm.bmHeight, maskMode ? (ILC_COLOR24 | ILC_MASK) : ILC_COLORDDB,
                                        1, 1);
            if (!m_images)
                return -1;
            m_imageSize = {bm.bmWidth, bm.bmHeight};
        }
        const int before = ImageList_GetImageCount(m_images);
        if (maskMode)
            ImageList_AddMasked(m_images, item->bitmap, maskColor);
        else
            ImageList_Add(m_images, item->bitmap, nullptr);
        if (ImageList_GetImageCount(m_images) != before + 1)
            return -1;
        added.image = before;
    } else {
        if (m_images && ImageList_GetImageCount(m_images) > 0)
            return 0; // a list with pictures takes no item without one
        pictures = false;
    }
    m_adding = added;
    const LRESULT index = SendMessageW(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item->text ? item->text : L""));
    m_adding = Item{};
    return index;
}

void CPictureComboBox::Draw(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    const int index = static_cast<int>(item.itemID);
    const bool face = (item.itemState & ODS_COMBOBOXEDIT) != 0;
    const bool enabled = !(item.itemState & ODS_DISABLED);
    const bool valid = index >= 0 && index < Count();
    const Item shown = valid ? m_items[static_cast<size_t>(index)] : Item{};
    COLORREF back = shown.back;
    COLORREF text = shown.text == CLR_INVALID ? GetSysColor(COLOR_WINDOWTEXT) : shown.text;
    if ((!face && (item.itemState & ODS_SELECTED)) || (face && buttonMode && checked)) {
        back = GetSysColor(COLOR_HIGHLIGHT);
        text = GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    if (!enabled) {
        back = GetSysColor(COLOR_BTNFACE);
        text = GetSysColor(COLOR_GRAYTEXT);
    }
    FillSolid(dc, item.rcItem, back);
    if (!valid)
        return;
    int x = item.rcItem.left + 2;
    if (pictures && m_images) {
        const int y = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - m_imageSize.cy) / 2;
        if (shown.image >= 0)
            ImageList_Draw(m_images, shown.image, dc, x, y, maskMode ? ILD_TRANSPARENT : ILD_NORMAL);
        x = item.rcItem.left + m_imageSize.cx + 5;
    }
    const auto length = static_cast<int>(SendMessageW(Hwnd(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0));
    if (length > 0) {
        std::wstring label(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(Hwnd(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(label.data()));
        label.resize(static_cast<size_t>(length));
        CSelect font(dc, reinterpret_cast<HFONT>(SendMessageW(Hwnd(), WM_GETFONT, 0, 0)));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, text);
        DrawTextIn(dc, label, {x, item.rcItem.top, item.rcItem.right, item.rcItem.bottom},
                   DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (!face && shown.separator && SendMessageW(Hwnd(), CB_GETDROPPEDSTATE, 0, 0))
        FillSolid(dc, {item.rcItem.left, item.rcItem.bottom - 1, item.rcItem.right, item.rcItem.bottom}, RGB(0, 0, 0));
    if ((item.itemState & ODS_FOCUS) && focusRect) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -1, -1);
        DrawFocusRect(dc, &focus);
    }
}

LRESULT CPictureComboBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    // Each item's record follows its string, whoever adds, inserts, deletes or clears it.
    switch (msg) {
    case CB_ADDSTRING:
    case CB_INSERTSTRING: {
        const LRESULT index = Default(msg, wp, lp);
        if (index >= 0 && static_cast<size_t>(index) <= m_items.size())
            m_items.insert(m_items.begin() + index, m_adding);
        return index;
    }
    case CB_DELETESTRING: {
        const LRESULT result = Default(msg, wp, lp);
        if (result != CB_ERR && wp < m_items.size())
            m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(wp));
        return result;
    }
    case CB_RESETCONTENT: {
        const LRESULT result = Default(msg, wp, lp);
        ClearItems();
        return result;
    }
    default:
        break;
    }
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
        if (!IsEnabled())
            return 0;
        SetFocus(Hwnd());
        if (buttonMode && !checked) {
            HWND wrapper = Parent();
            if (HWND dialog = wrapper ? GetParent(wrapper) : nullptr)
                SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(wrapper), RKCC2N_PICTURECOMBO_FACECLICK),
                             reinterpret_cast<LPARAM>(Hwnd()));
            const int buttonLeft = ClientRect().right - GetSystemMetrics(SM_CXVSCROLL) - GetSystemMetrics(SM_CXEDGE);
            if (GET_X_LPARAM(lp) < buttonLeft && !dropOnFace)
                return 0;
        }
    }
    return Default(msg, wp, lp);
}

LRESULT CRKPictureComboBox::OnPictureMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled)
{
    CPictureComboBox& c = m_combo;
    HWND combo = c.Hwnd();
    switch (msg) {
    case RKCC2M_PICTURECOMBO_GETINNERCTRL:
        return reinterpret_cast<LRESULT>(combo);
    case RKCC2M_PICTURECOMBO_ADDITEM:
        return c.AddItem(reinterpret_cast<const PictureComboItem*>(lp));
    case RKCC2M_PICTURECOMBO_GETCHECK:
        return c.buttonMode && c.checked ? 1 : 0;
    case RKCC2M_PICTURECOMBO_SETCHECK: {
        const bool previous = c.checked;
        c.checked = wp != 0;
        InvalidateRect(combo, nullptr, FALSE);
        return previous;
    }
    case RKCC2M_PICTURECOMBO_SETBUTTONMODE:
        c.buttonMode = wp != 0;
        InvalidateRect(combo, nullptr, FALSE);
        UpdateWindow(combo);
        return 1;
    case RKCC2M_PICTURECOMBO_SETFOCUSRECT:
        c.focusRect = wp != 0;
        InvalidateRect(combo, nullptr, FALSE);
        return 1;
    case RKCC2M_PICTURECOMBO_SETDROPONFACE:
        c.dropOnFace = wp != 0;
        InvalidateRect(combo, nullptr, FALSE);
        return 1;
    case RKCC2M_PICTURECOMBO_SETDROPHEIGHT:
        m_dropHeight = static_cast<int>(wp);
        MoveWindow(combo, 0, 0, ClientRect().right, m_dropHeight, TRUE);
        return 1;
    case RKCC2M_PICTURECOMBO_RESETCONTENT:
        c.Reset();
        return 1;
    case RKCC2M_PICTURECOMBO_SETMASK:
        c.maskMode = wp != 0;
        c.maskColor = static_cast<COLORREF>(lp);
        return 1;
    case RKCC2M_PICTURECOMBO_SETITEMTEXTCOLOR:
        if (wp > static_cast<WPARAM>(INT_MAX) || !c.SetItemTextColor(static_cast<int>(wp), static_cast<COLORREF>(lp)))
            return -1;
        InvalidateRect(combo, nullptr, FALSE);
        return 1;
    default:
        handled = false;
        return 0;
    }
}

LRESULT CRKPictureComboBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    HWND combo = m_combo.Hwnd();
    switch (msg) {
    case WM_CREATE: {
        if (Default(msg, wp, lp) == -1)
            return -1;
        RECT window{};
        GetWindowRect(Hwnd(), &window);
        m_itemHeight = std::max(1, static_cast<int>(window.bottom - window.top) - 3 * GetSystemMetrics(SM_CYEDGE));
        const RECT rect{0, 0, ClientRect().right, m_dropHeight};
        if (!m_combo.CreateSubclassed(L"COMBOBOX",
                                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST |
                                          CBS_HASSTRINGS | CBS_OWNERDRAWFIXED,
                                      0, rect, Hwnd(), kComboId))
            return -1;
        SendMessageW(m_combo.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(Parent())), FALSE);
        return 0;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (item && item->CtlID == kComboId) {
            item->itemHeight = static_cast<UINT>(m_itemHeight);
            return TRUE;
        }
        return Default(msg, wp, lp);
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (item && item->hwndItem == combo) {
            m_combo.Draw(*item);
            return TRUE;
        }
        return Default(msg, wp, lp);
    }
    case WM_SIZE:
        MoveWindow(combo, 0, 0, LOWORD(lp), m_dropHeight, TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(combo);
        return 0;
    case WM_ENABLE:
        EnableWindow(combo, wp != FALSE);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wp) == kComboId && HIWORD(wp) == CBN_SELCHANGE)
            NotifyParentWith(RKCC2N_PICTURECOMBO_SELCHANGE, combo);
        return 0;
    default: {
        bool handled = true;
        const LRESULT result = OnPictureMessage(msg, wp, lp, handled);
        if (handled)
            return result;
        if (IsComboBoxMessage(msg) && combo)
            return SendMessageW(combo, msg, wp, lp);
        return Default(msg, wp, lp);
    }
    }
}

} // namespace rkcc
