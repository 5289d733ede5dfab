// Modal dialogs driven from the modal-dialog hook, before the system would show them.
#include "FrameworkTestIds.h"
#include "fw/Dialog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class CTestDialog : public fw::CDialog {
public:
    CTestDialog() : fw::CDialog(IDT_TEST_DIALOG, GetModuleHandleW(nullptr)) {}

    std::wstring text; // in and out

protected:
    bool OnInit() override
    {
        SetDlgItemTextW(Hwnd(), IDT_TEST_EDIT, text.c_str());
        return true;
    }
    void OnOk() override
    {
        wchar_t buffer[64] = {};
        GetDlgItemTextW(Hwnd(), IDT_TEST_EDIT, buffer, 64);
        text = buffer;
        End(IDOK);
    }
};

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override { fw::SetModalDialogHook({}); }
};

void Click(fw::CDialog& dialog, int id)
{
    SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(dialog.Item(id)));
}

TEST_F(DialogTest, ModalHook_seesTheInitialisedDialogBeforeItIsShown)
{
    bool visible = true;
    std::wstring shown;
    fw::SetModalDialogHook([&](fw::CDialog& dialog) {
        visible = IsWindowVisible(dialog.Hwnd()) != FALSE;
        wchar_t buffer[64] = {};
        GetDlgItemTextW(dialog.Hwnd(), IDT_TEST_EDIT, buffer, 64);
        shown = buffer;
        SetDlgItemTextW(dialog.Hwnd(), IDT_TEST_EDIT, L"typed");
        EXPECT_FALSE(dialog.HasEnded());
        Click(dialog, IDOK);
        EXPECT_TRUE(dialog.HasEnded());
    });
    CTestDialog dialog;
    dialog.text = L"given";
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    EXPECT_FALSE(visible);
    EXPECT_EQ(shown, L"given");
    EXPECT_EQ(dialog.text, L"typed");
    EXPECT_EQ(dialog.Hwnd(), nullptr);
}

// A dialog whose initialisation may place or size it itself.
class CPlacedDialog : public CTestDialog {
public:
    POINT moveTo{-1, -1};  // places itself here when set
    SIZE growTo{0, 0};     // sizes itself (without moving) when set

protected:
    bool OnInit() override
    {
        if (moveTo.x >= 0)
            SetWindowPos(Hwnd(), nullptr, moveTo.x, moveTo.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        if (growTo.cx > 0)
            SetWindowPos(Hwnd(), nullptr, 0, 0, growTo.cx, growTo.cy, SWP_NOMOVE | SWP_NOZORDER);
        return CTestDialog::OnInit();
    }
};

POINT Center(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// Runs `dialog` modally over `owner` and answers its window rectangle as the hook saw it.
RECT PlacedRect(CTestDialog& dialog, HWND owner)
{
    RECT rect{};
    fw::SetModalDialogHook([&](fw::CDialog& shown) {
        GetWindowRect(shown.Hwnd(), &rect);
        Click(shown, IDCANCEL);
    });
    dialog.RunModal(owner);
    fw::SetModalDialogHook({});
    return rect;
}

TEST_F(DialogTest, Placement_centredOnOwnerOrWorkAreaUnlessPlacedByItself)
{
    HWND frame = CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 90, 700, 500,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(frame);
    RECT frameRect{};
    GetWindowRect(frame, &frameRect);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(frame, MONITOR_DEFAULTTOPRIMARY), &monitor));
    const RECT& work = monitor.rcWork;

    CTestDialog owned;
    const POINT onFrame = Center(PlacedRect(owned, frame));
    EXPECT_NEAR(onFrame.x, Center(frameRect).x, 2);
    EXPECT_NEAR(onFrame.y, Center(frameRect).y, 2);

    CTestDialog unowned;
    const POINT onScreen = Center(PlacedRect(unowned, nullptr));
    EXPECT_NEAR(onScreen.x, Center(work).x, 2);
    EXPECT_NEAR(onScreen.y, Center(work).y, 2);

    CPlacedDialog placed;
    placed.moveTo = POINT{15, 25};
    const RECT own = PlacedRect(placed, frame);
    EXPECT_EQ(own.left, 15);
    EXPECT_EQ(own.top, 25);

    // Larger than the work area: its caption (top-left corner) stays on the screen.
    CPlacedDialog huge;
    huge.growTo = SIZE{(work.right - work.left) + 400, (work.bottom - work.top) + 300};
    const RECT big = PlacedRect(huge, frame);
    EXPECT_EQ(big.left, work.left);
    EXPECT_EQ(big.top, work.top);

    DestroyWindow(frame);
}

} // namespace
