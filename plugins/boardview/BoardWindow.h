#pragma once
// CBoardWindow: the stand-in board view, a child of the viewer's main view. It draws a day
// header, one row per shown resource and a bar per task occurrence, and answers the view
// messages of the viewer (date, period, wheel, keyboard context menu). The plug-in owns the one
// object; the window dies with the main view.

#include "BoardLayout.h"
#include "fw/Window.h"

class CBoardWindow : public fw::CWindow {
public:
    static constexpr const wchar_t* kClassName = L"QvBoardView";

    bool Create(HWND parent);
    // Data, filter or settings changed: lay out and paint again.
    void Refresh();
    // Unregisters the window class; call once the window is gone, before the library unloads.
    static void UnregisterClass();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint(HDC dc, const RECT& client);
    void Layout();
    LRESULT OnViewDate(WPARAM how, LPARAM dateTime);
    LRESULT OnViewPeriod(WPARAM start, LPARAM end);

    CBoardLayout m_layout;
    TDate m_first = 0u;  // first shown day; 0 until a project period is known
    int m_firstRow = 0;  // rows scrolled off the top
};
