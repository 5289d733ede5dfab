// The colour picker, the hyperlink and the arrow button.
#include "ControlTestEnv.h"

#include "RKComControls2.h"
#include "buttons/ArrowButton.h"
#include "buttons/Hyperlink.h"

#include <commctrl.h>

using namespace testenv;

namespace {

class ButtonsTest : public ControlTest {};

// ---- colour picker ----

TEST_F(ButtonsTest, ColorPicker_setColorReportsOnlyAChange)
{
    HWND picker = host.CreateControl(RKCC2_CLASS_COLORPICKER, 0, 80);
    ASSERT_TRUE(picker);
    EXPECT_EQ(SendMessageW(picker, RKCC2M_COLORPICKER_GETCOLOR, 0, 0), 0xFFFFFF);
    host.Clear();
    EXPECT_EQ(SendMessageW(picker, RKCC2M_COLORPICKER_SETCOLOR, 0, 0xFFFFFF), 0xFFFFFF);
    EXPECT_EQ(host.Count(RKCC2N_COLORCHANGED), 0);
    EXPECT_EQ(SendMessageW(picker, RKCC2M_COLORPICKER_SETCOLOR, 0, RGB(10, 20, 30)), 0xFFFFFF);
    EXPECT_EQ(SendMessageW(picker, RKCC2M_COLORPICKER_GETCOLOR, 0, 0), RGB(10, 20, 30));
    ASSERT_EQ(host.Count(RKCC2N_COLORCHANGED, 80), 1);
    EXPECT_EQ(host.notifications.back().from, picker);
}

COLORREF SwatchPixel(HWND picker, COLORREF color, UINT state)
{
    HWND button = GetDlgItem(picker, 100);
    SendMessageW(picker, RKCC2M_COLORPICKER_SETCOLOR, 0, color);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 24);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = 100;
    item.itemState = state;
    item.hwndItem = button;
    item.hDC = dc;
    item.rcItem = {0, 0, 200, 24};
    SendMessageW(picker, WM_DRAWITEM, 100, reinterpret_cast<LPARAM>(&item));
    const COLORREF pixel = GetPixel(dc, 20, 12);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixel;
}

TEST_F(ButtonsTest, ColorPicker_swatchShowsTheColourOrButtonFace)
{
    HWND picker = host.CreateControl(RKCC2_CLASS_COLORPICKER, 0, 81);
    EXPECT_EQ(SwatchPixel(picker, RGB(200, 0, 0), 0), RGB(200, 0, 0));
    EXPECT_EQ(SwatchPixel(picker, RKCC2_NOCOLOR, 0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(SwatchPixel(picker, RGB(200, 0, 0), ODS_DISABLED), GetSysColor(COLOR_BTNFACE));
}

bool IsColorDialog(HWND hwnd)
{
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    return std::wstring(name) == L"#32770" && GetDlgItem(hwnd, IDOK);
}

TEST_F(ButtonsTest, ColorPicker_aClickOpensTheColourDialogAndOkReportsEvenTheSameColour)
{
    HWND picker = host.CreateControl(RKCC2_CLASS_COLORPICKER, 0, 83);
    SendMessageW(picker, RKCC2M_COLORPICKER_SETCOLOR, 0, RGB(1, 2, 3));
    HWND button = GetDlgItem(picker, 100);
    host.Clear();
    const size_t run = RunWithModal([button] { SendMessageW(button, BM_CLICK, 0, 0); },
                                    {[](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDOK, 0); }}, &IsColorDialog);
    EXPECT_EQ(run, 1u);
    ASSERT_EQ(host.Count(RKCC2N_COLORCHANGED, 83), 1);
    EXPECT_EQ(host.notifications.back().from, button);
    EXPECT_EQ(SendMessageW(picker, RKCC2M_COLORPICKER_GETCOLOR, 0, 0), RGB(1, 2, 3));
    host.Clear();
    RunWithModal([button] { SendMessageW(button, BM_CLICK, 0, 0); }, {[](HWND) {}}, &IsColorDialog);
    EXPECT_EQ(host.Count(RKCC2N_COLORCHANGED), 0); // cancelled
}

TEST_F(ButtonsTest, ColorPicker_focusAndEnablingPassToTheButton)
{
    HWND picker = host.CreateControl(RKCC2_CLASS_COLORPICKER, 0, 82);
    SetFocus(picker);
    EXPECT_EQ(GetFocus(), GetDlgItem(picker, 100));
    EnableWindow(picker, FALSE);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(picker, 100)));
}

