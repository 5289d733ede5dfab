// The resources report through its registered callbacks: the resources the report filter shows
// with the chosen columns (calendar, costs, format, user fields, note) as exact export text, as
// an HTML table and on printed pages; its option page with the columns group.
#include "ListReportFixture.h"

#include "plugin/PluginState.h"
#include "resources/ResourcesReport.h"

#include "QV2ResVReportIds.h"


namespace {

void SetAllColumns(bool on)
{
    for (const wchar_t* key : {L"ReportsResourcesColumnsCalendar", L"ReportsResourcesColumnsCosts",
                               L"ReportsResourcesColumnsFormat", L"ReportsResourcesColumnsUDF",
                               L"ReportsResourcesColumnsNotes"})
        host::SetSetting(key, on ? L"1" : L"0");
}

class ResourcesReportTest : public ListReportTest {
protected:
    const ReportDefinition& report = ResourcesReport();

    // Anna (made first, board position 2) with a calendar, costs per working hour, colours, bold,
    // three user fields and a two-line note; Ben (position 1) with fixed costs and nothing else;
    // Van (position 3) as made.
    void BuildProject()
    {
        ASSERT_TRUE(rtest::SetCurrency(L"EUR"));
        ASSERT_TRUE(rtest::AddUserField(wqv2_data::kUserFieldsResource, L"Cost centre", L""));
        ASSERT_TRUE(rtest::AddUserField(wqv2_data::kUserFieldsResource, L"Hourly rate", L"QV2UDFDecimal"));
        ASSERT_TRUE(rtest::AddUserField(wqv2_data::kUserFieldsResource, L"Start", L"QV2UDFDate"));
        wqv2_data::CCalendar* calendar = rtest::AddCalendar(L"Day shift", {480, 960});
        anna = rtest::AddResource(L"Anna", 2, calendar);
        ben = rtest::AddResource(L"Ben", 1);
        van = rtest::AddResource(L"Van", 3);
        ASSERT_TRUE(calendar && anna && ben && van);
        ASSERT_TRUE(rtest::EditResource(anna, [](wqv2_data::CResource& r) {
            r.SetNote(L"Planner\r\nand lead");
            r.CostsVariable = 58.5;
            r.CostsTimeUnit = 1;
            r.ColorFg = 0x0000FF;
            r.ColorLabelBk = 0xFFECC8;
            r.FontBold = true;
            r.SetUserFieldValue(L"Cost centre", L"CC-1");
            r.SetUserFieldValue(L"Hourly rate", L"58.50");
            r.SetUserFieldValue(L"Start", L"20260301");
        }));
        ASSERT_TRUE(rtest::EditResource(ben, [](wqv2_data::CResource& r) {
            r.CostsVariable = 21;
            r.CostsFixed = 12.5;
        }));
    }

    // The data library numbers resources on through the tests: the IDs as the export writes them.
    static std::wstring Id(const wqv2_data::CResource* resource) { return std::to_wstring(resource->ID); }

