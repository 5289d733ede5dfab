// Tables flowing over pages, through the DLL. Rows are custom-content cells of exact heights with
// a label drawn into them, so pagination does not depend on font metrics.
#include "EngineFixture.h"

#include <algorithm>
#include <string>
#include <vector>

using petest::EngineTest;
using petest::RecordPage;

namespace {

class TableTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (pe)
            BeginOnMemoryDc();
    }

    // Pages run from y 0 (or startY on the first) down to y 1000.
    void Begin(int startY = 0) { pe->BeginTable(0, 0, 1000, 1000, startY); }

    // One cell of width 1000, exactly `height` high, showing `label`.
    int AddRow(int section, const std::wstring& label, int height)
    {
        const int widths[] = {1000};
        const int r = pe->AddTableRow(section, 1, widths);
        pe->SetPaddingCell(section, r, 0, 4, 0);
        pe->SetContentHeightCell(section, r, 0, height);
        pe->DrawCellText(section, r, 0, label.c_str(), 0, 0);
        return r;
    }

    void AddBody(int count, int height)
    {
        for (int i = 0; i < count; ++i)
            AddRow(1, L"B" + std::to_wstring(i), height);
    }

    std::vector<std::wstring> Labels(int page) { return RecordPage(pe, page, dc.Get()).Strings(); }

    std::vector<int> Bottoms()
    {
        int first = 0, last = 0;
        const int n = pe->GetLastTablePages(&first, &last);
        std::vector<int> values(static_cast<size_t>(std::max(n, 0)));
        if (n > 0) {
            EXPECT_EQ(pe->GetTablePageBottoms(values.data(), n), 1);
        }
        return values;
    }
};

using Strs = std::vector<std::wstring>;

} // namespace

TEST_F(TableTest, EndTable_repeatsHeadRowsOnEveryPage)
{
    Begin();
    AddRow(0, L"H", 100);
    AddBody(20, 100);
    EXPECT_EQ(pe->EndTable(), 500);
    // 900 below the head: room for 9 rows, but a row kept with its successor leaves room for it.
    EXPECT_EQ(Labels(1), (Strs{L"H", L"B0", L"B1", L"B2", L"B3", L"B4", L"B5", L"B6", L"B7"}));
    EXPECT_EQ(Labels(2), (Strs{L"H", L"B8", L"B9", L"B10", L"B11", L"B12", L"B13", L"B14", L"B15"}));
    EXPECT_EQ(Labels(3), (Strs{L"H", L"B16", L"B17", L"B18", L"B19"}));
    EXPECT_EQ(pe->GetPageCount(), 3);
    EXPECT_EQ(pe->CurrentPage, 3);
    int first = 0, last = 0;
    EXPECT_EQ(pe->GetLastTablePages(&first, &last), 3);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 3);
    EXPECT_EQ(Bottoms(), (std::vector<int>{900, 900, 500}));
}

TEST_F(TableTest, EndTable_fillsAPageWhenTheLastFittingRowMayBreak)
{
    Begin();
    AddRow(0, L"H", 100);
    AddBody(12, 100);
    EXPECT_EQ(pe->SetRowKeepWithNext(8, 0), 1);
    EXPECT_EQ(pe->IsRowBreakAllowed(8), 1);
    pe->EndTable();
    EXPECT_EQ(Labels(1).size(), 10u); // the head and B0..B8
    EXPECT_EQ(Labels(2), (Strs{L"H", L"B9", L"B10", L"B11"}));
    EXPECT_EQ(pe->SetRowKeepWithNext(8, 1), 1);
    EXPECT_EQ(pe->IsRowBreakAllowed(8), 0);
}

TEST_F(TableTest, EndTable_fillsAPageWithTheLastBodyRow)
{
    Begin();
    AddBody(10, 100);
    pe->EndTable();
    EXPECT_EQ(pe->GetPageCount(), 1);
    EXPECT_EQ(Labels(1).size(), 10u);
}

TEST_F(TableTest, EndTable_keepWithNextChainMovesARowToTheNextPage)
{
    Begin();
    AddBody(3, 400);
    pe->EndTable();
    EXPECT_EQ(Labels(1), Strs{L"B0"});
    EXPECT_EQ(Labels(2), (Strs{L"B1", L"B2"}));
}

