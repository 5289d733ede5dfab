#pragma once
// "RKCC2OptionsTree" (CRKOptionsTree): a tree of check items and radio groups drawn with item
// images (0 check off, 1 check on, 2 radio off, 3 radio on, 4 to 7 the same inactive). A radio
// group is the set of children of one parent item. The inner tree view (COptionsTree, child 100)
// and its image list are members of the control, which owns itself.

#include "base/CtlWnd.h"

#include <commctrl.h>

namespace rkcc {

class COptionsTree : public CCtlWnd {
public:
    ~COptionsTree() override;
    bool CreateTree(HWND parent, const RECT& rect);

    int GetImage(HTREEITEM item) const;
    bool SetImage(HTREEITEM item, int image);
    HTREEITEM Add(HTREEITEM parent, const wchar_t* text, int image);
    // The user's action on an item (a click or Space).
    void Activate(HTREEITEM item);
    void SelectRadio(HTREEITEM item);
    void SelectRadioAt(HTREEITEM group, int index);
    int SelectedRadioIndex(HTREEITEM group) const;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void SwitchOff(HTREEITEM sibling);

    HIMAGELIST m_images = nullptr; // owned
};

class CRKOptionsTree : public CCtlWnd {
protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    COptionsTree m_tree;
};

} // namespace rkcc
