#include "fw/App.h"
#include "fw/FrameWindow.h"
#include "fw/MessageBox.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class CTestApp : public fw::CApp {
public:
    bool InitInstance() override { return true; }
    bool OnCommand(UINT id) override
    {
        lastCommand = id;
        return id == 200;
    }
    UINT lastCommand = 0;
};

class CTestFrame : public fw::CFrameWindow {
public:
    explicit CTestFrame(bool* destroyed) : m_destroyed(destroyed) {}
    ~CTestFrame() override { *m_destroyed = true; }

    UINT frameCommand = 0;

protected:
    bool OnCommand(UINT id, UINT, HWND) override
    {
        frameCommand = id;
        return id == 100;
    }
    void UpdateCommand(fw::CCommandState& state) override
    {
        if (state.id == 300)
            state.Enable(false);
        if (state.id == 301)
            state.Check(true);
    }
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override
    {
        if (msg == WM_USER + 1)
            throw std::runtime_error("handler failed");
        return fw::CFrameWindow::HandleMessage(msg, wp, lp);
    }

private:
    bool* m_destroyed;
};

TEST(FrameWindow, DestroyingTheFrameDeletesItAndEndsTheLoop)
{
    CTestApp app;
    bool destroyed = false;
    auto* frame = new CTestFrame(&destroyed);
    ASSERT_TRUE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, L"Test"));
    app.SetMainFrame(frame);
    PostMessageW(frame->Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(app.RunMessageLoop(), 0);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(app.MainFrame(), nullptr);
}

TEST(FrameWindow, CommandsGoToTheFrameThenTheApplication)
{
    CTestApp app;
    bool destroyed = false;
    auto* frame = new CTestFrame(&destroyed);
    ASSERT_TRUE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, L"Test"));
    HWND hwnd = frame->Hwnd();
    SendMessageW(hwnd, WM_COMMAND, 100, 0);
    EXPECT_EQ(frame->frameCommand, 100u);
    EXPECT_EQ(app.lastCommand, 0u);
    SendMessageW(hwnd, WM_COMMAND, 200, 0);
    EXPECT_EQ(app.lastCommand, 200u);
    // An exception in a handler stops at the window procedure.
    SendMessageW(hwnd, WM_USER + 1, 0, 0);
    EXPECT_TRUE(IsWindow(hwnd));
    DestroyWindow(hwnd);
    EXPECT_TRUE(destroyed);
}

TEST(FrameWindow, MenuStatesComeFromUpdateCommand)
{
    CTestApp app;
    bool destroyed = false;
    auto* frame = new CTestFrame(&destroyed);
    ASSERT_TRUE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, L"Test"));
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 300, L"Disabled");
    AppendMenuW(menu, MF_STRING, 301, L"Checked");
    AppendMenuW(menu, MF_STRING | MF_GRAYED, 302, L"Left alone");
    SendMessageW(frame->Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    EXPECT_TRUE(GetMenuState(menu, 300, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(menu, 301, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(menu, 302, MF_BYCOMMAND) & MF_GRAYED);
    DestroyMenu(menu);
    DestroyWindow(frame->Hwnd());
}

TEST(FrameWindow, FailedCreationReleasesTheFrame)
{
    class CUnregistered : public fw::CWindow {
    public:
        explicit CUnregistered(bool* destroyed) : m_destroyed(destroyed) { SetOwnsItself(true); }
        ~CUnregistered() override { *m_destroyed = true; }

    private:
        bool* m_destroyed;
    };
    bool destroyed = false;
    auto* window = new CUnregistered(&destroyed);
    fw::CWindow::CreateArgs args;
    args.className = L"QvNoSuchClass";
    EXPECT_FALSE(window->Create(args));
    EXPECT_TRUE(destroyed);
}

TEST(FrameWindow, ChildWrapperDestroysItsWindow)
{
    ASSERT_TRUE(fw::CWindow::RegisterWindowClass(L"QvTestChild", 0, nullptr, nullptr));
    HWND hwnd = nullptr;
    {
        fw::CWindow child;
        fw::CWindow::CreateArgs args;
        args.className = L"QvTestChild";
        args.style = WS_POPUP;
        ASSERT_TRUE(child.Create(args));
        hwnd = child.Hwnd();
        EXPECT_TRUE(IsWindow(hwnd));
    }
    EXPECT_FALSE(IsWindow(hwnd));
}

class CRecordingSink : public fw::IMessageSink {
public:
    int Show(HWND, const std::wstring& text, const std::wstring& caption, UINT) override
    {
        shown = caption + L": " + text;
        return IDYES;
    }
    std::wstring shown;
};

TEST(MessageSink, ShowMessage_goesThroughTheSink)
{
    CRecordingSink sink;
    fw::IMessageSink* previous = fw::SetMessageSink(&sink);
    fw::SetMessageCaption(L"Viewer");
    EXPECT_EQ(fw::ShowMessage(nullptr, L"Delete?", MB_YESNO), IDYES);
    EXPECT_EQ(sink.shown, L"Viewer: Delete?");
    EXPECT_EQ(fw::SetMessageSink(previous), &sink);
}

} // namespace
