// The spin and drop-down button of the typed edits.
#include "edit/SpinPushButton.h"

#include "base/Gdi.h"
#include "edit/EditExCtl.h"
#include "edit/EditMessages.h"

#include <windowsx.h>

namespace rkcc {

namespace {
constexpr wchar_t kSpinClass[] = L"RKCC2SpinButton";
}

bool CSpinPushButton::CreateButton(HWND frame)
{
    if (!RegisterInnerClass(kSpinClass, CS_GLOBALCLASS | CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW), nullptr))
        return false;
    m_background = GetSysColor(COLOR_BTNFACE);
    return Create(kSpinClass, WS_CHILD | WS_VISIBLE, 0, RECT{}, frame, kSpinButtonId);
}

void CSpinPushButton::SetDropDown(int bitmapId, HBITMAP bitmap)
{
    m_hasDropDown = true;
    m_bitmapId = bitmapId;
    m_bitmap = bitmap;
    if (Hwnd())
        Invalidate();
}

CSpinPushButton::Part CSpinPushButton::PartAt(POINT pt) const
{
    const RECT rc = ClientRect();
    const int u = m_owner.m_upDownWidth;
    if (pt.x < 0 || pt.y < 0 || pt.x >= rc.right || pt.y >= rc.bottom)
        return kNone;
    if (pt.x >= u)
        return m_hasDropDown ? kDrop : kNone;
    return pt.y < rc.bottom / 2 ? kUp : kDown;
}

void CSpinPushButton::SendStep()
{
    if (m_pressed == kUp)
        SendMessageW(m_owner.Hwnd(), RKCC2M_EDIT_STEPUP, 0, 0);
    else if (m_pressed == kDown)
        SendMessageW(m_owner.Hwnd(), RKCC2M_EDIT_STEPDOWN, 0, 0);
}

void CSpinPushButton::OnPress(POINT pt)
{
    const Part part = PartAt(pt);
    if (part == kNone)
        return;
    m_pressed = part;
    SetCapture(Hwnd());
    m_tracking = true;
    m_hover = true;
    Invalidate();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    if (part == kUp || part == kDown) {
        m_timer = SetTimer(Hwnd(), kFirstTimer, 200, nullptr);
        SendStep();
    }
}

void CSpinPushButton::OnRelease()
{
    if (!m_tracking)
        return;
    if (m_hover && m_pressed == kDrop)
        // Posted: the drop-down runs a modal loop, which must start after the capture is released.
        PostMessageW(m_owner.Hwnd(), RKCC2M_EDIT_DROPDOWN, 0, 0);
    StopTracking();
    ReleaseCapture();
}

void CSpinPushButton::StopTracking()
{
    m_pressed = kNone;
    m_tracking = false;
    m_hover = false;
    Invalidate();
    if (m_timer) {
        KillTimer(Hwnd(), m_timer);
        m_timer = 0;
    }
}

void CSpinPushButton::OnTimer(UINT_PTR id)
{
    if (id == kFirstTimer) {
        KillTimer(Hwnd(), kFirstTimer);
        m_timer = SetTimer(Hwnd(), kRepeatTimer, 100, nullptr);
    } else if (id == kRepeatTimer && m_tracking && m_hover) {
        SendStep();
    }
}

void CSpinPushButton::Paint(HDC dc)
{
    const RECT rc = ClientRect();
    FillSolid(dc, rc, m_background);
    const int u = m_owner.m_upDownWidth;
    const UINT inactive = IsEnabled() ? 0 : DFCS_INACTIVE;
    RECT up{0, 0, u, rc.bottom / 2};
    RECT down{0, rc.bottom / 2, u, rc.bottom};
    DrawFrameControl(dc, &up, DFC_SCROLL, DFCS_SCROLLUP | inactive | (m_pressed == kUp && m_hover ? DFCS_PUSHED : 0));
    DrawFrameControl(dc, &down, DFC_SCROLL,
                     DFCS_SCROLLDOWN | inactive | (m_pressed == kDown && m_hover ? DFCS_PUSHED : 0));
    if (!m_hasDropDown || rc.right <= u)
        return;
    RECT zone{u, 0, rc.right, rc.bottom};
    const bool pressed = m_pressed == kDrop;
    HBITMAP bitmap = m_bitmap;
    CBitmapHandle loaded;
    if (!bitmap && m_bitmapId) {
        loaded.Reset(static_cast<HBITMAP>(
            LoadImageW(ControlsModule(), MAKEINTRESOURCEW(m_bitmapId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
        bitmap = loaded;
    }
    BITMAP bm{};
    if (bitmap && GetObjectW(bitmap, sizeof(bm), &bm)) {
        HDC source = CreateCompatibleDC(dc);
        {
            CSelect select(source, bitmap);
            const int x = zone.left + (zone.right - zone.left - bm.bmWidth) / 2 + (pressed ? 1 : 0);
            const int y = (rc.bottom - bm.bmHeight) / 2 + (pressed ? 1 : 0);
            // Magenta is the transparent colour of the library's glyphs.
            TransparentBlt(dc, x, y, bm.bmWidth, bm.bmHeight, source, 0, 0, bm.bmWidth, bm.bmHeight, RGB(255, 0, 255));
        }
        DeleteDC(source);
    }
    DrawEdge(dc, &zone, pressed && m_hover ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

LRESULT CSpinPushButton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnPress({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
    case WM_MOUSEMOVE:
        if (m_tracking) {
            const bool hover = PartAt({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}) == m_pressed;
            if (hover != m_hover) {
                m_hover = hover;
                Invalidate();
            }
        }
        return 0;
    case WM_LBUTTONUP:
        OnRelease();
        return 0;
    case WM_CAPTURECHANGED:
        if (m_tracking && reinterpret_cast<HWND>(lp) != Hwnd())
            StopTracking();
        return 0;
    case WM_TIMER:
        OnTimer(wp);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_ENABLE:
        Invalidate();
        return 0;
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
