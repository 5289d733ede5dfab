// The schedule chart's outputs inside the test program: its export (the tasks by resource of the
// chart period), the HTML page of the sample project's first week of March with its PNG tiles
// decoded and measured, and the printed strips and pages of a long period read back from
// metafiles.
#include "ListReportFixture.h"

#include "schedule/ScheduleStandardHtml.h"
#include "schedule/ScheduleStandardPrint.h"
#include "schedule/ScheduleStandardReport.h"

#include <png.h>

#include <algorithm>
#include <cstdint>

namespace {

using rtest::Day;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb; // rows top first, three bytes a pixel

    bool Has(int x, int y, COLORREF colour) const
    {
        const size_t at = (static_cast<size_t>(y) * width + x) * 3;
        return rgb[at] == GetRValue(colour) && rgb[at + 1] == GetGValue(colour) && rgb[at + 2] == GetBValue(colour);
    }
    // Whether any pixel of column x between rows y0 (inclusive) and y1 has the colour.
    bool AnyInColumn(int x, int y0, int y1, COLORREF colour) const
    {
        for (int y = y0; y < y1; ++y) {
            if (Has(x, y, colour))
                return true;
        }
        return false;
    }
};

// Decoded with libpng's reading side: what a browser gets.
Picture ReadPng(const std::wstring& path)
{
    const std::string bytes = rtest::ReadBytes(path);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (bytes.empty() || !png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        return {};
    image.format = PNG_FORMAT_RGB;
    Picture picture;
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr))
        return {};
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    return picture;
}

void Set(const std::wstring& key, const wchar_t* value)
{
    host::SetSetting(L"ReportsScheduleStandard" + key, value);
}

// Monday 2 to Saturday 7 March 2026 in day columns of 96 pixels, names in 100.
void SetSampleWeekColumns()
{
    Set(L"Period", L"2");
    Set(L"Start", L"20260302");
    Set(L"End", L"20260307");
    Set(L"HtmlNameColumnWidth", L"100");
    Set(L"HtmlColumnWidth", L"96");
}

// The sample's project settings (scale, daily window, weekdays, colours) stay in the data root
// when it closes: the test puts back what was there before.
class CProjectSettingsKeeper {
public:
    explicit CProjectSettingsKeeper(wqv2_data::CProjectSettings* settings) : m_settings(settings)
    {
        if (m_settings)
            Copy(*m_settings, m_saved);
    }
    ~CProjectSettingsKeeper()
    {
        if (m_settings)
            Copy(m_saved, *m_settings);
    }
    CProjectSettingsKeeper(const CProjectSettingsKeeper&) = delete;
    CProjectSettingsKeeper& operator=(const CProjectSettingsKeeper&) = delete;

private:
    struct Saved {
        int scale[2] = {};
        int timeStart = 0;
        int timeEnd = 0;
        bool weekdays[7] = {};
        uint32_t dayColors[8] = {};
        uint32_t nonWorking = 0;
        bool gridlines = true;
        int textOrientation = 0;
    };
    static void Copy(const wqv2_data::CProjectSettings& from, Saved& to)
    {
        std::copy(std::begin(from.Scale), std::end(from.Scale), to.scale);
        to.timeStart = from.TimeStart;
        to.timeEnd = from.TimeEnd;
        std::copy(std::begin(from.VisibleWeekdays), std::end(from.VisibleWeekdays), to.weekdays);
        std::copy(std::begin(from.DayColors), std::end(from.DayColors), to.dayColors);
        to.nonWorking = from.NonWorkingTime;
        to.gridlines = from.GridlinesVertical;
        to.textOrientation = from.TaskTextOrientation;
    }
    static void Copy(const Saved& from, wqv2_data::CProjectSettings& to)
    {
        std::copy(std::begin(from.scale), std::end(from.scale), to.Scale);
        to.TimeStart = from.timeStart;
        to.TimeEnd = from.timeEnd;
        std::copy(std::begin(from.weekdays), std::end(from.weekdays), to.VisibleWeekdays);
        std::copy(std::begin(from.dayColors), std::end(from.dayColors), to.DayColors);
        to.NonWorkingTime = from.nonWorking;
        to.GridlinesVertical = from.gridlines;
        to.TaskTextOrientation = from.textOrientation;
    }

