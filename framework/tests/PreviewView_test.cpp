// The print preview inside a frame: starting, pages, zoom, closing, printing from it.
#include "FrameworkTestIds.h"
#include "RecordingPrinter.h"
#include "fw/App.h"
#include "fw/FrameWindow.h"
#include "fw/PreviewView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

class CTestApp : public fw::CApp {
public:
    bool InitInstance() override { return true; }
};

class CPagesTarget : public fw::IPrintTarget {
public:
    bool OnPreparePrinting(fw::CPrintInfo& info) override { return fw::DoPreparePrinting(info); }
    void OnBeginPrinting(const fw::CPrintDC&, fw::CPrintInfo& info) override
    {
        ++begins;
        info.maxPage = pages;
    }
    void OnPrint(const fw::CPrintDC& dc, fw::CPrintInfo& info) override
    {
        drawn.push_back(info.currentPage);
        const std::wstring text = L"Page " + std::to_wstring(info.currentPage);
        ExtTextOutW(dc.output, 0, 0, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    }
    void OnEndPrinting(const fw::CPrintDC&, fw::CPrintInfo&) override { ++ends; }

    UINT pages = 3;
    int begins = 0;
    int ends = 0;
    std::vector<UINT> drawn;
};

class CPreviewFrame : public fw::CFrameWindow {
public:
    fw::CWindow view;
    std::vector<UINT> commands;
    int modeChanges = 0;

protected:
    bool OnCreate() override
    {
        fw::CWindow::RegisterWindowClass(L"QvTestView", 0, nullptr, nullptr);
        CreateArgs args;
        args.className = L"QvTestView";
        args.style = WS_CHILD | WS_VISIBLE;
        args.parent = Hwnd();
        args.x = args.y = 0;
        args.cx = args.cy = 10;
        if (!view.Create(args))
            return false;
        SetActiveView(&view);
        return true;
    }
    bool OnCommand(UINT id, UINT, HWND) override
    {
        commands.push_back(id);
        return true;
    }
    void OnPreviewModeChanged(bool) override { ++modeChanges; }
};

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CPreviewFrame;
        ASSERT_TRUE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, L"Preview"));
        SetWindowPos(frame->Hwnd(), nullptr, 0, 0, 800, 600, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void TearDown() override
    {
        if (frame && IsWindow(frame->Hwnd()))
            DestroyWindow(frame->Hwnd());
    }

    bool Start() { return fw::CPreviewView::Start(std::make_unique<fw::CPreviewView>(), *frame, target, IDT_PREVIEW_BAR); }
    fw::CPreviewView* Preview() { return frame->Preview(); }
    bool ButtonEnabled(UINT id) { return IsWindowEnabled(GetDlgItem(Preview()->Bar(), static_cast<int>(id))) != FALSE; }
    void Click(UINT id) { SendMessageW(Preview()->Bar(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    // Paints the preview into a metafile and answers the texts drawn.
    std::vector<std::wstring> PaintedTexts()
    {
        HDC screen = GetDC(nullptr);
        HDC record = CreateEnhMetaFileW(screen, nullptr, nullptr, nullptr);
        ReleaseDC(nullptr, screen);
        SendMessageW(Preview()->Hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(record), PRF_CLIENT);
        HENHMETAFILE file = CloseEnhMetaFile(record);
        std::vector<std::wstring> texts = fwtest::CRecordingPrinter::TextsOf(file);
        DeleteEnhMetaFile(file);
        return texts;
    }

    CTestApp app;
    fwtest::CRecordingPrinter printer;
    CPagesTarget target;
    CPreviewFrame* frame = nullptr; // owns itself
};

TEST_F(PreviewTest, Start_replacesTheViewAndBeginsPrinting)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(Preview(), nullptr);
    EXPECT_EQ(frame->ActiveView(), Preview());
    EXPECT_FALSE(IsWindowVisible(frame->view.Hwnd()) && GetWindowLongW(frame->view.Hwnd(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(target.begins, 1);
    EXPECT_EQ(Preview()->CurrentPage(), 1u);
    EXPECT_EQ(frame->modeChanges, 1);
    // No dialog: the preview takes the application's printer as it is.
    EXPECT_EQ(printer.dialogs, 0);
}

TEST_F(PreviewTest, Start_withoutAPrinterSaysSoAndLeavesTheFrameAlone)
{
    printer.hasPrinter = false;
    printer.acceptDialog = false; // the dialog can only say that no printer is installed
    EXPECT_FALSE(Start());
    // The print dialog is what tells the user that no printer is installed.
    EXPECT_EQ(printer.dialogs, 1);
    EXPECT_EQ(frame->Preview(), nullptr);
    EXPECT_EQ(frame->ActiveView(), &frame->view);
    EXPECT_EQ(target.begins, 0);
}

TEST_F(PreviewTest, Pages_buttonsAndScrollCodesTurnPages)
{
    ASSERT_TRUE(Start());
    Preview()->UpdateBar();
    EXPECT_FALSE(ButtonEnabled(fw::CPreviewView::kPrevPage));
    EXPECT_TRUE(ButtonEnabled(fw::CPreviewView::kNextPage));
    Click(fw::CPreviewView::kNextPage);
    EXPECT_EQ(Preview()->CurrentPage(), 2u);
    Click(fw::CPreviewView::kNextPage);
    Click(fw::CPreviewView::kNextPage); // past the end: stays on the last page
    EXPECT_EQ(Preview()->CurrentPage(), 3u);
    Preview()->UpdateBar();
    EXPECT_FALSE(ButtonEnabled(fw::CPreviewView::kNextPage));
    EXPECT_TRUE(ButtonEnabled(fw::CPreviewView::kPrevPage));

    SendMessageW(Preview()->Hwnd(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(Preview()->CurrentPage(), 1u);
    SendMessageW(Preview()->Hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(Preview()->CurrentPage(), 3u);
    SendMessageW(Preview()->Hwnd(), WM_HSCROLL, SB_LINELEFT, 0);
    EXPECT_EQ(Preview()->CurrentPage(), 2u);
    SendMessageW(Preview()->Hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(Preview()->CurrentPage(), 3u);
}

TEST_F(PreviewTest, Paint_drawsTheCurrentPageThroughThePrintOperations)
{
    ASSERT_TRUE(Start());
    Click(fw::CPreviewView::kNextPage);
    target.drawn.clear();
    const std::vector<std::wstring> texts = PaintedTexts();
    EXPECT_EQ(target.drawn, (std::vector<UINT>{2}));
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"Page 2"), texts.end());
}

TEST_F(PreviewTest, Zoom_statesAndScrollingInsideTheZoomedPage)
{
    ASSERT_TRUE(Start());
    Preview()->UpdateBar();
    EXPECT_FALSE(ButtonEnabled(fw::CPreviewView::kZoomOut));
    Click(fw::CPreviewView::kZoomIn);
    EXPECT_TRUE(Preview()->IsZoomed());
    Click(fw::CPreviewView::kZoomIn);
    Click(fw::CPreviewView::kZoomIn);
    EXPECT_EQ(Preview()->ZoomState(), fw::CPreviewView::kZoomStates - 1);
    // Zoomed, the scroll codes move inside the page instead of turning it.
    SendMessageW(Preview()->Hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(Preview()->CurrentPage(), 1u);
    Click(fw::CPreviewView::kZoomOut);
    Click(fw::CPreviewView::kZoomOut);
    EXPECT_FALSE(Preview()->IsZoomed());
}

TEST_F(PreviewTest, Close_givesTheFrameItsViewBack)
{
    ASSERT_TRUE(Start());
    HWND preview = Preview()->Hwnd();
    HWND bar = Preview()->Bar();
    Click(fw::CPreviewView::kClose);
    EXPECT_FALSE(IsWindow(preview));
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_EQ(frame->Preview(), nullptr);
    EXPECT_EQ(frame->ActiveView(), &frame->view);
    EXPECT_TRUE(GetWindowLongW(frame->view.Hwnd(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(target.ends, 1);
    EXPECT_EQ(frame->modeChanges, 2);
    EXPECT_EQ(printer.openDcs, 0);
}

TEST_F(PreviewTest, CloseOfTheFrame_endsThePreviewFirst)
{
    ASSERT_TRUE(Start());
    SendMessageW(frame->Hwnd(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(IsWindow(frame->Hwnd()));
    EXPECT_EQ(frame->Preview(), nullptr);
}

TEST_F(PreviewTest, PrintButton_closesAndSendsThePrintCommand)
{
    ASSERT_TRUE(Start());
    Click(fw::CPreviewView::kPrint);
    EXPECT_EQ(frame->Preview(), nullptr);
    MSG msg;
    while (PeekMessageW(&msg, frame->Hwnd(), 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    EXPECT_EQ(frame->commands, (std::vector<UINT>{fw::CFrameWindow::kPrintCommand}));
}

TEST_F(PreviewTest, NoPages_nothingToTurnOrPrint)
{
    target.pages = 0;
    ASSERT_TRUE(Start());
    EXPECT_FALSE(Preview()->HasPages());
    Preview()->UpdateBar();
    EXPECT_FALSE(ButtonEnabled(fw::CPreviewView::kNextPage));
    EXPECT_FALSE(ButtonEnabled(fw::CPreviewView::kPrint));
    EXPECT_TRUE(PaintedTexts().empty());
    EXPECT_TRUE(target.drawn.empty());
}

} // namespace
