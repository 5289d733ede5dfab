// The options tree: check items and radio groups by item image.
#include "checks/OptionsTree.h"

#include "ControlsRes.h"
#include "RKComControls2.h"
#include "base/Fonts.h"

#include <windowsx.h>

namespace rkcc {

namespace {

constexpr UINT kTreeId = 100;

// Switches a tree's redrawing off for the guard's life (many images change at once).
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

} // namespace

COptionsTree::~COptionsTree()
{
    Destroy(); // the tree first: it must not hold the image list when that goes
    if (m_images)
        ImageList_Destroy(m_images);
}

bool COptionsTree::CreateTree(HWND parent, const RECT& rect)
{
    if (!CreateSubclassed(WC_TREEVIEWW, WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE, rect,
                          parent, kTreeId))
        return false;
    m_images = ImageList_LoadImageW(ControlsModule(), MAKEINTRESOURCEW(IDB_OPTIONSTREE_IMAGES), 16, 1,
                                    RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (m_images)
        TreeView_SetImageList(Hwnd(), m_images, TVSIL_NORMAL);
    return true;
}

int COptionsTree::GetImage(HTREEITEM item) const
{
    TVITEMW tv{};
    tv.mask = TVIF_HANDLE | TVIF_IMAGE;
    tv.hItem = item;
    if (!item || !TreeView_GetItem(Hwnd(), &tv))
        return -1;
    return tv.iImage;
}

bool COptionsTree::SetImage(HTREEITEM item, int image)
{
    TVITEMW tv{};
    tv.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tv.hItem = item;
    tv.iImage = image;
    tv.iSelectedImage = image;
    return item && TreeView_SetItem(Hwnd(), &tv) != FALSE;
}

HTREEITEM COptionsTree::Add(HTREEITEM parent, const wchar_t* text, int image)
{
    TVINSERTSTRUCTW ins{};
    ins.hParent = parent ? parent : TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    ins.item.pszText = const_cast<wchar_t*>(text ? text : L"");
    ins.item.iImage = image;
    ins.item.iSelectedImage = image;
    ins.item.lParam = 0;
    return TreeView_InsertItem(Hwnd(), &ins);
}

void COptionsTree::SwitchOff(HTREEITEM sibling)
{
    // Radios go off and keep whether they react; check items in the group keep their image.
    const int image = GetImage(sibling);
    if (image == 2 || image == 3)
        SetImage(sibling, 2);
    else if (image == 6 || image == 7)
        SetImage(sibling, 6);
}

void COptionsTree::SelectRadio(HTREEITEM item)
{
    HTREEITEM parent = TreeView_GetParent(Hwnd(), item);
    HTREEITEM first = parent ? TreeView_GetChild(Hwnd(), parent) : TreeView_GetRoot(Hwnd());
    CNoRedraw noRedraw(Hwnd());
    for (HTREEITEM c = first; c; c = TreeView_GetNextSibling(Hwnd(), c)) {
        if (c == item)
            SetImage(c, 3);
        else
            SwitchOff(c);
    }
}

void COptionsTree::SelectRadioAt(HTREEITEM group, int index)
{
    CNoRedraw noRedraw(Hwnd());
    int i = 0;
    for (HTREEITEM c = TreeView_GetChild(Hwnd(), group); c; c = TreeView_GetNextSibling(Hwnd(), c), ++i) {
        if (i == index)
            SetImage(c, 3);
        else
            SwitchOff(c);
    }
}

int COptionsTree::SelectedRadioIndex(HTREEITEM group) const
{
    int i = 0;
    for (HTREEITEM c = TreeView_GetChild(Hwnd(), group); c; c = TreeView_GetNextSibling(Hwnd(), c), ++i) {
        const int image = GetImage(c);
        if (image == 3 || image == 7)
            return i;
    }
    return -1;
}

void COptionsTree::Activate(HTREEITEM item)
{
    switch (GetImage(item)) {
    case 0:
        SetImage(item, 1);
        break;
    case 1:
        SetImage(item, 0);
        break;
    case 2:
        SelectRadio(item);
        break;
    default: // an active radio that is on, and inactive items: nothing
        break;
    }
}

LRESULT COptionsTree::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_LBUTTONDOWN: {
        TVHITTESTINFO hit{};
        hit.pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        TreeView_HitTest(Hwnd(), &hit);
        constexpr UINT kOnItem =
            TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMINDENT | TVHT_ONITEMSTATEICON | TVHT_ONITEMRIGHT;
        if (hit.hItem && (hit.flags & kOnItem))
            Activate(hit.hItem);
        return Default(msg, wp, lp);
    }
    case WM_CHAR:
        if (wp == L' ') {
            if (HTREEITEM selected = TreeView_GetSelection(Hwnd()))
                Activate(selected);
            return 0;
        }
        return Default(msg, wp, lp);
    default:
        return Default(msg, wp, lp);
    }
}

LRESULT CRKOptionsTree::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    HWND tree = m_tree.Hwnd();
    switch (msg) {
    case WM_CREATE:
        if (Default(msg, wp, lp) == -1)
            return -1;
        if (!m_tree.CreateTree(Hwnd(), ClientRect()))
            return -1;
        SendMessageW(m_tree.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(Parent())), FALSE);
        return 0;
    case WM_SIZE:
        MoveWindow(tree, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(tree);
        return 0;
    case WM_ENABLE:
        EnableWindow(tree, wp != FALSE);
        return 0;
    case WM_NOTIFY:
        return 0; // the options tree tells the dialog nothing
    case RKCC2M_OPTIONSTREE_GETINNERCTRL:
        return reinterpret_cast<LRESULT>(tree);
    case RKCC2M_OPTIONSTREE_ADDROOT:
        return reinterpret_cast<LRESULT>(m_tree.Add(nullptr, reinterpret_cast<const wchar_t*>(lp), static_cast<int>(wp)));
    case RKCC2M_OPTIONSTREE_ADDRADIO:
    case RKCC2M_OPTIONSTREE_ADDCHECK: {
        const auto* record = reinterpret_cast<const OptionsTreeItem*>(lp);
        if (!record)
            return 0;
        const bool radio = msg == RKCC2M_OPTIONSTREE_ADDRADIO;
        HTREEITEM item = m_tree.Add(record->parent, record->text, radio ? 2 : (record->flag ? 1 : 0));
        if (item && radio && record->flag)
            m_tree.SelectRadio(item);
        return reinterpret_cast<LRESULT>(item);
    }
    case RKCC2M_OPTIONSTREE_GETRADIO:
        if (!lp)
            return -1;
        return m_tree.SelectedRadioIndex(reinterpret_cast<HTREEITEM>(lp));
    case RKCC2M_OPTIONSTREE_GETCHECK: {
        const int image = m_tree.GetImage(reinterpret_cast<HTREEITEM>(lp));
        return image == 1 || image == 5 ? 1 : 0;
    }
    case RKCC2M_OPTIONSTREE_SETRADIO:
        if (lp && TreeView_GetCount(tree) > 0)
            m_tree.SelectRadioAt(reinterpret_cast<HTREEITEM>(lp), static_cast<int>(wp));
        return 1;
    case RKCC2M_OPTIONSTREE_SETCHECK:
        if (TreeView_GetCount(tree) == 0)
            return 1;
        return m_tree.SetImage(reinterpret_cast<HTREEITEM>(lp), wp ? 1 : 0) ? 1 : 0;
    default:
        if (IsTreeViewMessage(msg) && tree)
            return SendMessageW(tree, msg, wp, lp);
        return Default(msg, wp, lp);
    }
}

} // namespace rkcc
