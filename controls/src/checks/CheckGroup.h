#pragma once
// "RKCC2CheckGroup" (CRKCheckGroup): one row of captioned check boxes that the control paints
// itself, with a focus item moved by the arrow keys and a pop-up menu to select or clear all.
// The control owns itself, its font and its image list.

#include "base/CtlWnd.h"
#include "base/Gdi.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace rkcc {

struct CheckGroupItem {
    std::wstring text;
    int checked = 0;
    int enabled = 1;
    COLORREF color = 0;
};

// Where item i of n lies in a client of width w and height h.
struct CheckGroupCell {
    RECT column{};  // trunc(i * c) to trunc((i + 1) * c), full height
    RECT caption{}; // upper half
    RECT box{};     // 11 x 11 in the lower half
    POINT mark{};   // top-left of the 9 x 9 check mark
};
CheckGroupCell CheckGroupCellOf(int index, int count, int width, int height);

class CRKCheckGroup : public CCtlWnd {
public:
    ~CRKCheckGroup() override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool Valid(WPARAM index) const { return index < m_items.size(); }
    void Paint(HDC dc);
    void OnLeftDown(int x);
    void OnKey(UINT vk);
    void OnContextMenu(LPARAM lp);
    void SetAllEnabled(int checked);
    LRESULT OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled);

    std::vector<CheckGroupItem> m_items;
    int m_focus = -1;
    CFontHandle m_font;
    HIMAGELIST m_marks = nullptr; // owned
};

} // namespace rkcc
