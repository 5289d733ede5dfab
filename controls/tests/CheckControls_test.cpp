// The check list, check tree, check group and options tree.
#include "ControlTestEnv.h"

#include "RKComControls2.h"
#include "base/Fonts.h"
#include "checks/CheckGroup.h"

#include <commctrl.h>

#include <cstring>

using namespace testenv;

namespace {

class CheckListTest : public ControlTest {
protected:
    HWND Make() { return host.CreateControl(RKCC2_CLASS_CHECKLISTBOX, 0, 100, {0, 0, 200, 150}); }
    static HWND List(HWND ctrl) { return reinterpret_cast<HWND>(SendMessageW(ctrl, RKCC2M_CHECKLISTBOX_GETINNERCTRL, 0, 0)); }
    static int Check(HWND ctrl, int i) { return static_cast<int>(SendMessageW(ctrl, RKCC2M_CHECKLISTBOX_GETCHECK, i, 0)); }
    static void Click(HWND list, int index, int x)
    {
        RECT r{};
        SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        const LPARAM at = MAKELPARAM(r.left + x, (r.top + r.bottom) / 2);
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(list, WM_LBUTTONUP, 0, at);
    }
};

TEST_F(CheckListTest, AddString_setsTheCheckAndLeavesTheItemDataToTheHost)
{
    HWND ctrl = Make();
    ASSERT_TRUE(ctrl);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKLISTBOX_ADDSTRING, 1, reinterpret_cast<LPARAM>(L"alpha")), 0);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKLISTBOX_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"beta")), 1);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKLISTBOX_ADDSTRING, 1, 0), LB_ERR);
    HWND list = List(ctrl);
    SendMessageW(list, LB_SETITEMDATA, 1, 4711);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 1, 0), 4711);
    EXPECT_EQ(Check(ctrl, 0), 1);
    EXPECT_EQ(Check(ctrl, 1), 0);
    EXPECT_EQ(Check(ctrl, 2), -1);
    SendMessageW(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(L"first"));
    EXPECT_EQ(Check(ctrl, 1), 1); // the checks move with their items
    SendMessageW(list, LB_DELETESTRING, 1, 0);
    EXPECT_EQ(Check(ctrl, 0), 0);
    EXPECT_EQ(Check(ctrl, 1), 0);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKLISTBOX_SETCHECK, 5, 1), -1);
}

