#pragma once
// CPeriodCtrl<Frame>: the common part of "RKCC2DatePeriod" and "RKCC2TimePeriod": two linked
// frames (start 100, end 101) kept in order, Tab between them, and two captions that the control
// paints in a column beside the edits or in one row between them. The object owns itself.

#include "RKComControls2.h"
#include "base/CtlWnd.h"
#include "base/Gdi.h"
#include "edit/EditMessages.h"

#include <array>
#include <string>

namespace rkcc {

// Where the parts of a period go (client coordinates).
struct PeriodLayout {
    RECT start{};
    RECT end{};
    std::array<RECT, 2> captions{};
};

// Caption widths w0 and w1 are measured text widths plus the extra widths.
PeriodLayout ComputePeriodLayout(int width, int height, SIZE baseUnits, int w0, int w1, bool horizontal);

class CPeriodBase : public CCtlWnd {
public:
    bool IsHorizontal() const { return m_horizontal; }

protected:
    // The frames of the derived period.
    virtual HWND StartFrame() const = 0;
    virtual HWND EndFrame() const = 0;
    virtual bool CreateFrames(const PeriodLayout& layout) = 0;
    virtual bool OnPeriodMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) = 0;

    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    // The caption message: wParam points to the side (0 or 1), lParam to the record.
    LRESULT SetLabel(WPARAM wp, LPARAM lp);
    // Sets the horizontal flag; true when it changed (the control was laid out again).
    bool SetHorizontal(bool horizontal);

private:
    PeriodLayout Measure() const;
    void Layout();
    void Paint(HDC dc);

    std::array<std::wstring, 2> m_captions;
    std::array<int, 2> m_alignment{1, 1};
    std::array<int, 2> m_extraWidth{0, 0};
    bool m_horizontal = false;
    bool m_notifying = false;
    CFontHandle m_font;
    std::array<RECT, 2> m_captionRects{};
};

} // namespace rkcc