    wqv2_data::CProjectSettings* m_settings; // not owned
    Saved m_saved;
};

class ScheduleReportTest : public ListReportTest {
protected:
    // Alpha (first by position) has three overlapping tasks on 2 March, so three rows, and one
    // in April; Beta one task in March and one on 31 May.
    void BuildProject()
    {
        alpha = rtest::AddResource(L"Alpha", 1);
        beta = rtest::AddResource(L"Beta", 2);
        ASSERT_TRUE(alpha && beta);
        ASSERT_NE(rtest::AddTask(alpha, L"First", Day(3, 2), 480, Day(3, 2), 720), nullptr);
        ASSERT_NE(rtest::AddTask(alpha, L"Second", Day(3, 2), 540, Day(3, 2), 780), nullptr);
        ASSERT_NE(rtest::AddTask(alpha, L"Third", Day(3, 2), 600, Day(3, 2), 840), nullptr);
        ASSERT_NE(rtest::AddTask(alpha, L"Later", Day(4, 14), 600, Day(4, 14), 840), nullptr);
        ASSERT_NE(rtest::AddTask(beta, L"Beta work", Day(3, 3), 480, Day(3, 3), 720), nullptr);
        ASSERT_NE(rtest::AddTask(beta, L"Month end", Day(5, 31), 720, Day(5, 31), 840), nullptr);
    }

    const ReportDefinition& report = ScheduleReport();
    wqv2_data::CResource* alpha = nullptr;
    wqv2_data::CResource* beta = nullptr;
};

TEST_F(ScheduleReportTest, Export_tasksByResourceOfTheChartPeriodWithoutItsOptions)
{
    BuildProject();
    // The list's own options are switched off for the chart, whatever they are.
    for (const wchar_t* key : {L"ColumnsNotes", L"ColumnsDuration", L"SumTotal", L"ResourcesSkipEmpty"})
        host::SetSetting(std::wstring(L"ReportsListTasksByResources") + key, L"1");
    // No period setting: this month (the pinned clock says May 2026), to 1 June 00:00, so
    // with its last day.
    std::wstring text = ExportText(report);
    EXPECT_NE(text.find(L"Month end"), std::wstring::npos);
    EXPECT_EQ(text.find(L"Later"), std::wstring::npos);
    EXPECT_EQ(text.find(L"First"), std::wstring::npos);
    Set(L"Period", L"2");
    Set(L"Start", L"20260302");
    Set(L"End", L"20260302");
    text = ExportText(report);
    EXPECT_EQ(text.substr(0, text.find(L"\r\n")), L"Resource\tTask\tStart date\tStart time\tEnd date\tEnd time");
    for (const wchar_t* task : {L"First", L"Second", L"Third"})
        EXPECT_NE(text.find(task), std::wstring::npos) << task;
    EXPECT_EQ(text.find(L"Beta work"), std::wstring::npos);
    EXPECT_EQ(text.find(L"Total"), std::wstring::npos);
}

