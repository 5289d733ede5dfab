// The tasks-by-resource report through the callbacks the plug-in registers: exact export text,
// the HTML pages, printed pages read back from metafiles, the orientation and the settings-file
// keys, on the small March project (ListTestProject.h).
#include "PluginTestEnv.h"

#include "EngineFixture.h"
#include "ListTestProject.h"

namespace {

const std::wstring kPrefix = L"ReportsListTasksByResources";

class TasksByResourceTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        record = &Record(L"Tasks by resource");
        ASSERT_NE(record->Export, nullptr);
        ASSERT_NE(record->Html, nullptr);
        ASSERT_NE(record->Print, nullptr);
        project = listtest::BuildMarchProject();
        ASSERT_TRUE(project.complete);
        listtest::UseMarch(kPrefix);
    }
    void TearDown() override
    {
        if (engine)
            rtest::FreeEngine();
        PluginTest::TearDown();
    }

    static void Set(const std::wstring& key, const wchar_t* value) { host::SetSetting(kPrefix + key, value); }

    std::wstring Export()
    {
        const std::wstring path = folder.File(L"tbr.txt");
        DeleteFileW(path.c_str());
        EXPECT_EQ(record->Export(path.c_str()), 0);
        return rtest::ReadUtf16(path);
    }

    std::wstring Html(const std::wstring& name)
    {
        const std::wstring path = rtest::OutputFolder() + name;
        EXPECT_EQ(record->Html(path.c_str()), 0);
        return rtest::ReadUtf16(path);
    }

    int Print()
    {
        engine = rtest::Engine();
        return record->Print(engine, dc.Get(), dc.Get());
    }

    bool OnAnyPage(const std::wstring& text)
    {
        for (int p = 1; p <= engine->GetPageCount(); ++p) {
            if (petest::RecordPage(engine, p, dc.Get()).Find(text))
                return true;
        }
        return false;
    }

    void AllOptions()
    {
        for (const wchar_t* key : {L"ColumnsDuration", L"ColumnsWorkingTime", L"ColumnsCosts", L"ColumnsFormat",
                                   L"ColumnsUDF", L"ColumnsNotes", L"SumResource", L"SumTotal"})
            Set(key, L"1");
    }

    const ReportRegistration* record = nullptr;
    listtest::MarchProject project;
    rtest::CTempFolder folder;
    rtest::CA4PrinterCaps paper;
    CRKPrintEngine2* engine = nullptr;
    petest::MemoryDc dc;
};

TEST_F(TasksByResourceTest, Export_withoutOptionsSixCellsARowEveryOccurrenceByResource)
{
    EXPECT_EQ(Export(), L"Resource\tTask\tStart date\tStart time\tEnd date\tEnd time\r\n"
                        L"Anna\tPlan\t2026-03-02\t09:00\t2026-03-02\t11:00\r\n"
                        L"Anna\tNight\t2026-03-31\t22:00\t2026-04-01\t02:00\r\n"
                        L"Ben\tEarly\t2026-02-28\t10:00\t2026-03-01\t10:00\r\n"
                        L"Ben\tStandup\t2026-03-30\t08:30\t2026-03-30\t09:30\r\n"
                        L"Ben\tStandup\t2026-03-31\t08:30\t2026-03-31\t09:30\r\n");
}

