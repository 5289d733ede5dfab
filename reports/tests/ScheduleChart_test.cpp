// The schedule chart drawn through both surfaces: a memory bitmap in pixels (the HTML pictures)
// and a print-engine page played back into a memory bitmap at one pixel per tenth of a
// millimetre. Both must put the columns, rows and bars in the same places of the chart.
#include "CoreTestEnv.h"

#include "EngineFixture.h"
#include "chart/BitmapChartSurface.h"
#include "chart/ChartPages.h"
#include "chart/PrintChartSurface.h"
#include "chart/ScheduleChart.h"
#include "output/PngWriter.h"

#include <optional>

namespace {

using rtest::Day;

constexpr ChartColor kRed = 0x0000FF;
constexpr ChartColor kGreen = 0x00C000;
constexpr ChartColor kBlue = 0xFF0000;
constexpr ChartColor kSunday = 0x80FFC0; // the project's default colour of Sundays

// A 24-bit top-down-addressed copy of a drawn bitmap.
class CPixels {
public:
    CPixels(const BITMAPINFOHEADER& header, const void* bits)
        : m_width(header.biWidth), m_height(header.biHeight), m_bits(static_cast<const unsigned char*>(bits))
    {
    }
    ChartColor At(int x, int y) const
    {
        const unsigned char* p = m_bits + static_cast<size_t>(m_height - 1 - y) * BitmapRowBytes(m_width) + 3 * x;
        return p[2] | (p[1] << 8) | (p[0] << 16);
    }
    // Bounding box of the colour at or below y = top; nothing when absent.
    std::optional<RECT> Find(ChartColor colour, int top) const
    {
        std::optional<RECT> box;
        for (int y = std::max(0, top); y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (At(x, y) == colour) {
                    if (!box)
                        box = RECT{x, y, x + 1, y + 1};
                    box->left = std::min<LONG>(box->left, x);
                    box->right = std::max<LONG>(box->right, x + 1);
                    box->top = std::min<LONG>(box->top, y);
                    box->bottom = std::max<LONG>(box->bottom, y + 1);
                }
        return box;
    }

private:
    int m_width, m_height;
    const unsigned char* m_bits;
};

// Where a colour lies in chart terms: columns from the chart's left, rows from its first row.
struct ChartPlace {
    double firstColumn;
    double lastColumn;
    int row;
};

ChartPlace Locate(const CScheduleChart& chart, const RECT& box, int rowsTop)
{
    const double width = chart.GetColumnWidth();
    return {(box.left - chart.GetNameColumnWidth()) / width, (box.right - chart.GetNameColumnWidth()) / width,
            (box.top - rowsTop) / chart.GetRowHeight()};
}

class ScheduleChartTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        rtest::CData::Fresh();
        wqv2_data::CResource* anna = rtest::AddResource(L"Anna", 1);
        wqv2_data::CResource* bert = rtest::AddResource(L"Bert", 2);
        ASSERT_TRUE(anna && bert);
        // Monday 2 March to Sunday 8 March by days: Anna one bar, Bert two overlapping bars.
        ASSERT_TRUE(Coloured(rtest::AddTask(anna, L"Red", Day(3, 3), 0, Day(3, 5), 0), kRed));
        ASSERT_TRUE(Coloured(rtest::AddTask(bert, L"Green", Day(3, 4), 0, Day(3, 7), 0), kGreen));
        ASSERT_TRUE(Coloured(rtest::AddTask(bert, L"Blue", Day(3, 5), 0, Day(3, 8), 0), kBlue));
    }
    static bool Coloured(wqv2_data::CTask* task, ChartColor colour)
    {
        wqv2_data::CData* root = rtest::CData::Root();
        if (!task || root->BeginTransaction(L"") != 0)
            return false;
        task->MarkModified();
        task->ColorBk = colour;
        return root->Commit() == 0;
    }
    static void Prepare(CScheduleChart& chart, CDrawBase& dc, const ChartSizes& sizes)
    {
        chart.LoadViewSettings();
        chart.SetPeriod(TDateTime(Day(3, 2), 0, false), TDateTime(Day(3, 9), 0, false));
        chart.Layout(dc, sizes);
        chart.BuildRows(false);
    }
    // The places of the three bars and of the Sunday column in a drawn chart.
    static std::vector<ChartPlace> Places(const CScheduleChart& chart, const CPixels& pixels, int rowsTop)
    {
        std::vector<ChartPlace> places;
        for (ChartColor colour : {kRed, kGreen, kBlue, kSunday}) {
            const std::optional<RECT> box = pixels.Find(colour, rowsTop);
            EXPECT_TRUE(box.has_value()) << "colour " << std::hex << colour;
            places.push_back(box ? Locate(chart, *box, rowsTop) : ChartPlace{-1, -1, -1});
        }
        return places;
    }
};