TEST_F(CheckListTest, ListBoxMessages_sentToTheControlReachTheInnerList)
{
    HWND ctrl = Make();
    SendMessageW(ctrl, RKCC2M_CHECKLISTBOX_ADDSTRING, 1, reinterpret_cast<LPARAM>(L"old"));
    // The viewer fills its resource list this way.
    SendMessageW(ctrl, LB_RESETCONTENT, 0, 0);
    const LRESULT index = SendMessageW(ctrl, RKCC2M_CHECKLISTBOX_ADDSTRING, TRUE, reinterpret_cast<LPARAM>(L"Anna"));
    ASSERT_EQ(index, 0);
    EXPECT_EQ(SendMessageW(ctrl, LB_SETITEMDATA, 0, 1234), TRUE);
    SendMessageW(ctrl, LB_SETCURSEL, 0, 0);
    EXPECT_EQ(SendMessageW(List(ctrl), LB_GETITEMDATA, 0, 0), 1234);
    EXPECT_EQ(SendMessageW(List(ctrl), LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageW(ctrl, LB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(Check(ctrl, 0), 1);
}

TEST_F(CheckListTest, ClickOnTheText_togglesTheItem)
{
    HWND ctrl = Make();
    for (const wchar_t* text : {L"one", L"two", L"three"})
        SendMessageW(ctrl, RKCC2M_CHECKLISTBOX_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    HWND list = List(ctrl);
    Click(list, 1, 60);
    EXPECT_EQ(Check(ctrl, 1), 1);
    Click(list, 1, 60);
    EXPECT_EQ(Check(ctrl, 1), 0);
    Click(list, 2, 6); // on the box
    EXPECT_EQ(Check(ctrl, 2), 1);
    EXPECT_EQ(Check(ctrl, 0), 0);
    Key(list, VK_SPACE);
    EXPECT_EQ(Check(ctrl, 2), 0);
}

TEST_F(CheckListTest, Buttons_checkAndUncheckEveryItem)
{
    HWND ctrl = Make();
    for (const wchar_t* text : {L"one", L"two", L"three"})
        SendMessageW(ctrl, RKCC2M_CHECKLISTBOX_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    HWND selectAll = reinterpret_cast<HWND>(SendMessageW(ctrl, RKCC2M_CHECKLISTBOX_GETBUTTON, 0, 0));
    HWND none = reinterpret_cast<HWND>(SendMessageW(ctrl, RKCC2M_CHECKLISTBOX_GETBUTTON, 1, 0));
    EXPECT_EQ(TextOf(selectAll), L"&Select All"); // S and E are their access keys
    EXPECT_EQ(TextOf(none), L"Non&e");
    SendMessageW(selectAll, BM_CLICK, 0, 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Check(ctrl, i), 1);
    EXPECT_EQ(GetFocus(), List(ctrl));
    SendMessageW(none, BM_CLICK, 0, 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Check(ctrl, i), 0);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKLISTBOX_CHECKALL, 7, 0), 1); // other values do nothing
    EXPECT_EQ(Check(ctrl, 0), 0);
}

TEST_F(CheckListTest, Layout_buttonsShareTheBottomRow)
{
    HWND ctrl = Make();
    HWND none = reinterpret_cast<HWND>(SendMessageW(ctrl, RKCC2M_CHECKLISTBOX_GETBUTTON, 1, 0));
    RECT r{};
    GetWindowRect(none, &r);
    MapWindowPoints(nullptr, ctrl, reinterpret_cast<POINT*>(&r), 2);
    const int b = rkcc::DialogBaseUnits(rkcc::FontOf(host.Hwnd())).cy * 10 / 8;
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 150 - b);
    EXPECT_EQ(r.bottom, 150);
    EnableWindow(ctrl, FALSE);
    EXPECT_FALSE(IsWindowEnabled(none));
    EXPECT_FALSE(IsWindowEnabled(List(ctrl)));
}

// ---- check tree ----

class CheckTreeTest : public ControlTest {
protected:
    HWND Make()
    {
        HWND ctrl = host.CreateControl(RKCC2_CLASS_CHECKTREE, 0, 110, {0, 0, 200, 200});
        tree = reinterpret_cast<HWND>(SendMessageW(ctrl, RKCC2M_CHECKTREE_GETINNERCTRL, 0, 0));
        return ctrl;
    }
    HTREEITEM Insert(HWND ctrl, HTREEITEM parent, const wchar_t* text, int state = 1)
    {
        TVINSERTSTRUCTW ins{};
        ins.hParent = parent;
        ins.hInsertAfter = TVI_LAST;
        ins.item.mask = TVIF_TEXT | TVIF_STATE;
        ins.item.pszText = const_cast<wchar_t*>(text);
        ins.item.state = INDEXTOSTATEIMAGEMASK(state);
        ins.item.stateMask = TVIS_STATEIMAGEMASK;
        return reinterpret_cast<HTREEITEM>(
            SendMessageW(ctrl, RKCC2M_CHECKTREE_INSERTITEM, 0, reinterpret_cast<LPARAM>(&ins)));
    }
    int State(HTREEITEM item) const
    {
        return static_cast<int>(TreeView_GetItemState(tree, item, TVIS_STATEIMAGEMASK) >> 12);
    }
    HWND tree = nullptr;
};

TEST_F(CheckTreeTest, CheckingALeaf_marksItsAncestorsAndUncheckingClearsThem)
{
    HWND ctrl = Make();
    HTREEITEM a = Insert(ctrl, TVI_ROOT, L"a");
    HTREEITEM b = Insert(ctrl, a, L"b", 2); // checked itself
    HTREEITEM c = Insert(ctrl, b, L"c");
    HTREEITEM c2 = Insert(ctrl, b, L"c2");
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKTREE_SETCHECK, RKCC2_CHECKTREE_CHECK, reinterpret_cast<LPARAM>(c)), 1);
    EXPECT_EQ(State(c), 2);
    EXPECT_EQ(State(b), 4); // checked ancestor: 4
    EXPECT_EQ(State(a), 3); // unchecked ancestor: 3
    SendMessageW(ctrl, RKCC2M_CHECKTREE_SETCHECK, RKCC2_CHECKTREE_CHECK, reinterpret_cast<LPARAM>(c2));
    SendMessageW(ctrl, RKCC2M_CHECKTREE_SETCHECK, RKCC2_CHECKTREE_UNCHECK, reinterpret_cast<LPARAM>(c));
    EXPECT_EQ(State(c), 1);
    EXPECT_EQ(State(b), 4); // c2 still checked: the walk stops at b
    SendMessageW(ctrl, RKCC2M_CHECKTREE_SETCHECK, RKCC2_CHECKTREE_TOGGLE, reinterpret_cast<LPARAM>(c2));
    EXPECT_EQ(State(c2), 1);
    EXPECT_EQ(State(b), 2);
    EXPECT_EQ(State(a), 3); // b is checked itself, so a keeps its mark
    SendMessageW(ctrl, RKCC2M_CHECKTREE_SETCHECK, RKCC2_CHECKTREE_UNCHECK, reinterpret_cast<LPARAM>(b));
    EXPECT_EQ(State(b), 1);
    EXPECT_EQ(State(a), 1);
}

