// The calendars report through its registered callbacks: calendars with their weekday ranges,
// holiday rules and exceptions of a period as exact export text, as HTML pages with an index and
// on printed pages, one calendar from a page of its own.
#include "ListReportFixture.h"

#include "calendars/CalendarsBase.h"
#include "calendars/CalendarsReport.h"
#include "plugin/PluginState.h"

#include "QV2ResVReportIds.h"

#include <commctrl.h>

namespace {

using rtest::Day;

const std::wstring kWeek = L"Calendar\tMonday\tTuesday\tWednesday\tThursday\tFriday\tSaturday\tSunday\tHolidays\r\n";
const std::wstring kOfficeDay = L"08:00-12:00, 13:00-17:00";

std::wstring Times(const std::wstring& text, int count)
{
    std::wstring joined;
    for (int i = 0; i < count; ++i)
        joined += L"\t" + text;
    return joined;
}

class CalendarsReportTest : public ListReportTest {
protected:
    const ReportDefinition& report = CalendarsReport();

    // Plant (first by position): 6 to 14 every day, holidays like other days. Office: two ranges
    // on weekdays, none at the weekend, 9 to 12 on holidays, three exceptions on the edges and
    // inside the default period. Night: 22 to 24, no work on holidays.
    void BuildProject()
    {
        office = rtest::AddCalendar(L"Office", {480, 720, 780, 1020});
        plant = rtest::AddCalendar(L"Plant", {360, 840});
        night = rtest::AddCalendar(L"Night", {1320, 0});
        ASSERT_TRUE(office && plant && night);
        ASSERT_TRUE(rtest::EditCalendar(office, [](wqv2_data::CCalendar& c) {
            c.Position = 2;
            c.SetWorkingTimes(5, nullptr, 0);
            c.SetWorkingTimes(6, nullptr, 0);
            const int holiday[] = {540, 720};
            c.SetWorkingTimes(7, holiday, 1);
        }));
        ASSERT_TRUE(rtest::EditCalendar(plant, [](wqv2_data::CCalendar& c) {
            c.Position = 1;
            c.HolidayRule = 1;
        }));
        ASSERT_TRUE(rtest::EditCalendar(night, [](wqv2_data::CCalendar& c) {
            c.Position = 3;
            c.HolidayRule = 0;
        }));
        ASSERT_NE(rtest::AddException(office, Day(3, 2), {540, 720, 780, 900}), nullptr);
        ASSERT_NE(rtest::AddException(office, Day(1, 1), {}), nullptr);
        ASSERT_NE(rtest::AddException(office, TDate::FromYMD(1, 2027, 1), {600, 660}), nullptr);
        ASSERT_NE(rtest::AddException(plant, TDate::FromYMD(12, 2025, 31), {}), nullptr);
        ASSERT_NE(rtest::AddException(plant, TDate::FromYMD(1, 2027, 2), {}), nullptr);
    }

    static std::wstring CalendarRows()
    {
        return L"Plant" + Times(L"06:00-14:00", 7) + L"\tLike other days\r\n" + L"Office" + Times(kOfficeDay, 5) +
               Times(L"No working time", 2) + L"\t09:00-12:00\r\n" + L"Night" + Times(L"22:00-00:00", 7) +
               L"\tNo working time\r\n";
    }