TEST_F(ScheduleReportTest, Html_sampleWeekTilesFollowTheSizesAndShowBarsAndWeekend)
{
    CProjectSettingsKeeper keeper(rtest::CData::Root()->ProjectSettings);
    ASSERT_NE(rtest::CData::Sample(), nullptr);
    // Monday 2 to Saturday 7 March: six day columns (Sundays are hidden in the sample), 96
    // pixels each; a day column spans the whole day (the daily window only cuts finer scales),
    // so fifteen minutes a pixel.
    SetSampleWeekColumns();
    host::SetSetting(L"ReportsHtmlImageSizeMax", L"81120"); // 120 lines of 676 pixels
    const std::wstring path = rtest::OutputFolder() + L"schedule.htm";
    CRScheduleStandardHtml html;
    ASSERT_EQ(html.Html(path.c_str()), 0);
    const std::wstring page = rtest::ReadUtf16(path);
    EXPECT_EQ(html.Report.Chart.GetColumnCount(), 6);
    EXPECT_EQ(html.ImageWidth, 100 + 6 * 96);
    const int timeBar = html.Report.Chart.GetTimeBarHeight();
    const int row = html.Report.Chart.GetRowHeight();
    const int rows = html.Report.Chart.GetRowCount();
    ASSERT_GE(html.PictureCount, 2);
    ASSERT_GE(rows, 5); // one row at least for each of the sample's five resources

    std::vector<Picture> tiles;
    int stacked = 0;
    for (int k = 1; k <= html.PictureCount; ++k) {
        const std::wstring name = L"schedule" + std::to_wstring(k) + L".png";
        EXPECT_NE(page.find(L"<img src=\"" + name + L"\""), std::wstring::npos) << k;
        tiles.push_back(ReadPng(rtest::OutputFolder() + name));
        const Picture& tile = tiles.back();
        ASSERT_EQ(tile.width, 676) << k;
        // Whole rows, under the time bar in the first tile, and no taller than the limit
        // allows (each tile holds one row at least).
        const int rowsHeight = tile.height - (k == 1 ? timeBar : 0);
        EXPECT_EQ(rowsHeight % row, 0) << k;
        EXPECT_GE(rowsHeight / row, 1) << k;
        if (rowsHeight / row > 1) {
            EXPECT_LE(tile.height, 120) << k;
        }
        stacked += tile.height;
    }
    EXPECT_EQ(stacked, timeBar + rows * row);

    // Anna Berger (first by position) is the first row under the time bar. Her survey of 2 March,
    // 8:00 to 12:00, is a bar from x 132 to 148 in its bar colour; after noon her Monday is
    // empty. Her Saturday shows the sample's Saturday colour.
    const Picture& first = tiles[0];
    const int top = timeBar;
    const int bottom = timeBar + row;
    const COLORREF survey = RGB(170, 200, 255);
    const COLORREF saturday = RGB(240, 240, 255);
    EXPECT_TRUE(first.AnyInColumn(145, top, bottom, survey));
    EXPECT_FALSE(first.AnyInColumn(160, top, bottom, survey));
    EXPECT_TRUE(first.AnyInColumn(100 + 5 * 96 + 60, top, bottom, saturday));
    EXPECT_FALSE(first.AnyInColumn(160, top, bottom, saturday));
    // The frame: black thin lines at the left and right edges, the thick line after the labels.
    EXPECT_TRUE(first.Has(0, bottom - 1, RGB(0, 0, 0)));
    EXPECT_TRUE(first.Has(675, bottom - 1, RGB(0, 0, 0)));
    EXPECT_TRUE(first.Has(100, bottom - 1, RGB(0, 0, 0)));
}