TEST_F(CheckTreeTest, CheckOnAMarkedCheckedItem_changesNothing)
{
    HWND ctrl = Make();
    HTREEITEM a = Insert(ctrl, TVI_ROOT, L"a");
    HTREEITEM b = Insert(ctrl, a, L"b", 4);
    SendMessageW(ctrl, RKCC2M_CHECKTREE_SETCHECK, RKCC2_CHECKTREE_CHECK, reinterpret_cast<LPARAM>(b));
    EXPECT_EQ(State(b), 4);
    EXPECT_EQ(State(a), 1); // the ancestors were not touched
    HTREEITEM none = Insert(ctrl, a, L"no box", 0);
    SendMessageW(ctrl, RKCC2M_CHECKTREE_SETCHECK, RKCC2_CHECKTREE_TOGGLE, reinterpret_cast<LPARAM>(none));
    EXPECT_EQ(State(none), 0);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKTREE_SETCHECK, 0, 0), 0);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKTREE_SETCHECK, 9, reinterpret_cast<LPARAM>(b)), -1);
}

TEST_F(CheckTreeTest, RemarkAll_rebuildsTheMarksFromTheChildren)
{
    HWND ctrl = Make();
    HTREEITEM a = Insert(ctrl, TVI_ROOT, L"a", 3); // marked without reason
    HTREEITEM b = Insert(ctrl, TVI_ROOT, L"b");
    Insert(ctrl, a, L"a1");
    Insert(ctrl, b, L"b1", 2);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKTREE_REMARKALL, 0, 0), 1);
    EXPECT_EQ(State(a), 1);
    EXPECT_EQ(State(b), 3);
}

TEST_F(CheckTreeTest, FirstChecked_skipsTheSubtreeOfAnUnmarkedItemWithASibling)
{
    HWND ctrl = Make();
    HTREEITEM r1 = Insert(ctrl, TVI_ROOT, L"r1"); // unmarked, though its child is checked
    Insert(ctrl, r1, L"x", 2);
    HTREEITEM r2 = Insert(ctrl, TVI_ROOT, L"r2", 3);
    HTREEITEM y = Insert(ctrl, r2, L"y", 2);
    HTREEITEM z = Insert(ctrl, r2, L"z", 4);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKTREE_GETFIRSTCHECKED, 0, 0), reinterpret_cast<LRESULT>(y));
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKTREE_GETNEXTCHECKED, 0, reinterpret_cast<LPARAM>(y)),
              reinterpret_cast<LRESULT>(z));
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKTREE_GETNEXTCHECKED, 0, reinterpret_cast<LPARAM>(z)), 0);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKTREE_GETNEXTCHECKED, 0, 0), 0);
}