    wqv2_data::CCalendar* office = nullptr;
    wqv2_data::CCalendar* plant = nullptr;
    wqv2_data::CCalendar* night = nullptr;
};

TEST_F(CalendarsReportTest, Export_weekdaysRulesAndTheExceptionsOfTheDefaultRunPeriod)
{
    BuildProject();
    // Without settings a run lists from 1 January to 1 January of the next year, both included.
    EXPECT_EQ(ExportText(report), kWeek + CalendarRows() +
                                      L"\r\n"
                                      L"Exceptions\t2026-01-01\t2027-01-01\r\n"
                                      L"Calendar\tDate\tWorking times\r\n"
                                      L"Office\t2026-01-01\tNo working time\r\n"
                                      L"Office\t2026-03-02\t09:00-12:00, 13:00-15:00\r\n"
                                      L"Office\t2027-01-01\t10:00-11:00\r\n");
}

TEST_F(CalendarsReportTest, Export_withoutExceptionsTheCalendarRowsOnly)
{
    BuildProject();
    host::SetSetting(L"ReportsCalendarsListExceptions", L"0");
    EXPECT_EQ(ExportText(report), kWeek + CalendarRows());
}

TEST_F(CalendarsReportTest, Export_theWeekStartsOnTheViewsFirstDay)
{
    BuildProject();
    host::SetSetting(L"ViewFirstDayOfWeek", L"6");
    host::SetSetting(L"ReportsCalendarsListExceptions", L"no");
    const std::wstring text = ExportText(report);
    EXPECT_EQ(text.substr(0, text.find(L"\r\n") + 2),
              L"Calendar\tSunday\tMonday\tTuesday\tWednesday\tThursday\tFriday\tSaturday\tHolidays\r\n");
    EXPECT_NE(text.find(L"Office\tNo working time" + Times(kOfficeDay, 5) + L"\tNo working time\t09:00-12:00\r\n"),
              std::wstring::npos);
}

TEST_F(CalendarsReportTest, Export_periodEndsBothIncludedAndAReversedPeriodListsNone)
{
    BuildProject();
    host::SetSetting(L"ReportsCalendarsDateStart", L"20260302");
    host::SetSetting(L"ReportsCalendarsDateEnd", L"20260302");
    host::SetSetting(L"ReportsExportUseLocalizedDate", L"0");
    const std::wstring exceptions = L"Exceptions\t20260302\t20260302\r\n"
                                    L"Calendar\tDate\tWorking times\r\n";
    EXPECT_EQ(ExportText(report),
              kWeek + CalendarRows() + L"\r\n" + exceptions + L"Office\t20260302\t09:00-12:00, 13:00-15:00\r\n");
    host::SetSetting(L"ReportsCalendarsDateStart", L"20261231");
    host::SetSetting(L"ReportsCalendarsDateEnd", L"20260101");
    EXPECT_EQ(ExportText(report), kWeek + CalendarRows() + L"\r\n" +
                                      L"Exceptions\t20261231\t20260101\r\nCalendar\tDate\tWorking times\r\n");
}

TEST_F(CalendarsReportTest, Export_withoutCalendarsTheHeadersOnly)
{
    EXPECT_EQ(ExportText(report),
              kWeek + L"\r\nExceptions\t2026-01-01\t2027-01-01\r\nCalendar\tDate\tWorking times\r\n");
    ForgetDataRoot();
    host::SetSetting(L"ReportsCalendarsListExceptions", L"0");
    EXPECT_EQ(ExportText(report), kWeek);
}

TEST_F(CalendarsReportTest, HolidayRuleText_aRuleWithAnEmptyListIsNoWorkingTime)
{
    wqv2_data::CCalendar* calendar = rtest::AddCalendar(L"Rules", {480, 960});
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->HolidayRule, 2);
    ASSERT_TRUE(rtest::SetHolidayRule(calendar, 2, {}));
    EXPECT_EQ(CRCalendarsBase::HolidayRuleText(*calendar), L"No working time");
    ASSERT_TRUE(rtest::SetHolidayRule(calendar, 2, {480, 600, 660, 900}));
    EXPECT_EQ(CRCalendarsBase::HolidayRuleText(*calendar), L"08:00-10:00, 11:00-15:00");
    ASSERT_TRUE(rtest::SetHolidayRule(calendar, 0, {480, 600}));
    EXPECT_EQ(CRCalendarsBase::HolidayRuleText(*calendar), L"No working time");
    ASSERT_TRUE(rtest::SetHolidayRule(calendar, 1, {480, 600}));
    EXPECT_EQ(CRCalendarsBase::HolidayRuleText(*calendar), L"Like other days");
}

TEST_F(CalendarsReportTest, WeekdayOfColumn_firstDayTakenModuloSeven)
{
    host::SetSetting(L"ViewFirstDayOfWeek", L"2");
    EXPECT_EQ(CRCalendarsBase::WeekdayOfColumn(0), 2);
    EXPECT_EQ(CRCalendarsBase::WeekdayOfColumn(6), 1);
    host::SetSetting(L"ViewFirstDayOfWeek", L"-1");
    EXPECT_EQ(CRCalendarsBase::WeekdayOfColumn(0), 6);
    host::SetSetting(L"ViewFirstDayOfWeek", L"9");
    EXPECT_EQ(CRCalendarsBase::WeekdayOfColumn(0), 2);
}