TEST_F(TableTest, EndTable_placesTheFirstBodyRowOfEveryPageWhateverKeepWithNextSays)
{
    Begin();
    AddBody(3, 600); // any two kept together are taller than a page
    pe->EndTable();
    EXPECT_EQ(pe->GetPageCount(), 3);
    EXPECT_EQ(Labels(1), Strs{L"B0"});
    EXPECT_EQ(Labels(2), Strs{L"B1"});
    EXPECT_EQ(Labels(3), Strs{L"B2"});
}

TEST_F(TableTest, EndTable_rowTallerThanAPageGetsAPageOfItsOwn)
{
    Begin();
    AddRow(0, L"H", 100);
    AddRow(1, L"small", 100);
    AddRow(1, L"huge", 2000);
    AddRow(1, L"after", 100);
    pe->SetRowKeepWithNext(0, 0);
    EXPECT_EQ(pe->EndTable(), 200);
    EXPECT_EQ(Labels(1), (Strs{L"H", L"small"}));
    EXPECT_EQ(Labels(2), (Strs{L"H", L"huge"}));
    EXPECT_EQ(Labels(3), (Strs{L"H", L"after"}));
    EXPECT_EQ(Bottoms(), (std::vector<int>{200, 2100, 200}));
    int values[2];
    EXPECT_EQ(pe->GetTablePageBottoms(values, 2), 0);
}

TEST_F(TableTest, AddPageBreak_startsANewPageButNotAfterTheLastRow)
{
    Begin();
    AddBody(3, 100);
    EXPECT_EQ(pe->AddPageBreak(0), 1);
    EXPECT_EQ(pe->AddPageBreak(2), 1);
    EXPECT_EQ(pe->AddPageBreak(3), 0);
    EXPECT_EQ(pe->AddPageBreak(-1), 0);
    pe->EndTable();
    EXPECT_EQ(pe->GetPageCount(), 2);
    EXPECT_EQ(Labels(1), Strs{L"B0"});
    EXPECT_EQ(Labels(2), (Strs{L"B1", L"B2"}));
}

TEST_F(TableTest, EndTable_movesToAFreshPageOnlyWhenItOffersMoreSpace)
{
    pe->DrawText(L"above", 0, 0);
    Begin(800); // 200 left: head 100 and first row 150 do not fit
    AddRow(0, L"H", 100);
    AddRow(1, L"B0", 150);
    pe->EndTable();
    EXPECT_EQ(Labels(1), Strs{L"above"});
    EXPECT_EQ(Labels(2), (Strs{L"H", L"B0"}));
    EXPECT_EQ(Bottoms(), (std::vector<int>{800, 250}));

    pe->BeginTable(0, 900, 1000, 1000, 800); // a fresh page would offer only 100
    AddRow(0, L"H2", 100);
    AddRow(1, L"C0", 150);
    pe->EndTable();
    EXPECT_EQ(Labels(2), (Strs{L"H", L"B0", L"H2", L"C0"}));
}

TEST_F(TableTest, EndTable_goesOnOnExistingPagesBeforeAppending)
{
    pe->AddPage();
    pe->CurrentPage = 1;
    Begin();
    AddBody(15, 100);
    pe->EndTable();
    EXPECT_EQ(pe->GetPageCount(), 2);
    EXPECT_EQ(Labels(2).front(), L"B9");
}

TEST_F(TableTest, EndTable_onAMissingPageLaysOutNothing)
{
    Begin();
    AddBody(3, 100);
    pe->CurrentPage = 5;
    pe->EndTable();
    EXPECT_EQ(pe->GetPageCount(), 1);
    EXPECT_EQ(pe->GetLastTablePages(nullptr, nullptr), 0);
    int value = 0;
    EXPECT_EQ(pe->GetTablePageBottoms(&value, 0), 0);
}

TEST_F(TableTest, ContinuationRows_appearOnPagesWhoseFirstBodyRowIsBound)
{
    Begin();
    AddRow(0, L"H", 100);
    AddRow(2, L"C", 100);
    AddBody(30, 100);
    EXPECT_EQ(pe->SetContinuationRowRange(0, 10, 20), 1);
    EXPECT_EQ(pe->SetContinuationRowRange(1, 10, 20), 0);
    pe->EndTable();
    ASSERT_GE(pe->GetPageCount(), 4);
    for (int page = 1; page <= pe->GetPageCount(); ++page) {
        const auto labels = Labels(page);
        const bool bound = labels.size() > 2 && labels[1] == L"C";
        const std::wstring firstBody = labels[bound ? 2 : 1];
        const int row = std::stoi(firstBody.substr(1));
        EXPECT_EQ(bound, row >= 10 && row <= 20) << "page " << page;
    }
    EXPECT_EQ(Labels(3)[1], L"C");
}

