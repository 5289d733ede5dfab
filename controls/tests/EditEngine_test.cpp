// The typed edit engine: the spin button's repeat, commits, focus and the dialog keys.
#include "ControlTestEnv.h"

#include "RKComControls2.h"

#include <algorithm>
#include <cwchar>
#include <string>

using namespace testenv;

namespace {

class EditEngineTest : public ControlTest {
protected:
    HWND Make(DWORD style = 0)
    {
        HWND edit = host.CreateControl(RKCC2_CLASS_LONGEDIT, style, 30);
        spin = GetDlgItem(GetDlgItem(edit, 100), 2);
        return edit;
    }
    static int Value(HWND edit)
    {
        int v = 0;
        SendMessageW(edit, RKCC2M_LONGEDIT_GETRAWVALUE, 0, reinterpret_cast<LPARAM>(&v));
        return v;
    }
    HWND spin = nullptr;
};

TEST_F(EditEngineTest, SpinButton_stepsAtThePressThenOnlyOnTheRepeatTimerWhileHovering)
{
    HWND edit = Make();
    SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 2)); // upper half: up
    EXPECT_EQ(Value(edit), 1);
    SendMessageW(spin, WM_TIMER, 101, 0); // the first delay only switches to the repeat timer
    EXPECT_EQ(Value(edit), 1);
    SendMessageW(spin, WM_TIMER, 102, 0);
    SendMessageW(spin, WM_TIMER, 102, 0);
    EXPECT_EQ(Value(edit), 3);
    SendMessageW(spin, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 500)); // off the part: paused
    SendMessageW(spin, WM_TIMER, 102, 0);
    EXPECT_EQ(Value(edit), 3);
    SendMessageW(spin, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 2)); // back: resumed
    SendMessageW(spin, WM_TIMER, 102, 0);
    EXPECT_EQ(Value(edit), 4);
    SendMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(5, 2));
    SendMessageW(spin, WM_TIMER, 102, 0);
    EXPECT_EQ(Value(edit), 4);
    RECT rc{};
    GetClientRect(spin, &rc);
    SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, rc.bottom - 2)); // lower half: down
    SendMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(5, rc.bottom - 2));
    EXPECT_EQ(Value(edit), 3);
}

TEST_F(EditEngineTest, SpinButton_takesTheFocusForTheEdit)
{
    HWND edit = Make();
    SetFocus(host.FocusSink());
    SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 2));
    SendMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(5, 2));
    EXPECT_EQ(GetFocus(), InnerEdit(edit));
}

TEST_F(EditEngineTest, SpinButton_withoutDropDownHasNoZone)
{
    Make();
    RECT rc{};
    GetClientRect(spin, &rc);
    EXPECT_EQ(rc.right, 15);
}

TEST_F(EditEngineTest, Commit_ofAnEmptyAllowEmptyEditWritesAndReportsNothing)
{
    HWND edit = Make(RKCC2S_ALLOWEMPTY);
    SetFocus(InnerEdit(edit));
    host.Clear();
    SetFocus(host.FocusSink());
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"");
    EXPECT_EQ(host.Count(RKCC2N_CHANGED), 0);

    HWND strict = host.CreateControl(RKCC2_CLASS_LONGEDIT, 0, 31, {0, 30, 200, 54});
    SetFocus(InnerEdit(strict));
    host.Clear();
    SetFocus(host.FocusSink());
    EXPECT_EQ(TextOf(InnerEdit(strict)), L"0");
    // The text changed: a host that follows the raw text must hear of it, once.
    EXPECT_EQ(host.Count(RKCC2N_CHANGED, 31), 1);
}