TEST_F(TasksByResourceTest, Export_everyColumnWithSumsClippedToThePeriod)
{
    AllOptions();
    host::SetSetting(L"ReportsExportIDTasks", L"1");
    host::SetSetting(L"ReportsExportIDResources", L"1");
    Set(L"ResourcesSkipEmpty", L"1"); // the export keeps every resource anyway
    EXPECT_EQ(Export(), listtest::WithIds(project,
              L"Resource ID\tResource\tTask ID\tTask\tStart date\tStart time\tEnd date\tEnd time\tDuration\t"
              L"Working time\tCosts calculated\tVariable costs\tCosts unit\tFixed costs\tCosts\tText colour\t"
              L"Background colour\tBold\tOrder\tDue\tNotes\r\n"
              L"{A}\tAnna\t1\tPlan\t2026-03-02\t09:00\t2026-03-02\t11:00\t2 h 0 min\t2 h 0 min\t1\t60.00 EUR\tper hour\t"
              L"10.00 EUR\t130.00 EUR\t#000000\t#FFFFFF\t0\t42\t2026-03-10\tFirst second\r\n"
              L"{A}\tAnna\t2\tNight\t2026-03-31\t22:00\t2026-04-01\t02:00\t2 h 0 min\t2 h 0 min\t0\t0.00 EUR\tper hour\t"
              L"0.00 EUR\t0.00 EUR\t#000000\t#FFFFFF\t0\t\t\t\r\n"
              L"{A}\tAnna\t\t\t\t\t\tSum\t4 h 0 min\t4 h 0 min\t\t\t\t\t130.00 EUR\t\t\t\t\t\t\r\n"
              L"{B}\tBen\t1\tEarly\t2026-02-28\t10:00\t2026-03-01\t10:00\t10 h 0 min\t2 h 0 min\t1\t30.00 EUR\t"
              L"per working hour\t0.00 EUR\t60.00 EUR\t#FF0000\t#C0FFC0\t1\t\t\t\r\n"
              L"{B}\tBen\t\tStandup\t2026-03-30\t08:30\t2026-03-30\t09:30\t1 h 0 min\t1 h 0 min\t0\t0.00 EUR\tper hour\t"
              L"0.00 EUR\t0.00 EUR\t#000000\t#FFFFFF\t0\t\t\tdaily\r\n"
              L"{B}\tBen\t\tStandup\t2026-03-31\t08:30\t2026-03-31\t09:30\t1 h 0 min\t1 h 0 min\t0\t0.00 EUR\tper hour\t"
              L"0.00 EUR\t0.00 EUR\t#000000\t#FFFFFF\t0\t\t\tdaily\r\n"
              L"{B}\tBen\t\t\t\t\t\tSum\t12 h 0 min\t4 h 0 min\t\t\t\t\t60.00 EUR\t\t\t\t\t\t\r\n"
              L"{C}\tCrane\t\t\t\t\t\tSum\t0 min\t0 min\t\t\t\t\t0.00 EUR\t\t\t\t\t\t\r\n"
              L"\tTotal\t\t\t\t\t\t\t16 h 0 min\t8 h 0 min\t\t\t\t\t190.00 EUR\t\t\t\t\t\t\r\n"));
}

TEST_F(TasksByResourceTest, Export_wholeOccurrencesWithoutTheLimitByTheCalendar)
{
    Set(L"ColumnsDuration", L"1");
    Set(L"ColumnsWorkingTime", L"1");
    Set(L"ColumnsCosts", L"1");
    Set(L"LimitPeriod", L"0");
    Set(L"SumTotal", L"1");
    const std::wstring text = Export();
    EXPECT_NE(text.find(L"Anna\tNight\t2026-03-31\t22:00\t2026-04-01\t02:00\t4 h 0 min\t4 h 0 min\t0\t"),
              std::wstring::npos)
        << std::string(text.begin(), text.end());
    // Two working hours on each of the two mornings; costs by working time.
    EXPECT_NE(text.find(L"Ben\tEarly\t2026-02-28\t10:00\t2026-03-01\t10:00\t1 d 0 h 0 min\t4 h 0 min\t1\t30.00 EUR\t"
                        L"per working hour\t0.00 EUR\t120.00 EUR\r\n"),
              std::wstring::npos);
    EXPECT_NE(text.find(L"Total\t\t\t\t\t\t1 d 8 h 0 min\t12 h 0 min\t\t\t\t\t250.00 EUR\r\n"), std::wstring::npos);
}

