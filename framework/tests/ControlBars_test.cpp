// Frames with a tool bar and a status bar: layout, button states, prompts, menus that change
// while they are refreshed, dropped files.
#include "FrameworkTestIds.h"
#include "fw/App.h"
#include "fw/FrameWindow.h"
#include "fw/StatusBar.h"
#include "fw/ToolBar.h"

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class CTestApp : public fw::CApp {
public:
    bool InitInstance() override { return true; }
};

class CBarFrame : public fw::CFrameWindow {
public:
    CBarFrame()
    {
        Commands().Add(IDT_CMD_ONE, [this](UINT) { ++ones; }, [this](fw::CCommandState& s) { s.Enable(oneEnabled); });
        Commands().Add(IDT_CMD_TWO, {}, [this](fw::CCommandState& s) { s.Check(twoChecked); });
        // Item 500 of a menu replaces itself by three items and says where the refresh goes on.
        Commands().AddRange(500, 510, {}, [this](fw::CCommandState& s) {
            if (s.id != 500 || !s.menu)
                return;
            DeleteMenu(s.menu, static_cast<UINT>(s.index), MF_BYPOSITION);
            for (int i = 0; i < 3; ++i)
                InsertMenuW(s.menu, static_cast<UINT>(s.index + i), MF_BYPOSITION | MF_STRING, 501 + i, L"made");
            s.nextIndex = s.index + 3;
            ++rebuilds;
        });
        Commands().Add(600, {}, [this](fw::CCommandState& s) {
            ++refreshedAfter;
            s.Enable(false);
        });
    }

    fw::CToolBar toolBar;
    fw::CStatusBar statusBar;
    fw::CWindow view;
    bool oneEnabled = true;
    bool twoChecked = false;
    int ones = 0;
    int rebuilds = 0;
    int refreshedAfter = 0;
    std::vector<std::wstring> dropped;

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
        if (!toolBar.Create(Hwnd(), TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, 0) || !toolBar.LoadToolBar(IDT_TOOLBAR))
            return false;
        statusBar.Create(Hwnd());
        SetControlBars(&toolBar, &statusBar);
        return true;
    }
    void OnDropFiles(const std::vector<std::wstring>& files) override { dropped = files; }
};

class ControlBarsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CBarFrame;
        ASSERT_TRUE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, L"Bars"));
        SetWindowPos(frame->Hwnd(), nullptr, 0, 0, 640, 480, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void TearDown() override
    {
        if (frame && IsWindow(frame->Hwnd()))
            DestroyWindow(frame->Hwnd());
    }

    CTestApp app;
    CBarFrame* frame = nullptr; // owns itself
};

TEST_F(ControlBarsTest, LoadToolBar_buttonsAndSeparatorsFromTheResource)
{
    fw::CToolBar& bar = frame->toolBar;
    ASSERT_EQ(bar.ButtonCount(), 4);
    EXPECT_EQ(bar.ItemId(0), static_cast<UINT>(IDT_CMD_ONE));
    EXPECT_TRUE(bar.IsSeparator(1));
    EXPECT_EQ(bar.CommandToIndex(IDT_CMD_THREE), 3);
    EXPECT_EQ(bar.CommandToIndex(999), -1);

    bar.MakeSeparator(2, 80);
    EXPECT_TRUE(bar.IsSeparator(2));
    EXPECT_EQ(bar.ItemId(2), static_cast<UINT>(IDT_CMD_TWO)); // keeps its id: the place of a control
    const RECT place = bar.ItemRect(2);
    EXPECT_EQ(place.right - place.left, 80);

    // A resource that claims more buttons than it holds is refused and leaves the bar as it was.
    EXPECT_FALSE(bar.LoadToolBar(IDT_BROKEN_TOOLBAR));
    EXPECT_FALSE(bar.LoadToolBar(12345));
    EXPECT_EQ(bar.ButtonCount(), 4);
}

TEST_F(ControlBarsTest, Layout_viewBetweenTheBars)
{
    RECT client{};
    GetClientRect(frame->Hwnd(), &client);
    RECT view{};
    GetWindowRect(frame->view.Hwnd(), &view);
    MapWindowPoints(nullptr, frame->Hwnd(), reinterpret_cast<POINT*>(&view), 2);
    EXPECT_GT(frame->toolBar.Height(), 0);
    EXPECT_GT(frame->statusBar.Height(), 0);
    EXPECT_EQ(view.top, frame->toolBar.Height());
    EXPECT_EQ(view.bottom, client.bottom - frame->statusBar.Height());
    EXPECT_EQ(view.right, client.right);

    frame->toolBar.Show(false);
    frame->RecalcLayout();
    GetWindowRect(frame->view.Hwnd(), &view);
    MapWindowPoints(nullptr, frame->Hwnd(), reinterpret_cast<POINT*>(&view), 2);
    EXPECT_EQ(view.top, 0);
}

