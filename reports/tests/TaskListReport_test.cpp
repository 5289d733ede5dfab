// The task list report through the callbacks the plug-in registers: exact export text in the
// grid's column order, the HTML table with its sum row, printed pages read back from metafiles,
// and the settings-file keys, on the small March project (ListTestProject.h).
#include "PluginTestEnv.h"

#include "EngineFixture.h"
#include "ListTestProject.h"

namespace {

const std::wstring kPrefix = L"ReportsListTasksDefault";

class TaskListTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        record = &Record(L"Task list");
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
        const std::wstring path = folder.File(L"list.txt");
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

    const ReportRegistration* record = nullptr;
    listtest::MarchProject project;
    rtest::CTempFolder folder;
    rtest::CA4PrinterCaps paper;
    CRKPrintEngine2* engine = nullptr;
    petest::MemoryDc dc;
};

TEST_F(TaskListTest, Export_withoutOptionsOneRowPerOccurrence)
{
    EXPECT_EQ(Export(), L"Task\tResource\tStart date\tStart time\tEnd date\tEnd time\r\n"
                        L"Plan\tAnna\t2026-03-02\t09:00\t2026-03-02\t11:00\r\n"
                        L"Night\tAnna\t2026-03-31\t22:00\t2026-04-01\t02:00\r\n"
                        L"Early\tBen\t2026-02-28\t10:00\t2026-03-01\t10:00\r\n"
                        L"Standup\tBen\t2026-03-30\t08:30\t2026-03-30\t09:30\r\n"
                        L"Standup\tBen\t2026-03-31\t08:30\t2026-03-31\t09:30\r\n");
}

TEST_F(TaskListTest, Export_everyColumnInTheGridsOrderWithTheSumRow)
{
    for (const wchar_t* key : {L"ColumnsDuration", L"ColumnsWorkingTime", L"ColumnsCosts", L"ColumnsFormat",
                               L"ColumnsUDF", L"ColumnsNotes", L"SumTotal"})
        Set(key, L"1");
    host::SetSetting(L"ReportsExportIDTasks", L"1");
    host::SetSetting(L"ReportsExportIDResources", L"1");
    host::SetSetting(L"ViewGridColumnsSortOrder", L"7 0");
    EXPECT_EQ(Export(),
              listtest::WithIds(
                  project,
                  L"Task ID\tResource ID\tNotes\tTask\tResource\tStart date\tStart time\tEnd date\tEnd time\tDuration\t"
                  L"Working time\tCosts calculated\tVariable costs\tCosts unit\tFixed costs\tCosts\tText colour\t"
                  L"Background colour\tBold\tOrder\tDue\r\n"
                  L"1\t{A}\tFirst second\tPlan\tAnna\t2026-03-02\t09:00\t2026-03-02\t11:00\t2 h 0 min\t2 h 0 min\t1\t"
                  L"60.00 EUR\tper hour\t10.00 EUR\t130.00 EUR\t#000000\t#FFFFFF\t0\t42\t2026-03-10\r\n"
                  L"2\t{A}\t\tNight\tAnna\t2026-03-31\t22:00\t2026-04-01\t02:00\t2 h 0 min\t2 h 0 min\t0\t0.00 EUR\t"
                  L"per hour\t0.00 EUR\t0.00 EUR\t#000000\t#FFFFFF\t0\t\t\r\n"
                  L"1\t{B}\t\tEarly\tBen\t2026-02-28\t10:00\t2026-03-01\t10:00\t10 h 0 min\t2 h 0 min\t1\t30.00 EUR\t"
                  L"per working hour\t0.00 EUR\t60.00 EUR\t#FF0000\t#C0FFC0\t1\t\t\r\n"
                  L"\t{B}\tdaily\tStandup\tBen\t2026-03-30\t08:30\t2026-03-30\t09:30\t1 h 0 min\t1 h 0 min\t0\t0.00 EUR\t"
                  L"per hour\t0.00 EUR\t0.00 EUR\t#000000\t#FFFFFF\t0\t\t\r\n"
                  L"\t{B}\tdaily\tStandup\tBen\t2026-03-31\t08:30\t2026-03-31\t09:30\t1 h 0 min\t1 h 0 min\t0\t0.00 EUR\t"
                  L"per hour\t0.00 EUR\t0.00 EUR\t#000000\t#FFFFFF\t0\t\t\r\n"
                  L"\t\t\tTotal\t\t\t\t\t\t16 h 0 min\t8 h 0 min\t\t\t\t\t190.00 EUR\t\t\t\t\t\r\n"));
}

