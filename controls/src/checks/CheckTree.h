#pragma once
// "RKCC2CheckTree" (CRKCheckTree): a tree whose state images carry a check and a mark for checked
// descendants (state 0 no box, 1 unchecked, 2 checked, 3 unchecked with a checked or marked
// descendant, 4 checked with one). The inner tree view (CCheckTreeCtrl, child 100) is a member.

#include "base/CtlWnd.h"

#include <commctrl.h>

namespace rkcc {

class CCheckTreeCtrl : public CCtlWnd {
public:
    bool CreateTree(HWND parent, const RECT& rect);
    ~CCheckTreeCtrl() override;

    int GetState(HTREEITEM item) const;
    void SetState(HTREEITEM item, int state);
    // Operation 0 check, 1 uncheck, 2 toggle, 3 re-mark; marks or unmarks the ancestors.
    void Apply(HTREEITEM item, int operation);
    void ExpandAll(bool expand);
    void RemarkAll();
    HTREEITEM FindChecked(HTREEITEM from) const; // from = null: the first root
    HTREEITEM PreorderNext(HTREEITEM item) const;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    HTREEITEM Child(HTREEITEM item) const { return TreeView_GetChild(Hwnd(), item); }
    HTREEITEM Next(HTREEITEM item) const { return TreeView_GetNextSibling(Hwnd(), item); }
    HTREEITEM ParentOf(HTREEITEM item) const { return TreeView_GetParent(Hwnd(), item); }
    bool HasMarkingChild(HTREEITEM item) const;

    HIMAGELIST m_states = nullptr; // owned
};

class CRKCheckTree : public CCtlWnd {
protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CCheckTreeCtrl m_tree;
};

} // namespace rkcc
