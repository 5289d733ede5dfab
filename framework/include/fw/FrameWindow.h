#pragma once
// CFrameWindow: a top-level frame made from resources of one id (menu, icon, accelerators) that
// holds one active view filling its client area. Commands go to the frame's OnCommand first,
// then to the application. A frame owns itself: create it with `new`; it deletes itself when its
// window is destroyed.

#include "fw/CommandState.h"
#include "fw/Window.h"

namespace fw {

class CFrameWindow : public CWindow {
public:
    CFrameWindow();

    // Creates the window with the menu, icon and accelerator table of resource `id` of the
    // resource module (each optional). The frame is not shown. On failure the frame object has
    // deleted itself.
    bool LoadFrame(UINT id, DWORD style, const std::wstring& title);

    HMENU Menu() const;
    // The child that fills the client area; not owned (a child window of the frame).
    CWindow* ActiveView() const { return m_activeView; }
    void SetActiveView(CWindow* view);

    // First look at every message of the loop; true consumes it. The base translates accelerators.
    virtual bool PreTranslateMessage(MSG& msg);
    // Refresh of tool-bar states when the message loop falls idle.
    virtual void UpdateCommandStates() {}

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnFinalMessage() override;

    // WM_CREATE after the window exists; false cancels the creation.
    virtual bool OnCreate() { return true; }
    // A command from a menu, accelerator or control; true when handled.
    virtual bool OnCommand(UINT id, UINT code, HWND control);
    virtual void UpdateCommand(CCommandState& state);
    // WM_CLOSE; true lets the window be destroyed.
    virtual bool OnClose() { return true; }
    // Places the active view over the client area.
    virtual void RecalcLayout();

private:
    void OnInitMenuPopup(HMENU menu);

    HACCEL m_accelerators = nullptr;
    CWindow* m_activeView = nullptr; // not owned; a child of this frame
};

} // namespace fw