TEST_F(TableTest, MergeCells_addsWidthsAndKeepsThemAcrossAPageBreak)
{
    Begin();
    AddBody(9, 100);
    const int widths[] = {10, 20, 30, 40};
    const int r = pe->AddTableRow(1, 4, widths);
    pe->DrawCellText(1, r, 1, L"dropped", 0, 0);
    EXPECT_EQ(pe->MergeCells(1, r, 1, 4), 0); // beyond the row
    EXPECT_EQ(pe->MergeCells(1, r, -1, 2), 0);
    EXPECT_EQ(pe->MergeCells(1, r, 0, 1), 0);
    EXPECT_EQ(pe->MergeCells(1, 99, 0, 2), 0);
    EXPECT_EQ(pe->GetCellCount(1, r), 4);
    EXPECT_EQ(pe->MergeCells(1, r, 0, 3), 1);
    EXPECT_EQ(pe->GetCellCount(1, r), 2);
    EXPECT_EQ(pe->GetCellTextWidth(1, r, 0), 60 - 8);
    EXPECT_EQ(pe->GetCellTextWidth(1, r, 1), 40 - 8);
    pe->SetPaddingRow(1, r, 4, 0);
    pe->SetContentHeightRow(1, r, 100);
    pe->DrawCellText(1, r, 0, L"M0", 0, 0);
    pe->DrawCellText(1, r, 1, L"M1", 0, 0);
    AddRow(1, L"after", 100); // the merged row is kept with it: both go to page 2
    pe->EndTable();
    const auto page = RecordPage(pe, 2, dc.Get());
    ASSERT_EQ(page.Strings(), (Strs{L"M0", L"M1", L"after"}));
    EXPECT_EQ(page.Find(L"M0")->x, 0);
    EXPECT_EQ(page.Find(L"M1")->x, 60);
    EXPECT_EQ(page.Find(L"M0")->y, 0);
}

TEST_F(TableTest, EmptyTable_framesOnlyItsHeadRows)
{
    pe->SetPen(5, RGB(1, 2, 3));
    Begin(100);
    pe->SetTableBorder();
    pe->SetTableBackground(RGB(200, 210, 220));
    AddRow(0, L"H0", 100);
    AddRow(0, L"H1", 50);
    EXPECT_EQ(pe->EndTable(), 250);
    EXPECT_EQ(pe->GetPageCount(), 1);
    const auto page = RecordPage(pe, 1, dc.Get());
    EXPECT_EQ(page.Strings(), (Strs{L"H0", L"H1"}));
    ASSERT_EQ(page.fills.size(), 1u);
    EXPECT_EQ(page.fills[0].colour, RGB(200, 210, 220));
    EXPECT_EQ(page.fills[0].rect.top, -100);
    EXPECT_EQ(page.fills[0].rect.bottom, -250);
    ASSERT_EQ(page.lines.size(), 4u);
    for (const auto& line : page.lines) {
        EXPECT_EQ(line.penWidth, 5);
        EXPECT_GE(std::min(line.from.y, line.to.y), -250);
        EXPECT_LE(std::max(line.from.y, line.to.y), -100);
    }
}

TEST_F(TableTest, EmptyTable_withoutRowsStaysOnItsPage)
{
    Begin(300);
    EXPECT_EQ(pe->EndTable(), 300);
    EXPECT_EQ(pe->GetPageCount(), 1);
    int first = 0, last = 0;
    EXPECT_EQ(pe->GetLastTablePages(&first, &last), 1);
    EXPECT_EQ(Bottoms(), std::vector<int>{300});
}

TEST_F(TableTest, SetRowShading_coloursEverySecondRowOfEachPage)
{
    Begin();
    const int widths[] = {100, 100, 100, 100};
    for (int i = 0; i < 12; ++i) {
        const int r = pe->AddTableRow(1, 4, widths);
        pe->SetContentHeightRow(1, r, 92); // 100 with the padding
        pe->SetCustomContentRow(1, r, 1);
    }
    EXPECT_EQ(pe->SetRowShading(RGB(0, 255, 0), 0, -1, 1, 3), 1);
    EXPECT_EQ(pe->SetRowShading(RGB(0, 255, 0), 20, -1, 1, 3), 0);
    pe->EndTable();
    const auto page1 = RecordPage(pe, 1, dc.Get());
    const auto page2 = RecordPage(pe, 2, dc.Get());
    EXPECT_EQ(page1.fills.size(), 2u * 4); // rows 1, 3, 5, 7 of the 9 on page 1
    EXPECT_EQ(page2.fills.size(), 2u * 1); // rows 9..11 on page 2: only its second row
    for (const auto& fill : page1.fills) {
        EXPECT_EQ(fill.colour, RGB(0, 255, 0));
        EXPECT_GE(fill.rect.left, 100);
        EXPECT_LE(fill.rect.right, 301);
    }
    EXPECT_EQ(page2.fills[0].rect.top, -100); // the second row of the page, not the first
}

