// Calendars, their exceptions and holidays in project files, through QV2D.dll on real files:
// round trips (bare and zipped), the text form of range lists, damaged elements, and holidays
// of the older sectioned text format.
#include "FileTestEnv.h"

#include <random>
#include <string>

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

const TDate kMonday = TDate::FromYMD(9, 2024, 2); // 2 September 2024

std::wstring ListText(const int* pairs, int count)
{
    std::wstring text;
    for (int i = 0; i < count; ++i)
        text += std::to_wstring(pairs[2 * i]) + L"-" + std::to_wstring(pairs[2 * i + 1]) + L" ";
    return text;
}

// Every calendar with its exceptions, and every holiday, field by field.
std::wstring DumpCalendars(CData* root)
{
    std::wstring dump;
    for (int i = 0; i < root->Calendars->GetCount(); ++i) {
        CCalendar* c = root->Calendars->GetAt(i);
        dump += L"calendar " + std::to_wstring(c->ID) + L" pos " + std::to_wstring(c->Position) + L" '" + c->Name +
                L"' rule " + std::to_wstring(c->HolidayRule) + L"\n";
        for (int list = 0; list < 8; ++list)
            dump += L"  list " + std::to_wstring(list) + L": " + ListText(c->WeekdayWorkingTimes[list], c->WeekdayWorkingTimeCounts[list]) + L"\n";
        for (int j = 0; j < c->Exceptions->GetCount(); ++j) {
            CCalendarException* e = c->Exceptions->GetAt(j);
            dump += L"  exception " + std::to_wstring(e->ID) + L" on " + std::to_wstring(static_cast<uint32_t>(e->Date)) + L": " +
                    ListText(e->WorkingTimes, e->WorkingTimeCount) + L"\n";
        }
    }
    for (int i = 0; i < root->Holidays->GetCount(); ++i) {
        CHoliday* h = root->Holidays->GetAt(i);
        dump += L"holiday " + std::to_wstring(h->ID) + L" '" + h->Name + L"' on " + std::to_wstring(static_cast<uint32_t>(h->Date)) + L"\n";
    }
    for (int i = 0; i < root->Resources->GetCount(nullptr); ++i) {
        CResource* r = root->Resources->GetAt(i);
        dump += L"resource " + std::to_wstring(r->ID) + L" calendar " + std::to_wstring(r->Calendar ? r->Calendar->ID : -1) + L"\n";
    }
    return dump;
}

class CalendarFilesTest : public FileTest {
protected:
    // Two calendars (one with exceptions, one without), three holidays, a resource using the
    // second calendar.
    void BuildProject()
    {
        ASSERT_EQ(Begin(), 0);
        CCalendar* office = root->Calendars->CreateNew();
        office->SetName(L"Office & <Shop>");
        const int day[] = {480, 720, 780, 1020};
        for (unsigned list = 0; list < 5; ++list)
            office->SetWorkingTimes(list, day, 2);
        const int saturday[] = {0, 60, 60, 120, 1200, 0}; // touching, and up to 24:00
        office->SetWorkingTimes(5, saturday, 3);
        office->SetWorkingTimes(6, nullptr, 0);
        const int holiday[] = {600, 660};
        office->SetWorkingTimes(7, holiday, 1);
        office->HolidayRule = 0;
        office->Position = 4;
        ASSERT_EQ(root->Calendars->Add(office), 0);
        CCalendar* always = root->Calendars->CreateNew();
        always->SetName(L"Always");
        always->HolidayRule = 1;
        ASSERT_EQ(root->Calendars->Add(always), 0);

        const int shortDay[] = {480, 600, 1439, 0};
        CCalendarException* e1 = office->Exceptions->CreateNew();
        e1->Date = kMonday;
        e1->SetWorkingTimes(shortDay, 2);
        ASSERT_EQ(office->Exceptions->Add(e1), 0);
        CCalendarException* e2 = office->Exceptions->CreateNew();
        e2->Date = kMonday + 30;
        ASSERT_EQ(office->Exceptions->Add(e2), 0);

        const wchar_t* names[] = {L"New Year", L"Labour Day", L"Christmas"};
        const TDate dates[] = {TDate::FromYMD(1, 2024, 1), TDate::FromYMD(5, 2024, 1), TDate::FromYMD(12, 2024, 25)};
        for (int i = 0; i < 3; ++i) {
            CHoliday* h = root->Holidays->CreateNew();
            h->SetName(names[i]);
            h->Date = dates[i];
            ASSERT_EQ(root->Holidays->Add(h), 0);
        }
        CResource* r = root->Resources->CreateNew();
        r->SetName(L"R");
        r->Calendar = always;
        ASSERT_EQ(root->Resources->Add(r), 0);
        ASSERT_EQ(Commit(), 0);
    }
    std::wstring SavedText(const std::wstring& path) { return Utf16Text(ReadFileBytes(path)); }
    // The saved project with one stretch of its text replaced, written as a new file.
    std::wstring Damaged(const std::wstring& text, const std::wstring& from, const std::wstring& to, const std::wstring& name)
    {
        std::wstring changed = text;
        const size_t at = changed.find(from);
        EXPECT_NE(at, std::wstring::npos) << "not in the document: " << std::string(from.begin(), from.end());
        if (at != std::wstring::npos)
            changed.replace(at, from.size(), to);
        const std::wstring path = Path(name);
        WriteFileBytes(path, Utf16File(changed));
        return path;
    }
};

