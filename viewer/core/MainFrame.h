#pragma once
// CMainFrame: the viewer's single main window. It hosts the main view, tells the plug-ins that it
// exists, opens project files, keeps its title and its placement, routes the plug-ins' commands
// and asks the plug-ins before it closes. A frame owns itself (see fw::CFrameWindow).

#include "MainView.h"
#include "fw/FrameWindow.h"

#include <string>

class CMainFrame : public fw::CFrameWindow {
public:
    // Creates the frame from resource 128 (not yet shown).
    bool Create();

    CMainView& View() { return m_view; }

    // Opens a project read-only into the data root; false (with a message) when it fails.
    bool OpenProjectFile(const std::wstring& path);
    // The project path (or string 230) in string 232, then "ViewMainWindowTitleAdd".
    void UpdateTitle();
    // Shows the zoom setting in the tool bar's zoom box; nothing while the frame has none.
    void RefreshZoomBox() {}

    // Places the window from the "ViewMainWindow..." settings and shows it (or keeps it hidden).
    void PlaceAndShow(bool hidden);
    // Stores the placement into the "ViewMainWindow..." settings (not after a hidden start).
    void StoreWindowPlacement();

protected:
    bool OnCreate() override;
    bool OnClose() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void UpdateCommand(fw::CCommandState& state) override;

private:
    CMainView m_view; // child window; destroyed by the system before the frame
    bool m_preview = false;
    bool m_hiddenStart = false;
};
