#pragma once
// CToolBarEx: the main frame's tool bar (resource 32001) with the zoom box, a drop-down combo
// laid over the placeholder button 32778, whose edit field CZoomEditBox takes over. The frame
// owns the tool bar; the combo is a child of the tool bar control and goes with it. Plug-ins
// receive a pointer to this object through QV2Plugin_OnToolbarInit.

#include "fw/Subclass.h"
#include "fw/ToolBar.h"

#include <set>
#include <string>

class CMainFrame;
class CToolBarEx;

// The zoom box's edit field: Enter applies the typed value, Tab and Escape restore it; each
// gives the keyboard focus back to the view.
class CZoomEditBox : public fw::CSubclassedWindow {
public:
    explicit CZoomEditBox(CToolBarEx& bar) : m_bar(bar) {}

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CToolBarEx& m_bar; // the tool bar that owns this object
};

class CToolBarEx : public fw::CToolBar {
public:
    static constexpr UINT kZoomComboId = 100;

    CToolBarEx() : m_zoomEdit(*this) {}
    ~CToolBarEx() override;

    // Creates the bar for the frame (flat, tips, fly-by help, drop-down arrows; buttons 32781
    // and 32773 with drop-downs) and the zoom box; false when the bar cannot be made.
    bool CreateFor(CMainFrame& frame);

    HWND ZoomCombo() const { return m_combo; }
    HWND ZoomEdit() const { return m_zoomEdit.Hwnd(); }
    // The zoom box shows "ViewZoom" as "%i %".
    void RefreshZoomText();
    // Enter in the zoom box: the typed number (100 when it is none) goes to the frame's zoom.
    void ApplyTypedZoom();
    // The combo's list closed; with an item selected its value goes to the frame's zoom.
    void OnZoomListClosed();
    // Gives the keyboard focus back to the frame's view.
    void FocusView();

    void OnSettingChange(WPARAM wp, LPARAM lp) override;

    // The values of the zoom list: "ViewToolbarZoomList" read as integers, or the defaults.
    static std::set<int> ZoomListValues();

private:
    void CreateZoomBox();

    CMainFrame* m_frame = nullptr; // not owned; the frame owns this bar
    HWND m_combo = nullptr;        // a child of the bar control
    CZoomEditBox m_zoomEdit;
    HFONT m_font = nullptr;        // owned; the combo's font
};