TEST_F(TaskListTest, Export_oneOccurrenceStillGetsItsSumRowAndNoValueColumnNone)
{
    Set(L"SumTotal", L"1");
    Set(L"DateStart", L"20260302");
    Set(L"DateEnd", L"20260303");
    EXPECT_EQ(Export(), L"Task\tResource\tStart date\tStart time\tEnd date\tEnd time\r\n"
                        L"Plan\tAnna\t2026-03-02\t09:00\t2026-03-02\t11:00\r\n");
    Set(L"ColumnsCosts", L"1");
    Set(L"LimitPeriod", L"0");
    EXPECT_EQ(Export(), L"Task\tResource\tStart date\tStart time\tEnd date\tEnd time\tCosts calculated\t"
                        L"Variable costs\tCosts unit\tFixed costs\tCosts\r\n"
                        L"Plan\tAnna\t2026-03-02\t09:00\t2026-03-02\t11:00\t1\t60.00 EUR\tper hour\t10.00 EUR\t"
                        L"130.00 EUR\r\n"
                        L"Total\t\t\t\t\t\t\t\t\t\t130.00 EUR\r\n");
}

TEST_F(TaskListTest, Export_cellsWithTheSeparatorALineBreakOrALeadingQuoteAreQuoted)
{
    // Left for the Linux-side check, which reads the file with Python's csv module.
    ASSERT_TRUE(listtest::EditTask(project.plan, [](wqv2_data::CTask& task) { task.SetName(L"a\tb \"c\""); }));
    ASSERT_TRUE(
        listtest::EditTask(project.early, [](wqv2_data::CTask& task) { task.SetName(L"\"Quoted start\" end"); }));
    Set(L"ColumnsNotes", L"1");
    Set(L"DateEnd", L"20260303");
    host::SetSetting(L"ReportsExportNewlineReplace", L"0");
    const std::wstring path = rtest::OutputFolder() + L"tasklist_quoted.txt";
    ASSERT_EQ(record->Export(path.c_str()), 0);
    EXPECT_EQ(rtest::ReadUtf16(path), L"Task\tResource\tStart date\tStart time\tEnd date\tEnd time\tNotes\r\n"
                                      L"\"a\tb \"\"c\"\"\"\tAnna\t2026-03-02\t09:00\t2026-03-02\t11:00\t\"First\nsecond\"\r\n"
                                      L"\"\"\"Quoted start\"\" end\"\tBen\t2026-02-28\t10:00\t2026-03-01\t10:00\t\r\n");
}

TEST_F(TaskListTest, Export_filterEmptyProjectAndUnwritablePath)
{
    record->SetFilter(rtest::AddFilter(L"Ben only", {project.anna, project.crane}));
    EXPECT_EQ(Export(), L"Task\tResource\tStart date\tStart time\tEnd date\tEnd time\r\n"
                        L"Early\tBen\t2026-02-28\t10:00\t2026-03-01\t10:00\r\n"
                        L"Standup\tBen\t2026-03-30\t08:30\t2026-03-30\t09:30\r\n"
                        L"Standup\tBen\t2026-03-31\t08:30\t2026-03-31\t09:30\r\n");
    record->SetFilter(nullptr);
    rtest::CData::Fresh();
    Set(L"SumTotal", L"1");
    Set(L"ColumnsDuration", L"1");
    EXPECT_EQ(Export(), L"Task\tResource\tStart date\tStart time\tEnd date\tEnd time\tDuration\r\n"
                        L"Total\t\t\t\t\t\t0 min\r\n");

    rtest::CMessageBoxCatcher boxes;
    const std::wstring path = folder.File(L"missing\\list.txt");
    EXPECT_EQ(record->Export(path.c_str()), kReportFailedShown);
    EXPECT_EQ(record->Export(nullptr), 1);
    EXPECT_EQ(record->Html(path.c_str()), kReportFailedShown);
    EXPECT_EQ(record->Html(L""), 1);
    EXPECT_EQ(boxes.Texts().size(), 2u);
}

