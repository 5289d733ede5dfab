#pragma once
// "RKCC2SortListBox" (CRKSortListBox): a list the user puts in order by dragging an item, by Alt
// with an arrow key, or with the arrow buttons of a caption strip above it. The caption strip
// (CSortListBoxBuddy, child 100) and the list (CSortDragListBox, child 101, a drag list box) are
// members of the control, which owns itself.

#include "base/CtlWnd.h"
#include "buttons/ArrowButton.h"

#include <string>

namespace rkcc {

class CRKSortListBox;

class CSortDragListBox : public CCtlWnd {
public:
    bool CreateList(HWND parent);
    int Count() const;
    int Selection() const;
    void Swap(int a, int b);
    void MoveUp();
    void MoveDown();
    // Moves the selected item in front of item `target`; nothing for itself or the item below it.
    void MoveSelectedBefore(int target);
    void Draw(const DRAWITEMSTRUCT& item) const;
    // Inverts the insertion mark at an item's top edge; -1 draws nothing.
    void InvertMark(int index) const;

    // The drag-list facility's notifications (DRAGLISTINFO), answered as it expects.
    LRESULT OnDragNotification(UINT code, POINT screenPoint);

    bool movingEnabled = true;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Replace(int index, const std::wstring& text, LRESULT data);
    void SetMark(int index);
    void EndDrag();

    int m_mark = -1;
    bool m_placeholder = false;
};

class CSortListBoxBuddy : public CCtlWnd {
public:
    explicit CSortListBoxBuddy(CRKSortListBox& owner) : m_owner(owner) {}
    bool CreateStrip(HWND parent);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint(HDC dc);

    CRKSortListBox& m_owner; // the control that owns this strip
    CArrowButton m_up;
    CArrowButton m_down;
};

class CRKSortListBox : public CCtlWnd {
public:
    CRKSortListBox();
    void OnArrow(bool up);
    void FocusList();
    static int StripHeight();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CSortListBoxBuddy m_strip;
    CSortDragListBox m_list;
    UINT m_dragMessage = 0;
};

void UnregisterSortListClasses();

} // namespace rkcc
