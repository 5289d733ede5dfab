#pragma once
// "RKCC2PictureComboBox" (CRKPictureComboBox): an owner-drawn drop-down list whose items carry a
// picture, a background and a text colour and an optional separator line; in button mode its face
// acts as a button. The inner combo box (CPictureComboBox, child 100) and its image list belong
// to the control.

#include "base/CtlWnd.h"

#include <commctrl.h>

#include <vector>

struct PictureComboItem;

namespace rkcc {

class CPictureComboBox : public CCtlWnd {
public:
    ~CPictureComboBox() override;

    LRESULT AddItem(const PictureComboItem* item);
    void Reset();
    void Draw(const DRAWITEMSTRUCT& item) const;
    int Count() const { return static_cast<int>(m_items.size()); }
    // False for an index outside the list.
    bool SetItemTextColor(int index, COLORREF color);

    bool pictures = true;
    bool focusRect = true;
    bool buttonMode = false;
    bool checked = false;
    bool dropOnFace = true;
    bool maskMode = false;
    COLORREF maskColor = RGB(255, 0, 255);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // What the control keeps of each item, in the list's order: the host may also insert,
    // delete and clear strings with the combo box's own messages.
    struct Item {
        COLORREF back = GetSysColor(COLOR_WINDOW);
        COLORREF text = CLR_INVALID; // the window text colour
        bool separator = false;
        int image = -1; // in the image list; -1 none
    };
    void ClearItems();

    HIMAGELIST m_images = nullptr; // owned
    SIZE m_imageSize{};
    std::vector<Item> m_items;
    Item m_adding; // the record of the item being added by AddItem
};

class CRKPictureComboBox : public CCtlWnd {
protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    LRESULT OnPictureMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled);

    CPictureComboBox m_combo;
    int m_dropHeight = 400;
    int m_itemHeight = 16;
};

} // namespace rkcc