// ---- hyperlink ----

int gOpened = 0;
std::wstring gTarget;
INT_PTR RecordOpen(const std::wstring& target)
{
    ++gOpened;
    gTarget = target;
    return 33;
}

class HyperlinkTest : public ControlTest {
protected:
    HyperlinkTest() { m_previous = rkcc::SetHyperlinkOpener(&RecordOpen); }
    ~HyperlinkTest() override { rkcc::SetHyperlinkOpener(m_previous); }
    HWND Make()
    {
        gOpened = 0;
        gTarget.clear();
        return host.CreateControl(RKCC2_CLASS_HYPERLINK, 0, 90, {0, 0, 300, 30});
    }
    // A pop-up made with a child as its parent is owned by the child's top-level window.
    struct FindTip {
        HWND link;
        HWND found;
    };
    static BOOL CALLBACK FindTooltip(HWND hwnd, LPARAM lp)
    {
        auto* f = reinterpret_cast<FindTip*>(lp);
        wchar_t name[32] = {};
        GetClassNameW(hwnd, name, 32);
        if (std::wstring(name) == TOOLTIPS_CLASSW && GetWindow(hwnd, GW_OWNER) == GetAncestor(f->link, GA_ROOT)) {
            f->found = hwnd;
            return FALSE;
        }
        return TRUE;
    }
    static HWND TooltipOf(HWND link)
    {
        FindTip find{link, nullptr};
        EnumThreadWindows(GetCurrentThreadId(), &FindTooltip, reinterpret_cast<LPARAM>(&find));
        return find.found;
    }
    static std::wstring TipText(HWND tooltip, HWND link)
    {
        wchar_t text[256] = {};
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.hwnd = link;
        info.uId = 1;
        info.lpszText = text;
        SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
        return text;
    }

private:
    rkcc::ShellOpenFn m_previous = nullptr;
};

TEST_F(HyperlinkTest, EmptyText_hasNoToolAndIgnoresClicks)
{
    HWND link = Make();
    HWND tooltip = TooltipOf(link);
    ASSERT_TRUE(tooltip);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 0);
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 15));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(150, 15));
    Key(link, VK_SPACE);
    EXPECT_EQ(gOpened, 0);
    EXPECT_EQ(GetFocus(), link);
}

TEST_F(HyperlinkTest, ClickOnTheText_opensTheTargetOrTheText)
{
    HWND link = Make();
    EXPECT_EQ(SendMessageW(link, RKCC2M_HYPERLINK_SETTEXT, 0, reinterpret_cast<LPARAM>(L"www.example.org")), 1);
    HWND tooltip = TooltipOf(link);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(TipText(tooltip, link), L"www.example.org");
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 15));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(150, 15));
    EXPECT_EQ(gOpened, 1);
    EXPECT_EQ(gTarget, L"www.example.org");
    SendMessageW(link, RKCC2M_HYPERLINK_SETURL, 0, reinterpret_cast<LPARAM>(L"https://example.org/x"));
    EXPECT_EQ(TipText(tooltip, link), L"https://example.org/x");
    Key(link, VK_SPACE);
    EXPECT_EQ(gTarget, L"https://example.org/x");
}

