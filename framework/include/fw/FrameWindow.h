#pragma once
// CFrameWindow: a top-level frame made from resources of one id (menu, icon, accelerators) with
// an optional tool bar at the top and status bar at the bottom, and one active view filling the
// rest. Commands go to the frame's command table (or its OnCommand override) first, then to the
// application; menu items and tool-bar buttons are refreshed from the same table. During a
// print preview the preview window and its bar take the place of the view and the tool bar.
// A frame owns itself: create it with `new`; it deletes itself when its window is destroyed.

#include "fw/CommandState.h"
#include "fw/CommandTable.h"
#include "fw/Window.h"

#include <string>
#include <vector>

namespace fw {

class CPreviewView;
class CStatusBar;
class CToolBar;

class CFrameWindow : public CWindow {
public:
    // The command id of printing (the preview's print button sends it to the frame).
    static constexpr UINT kPrintCommand = 0xE107;
    // The idle text of the status bar (a string of the resource module).
    static constexpr UINT kIdleMessageId = 0xE001;

    CFrameWindow();

    // Creates the window with the menu, icon and accelerator table of resource `id` of the
    // resource module (each optional). The frame is not shown. On failure the frame object has
    // deleted itself.
    bool LoadFrame(UINT id, DWORD style, const std::wstring& title);

    HMENU Menu() const;
    // The child that fills the client area; not owned (a child window of the frame).
    CWindow* ActiveView() const { return m_activeView; }
    void SetActiveView(CWindow* view);
    // Tool bar and status bar of the frame; not owned (members of the derived frame).
    void SetControlBars(CToolBar* toolBar, CStatusBar* statusBar);
    CToolBar* ToolBar() const { return m_toolBar; }
    CStatusBar* StatusBar() const { return m_statusBar; }
    void SetStatusText(const std::wstring& text);

    CCommandTable& Commands() { return m_commands; }
    // The state of one command as the frame and the application see it.
    void QueryCommandState(CCommandState& state);

    // First look at every message of the loop; true consumes it. The base translates accelerators.
    virtual bool PreTranslateMessage(MSG& msg);
    // Refresh of tool-bar buttons (and the preview bar) when the message loop falls idle.
    virtual void UpdateCommandStates();

    // Print preview: the preview window and its bar replace the view and the tool bar until
    // LeavePreview. Both are children of the frame; neither is owned here.
    void EnterPreview(CPreviewView* preview, HWND bar);
    void LeavePreview();
    CPreviewView* Preview() const { return m_preview; }
    bool InPreview() const { return m_preview != nullptr; }

    // Places the bars and the active view over the client area.
    virtual void RecalcLayout();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnFinalMessage() override;

    // WM_CREATE after the window exists; false cancels the creation.
    virtual bool OnCreate() { return true; }
    // A command from a menu, accelerator or control; true when handled. The base runs the
    // command table.
    virtual bool OnCommand(UINT id, UINT code, HWND control);
    // The base asks the command table.
    virtual void UpdateCommand(CCommandState& state);
    // WM_NOTIFY from a child; true when handled, with the result in `result`. The base gives
    // the tool bar its tips and the status bar the prompts of the buttons.
    virtual bool OnNotify(const NMHDR& header, LRESULT& result);
    // WM_CLOSE outside a preview; true lets the window be destroyed.
    virtual bool OnClose() { return true; }
    // Files dropped on the frame (when it accepts them).
    virtual void OnDropFiles(const std::vector<std::wstring>& files);
    // A popup menu is about to open: every item's state is refreshed, in order. A handler that
    // adds or removes items says where the refresh goes on (CCommandState::nextIndex).
    virtual void OnInitMenuPopup(HMENU menu);
    // The preview started or ended.
    virtual void OnPreviewModeChanged(bool) {}

    // The prompt of a command: the part before "\n" of the string with the command's id.
    std::wstring CommandPrompt(UINT id) const;

private:
    void OnMenuSelect(UINT id, UINT flags, HMENU menu);

    HACCEL m_accelerators = nullptr;
    CWindow* m_activeView = nullptr;   // not owned; a child of this frame
    CToolBar* m_toolBar = nullptr;     // not owned
    CStatusBar* m_statusBar = nullptr; // not owned
    CPreviewView* m_preview = nullptr; // not owned; the preview window owns itself
    HWND m_previewBar = nullptr;       // the preview's bar, a child of this frame
    CWindow* m_viewBeforePreview = nullptr;
    CCommandTable m_commands;
    std::wstring m_tipText; // the text a tool-bar tip points to while it shows
};

} // namespace fw
