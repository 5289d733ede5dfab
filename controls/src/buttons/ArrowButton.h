#pragma once
// CArrowButton (window class "ArrowButton"): an auto-repeating arrow button. It notifies its
// parent with RKCC2N_ARROWDOWN at the press (then after 300 ms and every 100 ms while held and
// hovered), RKCC2N_ARROWUP at the release and RKCC2N_ARROWRDOWN on a right press. A member of the
// control that uses it (calendar, tab control, sort list caption).

#include "base/CtlWnd.h"

namespace rkcc {

class CArrowButton : public CCtlWnd {
public:
    enum Direction { kLeft = 0, kRight = 1, kUp = 2, kDown = 4 };

    bool CreateButton(Direction direction, DWORD style, const RECT& rect, HWND parent, UINT id);

    void SetBackground(COLORREF color); // repaints only when it changes
    COLORREF Background() const { return m_background; }
    void SetArrowCount(int count);
    void SetBorder(bool border, COLORREF color);
    Direction GetDirection() const { return m_direction; }

    // Where the arrows are drawn for a client size (one triangle each); used by the painter and tests.
    struct ArrowGeometry {
        int size;     // f: the long side
        int half;     // s
        int firstX;   // left edge of the first arrow
        int y;        // top
        int gap;      // between arrows (left and right only)
    };
    static ArrowGeometry Geometry(Direction direction, int width, int height, int count, bool pressedOffset);

    static constexpr UINT_PTR kFirstTimer = 101;
    static constexpr UINT_PTR kRepeatTimer = 102;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint(HDC dc);
    void StopTimer();

    COLORREF m_background = GetSysColor(COLOR_BTNFACE);
    COLORREF m_arrow = GetSysColor(COLOR_BTNTEXT);
    Direction m_direction = kLeft;
    int m_count = 1;
    bool m_border = false;
    COLORREF m_borderColor = 0;
    bool m_hover = false;
    bool m_pressed = false;
    UINT_PTR m_timer = 0;
};

void UnregisterArrowButtonClass();

} // namespace rkcc
