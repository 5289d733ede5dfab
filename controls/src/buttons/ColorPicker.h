#pragma once
// "RKCC2ColorPicker" (CRKColorPicker): a swatch button with a drop-down arrow that opens the
// common colour dialog. The inner owner-drawn button (CColorButton, child 100) holds the colour.
// The picker owns itself; the button is its member.

#include "base/CtlWnd.h"

namespace rkcc {

class CColorButton : public CCtlWnd {
public:
    bool CreateButton(HWND picker, const RECT& rect);
    void Draw(const DRAWITEMSTRUCT& item) const;
    // The drop-down arrow's place in a client rectangle of the given size.
    static RECT ArrowRect(const RECT& client);

    COLORREF color = 0xFFFFFF; // 0xFF000000: no colour

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

class CRKColorPicker : public CCtlWnd {
protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnClicked();

    CColorButton m_button;
    COLORREF m_customColors[16] = {};
};

} // namespace rkcc
