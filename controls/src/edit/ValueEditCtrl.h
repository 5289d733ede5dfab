#pragma once
// CValueEditCtrl<Frame>: the outer window of a single value edit ("RKCC2DateEdit",
// "RKCC2TimeEdit", "RKCC2LongEdit", "RKCC2DoubleEdit"). It holds the typed frame as child 100,
// passes size, focus and enabling on to it and forwards its change notification to the dialog.
// The object owns itself (made on the window's first message, deleted after its last).

#include "base/CtlWnd.h"
#include "edit/EditMessages.h"

#include "RKComControls2.h"

namespace rkcc {

template <class Frame>
class CValueEditCtrl : public CCtlWnd {
public:
    Frame& GetFrame() { return m_frame; }

protected:
    // The control's own message block; `handled` false passes the message on.
    virtual LRESULT OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) = 0;

    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override
    {
        switch (msg) {
        case WM_CREATE: {
            if (Default(msg, wp, lp) == -1)
                return -1;
            m_frame.SetAllowEmpty((GetWindowLongPtrW(Hwnd(), GWL_STYLE) & RKCC2S_ALLOWEMPTY) != 0);
            return m_frame.CreateFrame(Hwnd(), ClientRect(), kFrameId) ? 0 : -1;
        }
        case WM_SIZE:
            if (m_frame.Hwnd())
                MoveWindow(m_frame.Hwnd(), 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
            return 0;
        case WM_SETFOCUS:
            if (m_frame.Hwnd())
                SetFocus(m_frame.Hwnd());
            return 0;
        case WM_ENABLE:
            if (m_frame.Hwnd())
                EnableWindow(m_frame.Hwnd(), wp != FALSE);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wp) == kFrameId && HIWORD(wp) == RKCC2N_CHANGED)
                NotifyParent(RKCC2N_CHANGED);
            return 0;
        default: {
            bool handled = true;
            const LRESULT result = OnControlMessage(msg, wp, lp, handled);
            return handled ? result : Default(msg, wp, lp);
        }
        }
    }

    Frame m_frame;
};

} // namespace rkcc
