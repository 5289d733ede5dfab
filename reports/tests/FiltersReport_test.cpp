// The filters report through the callbacks the plug-in registers: the exact export text, the
// HTML page and the printed pages, on the sample project and on projects built for the case.
#include "PluginTestEnv.h"

#include "EngineFixture.h"

#include <algorithm>

namespace {

// UTF-16 text lines of a file without its mark.
std::wstring Exported(const std::wstring& path)
{
    return rtest::ReadUtf16(path);
}

class FiltersReportTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        record = &FiltersRecord();
        ASSERT_NE(record->Export, nullptr);
    }
    void TearDown() override
    {
        if (engine)
            rtest::FreeEngine();
        PluginTest::TearDown();
    }

    // A project of `count` resources R01... with one filter hiding none and one hiding R02.
    void BuildProject(int count)
    {
        rtest::CData::Fresh();
        std::vector<wqv2_data::CResource*> resources;
        for (int i = count; i >= 1; --i) {
            wchar_t name[16];
            swprintf(name, 16, L"R%02d", i);
            resources.push_back(rtest::AddResource(name, i));
        }
        ASSERT_NE(rtest::AddFilter(L"Everyone", {}), nullptr);
        ASSERT_NE(rtest::AddFilter(L"Not two", {resources[static_cast<size_t>(count - 2)]}), nullptr);
    }

    int Print()
    {
        engine = rtest::Engine();
        return record->Print(engine, dc.Get(), dc.Get());
    }

    const ReportRegistration* record = nullptr;
    rtest::CA4PrinterCaps paper;
    CRKPrintEngine2* engine = nullptr;
    petest::MemoryDc dc;
};

TEST_F(FiltersReportTest, Export_sampleProjectExactText)
{
    ASSERT_NE(rtest::CData::Sample(), nullptr);
    rtest::CTempFolder folder;
    ASSERT_EQ(record->Export(folder.File(L"filters.txt").c_str()), 0);
    EXPECT_EQ(Exported(folder.File(L"filters.txt")),
              L"Filter\tResource name\tResource note\tTask name\tTask note\tResources\r\n"
              L"Order Meier\t\t\tmeier\t\tAnna Berger|CNC mill M2|Meeting room \"Blue\"|Van FR-Q 204\r\n"
              L"Workshop\t\t\t\t\tAnna Berger|Ben Keller|CNC mill M2\r\n");
}

TEST_F(FiltersReportTest, Export_everyResourceOfAFilterThatHidesNoneWithTheSeparatorSetting)
{
    BuildProject(3);
    host::SetSetting(L"ReportsFiltersResourcesSeparator", L", ");
    host::SetSetting(L"ReportsExportSeparator", L";");
    rtest::CTempFolder folder;
    ASSERT_EQ(record->Export(folder.File(L"f.txt").c_str()), 0);
    EXPECT_EQ(Exported(folder.File(L"f.txt")),
              L"Filter;Resource name;Resource note;Task name;Task note;Resources\r\n"
              L"Everyone;;;;;R01, R02, R03\r\n"
              L"Not two;;;;;R01, R03\r\n");
}

TEST_F(FiltersReportTest, Export_withoutFiltersOnlyTheHeaderRow)
{
    rtest::CData::Fresh();
    rtest::CTempFolder folder;
    ASSERT_EQ(record->Export(folder.File(L"none.txt").c_str()), 0);
    EXPECT_EQ(Exported(folder.File(L"none.txt")),
              L"Filter\tResource name\tResource note\tTask name\tTask note\tResources\r\n");
}

TEST_F(FiltersReportTest, Export_unwritablePathIsReportedOnce)
{
    ASSERT_NE(rtest::CData::Sample(), nullptr);
    rtest::CTempFolder folder;
    const std::wstring path = folder.File(L"missing\\filters.txt");
    {
        rtest::CMessageBoxCatcher boxes;
        EXPECT_EQ(record->Export(path.c_str()), kReportFailedShown);
        EXPECT_EQ(record->Html(path.c_str()), kReportFailedShown);
        EXPECT_EQ(record->Export(L""), 1);
        EXPECT_EQ(record->Html(nullptr), 1);
        ASSERT_EQ(boxes.Texts().size(), 2u);
        EXPECT_EQ(boxes.Texts()[0], L"The file " + path + L" cannot be written.");
    }
    host::SetSetting(L"ReportsErrorMessage", L"false");
    rtest::CMessageBoxCatcher quiet;
    EXPECT_EQ(record->Export(path.c_str()), 1);
    EXPECT_TRUE(quiet.Texts().empty());
}