TEST_F(ScheduleReportTest, Html_pictureThatCannotBeWrittenEndsThePageAndLeavesOnlyTheOnesBefore)
{
    BuildProject();
    // Pictures of a row or two: Alpha's three rows, Beta's and four more resources' make four
    // pictures at least, written beside the drawing. A folder in the way of the second one
    // stops the page there.
    int position = 3;
    for (const wchar_t* name : {L"Gamma", L"Delta", L"Epsilon", L"Zeta"}) {
        wqv2_data::CResource* resource = rtest::AddResource(name, position++);
        ASSERT_NE(resource, nullptr);
        ASSERT_NE(rtest::AddTask(resource, name, Day(3, 4), 480, Day(3, 4), 720), nullptr);
    }
    SetSampleWeekColumns();
    host::SetSetting(L"ReportsHtmlImageSizeMax", L"20280"); // 30 lines of 676 pixels
    rtest::CTempFolder folder;
    const std::wstring blocked = folder.File(L"schedule2.png");
    ASSERT_TRUE(CreateDirectoryW(blocked.c_str(), nullptr));
    const std::wstring path = folder.File(L"schedule.htm");
    int result = 0;
    std::vector<std::wstring> created;
    std::wstring last;
    int pictures = 0;
    std::vector<std::wstring> boxes;
    {
        rtest::CMessageBoxCatcher catcher;
        CRScheduleStandardHtml html;
        result = html.Html(path.c_str());
        created = html.CreatedFiles;
        last = html.LastPicturePath;
        pictures = html.PictureCount;
        boxes = catcher.Texts();
    }
    // One box for the fault: the result tells the host it was shown.
    EXPECT_EQ(result, kReportFailedShown);
    ASSERT_GE(pictures, 4);
    EXPECT_EQ(last, blocked);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(L"schedule2.png"), std::wstring::npos) << boxes[0];
    EXPECT_EQ(created, std::vector<std::wstring>{folder.File(L"schedule1.png")});
    EXPECT_TRUE(rtest::FileExists(folder.File(L"schedule1.png")));
    for (int k = 3; k <= pictures; ++k)
        EXPECT_FALSE(rtest::FileExists(folder.File(L"schedule" + std::to_wstring(k) + L".png"))) << k;
    EXPECT_FALSE(rtest::FileExists(path));
}

TEST_F(ScheduleReportTest, Html_noColumnBesideTheLabelsInAPictureIsToldAndWritesNothing)
{
    BuildProject();
    SetSampleWeekColumns();
    Set(L"HtmlNameColumnWidth", L"89000");
    const std::wstring path = rtest::OutputFolder() + L"schedule_wide.htm";
    for (const wchar_t* shown : {L"1", L"0"}) {
        host::SetSetting(L"ReportsErrorMessage", shown);
        rtest::CMessageBoxCatcher catcher;
        CRScheduleStandardHtml html;
        const int result = html.Html(path.c_str());
        EXPECT_FALSE(rtest::FileExists(path));
        EXPECT_TRUE(html.CreatedFiles.empty());
        if (*shown == L'0') {
            // No box: the host's own message tells of the failure.
            EXPECT_EQ(result, 1);
            EXPECT_TRUE(catcher.Texts().empty());
            continue;
        }
        EXPECT_EQ(result, kReportFailedShown);
        const CScheduleChart& chart = html.Report.Chart;
        const int line = std::max(chart.GetTimeBarHeight(), chart.GetRowHeight());
        ASSERT_EQ(catcher.Texts().size(), 1u);
        EXPECT_EQ(catcher.Texts()[0], L"The schedule chart cannot be written to " + path +
                                          L": a picture holds at most 4000000 pixels, so with lines " +
                                          std::to_wstring(line) + L" pixels high it is at most " +
                                          std::to_wstring(4000000 / line) +
                                          L" pixels wide, too narrow for the label column of 89000 pixels and one "
                                          L"column of 96 pixels. Make the label column narrower or allow larger "
                                          L"pictures.");
    }
    // A limit that holds not one pixel is taken for no limit at all, as an empty one is; a
    // positive one is used as given.
    host::SetSetting(L"ReportsErrorMessage", L"1");
    for (const wchar_t* limit : {L"0", L"-2", L"many", L"-99999999999", L"3000"}) {
        host::SetSetting(L"ReportsHtmlImageSizeMax", limit);
        rtest::CMessageBoxCatcher catcher;
        CRScheduleStandardHtml html;
        EXPECT_EQ(html.Html(path.c_str()), kReportFailedShown) << limit;
        const std::wstring largest = *limit == L'3' ? limit : L"4000000";
        ASSERT_EQ(catcher.Texts().size(), 1u) << limit;
        EXPECT_NE(catcher.Texts()[0].find(L": a picture holds at most " + largest + L" pixels, so"), std::wstring::npos)
            << catcher.Texts()[0];
    }
}

// The print object with an engine that has no memory left for a third page.
class CPrintWithTwoPages : public CRScheduleStandardPrint {
protected:
    int AddPage(CRKPrintEngine2* engine) override
    {
        return engine->GetPageCount() < 2 ? CRScheduleStandardPrint::AddPage(engine) : 0;
    }
};

