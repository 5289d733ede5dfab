// Printed tables: widths scaled to the page and rows made through the handles.
#include "CoreTestEnv.h"

#include "EngineFixture.h"
#include "output/PrintTable.h"

namespace {

class PrintTableTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        engine = rtest::Engine();
        ASSERT_NE(engine, nullptr);
        engine->BeginDocument(dc.Get(), dc.Get());
    }
    void TearDown() override
    {
        rtest::FreeEngine();
        ReportTest::TearDown();
    }
    rtest::CA4PrinterCaps paper;
    CRKPrintEngine2* engine = nullptr;
    petest::MemoryDc dc;
};

TEST_F(PrintTableTest, ScaleWidths_sharesOfTheTotal)
{
    print_table_helper::CTable table(engine);
    for (double weight : {1.0, 2.0, 10.0})
        table.AddColumn(weight);
    EXPECT_EQ(table.ScaleWidths(1300), 1300);
    EXPECT_NEAR(table.Widths()[0], 100.0, 1e-9);
    EXPECT_NEAR(table.Widths()[1], 200.0, 1e-9);
    EXPECT_NEAR(table.Widths()[2], 1000.0, 1e-9);

    print_table_helper::CTable wide(engine);
    for (double weight : {1.0, 2.0, 10.0})
        wide.AddColumn(weight);
    EXPECT_EQ(wide.ScaleWidths(1800), 1800);
    // The widths keep their fractions; rows get them cut: 138 + 276 + 1384 = 1798.
    EXPECT_EQ(static_cast<int>(wide.Widths()[0]), 138);
    EXPECT_EQ(static_cast<int>(wide.Widths()[1]), 276);
    EXPECT_EQ(static_cast<int>(wide.Widths()[2]), 1384);
    wide.BeginTable(0, 0, 1800, 2000, 0);
    const print_table_helper::PrintTableRow row = wide.Section(1).AppendRow();
    EXPECT_EQ(engine->GetCellCount(1, row.row), 3);
    wide.EndTable();
}

TEST_F(PrintTableTest, ScaleWidths_zeroWeightsStayZero)
{
    print_table_helper::CTable table(engine);
    table.AddColumn(0.0);
    table.AddColumn(0.0);
    EXPECT_EQ(table.ScaleWidths(1000), 0);
    EXPECT_EQ(table.Widths(), (std::vector<double>{0.0, 0.0}));
}

TEST_F(PrintTableTest, SetKeepWithNext_onlyForBodyRows)
{
    print_table_helper::CTable table(engine);
    table.AddColumn(1.0);
    table.ScaleWidths(1000);
    table.BeginTable(0, 0, 1000, 2000, 0);
    const print_table_helper::PrintTableRow head = table.Section(0).AppendRow();
    const print_table_helper::PrintTableRow body = table.Section(1).AppendRow();
    ASSERT_EQ(head.row, 0);
    ASSERT_EQ(body.row, 0);
    head.SetKeepWithNext(false);
    EXPECT_FALSE(engine->IsRowBreakAllowed(0));
    body.SetKeepWithNext(false);
    EXPECT_TRUE(engine->IsRowBreakAllowed(0));
    body.SetKeepWithNext(true);
    EXPECT_FALSE(engine->IsRowBreakAllowed(0));
    table.EndTable();
}

TEST_F(PrintTableTest, Rows_headRepeatedOnEveryPageOfALongTable)
{
    print_table_helper::CTable table(engine);
    table.AddColumn(1.0);
    table.AddColumn(3.0);
    const int width = table.ScaleWidths(engine->GetPrintableWidth());
    const int bottom = engine->GetPrintableHeight();
    table.BeginTable(0, 100, width, bottom, 100);
    const print_table_helper::PrintTableRow head = table.Section(0).AppendRow();
    head.Cell(0).SetText(L"Head A");
    head.Cell(1).SetText(L"Head B");
    head.SetBorder(3, 5);
    table.Section(0).SetFont(100, true);
    for (int i = 0; i < 150; ++i) {
        const print_table_helper::PrintTableRow row = table.Section(1).AppendRow();
        row.Cell(0).SetText(L"r" + std::to_wstring(i));
        if (i > 0)
            row.Cell(0).SetExtraText(7, 0, L"cont");
    }
    table.Section(1).SetFont(100, false);
    table.SetBorderAll(0, 2);
    table.SetPaddingAll(0, 10);
    table.EndTable();
    int first = 0;
    int last = 0;
    ASSERT_NE(engine->GetLastTablePages(&first, &last), 0);
    ASSERT_GT(last, first);
    for (int page = first; page <= last; ++page) {
        const petest::PageRec record = petest::RecordPage(engine, page, dc.Get());
        EXPECT_NE(record.Find(L"Head A"), nullptr) << page;
        if (page > first) {
            EXPECT_NE(record.Find(L"cont"), nullptr) << page; // the first body row of a later page
        }
    }
}

TEST_F(PrintTableTest, MergeCells_joinsWidths)
{
    print_table_helper::CTable table(engine);
    for (int i = 0; i < 4; ++i)
        table.AddColumn(1.0);
    table.ScaleWidths(400);
    table.BeginTable(0, 0, 400, 2000, 0);
    const print_table_helper::PrintTableRow row = table.Section(0).AppendRow();
    row.MergeCells(1, 2);
    EXPECT_EQ(engine->GetCellCount(0, row.row), 3);
    table.EndTable();
}

} // namespace