TEST_F(CheckTreeTest, Search_looksUnderHeadingsWithoutACheckBox)
{
    HWND ctrl = Make();
    HTREEITEM heading = Insert(ctrl, TVI_ROOT, L"heading", 0);
    HTREEITEM x = Insert(ctrl, heading, L"x", 2);
    HTREEITEM second = Insert(ctrl, TVI_ROOT, L"second heading", 0);
    HTREEITEM sub = Insert(ctrl, second, L"sub-heading", 0);
    HTREEITEM w = Insert(ctrl, sub, L"w", 4);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKTREE_GETFIRSTCHECKED, 0, 0), reinterpret_cast<LRESULT>(x));
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKTREE_GETNEXTCHECKED, 0, reinterpret_cast<LPARAM>(x)),
              reinterpret_cast<LRESULT>(w));
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKTREE_GETNEXTCHECKED, 0, reinterpret_cast<LPARAM>(w)), 0);
}

TEST_F(CheckTreeTest, UserToggles_withTheStateIconOrSpaceAndTheDialogHearsNothing)
{
    HWND ctrl = Make();
    HTREEITEM a = Insert(ctrl, TVI_ROOT, L"alpha");
    HTREEITEM b = Insert(ctrl, TVI_ROOT, L"beta");
    RECT text{};
    std::memcpy(&text, &a, sizeof a); // the tree reads the item from the rectangle
    SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text));
    const LPARAM icon = MAKELPARAM(text.left - 8, (text.top + text.bottom) / 2);
    host.Clear();
    SendMessageW(tree, WM_LBUTTONDOWN, MK_LBUTTON, icon);
    SendMessageW(tree, WM_LBUTTONUP, 0, icon);
    EXPECT_EQ(State(a), 2);
    TreeView_SelectItem(tree, b);
    Key(tree, VK_SPACE);
    EXPECT_EQ(State(b), 2);
    EXPECT_EQ(host.Count(0xFE3D), 0);
    EXPECT_TRUE(host.notifications.empty());
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKTREE_EXPANDALL, 1, 0), 1);
}

// ---- check group ----

class CheckGroupTest : public ControlTest {
protected:
    HWND Make(int items)
    {
        HWND ctrl = host.CreateControl(RKCC2_CLASS_CHECKGROUP, 0, 120, {0, 0, 300, 40});
        for (int i = 0; i < items; ++i) {
            const std::wstring text = L"item" + std::to_wstring(i);
            SendMessageW(ctrl, RKCC2M_CHECKGROUP_ADDITEM, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        return ctrl;
    }
    static int Get(HWND ctrl, UINT msg, WPARAM index = 0) { return static_cast<int>(SendMessageW(ctrl, msg, index, 0)); }
};

TEST_F(CheckGroupTest, Items_textsChecksAndBadIndexes)
{
    HWND ctrl = Make(0);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETFOCUSITEM), -1);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKGROUP_ADDITEM, 0, reinterpret_cast<LPARAM>(L"Mon")), 0);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKGROUP_ADDITEM, 0, reinterpret_cast<LPARAM>(L"Tue")), 1);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETCOUNT), 2);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETFOCUSITEM), 0);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETTEXTLEN, 1), 3);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKGROUP_GETTEXT, 1, 0), 3);
    wchar_t buffer[4] = {L'x', L'x', L'x', L'x'};
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKGROUP_GETTEXT, 1, reinterpret_cast<LPARAM>(buffer)), 3);
    EXPECT_EQ(std::wstring(buffer), L"Tue");
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKGROUP_GETTEXT, 2, reinterpret_cast<LPARAM>(buffer)), -1);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKGROUP_SETCHECK, 1, 7), 1);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETCHECK, 1), 7);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKGROUP_SETCHECK, 2, 1), -1);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_SETFOCUSITEM, 5), -1);
    COLORREF red = RGB(255, 0, 0);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKGROUP_SETITEMCOLOR, 0, reinterpret_cast<LPARAM>(&red)),
              static_cast<LRESULT>(GetSysColor(COLOR_WINDOWTEXT)));
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_CHECKGROUP_SETITEMCOLOR, 0, 0), -1);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_RESETCONTENT), 0);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETCOUNT), 0);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETFOCUSITEM), -1);
}

