// The assignment grid: its model without a window, then the window's messages, keys and editor.
#include "ControlTestEnv.h"

#include "RKComControls2.h"
#include "grid/AssignGridModel.h"

using namespace testenv;

namespace {

rkcc::CAssignGridModel ModelWithRows(int rows, int clientHeight)
{
    rkcc::CAssignGridModel m;
    m.rowHeight = 20;
    m.clientHeight = clientHeight;
    for (int i = 0; i < rows; ++i)
        m.AddRow({L"row" + std::to_wstring(i), 0, -1, 0, 0});
    return m;
}

TEST(AssignGridModel, ScrollRange_onlyWhenTheRowsDoNotFit)
{
    EXPECT_EQ(ModelWithRows(4, 100).ScrollMax(), 0);  // 80 below a header of 20
    EXPECT_EQ(ModelWithRows(5, 100).ScrollMax(), 99); // 100 > 80: height x rows - 1
    EXPECT_EQ(ModelWithRows(5, 100).Page(), 80);
}

TEST(AssignGridModel, VisibleRowsAndRowsAtPoints)
{
    rkcc::CAssignGridModel m = ModelWithRows(10, 100);
    EXPECT_EQ(m.FirstVisible(), 0);
    EXPECT_EQ(m.LastVisible(), 4);
    EXPECT_EQ(m.RowAt(10), -1); // the header
    EXPECT_EQ(m.RowAt(20), 0);
    EXPECT_EQ(m.RowAt(99), 3);
    m.scroll = 30;
    EXPECT_EQ(m.FirstVisible(), 2); // the first row whose top is at or after the position
    EXPECT_EQ(m.RowAt(25), 2);
    rkcc::CAssignGridModel two = ModelWithRows(2, 200);
    EXPECT_EQ(two.RowAt(70), -1); // below the last row
}

TEST(AssignGridModel, ScrollIntoView_andScrollRequests)
{
    rkcc::CAssignGridModel m = ModelWithRows(10, 100);
    m.ScrollIntoView(7);
    EXPECT_GE(m.LastVisible(), 7);
    EXPECT_LE(m.FirstVisible(), 7);
    m.ScrollIntoView(1);
    EXPECT_EQ(m.FirstVisible(), 1);
    EXPECT_TRUE(m.OnVScroll(SB_TOP, 0));
    EXPECT_EQ(m.scroll, 0);
    EXPECT_FALSE(m.OnVScroll(SB_LINEUP, 0)); // already at the top
    EXPECT_TRUE(m.OnVScroll(SB_PAGEDOWN, 0));
    EXPECT_EQ(m.scroll, 80);
    EXPECT_TRUE(m.OnVScroll(SB_BOTTOM, 0));
    EXPECT_EQ(m.scroll, 120); // 200 of rows less a page of 80: the last row at the bottom
    EXPECT_EQ(m.FirstVisible(), 6);
    EXPECT_FALSE(m.OnVScroll(SB_LINEDOWN, 0));
    EXPECT_TRUE(m.OnVScroll(SB_THUMBTRACK, 45));
    EXPECT_EQ(m.scroll, 45);
    EXPECT_TRUE(m.OnVScroll(SB_THUMBTRACK, 5000));
    EXPECT_EQ(m.scroll, 120);
}

class AssignGridTest : public ControlTest {
protected:
    HWND Make()
    {
        grid = host.CreateControl(RKCC2_CLASS_ASSIGNGRID, 0, 140, {0, 0, 300, 120});
        AssignGridColumn left{150, L"Field"};
        SendMessageW(grid, RKCC2M_ASSIGNGRID_SETCOLUMN, 0, reinterpret_cast<LPARAM>(&left));
        return grid;
    }
    LRESULT AddRow(const wchar_t* name, int choice = -1, int data1 = 0)
    {
        AssignGridRow row{name, 0, choice, 0, data1, 0};
        return SendMessageW(grid, RKCC2M_ASSIGNGRID_ADDROW, 0, reinterpret_cast<LPARAM>(&row));
    }
    LRESULT AddChoice(const wchar_t* text) { return SendMessageW(grid, RKCC2M_ASSIGNGRID_ADDCHOICE, 0, reinterpret_cast<LPARAM>(text)); }
    int Choice(int row) const { return static_cast<int>(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETROWCHOICE, row, 0)); }
    HWND Editor() const { return FindWindowExW(grid, nullptr, L"ComboBox", nullptr); }
    HWND grid = nullptr;
};

