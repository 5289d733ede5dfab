// The printed report base on the real print engine, pages read back from enhanced metafiles:
// page set-up, header and footer, captions, footnote, the driver's order, and every report's
// print when the engine cannot add a page.
#include "CoreTestEnv.h"
#include "ProjectBuilders.h"

#include "EngineFixture.h"
#include "byresource/ListTasksByResourcePrint.h"
#include "calendars/CalendarsPrint.h"
#include "filters/FiltersPrint.h"
#include "holidays/HolidaysPrint.h"
#include "output/PrintTable.h"
#include "output/RPrintBase.h"
#include "resources/ResourcesPrint.h"
#include "schedule/ScheduleStandardPrint.h"
#include "tasklist/ListTasksDefaultPrint.h"

namespace {

class CPrinted : public CRPrintBaseEx {
public:
    int PrintBody(CRKPrintEngine2* engine) override
    {
        ++bodyCalls;
        for (int i = 1; i < pages; ++i)
            engine->AddPage();
        return bodyResult;
    }
    int SetupPage(CRKPrintEngine2* engine) override
    {
        const int result = CRPrintBaseEx::SetupPage(engine);
        return setupResult ? setupResult : result;
    }
    int GetCaptionLines(std::vector<std::wstring>& labels, std::vector<std::wstring>& values) override
    {
        AddPeriodCaption(labels, values, rtest::Day(3, 1), rtest::Day(4, 1), 0, 0);
        AddFilterCaption(labels, values, true);
        labels.push_back(L"Third: ");
        values.push_back(L"value");
        return 3;
    }
    int pages = 1;
    int bodyResult = 0;
    int setupResult = 0;
    int bodyCalls = 0;
};

// A report's print object on an engine without memory for a second page: refused are the pages
// the report asks for and those a table flows onto. A table on a page the report got is laid out,
// so a report that adds a page without asking here goes on to the end of its run.
template <class Print>
class CFirstPageOnly : public Print {
public:
    int pagesAtRequest = 0; // the engine's pages when the report asked for one; 0: it never asked
    int tableBelow = 0;     // the y below the last table laid out

protected:
    int AddPage(CRKPrintEngine2* engine) override
    {
        pagesAtRequest = engine->GetPageCount();
        return 0;
    }
    int EndTable(print_table_helper::CTable& table, int& below) override
    {
        const int before = table.Engine()->GetPageCount();
        const int pages = Print::EndTable(table, below);
        tableBelow = below;
        return table.Engine()->GetPageCount() > before ? 0 : pages;
    }
};

class RPrintBaseTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        ASSERT_TRUE(paper.Active());
        engine = rtest::Engine();
        ASSERT_NE(engine, nullptr);
    }
    void TearDown() override
    {
        rtest::FreeEngine();
        ReportTest::TearDown();
    }
    petest::PageRec Page(int page) { return petest::RecordPage(engine, page, dc.Get()); }
    int Height(const wchar_t* text, int size, bool bold)
    {
        engine->SetFont(size, bold, 0, 0, false, false);
        int w = 0;
        int h = 0;
        engine->MeasureText(&w, &h, text);
        return h;
    }
    static bool HasLine(const petest::PageRec& page, int y, int width)
    {
        for (const petest::LineRec& line : page.lines)
            if (line.from.y == y && line.to.y == y && line.penWidth == width)
                return true;
        return false;
    }

    rtest::CA4PrinterCaps paper;
    CRKPrintEngine2* engine = nullptr;
    petest::MemoryDc dc;
};

TEST_F(RPrintBaseTest, SetupPage_withoutHeaderAndFooterTheBodyIsThePrintableArea)
{
    host::SetSetting(L"ReportsPrinterHeader", L"0");
    host::SetSetting(L"ReportsPrinterFooter", L"no");
    CPrinted report;
    ASSERT_EQ(CRPrintBase::PrintReport(engine, dc.Get(), dc.Get(), report), 0);
    EXPECT_EQ(report.BodyTop, 0);
    EXPECT_EQ(report.BodyBottom, report.PrintableHeight);
    EXPECT_EQ(engine->MarginLeft, 150);
    EXPECT_EQ(engine->MarginBottom, 150);
    EXPECT_STREQ(engine->FaceName, L"Arial");
    EXPECT_EQ(report.PrintableWidth, engine->PaperWidth - 300);
    EXPECT_GT(report.PrintableWidth, 1700);
    const petest::PageRec page = Page(1);
    EXPECT_TRUE(page.texts.empty());
    EXPECT_TRUE(page.lines.empty());
}

