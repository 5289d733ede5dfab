// The markup of the HTML table model.
#include "CoreTestEnv.h"

#include "output/HtmlTable.h"

#include "QV2ResVReportIds.h"

#include <string>
#include <vector>

namespace {

using HtmlTableTest = ReportTest;

TEST_F(HtmlTableTest, Table_defaultsWriteNoAttribute)
{
    CHtmlTableHelper table;
    EXPECT_EQ(table.GetColumnCount(), 1);
    EXPECT_EQ(table.GetHtml(), L"\n<table >\n\n\n</table>\n\n");
    table.Name = L"list";
    table.BorderCollapse = 2;
    table.WidthPercent = 100;
    table.Border = 1;
    table.CellSpacing = 0;
    table.CellPadding = 5;
    table.Class = L"grid";
    EXPECT_EQ(table.GetHtml(), L"\n<table name=\"list\" style=\"border-collapse: separate\" width=\"100%\" border=1 "
                               L"cellspacing=0 cellpadding=5 class=grid >\n\n\n</table>\n\n");
}

TEST_F(HtmlTableTest, Row_cellsSpansAndHeader)
{
    CHtmlTableHelper table;
    HtmlTableRow& row = table.AddRow();
    row.Header = true;
    row.VerticalAlignment = 1;
    row.AddCell(L"Name", 1, true).ColumnSpan = 2;
    row.AddCell(IDS_FILTERS_COLUMN_RESOURCES, 3, false).RowSpan = 3;
    row.AddEmptyCell();
    EXPECT_EQ(row.GetCellCount(), 3);
    EXPECT_EQ(table.GetColumnCount(), 4);
    EXPECT_EQ(row.GetHtml(), L" <tr valign=top >\n"
                             L"  <th colspan=2 align=left ><b>Name</b></th>\n"
                             L"  <th rowspan=3 align=center >Resources</th>\n"
                             L"  <th >&#160;</th>\n"
                             L" </tr>\n");
}

TEST_F(HtmlTableTest, Cell_attributesInTheirOrder)
{
    HtmlTableCell cell;
    cell.Text = L"a b";
    cell.BlanksNonBreaking = true;
    cell.HorizontalAlignment = 4;
    cell.WidthPercent = 30;
    cell.Width = 0;
    cell.Background = RGB(255, 0, 0);
    cell.NoWrap = true;
    cell.BorderBottom = 2;
    cell.BorderLeft = 1;
    cell.Class = L"c";
    EXPECT_EQ(cell.GetHtml(false), L"  <td align=justify width=\"30%\" width=\"0\" bgcolor=\"#ff0000\" nowrap class=c "
                                   L"style=\"border-left-width:1pt; border-bottom-width:2pt; \" >a&#160;b</td>\n");
}

TEST_F(HtmlTableTest, Cell_emptyTextIsNotBold)
{
    HtmlTableCell cell;
    cell.Bold = true;
    EXPECT_EQ(cell.GetHtml(false), L"  <td >&#160;</td>\n");
    cell.TextId = 1; // a string the library lacks: the text member stays
    cell.Text = L"x\ny";
    EXPECT_EQ(cell.GetHtml(false), L"  <td ><b>x<br>y</b></td>\n");
}

TEST_F(HtmlTableTest, Cell_rulesBySize)
{
    HtmlTableCell cell;
    cell.SetRule(2, true);
    EXPECT_EQ(cell.GetHtml(false), L"  <td ><hr noshade >&#160;</td>\n");
    cell.SetRule(3, false);
    EXPECT_EQ(cell.GetHtml(false), L"  <td ><hr size=3 >&#160;</td>\n");
}

TEST_F(HtmlTableTest, Cell_fontInsideTheLink)
{
    HtmlTableCell cell;
    cell.Text = L"doc";
    cell.TextColor = RGB(0, 0, 255);
    cell.Link = L"http://x/?a=1&b=2";
    // A URL keeps its parts; the attribute escapes the ampersand.
    EXPECT_EQ(cell.GetHtml(false),
              L"  <td ><a href=\"http://x/?a=1&amp;b=2\"><font color=\"#0000ff\">doc</font></a></td>\n");
}

TEST_F(HtmlTableTest, Row_cellClassReplacesTheCellsOwn)
{
    HtmlTableRow row;
    row.AddCell(L"a", 0, false).Class = L"own";
    row.AddCell(L"b", 0, false);
    row.CellClass = L"all";
    row.Class = L"r";
    EXPECT_EQ(row.GetHtml(), L" <tr class=r >\n  <td class=all >a</td>\n  <td class=all >b</td>\n </tr>\n");
}

TEST_F(HtmlTableTest, AddEmptyRow_aNonBreakingBlank)
{
    CHtmlTableHelper table;
    table.AddEmptyRow();
    EXPECT_EQ(table.Rows[0].GetHtml(), L" <tr >\n  <td >&#160;</td>\n </tr>\n");
}

// Cells appended to the page text straight, from a view or up to a terminating zero at any
// alignment, equal the cells of the string markup: escapes, the blank of an empty or CR-only
// text, bold; also past the page text's first room.
TEST_F(HtmlTableTest, CellMarkup_pageTextEqualsTheStringMarkup)
{
    const wchar_t alphabet[] = L"ab1 &<>\r\n.:?=%\x00e9\x4e2d\xff01;";
    std::vector<std::wstring> texts = {L"", L"\r", L"\r\r", L" ", L"Task 45 of Resource 1", L"09.01.2025 08:00",
                                       L"a&b<c>d e\r\nf", std::wstring(300, L'<'), std::wstring(1000, L'x')};
    unsigned seed = 7;
    for (int n = 0; n < 400; ++n) {
        std::wstring text;
        for (int k = 0; k < n % 41; ++k) {
            seed = seed * 1103515245u + 12345u;
            text += alphabet[(seed >> 16) % (sizeof alphabet / sizeof alphabet[0] - 1)];
        }
        texts.push_back(text);
    }
    for (int model = 0; model < 4; ++model) {
        HtmlTableCell cell;
        cell.Bold = (model & 1) != 0;
        cell.BlanksNonBreaking = (model & 2) != 0;
        cell.HorizontalAlignment = 2;
        const CHtmlCellMarkup markup(cell, false);
        std::wstring expected;
        CPageText fromViews;
        CPageText fromZeros;
        alignas(16) wchar_t buffer[1024 + 16];
        for (size_t i = 0; i < texts.size(); ++i) {
            const std::wstring& text = texts[i];
            markup.Append(expected, text);
            markup.Append(fromViews, text);
            wchar_t* copy = buffer + i % 8;
            text.copy(copy, text.size());
            copy[text.size()] = L'\0';
            markup.Append(fromZeros, copy);
        }
        ASSERT_GT(expected.size(), 16384u);
        EXPECT_EQ(fromViews.View(), expected) << model;
        EXPECT_EQ(fromZeros.View(), expected) << model;
    }
    CPageText none;
    HtmlTableCell plain;
    CHtmlCellMarkup(plain, false).Append(none, static_cast<const wchar_t*>(nullptr));
    EXPECT_EQ(none.View(), L"  <td >&#160;</td>\n");
}

// Rows made of their markup between two texts equal the rows of the table model: row tags,
// header cells, a class for every cell, bold, blanks, links and colours, empty texts.
TEST_F(HtmlTableTest, RowMarkup_equalsTheModelsRows)
{
    for (int variant = 0; variant < 4; ++variant) {
        HtmlTableRow row;
        row.Header = variant == 1;
        row.VerticalAlignment = variant;
        row.Class = variant == 2 ? L"line" : L"";
        row.CellClass = variant == 3 ? L"all" : L"";
        std::vector<HtmlTableCell> columns(4);
        columns[0].Bold = true;
        columns[1].BlanksNonBreaking = true;
        columns[1].HorizontalAlignment = 2;
        columns[2].Link = L"page 2.htm";
        columns[2].TextColor = RGB(200, 0, 0);
        columns[3].Class = L"own";
        columns[3].ColumnSpan = 2;
        const CHtmlRowMarkup markup(row, columns);
        const std::vector<std::vector<std::wstring>> texts = {
            {L"a & b", L"one two", L"", L"\r"}, {L"", L"", L"x<y>", L"line\r\nnext"}};
        CPageText rows;
        std::wstring expected;
        for (const std::vector<std::wstring>& line : texts) {
            HtmlTableRow filled = row;
            filled.Cells = columns;
            for (size_t i = 0; i < line.size(); ++i) {
                filled.Cells[i].Text = line[i];
                if (i % 2 == 0)
                    markup.AppendCell(rows, i, std::wstring_view(line[i]));
                else
                    markup.AppendCell(rows, i, line[i].c_str());
            }
            markup.AppendEnd(rows);
            filled.AppendHtml(expected);
        }
        EXPECT_EQ(rows.View(), expected) << variant;
    }
}

} // namespace
