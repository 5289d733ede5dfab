// The auto-repeating arrow button.
#include "buttons/ArrowButton.h"

#include "RKComControls2.h"
#include "base/Gdi.h"

#include <windowsx.h>

namespace rkcc {

namespace {
constexpr wchar_t kArrowClass[] = L"ArrowButton";
}

void UnregisterArrowButtonClass()
{
    UnregisterClassW(kArrowClass, ControlsModule());
}

bool CArrowButton::CreateButton(Direction direction, DWORD style, const RECT& rect, HWND parent, UINT id)
{
    if (!RegisterInnerClass(kArrowClass, CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW, LoadCursorW(nullptr, IDC_ARROW),
                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    if (!Create(kArrowClass, style, 0, rect, parent, id, L""))
        return false;
    m_direction = direction;
    m_count = 1;
    return true;
}

void CArrowButton::SetBackground(COLORREF color)
{
    if (color == m_background)
        return;
    m_background = color;
    if (Hwnd())
        Invalidate();
}

void CArrowButton::SetArrowCount(int count)
{
    m_count = count > 0 ? count : 1;
    if (Hwnd())
        Invalidate();
}

void CArrowButton::SetBorder(bool border, COLORREF color)
{
    m_border = border;
    m_borderColor = color;
    if (Hwnd())
        Invalidate();
}

CArrowButton::ArrowGeometry CArrowButton::Geometry(Direction direction, int width, int height, int count,
                                                   bool pressedOffset)
{
    ArrowGeometry g{};
    int f = height * 2 / 3 - 2;
    f -= f % 2;
    g.size = f;
    g.half = f / 2;
    const int o = pressedOffset ? 1 : 0;
    if (direction == kLeft || direction == kRight) {
        g.gap = height / 7;
        const int n = count > 0 ? count : 1;
        const int t = width - g.half * n - (n - 1) * g.gap;
        g.firstX = t / 2 + o - (direction == kLeft ? 1 : 0);
        g.y = (height - f) / 2 + o;
    } else {
        g.firstX = (width - f) / 2 + o;
        g.y = (height - g.half) / 2 + o;
    }
    return g;
}

void CArrowButton::Paint(HDC dc)
{
    const RECT rc = ClientRect();
    const bool enabled = IsEnabled();
    const COLORREF back = enabled ? m_background : GetSysColor(COLOR_BTNFACE);
    if (m_border) {
        FillSolid(dc, rc, back);
        FrameSolid(dc, rc, m_borderColor);
    } else {
        FillSolid(dc, rc, back);
    }
    const COLORREF arrow = enabled ? m_arrow : GetSysColor(COLOR_GRAYTEXT);
    const ArrowGeometry g = Geometry(m_direction, rc.right, rc.bottom, m_count, m_pressed && m_hover);
    if (g.size <= 0)
        return;
    CBrushHandle brush(CreateSolidBrush(arrow));
    CPenHandle pen(CreatePen(PS_SOLID, 1, arrow));
    CSelect selectBrush(dc, brush);
    CSelect selectPen(dc, pen);
    if (m_direction == kLeft || m_direction == kRight) {
        int x = g.firstX;
        for (int i = 0; i < m_count; ++i) {
            POINT pts[3];
            if (m_direction == kLeft) {
                pts[0] = {x, g.y + g.size / 2};
                pts[1] = {x + g.half, g.y};
                pts[2] = {x + g.half, g.y + g.size};
            } else {
                pts[0] = {x + g.half, g.y + g.size / 2};
                pts[1] = {x, g.y};
                pts[2] = {x, g.y + g.size};
            }
            Polygon(dc, pts, 3);
            x += g.half + g.gap;
        }
    } else {
        POINT pts[3];
        if (m_direction == kUp) {
            pts[0] = {g.firstX + g.size / 2, g.y};
            pts[1] = {g.firstX, g.y + g.half};
            pts[2] = {g.firstX + g.size, g.y + g.half};
        } else {
            pts[0] = {g.firstX + g.size / 2, g.y + g.half};
            pts[1] = {g.firstX, g.y};
            pts[2] = {g.firstX + g.size, g.y};
        }
        Polygon(dc, pts, 3);
    }
}

void CArrowButton::StopTimer()
{
    if (m_timer) {
        KillTimer(Hwnd(), m_timer);
        m_timer = 0;
    }
}

LRESULT CArrowButton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        m_pressed = true;
        m_hover = true;
        SetCapture(Hwnd());
        m_timer = SetTimer(Hwnd(), kFirstTimer, 200, nullptr);
        NotifyParent(RKCC2N_ARROWDOWN);
        if (Hwnd())
            Invalidate();
        return 0;
    case WM_TIMER:
        if (wp == kFirstTimer) {
            KillTimer(Hwnd(), kFirstTimer);
            m_timer = SetTimer(Hwnd(), kRepeatTimer, 100, nullptr);
        } else if (wp == kRepeatTimer && m_pressed && m_hover) {
            NotifyParent(RKCC2N_ARROWDOWN);
        }
        return 0;
    case WM_MOUSEMOVE:
        if (m_pressed) {
            const RECT rc = ClientRect();
            const POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            const bool hover = PtInRect(&rc, pt) != FALSE;
            if (hover != m_hover) {
                m_hover = hover;
                Invalidate();
            }
        }
        return 0;
    case WM_LBUTTONUP:
        if (m_timer) {
            StopTimer();
            m_pressed = false;
            m_hover = false;
            ReleaseCapture();
            Invalidate();
            NotifyParent(RKCC2N_ARROWUP);
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (m_timer && reinterpret_cast<HWND>(lp) != Hwnd()) {
            StopTimer();
            m_pressed = false;
            m_hover = false;
            Invalidate();
        }
        return 0;
    case WM_RBUTTONDOWN:
        NotifyParent(RKCC2N_ARROWRDOWN);
        return 0;
    case WM_ENABLE:
        Invalidate();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        CPaintDC paint(Hwnd());
        cdc_extensions::CMemoryDC dc(paint);
        Paint(dc);
        return 0;
    }
    default:
        return Default(msg, wp, lp);
    }
}

} // namespace rkcc
