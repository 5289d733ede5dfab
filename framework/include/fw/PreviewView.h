#pragma once
// CPreviewView: the print preview. It takes the place of a frame's view and tool bar with a page
// window and a bar of buttons (a child dialog from a template), prepares the job without a
// dialog, and draws the current page through the same print operations as the print loop: each
// repaint draws the page into the window with the printer's DC as the attribute DC (so it is laid
// out as printed) and the printer's mapping scaled to the sheet on the screen. The preview owns
// itself: Start hands it to its window, which deletes it when destroyed (Close, or the frame
// going away).
//
// Bar commands: 58112 close, 58114 next page, 58115 previous page, 58116 print (closes the
// preview and sends the print command to the frame), 58117 zoom in, 58118 zoom out.

#include "fw/CommandState.h"
#include "fw/Print.h"
#include "fw/Window.h"

#include <memory>

namespace fw {

class CFrameWindow;
class CPreviewBar;

class CPreviewView : public CWindow {
public:
    static constexpr UINT kClose = 0xE300;
    static constexpr UINT kNextPage = 0xE302;
    static constexpr UINT kPrevPage = 0xE303;
    static constexpr UINT kPrint = 0xE304;
    static constexpr UINT kZoomIn = 0xE305;
    static constexpr UINT kZoomOut = 0xE306;
    static constexpr int kZoomStates = 3; // whole page, page width, actual size

    CPreviewView();
    ~CPreviewView() override;

    // Prepares `target` for a preview and shows it in the frame with the bar of `barTemplate`
    // (resource module). false when the job cannot be prepared (no printer, say) or a window
    // cannot be made; the view is then gone and the frame unchanged.
    static bool Start(std::unique_ptr<CPreviewView> view, CFrameWindow& frame, IPrintTarget& target,
                      UINT barTemplate);

    // Ends the preview: OnEndPrinting, the frame gets its view back, the windows go.
    void Close();

    UINT CurrentPage() const { return m_info.currentPage; }
    const CPrintInfo& Info() const { return m_info; }
    bool HasPages() const;
    void GoToPage(UINT page);
    int ZoomState() const { return m_zoom; }
    bool IsZoomed() const { return m_zoom > 0; }
    void SetZoom(int state);
    HWND Bar() const;
    // Button states and page counter; the frame calls it when the message loop falls idle.
    void UpdateBar();
    // A command of the bar; true when handled.
    bool ExecuteCommand(UINT id);
    // A key message for the page or the bar, before it is dispatched: Escape closes the
    // preview, Alt and the access key of an enabled button of the bar clicks that button, so
    // that both work wherever the focus is in the preview. true when used (the preview may be
    // gone then).
    bool PreTranslateKey(const MSG& msg);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnFinalMessage() override;

    // After the window and the bar exist.
    virtual void OnCreated() {}
    // Bar commands; the base handles those listed above.
    virtual bool OnPreviewCommand(UINT id);
    virtual void UpdatePreviewCommand(CCommandState& state);
    // The print button: the base closes the preview and sends the frame's print command.
    virtual void OnPreviewPrint();
    // The page shown changed; the base does nothing.
    virtual void OnDisplayPageNumber(UINT page, UINT pages);
    CFrameWindow* Frame() const { return m_frame; }

private:
    void Paint(HDC dc);
    RECT PageRect() const;          // in client coordinates, after scrolling
    SIZE PageSizeOnScreen() const;  // for the zoom state
    void UpdateScrollBars();
    void Scroll(int bar, int code);
    void RenderPage(HDC dc, const RECT& pageRect);

    CFrameWindow* m_frame = nullptr;   // not owned; the frame outlives its preview
    IPrintTarget* m_target = nullptr;  // not owned; the frame's view outlives the preview
    std::unique_ptr<CPreviewBar> m_bar;
    CPrintInfo m_info;
    int m_zoom = 0;
    POINT m_scroll{0, 0};
    bool m_closing = false;
    UINT m_shownPage = 0;    // page and count last shown in the bar
    UINT m_shownPages = 0;
};

} // namespace fw