TEST_F(RPrintBaseTest, Defaults_titleOnTheLeftAndTheRulesAroundBody)
{
    CPrinted report;
    report.Title = L"Filters";
    ASSERT_EQ(CRPrintBase::PrintReport(engine, dc.Get(), dc.Get(), report), 0);
    const int header = Height(L"Filters", 160, true);
    EXPECT_EQ(report.BodyTop, 6 + 6 + 20 + header);
    const int footer = Height(L"Page 1 of 1", 80, false);
    EXPECT_EQ(report.BodyBottom, report.PrintableHeight - (3 + 20 + footer));

    const petest::PageRec page = Page(1);
    const petest::TextRec* title = page.Find(L"Filters");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font.lfWeight, FW_BOLD);
    EXPECT_NE(page.Find(L"2026-05-17 14:30"), nullptr);
    EXPECT_NE(page.Find(L"Page 1 of 1"), nullptr);
    EXPECT_TRUE(HasLine(page, engine->MapY(0), 6));
    EXPECT_TRUE(HasLine(page, engine->MapY(report.BodyTop - 20), 6));
    EXPECT_TRUE(HasLine(page, engine->MapY(report.BodyBottom + 20), 3));
    EXPECT_FALSE(HasLine(page, engine->MapY(report.PrintableHeight), 0)); // width 0 draws nothing
    EXPECT_EQ(page.lines.size(), 3u);
}

TEST_F(RPrintBaseTest, Headers_pageNumbersOfTheFinalDocument)
{
    host::SetSetting(L"ReportsPrinterHeaderInfoRight", L"%pc/%pt");
    host::SetSetting(L"ReportsPrinterMarginsMinimal", L"1");
    CPrinted report;
    report.pages = 3;
    engine->MarginLeft = 77;
    ASSERT_EQ(CRPrintBase::PrintReport(engine, dc.Get(), dc.Get(), report), 0);
    EXPECT_EQ(engine->GetPageCount(), 3);
    EXPECT_NE(Page(2).Find(L"2/3"), nullptr);
    EXPECT_NE(Page(3).Find(L"Page 3 of 3"), nullptr);
}

TEST_F(RPrintBaseTest, Indents_readUpToTheFirstNonNumber)
{
    host::SetSetting(L"ReportsPrinterHeaderIndent", L"10 20");
    host::SetSetting(L"ReportsPrinterFooterIndent", L" 5 x 7 8");
    CPrinted report;
    EXPECT_EQ(report.HeaderIndent[0], 10);
    EXPECT_EQ(report.HeaderIndent[1], 20);
    EXPECT_EQ(report.HeaderIndent[2], 0);
    EXPECT_EQ(report.HeaderIndent[3], 0);
    EXPECT_EQ(report.FooterIndent[0], 5);
    EXPECT_EQ(report.FooterIndent[1], 0);
}

TEST_F(RPrintBaseTest, PrintReport_theFirstFailureEndsTheRun)
{
    CPrinted failing;
    failing.bodyResult = 7;
    EXPECT_EQ(CRPrintBase::PrintReport(engine, dc.Get(), dc.Get(), failing), 7);
    EXPECT_TRUE(Page(1).texts.empty()); // no header, no footer

    CPrinted refused;
    refused.setupResult = 3;
    EXPECT_EQ(CRPrintBase::PrintReport(engine, dc.Get(), dc.Get(), refused), 3);
    EXPECT_EQ(refused.bodyCalls, 0);
    EXPECT_EQ(CRPrintBase::PrintReport(nullptr, dc.Get(), dc.Get(), refused), 1);

    // Margins that leave no body end the run before the report lays anything out.
    host::SetSetting(L"ReportsPrinterMarginsTop", L"1500");
    host::SetSetting(L"ReportsPrinterMarginsBottom", L"1500");
    CPrinted squeezed;
    EXPECT_EQ(CRPrintBase::PrintReport(engine, dc.Get(), dc.Get(), squeezed), 1);
    EXPECT_EQ(squeezed.bodyCalls, 0);
}