TEST_F(TasksByResourceTest, Export_filterToOneResourceDropsTheTotalAndFileDates)
{
    Set(L"ColumnsDuration", L"1");
    Set(L"SumTotal", L"1");
    Set(L"SumResource", L"1");
    host::SetSetting(L"ReportsExportUseLocalizedDate", L"0");
    wqv2_data::CFilter* filter = rtest::AddFilter(L"Ben only", {project.anna, project.crane});
    ASSERT_NE(filter, nullptr);
    record->SetFilter(filter);
    EXPECT_EQ(Export(), L"Resource\tTask\tStart date\tStart time\tEnd date\tEnd time\tDuration\r\n"
                        L"Ben\tEarly\t20260228\t10:00\t20260301\t10:00\t10 h 0 min\r\n"
                        L"Ben\tStandup\t20260330\t08:30\t20260330\t09:30\t1 h 0 min\r\n"
                        L"Ben\tStandup\t20260331\t08:30\t20260331\t09:30\t1 h 0 min\r\n"
                        L"Ben\t\t\t\t\tSum\t12 h 0 min\r\n");
}

TEST_F(TasksByResourceTest, Export_sumsWithoutValueColumnsAreDropped)
{
    Set(L"SumTotal", L"1");
    Set(L"SumResource", L"1");
    const std::wstring text = Export();
    EXPECT_EQ(text.find(L"Sum"), std::wstring::npos);
    EXPECT_EQ(text.find(L"Total"), std::wstring::npos);
}

TEST_F(TasksByResourceTest, Export_badInputAnswersWithoutACrash)
{
    // A period of no length lists what runs at its moment, with nothing inside the period.
    Set(L"DateEnd", L"20260301");
    Set(L"ColumnsDuration", L"1");
    Set(L"SumResource", L"1");
    EXPECT_EQ(Export(), L"Resource\tTask\tStart date\tStart time\tEnd date\tEnd time\tDuration\r\n"
                        L"Anna\t\t\t\t\tSum\t0 min\r\n"
                        L"Ben\tEarly\t2026-02-28\t10:00\t2026-03-01\t10:00\t0 min\r\n"
                        L"Ben\t\t\t\t\tSum\t0 min\r\n"
                        L"Crane\t\t\t\t\tSum\t0 min\r\n");
    // A period the wrong way round, and an empty project.
    Set(L"DateStart", L"20261231");
    EXPECT_EQ(Export(), L"Resource\tTask\tStart date\tStart time\tEnd date\tEnd time\tDuration\r\n"
                        L"Anna\t\t\t\t\tSum\t0 min\r\n"
                        L"Ben\t\t\t\t\tSum\t0 min\r\n"
                        L"Crane\t\t\t\t\tSum\t0 min\r\n");
    rtest::CData::Fresh();
    EXPECT_EQ(Export(), L"Resource\tTask\tStart date\tStart time\tEnd date\tEnd time\tDuration\r\n");

    rtest::CMessageBoxCatcher boxes;
    const std::wstring path = folder.File(L"missing\\tbr.txt");
    EXPECT_EQ(record->Export(path.c_str()), kReportFailedShown);
    EXPECT_EQ(record->Export(L""), 1);
    EXPECT_EQ(record->Export(nullptr), 1);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], L"The file " + path + L" cannot be written.");
}