TEST_F(ScheduleChartTest, DrawPiece_bitmapAndPrintedPageAgreeOnColumnsRowsAndBars)
{
    // The picture, in pixels.
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    CScheduleChart picture;
    std::vector<ChartPlace> inPicture;
    {
        CBitmapChartSurface surface(memory, L"Arial");
        Prepare(picture, surface, ChartSizes::Html());
        ASSERT_EQ(picture.GetColumnCount(), 7);
        ASSERT_EQ(picture.GetRowCount(), 3);
        const int width = picture.GetPieceWidth(7);
        const int height = picture.GetTimeBarHeight() + 3 * picture.GetRowHeight();
        BITMAPINFOHEADER header{};
        void* bits = nullptr;
        HBITMAP bitmap = CreateImageBitmap(memory, width, height, header, bits);
        ASSERT_NE(bitmap, nullptr);
        HGDIOBJ old = SelectObject(memory, bitmap);
        surface.FillRect(RECT{0, 0, width, height}, RECT{0, 0, width, height}, 0xFFFFFF);
        picture.DrawPiece(surface, {0, 7, 0, 3, 0, true, ChartPiece::kPictureFrame});
        GdiFlush();
        inPicture = Places(picture, CPixels(header, bits), picture.GetTimeBarHeight());
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }

    // The page, in tenths of a millimetre, played back one pixel per unit.
    rtest::CA4PrinterCaps paper;
    ASSERT_TRUE(paper.Active());
    petest::MemoryDc attrib;
    CRKPrintEngine2* engine = rtest::Engine();
    ASSERT_NE(engine, nullptr);
    engine->BeginDocument(attrib.Get(), attrib.Get());
    CScheduleChart page;
    CPrintChartSurface printSurface(engine, 2, 5);
    Prepare(page, printSurface, ChartSizes::Print());
    page.DrawPiece(printSurface, {0, 7, 0, 3, 0, true, ChartPiece::kPageFrame});
    engine->EndDocument();
    const int width = page.GetPieceWidth(7) + 20;
    const int height = page.GetTimeBarHeight() + 3 * page.GetRowHeight() + 20;
    BITMAPINFOHEADER header{};
    void* bits = nullptr;
    HBITMAP bitmap = CreateImageBitmap(memory, width, height, header, bits);
    ASSERT_NE(bitmap, nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    PatBlt(memory, 0, 0, width, height, WHITENESS);
    SetMapMode(memory, MM_ANISOTROPIC);
    SetWindowExtEx(memory, 1, 1, nullptr);
    SetViewportExtEx(memory, 1, -1, nullptr);
    SetWindowOrgEx(memory, engine->MapX(0), engine->MapY(0), nullptr);
    ASSERT_EQ(engine->DrawPage(memory, attrib.Get(), 1), 1);
    GdiFlush();
    SetMapMode(memory, MM_TEXT);
    const std::vector<ChartPlace> onPage = Places(page, CPixels(header, bits), page.GetTimeBarHeight());
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    rtest::FreeEngine();

    // Red Tuesday-Wednesday in row 0, green Wednesday-Friday in row 1, blue Thursday-Saturday in
    // row 2 (it overlaps green), the Sunday colour in column 6; frames and pens may take a
    // little off the edges.
    const std::vector<ChartPlace> expected = {{1, 3, 0}, {2, 5, 1}, {3, 6, 2}, {6, 7, 0}};
    ASSERT_EQ(inPicture.size(), expected.size());
    ASSERT_EQ(onPage.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(inPicture[i].firstColumn, expected[i].firstColumn, 0.12);
        EXPECT_NEAR(inPicture[i].lastColumn, expected[i].lastColumn, 0.12);
        EXPECT_EQ(inPicture[i].row, expected[i].row);
        EXPECT_NEAR(onPage[i].firstColumn, expected[i].firstColumn, 0.12);
        EXPECT_NEAR(onPage[i].lastColumn, expected[i].lastColumn, 0.12);
        EXPECT_EQ(onPage[i].row, expected[i].row);
    }
}

TEST_F(ScheduleChartTest, Pieces_tilesAndPagesCoverEveryRowAndColumnOnce)
{
    // 4 000 000 pixels, 1000 wide: 4000 high; the first tile leaves room for the time bar.
    const std::vector<PictureTile> tiles = ComputePictureTiles(4000000, 1000, 50, 30, 300);
    ASSERT_EQ(tiles.size(), 3u);
    EXPECT_EQ(tiles[0].rowCount, (4000 - 50) / 30);
    EXPECT_EQ(tiles[1].firstRow, tiles[0].rowCount);
    EXPECT_EQ(tiles[2].firstRow + tiles[2].rowCount, 300);
    // A picture too small for one row still gets one per tile; no rows gives the time bar alone.
    EXPECT_EQ(ComputePictureTiles(10, 1000, 50, 30, 2).size(), 2u);
    EXPECT_EQ(ComputePictureTiles(4000000, 0, 50, 0, 0).size(), 1u);

    ChartPageGeometry g;
    g.usableWidth = 1800;
    g.nameColumnWidth = 400;
    g.columnWidth = 60;
    g.columnCount = 50; // 23 columns a strip: 3 strips
    g.chartTop = 100;
    g.bodyBottom = 2700;
    g.timeBarHeight = 100;
    g.rowHeight = 50;
    g.rowCount = 60; // 50 rows a page
    std::vector<ChartPageRecord> records = ComputeChartPages(g);
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(records[1].page, 1);
    EXPECT_EQ(records[1].firstRow, 50);
    EXPECT_EQ(records[1].rowCount, 10);
    EXPECT_EQ(records[2].page, 2);
    EXPECT_EQ(records[2].firstColumn, 23);
    EXPECT_EQ(records[5].columnCount, 4);
    // Packed, the second strip follows the first strip's last ten rows on page 1.
    g.fullPage = true;
    records = ComputeChartPages(g);
    EXPECT_EQ(records[2].page, 1);
    EXPECT_EQ(records[2].top, 100 + 100 + 10 * 50 + 75);
    // No columns still prints one strip; a name column wider than the page one column a strip.
    g.columnCount = 0;
    g.rowCount = 0;
    records = ComputeChartPages(g);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].columnCount, 0);
    g.columnCount = 3;
    g.usableWidth = 100;
    EXPECT_EQ(ComputeChartPages(g).size(), 3u);
}

} // namespace