TEST_F(RPrintBaseTest, PrintReport_aPageTheEngineCannotAddEndsEveryReportWithTheFailureAndLeavesNoPages)
{
    // A body a few lines high, and more of everything than fits on it.
    ASSERT_NE(rtest::CData::Fresh(), nullptr);
    host::SetSetting(L"ReportsPrinterMarginsTop", L"1200");
    host::SetSetting(L"ReportsPrinterMarginsBottom", L"1200");
    for (unsigned i = 1; i <= 12; ++i) {
        const std::wstring name = L"Item " + std::to_wstring(i);
        wqv2_data::CResource* resource = rtest::AddResource(name.c_str(), static_cast<int>(i));
        ASSERT_NE(resource, nullptr);
        ASSERT_NE(rtest::AddTask(resource, L"Task", rtest::Day(3, i), 480, rtest::Day(3, i), 720), nullptr);
        ASSERT_NE(rtest::AddHoliday(name.c_str(), rtest::Day(4, i)), nullptr);
        ASSERT_NE(rtest::AddFilter(name.c_str(), {}), nullptr);
    }
    ASSERT_NE(rtest::AddCalendar(L"Office", {480, 960}), nullptr);
    ASSERT_NE(rtest::AddCalendar(L"Plant", {360, 840}), nullptr);
    // The chart in four strips, one a page.
    host::SetSetting(L"ReportsScheduleStandardPeriod", L"2");
    host::SetSetting(L"ReportsScheduleStandardStart", L"20260302");
    host::SetSetting(L"ReportsScheduleStandardEnd", L"20260531");

    // Each run ends with the failure and its one message, and leaves nothing of it in the engine:
    // a new document's one empty page.
    const auto expectFailed = [&](const char* name, CRPrintBase& report) {
        rtest::CMessageBoxCatcher catcher;
        EXPECT_EQ(CRPrintBase::PrintReport(engine, dc.Get(), dc.Get(), report), kReportFailedShown) << name;
        EXPECT_EQ(catcher.Texts(), std::vector<std::wstring>{L"There is not enough memory to complete the operation."})
            << name;
        EXPECT_EQ(engine->GetPageCount(), 1) << name;
        const petest::PageRec page = Page(1);
        EXPECT_TRUE(page.texts.empty() && page.lines.empty() && page.fills.empty()) << name;
    };
    CFirstPageOnly<CRScheduleStandardPrint> chart;
    CFirstPageOnly<CRListTasksDefaultPrint> tasks;
    CFirstPageOnly<CRListTasksByResourcePrint> byResource;
    CFirstPageOnly<CRCalendarsPrint> calendars;
    CFirstPageOnly<CRResourcesPrint> resources;
    CFirstPageOnly<CRHolidaysPrint> holidays;
    CFirstPageOnly<CRFiltersPrint> filters;
    const std::pair<const char*, CRPrintBase*> reports[] = {
        {"schedule chart", &chart}, {"tasks", &tasks},         {"tasks by resource", &byResource},
        {"calendars", &calendars},  {"resources", &resources}, {"holidays", &holidays},
        {"filters", &filters},
    };
    for (const auto& [name, report] : reports)
        expectFailed(name, *report);

    // On a whole page the first resource and the first calendar fit: refused is the page the
    // report asks for after them, while the engine holds just the first.
    host::SetSetting(L"ReportsPrinterMarginsTop", L"150");
    host::SetSetting(L"ReportsPrinterMarginsBottom", L"150");
    host::SetSetting(L"ReportsListTasksByResourcesResourcesSingle", L"1");
    CFirstPageOnly<CRListTasksByResourcePrint> pagePerResource;
    expectFailed("a page a resource", pagePerResource);
    EXPECT_EQ(pagePerResource.pagesAtRequest, 1);
    CFirstPageOnly<CRCalendarsPrint> pagePerCalendar;
    expectFailed("a page a calendar", pagePerCalendar);
    EXPECT_EQ(pagePerCalendar.pagesAtRequest, 1);
    // A body that ends right under the first calendar's weekday table (its last table, with no
    // exceptions): the period heading below it asks for the next page.
    const int room = pagePerCalendar.BodyBottom - pagePerCalendar.tableBelow;
    host::SetSetting(L"ReportsPrinterMarginsBottom", std::to_wstring(150 + room));
    CFirstPageOnly<CRCalendarsPrint> nextPage;
    expectFailed("the calendar's next page", nextPage);
    EXPECT_EQ(nextPage.pagesAtRequest, 1);
    EXPECT_EQ(nextPage.tableBelow, nextPage.BodyBottom);
}