TEST_F(CalendarsReportTest, Html_onePagePerCalendarBesideTheIndex)
{
    BuildProject();
    host::SetSetting(L"ReportsCalendarsTitle", L"Calendars & times");
    host::SetSetting(L"ReportsHtmlCreatedFilesSave", L"1");
    const std::wstring folderPath = rtest::OutputFolder();
    const std::wstring index = HtmlText(report, L"calendars.htm", true);
    EXPECT_EQ(host::GetSetting(L"ReportsHtmlCreatedFiles"),
              folderPath + L"calendars1.htm\n" + folderPath + L"calendars2.htm\n" + folderPath + L"calendars3.htm\n" +
                  folderPath + L"calendars.htm");
    EXPECT_NE(index.find(L"<h2>Calendars &amp; times</h2>\n\n<table border=1 cellspacing=0 cellpadding=5 >\n\n"
                         L" <tr >\n  <th >Calendar</th>\n </tr>\n"
                         L" <tr >\n  <td ><a href=\"calendars1.htm\">Plant</a></td>\n </tr>\n"
                         L" <tr >\n  <td ><a href=\"calendars2.htm\">Office</a></td>\n </tr>\n"
                         L" <tr >\n  <td ><a href=\"calendars3.htm\">Night</a></td>\n </tr>\n"
                         L"\n</table>\n"),
              std::wstring::npos)
        << std::string(index.begin(), index.end());

    const std::wstring office = rtest::ReadUtf16(folderPath + L"calendars2.htm");
    std::wstring weekdays;
    for (const wchar_t* day : {L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday"})
        weekdays += std::wstring(L" <tr >\n  <td align=left >") + day + L":</td>\n  <td align=left >" + kOfficeDay +
                    L"</td>\n </tr>\n";
    for (const wchar_t* day : {L"Saturday", L"Sunday"})
        weekdays += std::wstring(L" <tr >\n  <td align=left >") + day +
                    L":</td>\n  <td align=left >No working time</td>\n </tr>\n";
    EXPECT_NE(office.find(L"<h2>Calendars &amp; times</h2>\n<h3>Calendar Office</h3>\n<h3>Working times</h3>\n"
                          L"\n<table border=0 cellspacing=0 cellpadding=5 >\n\n" +
                          weekdays +
                          L" <tr >\n  <td align=left >Holidays:</td>\n  <td align=left >09:00-12:00</td>\n </tr>\n"
                          L"\n</table>\n\n"
                          L"<h3>Exceptions from 2026-01-01 to 2027-01-01</h3>\n"
                          L"\n<table >\n\n"
                          L" <tr >\n  <th colspan=2 align=right >Date</th>\n  <th width=\"20\" >&#160;</th>\n"
                          L"  <th >Working times</th>\n </tr>\n"
                          L" <tr >\n  <td colspan=4 ><hr >&#160;</td>\n </tr>\n"
                          L" <tr >\n  <td align=left >Thu</td>\n  <td align=right >2026-01-01</td>\n"
                          L"  <td width=\"20\" >&#160;</td>\n  <td align=left >No working time</td>\n </tr>\n"
                          L" <tr >\n  <td align=left >Mon</td>\n  <td align=right >2026-03-02</td>\n"
                          L"  <td width=\"20\" >&#160;</td>\n  <td align=left >09:00-12:00, 13:00-15:00</td>\n </tr>\n"
                          L" <tr >\n  <td align=left >Fri</td>\n  <td align=right >2027-01-01</td>\n"
                          L"  <td width=\"20\" >&#160;</td>\n  <td align=left >10:00-11:00</td>\n </tr>\n"
                          L"\n</table>\n"),
              std::wstring::npos)
        << std::string(office.begin(), office.end());
    const std::wstring plant = rtest::ReadUtf16(folderPath + L"calendars1.htm");
    EXPECT_NE(plant.find(L"<h3>Exceptions from 2026-01-01 to 2027-01-01</h3>\n"
                         L"<p>There is nothing in this period.</p>\n"),
              std::wstring::npos);
    EXPECT_NE(plant.find(L"<td align=left >Holidays:</td>\n  <td align=left >Like other days</td>"),
              std::wstring::npos);
}

TEST_F(CalendarsReportTest, Html_anIndexNamedWithUrlCharactersLinksItsPages)
{
    // "#" would start a fragment and "%" an escape; the Linux-side check follows every link.
    BuildProject();
    const std::wstring index = HtmlText(report, L"Q#1 %.htm", true);
    EXPECT_NE(index.find(L"<a href=\"Q%231%20%251.htm\">Plant</a>"), std::wstring::npos)
        << std::string(index.begin(), index.end());
    EXPECT_TRUE(rtest::FileExists(rtest::OutputFolder() + L"Q#1 %1.htm"));
}

TEST_F(CalendarsReportTest, Html_withoutExceptionsNeitherPeriodNorTable)
{
    BuildProject();
    host::SetSetting(L"ReportsCalendarsListExceptions", L"0");
    ASSERT_FALSE(HtmlText(report, L"cal.htm").empty());
    const std::wstring office = rtest::ReadUtf16(folder.File(L"cal2.htm"));
    EXPECT_NE(office.find(L"<h3>Working times</h3>"), std::wstring::npos);
    EXPECT_EQ(office.find(L"Exceptions from"), std::wstring::npos);
    EXPECT_EQ(office.find(L"<th"), std::wstring::npos);
    EXPECT_TRUE(rtest::FileExists(folder.File(L"cal3.htm")));
    EXPECT_FALSE(rtest::FileExists(folder.File(L"cal4.htm")));
}

TEST_F(CalendarsReportTest, Html_withoutCalendarsAnIndexWithItsHeaderRowOnly)
{
    const std::wstring index = HtmlText(report, L"empty.htm");
    EXPECT_NE(index.find(L"<table border=1 cellspacing=0 cellpadding=5 >\n\n"
                         L" <tr >\n  <th >Calendar</th>\n </tr>\n\n</table>"),
              std::wstring::npos);
    EXPECT_FALSE(rtest::FileExists(folder.File(L"empty1.htm")));
}

TEST_F(CalendarsReportTest, Html_aPageThatCannotBeWrittenEndsTheRunWithoutIndex)
{
    BuildProject();
    // A folder where the second page would go: the first page stays, the rest is not written.
    ASSERT_TRUE(CreateDirectoryW(folder.File(L"cal2.htm").c_str(), nullptr));
    const std::wstring path = folder.File(L"cal.htm");
    rtest::CMessageBoxCatcher boxes;
    EXPECT_EQ(report.html(path.c_str()), kReportFailedShown);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], L"The file " + folder.File(L"cal2.htm") + L" cannot be written.");
    EXPECT_TRUE(rtest::FileExists(folder.File(L"cal1.htm")));
    EXPECT_FALSE(rtest::FileExists(folder.File(L"cal3.htm")));
    EXPECT_FALSE(rtest::FileExists(path));
    EXPECT_EQ(report.html(L""), 1);
    EXPECT_EQ(report.html(nullptr), 1);
    EXPECT_EQ(boxes.Texts().size(), 1u);
}