TEST_F(HyperlinkTest, ClickEndingOffTheText_opensNothing)
{
    HWND link = Make();
    SendMessageW(link, RKCC2M_HYPERLINK_SETTEXT, 0, reinterpret_cast<LPARAM>(L"link"));
    SendMessageW(link, RKCC2M_HYPERLINK_SETALIGN, 0, 0); // left
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 15));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(280, 15));
    EXPECT_EQ(gOpened, 0);
}

TEST_F(HyperlinkTest, Setters_answerThePreviousValues)
{
    HWND link = Make();
    EXPECT_EQ(SendMessageW(link, RKCC2M_HYPERLINK_SETCOLOR, 0, RGB(1, 2, 3)), 0xFF0000);
    EXPECT_EQ(SendMessageW(link, RKCC2M_HYPERLINK_SETCOLOR, 0, 0), RGB(1, 2, 3));
    EXPECT_EQ(SendMessageW(link, RKCC2M_HYPERLINK_SETALIGN, 2, 0), 1);
    EXPECT_EQ(SendMessageW(link, RKCC2M_HYPERLINK_SETALIGN, 7, 0), -1);
    EXPECT_EQ(SendMessageW(link, RKCC2M_HYPERLINK_SETUNDERLINE, 1, 0), 0);
    EXPECT_EQ(SendMessageW(link, RKCC2M_HYPERLINK_SETUNDERLINE, 0, 0), 1);
    EXPECT_EQ(SendMessageW(link, RKCC2M_HYPERLINK_SETTEXT, 0, 0), 1); // null: empty
    EXPECT_EQ(SendMessageW(link, RKCC2M_HYPERLINK_RELAYEVENT, 0, 0), -1);
    MSG msg{link, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1), 0, {}};
    EXPECT_EQ(SendMessageW(link, RKCC2M_HYPERLINK_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg)), 1);
    UpdateWindow(link);
}

// ---- arrow button ----

TEST_F(ButtonsTest, ArrowButton_repeatsWhileHeldAndPausesOffTheButton)
{
    rkcc::CArrowButton arrow;
    ASSERT_TRUE(arrow.CreateButton(rkcc::CArrowButton::kRight, WS_CHILD | WS_VISIBLE, {0, 0, 20, 20}, host.Hwnd(), 7));
    HWND h = arrow.Hwnd();
    host.Clear();
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(h, WM_TIMER, 101, 0);
    SendMessageW(h, WM_TIMER, 102, 0);
    SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 50));
    SendMessageW(h, WM_TIMER, 102, 0);
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(50, 50)); // released off the button: still an up
    SendMessageW(h, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(host.Count(RKCC2N_ARROWDOWN, 7), 2);
    EXPECT_EQ(host.Count(RKCC2N_ARROWUP, 7), 1);
    EXPECT_EQ(host.Count(RKCC2N_ARROWRDOWN, 7), 1);
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); // no press: no up
    EXPECT_EQ(host.Count(RKCC2N_ARROWUP, 7), 1);
}

TEST_F(ButtonsTest, ArrowButton_geometry)
{
    // Height 21: f = 12, s = 6; one right arrow in a width of 20.
    auto g = rkcc::CArrowButton::Geometry(rkcc::CArrowButton::kRight, 20, 21, 1, false);
    EXPECT_EQ(g.size, 12);
    EXPECT_EQ(g.half, 6);
    EXPECT_EQ(g.firstX, 7);
    EXPECT_EQ(g.y, 4);
    g = rkcc::CArrowButton::Geometry(rkcc::CArrowButton::kLeft, 20, 21, 1, true);
    EXPECT_EQ(g.firstX, 7); // one further left, one further right when pressed
    EXPECT_EQ(g.y, 5);
    g = rkcc::CArrowButton::Geometry(rkcc::CArrowButton::kDown, 20, 20, 1, false);
    EXPECT_EQ(g.size, 10); // 20 * 2 / 3 - 2 = 11, made even
    EXPECT_EQ(g.firstX, 5);
    EXPECT_EQ(g.y, 7);
}

} // namespace
