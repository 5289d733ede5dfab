// The sortable list: the caption's arrows, Alt with the arrow keys, and dragging.
#include "ControlTestEnv.h"

#include "RKComControls2.h"
#include "base/Fonts.h"

#include <commctrl.h>

using namespace testenv;

namespace {

class SortListTest : public ControlTest {
protected:
    HWND Make()
    {
        ctrl = host.CreateControl(RKCC2_CLASS_SORTLISTBOX, 0, 180, {0, 0, 200, 150});
        list = reinterpret_cast<HWND>(SendMessageW(ctrl, RKCC2M_SORTLISTBOX_GETINNERCTRL, 0, 0));
        for (int i = 0; i < 3; ++i) {
            const std::wstring text = L"key" + std::to_wstring(i);
            const LRESULT index = SendMessageW(ctrl, RKCC2M_SORTLISTBOX_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
            SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(index), 100 + i);
        }
        strip = GetDlgItem(ctrl, 100);
        return ctrl;
    }
    std::wstring Order() const
    {
        std::wstring order;
        const auto n = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i)
            order += std::to_wstring(SendMessageW(list, LB_GETITEMDATA, i, 0) - 100);
        return order;
    }
    int Selection() const { return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }
    void PressArrow(int id)
    {
        HWND arrow = GetDlgItem(strip, id);
        SendMessageW(arrow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(arrow, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    LRESULT Drag(UINT code, int overItem)
    {
        RECT r{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(overItem), reinterpret_cast<LPARAM>(&r));
        POINT pt{r.left + 10, (r.top + r.bottom) / 2};
        ClientToScreen(list, &pt);
        DRAGLISTINFO info{code, list, pt};
        return SendMessageW(ctrl, RegisterWindowMessageW(DRAGLISTMSGSTRING), 180, reinterpret_cast<LPARAM>(&info));
    }
    HWND ctrl = nullptr;
    HWND list = nullptr;
    HWND strip = nullptr;
};

TEST_F(SortListTest, Arrows_moveTheSelectedItemButNotPastTheEnds)
{
    Make();
    EXPECT_EQ(Order(), L"012");
    PressArrow(100); // nothing selected
    EXPECT_EQ(Order(), L"012");
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    PressArrow(100);
    EXPECT_EQ(Order(), L"012");
    PressArrow(101);
    EXPECT_EQ(Order(), L"102");
    EXPECT_EQ(Selection(), 1);
    EXPECT_EQ(GetFocus(), list);
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    PressArrow(101);
    EXPECT_EQ(Order(), L"102");
    wchar_t text[8] = {};
    SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"key1"); // texts move with their data
}

TEST_F(SortListTest, AltDown_movesTheSelectionDownAndKeepsItSelected)
{
    Make();
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    SendMessageW(list, WM_SYSKEYDOWN, VK_DOWN, KF_ALTDOWN << 16);
    EXPECT_EQ(Order(), L"102");
    EXPECT_EQ(Selection(), 1);
    SendMessageW(list, WM_SYSKEYDOWN, VK_LEFT, KF_ALTDOWN << 16);
    EXPECT_EQ(Order(), L"012");
    EXPECT_EQ(Selection(), 0);
}

TEST_F(SortListTest, Dragging_ontoThePlaceholderMovesToTheEnd)
{
    Make();
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    EXPECT_EQ(Drag(DL_BEGINDRAG, 1), TRUE);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 4); // the blank line to drop after the last item
    EXPECT_EQ(Drag(DL_DRAGGING, 3), DL_MOVECURSOR);
    Drag(DL_DROPPED, 3);
    EXPECT_EQ(Order(), L"021");
    EXPECT_EQ(Selection(), 2);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
}

TEST_F(SortListTest, Dragging_ontoTheItemBelowOrACancelChangesNothing)
{
    Make();
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    Drag(DL_BEGINDRAG, 1);
    Drag(DL_DRAGGING, 2);
    Drag(DL_DROPPED, 2);
    EXPECT_EQ(Order(), L"012");
    Drag(DL_BEGINDRAG, 1);
    Drag(DL_DRAGGING, 0);
    Drag(DL_CANCELDRAG, 0);
    EXPECT_EQ(Order(), L"012");
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    Drag(DL_BEGINDRAG, 2);
    Drag(DL_DROPPED, 0);
    EXPECT_EQ(Order(), L"201");
}

TEST_F(SortListTest, Caption_andLayout)
{
    Make();
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_SORTLISTBOX_SETCAPTION, 0, reinterpret_cast<LPARAM>(L"Sort by")), 1);
    EXPECT_EQ(TextOf(strip), L"Sort by");
    RECT r{};
    GetWindowRect(strip, &r);
    const TEXTMETRICW tm = rkcc::FontMetrics(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    EXPECT_EQ(r.bottom - r.top, (tm.tmHeight + tm.tmExternalLeading) * 175 / 100);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_SORTLISTBOX_ADDSTRING, 0, 0), LB_ERR);
    SetFocus(ctrl);
    EXPECT_EQ(GetFocus(), list);
    UpdateWindow(ctrl);
}

} // namespace
