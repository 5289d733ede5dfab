// The check tree: state images, the check operations and the search for checked items.
#include "checks/CheckTree.h"

#include "ControlsRes.h"
#include "RKComControls2.h"
#include "base/Fonts.h"

#include <windowsx.h>

namespace rkcc {

namespace {

constexpr UINT kTreeId = 100;
constexpr WORD kSelChangedCode = 0xFE3D;

HIMAGELIST LoadStateImages()
{
    return ImageList_LoadImageW(ControlsModule(), MAKEINTRESOURCEW(IDB_CHECKTREE_STATES), 16, 1, RGB(255, 255, 255),
                                IMAGE_BITMAP, LR_CREATEDIBSECTION);
}

} // namespace

bool CCheckTreeCtrl::CreateTree(HWND parent, const RECT& rect)
{
    if (!CreateSubclassed(WC_TREEVIEWW,
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                              TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                          WS_EX_CLIENTEDGE, rect, parent, kTreeId))
        return false;
    m_states = LoadStateImages();
    if (m_states)
        TreeView_SetImageList(Hwnd(), m_states, TVSIL_STATE);
    return true;
}

CCheckTreeCtrl::~CCheckTreeCtrl()
{
    Destroy(); // the tree first: it must not hold the image list when that goes
    if (m_states)
        ImageList_Destroy(m_states);
}

int CCheckTreeCtrl::GetState(HTREEITEM item) const
{
    return static_cast<int>((TreeView_GetItemState(Hwnd(), item, TVIS_STATEIMAGEMASK) & TVIS_STATEIMAGEMASK) >> 12);
}

void CCheckTreeCtrl::SetState(HTREEITEM item, int state)
{
    TreeView_SetItemState(Hwnd(), item, INDEXTOSTATEIMAGEMASK(state), TVIS_STATEIMAGEMASK);
}

bool CCheckTreeCtrl::HasMarkingChild(HTREEITEM item) const
{
    for (HTREEITEM c = Child(item); c; c = Next(c)) {
        const int s = GetState(c);
        if (s == 2 || s == 3 || s == 4)
            return true;
    }
    return false;
}

void CCheckTreeCtrl::Apply(HTREEITEM item, int operation)
{
    const int s = GetState(item);
    int n = s;
    switch (operation) {
    case 0: // check
        if (s == 2 || s == 4)
            return;
        n = s == 1 ? 2 : s == 3 ? 4 : 0;
        break;
    case 1: // uncheck
        if (s == 1 || s == 3)
            return;
        n = s == 2 ? 1 : s == 4 ? 3 : 0;
        break;
    case 2: // toggle
        n = s == 1 ? 2 : s == 2 ? 1 : s == 3 ? 4 : s == 4 ? 3 : 0;
        break;
    case 3: { // re-mark from the direct children
        const bool marked = HasMarkingChild(item);
        const bool checked = s == 2 || s == 4;
        n = s == 0 ? 0 : checked ? (marked ? 4 : 2) : (marked ? 3 : 1);
        break;
    }
    default:
        return;
    }
    SetState(item, n);
    if (n == 2 || n == 3 || n == 4) {
        for (HTREEITEM a = ParentOf(item); a; a = ParentOf(a)) {
            const int as = GetState(a);
            if (as == 1)
                SetState(a, 3);
            else if (as == 2)
                SetState(a, 4);
        }
    } else if (n == 1) {
        for (HTREEITEM a = ParentOf(item); a; a = ParentOf(a)) {
            if (HasMarkingChild(a))
                break;
            const int as = GetState(a);
            if (as == 3)
                SetState(a, 1);
            else if (as == 4)
                SetState(a, 2);
        }
    }
}

void CCheckTreeCtrl::ExpandAll(bool expand)
{
    for (HTREEITEM item = TreeView_GetRoot(Hwnd()); item; item = PreorderNext(item)) {
        if (Child(item))
            TreeView_Expand(Hwnd(), item, expand ? TVE_EXPAND : TVE_COLLAPSE);
    }
}

void CCheckTreeCtrl::RemarkAll()
{
    for (HTREEITEM item = TreeView_GetRoot(Hwnd()); item; item = PreorderNext(item))
        Apply(item, 3);
}

HTREEITEM CCheckTreeCtrl::PreorderNext(HTREEITEM item) const
{
    if (HTREEITEM c = Child(item))
        return c;
    for (HTREEITEM a = item; a; a = ParentOf(a)) {
        if (HTREEITEM n = Next(a))
            return n;
    }
    return nullptr;
}

HTREEITEM CCheckTreeCtrl::FindChecked(HTREEITEM from) const
{
    HTREEITEM item = from ? PreorderNext(from) : TreeView_GetRoot(Hwnd());
    while (item) {
        const int s = GetState(item);
        if (s == 2 || s == 4)
            return item;
        // A mark and a heading without a box (state 0) may both have checked items below.
        if (s == 3 || s == 0) {
            item = PreorderNext(item);
        } else {
            HTREEITEM next = Next(item);
            item = next ? next : PreorderNext(item);
        }
    }
    return nullptr;
}

LRESULT CCheckTreeCtrl::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_LBUTTONDOWN: {
        TVHITTESTINFO hit{};
        hit.pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        TreeView_HitTest(Hwnd(), &hit);
        if (hit.hItem && (hit.flags & TVHT_ONITEMSTATEICON)) {
            Apply(hit.hItem, 2);
            return 0;
        }
        return Default(msg, wp, lp);
    }
    case WM_KEYDOWN:
        if (wp == VK_SPACE) {
            if (HTREEITEM selected = TreeView_GetSelection(Hwnd()))
                Apply(selected, 2);
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

LRESULT CRKCheckTree::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
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
    case WM_NOTIFY: {
        // Nothing of the tree reaches the dialog: a selection change becomes a command that this
        // control ignores, and double clicks are consumed.
        const auto* header = reinterpret_cast<const NMHDR*>(lp);
        if (header && header->hwndFrom == tree && header->code == TVN_SELCHANGEDW)
            SendMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(kTreeId, kSelChangedCode), reinterpret_cast<LPARAM>(tree));
        return 0;
    }
    case WM_COMMAND:
        return 0;
    case RKCC2M_CHECKTREE_GETINNERCTRL:
        return reinterpret_cast<LRESULT>(tree);
    case RKCC2M_CHECKTREE_INSERTITEM:
        if (!lp)
            return 0;
        return SendMessageW(tree, TVM_INSERTITEMW, 0, lp);
    case RKCC2M_CHECKTREE_SETCHECK:
        if (!lp)
            return 0;
        if (wp > RKCC2_CHECKTREE_REMARK)
            return -1;
        m_tree.Apply(reinterpret_cast<HTREEITEM>(lp), static_cast<int>(wp));
        return 1;
    case RKCC2M_CHECKTREE_EXPANDALL:
        m_tree.ExpandAll(wp != 0);
        return 1;
    case RKCC2M_CHECKTREE_REMARKALL:
        m_tree.RemarkAll();
        return 1;
    case RKCC2M_CHECKTREE_GETFIRSTCHECKED:
        return reinterpret_cast<LRESULT>(m_tree.FindChecked(nullptr));
    case RKCC2M_CHECKTREE_GETNEXTCHECKED:
        if (!lp)
            return 0;
        return reinterpret_cast<LRESULT>(m_tree.FindChecked(reinterpret_cast<HTREEITEM>(lp)));
    default:
        if (IsTreeViewMessage(msg) && tree)
            return SendMessageW(tree, msg, wp, lp);
        return Default(msg, wp, lp);
    }
}

} // namespace rkcc