TEST_F(FiltersReportTest, Html_tableOfTheSampleProject)
{
    ASSERT_NE(rtest::CData::Sample(), nullptr);
    host::SetSetting(L"ReportsFiltersTitle", L"Filters & criteria");
    host::SetSetting(L"ReportsHtmlCreatedFilesSave", L"1");
    const std::wstring path = rtest::OutputFolder() + L"filters.htm";
    ASSERT_EQ(record->Html(path.c_str()), 0);
    EXPECT_EQ(host::GetSetting(L"ReportsHtmlCreatedFiles"), path);
    const std::wstring page = Exported(path);
    EXPECT_NE(page.find(L"<h2>Filters &amp; criteria</h2>"), std::wstring::npos);
    EXPECT_NE(page.find(L"\n<table border=1 cellspacing=0 cellpadding=5 >\n\n"
                        L" <tr >\n"
                        L"  <th rowspan=2 align=left >Filter</th>\n"
                        L"  <th rowspan=2 align=left >Resources</th>\n"
                        L"  <th colspan=2 align=center >Resource</th>\n"
                        L"  <th colspan=2 align=center >Task</th>\n"
                        L" </tr>\n"
                        L" <tr >\n"
                        L"  <th align=left >Name</th>\n  <th align=left >Note</th>\n"
                        L"  <th align=left >Name</th>\n  <th align=left >Note</th>\n"
                        L" </tr>\n"
                        L" <tr valign=top >\n"
                        L"  <td >Order Meier</td>\n"
                        L"  <td >Anna Berger<br>CNC mill M2<br>Meeting room \"Blue\"<br>Van FR-Q 204</td>\n"
                        L"  <td >&#160;</td>\n  <td >&#160;</td>\n  <td >meier</td>\n  <td >&#160;</td>\n"
                        L" </tr>\n"),
              std::wstring::npos)
        << std::string(page.begin(), page.end());
}

TEST_F(FiltersReportTest, Html_allResourcesTextUnlessListAllIsSet)
{
    BuildProject(3);
    rtest::CTempFolder folder;
    ASSERT_EQ(record->Html(folder.File(L"a.htm").c_str()), 0);
    EXPECT_NE(Exported(folder.File(L"a.htm")).find(L"<td >Everyone</td>\n  <td >All resources</td>"), std::wstring::npos);
    host::SetSetting(L"ReportsFiltersResourcesListAll", L"1");
    ASSERT_EQ(record->Html(folder.File(L"b.htm").c_str()), 0);
    EXPECT_NE(Exported(folder.File(L"b.htm")).find(L"<td >Everyone</td>\n  <td >R01<br>R02<br>R03</td>"),
              std::wstring::npos);
}

TEST_F(FiltersReportTest, Html_withoutFiltersAParagraph)
{
    rtest::CData::Fresh();
    const std::wstring path = rtest::OutputFolder() + L"nofilters.htm";
    ASSERT_EQ(record->Html(path.c_str()), 0);
    const std::wstring page = Exported(path);
    EXPECT_NE(page.find(L"<p>There is nothing to list.</p>"), std::wstring::npos);
    EXPECT_EQ(page.find(L"<table"), std::wstring::npos);
}

TEST_F(FiltersReportTest, Print_sampleProjectTable)
{
    ASSERT_NE(rtest::CData::Sample(), nullptr);
    host::SetSetting(L"ReportsFiltersTitle", L"Filters");
    ASSERT_EQ(Print(), 0);
    EXPECT_EQ(engine->GetPageCount(), 1);
    EXPECT_EQ(engine->GetRowCount(0), 2);
    EXPECT_EQ(engine->GetRowCount(1), 4 + 3); // one row per listed resource
    const petest::PageRec page = petest::RecordPage(engine, 1, dc.Get());
    for (const wchar_t* text : {L"Filters", L"Resource", L"Task", L"Filter", L"Resources", L"Order Meier", L"Workshop",
                                L"Anna Berger", L"Van FR-Q 204", L"meier", L"Page 1 of 1"})
        EXPECT_NE(page.Find(text), nullptr) << std::string(text, text + wcslen(text));
    EXPECT_EQ(page.Find(L"Workshop (continued)"), nullptr);
    const bool thickRule = std::any_of(page.lines.begin(), page.lines.end(), [](const petest::LineRec& line) {
        return line.from.y == line.to.y && line.from.x != line.to.x && line.penWidth == 5;
    });
    EXPECT_TRUE(thickRule); // the line under the head row survives the table-wide borders
}

TEST_F(FiltersReportTest, Print_continuedRowsNameTheirFilterOnTheNextPage)
{
    BuildProject(90);
    host::SetSetting(L"ReportsFiltersResourcesListAll", L"1");
    ASSERT_EQ(Print(), 0);
    ASSERT_GT(engine->GetPageCount(), 1);
    EXPECT_EQ(engine->GetRowCount(1), 90 + 89);
    bool continued = false;
    for (int p = 2; p <= engine->GetPageCount(); ++p) {
        const petest::PageRec page = petest::RecordPage(engine, p, dc.Get());
        continued |= page.Find(L"Everyone (continued)") || page.Find(L"Not two (continued)");
        EXPECT_NE(page.Find(L"Filter"), nullptr) << p; // the head rows again
    }
    EXPECT_TRUE(continued);
}

TEST_F(FiltersReportTest, Print_withoutFiltersOneLineAndNoEngineNothing)
{
    rtest::CData::Fresh();
    ASSERT_EQ(Print(), 0);
    EXPECT_NE(petest::RecordPage(engine, 1, dc.Get()).Find(L"There is nothing to list."), nullptr);
    EXPECT_EQ(record->Print(nullptr, dc.Get(), dc.Get()), 1);
}

} // namespace