TEST_F(TaskListTest, Html_tableWithRunsOfTheSumRowAndTheFootnote)
{
    Set(L"ColumnsDuration", L"1");
    Set(L"ColumnsNotes", L"1");
    Set(L"SumTotal", L"1");
    Set(L"Title", L"March");
    host::SetSetting(L"ViewGridColumnsSortOrder", L"7 0");
    const std::wstring page = Html(L"tasklist.htm");
    EXPECT_NE(page.find(L"<h2>March</h2>\n<h3>Period: 2026-03-01 to 2026-03-31</h3>\n"), std::wstring::npos);
    EXPECT_NE(page.find(L"\n<table border=1 cellspacing=0 cellpadding=5 >\n\n"
                        L" <tr valign=top >\n"
                        L"  <th >Notes</th>\n  <th >Task</th>\n  <th >Resource</th>\n  <th >Start</th>\n"
                        L"  <th >End</th>\n  <th >Duration *</th>\n"
                        L" </tr>\n"
                        L" <tr valign=top >\n"
                        L"  <td align=left >First<br>second</td>\n"
                        L"  <td align=left >Plan</td>\n"
                        L"  <td align=left >Anna</td>\n"
                        L"  <td align=right >2026-03-02 09:00</td>\n"
                        L"  <td align=right >2026-03-02 11:00</td>\n"
                        L"  <td align=right >2 h 0 min</td>\n"
                        L" </tr>\n"),
              std::wstring::npos)
        << std::string(page.begin(), page.end());
    EXPECT_NE(page.find(L" <tr valign=top >\n"
                        L"  <td colspan=5 ><b>Total</b></td>\n"
                        L"  <td align=right ><b>16 h 0 min</b></td>\n"
                        L" </tr>\n"
                        L"\n</table>\n\n"
                        L"<p>* Counted only within the report period.</p>\n"),
              std::wstring::npos)
        << std::string(page.begin(), page.end());
}

TEST_F(TaskListTest, Html_oneRowNoSumDatesOnlyAndNoRowsAParagraph)
{
    Set(L"ColumnsDuration", L"1");
    Set(L"SumTotal", L"1");
    Set(L"DateOnly", L"1");
    Set(L"LimitPeriod", L"0");
    Set(L"DateStart", L"20260331");
    Set(L"DateEnd", L"20260401");
    record->SetFilter(rtest::AddFilter(L"Anna only", {project.ben, project.crane}));
    ASSERT_TRUE(listtest::EditTask(project.night, [](wqv2_data::CTask& t) { t.TimeEnd = 0; }));
    const std::wstring page = Html(L"tasklist_one.htm");
    EXPECT_NE(page.find(L"<h3>Filter: Anna only</h3>"), std::wstring::npos);
    // An end at 00:00 shows the day before with dates only.
    EXPECT_NE(page.find(L"  <td align=left >Night</td>\n"
                        L"  <td align=left >Anna</td>\n"
                        L"  <td align=right >2026-03-31</td>\n"
                        L"  <td align=right >2026-03-31</td>\n"
                        L"  <td align=right >2 h 0 min</td>\n"),
              std::wstring::npos)
        << std::string(page.begin(), page.end());
    EXPECT_EQ(page.find(L"Total"), std::wstring::npos);
    EXPECT_EQ(page.find(L"Counted only"), std::wstring::npos);

    Set(L"DateStart", L"20260601");
    Set(L"DateEnd", L"20260701");
    const std::wstring none = Html(L"tasklist_none.htm");
    EXPECT_NE(none.find(L"<p>There is nothing in this period.</p>"), std::wstring::npos);
    EXPECT_EQ(none.find(L"<table"), std::wstring::npos);
}

