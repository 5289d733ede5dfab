// The tab control: its strip without a window, then the window's messages, mouse and keys.
#include "ControlTestEnv.h"

#include "RKComControls2.h"
#include "tabs/TabStrip.h"

using namespace testenv;

namespace {

rkcc::CTabStrip Strip(int tabs, int width, int clientWidth)
{
    rkcc::CTabStrip s;
    s.tabHeight = 20;
    for (int i = 0; i < tabs; ++i)
        s.tabs.push_back({L"t" + std::to_wstring(i), L"", {}});
    s.leftArrow = {clientWidth - 32, 2, clientWidth - 16, 18};
    s.Layout(std::vector<int>(static_cast<size_t>(tabs), width), {0, 0, clientWidth, 40});
    return s;
}

TEST(TabStrip, Layout_placesTabsFromTheLeftAlongTheBottom)
{
    const rkcc::CTabStrip s = Strip(3, 40, 500);
    EXPECT_EQ(s.tabs[0].rect.left, 1);
    EXPECT_EQ(s.tabs[0].rect.right, 1 + 8 + 40);
    EXPECT_EQ(s.tabs[1].rect.left, 49 + 3);
    EXPECT_EQ(s.tabs[0].rect.top, 20);
    EXPECT_EQ(s.tabs[0].rect.bottom, 40);
    EXPECT_FALSE(s.overflow);
    EXPECT_TRUE(Strip(3, 40, 150).overflow);
    EXPECT_FALSE(Strip(1, 400, 150).overflow); // one tab never overflows
}

TEST(TabStrip, Select_clampsAndScrollsTheTabClearOfTheArrows)
{
    rkcc::CTabStrip s = Strip(6, 40, 150);
    EXPECT_TRUE(s.Select(99));
    EXPECT_EQ(s.selected, 5);
    EXPECT_GT(s.first, 0);
    EXPECT_LE(s.DrawnRect(5).right, s.leftArrow.left);
    EXPECT_TRUE(s.ShowLeftArrow());
    EXPECT_TRUE(s.Select(-1));
    EXPECT_EQ(s.selected, 0);
    EXPECT_EQ(s.first, 0); // a tab before the first visible one becomes the first
    EXPECT_FALSE(s.Select(0));
    EXPECT_EQ(s.DrawnRect(0).left, 1);
    s.first = 2;
    EXPECT_EQ(s.DrawnRect(2).left, s.tabs[2].rect.left - s.tabs[1].rect.right);
    EXPECT_EQ(s.TabAt({s.DrawnRect(3).left + 2, 30}), 3);
    EXPECT_EQ(s.TabAt({s.DrawnRect(3).left + 2, 5}), -1);
    s.Clear();
    EXPECT_TRUE(s.Select(0));
    EXPECT_EQ(s.selected, -1);
}

class TabCtrlTest : public ControlTest {
protected:
    HWND Make(int tabs, int width = 400)
    {
        HWND tab = host.CreateControl(RKCC2_CLASS_TABCTRL, 0, 150, {0, 0, width, 30});
        for (int i = 0; i < tabs; ++i) {
            const std::wstring text = L"Tab number " + std::to_wstring(i);
            SendMessageW(tab, RKCC2M_TABCTRL_ADDITEM, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        return tab;
    }
    static int Sel(HWND tab) { return static_cast<int>(SendMessageW(tab, RKCC2M_TABCTRL_GETCURSEL, 0, 0)); }
};

TEST_F(TabCtrlTest, AddItem_selectsTheFirstTabOnly)
{
    HWND tab = Make(0);
    EXPECT_EQ(Sel(tab), -1);
    host.Clear();
    SendMessageW(tab, RKCC2M_TABCTRL_ADDITEM, 0, reinterpret_cast<LPARAM>(L"One"));
    SendMessageW(tab, RKCC2M_TABCTRL_ADDITEM, 0, reinterpret_cast<LPARAM>(L"Two"));
    EXPECT_EQ(Sel(tab), 0);
    EXPECT_EQ(host.Count(RKCC2N_TAB_SELCHANGE, 150), 1);
    EXPECT_EQ(SendMessageW(tab, RKCC2M_TABCTRL_GETITEMCOUNT, 0, 0), 2);
}

TEST_F(TabCtrlTest, SetCurSel_clampsAndAnswersThePreviousSelection)
{
    HWND tab = Make(3);
    EXPECT_EQ(SendMessageW(tab, RKCC2M_TABCTRL_SETCURSEL, 9, 0), 0);
    EXPECT_EQ(Sel(tab), 2);
    EXPECT_EQ(SendMessageW(tab, RKCC2M_TABCTRL_SETCURSEL, static_cast<WPARAM>(-1), 0), 2);
    EXPECT_EQ(Sel(tab), 0);
    host.Clear();
    EXPECT_EQ(SendMessageW(tab, RKCC2M_TABCTRL_DELETEALLITEMS, 0, 0), 1);
    EXPECT_EQ(Sel(tab), -1);
    EXPECT_EQ(host.Count(RKCC2N_TAB_SELCHANGE, 150), 1);
    SendMessageW(tab, RKCC2M_TABCTRL_DELETEALLITEMS, 0, 0);
    EXPECT_EQ(host.Count(RKCC2N_TAB_SELCHANGE, 150), 1); // already -1: no notification
}

TEST_F(TabCtrlTest, Click_onTheSelectedTabSendsOnlyTheClick)
{
    HWND tab = Make(2);
    host.Clear();
    SendMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 25));
    EXPECT_EQ(host.Count(RKCC2N_TAB_CLICK, 150), 1);
    EXPECT_EQ(host.Count(RKCC2N_TAB_SELCHANGE), 0);
    EXPECT_EQ(GetFocus(), tab);
    SendMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 2)); // above the tabs
    EXPECT_EQ(host.Count(RKCC2N_TAB_CLICK, 150), 1);
    SendMessageW(tab, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 2));
    SendMessageW(tab, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 2));
    EXPECT_EQ(host.Count(RKCC2N_TAB_DBLCLK, 150), 1);
    EXPECT_EQ(host.Count(RKCC2N_TAB_RCLICK, 150), 1);
}

