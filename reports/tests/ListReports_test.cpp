// The holidays, calendars and resources reports of the sample project through the records the
// loaded plug-in registers, as the viewer runs them.
#include "PluginTestEnv.h"

namespace {

class ListReportsTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        Record(L"Filters"); // registers the reports once
        ASSERT_NE(rtest::CData::Sample(), nullptr);
    }
    std::wstring Exported(const wchar_t* name)
    {
        const ReportRegistration& report = Record(name);
        const std::wstring path = folder.File(L"export.txt");
        if (!report.Export || report.Export(path.c_str()) != 0)
            return {};
        return rtest::ReadUtf16(path);
    }
    rtest::CTempFolder folder;
};

TEST_F(ListReportsTest, Holidays_theSampleProjectsSpring)
{
    host::SetSetting(L"ReportsHolidaysStart", L"20260401");
    host::SetSetting(L"ReportsHolidaysEnd", L"20260531");
    EXPECT_EQ(Exported(L"Holidays"), L"Date\tHoliday\r\n"
                                     L"2026-04-03\tGood Friday\r\n"
                                     L"2026-04-06\tEaster Monday\r\n"
                                     L"2026-05-01\tLabour Day\r\n"
                                     L"2026-05-14\tAscension Day\r\n"
                                     L"2026-05-25\tWhit Monday\r\n");
}

TEST_F(ListReportsTest, Calendars_theSampleProjectsExceptionsInMarch)
{
    host::SetSetting(L"ReportsCalendarsDateStart", L"20260301");
    host::SetSetting(L"ReportsCalendarsDateEnd", L"20260331");
    const std::wstring text = Exported(L"Calendars");
    EXPECT_EQ(text.find(L"Calendar\t"), 0u);
    EXPECT_NE(text.find(L"\r\nOffice hours\t08:00-12:00, 13:00-17:00\t"), std::wstring::npos);
    EXPECT_NE(text.find(L"\t06:00-12:00\tNo working time\t06:00-12:00\r\nPart time\t"), std::wstring::npos);
    const std::wstring tail = L"\r\n\r\nExceptions\t2026-03-01\t2026-03-31\r\n"
                              L"Calendar\tDate\tWorking times\r\n"
                              L"Office hours\t2026-03-20\tNo working time\r\n"
                              L"Workshop shifts\t2026-03-14\t06:00-14:00\r\n"
                              L"Part time\t2026-03-18\tNo working time\r\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST_F(ListReportsTest, Resources_theSampleProjectWithCalendarsAndCosts)
{
    host::SetSetting(L"ReportsResourcesColumnsCalendar", L"1");
    host::SetSetting(L"ReportsResourcesColumnsCosts", L"1");
    const std::wstring text = Exported(L"Resources");
    EXPECT_EQ(text.substr(0, text.find(L"\r\n") + 2),
              L"Resource\tCalendar\tVariable costs\tCosts unit\tFixed costs\r\n");
    EXPECT_NE(text.find(L"\r\nAnna Berger\tOffice hours\t58.50 EUR\tper working hour\t0.00 EUR\r\n"
                        L"Ben Keller\tPart time\t21.00 EUR\tper hour\t0.00 EUR\r\n"
                        L"CNC mill M2\tWorkshop shifts\t95.00 EUR\tper working hour\t12.50 EUR\r\n"),
              std::wstring::npos)
        << std::string(text.begin(), text.end());
}

} // namespace
