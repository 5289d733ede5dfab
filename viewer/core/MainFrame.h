#pragma once
// CMainFrame: the viewer's single main window. It hosts the main view with the tool bar (and its
// zoom box) and a status bar, routes keys (plug-ins first, then its key map) and commands (its
// command table, with the plug-ins' commands from 61000), opens and reloads projects, runs the
// viewer's dialogs inside data transactions, starts reports and keeps its title and placement.
// A frame owns itself (see fw::CFrameWindow).

#include "MainView.h"
#include "ToolBarEx.h"
#include "fw/FrameWindow.h"
#include "fw/StatusBar.h"

#include <map>
#include <string>
#include <tuple>

// A key with its modifier states, the key of the frame's key map.
struct CKeyRecord {
    bool alt = false;
    bool ctrl = false;
    bool shift = false;
    int key = 0; // virtual-key code

    bool operator<(const CKeyRecord& other) const
    {
        return std::tie(alt, ctrl, shift, key) < std::tie(other.alt, other.ctrl, other.shift, other.key);
    }
};

class CMainFrame : public fw::CFrameWindow {
public:
    // Sent by the preview when it closes without printing.
    static constexpr UINT kPreviewClosedMessage = 0x4C9;
    // Sent by the frame to the preview for the Up and Down keys (wParam: the scroll code).
    static constexpr UINT kPreviewScrollMessage = 0x4C8;

    CMainFrame();

    // Creates the frame from resource 128 (not yet shown).
    bool Create();

    CMainView& View() { return m_view; }
    CToolBarEx& MainToolBar() { return m_toolBar; }
    fw::CStatusBar& MainStatusBar() { return m_statusBar; }
    bool IsPreviewShown() const { return m_preview; }
    const std::map<CKeyRecord, UINT>& KeyMap() const { return m_keyMap; }

    // Opens a project read-only into the data root; false (with a message) when it fails.
    bool OpenProjectFile(const std::wstring& path);
    // Reads the open project again, keeping the view settings (command 103).
    void ReloadProject();
    // The project path (or string 230) in string 232, then "ViewMainWindowTitleAdd".
    void UpdateTitle();
    // Shows the zoom setting in the tool bar's zoom box.
    void RefreshZoomBox();
    // "ViewZoom" := value clamped to the limits; tells the plug-ins when it changed.
    void SetZoom(int value);

    // Places the window from the "ViewMainWindow..." settings and shows it (or keeps it hidden).
    void PlaceAndShow(bool hidden);
    // Stores the placement into the "ViewMainWindow..." settings (not after a hidden start).
    void StoreWindowPlacement();

    bool PreTranslateMessage(MSG& msg) override;

protected:
    bool OnCreate() override;
    bool OnClose() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnDropFiles(const std::vector<std::wstring>& files) override;
    void OnInitMenuPopup(HMENU menu) override;
    void OnPreviewModeChanged(bool on) override { m_preview = on; }
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void BuildCommandTable();
    bool RouteKey(const MSG& msg);
    bool RoutePreviewKey(const MSG& msg);
    bool IsFocusInView() const;
    void ShowToolbarMenu(UINT button, UINT menuId);
    void OpenWithDialog();
    void RunReportsDialog();
    void SortGrid(UINT id);

    CToolBarEx m_toolBar;
    bool m_preview = false;
    bool m_hiddenStart = false;
    std::map<CKeyRecord, UINT> m_keyMap;
    CMainView m_view;         // child window; destroyed by the system before the frame
    fw::CStatusBar m_statusBar;
    bool m_destroying = false;
};