TEST_F(TabCtrlTest, Keys_stepThroughTheTabs)
{
    HWND tab = Make(3);
    EXPECT_EQ(SendMessageW(tab, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
    Key(tab, VK_RIGHT);
    EXPECT_EQ(Sel(tab), 1);
    Key(tab, VK_END);
    Key(tab, VK_NEXT);
    EXPECT_EQ(Sel(tab), 2);
    Key(tab, VK_HOME);
    Key(tab, VK_UP);
    EXPECT_EQ(Sel(tab), 0);
}

TEST_F(TabCtrlTest, Colours_areStoredWithoutRepaintAndBadIndexesRefused)
{
    HWND tab = Make(1);
    EXPECT_EQ(SendMessageW(tab, RKCC2M_TABCTRL_SETFILLCOLOR, 0, RGB(1, 2, 3)),
              static_cast<LRESULT>(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(SendMessageW(tab, RKCC2M_TABCTRL_GETFILLCOLOR, 0, 0), RGB(1, 2, 3));
    EXPECT_EQ(SendMessageW(tab, RKCC2M_TABCTRL_SETFILLCOLOR, 3, 0), -1);
    EXPECT_EQ(SendMessageW(tab, RKCC2M_TABCTRL_GETTEXTCOLOR, 2, 0), static_cast<LRESULT>(GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(SendMessageW(tab, RKCC2M_TABCTRL_GETTEXTCOLOR, 3, 0), -1);
    UpdateWindow(tab);
}

TEST_F(TabCtrlTest, Overflow_arrowsScrollWithoutChangingTheSelection)
{
    HWND tab = Make(6, 200);
    HWND left = GetDlgItem(tab, 100);
    HWND right = GetDlgItem(tab, 101);
    EXPECT_FALSE(GetWindowLongPtrW(left, GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(GetWindowLongPtrW(right, GWL_STYLE) & WS_VISIBLE);
    SendMessageW(right, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(right, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(GetWindowLongPtrW(left, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(Sel(tab), 0);
    SendMessageW(left, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(left, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_FALSE(GetWindowLongPtrW(left, GWL_STYLE) & WS_VISIBLE); // back at the first tab
    SendMessageW(tab, RKCC2M_TABCTRL_SETCURSEL, 5, 0);
    EXPECT_TRUE(GetWindowLongPtrW(left, GWL_STYLE) & WS_VISIBLE); // scrolled to show the last tab
}

} // namespace