TEST_F(TasksByResourceTest, Html_groupedTableWithSumsAndTheFootnote)
{
    Set(L"ColumnsDuration", L"1");
    Set(L"ColumnsNotes", L"1");
    Set(L"SumResource", L"1");
    Set(L"SumTotal", L"1");
    Set(L"Title", L"March & more");
    host::SetSetting(L"ReportsListHtmlCSSAdd", L"\t.extra { }\n");
    const std::wstring page = Html(L"tbr_grouped.htm");
    auto has = [&](const std::wstring& fragment) {
        const bool found = page.find(fragment) != std::wstring::npos;
        EXPECT_TRUE(found) << std::string(fragment.begin(), fragment.end()) << "\n---\n" << std::string(page.begin(), page.end());
        return found;
    };
    has(L"<title>March &amp; more</title>");
    has(L"\t.qvlheader { font-weight: bold; padding-left: 5px; padding-right: 5px; }\n"
        L"\t.qvlsubtitle { font-weight: bold; padding-left: 5px; padding-right: 5px; padding-top: 10px; }\n"
        L"\t.qvlentry { padding-left: 5px; padding-right: 5px; padding-top: 5px; }\n"
        L"\t.qvlsum { font-weight: bold; padding: 5px; }\n"
        L"\t.extra { }\n");
    has(L"<h3>Period: 2026-03-01 to 2026-03-31</h3>\n");
    EXPECT_EQ(page.find(L"Filter: "), std::wstring::npos);
    has(L"\n<table border=0 cellspacing=0 cellpadding=5 >\n\n"
        L" <tr class=qvlheader >\n"
        L"  <th colspan=6 align=left >Resource</th>\n"
        L" </tr>\n"
        L" <tr valign=top >\n"
        L"  <th class=qvlheader >&#160;</th>\n"
        L"  <th class=qvlheader >Task</th>\n"
        L"  <th align=right class=qvlheader >Start</th>\n"
        L"  <th align=right class=qvlheader >End</th>\n"
        L"  <th class=qvlheader >Duration *</th>\n"
        L"  <th class=qvlheader >Notes</th>\n"
        L" </tr>\n"
        L" <tr >\n"
        L"  <td colspan=6 ><hr >&#160;</td>\n"
        L" </tr>\n"
        L" <tr valign=top >\n"
        L"  <td colspan=6 align=left class=qvlsubtitle >Anna</td>\n"
        L" </tr>\n"
        L" <tr >\n"
        L"  <td colspan=6 ><hr size=1 >&#160;</td>\n"
        L" </tr>\n"
        L" <tr valign=top >\n"
        L"  <td class=qvlentries >&#160;</td>\n"
        L"  <td class=qvlentries >Plan</td>\n"
        L"  <td align=right class=qvlentries >2026-03-02 09:00</td>\n"
        L"  <td align=right class=qvlentries >2026-03-02 11:00</td>\n"
        L"  <td align=right class=qvlentries >2 h 0 min</td>\n"
        L"  <td class=qvlentries >First<br>second</td>\n"
        L" </tr>\n");
    // Anna's sum under a rule beside the empty indent cell, then the spacer.
    has(L" <tr >\n"
        L"  <td class=qvlsum >&#160;</td>\n"
        L"  <td colspan=5 class=qvlsum ><hr size=1 >&#160;</td>\n"
        L" </tr>\n"
        L" <tr valign=top >\n"
        L"  <td colspan=4 align=right class=qvlsum >Sum</td>\n"
        L"  <td align=right class=qvlsum >4 h 0 min</td>\n"
        L"  <td class=qvlsum >&#160;</td>\n"
        L" </tr>\n"
        L" <tr >\n"
        L"  <td >&#160;</td>\n"
        L" </tr>\n"
        L" <tr valign=top >\n"
        L"  <td colspan=6 align=left class=qvlsubtitle >Ben</td>\n");
    // A resource without tasks: its row, the rule, no sum of one occurrence or none, no spacer.
    has(L"  <td colspan=6 align=left class=qvlsubtitle >Crane (no tasks in the period)</td>\n"
        L" </tr>\n"
        L" <tr >\n"
        L"  <td colspan=6 ><hr size=1 >&#160;</td>\n"
        L" </tr>\n"
        L" <tr valign=top >\n"
        L"  <td colspan=6 align=left class=qvlsubtitle >All resources</td>\n"
        L" </tr>\n"
        L" <tr >\n"
        L"  <td colspan=6 ><hr size=1 >&#160;</td>\n"
        L" </tr>\n"
        L" <tr valign=top >\n"
        L"  <td colspan=4 align=right class=qvlsum >Sum</td>\n"
        L"  <td align=right class=qvlsum >16 h 0 min</td>\n"
        L"  <td class=qvlsum >&#160;</td>\n"
        L" </tr>\n"
        L"\n</table>\n\n"
        L"<p>* Counted only within the report period.</p>\n");
}

