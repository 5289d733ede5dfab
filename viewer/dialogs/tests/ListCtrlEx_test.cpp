// The owner-drawn list drawn by the list view itself (WM_PRINTCLIENT) into memory DCs and
// metafiles, its parent passing WM_DRAWITEM on.
#include "ListCtrlEx.h"

#include "Canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using dlgtest::CCanvas;
using dlgtest::CHostWindow;

constexpr int kWidth = 400;
constexpr int kHeight = 200;

class ListCtrlExTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Exists());
        host.onDrawItem = [this](const DRAWITEMSTRUCT& item) { list.DrawItem(item); };
    }

    void Make(DWORD extraStyle)
    {
        CListCtrlEx::CreateArgs args;
        args.parent = host.Hwnd();
        args.id = 100;
        args.rect = {0, 0, kWidth, kHeight};
        args.style = WS_CHILD | WS_VISIBLE | LVS_SMALLICON | extraStyle;
        ASSERT_TRUE(list.Create(args));
        SendMessageW(list.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }

    void AddColumn(int index, const wchar_t* header, int width, int format = LVCFMT_LEFT)
    {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = const_cast<wchar_t*>(header);
        column.cx = width;
        column.fmt = format;
        ListView_InsertColumn(list.Hwnd(), index, &column);
    }

    void AddRow(std::initializer_list<const wchar_t*> cells)
    {
        const int row = ListView_GetItemCount(list.Hwnd());
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(*cells.begin());
        ListView_InsertItem(list.Hwnd(), &item);
        int column = 0;
        for (const wchar_t* text : cells) {
            if (column > 0)
                ListView_SetItemText(list.Hwnd(), row, column, const_cast<wchar_t*>(text));
            ++column;
        }
    }

    void Select(int row) { ListView_SetItemState(list.Hwnd(), row, LVIS_SELECTED, LVIS_SELECTED); }

    void Print(HDC dc) { SendMessageW(list.Hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND); }

    RECT Row(int row)
    {
        RECT rect{};
        ListView_GetItemRect(list.Hwnd(), row, &rect, LVIR_BOUNDS);
        return rect;
    }

    static int BlankWidth()
    {
        HDC dc = GetDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SIZE size{};
        GetTextExtentPoint32W(dc, L" ", 1, &size);
        SelectObject(dc, previous);
        ReleaseDC(nullptr, dc);
        return size.cx;
    }

    CHostWindow host{kWidth, kHeight};
    CListCtrlEx list;
};

TEST_F(ListCtrlExTest, DrawItem_aSelectedRowWithoutFocusIsPlainUnlessShownAlways)
{
    Make(0);
    EXPECT_EQ(GetWindowLongW(list.Hwnd(), GWL_STYLE) & (LVS_TYPEMASK | LVS_OWNERDRAWFIXED),
              LVS_REPORT | LVS_OWNERDRAWFIXED); // made in the small-icon view
    AddColumn(0, L"Name", 60);
    AddColumn(1, L"Value", 60);
    AddRow({L"one", L"1"});
    AddRow({L"two", L"2"});
    Select(1);
    ASSERT_NE(GetFocus(), list.Hwnd());
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    CCanvas plain(kWidth, kHeight, RGB(1, 2, 3));
    Print(plain.Dc());
    const RECT row = Row(1);
    EXPECT_EQ(plain.Count(row, highlight), 0);

    SetWindowLongW(list.Hwnd(), GWL_STYLE, GetWindowLongW(list.Hwnd(), GWL_STYLE) | LVS_SHOWSELALWAYS);
    CCanvas shown(kWidth, kHeight, RGB(1, 2, 3));
    Print(shown.Dc());
    // The highlight spans the row from its label past the last column to the window's edge.
    EXPECT_EQ(shown.Pixel(70, row.top + 1), highlight);
    EXPECT_EQ(shown.Pixel(kWidth - 1, row.top + 1), highlight);
    EXPECT_EQ(shown.Pixel(kWidth - 1, Row(0).top + 1), GetSysColor(COLOR_WINDOW));

    // Without the client-width flag the highlight ends with the last column.
    list.clientWidthSelection = false;
    CCanvas columns(kWidth, kHeight, RGB(1, 2, 3));
    Print(columns.Dc());
    EXPECT_EQ(columns.Pixel(row.right - 2, row.top + 1), highlight);
    EXPECT_NE(columns.Pixel(kWidth - 1, row.top + 1), highlight);
}