TEST_F(TaskListTest, Print_tableCaptionsSumRowAndFootnote)
{
    Set(L"ColumnsCosts", L"1");
    Set(L"SumTotal", L"1");
    Set(L"Title", L"Tasks");
    ASSERT_EQ(Print(), 0);
    ASSERT_EQ(engine->GetPageCount(), 1);
    EXPECT_EQ(engine->GetRowCount(0), 1);
    EXPECT_EQ(engine->GetRowCount(1), 5 + 1);
    EXPECT_EQ(engine->GetCellCount(1, 5), 2); // the sum row: one stretch and the costs
    const petest::PageRec page = petest::RecordPage(engine, 1, dc.Get());
    for (const wchar_t* text : {L"Tasks", L"Period: ", L"2026-03-01 to 2026-03-31", L"Task", L"Resource", L"Start",
                                L"End", L"Costs *", L"Plan", L"Anna", L"2026-03-02 09:00", L"130.00 EUR", L"Total",
                                L"190.00 EUR", L"* Counted only within the report period.", L"Page 1 of 1"})
        EXPECT_NE(page.Find(text), nullptr) << std::string(text, text + wcslen(text));
    EXPECT_EQ(page.Find(L"Filter: "), nullptr);
    const petest::TextRec* total = page.Find(L"190.00 EUR");
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(total->font.lfWeight, FW_BOLD);
}

TEST_F(TaskListTest, Print_longListRepeatsTheHeadAndCaptionsOnEveryPage)
{
    Set(L"ColumnsDuration", L"1");
    for (int i = 0; i < 90; ++i)
        ASSERT_NE(rtest::AddTask(project.crane, (L"Job " + std::to_wstring(i)).c_str(), rtest::Day(3, 12), 480,
                                 rtest::Day(3, 12), 540 + i),
                  nullptr);
    ASSERT_EQ(Print(), 0);
    ASSERT_GT(engine->GetPageCount(), 1);
    for (int p = 1; p <= engine->GetPageCount(); ++p) {
        const petest::PageRec page = petest::RecordPage(engine, p, dc.Get());
        EXPECT_NE(page.Find(L"Duration *"), nullptr) << p;
        EXPECT_NE(page.Find(L"2026-03-01 to 2026-03-31"), nullptr) << p;
        EXPECT_NE(page.Find(L"* Counted only within the report period."), nullptr) << p;
    }
}

TEST_F(TaskListTest, Print_noRowsOneLineAndNoEngine)
{
    rtest::CData::Fresh();
    ASSERT_EQ(Print(), 0);
    EXPECT_NE(petest::RecordPage(engine, 1, dc.Get()).Find(L"There is nothing in this period."), nullptr);
    EXPECT_EQ(record->Print(nullptr, dc.Get(), dc.Get()), 1);
}

TEST_F(TaskListTest, Registration_orientationAndSettingsFileKeys)
{
    EXPECT_EQ(record->Group, 3);
    EXPECT_STREQ(record->Description, L"The tasks of a period with durations, working times and costs.");
    EXPECT_EQ(record->Orientation(), 2);
    Set(L"PrinterOrientation", L"1");
    EXPECT_EQ(record->Orientation(), 1);
    // The host writes the answer into the printer's settings: nothing but 1 or 2.
    Set(L"PrinterOrientation", L"-3");
    EXPECT_EQ(record->Orientation(), 2);

    host::SettingFileCalls().clear();
    Plugin().onLoadSettings(L"lists.ini");
    Plugin().onSaveSettings(L"lists.ini", false);
    std::vector<std::wstring> ours;
    for (const std::wstring& call : host::SettingFileCalls()) {
        if (call.find(L"|ReportsListTasksDefault|") != std::wstring::npos)
            ours.push_back(call);
    }
    std::vector<std::wstring> expected;
    for (const wchar_t* action : {L"load", L"save"}) {
        for (const wchar_t* key : {L"Title", L"TitleEmpty", L"PrinterOrientation", L"ColumnsDuration",
                                   L"ColumnsWorkingTime", L"ColumnsCosts", L"ColumnsFormat", L"ColumnsUDF",
                                   L"ColumnsNotes", L"LimitPeriod", L"SumTotal"})
            expected.push_back(std::wstring(action) + L"|ReportsListTasksDefault|" + kPrefix + key + L"|lists.ini");
    }
    EXPECT_EQ(ours, expected);
}

} // namespace