    wqv2_data::CResource* anna = nullptr;
    wqv2_data::CResource* ben = nullptr;
    wqv2_data::CResource* van = nullptr;
};

TEST_F(ResourcesReportTest, Export_everyColumnInBoardOrder)
{
    BuildProject();
    SetAllColumns(true);
    host::SetSetting(L"ReportsExportIDResources", L"1");
    EXPECT_EQ(ExportText(report),
              L"Resource ID\tResource\tCalendar\tVariable costs\tCosts unit\tFixed costs\tText colour\tLabel colour\t"
              L"Row colour\tBold\tCost centre\tHourly rate\tStart\tNote\r\n" +
                  Id(ben) + L"\tBen\t\t21.00 EUR\tper hour\t12.50 EUR\t#000000\t#FFFFFF\t#FFFFFF\t0\t\t\t\t\r\n" +
                  Id(anna) +
                  L"\tAnna\tDay shift\t58.50 EUR\tper working hour\t0.00 EUR\t#FF0000\t#C8ECFF\t#FFFFFF\t1\tCC-1\t"
                  L"58.5\t2026-03-01\tPlanner and lead\r\n" +
                  Id(van) + L"\tVan\t\t0.00 EUR\tper hour\t0.00 EUR\t#000000\t#FFFFFF\t#FFFFFF\t0\t\t\t\t\r\n");
}

TEST_F(ResourcesReportTest, Export_withoutColumnsTheNamesAndTheIdsWhenAsked)
{
    BuildProject();
    EXPECT_EQ(ExportText(report), L"Resource\r\nBen\r\nAnna\r\nVan\r\n");
    host::SetSetting(L"ReportsExportIDResources", L"1");
    host::SetSetting(L"ReportsResourcesColumnsNotes", L"1");
    host::SetSetting(L"ReportsExportNewlineReplacement", L" / ");
    EXPECT_EQ(ExportText(report), L"Resource ID\tResource\tNote\r\n" + Id(ben) + L"\tBen\t\r\n" + Id(anna) +
                                      L"\tAnna\tPlanner / and lead\r\n" + Id(van) + L"\tVan\t\r\n");
}

TEST_F(ResourcesReportTest, Export_theReportFilterChoosesTheResources)
{
    BuildProject();
    UseReportFilter(rtest::AddFilter(L"Not Ben", {ben}));
    host::SetSetting(L"ReportsResourcesColumnsCalendar", L"1");
    EXPECT_EQ(ExportText(report), L"Resource\tCalendar\r\nAnna\tDay shift\r\nVan\t\r\n");
    // A filter that hides everyone: the header and one empty line.
    UseReportFilter(rtest::AddFilter(L"Nobody", {anna, ben, van}));
    EXPECT_EQ(ExportText(report), L"Resource\tCalendar\r\n\r\n");
}

TEST_F(ResourcesReportTest, Export_unwritablePathAnswers1AndEmptyProjectTheHeader)
{
    const std::wstring path = folder.File(L"missing\\r.txt");
    {
        rtest::CMessageBoxCatcher boxes;
        EXPECT_EQ(report.exportFile(path.c_str()), kReportFailedShown);
        EXPECT_EQ(report.html(path.c_str()), kReportFailedShown);
        EXPECT_EQ(boxes.Texts().size(), 2u);
    }
    EXPECT_EQ(ExportText(report), L"Resource\r\n\r\n");
    ForgetDataRoot();
    EXPECT_EQ(ExportText(report), L"Resource\r\n\r\n");
    EXPECT_EQ(Print(report), 0);
}

TEST_F(ResourcesReportTest, Html_tableOfTheChosenColumnsWithoutFormatAndUserFields)
{
    BuildProject();
    SetAllColumns(true);
    host::SetSetting(L"ReportsResourcesTitle", L"Team");
    const std::wstring page = HtmlText(report, L"resources.htm", true);
    EXPECT_EQ(page.find(L"<h3>Filter: "), std::wstring::npos);
    EXPECT_NE(page.find(L"<h2>Team</h2>\n\n<table border=1 cellspacing=0 cellpadding=5 >\n\n"
                        L" <tr >\n"
                        L"  <th >Resource</th>\n"
                        L"  <th >Calendar</th>\n"
                        L"  <th align=right >Variable costs</th>\n"
                        L"  <th >Costs unit</th>\n"
                        L"  <th align=right >Fixed costs</th>\n"
                        L"  <th >Note</th>\n"
                        L" </tr>\n"
                        L" <tr valign=top >\n"
                        L"  <td >Ben</td>\n  <td >&#160;</td>\n  <td align=right >21.00 EUR</td>\n"
                        L"  <td >per hour</td>\n  <td align=right >12.50 EUR</td>\n  <td >&#160;</td>\n"
                        L" </tr>\n"
                        L" <tr valign=top >\n"
                        L"  <td >Anna</td>\n  <td >Day shift</td>\n  <td align=right >58.50 EUR</td>\n"
                        L"  <td >per working hour</td>\n  <td align=right >0.00 EUR</td>\n"
                        L"  <td >Planner<br>and lead</td>\n"
                        L" </tr>\n"),
              std::wstring::npos)
        << std::string(page.begin(), page.end());
    EXPECT_EQ(page.find(L"CC-1"), std::wstring::npos);
    EXPECT_EQ(page.find(L"#FF0000"), std::wstring::npos);
}

TEST_F(ResourcesReportTest, Html_filterLineAndAnEmptyList)
{
    BuildProject();
    UseReportFilter(rtest::AddFilter(L"Nobody", {anna, ben, van}));
    const std::wstring page = HtmlText(report, L"noresources.htm", true);
    EXPECT_NE(page.find(L"<h3>Filter: Nobody</h3>\n<p>There is nothing to list.</p>"), std::wstring::npos);
    EXPECT_EQ(page.find(L"<table"), std::wstring::npos);
    UseReportFilter(nullptr);
    host::SetSetting(L"ReportsFilterShowAlways", L"1");
    EXPECT_NE(HtmlText(report, L"all.htm").find(L"<h3>Filter: none</h3>\n\n<table"), std::wstring::npos);
}

TEST_F(ResourcesReportTest, Print_onlyTheNameColumnByDefaultBelowTheHeaderSpace)
{
    BuildProject();
    ASSERT_EQ(Print(report), 0);
    ASSERT_EQ(engine->GetPageCount(), 1);
    EXPECT_EQ(engine->GetRowCount(0), 1);
    EXPECT_EQ(engine->GetRowCount(1), 3);
    EXPECT_EQ(engine->GetCellCount(1, 0), 1);
    const petest::PageRec page = Page(1);
    for (const wchar_t* text : {L"Resource", L"Ben", L"Anna", L"Van"})
        EXPECT_NE(page.Find(text), nullptr) << std::string(text, text + wcslen(text));
    EXPECT_EQ(page.Find(L"Filter: "), nullptr);
    EXPECT_EQ(page.Find(L"Day shift"), nullptr);
    EXPECT_TRUE(HasRule(page, 5)); // the thick line under the head row survives the table-wide borders
}

TEST_F(ResourcesReportTest, Print_chosenColumnsAndTheFilterLine)
{
    BuildProject();
    SetAllColumns(true);
    UseReportFilter(rtest::AddFilter(L"Not Van", {van}));
    ASSERT_EQ(Print(report), 0);
    EXPECT_EQ(engine->GetCellCount(1, 0), 6); // format and user fields are not printed
    const petest::PageRec page = Page(1);
    const petest::TextRec* label = page.Find(L"Filter: ");
    const petest::TextRec* name = page.Find(L"Not Van");
    const petest::TextRec* head = page.Find(L"Variable costs");
    ASSERT_TRUE(label && name && head);
    EXPECT_EQ(label->y, name->y);
    EXPECT_GT(label->y, head->y);
    for (const wchar_t* text : {L"Day shift", L"58.50 EUR", L"per hour", L"12.50 EUR", L"Fixed costs"})
        EXPECT_NE(page.Find(text), nullptr) << std::string(text, text + wcslen(text));
    const std::wstring texts = PageTexts(1);
    EXPECT_NE(texts.find(L"per working"), std::wstring::npos) << std::string(texts.begin(), texts.end());
    EXPECT_EQ(page.Find(L"Van"), nullptr);
    EXPECT_EQ(page.Find(L"CC-1"), nullptr);
}

TEST_F(ResourcesReportTest, Print_aLongListShowsTheFilterOnEveryPageNotMarkedContinued)
{
    for (int i = 1; i <= 120; ++i)
        ASSERT_NE(rtest::AddResource((L"R" + std::to_wstring(1000 + i)).c_str(), i), nullptr);
    host::SetSetting(L"ReportsFilterShowAlways", L"yes");
    ASSERT_EQ(Print(report), 0);
    const int pages = engine->GetPageCount();
    ASSERT_GT(pages, 1);
    for (int p = 1; p <= pages; ++p) {
        const petest::PageRec page = Page(p);
        EXPECT_NE(page.Find(L"none"), nullptr) << p;
        EXPECT_NE(page.Find(L"Resource"), nullptr) << p;
    }
    EXPECT_EQ(Page(2).Find(L"none (continued)"), nullptr);
}

TEST_F(ResourcesReportTest, Print_anEmptyListOneLineAndNoEngineAnswers1)
{
    BuildProject();
    UseReportFilter(rtest::AddFilter(L"Nobody", {anna, ben, van}));
    ASSERT_EQ(Print(report), 0);
    const petest::PageRec page = Page(1);
    const petest::TextRec* none = page.Find(L"There is nothing to list.");
    const petest::TextRec* filter = page.Find(L"Nobody");
    ASSERT_TRUE(none && filter);
    EXPECT_GT(filter->y, none->y);
    EXPECT_EQ(report.print(nullptr, dc.Get(), dc.Get()), 1);
}

class ResourcesPageTest : public ListPageTest {
protected:
    void SetUp() override
    {
        ListPageTest::SetUp();
        ASSERT_NE(CreatePage(ResourcesReport(), L"Lists", L"Resources"), nullptr);
    }
};

TEST_F(ResourcesPageTest, Load_landscapeOnThePageWhileTheRecordSaysPortrait)
{
    EXPECT_EQ(SendMessageW(page, WM_PAGE_LOAD, 0, 0), 1);
    EXPECT_EQ(ItemText(IDC_REPORT_TITLE), L"Resources");
    EXPECT_EQ(ResourcesReport().orientation(), 1);
    EXPECT_EQ(Outline(), L"Orientation(Portrait[ ]Landscape[ ])Columns(Calendar[ ]Costs[ ]Notes[ ])");
    EXPECT_EQ(TreeView_GetSelection(Tree()), TreeView_GetRoot(Tree()));
    SendMessageW(page, WM_PAGE_APPLY, 0, 0);
    EXPECT_EQ(host::GetSetting(L"ReportsResourcesPrinterOrientation"), L"2");
    EXPECT_EQ(ResourcesReport().orientation(), 2);
    // An orientation that is neither portrait nor landscape gives the page's own and is never
    // written back.
    for (const wchar_t* bad : {L"7", L"0", L"-1"}) {
        host::SetSetting(L"ReportsResourcesPrinterOrientation", bad);
        SendMessageW(page, WM_PAGE_LOAD, 0, 0);
        SendMessageW(page, WM_PAGE_APPLY, 0, 0);
        EXPECT_EQ(host::GetSetting(L"ReportsResourcesPrinterOrientation"), L"2") << bad;
    }
}

TEST_F(ResourcesPageTest, OutputKind_formatAndUserFieldsForTheExportOnlyHiddenOnesKeepTheirValues)
{
    host::SetSetting(L"ReportsResourcesColumnsFormat", L"1");
    host::SetSetting(L"ReportsResourcesColumnsCosts", L"1");
    host.kind = 2;
    SendMessageW(page, WM_PAGE_LOAD, 0, 0);
    EXPECT_EQ(Outline(), L"Columns(Calendar[ ]Costs[x]Notes[ ])");
    SetCheck(L"Notes", true);
    SendMessageW(page, WM_PAGE_APPLY, 0, 0);
    EXPECT_EQ(host::GetSetting(L"ReportsResourcesColumnsCalendar"), L"0");
    EXPECT_EQ(host::GetSetting(L"ReportsResourcesColumnsCosts"), L"1");
    EXPECT_EQ(host::GetSetting(L"ReportsResourcesColumnsFormat"), L"1"); // not shown, kept
    EXPECT_EQ(host::GetSetting(L"ReportsResourcesColumnsUDF"), L"0");
    EXPECT_EQ(host::GetSetting(L"ReportsResourcesColumnsNotes"), L"1");

    host.kind = 1;
    SendMessageW(page, WM_PAGE_OUTPUT_CHANGED, 0, 0);
    EXPECT_EQ(Outline(), L"Columns(Calendar[ ]Costs[x]Format[x]User-defined fields[ ]Notes[x])");
    SetCheck(L"Format", false);
    SetCheck(L"User-defined fields", true);
    SendMessageW(page, WM_PAGE_APPLY, 0, 0);
    EXPECT_EQ(host::GetSetting(L"ReportsResourcesColumnsFormat"), L"0");
    EXPECT_EQ(host::GetSetting(L"ReportsResourcesColumnsUDF"), L"1");
    // To the printer: the two items go, their values stay.
    host.kind = 0;
    SendMessageW(page, WM_PAGE_OUTPUT_CHANGED, 0, 0);
    EXPECT_EQ(Outline(), L"Orientation(Portrait[ ]Landscape[ ])Columns(Calendar[ ]Costs[x]Notes[x])");
    SendMessageW(page, WM_PAGE_APPLY, 0, 0);
    EXPECT_EQ(host::GetSetting(L"ReportsResourcesColumnsUDF"), L"1");
}

} // namespace