TEST_F(CheckGroupTest, Mouse_focusesAndTogglesTheColumnUnlessDisabled)
{
    HWND ctrl = Make(3);
    SendMessageW(ctrl, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 30)); // column 1
    EXPECT_EQ(GetFocus(), ctrl);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETFOCUSITEM), 1);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETCHECK, 1), 1);
    SendMessageW(ctrl, RKCC2M_CHECKGROUP_SETENABLED, 2, 0);
    SendMessageW(ctrl, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(299, 30));
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETFOCUSITEM), 2);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETCHECK, 2), 0);
}

TEST_F(CheckGroupTest, Keys_moveTheFocusAroundAndSpaceToggles)
{
    HWND ctrl = Make(3);
    EXPECT_EQ(Get(ctrl, WM_GETDLGCODE), 0x81);
    Key(ctrl, VK_LEFT);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETFOCUSITEM), 2); // wraps to the last
    Key(ctrl, VK_UP);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETFOCUSITEM), 0);
    Key(ctrl, VK_END);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETFOCUSITEM), 2);
    Key(ctrl, VK_HOME);
    Key(ctrl, VK_SPACE);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETCHECK, 0), 1);
}

TEST_F(CheckGroupTest, ClearAll_leavesDisabledItemsChecked)
{
    HWND ctrl = Make(3);
    for (int i = 0; i < 3; ++i)
        SendMessageW(ctrl, RKCC2M_CHECKGROUP_SETCHECK, i, 1);
    SendMessageW(ctrl, RKCC2M_CHECKGROUP_SETENABLED, 1, 0);
    SendMessageW(ctrl, WM_COMMAND, 32772, 0);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETCHECK, 0), 0);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETCHECK, 1), 1);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETCHECK, 2), 0);
}

bool IsPopupMenu(HWND hwnd)
{
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    return std::wstring(name) == L"#32768" && IsWindowVisible(hwnd);
}

TEST_F(CheckGroupTest, ContextMenu_selectAllFromTheKeyboard)
{
    HWND ctrl = Make(2);
    SendMessageW(ctrl, RKCC2M_CHECKGROUP_SETENABLED, 1, 0);
    const size_t run = RunWithModal([ctrl] { SendMessageW(ctrl, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(ctrl), -1); },
                                    {[](HWND menu) {
                                        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
                                        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
                                    }},
                                    &IsPopupMenu);
    EXPECT_EQ(run, 1u);
    Pump();
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETCHECK, 0), 1);
    EXPECT_EQ(Get(ctrl, RKCC2M_CHECKGROUP_GETCHECK, 1), 0); // disabled: unchanged
}

TEST_F(CheckGroupTest, CellGeometry_columnsCaptionsAndBoxes)
{
    const rkcc::CheckGroupCell cell = rkcc::CheckGroupCellOf(1, 3, 100, 41);
    EXPECT_EQ(cell.column.left, 33);
    EXPECT_EQ(cell.column.right, 66);
    EXPECT_EQ(cell.caption.bottom, 20);
    EXPECT_EQ(cell.box.left, 33 + 11);  // trunc((33.33 - 11) / 2)
    EXPECT_EQ(cell.box.top, 20 + 4);    // trunc((20.5 - 11) / 2)
    EXPECT_EQ(cell.mark.x, 33 + 12);    // (33 - 9) / 2
    EXPECT_EQ(cell.mark.y, 20 + 6);     // (21 - 9) / 2
}