TEST_F(TasksByResourceTest, Html_oneResourceSingleLayoutNamesItNowhere)
{
    Set(L"ColumnsDuration", L"1");
    Set(L"SumTotal", L"1");
    Set(L"DateOnly", L"1");
    Set(L"LimitPeriod", L"0");
    ASSERT_TRUE(listtest::EditTask(project.plan, [](wqv2_data::CTask& t) {
        t.DateEnd = rtest::Day(3, 3);
        t.TimeEnd = 0;
    }));
    wqv2_data::CFilter* filter = rtest::AddFilter(L"Anna's", {project.ben, project.crane});
    record->SetFilter(filter);
    const std::wstring page = Html(L"tbr_single.htm");
    EXPECT_NE(page.find(L"<h3>Filter: Anna's</h3>"), std::wstring::npos);
    EXPECT_EQ(page.find(L"Anna<"), std::wstring::npos);
    EXPECT_EQ(page.find(L"qvlsubtitle >"), std::wstring::npos);
    EXPECT_EQ(page.find(L"Sum<"), std::wstring::npos); // no total of one resource
    EXPECT_EQ(page.find(L"<p>* Counted"), std::wstring::npos);
    // Dates only (weekday names follow the user's locale: none here); an end at 00:00 is the day
    // before.
    EXPECT_NE(page.find(L"  <td class=qvlentries >Plan</td>\n"
                        L"  <td align=right class=qvlentries >2026-03-02</td>\n"
                        L"  <td align=right class=qvlentries >2026-03-02</td>\n"
                        L"  <td align=right class=qvlentries >15 h 0 min</td>\n"),
              std::wstring::npos)
        << std::string(page.begin(), page.end());
    EXPECT_NE(page.find(L"  <th class=qvlheader >Duration</th>\n"), std::wstring::npos);
}

TEST_F(TasksByResourceTest, Html_onePagePerResourceAndAnIndex)
{
    Set(L"ColumnsCosts", L"1");
    Set(L"SumTotal", L"1");
    Set(L"ResourcesSingle", L"1");
    host::SetSetting(L"ReportsHtmlCreatedFilesSave", L"1");
    const std::wstring index = Html(L"tbr_index.htm");
    const std::wstring folderPath = rtest::OutputFolder();
    EXPECT_EQ(host::GetSetting(L"ReportsHtmlCreatedFiles"),
              folderPath + L"tbr_index1.htm\n" + folderPath + L"tbr_index2.htm\n" + folderPath + L"tbr_index3.htm\n" +
                  folderPath + L"tbr_index4.htm\n" + folderPath + L"tbr_index.htm");
    EXPECT_NE(index.find(L"\n<table border=1 cellspacing=0 cellpadding=5 >\n\n"
                         L" <tr >\n  <th >Resources</th>\n </tr>\n"
                         L" <tr >\n  <td ><a href=\"tbr_index1.htm\">Anna</a></td>\n </tr>\n"
                         L" <tr >\n  <td ><a href=\"tbr_index2.htm\">Ben</a></td>\n </tr>\n"
                         L" <tr >\n  <td ><a href=\"tbr_index3.htm\">Crane</a></td>\n </tr>\n"
                         L" <tr >\n  <td ><a href=\"tbr_index4.htm\"><b>Total</b></a></td>\n </tr>\n"),
              std::wstring::npos)
        << std::string(index.begin(), index.end());
    EXPECT_EQ(index.find(L".qvlsum"), std::wstring::npos); // no extra styles on the index

    const std::wstring anna = rtest::ReadUtf16(folderPath + L"tbr_index1.htm");
    EXPECT_NE(anna.find(L"<h3>Resource: Anna</h3>\n"), std::wstring::npos);
    EXPECT_EQ(anna.find(L"qvlsubtitle >"), std::wstring::npos);
    EXPECT_NE(anna.find(L"  <td align=right class=qvlentries >130.00 EUR</td>\n"), std::wstring::npos);
    const std::wstring crane = rtest::ReadUtf16(folderPath + L"tbr_index3.htm");
    EXPECT_NE(crane.find(L"<p>There is nothing in this period.</p>"), std::wstring::npos);
    EXPECT_EQ(crane.find(L"<table"), std::wstring::npos);
    const std::wstring total = rtest::ReadUtf16(folderPath + L"tbr_index4.htm");
    EXPECT_NE(total.find(L"<h3>Total</h3>\n"), std::wstring::npos);
    EXPECT_NE(total.find(L" <tr valign=top >\n"
                         L"  <td colspan=3 align=right class=qvlsum >Sum</td>\n"
                         L"  <td align=right class=qvlsum >190.00 EUR</td>\n"
                         L" </tr>\n"),
              std::wstring::npos)
        << std::string(total.begin(), total.end());
}