TEST_F(ControlBarsTest, UpdateCommandStates_buttonsFollowTheTable)
{
    HWND bar = frame->toolBar.Hwnd();
    frame->oneEnabled = false;
    frame->twoChecked = true;
    frame->UpdateCommandStates();
    EXPECT_FALSE(SendMessageW(bar, TB_ISBUTTONENABLED, IDT_CMD_ONE, 0));
    EXPECT_TRUE(SendMessageW(bar, TB_ISBUTTONCHECKED, IDT_CMD_TWO, 0));
    // A button no one handles keeps its state.
    EXPECT_TRUE(SendMessageW(bar, TB_ISBUTTONENABLED, IDT_CMD_THREE, 0));

    frame->oneEnabled = true;
    frame->twoChecked = false;
    frame->UpdateCommandStates();
    EXPECT_TRUE(SendMessageW(bar, TB_ISBUTTONENABLED, IDT_CMD_ONE, 0));
    EXPECT_FALSE(SendMessageW(bar, TB_ISBUTTONCHECKED, IDT_CMD_TWO, 0));

    SendMessageW(frame->Hwnd(), WM_COMMAND, IDT_CMD_ONE, 0);
    EXPECT_EQ(frame->ones, 1);
}

TEST_F(ControlBarsTest, Prompts_tipTextAndStatusText)
{
    NMTTDISPINFOW info{};
    info.hdr.code = TTN_GETDISPINFOW;
    info.hdr.idFrom = IDT_CMD_ONE;
    SendMessageW(frame->Hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_STREQ(info.lpszText, L"First");
    info.hdr.idFrom = IDT_CMD_TWO; // a string without a tip part
    info.lpszText = nullptr;
    SendMessageW(frame->Hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_STREQ(info.lpszText, L"");

    EXPECT_EQ(frame->statusBar.Text(), L"Ready");
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, IDT_CMD_ONE, L"One");
    SendMessageW(frame->Hwnd(), WM_MENUSELECT, MAKEWPARAM(IDT_CMD_ONE, MF_STRING), reinterpret_cast<LPARAM>(menu));
    EXPECT_EQ(frame->statusBar.Text(), L"Runs the first command");
    SendMessageW(frame->Hwnd(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(frame->statusBar.Text(), L"Ready");
    DestroyMenu(menu);
}

TEST_F(ControlBarsTest, MenuRefresh_goesOnWhereAHandlerSays)
{
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 500, L"placeholder");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, 600, L"after");
    SendMessageW(frame->Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    EXPECT_EQ(frame->rebuilds, 1);
    EXPECT_EQ(GetMenuItemCount(menu), 5);
    EXPECT_EQ(GetMenuItemID(menu, 0), 501u);
    EXPECT_EQ(GetMenuItemID(menu, 2), 503u);
    // The items behind the new ones were still refreshed.
    EXPECT_EQ(frame->refreshedAfter, 1);
    EXPECT_TRUE(GetMenuState(menu, 600, MF_BYCOMMAND) & MF_GRAYED);
    DestroyMenu(menu);
}

// An HDROP as the shell builds it: DROPFILES, then the paths, each ended, and one more zero.
HGLOBAL MakeDrop(const std::vector<std::wstring>& files)
{
    size_t chars = 1;
    for (const auto& f : files)
        chars += f.size() + 1;
    HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    auto* text = reinterpret_cast<wchar_t*>(header + 1);
    for (const auto& f : files) {
        std::memcpy(text, f.c_str(), (f.size() + 1) * sizeof(wchar_t));
        text += f.size() + 1;
    }
    GlobalUnlock(drop);
    return drop;
}

TEST_F(ControlBarsTest, DropFiles_pathsLongerThanMaxPathArriveWhole)
{
    const std::wstring longPath = L"C:\\" + std::wstring(300, L'a') + L"\\plan.wqv";
    HGLOBAL drop = MakeDrop({longPath, L"C:\\second.wqv"});
    SendMessageW(frame->Hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    ASSERT_EQ(frame->dropped.size(), 2u);
    EXPECT_EQ(frame->dropped[0], longPath);
    EXPECT_EQ(frame->dropped[1], L"C:\\second.wqv");
    // DragFinish released the drop: the handle no longer names memory.
    EXPECT_EQ(GlobalSize(drop), 0u);
}

} // namespace