namespace {

TEST_F(ScheduleChartTest, TimeBar_rowsOfScalesAndTheColumnWidthOfWeeks)
{
    CTimeBarBase bar;
    bar.LoadTimeBarSettings();
    ScaleStep unit;
    std::vector<ScaleStep> rows;
    bar.GetTimeBarRows({kUnitMinutes, 15}, unit, rows);
    EXPECT_EQ(rows, (std::vector<ScaleStep>{{kUnitMinutes, 15}, {kUnitDays, 1}}));
    EXPECT_EQ(CTimeBarBase::GetMajorTickUnit({kUnitMinutes, 15}), (ScaleStep{kUnitHours, 1}));
    bar.GetTimeBarRows({kUnitMinutes, 5}, unit, rows);
    EXPECT_EQ(rows, (std::vector<ScaleStep>{{kUnitMinutes, 5}, {kUnitHours, 1}, {kUnitDays, 1}}));
    bar.GetTimeBarRows({kUnitWeeks, 1}, unit, rows);
    EXPECT_EQ(unit, (ScaleStep{kUnitDays, 1}));
    EXPECT_EQ(rows, (std::vector<ScaleStep>{{kUnitWeeks, 1}, {kUnitMonths, 1}}));
    host::SetSetting(L"ViewFirstDayOfWeek", L"13"); // Sunday, once taken modulo 7: no week numbers
    bar.LoadTimeBarSettings();
    bar.GetTimeBarRows({kUnitDays, 1}, unit, rows);
    EXPECT_EQ(rows, (std::vector<ScaleStep>{{kUnitDays, 1}, {kUnitMonths, 1}}));
    // Custom rows: read up to the first bad pair; rows finer than a column are left out and
    // the list ends at eight rows.
    host::SetSetting(L"ViewTimebarRowInfo3-1", L"4 1 2 3 5 1 9 1 6 1");
    bar.GetTimeBarRows({kUnitDays, 1}, unit, rows);
    EXPECT_EQ(rows, (std::vector<ScaleStep>{{kUnitDays, 1}, {kUnitWeeks, 1}, {kUnitMonths, 1}}));
    host::SetSetting(L"ViewTimebarRowInfo3-1", L"6 1 6 1 6 1 6 1 6 1 6 1 6 1 6 1 6 1 6 1");
    EXPECT_EQ(bar.GetTimeBarRows({kUnitDays, 1}, unit, rows), 8);

    // The week factor applies to the configured width on every layout, never to its result.
    bar.ColumnWidthBase = 60;
    bar.MinimumColumnWidth = 3;
    bar.ComputeColumnWidth(kUnitWeeks);
    EXPECT_EQ(bar.ColumnWidth, 30);
    bar.ComputeColumnWidth(kUnitWeeks);
    EXPECT_EQ(bar.ColumnWidth, 30);
    bar.ScaleWidth = 10;
    bar.ComputeColumnWidth(kUnitMonths);
    EXPECT_EQ(bar.ColumnWidth, 3) << "at least the minimum width";
}

} // namespace
