#pragma once
// CSpinPushButton: the up/down column of a typed edit, with an optional drop-down zone on its
// right. It steps its owner frame while held (at once, after 300 ms, then every 100 ms) and asks
// for the drop-down when a press on the zone is released over it. Member of the frame.

#include "base/CtlWnd.h"

namespace rkcc {

class CEditExCtl;

class CSpinPushButton : public CCtlWnd {
public:
    enum Part { kNone = 0, kDown = 1, kUp = 2, kDrop = 3 };

    explicit CSpinPushButton(CEditExCtl& owner) : m_owner(owner) {}

    bool CreateButton(HWND frame);
    // Switches the drop-down zone on with a bitmap of the library (id) or a borrowed handle.
    void SetDropDown(int bitmapId, HBITMAP bitmap);
    Part PartAt(POINT pt) const;
    Part PressedPart() const { return m_pressed; }
    bool IsTracking() const { return m_tracking; }

    static constexpr UINT_PTR kFirstTimer = 101;
    static constexpr UINT_PTR kRepeatTimer = 102;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnPress(POINT pt);
    void OnRelease();
    void OnTimer(UINT_PTR id);
    void StopTracking();
    void SendStep();
    void Paint(HDC dc);

    CEditExCtl& m_owner; // the frame owns this button
    UINT_PTR m_timer = 0;
    int m_bitmapId = 0;
    HBITMAP m_bitmap = nullptr; // borrowed from the host; 0 = load m_bitmapId
    COLORREF m_background = 0;
    Part m_pressed = kNone;
    bool m_tracking = false;
    bool m_hover = false;
    bool m_hasDropDown = false;
};

} // namespace rkcc