// ---- options tree ----

class OptionsTreeTest : public ControlTest {
protected:
    HWND Make()
    {
        HWND ctrl = host.CreateControl(RKCC2_CLASS_OPTIONSTREE, 0, 130, {0, 0, 200, 200});
        tree = reinterpret_cast<HWND>(SendMessageW(ctrl, RKCC2M_OPTIONSTREE_GETINNERCTRL, 0, 0));
        return ctrl;
    }
    HTREEITEM Add(HWND ctrl, UINT msg, HTREEITEM parent, const wchar_t* text, BOOL flag)
    {
        OptionsTreeItem item{text, parent, flag};
        return reinterpret_cast<HTREEITEM>(SendMessageW(ctrl, msg, 0, reinterpret_cast<LPARAM>(&item)));
    }
    int Image(HTREEITEM item) const
    {
        TVITEMW tv{};
        tv.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_PARAM;
        tv.hItem = item;
        TreeView_GetItem(tree, &tv);
        EXPECT_EQ(tv.lParam, 0);
        return tv.iImage;
    }
    void SetImage(HTREEITEM item, int image)
    {
        TVITEMW tv{};
        tv.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        tv.hItem = item;
        tv.iImage = tv.iSelectedImage = image;
        TreeView_SetItem(tree, &tv);
    }
    void ClickLabel(HTREEITEM item)
    {
        RECT text{};
        std::memcpy(&text, &item, sizeof item);
        SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text));
        const LPARAM at = MAKELPARAM(text.left + 3, (text.top + text.bottom) / 2);
        // The tree view waits for the release inside its button-down handling (drag detection):
        // the release must be queued first.
        PostMessageW(tree, WM_LBUTTONUP, 0, at);
        SendMessageW(tree, WM_LBUTTONDOWN, MK_LBUTTON, at);
        Pump();
    }
    HWND tree = nullptr;
};

TEST_F(OptionsTreeTest, ChecksAndRadios_fromMessagesAndClicks)
{
    HWND ctrl = Make();
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_OPTIONSTREE_SETCHECK, 1, 0), 1); // empty tree
    HTREEITEM root = reinterpret_cast<HTREEITEM>(
        SendMessageW(ctrl, RKCC2M_OPTIONSTREE_ADDROOT, 8, reinterpret_cast<LPARAM>(L"Heading")));
    HTREEITEM check = Add(ctrl, RKCC2M_OPTIONSTREE_ADDCHECK, root, L"check", TRUE);
    HTREEITEM group = reinterpret_cast<HTREEITEM>(
        SendMessageW(ctrl, RKCC2M_OPTIONSTREE_ADDROOT, 8, reinterpret_cast<LPARAM>(L"Group")));
    HTREEITEM r0 = Add(ctrl, RKCC2M_OPTIONSTREE_ADDRADIO, group, L"r0", FALSE);
    HTREEITEM r1 = Add(ctrl, RKCC2M_OPTIONSTREE_ADDRADIO, group, L"r1", TRUE);
    HTREEITEM r2 = Add(ctrl, RKCC2M_OPTIONSTREE_ADDRADIO, group, L"r2", FALSE);
    TreeView_Expand(tree, root, TVE_EXPAND);
    TreeView_Expand(tree, group, TVE_EXPAND);
    EXPECT_EQ(Image(root), 8);
    EXPECT_EQ(Image(check), 1);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_OPTIONSTREE_GETCHECK, 0, reinterpret_cast<LPARAM>(check)), 1);
    EXPECT_EQ(Image(r1), 3);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_OPTIONSTREE_GETRADIO, 0, reinterpret_cast<LPARAM>(group)), 1);
    ClickLabel(check);
    EXPECT_EQ(Image(check), 0);
    ClickLabel(r2);
    EXPECT_EQ(Image(r2), 3);
    EXPECT_EQ(Image(r1), 2);
    ClickLabel(r2); // a selected radio stays selected
    EXPECT_EQ(Image(r2), 3);
    TreeView_SelectItem(tree, r0);
    SendMessageW(tree, WM_CHAR, L' ', 0);
    EXPECT_EQ(Image(r0), 3);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_OPTIONSTREE_SETCHECK, 1, reinterpret_cast<LPARAM>(check)), 1);
    EXPECT_EQ(Image(check), 1);
}