TEST_F(RPrintBaseTest, Captions_heightAndLinesOnEveryPage)
{
    CPrinted report;
    report.pages = 2;
    ASSERT_EQ(CRPrintBase::PrintReport(engine, dc.Get(), dc.Get(), report), 0);
    const int line = Height(L"", 110, true);
    EXPECT_EQ(report.CaptionHeight(engine), 3 * line + 70);

    std::vector<std::wstring> labels;
    std::vector<std::wstring> values;
    report.GetCaptionLines(labels, values);
    report.DrawCaptions(110, engine, 1, 2, labels, values, true, true);
    const petest::PageRec first = Page(1);
    const petest::PageRec second = Page(2);
    EXPECT_NE(first.Find(L"2026-03-01 to 2026-03-31"), nullptr);
    EXPECT_EQ(first.Find(L"2026-03-01 to 2026-03-31 (continued)"), nullptr);
    EXPECT_NE(second.Find(L"2026-03-01 to 2026-03-31 (continued)"), nullptr);
    const petest::TextRec* label = first.Find(L"Period: ");
    const petest::TextRec* filter = first.Find(L"none");
    const petest::TextRec* third = first.Find(L"Third: ");
    const petest::TextRec* value = first.Find(L"value");
    ASSERT_TRUE(label && filter && third && value);
    EXPECT_EQ(label->y, engine->MapY(report.BodyTop + 20));
    EXPECT_NE(label->font.lfWeight, FW_BOLD);
    EXPECT_EQ(filter->font.lfWeight, FW_BOLD);
    const int step = 120 * line / 100; // 1.2 lines, exactly
    EXPECT_EQ(third->y, engine->MapY(report.BodyTop + 20 + 2 * step));
    EXPECT_EQ(filter->x, value->x); // aligned after the widest label
    EXPECT_GT(value->x, third->x);
}

TEST_F(RPrintBaseTest, FilterCaption_onlyWithAFilterOrShowAlways)
{
    std::vector<std::wstring> labels;
    std::vector<std::wstring> values;
    EXPECT_EQ(CRPrintBase::AddFilterCaption(labels, values, false), 0);
    EXPECT_TRUE(labels.empty());
    rtest::CData::Fresh();
    UseReportFilter(rtest::AddFilter(L"Crew", {}));
    EXPECT_EQ(CRPrintBase::AddFilterCaption(labels, values, false), 1);
    EXPECT_EQ(labels, std::vector<std::wstring>{L"Filter: "});
    EXPECT_EQ(values, std::vector<std::wstring>{L"Crew"});
}

TEST_F(RPrintBaseTest, DrawFootnote_atTheFootOfEveryPageOfTheLastTable)
{
    CPrinted report;
    ASSERT_EQ(CRPrintBase::PrintReport(engine, dc.Get(), dc.Get(), report), 0);
    report.DrawFootnote(L"note", engine);
    EXPECT_EQ(Page(1).Find(L"note"), nullptr); // no table laid out yet

    print_table_helper::CTable table(engine);
    table.AddColumn(1.0);
    table.ScaleWidths(report.PrintableWidth);
    table.BeginTable(0, report.BodyTop, report.PrintableWidth, report.BodyBottom, report.BodyTop);
    for (int i = 0; i < 200; ++i)
        table.Section(1).AppendRow().Cell(0).SetText(L"row");
    table.EndTable();
    const int pages = engine->GetPageCount();
    ASSERT_GT(pages, 1);
    host::SetSetting(L"ReportsPrinterFootnoteStretch", L"150");
    CPrinted stretched;
    stretched.BodyBottom = report.BodyBottom;
    stretched.DrawFootnote(L"note", engine);
    const int line = Height(L"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ", 90, false);
    const int y = report.BodyBottom - line * 150 / 100 + (line * 150 / 100 - line) / 2;
    for (int page = 1; page <= pages; ++page) {
        const petest::TextRec* note = Page(page).Find(L"note");
        ASSERT_NE(note, nullptr) << page;
        EXPECT_EQ(note->y, engine->MapY(y));
    }
}

} // namespace