TEST_F(CalendarsReportTest, Print_eachCalendarFromItsOwnPage)
{
    BuildProject();
    host::SetSetting(L"ReportsCalendarsListExceptions", L"0"); // printed all the same
    ASSERT_EQ(Print(report), 0);
    ASSERT_EQ(engine->GetPageCount(), 3);
    const petest::PageRec plant = Page(1);
    const petest::TextRec* caption = plant.Find(L"Calendar: ");
    const petest::TextRec* name = plant.Find(L"Plant");
    const petest::TextRec* head = plant.Find(L"Working times");
    const petest::TextRec* holidays = plant.Find(L"Holidays:");
    const petest::TextRec* heading = plant.Find(L"Exceptions from 2026-01-01 to 2027-01-01");
    const petest::TextRec* none = plant.Find(L"There is nothing in this period.");
    const std::wstring texts = PageTexts(1);
    ASSERT_TRUE(caption && name && head && holidays && heading && none) << std::string(texts.begin(), texts.end());
    EXPECT_EQ(caption->y, name->y);
    // Downward in order (y grows upward in the metafile).
    EXPECT_GT(caption->y, head->y);
    EXPECT_GT(head->y, holidays->y);
    EXPECT_GT(holidays->y, heading->y);
    EXPECT_GT(heading->y, none->y);
    EXPECT_NE(plant.Find(L"Like other days"), nullptr);
    EXPECT_EQ(plant.Find(L"Office"), nullptr);

    const petest::PageRec office = Page(2);
    for (const wchar_t* text : {L"Office", L"Monday:", L"Sunday:", L"Date", L"Thu", L"2026-01-01", L"Mon",
                                L"2026-03-02",
                                L"09:00-12:00, 13:00-15:00", L"2027-01-01", L"10:00-11:00", L"Page 2 of 3"})
        EXPECT_NE(office.Find(text), nullptr) << std::string(text, text + wcslen(text));
    EXPECT_EQ(office.Find(L"There is nothing in this period."), nullptr);
    EXPECT_NE(Page(3).Find(L"Night"), nullptr);
    EXPECT_NE(Page(3).Find(L"22:00-00:00"), nullptr);
}