TEST_F(TasksByResourceTest, Html_emptyListsAndFailures)
{
    // Nothing in the period, resources without tasks left out: no entry at all.
    Set(L"DateStart", L"20260601");
    Set(L"DateEnd", L"20260701");
    Set(L"ResourcesSkipEmpty", L"1");
    Set(L"ResourcesSingle", L"1");
    EXPECT_NE(Html(L"tbr_none.htm").find(L"<p>There is nothing to list.</p>"), std::wstring::npos);

    rtest::CMessageBoxCatcher boxes;
    EXPECT_EQ(record->Html(L""), 1);
    EXPECT_EQ(record->Html(nullptr), 1);
    // The first sub-page that cannot be written ends the run: no index page.
    Set(L"DateStart", L"20260301");
    Set(L"DateEnd", L"20260401");
    const std::wstring path = folder.File(L"missing\\tbr.htm");
    EXPECT_EQ(record->Html(path.c_str()), kReportFailedShown);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], L"The file " + folder.File(L"missing\\tbr1.htm") + L" cannot be written.");
}

TEST_F(TasksByResourceTest, Print_groupedTableWithCaptionsSumsAndFootnote)
{
    Set(L"ColumnsWorkingTime", L"1");
    Set(L"SumResource", L"1");
    Set(L"SumTotal", L"1");
    Set(L"Title", L"Tasks");
    host::SetSetting(L"ReportsFilterShowAlways", L"1");
    ASSERT_EQ(Print(), 0);
    ASSERT_EQ(engine->GetPageCount(), 1);
    EXPECT_EQ(engine->GetRowCount(0), 2);
    // Resource rows 4 (with the total), tasks 5, sums of Anna, Ben and the total.
    EXPECT_EQ(engine->GetRowCount(1), 4 + 5 + 3);
    EXPECT_EQ(engine->GetRowCount(2), 2); // Anna's and Ben's groups can continue
    const petest::PageRec page = petest::RecordPage(engine, 1, dc.Get());
    for (const wchar_t* text : {L"Tasks", L"Period: ", L"2026-03-01 to 2026-03-31", L"Filter: ", L"none", L"Resource",
                                L"Task", L"Start", L"End", L"Working time *", L"Anna", L"Plan", L"2026-03-02 09:00",
                                L"Ben", L"Standup", L"Crane (no tasks in the period)", L"All resources", L"8 h 0 min",
                                L"* Counted only within the report period.", L"Page 1 of 1"})
        EXPECT_NE(page.Find(text), nullptr) << std::string(text, text + wcslen(text));
    EXPECT_EQ(page.Find(L"Anna (continued)"), nullptr);
    const petest::TextRec* head = page.Find(L"Working time *");
    const petest::TextRec* period = page.Find(L"2026-03-01 to 2026-03-31");
    ASSERT_TRUE(head && period);
    EXPECT_EQ(head->font.lfWeight, FW_BOLD);
    EXPECT_GT(period->y, head->y); // y grows upwards in the metafile's logical units
}

