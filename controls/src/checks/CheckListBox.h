#pragma once
// "RKCC2CheckListBox" (CRKCheckListBox): a list box whose items carry check boxes, with "Select
// All" and "None" buttons below it. The inner list (CCheckListBoxWnd, child 100) keeps the checks
// beside the list box's items, so the host keeps the item data for itself. The outer control
// owns itself; the list and buttons are its members.

#include "base/CtlWnd.h"
#include "base/Gdi.h"

#include <vector>

namespace rkcc {

class CCheckListBoxWnd : public CCtlWnd {
public:
    bool CreateList(HWND parent, const RECT& rect);
    int GetCount() const;
    bool GetCheck(int index) const;
    bool SetCheck(int index, bool checked);
    void CheckAll(bool checked);
    void Toggle(int index);
    void Draw(const DRAWITEMSTRUCT& item) const;
    // The check box of an item rectangle.
    static RECT CheckBoxRect(const RECT& item);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnLeftDown(WPARAM wp, LPARAM lp);

    std::vector<char> m_checks; // one per item, kept in step with the list box's own items
};

// An owner-drawn push button of the check list.
class CCheckListBoxButton : public CCtlWnd {
public:
    bool CreateButton(HWND parent, UINT id, const std::wstring& caption);
    void Draw(const DRAWITEMSTRUCT& item) const;
};

class CRKCheckListBox : public CCtlWnd {
public:
    // The list's item height for a font.
    static int ItemHeight(HFONT font);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    int OnCreate();
    void Layout();

    CCheckListBoxWnd m_list;
    CCheckListBoxButton m_selectAll;
    CCheckListBoxButton m_none;
};

} // namespace rkcc