TEST_F(TableTest, CellRules_holdPerPlacementWithoutChangingEarlierPages)
{
    Begin();
    const int widths[] = {1000};
    pe->AddTableRow(0, 1, widths);
    pe->SetTextCell(0, 0, 0, L"Head");
    pe->SetCellExtraText(0, 0, 0, 1, 2, L"Second"); // op 1: page number equals 2
    AddBody(25, 100);
    pe->EndTable();
    ASSERT_EQ(pe->GetPageCount(), 3);
    EXPECT_TRUE(RecordPage(pe, 1, dc.Get()).Find(L"Head"));
    EXPECT_TRUE(RecordPage(pe, 2, dc.Get()).Find(L"Second"));
    EXPECT_TRUE(RecordPage(pe, 3, dc.Get()).Find(L"Head"));
}

TEST_F(TableTest, CellRules_opFourValueTwoHoldsOnPageOneOnly)
{
    Begin();
    const int widths[] = {1000};
    pe->AddTableRow(0, 1, widths);
    pe->SetTextCell(0, 0, 0, L"Head");
    pe->SetCellExtraText(0, 0, 0, 4, 2, L"First");
    pe->SetCellExtraText(0, 5, 0, 4, 2, L"nowhere"); // a missing row: ignored
    AddBody(25, 100);
    pe->EndTable();
    EXPECT_TRUE(RecordPage(pe, 1, dc.Get()).Find(L"First"));
    EXPECT_TRUE(RecordPage(pe, 2, dc.Get()).Find(L"Head"));
    EXPECT_TRUE(RecordPage(pe, 3, dc.Get()).Find(L"Head"));
}

TEST_F(TableTest, CellRules_borderRuleClearsBordersOfTheFirstRowOnEachPage)
{
    pe->SetPen(3, 0);
    Begin();
    AddBody(12, 100);
    pe->SetBorderAllCells(3); // bottom
    for (int r = 0; r < 12; ++r)
        pe->SetCellExtraValues(1, r, 0, 7, 0); // row number on the page equals 0
    pe->EndTable();
    ASSERT_EQ(pe->GetPageCount(), 2);
    for (int page = 1; page <= 2; ++page) {
        const auto rec = RecordPage(pe, page, dc.Get());
        ASSERT_EQ(rec.lines.size() + 1, rec.texts.size()) << "page " << page;
        const int firstRowBottom = rec.texts[0].y - 101; // 100 plus half the border
        EXPECT_NE(rec.lines[0].from.y, firstRowBottom);
    }
}

TEST_F(TableTest, HeadRowContents_areDrawnOnEveryPageFromTheirOwnCopies)
{
    pe->SetPen(2, RGB(9, 9, 9));
    Begin();
    AddRow(0, L"H", 100);
    pe->DrawCellLine(0, 0, 0, 10, 20, 300, 20);
    AddBody(20, 100);
    pe->EndTable();
    ASSERT_EQ(pe->GetPageCount(), 3);
    for (int page = 1; page <= 3; ++page) {
        const auto rec = RecordPage(pe, page, dc.Get());
        ASSERT_EQ(rec.lines.size(), 1u) << "page " << page;
        EXPECT_EQ(rec.lines[0].from.x, 10);
        EXPECT_EQ(rec.lines[0].from.y, -20);
        EXPECT_EQ(rec.lines[0].to.x, 300);
    }
    // Freeing the engine in TearDown frees each page's copies once.
}

TEST_F(TableTest, TextCells_areAsHighAsTheirWrappedLines)
{
    int lh = 0, w = 0;
    pe->MeasureText(&w, &lh, L"x");
    pe->MeasureText(&w, nullptr, L"alpha beta");
    Begin();
    const int widths[] = {w + 8};
    pe->AddTableRow(1, 1, widths);
    pe->SetTextCell(1, 0, 0, L"alpha beta gamma");
    pe->AddTableRow(1, 1, widths);
    pe->SetTextCell(1, 1, 0, L"one\ntwo\nthree");
    pe->AddTableRow(1, 1, widths);
    pe->SetTextCell(1, 2, 0, L"alpha beta gamma");
    pe->SetWordWrapCell(1, 2, 0, 0);
    EXPECT_EQ(pe->EndTable(), (2 * lh + 8) + (3 * lh + 8) + (lh + 8));
    EXPECT_EQ(RecordPage(pe, 1, dc.Get()).Strings(),
        (Strs{L"alpha beta", L"gamma", L"one", L"two", L"three", L"alpha beta gamma"}));
}