TEST_F(CalendarFilesTest, Save_andOpen_giveTheSameCalendarsExceptionsAndHolidays)
{
    BuildProject();
    const std::wstring expected = DumpCalendars(root);
    CCalendar* office = root->Calendars->GetAt(0);
    const int minutes = office->WorkingMinutes(kMonday - 10, 0, kMonday + 40, 0);
    for (bool zipped : {false, true}) {
        SCOPED_TRACE(zipped ? "zipped" : "bare");
        const std::wstring path = Path(zipped ? L"calendars.zip.wqv" : L"calendars.wqv");
        ASSERT_EQ(root->Save(path.c_str(), zipped), 0);
        root->Close(0);
        EXPECT_EQ(root->Calendars->GetCount(), 0);
        ASSERT_EQ(root->Open(path.c_str(), false), 0);
        EXPECT_EQ(DumpCalendars(root), expected);
        EXPECT_EQ(root->Calendars->GetAt(0)->WorkingMinutes(kMonday - 10, 0, kMonday + 40, 0), minutes);
        EXPECT_EQ(root->Resources->GetAt(0)->Calendar, root->Calendars->GetAt(1));
    }
}

TEST_F(CalendarFilesTest, Save_writesRangeListsAsText)
{
    BuildProject();
    const std::wstring path = Path(L"p.wqv");
    ASSERT_EQ(root->Save(path.c_str(), false), 0);
    const std::wstring text = SavedText(path);
    EXPECT_NE(text.find(L"<WeekdayWorkingTimes0>08:00-12:00;13:00-17:00</WeekdayWorkingTimes0>"), std::wstring::npos);
    EXPECT_NE(text.find(L"<WeekdayWorkingTimes5>00:00-01:00;01:00-02:00;20:00-00:00</WeekdayWorkingTimes5>"), std::wstring::npos);
    EXPECT_NE(text.find(L"<WeekdayWorkingTimes7>10:00-11:00</WeekdayWorkingTimes7>"), std::wstring::npos);
    EXPECT_NE(text.find(L"<WorkingTimes>08:00-10:00;23:59-00:00</WorkingTimes>"), std::wstring::npos);
    EXPECT_NE(text.find(L"<Date>20240902</Date>"), std::wstring::npos);
    EXPECT_NE(text.find(L"<Name>Office &amp; &lt;Shop&gt;</Name>"), std::wstring::npos);
    EXPECT_NE(text.find(L"<HolidayRule>0</HolidayRule>"), std::wstring::npos);
    EXPECT_EQ(text.find(L"<WeekdayWorkingTimes8>"), std::wstring::npos);
}