TEST_F(CalendarsReportTest, Print_aLongCalendarContinuesItsCaptionAndTheNextStartsAfresh)
{
    BuildProject();
    for (int i = 0; i < 150; ++i) {
        TDate day = Day(4, 1);
        day += i;
        ASSERT_NE(rtest::AddException(office, day, {600, 660}), nullptr);
    }
    ASSERT_EQ(Print(report), 0);
    const int pages = engine->GetPageCount();
    ASSERT_GE(pages, 4);
    EXPECT_NE(Page(2).Find(L"Office"), nullptr);
    EXPECT_NE(Page(3).Find(L"Office (continued)"), nullptr);
    EXPECT_NE(Page(3).Find(L"Date"), nullptr); // the head row again
    EXPECT_NE(Page(pages).Find(L"Night"), nullptr);
    EXPECT_EQ(Page(pages).Find(L"Night (continued)"), nullptr);
    EXPECT_EQ(Page(pages).Find(L"Office (continued)"), nullptr);
}

TEST_F(CalendarsReportTest, Print_headingAndNothingLineStayAboveTheFooter)
{
    // A calendar without exceptions: weekday table, period heading, "nothing" line. The bottom
    // margin moves the footer up through all three; no body text may reach into it.
    ASSERT_NE(rtest::AddCalendar(L"Plant", {360, 840}), nullptr);
    host::SetSetting(L"ReportsPrinterFooterInfoLeft", L"footer");
    host::SetSetting(L"ReportsPrinterFooterInfoRight", L"footer");
    for (int margin = 1200; margin <= 2400; margin += 40) {
        host::SetSetting(L"ReportsPrinterMarginsBottom", std::to_wstring(margin));
        ASSERT_EQ(Print(report), 0);
        for (int page = 1; page <= engine->GetPageCount(); ++page) {
            const petest::PageRec drawn = Page(page);
            const petest::TextRec* footer = drawn.Find(L"footer");
            ASSERT_NE(footer, nullptr);
            // The footer's rule is the lowest line above its text (y grows upward).
            int rule = INT_MAX;
            for (const petest::LineRec& line : drawn.lines) {
                if (line.from.y == line.to.y && line.from.y > footer->y)
                    rule = std::min(rule, static_cast<int>(line.from.y));
            }
            ASSERT_NE(rule, INT_MAX);
            for (const petest::TextRec& text : drawn.texts) {
                if (text.text == L"footer")
                    continue;
                EXPECT_GE(text.y - std::abs(text.font.lfHeight), rule)
                    << "margin " << margin << ", page " << page << ": "
                    << std::string(text.text.begin(), text.text.end());
            }
        }
    }
}

TEST_F(CalendarsReportTest, Print_withoutCalendarsNothingLaidOutAndNoEngineAnswers1)
{
    ASSERT_EQ(Print(report), 0);
    EXPECT_EQ(engine->GetPageCount(), 1);
    EXPECT_EQ(Page(1).Find(L"Calendar: "), nullptr);
    EXPECT_EQ(report.print(nullptr, dc.Get(), dc.Get()), 1);
}

class CalendarsPageTest : public ListPageTest {
protected:
    void SetUp() override
    {
        ListPageTest::SetUp();
        ASSERT_NE(CreatePage(CalendarsReport(), L"Lists", L"Calendars"), nullptr);
    }
    const std::wstring kCheck = L"List the exceptions of the period";
};

