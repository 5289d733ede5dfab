#pragma once
// "RKCC2Hyperlink" (CRKHyperlink): a text that opens its target (or itself) with the shell, with
// a hand cursor and a tooltip naming the target. Owns itself, its font and its tooltip.

#include "base/CtlWnd.h"
#include "base/Gdi.h"

#include <string>

namespace rkcc {

// How the hyperlink opens a target; tests replace it. Answers the shell's result (> 32 = done).
using ShellOpenFn = INT_PTR (*)(const std::wstring& target);
ShellOpenFn SetHyperlinkOpener(ShellOpenFn opener); // null restores the shell; returns the previous

class CRKHyperlink : public CCtlWnd {
public:
    ~CRKHyperlink() override;

    RECT TextRect() const;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void MakeFont();
    void UpdateTooltip();
    void Open();
    void Paint(HDC dc);
    bool OverText(POINT pt) const;

    std::wstring m_text;
    COLORREF m_color = 0xFF0000;
    CFontHandle m_font;
    int m_alignment = 1;
    bool m_underline = false;
    HCURSOR m_hand = nullptr; // a resource of the library: not destroyed
    std::wstring m_target;
    HWND m_tooltip = nullptr; // owned: destroyed with the control
    bool m_hasTool = false;
};

} // namespace rkcc
