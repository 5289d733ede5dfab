// Layout, captions, focus and notifications of the period controls.
#include "edit/PeriodCtrl.h"

#include "base/Fonts.h"

#include <algorithm>

namespace rkcc {

PeriodLayout ComputePeriodLayout(int width, int height, SIZE units, int w0, int w1, bool horizontal)
{
    PeriodLayout l;
    const int h = units.cy * 12 / 8;
    if (!horizontal) {
        const int left = std::clamp(std::max(w0, w1), 0, std::max(0, width));
        l.start = {left, 0, width, h};
        l.end = {left, height - h, width, height};
        l.captions[0] = {0, 0, left, h};
        l.captions[1] = {0, height - h, left, height};
        return l;
    }
    w1 = std::max(w1, static_cast<int>(2 * units.cx));
    // Captions wider than the control leave the edits no room, never a negative width.
    w0 = std::clamp(w0, 0, std::max(0, width));
    w1 = std::clamp(w1, 0, std::max(0, width - w0));
    const int e = std::max(0, (width - w0 - w1) / 2);
    const int y = std::max(0, (height - h) / 2);
    l.start = {w0, y, w0 + e, y + h};
    l.captions[1] = {w0 + e, 0, w0 + e + w1, height};
    l.end = {w0 + e + w1, y, std::max(width, w0 + e + w1), y + h};
    l.captions[0] = {0, 0, w0, height};
    return l;
}

PeriodLayout CPeriodBase::Measure() const
{
    const RECT rc = ClientRect();
    const SIZE units = DialogBaseUnits(m_font);
    int widths[2] = {0, 0};
    {
        CWindowDC dc(Hwnd());
        CSelect select(dc, m_font.Get());
        for (int i = 0; i < 2; ++i) {
            const int text = m_captions[static_cast<size_t>(i)].empty()
                                 ? 0
                                 : static_cast<int>(TextExtent(dc, m_captions[static_cast<size_t>(i)]).cx);
            widths[i] = text + static_cast<int>(units.cx) * m_extraWidth[static_cast<size_t>(i)] / 4;
        }
    }
    return ComputePeriodLayout(rc.right, rc.bottom, units, widths[0], widths[1], m_horizontal);
}

void CPeriodBase::Layout()
{
    const PeriodLayout l = Measure();
    m_captionRects = l.captions;
    auto place = [](HWND frame, const RECT& r) {
        if (frame)
            MoveWindow(frame, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    };
    place(StartFrame(), l.start);
    place(EndFrame(), l.end);
    Invalidate();
}

LRESULT CPeriodBase::SetLabel(WPARAM wp, LPARAM lp)
{
    const auto* side = reinterpret_cast<const int*>(wp);
    const auto* label = reinterpret_cast<const RKCC2PeriodLabel*>(lp);
    if (!side || !label || (*side != 0 && *side != 1))
        return -1;
    const auto i = static_cast<size_t>(*side);
    m_captions[i] = label->text ? label->text : L"";
    m_alignment[i] = label->alignment;
    m_extraWidth[i] = label->extraWidth;
    Layout();
    return 1;
}

bool CPeriodBase::SetHorizontal(bool horizontal)
{
    if (horizontal == m_horizontal)
        return false;
    m_horizontal = horizontal;
    Layout();
    return true;
}

void CPeriodBase::Paint(HDC dc)
{
    FillSolid(dc, ClientRect(), GetSysColor(COLOR_BTNFACE));
    CSelect font(dc, m_font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    for (size_t i = 0; i < 2; ++i) {
        const std::wstring& text = m_captions[i];
        if (text.empty())
            continue;
        const RECT& r = m_captionRects[i];
        const SIZE size = TextExtent(dc, text);
        int x = r.left;
        if (m_alignment[i] == 1)
            x = (r.left + r.right) / 2 - size.cx / 2;
        else if (m_alignment[i] == 2)
            x = r.right - size.cx;
        const int y = (r.top + r.bottom) / 2 - size.cy / 2;
        ExtTextOutW(dc, x, y, ETO_CLIPPED, &r, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    }
}

LRESULT CPeriodBase::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        if (Default(msg, wp, lp) == -1)
            return -1;
        m_font = CopyFont(FontOf(Parent()));
        {
            const PeriodLayout l = Measure();
            m_captionRects = l.captions;
            return CreateFrames(l) ? 0 : -1;
        }
    case WM_SIZE:
        Layout();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        CPaintDC paint(Hwnd());
        cdc_extensions::CMemoryDC dc(paint);
        Paint(dc);
        return 0;
    }
    case WM_SETFOCUS: {
        // Shift+Tab into the period lands on its end.
        HWND target = GetKeyState(VK_SHIFT) < 0 ? EndFrame() : StartFrame();
        if (target)
            SetFocus(target);
        return 0;
    }
    case WM_ENABLE:
        EnableWindow(StartFrame(), wp != FALSE);
        EnableWindow(EndFrame(), wp != FALSE);
        Invalidate();
        return 0;
    case WM_COMMAND:
        // A handler that sets the other end reports no further change back into itself.
        if ((LOWORD(wp) == kFrameId || LOWORD(wp) == kEndFrameId) && HIWORD(wp) == RKCC2N_CHANGED && !m_notifying) {
            m_notifying = true;
            HWND self = Hwnd();
            NotifyParent(RKCC2N_CHANGED);
            if (IsWindow(self)) // a handler may have destroyed the period, and this object with it
                m_notifying = false;
        }
        return 0;
    default: {
        LRESULT result = 0;
        if (OnPeriodMessage(msg, wp, lp, result))
            return result;
        return Default(msg, wp, lp);
    }
    }
}

} // namespace rkcc