TEST_F(CalendarsPageTest, Load_defaultsShowTheWholeYearAndTheCheckedExceptions)
{
    EXPECT_EQ(SendMessageW(page, WM_PAGE_LOAD, 0, 0), 1);
    EXPECT_EQ(ItemText(IDC_REPORT_TITLE), L"Calendars");
    EXPECT_EQ(ItemText(IDC_REPORT_PAGE_HINT), L"Exceptions are listed for this period.");
    // The page shows 31 December where a run without settings ends on 1 January.
    EXPECT_EQ(PeriodDate(0), Day(1, 1));
    EXPECT_EQ(PeriodDate(1), Day(12, 31));
    EXPECT_EQ(Outline(), L"Orientation(Portrait[ ]Landscape[ ])Options(" + kCheck + L"[x])");
    HWND tree = Tree();
    EXPECT_EQ(TreeView_GetSelection(tree), TreeView_GetRoot(tree));
    // Each group shows its own picture, added after the tree's eight item images.
    TVITEMW data{};
    data.mask = TVIF_IMAGE | TVIF_HANDLE;
    data.hItem = TreeView_GetNextSibling(tree, TreeView_GetRoot(tree));
    TreeView_GetItem(tree, &data);
    EXPECT_EQ(data.iImage, 9);
}

TEST_F(CalendarsPageTest, Apply_keysInTheirFormsAndAClearedTitleSurvives)
{
    SendMessageW(page, WM_PAGE_LOAD, 0, 0);
    SetDlgItemTextW(page, IDC_REPORT_TITLE, L"");
    SetCheck(kCheck, false);
    // A period whose end lies before its start is taken as it stands.
    SetPeriodDate(0, Day(6, 30));
    SetPeriodDate(1, Day(6, 1));
    EXPECT_EQ(SendMessageW(page, WM_PAGE_VALIDATE, 0, 0), 1);
    EXPECT_EQ(SendMessageW(page, WM_PAGE_APPLY, 0, 0), 1);
    EXPECT_TRUE(host::HasSetting(L"ReportsCalendarsTitle"));
    EXPECT_EQ(host::GetSetting(L"ReportsCalendarsTitle"), L"");
    EXPECT_EQ(host::GetSetting(L"ReportsCalendarsTitleEmpty"), L"1");
    EXPECT_EQ(host::GetSetting(L"ReportsCalendarsPrinterOrientation"), L"1");
    EXPECT_EQ(host::GetSetting(L"ReportsCalendarsDateStart"), L"20260630");
    EXPECT_EQ(host::GetSetting(L"ReportsCalendarsDateEnd"), L"20260601");
    EXPECT_EQ(host::GetSetting(L"ReportsCalendarsListExceptions"), L"0");

    SendMessageW(page, WM_PAGE_LOAD, 0, 0);
    EXPECT_EQ(ItemText(IDC_REPORT_TITLE), L"");
    EXPECT_EQ(PeriodDate(0), Day(6, 30));
    EXPECT_EQ(Outline(), L"Orientation(Portrait[ ]Landscape[ ])Options(" + kCheck + L"[ ])");
}

TEST_F(CalendarsPageTest, OutputKind_theOptionsGroupStaysAndKeepsItsCheck)
{
    SendMessageW(page, WM_PAGE_LOAD, 0, 0);
    SetCheck(kCheck, false);
    host.kind = 1;
    EXPECT_EQ(SendMessageW(page, WM_PAGE_OUTPUT_CHANGED, 0, 0), 1);
    EXPECT_EQ(Outline(), L"Options(" + kCheck + L"[ ])");
    EXPECT_EQ(TreeView_GetSelection(Tree()), TreeView_GetRoot(Tree()));
    host.kind = 0;
    SendMessageW(page, WM_PAGE_SHOWN, 1, 0);
    EXPECT_EQ(Outline(), L"Orientation(Portrait[ ]Landscape[ ])Options(" + kCheck + L"[ ])");
    SendMessageW(page, WM_PAGE_APPLY, 0, 0);
    EXPECT_EQ(host::GetSetting(L"ReportsCalendarsListExceptions"), L"0");
}

} // namespace
