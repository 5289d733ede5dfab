#pragma once
// CMainView: the one view of the main frame. It draws nothing of the board itself: it hosts the
// board window that a view plug-in registers, keeps it filling its client area and passes it
// wheel input and keyboard-invoked context menus. A child of the frame; the frame owns the object.

#include "fw/Window.h"

class CMainView : public fw::CWindow {
public:
    bool Create(HWND frame);

    // The board window of the view plug-in; not owned (the plug-in's window, a child of this view).
    void SetBoardWindow(HWND board);
    HWND BoardWindow() const { return m_board; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void FitBoard(int cx, int cy);

    HWND m_board = nullptr;
};