TEST_F(OptionsTreeTest, RadioGroups_allOffAnswerMinusOneAndInactiveItemsIgnoreClicks)
{
    HWND ctrl = Make();
    HTREEITEM group = reinterpret_cast<HTREEITEM>(
        SendMessageW(ctrl, RKCC2M_OPTIONSTREE_ADDROOT, 8, reinterpret_cast<LPARAM>(L"Group")));
    HTREEITEM r0 = Add(ctrl, RKCC2M_OPTIONSTREE_ADDRADIO, group, L"r0", FALSE);
    HTREEITEM r1 = Add(ctrl, RKCC2M_OPTIONSTREE_ADDRADIO, group, L"r1", FALSE);
    TreeView_Expand(tree, group, TVE_EXPAND);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_OPTIONSTREE_GETRADIO, 0, reinterpret_cast<LPARAM>(group)), -1);
    SetImage(r1, 6);
    ClickLabel(r1);
    EXPECT_EQ(Image(r1), 6);
    SetImage(r1, 7); // an inactive radio that is on counts as the group's choice
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_OPTIONSTREE_GETRADIO, 0, reinterpret_cast<LPARAM>(group)), 1);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_OPTIONSTREE_SETRADIO, 0, reinterpret_cast<LPARAM>(group)), 1);
    EXPECT_EQ(Image(r0), 3);
    EXPECT_EQ(Image(r1), 6); // still a radio, switched off
}

TEST_F(OptionsTreeTest, ChoosingARadio_leavesTheCheckItemsOfItsGroupAlone)
{
    HWND ctrl = Make();
    HTREEITEM group = reinterpret_cast<HTREEITEM>(
        SendMessageW(ctrl, RKCC2M_OPTIONSTREE_ADDROOT, 8, reinterpret_cast<LPARAM>(L"Group")));
    HTREEITEM r0 = Add(ctrl, RKCC2M_OPTIONSTREE_ADDRADIO, group, L"r0", FALSE);
    HTREEITEM on = Add(ctrl, RKCC2M_OPTIONSTREE_ADDCHECK, group, L"on", TRUE);
    HTREEITEM off = Add(ctrl, RKCC2M_OPTIONSTREE_ADDCHECK, group, L"off", FALSE);
    HTREEITEM fixed = Add(ctrl, RKCC2M_OPTIONSTREE_ADDCHECK, group, L"fixed", FALSE);
    HTREEITEM r1 = Add(ctrl, RKCC2M_OPTIONSTREE_ADDRADIO, group, L"r1", FALSE);
    SetImage(fixed, 5); // a check item the user cannot change, on
    SetImage(r1, 7);    // an inactive radio, on
    TreeView_Expand(tree, group, TVE_EXPAND);
    ClickLabel(r0);
    EXPECT_EQ(Image(r0), 3);
    EXPECT_EQ(Image(on), 1);
    EXPECT_EQ(Image(off), 0);
    EXPECT_EQ(Image(fixed), 5);
    EXPECT_EQ(Image(r1), 6); // the other radio goes off and stays inactive
    SendMessageW(ctrl, RKCC2M_OPTIONSTREE_SETRADIO, 4, reinterpret_cast<LPARAM>(group));
    EXPECT_EQ(Image(r1), 3);
    EXPECT_EQ(Image(r0), 2);
    EXPECT_EQ(SendMessageW(ctrl, RKCC2M_OPTIONSTREE_GETCHECK, 0, reinterpret_cast<LPARAM>(on)), 1);
    EXPECT_EQ(Image(off), 0);
    EXPECT_EQ(Image(fixed), 5);
}

} // namespace
