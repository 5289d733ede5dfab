#pragma once
// "RKCC2TabCtrl" (CRKTabCtrl): an owner-drawn strip of tabs along the bottom edge, with arrow
// buttons that scroll it when the tabs do not fit. Owns itself, its fonts and its arrows.

#include "base/CtlWnd.h"
#include "base/Gdi.h"
#include "buttons/ArrowButton.h"
#include "tabs/TabStrip.h"

namespace rkcc {

class CRKTabCtrl : public CCtlWnd {
public:
    const CTabStrip& Strip() const { return m_strip; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    int OnCreate();
    void Layout();
    void UpdateArrows();
    void SelectAndNotify(int index);
    void OnArrow(UINT id);
    void OnKey(UINT vk);
    void Paint(HDC dc);
    LRESULT OnTabMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled);

    CTabStrip m_strip;
    CFontHandle m_font;
    CFontHandle m_bold;
    CArrowButton m_left;
    CArrowButton m_right;
    COLORREF m_background = 0;
    COLORREF m_selectedFill = 0;
    COLORREF m_otherFill = 0;
    COLORREF m_selectedText = 0;
    COLORREF m_otherText = 0;
    COLORREF m_lines = 0;
};

} // namespace rkcc
