#pragma once
// CMainView: the one view of the main frame. It draws nothing of the board itself: it hosts the
// board window that a view plug-in registers, keeps it filling its client area and passes it
// wheel input and keyboard-invoked context menus. It is also the print target of reports: the
// remembered report builds its pages in the print engine, which draws them page by page into
// the printer's or the preview's device context. A child of the frame; the frame owns the object.

#include "fw/Print.h"
#include "fw/Window.h"

class CMainView : public fw::CWindow, public fw::IPrintTarget {
public:
    bool Create(HWND frame);

    // The board window of the view plug-in; not owned (the plug-in's window, a child of this view).
    void SetBoardWindow(HWND board);
    HWND BoardWindow() const { return m_board; }

    // The view's print command: prints the remembered report through the print loop.
    bool PrintReport();

    bool OnPreparePrinting(fw::CPrintInfo& info) override;
    void OnBeginPrinting(const fw::CPrintDC& dc, fw::CPrintInfo& info) override;
    void OnPrepareDC(const fw::CPrintDC& dc, fw::CPrintInfo& info) override;
    void OnPrint(const fw::CPrintDC& dc, fw::CPrintInfo& info) override;
    void OnEndPrinting(const fw::CPrintDC& dc, fw::CPrintInfo& info) override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void FitBoard(int cx, int cy);

    HWND m_board = nullptr;
};