TEST_F(CalendarFilesTest, Open_rangeListTexts)
{
    BuildProject();
    const std::wstring path = Path(L"p.wqv");
    ASSERT_EQ(root->Save(path.c_str(), false), 0);
    const std::wstring text = SavedText(path);
    const std::wstring thursday = L"<WeekdayWorkingTimes3>08:00-12:00;13:00-17:00</WeekdayWorkingTimes3>";

    // The empty text is an empty list; a missing list element keeps the whole day; "24:00"
    // reads as the end of the day and spaces around the digits do no harm.
    ASSERT_EQ(root->Open(Damaged(text, thursday, L"<WeekdayWorkingTimes3></WeekdayWorkingTimes3>", L"empty.wqv").c_str(), false), 0);
    EXPECT_EQ(root->Calendars->GetAt(0)->WeekdayWorkingTimeCounts[3], 0);
    ASSERT_EQ(root->Open(Damaged(text, thursday, L"", L"missing.wqv").c_str(), false), 0);
    CCalendar* c = root->Calendars->GetAt(0);
    ASSERT_EQ(c->WeekdayWorkingTimeCounts[3], 1);
    EXPECT_EQ(c->WeekdayWorkingTimes[3][0], 0);
    EXPECT_EQ(c->WeekdayWorkingTimes[3][1], 0);
    ASSERT_EQ(root->Open(Damaged(text, thursday, L"<WeekdayWorkingTimes3>22:00-24:00</WeekdayWorkingTimes3>", L"late.wqv").c_str(), false), 0);
    c = root->Calendars->GetAt(0);
    ASSERT_EQ(c->WeekdayWorkingTimeCounts[3], 1);
    EXPECT_EQ(c->WeekdayWorkingTimes[3][1], 0);
    EXPECT_EQ(c->WorkingMinutes(kMonday + 3, 0, kMonday + 4, 0), 120);
}

TEST_F(CalendarFilesTest, Open_damagedElementsFailTheLoadAndKeepTheProject)
{
    BuildProject();
    const std::wstring path = Path(L"p.wqv");
    ASSERT_EQ(root->Save(path.c_str(), false), 0);
    const std::wstring text = SavedText(path);
    const std::wstring expected = DumpCalendars(root);
    struct Case {
        const wchar_t* name;
        std::wstring from;
        std::wstring to;
        int status;
    } cases[] = {
        {L"no-dash.wqv", L"<WeekdayWorkingTimes3>08:00-12:00;13:00-17:00<", L"<WeekdayWorkingTimes3>08:00<", kErrFormat},
        {L"trailing.wqv", L"<WeekdayWorkingTimes3>08:00-12:00;13:00-17:00<", L"<WeekdayWorkingTimes3>08:00-12:00;<", kErrFormat},
        {L"exception-times.wqv", L"<WorkingTimes>08:00-10:00;23:59-00:00<", L"<WorkingTimes>0800<", kErrFormat},
        {L"exception-date.wqv", L"<Date>20240902</Date>", L"", kErrFormat},
        {L"holiday-date.wqv", L"<Date>20240101</Date>", L"", kErrFormat},
        {L"holiday-name.wqv", L"<Name>Labour Day</Name>", L"", kErrFormat},
        {L"holiday-id.wqv", L"<ID>2</ID>\r\n\t\t\t\t<Name>Labour Day", L"<ID>two</ID>\r\n\t\t\t\t<Name>Labour Day", kErrFormat},
        {L"calendar-name.wqv", L"<Name>Always</Name>", L"", kErrFormat},
        {L"overlap.wqv", L"08:00-12:00;13:00-17:00<", L"08:00-13:30;13:00-17:00<", kErrInvalid},
        {L"rule.wqv", L"<HolidayRule>0</HolidayRule>", L"<HolidayRule>3</HolidayRule>", kErrInvalid},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.from.begin(), k.from.end()));
        EXPECT_EQ(root->Open(Damaged(text, k.from, k.to, k.name).c_str(), false), k.status);
        EXPECT_EQ(DumpCalendars(root), expected);
    }
}

TEST_F(CalendarFilesTest, Save_calendarWithoutExceptionsHasAnEmptyExceptionsElement)
{
    BuildProject();
    const std::wstring path = Path(L"p.wqv");
    ASSERT_EQ(root->Save(path.c_str(), false), 0);
    const std::wstring text = SavedText(path);
    const size_t always = text.find(L"<Name>Always</Name>");
    ASSERT_NE(always, std::wstring::npos);
    const size_t exceptions = text.find(L"<Exceptions", always);
    ASSERT_NE(exceptions, std::wstring::npos);
    EXPECT_EQ(text.find(L"<Exception>", exceptions), std::wstring::npos);
    ASSERT_EQ(root->Open(path.c_str(), false), 0);
    EXPECT_EQ(root->Calendars->GetAt(1)->Exceptions->GetCount(), 0);
    EXPECT_EQ(root->Calendars->GetAt(0)->Exceptions->GetCount(), 2);
}