TEST_F(TasksByResourceTest, Print_longGroupContinuesUnderTheHeadRowsOfTheNextPage)
{
    for (int i = 0; i < 80; ++i)
        ASSERT_NE(rtest::AddTask(project.anna, (L"Job " + std::to_wstring(i)).c_str(), rtest::Day(3, 10), 480 + i,
                                 rtest::Day(3, 10), 600),
                  nullptr);
    ASSERT_EQ(Print(), 0);
    ASSERT_GT(engine->GetPageCount(), 1);
    const petest::PageRec second = petest::RecordPage(engine, 2, dc.Get());
    EXPECT_NE(second.Find(L"Anna (continued)"), nullptr);
    EXPECT_NE(second.Find(L"Task"), nullptr);
    EXPECT_NE(second.Find(L"2026-03-01 to 2026-03-31"), nullptr); // captions on every page
    EXPECT_EQ(second.Find(L"* Counted only within the report period."), nullptr); // no value column
}

TEST_F(TasksByResourceTest, Print_onePagePerResourceHeadedByItsName)
{
    Set(L"ColumnsDuration", L"1");
    Set(L"SumTotal", L"1");
    Set(L"ResourcesSingle", L"1");
    ASSERT_EQ(Print(), 0);
    ASSERT_EQ(engine->GetPageCount(), 4);
    const wchar_t* names[4] = {L"Anna", L"Ben", L"Crane", L"Total"};
    for (int p = 1; p <= 4; ++p) {
        const petest::PageRec page = petest::RecordPage(engine, p, dc.Get());
        EXPECT_NE(page.Find(names[p - 1]), nullptr) << p;
        EXPECT_EQ(page.Find(L"Resource"), nullptr) << p; // single layout: no resource head row
        EXPECT_NE(page.Find(L"Page " + std::to_wstring(p) + L" of 4"), nullptr);
    }
    EXPECT_NE(petest::RecordPage(engine, 1, dc.Get()).Find(L"Resource: "), nullptr);
    EXPECT_NE(petest::RecordPage(engine, 3, dc.Get()).Find(L"There is nothing in this period."), nullptr);
    EXPECT_NE(petest::RecordPage(engine, 4, dc.Get()).Find(L"16 h 0 min"), nullptr);
}

TEST_F(TasksByResourceTest, Print_emptyProjectAndNoEngine)
{
    rtest::CData::Fresh();
    ASSERT_EQ(Print(), 0);
    EXPECT_EQ(engine->GetPageCount(), 1);
    EXPECT_NE(petest::RecordPage(engine, 1, dc.Get()).Find(L"There is nothing to list."), nullptr);
    EXPECT_EQ(record->Print(nullptr, dc.Get(), dc.Get()), 1);
}

TEST_F(TasksByResourceTest, Registration_orientationGroupAndSettingsFileKeys)
{
    EXPECT_EQ(record->Group, 3);
    EXPECT_STREQ(record->Description, L"The tasks of a period, resource by resource.");
    EXPECT_NE(record->SetFilter, nullptr);
    EXPECT_NE(record->CreatePage, nullptr);
    EXPECT_EQ(record->Orientation(), 2);
    Set(L"PrinterOrientation", L"1");
    EXPECT_EQ(record->Orientation(), 1);

    host::SettingFileCalls().clear();
    Plugin().onLoadSettings(L"C:\\lists.ini");
    Plugin().onSaveSettings(L"C:\\lists.ini", false);
    std::vector<std::wstring> ours;
    for (const std::wstring& call : host::SettingFileCalls()) {
        if (call.find(L"|ReportsListTasksByResources|") != std::wstring::npos)
            ours.push_back(call);
    }
    const wchar_t* keys[] = {L"Title", L"TitleEmpty", L"PrinterOrientation", L"ColumnsDuration",
                             L"ColumnsWorkingTime", L"ColumnsCosts", L"ColumnsFormat", L"ColumnsUDF",
                             L"ColumnsNotes", L"LimitPeriod", L"SumTotal", L"SumResource", L"ResourcesSingle",
                             L"ResourcesSkipEmpty"};
    std::vector<std::wstring> expected;
    for (const wchar_t* action : {L"load", L"save"}) {
        for (const wchar_t* key : keys)
            expected.push_back(std::wstring(action) + L"|ReportsListTasksByResources|" + kPrefix + key +
                               L"|C:\\lists.ini");
    }
    EXPECT_EQ(ours, expected);
}

} // namespace