TEST_F(AssignGridTest, Rows_theFirstBecomesCurrentAndBadRowsAreRefused)
{
    Make();
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETCURSEL, 0, 0), -1);
    EXPECT_EQ(AddRow(L"a"), 1);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_SETCURSEL, 0, 0), 0);
    AddRow(L"b");
    SendMessageW(grid, RKCC2M_ASSIGNGRID_SETCURSEL, 1, 0);
    AddRow(L"c");
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(AddRow(L"bad choice", 0), -1); // there are no choices yet
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_ADDROW, 0, 0), -1);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETROWCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_SETCURSEL, 3, 0), -1);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETROWTEXTLEN, static_cast<WPARAM>(-1), 0), -1);
    wchar_t name[2] = {};
    AssignGridRow out{name, 2, 0, 0, 0, 0};
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETROW, 2, reinterpret_cast<LPARAM>(&out)), 1);
    EXPECT_EQ(std::wstring(name), L"c"); // cut to the buffer
    out.length = 0;
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETROW, 2, reinterpret_cast<LPARAM>(&out)), -1);
}

TEST_F(AssignGridTest, Choices_byIndexTextAndKey)
{
    Make();
    EXPECT_EQ(AddChoice(L"Name"), 1);
    EXPECT_EQ(AddChoice(L"Note"), 2);
    AddRow(L"a", 1, 42);
    AddRow(L"b");
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_SETCHOICEKEY, 0, 100), 1);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_SETCHOICEKEY, 2, 100), -1);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETCHOICEKEY, 0, 0), 100);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETCHOICEKEY, 5, 0), 0);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_SETROWCHOICEBYKEY, 1, 100), 2); // the number of choices
    EXPECT_EQ(Choice(1), 0);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_SETROWCHOICEBYKEY, 1, 7), -1);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_SETROWCHOICEBYTEXT, 1, reinterpret_cast<LPARAM>(L"Note")), 1);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_SETROWCHOICEBYTEXT, 1, reinterpret_cast<LPARAM>(L"note")), -1);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETROWCHOICEKEY, 1, 0), 0);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_SETROWCHOICE, 0, -1), 2);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_SETROWCHOICE, 0, 2), -1);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETCHOICELEN, 1, 0), 4);
    wchar_t text[5] = {};
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETCHOICETEXT, 1, reinterpret_cast<LPARAM>(text)), 4);
    EXPECT_EQ(std::wstring(text), L"Note");
    AssignGridRow out{text, 5, 0, 0, 0, 0};
    SendMessageW(grid, RKCC2M_ASSIGNGRID_GETROW, 0, reinterpret_cast<LPARAM>(&out));
    EXPECT_EQ(out.data1, 42);
}

TEST_F(AssignGridTest, ClearChoicesKeepsRowsAndDeleteAllRowsKeepsChoices)
{
    Make();
    AddChoice(L"x");
    AddRow(L"a", 0);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_CLEARCHOICES, 0, 0), 0);
    EXPECT_EQ(Choice(0), -1);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETROWCOUNT, 0, 0), 1);
    AddChoice(L"y");
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_DELETEALLROWS, 0, 0), 0);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETCHOICECOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETCURSEL, 0, 0), -1);
    SendMessageW(grid, RKCC2M_ASSIGNGRID_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETCHOICECOUNT, 0, 0), 0);
}