TEST_F(CalendarFilesTest, Open_damagedCalendarTextNeverCostsTheProject)
{
    // Characters of the calendar and holiday elements replaced, cut out or doubled, with a
    // fixed seed: every file either loads or is refused and leaves the open project as it was.
    BuildProject();
    const std::wstring path = Path(L"p.wqv");
    ASSERT_EQ(root->Save(path.c_str(), false), 0);
    const std::wstring text = SavedText(path);
    const size_t holidays = text.find(L"<Holidays>");
    const size_t calendars = text.find(L"<Calendars>");
    const size_t end = text.find(L"</Calendars>");
    ASSERT_TRUE(holidays != std::wstring::npos && calendars != std::wstring::npos && end != std::wstring::npos);
    const std::wstring expected = DumpCalendars(root);
    const std::wstring alphabet = L"0123456789:;-<>/ \"aZ";
    std::mt19937 rng(99u);
    int loaded = 0;
    int refused = 0;
    for (int i = 0; i < 300; ++i) {
        std::wstring damaged = text;
        const size_t from = i % 2 == 0 ? holidays : calendars;
        const size_t to = i % 2 == 0 ? calendars : end;
        for (int k = 0; k < 1 + static_cast<int>(rng() % 4); ++k) {
            const size_t at = from + rng() % (to - from);
            switch (rng() % 3) {
            case 0: damaged[at] = alphabet[rng() % alphabet.size()]; break;
            case 1: damaged.erase(at, 1 + rng() % 12); break;
            default: damaged.insert(at, damaged.substr(at, 1 + rng() % 12)); break;
            }
        }
        const std::wstring file = Path(L"d" + std::to_wstring(i) + L".wqv");
        ASSERT_TRUE(WriteFileBytes(file, Utf16File(damaged)));
        const int status = root->Open(file.c_str(), false);
        if (status == 0) {
            ++loaded;
            // Whatever loaded is a valid project: open the good one again for the next round.
            ASSERT_EQ(root->Open(path.c_str(), false), 0);
        } else {
            ++refused;
            ASSERT_EQ(DumpCalendars(root), expected) << "damaged file " << i;
        }
    }
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}

TEST_F(CalendarFilesTest, OpenLegacy_readsHolidayRows)
{
    // ASCII in the ANSI code page, as files of the older format are.
    const std::string legacy = "[FileInfo]\r\nApp;Win-Quorvia\r\n\r\n[Holidays]\r\n1;New Year;20240101\r\n"
                               "2;\"Labour; Day\";20240501\r\n\r\n[Resources]\r\n1;1;Anna;\r\n";
    const std::wstring path = Path(L"legacy.wqv");
    ASSERT_TRUE(WriteFileBytes(path, Bytes(legacy.begin(), legacy.end())));
    ASSERT_EQ(root->Open(path.c_str(), false), 0);
    EXPECT_EQ(root->GetFileInfo(kInfoLegacy, nullptr), 1);
    ASSERT_EQ(root->Holidays->GetCount(), 2);
    EXPECT_STREQ(root->Holidays->GetAt(0)->Name, L"New Year");
    EXPECT_STREQ(root->Holidays->GetAt(1)->Name, L"Labour; Day");
    EXPECT_EQ(root->Holidays->GetAt(1)->Date, TDate::FromYMD(5, 2024, 1));
    EXPECT_EQ(root->Holidays->GetAt(1)->ID, 2);
    EXPECT_EQ(root->Calendars->GetCount(), 0);
    const std::wstring before = DumpCalendars(root);

    // A row without a date leaves the holiday without one: refused, and the load with it.
    const std::string noDate = "[FileInfo]\r\nApp;Win-Quorvia\r\n\r\n[Holidays]\r\n1;New Year;20240101\r\n3;Undated\r\n";
    const std::wstring damaged = Path(L"undated.wqv");
    ASSERT_TRUE(WriteFileBytes(damaged, Bytes(noDate.begin(), noDate.end())));
    EXPECT_EQ(root->Open(damaged.c_str(), false), kErrInvalid);
    EXPECT_EQ(DumpCalendars(root), before);
}

} // namespace