// Every single value edit: a dialog's change handler may read the value and set it again. Reading
// must neither rewrite the text nor report, a set reports once and only a real change, leaving
// an untouched field reports nothing, and a handler that sets a new value cannot recurse.
TEST_F(EditEngineTest, ChangeReports_onlyRealChangesAndAHandlerThatReadsOrSetsCannotRecurse)
{
    struct Kind {
        const wchar_t* className;
        UINT set;
        UINT get;
        bool isDouble;
        double first;
        double second;
        const wchar_t* typed; // text that a commit would rewrite
    };
    const Kind kinds[] = {
        {RKCC2_CLASS_DATEEDIT, RKCC2M_DATEEDIT_SETDATE, RKCC2M_DATEEDIT_GETDATE, false, kToday, kToday + 1, L"5/"},
        {RKCC2_CLASS_TIMEEDIT, RKCC2M_TIMEEDIT_SETTIME, RKCC2M_TIMEEDIT_GETTIME, false, 600, 615, L"7"},
        {RKCC2_CLASS_LONGEDIT, RKCC2M_LONGEDIT_SETVALUE, RKCC2M_LONGEDIT_GETVALUE, false, 5, 6, L"007"},
        {RKCC2_CLASS_DOUBLEEDIT, RKCC2M_DOUBLEEDIT_SETVALUE, RKCC2M_DOUBLEEDIT_GETVALUE, true, 2.5, 3.5, L"2."},
    };
    int id = 40;
    for (const Kind& k : kinds) {
        SCOPED_TRACE(testing::Message() << "class " << std::string(k.className, k.className + wcslen(k.className)));
        HWND edit = host.CreateControl(k.className, 0, id, {0, 30, 200, 54});
        auto set = [&](double v) {
            int whole = static_cast<int>(v);
            SendMessageW(edit, k.set, 0, k.isDouble ? reinterpret_cast<LPARAM>(&v) : reinterpret_cast<LPARAM>(&whole));
        };
        auto get = [&] {
            double v = 0;
            int whole = 0;
            SendMessageW(edit, k.get, 0, k.isDouble ? reinterpret_cast<LPARAM>(&v) : reinterpret_cast<LPARAM>(&whole));
            return k.isDouble ? v : whole;
        };
        bool toggle = false; // the handler sets the other value instead of reading only
        int depth = 0;
        int deepest = 0;
        host.onNotify = [&](const Notification& note) {
            if (note.from != edit || note.code != RKCC2N_CHANGED)
                return;
            deepest = std::max(deepest, ++depth);
            if (depth < 5) { // a recursion shows as a failure, not as a stack overflow
                const double value = get();
                if (toggle)
                    set(value == k.first ? k.second : k.first);
            }
            --depth;
        };
        host.Clear();
        set(k.first);
        EXPECT_EQ(host.Count(RKCC2N_CHANGED, id), 1);
        set(k.first);
        EXPECT_EQ(host.Count(RKCC2N_CHANGED, id), 1); // the same value: no change
        SetFocus(InnerEdit(edit));
        SetFocus(host.FocusSink());
        EXPECT_EQ(host.Count(RKCC2N_CHANGED, id), 1); // left untouched

        SetFocus(InnerEdit(edit));
        SetWindowTextW(InnerEdit(edit), L"");
        Type(InnerEdit(edit), k.typed);
        EXPECT_EQ(TextOf(InnerEdit(edit)), k.typed); // the handler's reads left the typing alone
        SetFocus(host.FocusSink());

        set(k.first);
        host.Clear();
        toggle = true;
        set(k.second);
        EXPECT_EQ(deepest, 1);
        EXPECT_EQ(get(), k.first); // the handler's own set took effect
        host.onNotify = nullptr;
        ++id;
    }
}

TEST_F(EditEngineTest, AHandlerThatDestroysTheControl_endsTheChangeCleanly)
{
    for (const wchar_t* className : {RKCC2_CLASS_LONGEDIT, RKCC2_CLASS_DATEPERIOD}) {
        HWND edit = host.CreateControl(className, 0, 32, {0, 30, 300, 90});
        host.onNotify = [edit](const Notification& note) {
            if (note.from == edit && IsWindow(edit))
                DestroyWindow(edit);
        };
        Type(InnerEdit(edit), L"7");
        EXPECT_FALSE(IsWindow(edit));
        host.onNotify = nullptr;
    }
}

TEST_F(EditEngineTest, SingleEdit_leavesTabToTheDialog)
{
    HWND edit = Make();
    const LRESULT code = SendMessageW(InnerEdit(edit), WM_GETDLGCODE, VK_TAB, 0);
    EXPECT_EQ(code & DLGC_WANTTAB, 0);
    Type(InnerEdit(edit), L"1\t2\r");
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"12");
}

TEST_F(EditEngineTest, DialogTab_leavesTheEditForTheNextControl)
{
    CTestDialog dialog(nullptr, {{L"EDIT", 10, WS_TABSTOP, 0, 0, 50, 12},
                                 {RKCC2_CLASS_LONGEDIT, 11, WS_TABSTOP, 0, 20, 60, 12},
                                 {L"EDIT", 12, WS_TABSTOP, 0, 40, 50, 12}});
    SetFocus(dialog.Item(11));
    HWND inner = InnerEdit(dialog.Item(11));
    ASSERT_EQ(GetFocus(), inner);
    MSG msg{inner, WM_KEYDOWN, VK_TAB, 1, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(dialog.Hwnd(), &msg));
    EXPECT_EQ(GetFocus(), dialog.Item(12));
    SetFocus(dialog.Item(10));
    msg = {dialog.Item(10), WM_KEYDOWN, VK_TAB, 1, 0, {}};
    IsDialogMessageW(dialog.Hwnd(), &msg);
    EXPECT_EQ(GetFocus(), inner);
}

TEST_F(EditEngineTest, FocusAndEnabling_passToTheInnerEdit)
{
    HWND edit = Make();
    SetFocus(edit);
    EXPECT_EQ(GetFocus(), InnerEdit(edit));
    EnableWindow(edit, FALSE);
    EXPECT_FALSE(IsWindowEnabled(InnerEdit(edit)));
    EXPECT_FALSE(IsWindowEnabled(spin));
    EnableWindow(edit, TRUE);
    EXPECT_TRUE(IsWindowEnabled(InnerEdit(edit)));
}

TEST_F(EditEngineTest, Painting_drawsIntoAMemoryDC)
{
    HWND edit = Make();
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 30);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(spin, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SendMessageW(spin, WM_PAINT, 0, 0);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(IsWindow(edit));
}

TEST_F(EditEngineTest, DestroyingTheHost_takesTheControlsWithIt)
{
    CTestHost local;
    HWND edit = local.CreateControl(RKCC2_CLASS_LONGEDIT, 0, 1);
    SetFocus(InnerEdit(edit));
    DestroyWindow(local.Hwnd());
    EXPECT_FALSE(IsWindow(edit));
}

} // namespace