TEST_F(ListCtrlExTest, DrawItem_theTextBackgroundColourFillsPlainRows)
{
    Make(0);
    AddColumn(0, L"Name", 60);
    AddRow({L"one"});
    ListView_SetTextBkColor(list.Hwnd(), RGB(200, 100, 50));
    EXPECT_EQ(list.TextBkColor(), RGB(200, 100, 50));
    ListView_SetTextColor(list.Hwnd(), RGB(9, 8, 7));
    EXPECT_EQ(list.TextColor(), RGB(9, 8, 7));
    EXPECT_EQ(ListView_GetTextColor(list.Hwnd()), RGB(9, 8, 7)); // the list view got it as well
    CCanvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    Print(canvas.Dc());
    EXPECT_EQ(canvas.Pixel(kWidth - 1, Row(0).top + 1), RGB(200, 100, 50));
    // No fill colour at all: the window's.
    ListView_SetTextBkColor(list.Hwnd(), CLR_NONE);
    ListView_SetBkColor(list.Hwnd(), CLR_NONE);
    CCanvas none(kWidth, kHeight, RGB(1, 2, 3));
    Print(none.Dc());
    EXPECT_EQ(none.Pixel(kWidth - 1, Row(0).top + 1), GetSysColor(COLOR_WINDOW));
}

TEST_F(ListCtrlExTest, DrawItem_rightAlignedTextEndsAtItsCellAndLongTextIsCut)
{
    Make(0);
    AddColumn(0, L"Name", 80);
    AddColumn(1, L"Amount", 100, LVCFMT_RIGHT);
    AddColumn(2, L"Note", 60);
    const wchar_t* note = L"A note far too long for its narrow column";
    AddRow({L"one", L"42", note});
    // The row drawn as the list view asks for it, with the list's font.
    HDC metafileDc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    SelectObject(metafileDc, GetStockObject(DEFAULT_GUI_FONT));
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTVIEW;
    item.CtlID = 100;
    item.itemID = 0;
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = list.Hwnd();
    item.hDC = metafileDc;
    item.rcItem = Row(0);
    list.DrawItem(item);
    const std::vector<dlgtest::DrawnText> texts = dlgtest::TextsOf(CloseEnhMetaFile(metafileDc));
    const auto find = [&](const std::wstring& start) {
        return std::find_if(texts.begin(), texts.end(),
                            [&](const dlgtest::DrawnText& t) { return t.text.compare(0, start.size(), start) == 0; });
    };
    const int inset = 2 * BlankWidth();
    const int left = Row(0).left;
    const auto amount = find(L"42");
    ASSERT_NE(amount, texts.end());
    EXPECT_EQ(amount->x + amount->width, left + 80 + 100 - inset);
    const auto cut = find(L"A ");
    ASSERT_NE(cut, texts.end());
    EXPECT_LT(cut->text.size(), std::wstring(note).size());
    EXPECT_EQ(cut->text.substr(cut->text.size() - 3), L"...");
    EXPECT_GE(cut->x, left + 180 + inset);
    EXPECT_LE(cut->x + cut->width, left + 240 - inset);
}

TEST_F(ListCtrlExTest, AutoSizeColumns_middleToContentsLastToTheHeader)
{
    Make(0);
    AddColumn(0, L"Name", 33);
    AddColumn(1, L"M", 10);
    AddColumn(2, L"Last", 10);
    AddRow({L"one", L"a rather wide cell", L"x"});
    list.AutoSizeColumns();
    EXPECT_EQ(ListView_GetColumnWidth(list.Hwnd(), 0), 33);
    const int sized = ListView_GetColumnWidth(list.Hwnd(), 1);
    ListView_SetColumnWidth(list.Hwnd(), 1, LVSCW_AUTOSIZE);
    EXPECT_EQ(sized, ListView_GetColumnWidth(list.Hwnd(), 1) + 2 * BlankWidth());
    // The last column fills what is left of the header.
    EXPECT_GE(33 + sized + ListView_GetColumnWidth(list.Hwnd(), 2), kWidth - 4);

    // A single column is the last one: sized to the header.
    CListCtrlEx single;
    CListCtrlEx::CreateArgs args;
    args.parent = host.Hwnd();
    args.rect = {0, 0, 300, 100};
    ASSERT_TRUE(single.Create(args));
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(L"A header wider than ten pixels");
    column.cx = 10;
    ListView_InsertColumn(single.Hwnd(), 0, &column);
    single.AutoSizeColumns();
    EXPECT_GE(ListView_GetColumnWidth(single.Hwnd(), 0), 100);
}



} // namespace