TEST_F(ScheduleReportTest, Print_pageTheEngineCannotAddEndsTheRunWithTheReportFailure)
{
    BuildProject();
    // Four strips, four pages (as below); the engine gives two.
    Set(L"Period", L"2");
    Set(L"Start", L"20260302");
    Set(L"End", L"20260531");
    engine = rtest::Engine();
    rtest::CMessageBoxCatcher catcher;
    CPrintWithTwoPages chart;
    EXPECT_EQ(CRPrintBase::PrintReport(engine, dc.Get(), dc.Get(), chart), kReportFailedShown);
    EXPECT_EQ(engine->GetPageCount(), 1); // the run's two pages discarded
    EXPECT_EQ(catcher.Texts(), std::vector<std::wstring>{L"There is not enough memory to complete the operation."});
}

TEST_F(ScheduleReportTest, Print_longPeriodInStripsAndPagesWithContinuedLabels)
{
    BuildProject();
    // 2 March to 31 May: 91 day columns; the default 60 units a column beside the 400-unit
    // label column on the 1800 units of A4 width give strips of 23 columns: four strips.
    Set(L"Period", L"2");
    Set(L"Start", L"20260302");
    Set(L"End", L"20260531");
    auto print = [&](CRScheduleStandardPrint& chart) {
        if (engine)
            rtest::FreeEngine();
        engine = rtest::Engine();
        return CRPrintBase::PrintReport(engine, dc.Get(), dc.Get(), chart);
    };
    {
        CRScheduleStandardPrint chart;
        ASSERT_EQ(print(chart), 0);
        EXPECT_EQ(chart.Report.Chart.GetColumnCount(), 91);
        EXPECT_EQ(chart.Report.Chart.GetRowCount(), 4);
        ASSERT_EQ((chart.PrintableWidth - 400) / 60, 23);
        ASSERT_EQ(chart.Pieces.size(), 4u);
        for (int strip = 0; strip < 4; ++strip) {
            EXPECT_EQ(chart.Pieces[strip].page, strip);
            EXPECT_EQ(chart.Pieces[strip].firstColumn, 23 * strip);
            EXPECT_EQ(chart.Pieces[strip].columnCount, strip < 3 ? 23 : 22);
            EXPECT_EQ(chart.Pieces[strip].rowCount, 4);
        }
        EXPECT_EQ(engine->GetPageCount(), 4);
        EXPECT_NE(Page(4).Find(L"Alpha"), nullptr);
        EXPECT_NE(Page(4).Find(L"Beta"), nullptr);
    }
    {
        // Packed, the short strips share pages.
        Set(L"PrinterFullPage", L"1");
        CRScheduleStandardPrint chart;
        ASSERT_EQ(print(chart), 0);
        EXPECT_LT(engine->GetPageCount(), 4);
        EXPECT_EQ(chart.Pieces.size(), 4u);
        Set(L"PrinterFullPage", L"0");
    }
    {
        // Rows taller than a page: one row a page, so each strip takes four pages; the first
        // row of a page that goes on with Alpha's rows shows the name with string 9501.
        Set(L"PrinterScaleHeight", L"2000");
        CRScheduleStandardPrint chart;
        ASSERT_EQ(print(chart), 0);
        ASSERT_EQ(chart.Pieces.size(), 16u);
        EXPECT_EQ(engine->GetPageCount(), 16);
        for (const ChartPageRecord& piece : chart.Pieces) {
            EXPECT_EQ(piece.rowCount, 1);
            const petest::PageRec shown = Page(piece.page + 1);
            const bool continued = piece.firstRow == 1 || piece.firstRow == 2;
            EXPECT_EQ(shown.Find(L"Alpha (continued)") != nullptr, continued) << piece.page;
            EXPECT_EQ(shown.Find(L"Alpha") != nullptr, piece.firstRow == 0) << piece.page;
        }
    }
}

} // namespace