TEST_F(TableTest, Setters_answerTheCellsTheyReached)
{
    Begin();
    const int two[] = {100, 200};
    const int three[] = {100, 200, 300};
    pe->AddTableRow(0, 2, two);
    pe->AddTableRow(1, 3, three);
    EXPECT_EQ(pe->AddTableRow(1, 0, nullptr), 1); // a row without cells
    pe->AddTableRow(2, 2, two);
    EXPECT_EQ(pe->AddTableRow(1, -1, three), -1);
    EXPECT_EQ(pe->AddTableRow(1, 2, nullptr), -1);
    EXPECT_EQ(pe->GetRowCount(1), 2);
    EXPECT_EQ(pe->GetRowCount(7), 1); // section 0
    EXPECT_EQ(pe->GetCellCount(1, 1), -1);
    EXPECT_EQ(pe->GetCellCount(1, 5), -1);

    EXPECT_EQ(pe->SetTextAllCells(L"x"), 7);
    EXPECT_EQ(pe->SetFontSection(1), 3);
    EXPECT_EQ(pe->SetFontSection(9), 2); // section 0
    EXPECT_EQ(pe->SetAlignmentRow(1, 0, 4), 3);
    EXPECT_EQ(pe->SetAlignmentRow(3, 0, 4), 0);
    EXPECT_EQ(pe->SetAlignmentRow(1, -1, 4), 0);
    EXPECT_EQ(pe->SetBorderColumn(1, 2, 4), 1);
    EXPECT_EQ(pe->SetBorderColumn(0, 1, 4), 1);
    EXPECT_EQ(pe->SetBorderColumn(0, -1, 4), 0);
    EXPECT_EQ(pe->SetBorderAllCells(5), 0);
    EXPECT_EQ(pe->SetPaddingCell(1, 0, 2, 4, 7), 1);
    EXPECT_EQ(pe->SetPaddingCell(1, 0, 3, 4, 7), 0);
    EXPECT_EQ(pe->SetPaddingCell(1, 0, 2, -1, 7), 0);
    EXPECT_EQ(pe->SetTextCell(2, 0, 1, nullptr), 1);
    EXPECT_EQ(pe->GetCellTextWidth(1, 0, 2), 300 - 14);
    EXPECT_EQ(pe->GetCellTextWidth(1, 0, 3), 0);
    EXPECT_EQ(pe->SetWidthCell(1, 0, 0, 500), 1);
    EXPECT_EQ(pe->GetCellTextWidth(1, 0, 0), 500 - 8);
    EXPECT_EQ(pe->DrawCellLine(1, 1, 0, 0, 0, 1, 1), 0);
    EXPECT_EQ(pe->DrawCellRectangle(4, 0, 0, 0, 0, 1, 1), 1); // section 0
    EXPECT_EQ(pe->SetRowKeepWithNext(2, 0), 0);
    EXPECT_EQ(pe->IsRowBreakAllowed(2), 0);
}

TEST_F(TableTest, Background_liesUnderEverythingOnEachPage)
{
    pe->SetBrush(RGB(5, 5, 5), 0);
    pe->DrawRectangle(0, 0, 50, 50); // drawn before the table
    Begin();
    pe->SetTableBackground(RGB(250, 240, 230));
    AddBody(12, 100);
    pe->SetBackgroundCell(1, 0, 0, RGB(1, 1, 1));
    pe->EndTable();
    const auto page1 = RecordPage(pe, 1, dc.Get());
    ASSERT_EQ(page1.fills.size(), 3u);
    EXPECT_EQ(page1.fills[0].colour, RGB(250, 240, 230));
    EXPECT_EQ(page1.fills[1].colour, RGB(5, 5, 5));
    EXPECT_EQ(page1.fills[2].colour, RGB(1, 1, 1));
    const auto page2 = RecordPage(pe, 2, dc.Get());
    ASSERT_EQ(page2.fills.size(), 1u);
    EXPECT_EQ(page2.fills[0].rect.top, 0);
    EXPECT_EQ(page2.fills[0].rect.bottom, -300);
}