TEST_F(AssignGridTest, Columns_areStoredAndReadBackCut)
{
    Make();
    AssignGridColumn right{99, L"Assigned column"};
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_SETCOLUMN, 1, reinterpret_cast<LPARAM>(&right)), 1);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_SETCOLUMN, 2, reinterpret_cast<LPARAM>(&right)), -1);
    wchar_t text[9] = {};
    AssignGridColumnOut out{0, text, 9};
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETCOLUMN, 1, reinterpret_cast<LPARAM>(&out)), 1);
    EXPECT_EQ(out.width, 99);
    EXPECT_EQ(std::wstring(text), L"Assigned");
    out.length = 0;
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETCOLUMN, 1, reinterpret_cast<LPARAM>(&out)), -1);
}

TEST_F(AssignGridTest, Keys_moveTheCurrentRowAndTheScrollBarFollows)
{
    Make();
    for (int i = 0; i < 20; ++i)
        AddRow((L"row" + std::to_wstring(i)).c_str());
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE;
    GetScrollInfo(grid, SB_VERT, &si);
    EXPECT_GT(si.nMax, 0);
    Key(grid, VK_END);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETCURSEL, 0, 0), 19);
    si.fMask = SIF_POS;
    GetScrollInfo(grid, SB_VERT, &si);
    EXPECT_GT(si.nPos, 0);
    Key(grid, VK_PRIOR);
    const LRESULT afterPage = SendMessageW(grid, RKCC2M_ASSIGNGRID_GETCURSEL, 0, 0);
    EXPECT_LT(afterPage, 19);
    EXPECT_GT(afterPage, 10);
    Key(grid, VK_HOME);
    Key(grid, VK_UP);
    EXPECT_EQ(SendMessageW(grid, RKCC2M_ASSIGNGRID_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageW(grid, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

TEST_F(AssignGridTest, ScrollingDown_stopsWithTheLastRowAtTheBottom)
{
    Make();
    for (int i = 0; i < 20; ++i)
        AddRow((L"row" + std::to_wstring(i)).c_str());
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    for (WPARAM request : {SB_BOTTOM, SB_PAGEDOWN, SB_LINEDOWN}) {
        for (int i = 0; i < 3; ++i)
            SendMessageW(grid, WM_VSCROLL, request, 0);
        GetScrollInfo(grid, SB_VERT, &si);
        const int bottom = si.nMax - static_cast<int>(si.nPage) + 1;
        EXPECT_EQ(si.nPos, bottom);
        // Nothing hidden below the thumb's end: one line up moves the rows at once.
        SendMessageW(grid, WM_VSCROLL, SB_LINEUP, 0);
        GetScrollInfo(grid, SB_VERT, &si);
        EXPECT_LT(si.nPos, bottom) << request;
    }
}

TEST_F(AssignGridTest, WithoutChoices_nothingOpensTheEditor)
{
    Make();
    AddRow(L"a");
    Key(grid, VK_F4);
    Key(grid, VK_RETURN);
    SendMessageW(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 30));
    SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 30));
    EXPECT_EQ(Editor(), nullptr);
}

TEST_F(AssignGridTest, Editor_escapeKeepsTheChoiceAndLeavingCommitsIt)
{
    Make();
    AddChoice(L"first");
    AddChoice(L"second");
    AddRow(L"a", 0);
    SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 30)); // right column of row 0
    HWND editor = Editor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(SendMessageW(editor, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(editor, CB_GETCURSEL, 0, 0), 0);
    SendMessageW(editor, CB_SETCURSEL, 1, 0);
    Key(editor, VK_ESCAPE);
    Pump();
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(Choice(0), 0);

    Key(grid, VK_F4);
    editor = Editor();
    ASSERT_TRUE(editor);
    SendMessageW(editor, CB_SETCURSEL, 1, 0);
    SetFocus(host.FocusSink()); // a click elsewhere
    Pump();
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(Choice(0), 1);
}

} // namespace
