// The holidays report through its registered callbacks: the holidays of a period as exact export
// text, as an HTML table and on printed pages; its option page driven by the page messages.
#include "ListReportFixture.h"

#include "holidays/HolidaysReport.h"
#include "plugin/PluginState.h"

#include "QV2ResVReportIds.h"

namespace {

using rtest::Day;

class HolidaysReportTest : public ListReportTest {
protected:
    const ReportDefinition& report = HolidaysReport();

    // New Year 2026 and 2027, and the last day of each year: the edges of the default period.
    void AddYearEdges()
    {
        ASSERT_NE(rtest::AddHoliday(L"Old Year's Day", TDate::FromYMD(12, 2025, 31)), nullptr);
        ASSERT_NE(rtest::AddHoliday(L"New Year's Day", Day(1, 1)), nullptr);
        ASSERT_NE(rtest::AddHoliday(L"Labour Day", Day(5, 1)), nullptr);
        ASSERT_NE(rtest::AddHoliday(L"New Year's Eve", Day(12, 31)), nullptr);
        ASSERT_NE(rtest::AddHoliday(L"New Year's Day", TDate::FromYMD(1, 2027, 1)), nullptr);
    }
};

TEST_F(HolidaysReportTest, Export_theCurrentYearByDefaultBothEndsIncluded)
{
    AddYearEdges();
    EXPECT_EQ(ExportText(report), L"Date\tHoliday\r\n"
                                  L"2026-01-01\tNew Year's Day\r\n"
                                  L"2026-05-01\tLabour Day\r\n"
                                  L"2026-12-31\tNew Year's Eve\r\n");
}

TEST_F(HolidaysReportTest, Export_aChosenPeriodAndTheFileDatePicture)
{
    AddYearEdges();
    host::SetSetting(L"ReportsHolidaysStart", L"20251231");
    host::SetSetting(L"ReportsHolidaysEnd", L"20260101");
    host::SetSetting(L"ReportsExportUseLocalizedDate", L"0");
    host::SetSetting(L"ReportsExportSeparator", L";");
    EXPECT_EQ(ExportText(report), L"Date;Holiday\r\n20251231;Old Year's Day\r\n20260101;New Year's Day\r\n");
}

TEST_F(HolidaysReportTest, Export_anEmptyPeriodOrAReversedOneOnlyTheHeader)
{
    AddYearEdges();
    host::SetSetting(L"ReportsHolidaysStart", L"20260601");
    host::SetSetting(L"ReportsHolidaysEnd", L"20260630");
    EXPECT_EQ(ExportText(report), L"Date\tHoliday\r\n");
    host::SetSetting(L"ReportsHolidaysStart", L"20261231");
    host::SetSetting(L"ReportsHolidaysEnd", L"20260101");
    EXPECT_EQ(ExportText(report), L"Date\tHoliday\r\n");
}

TEST_F(HolidaysReportTest, Outputs_anUnwritablePathAnswers1AndSaysSoOnce)
{
    AddYearEdges();
    const std::wstring path = folder.File(L"missing\\h.txt");
    rtest::CMessageBoxCatcher boxes;
    EXPECT_EQ(report.exportFile(path.c_str()), kReportFailedShown);
    EXPECT_EQ(report.html(path.c_str()), kReportFailedShown);
    ASSERT_EQ(boxes.Texts().size(), 2u);
    EXPECT_EQ(boxes.Texts()[1], L"The file " + path + L" cannot be written.");
}

TEST_F(HolidaysReportTest, Html_periodSubtitleEndsOnTheLastDayListed)
{
    AddYearEdges();
    host::SetSetting(L"ReportsHolidaysTitle", L"Holidays <2026>");
    const std::wstring page = HtmlText(report, L"holidays.htm", true);
    EXPECT_NE(page.find(L"<h2>Holidays &lt;2026&gt;</h2>\n<h3>Period: 2026-01-01 to 2026-12-31</h3>\n"),
              std::wstring::npos)
        << std::string(page.begin(), page.end());
    EXPECT_NE(page.find(L"\n<table border=1 cellspacing=0 cellpadding=5 >\n\n"
                        L" <tr >\n"
                        L"  <th colspan=2 align=left >Date</th>\n"
                        L"  <th align=left >Holiday</th>\n"
                        L" </tr>\n"
                        L" <tr >\n  <td >Thu</td>\n  <td >2026-01-01</td>\n  <td >New Year's Day</td>\n </tr>\n"
                        L" <tr >\n  <td >Fri</td>\n  <td >2026-05-01</td>\n  <td >Labour Day</td>\n </tr>\n"
                        L" <tr >\n  <td >Thu</td>\n  <td >2026-12-31</td>\n  <td >New Year's Eve</td>\n </tr>\n"
                        L"\n</table>\n"),
              std::wstring::npos)
        << std::string(page.begin(), page.end());
}

TEST_F(HolidaysReportTest, Html_anEmptyPeriodSaysSoWithoutATable)
{
    host::SetSetting(L"ReportsHolidaysStart", L"20260601");
    host::SetSetting(L"ReportsHolidaysEnd", L"20260630");
    const std::wstring page = HtmlText(report, L"noholidays.htm", true);
    EXPECT_NE(page.find(L"<h3>Period: 2026-06-01 to 2026-06-30</h3>\n<p>There is nothing in this period.</p>"),
              std::wstring::npos);
    EXPECT_EQ(page.find(L"<table"), std::wstring::npos);
    EXPECT_NE(page.find(L"</html>"), std::wstring::npos);
}

TEST_F(HolidaysReportTest, Print_periodCaptionAndTableUnderIt)
{
    AddYearEdges();
    host::SetSetting(L"ReportsHolidaysTitle", L"Public holidays");
    ASSERT_EQ(Print(report), 0);
    ASSERT_EQ(engine->GetPageCount(), 1);
    EXPECT_EQ(engine->GetRowCount(0), 1);
    EXPECT_EQ(engine->GetRowCount(1), 3);
    const petest::PageRec page = Page(1);
    const petest::TextRec* label = page.Find(L"Period: ");
    const petest::TextRec* value = page.Find(L"2026-01-01 to 2026-12-31");
    const petest::TextRec* head = page.Find(L"Date");
    ASSERT_TRUE(label && value && head);
    EXPECT_EQ(label->y, value->y);
    EXPECT_GT(value->x, label->x);
    EXPECT_LT(head->y, label->y); // y grows upward in the metafile: the table lies below
    for (const wchar_t* text : {L"Public holidays", L"Holiday", L"Thu", L"2026-05-01", L"Labour Day", L"New Year's Eve",
                                L"Page 1 of 1"})
        EXPECT_NE(page.Find(text), nullptr) << std::string(text, text + wcslen(text));
    EXPECT_EQ(page.Find(L"Old Year's Day"), nullptr);
    EXPECT_TRUE(HasRule(page, 5)); // the thick line under the head row
}

TEST_F(HolidaysReportTest, Print_aLongListRepeatsHeadAndCaptionMarkedContinued)
{
    for (int i = 0; i < 120; ++i) {
        TDate day = Day(1, 1);
        day += 2 * i;
        ASSERT_NE(rtest::AddHoliday((L"Day " + std::to_wstring(i)).c_str(), day), nullptr);
    }
    ASSERT_EQ(Print(report), 0);
    ASSERT_GT(engine->GetPageCount(), 1);
    EXPECT_NE(Page(1).Find(L"2026-01-01 to 2026-12-31"), nullptr);
    const petest::PageRec second = Page(2);
    EXPECT_NE(second.Find(L"2026-01-01 to 2026-12-31 (continued)"), nullptr);
    EXPECT_NE(second.Find(L"Holiday"), nullptr);
}

TEST_F(HolidaysReportTest, Print_anEmptyPeriodOneLineAndWithoutEngineNothing)
{
    host::SetSetting(L"ReportsHolidaysStart", L"20260601");
    host::SetSetting(L"ReportsHolidaysEnd", L"20260630");
    ASSERT_EQ(Print(report), 0);
    EXPECT_EQ(engine->GetPageCount(), 1);
    const petest::PageRec page = Page(1);
    const petest::TextRec* none = page.Find(L"There is nothing in this period.");
    const petest::TextRec* label = page.Find(L"Period: ");
    ASSERT_TRUE(none && label);
    EXPECT_LT(none->y, label->y);
    EXPECT_EQ(report.print(nullptr, dc.Get(), dc.Get()), 1);
}

TEST_F(HolidaysReportTest, Outputs_withoutADataRootAnEmptyList)
{
    ForgetDataRoot();
    EXPECT_EQ(ExportText(report), L"Date\tHoliday\r\n");
    EXPECT_NE(HtmlText(report, L"h.htm").find(L"<p>There is nothing in this period.</p>"), std::wstring::npos);
    EXPECT_EQ(Print(report), 0);
}

class HolidaysPageTest : public ListPageTest {
protected:
    const ReportDefinition& report = HolidaysReport();
};

TEST_F(HolidaysPageTest, Load_defaultsAreTheCurrentYearPortraitAndTheDefaultTitle)
{
    ASSERT_NE(CreatePage(report, L"Lists", L"Holidays"), nullptr);
    EXPECT_EQ(SendMessageW(page, WM_PAGE_LOAD, 0, 0), 1);
    EXPECT_EQ(ItemText(IDC_REPORT_TITLE), L"Holidays");
    EXPECT_EQ(PeriodDate(0), Day(1, 1));
    EXPECT_EQ(PeriodDate(1), Day(12, 31));
    // Applied unchanged, the page writes its keys with the defaults.
    EXPECT_EQ(SendMessageW(page, WM_PAGE_APPLY, 0, 0), 1);
    EXPECT_EQ(host::GetSetting(L"ReportsHolidaysTitle"), L"Holidays");
    EXPECT_EQ(host::GetSetting(L"ReportsHolidaysTitleEmpty"), L"0");
    EXPECT_EQ(host::GetSetting(L"ReportsHolidaysPrinterOrientation"), L"1");
    EXPECT_EQ(host::GetSetting(L"ReportsHolidaysStart"), L"20260101");
    EXPECT_EQ(host::GetSetting(L"ReportsHolidaysEnd"), L"20261231");
}

TEST_F(HolidaysPageTest, Apply_editedPeriodAndAClearedTitleSurviveTheNextLoad)
{
    host::SetSetting(L"ReportsHolidaysStart", L"20260301");
    host::SetSetting(L"ReportsHolidaysEnd", L"20260331");
    host::SetSetting(L"ReportsHolidaysPrinterOrientation", L"2");
    ASSERT_NE(CreatePage(report, L"Lists", L"Holidays"), nullptr);
    SendMessageW(page, WM_PAGE_LOAD, 0, 0);
    EXPECT_EQ(PeriodDate(0), Day(3, 1));
    EXPECT_EQ(PeriodDate(1), Day(3, 31));
    SetDlgItemTextW(page, IDC_REPORT_TITLE, L"");
    SetPeriodDate(1, Day(4, 30));
    EXPECT_EQ(SendMessageW(page, WM_PAGE_VALIDATE, 0, 0), 1);
    EXPECT_EQ(SendMessageW(page, WM_PAGE_APPLY, 0, 0), 1);
    EXPECT_EQ(host::GetSetting(L"ReportsHolidaysTitle"), L"");
    EXPECT_EQ(host::GetSetting(L"ReportsHolidaysTitleEmpty"), L"1");
    EXPECT_EQ(host::GetSetting(L"ReportsHolidaysPrinterOrientation"), L"2");
    EXPECT_EQ(host::GetSetting(L"ReportsHolidaysEnd"), L"20260430");
    DestroyWindow(page);

    ASSERT_NE(CreatePage(report, L"Lists", L"Holidays"), nullptr);
    SendMessageW(page, WM_PAGE_LOAD, 0, 0);
    EXPECT_EQ(ItemText(IDC_REPORT_TITLE), L"");
    EXPECT_EQ(PeriodDate(1), Day(4, 30));
    EXPECT_EQ(report.createPage(host.Hwnd(), 0, 0, nullptr), 0);
}

} // namespace
