#include "CalendarDlg.h"

#include "CalendarsDlg.h"
#include "DateTimeEnv.h"
#include "FilterDlg.h"
#include "FiltersDlg.h"
#include "FrameDialogs.h"
#include "HostApi.h"
#include "ProjectDialogFixture.h"
#include "QV2ResVIds.h"
#include "SafeFormat.h"
#include "Settings.h"
#include "fw/Resources.h"

#include <new>

namespace {

constexpr COLORREF kWorking = RGB(10, 20, 30);
constexpr COLORREF kDayOff = RGB(40, 50, 60);
constexpr COLORREF kWorkingException = RGB(70, 80, 90);
constexpr COLORREF kDayOffException = RGB(100, 110, 120);
constexpr COLORREF kFrame = RGB(130, 140, 150);
constexpr COLORREF kUntouched = RGB(1, 2, 3);

// A calendar's exceptions whose look-up fails once armed, as one of a data library out of memory
// would; stands in for the calendar's own set while a test runs.
class CFailingExceptions : public wqv2_data::CCalendarExceptions {
public:
    explicit CFailingExceptions(wqv2_data::CCalendar& calendar) : m_calendar(calendar), m_own(calendar.Exceptions)
    {
        calendar.Exceptions = this;
    }
    ~CFailingExceptions() override { m_calendar.Exceptions = m_own; }
    CFailingExceptions(const CFailingExceptions&) = delete;
    CFailingExceptions& operator=(const CFailingExceptions&) = delete;

    wqv2_data::CCalendarException* FindByDate(TDate) override
    {
        if (!failing)
            return nullptr;
        ++thrown;
        throw std::bad_alloc();
    }
    wqv2_data::CCalendarException* CreateNew() override { return nullptr; }
    int Add(wqv2_data::CCalendarException*) override { return wqv2_data::kErrRefused; }
    int CountInRange(TDate, TDate) override { return 0; }
    int GetCount() override { return 0; }
    int GetInRange(wqv2_data::CCalendarException**, TDate, TDate) override { return 0; }
    int GetAll(wqv2_data::CCalendarException**) override { return 0; }
    wqv2_data::CCalendarException* GetAt(int) override { return nullptr; }
    bool Contains(const wqv2_data::CCalendarException*) override { return false; }

    bool failing = false;
    int thrown = 0;

protected:
    void Erase(wqv2_data::CCalendarException*) override {}
    void Insert(wqv2_data::CCalendarException*) override {}

private:
    wqv2_data::CCalendar& m_calendar;
    wqv2_data::CCalendarExceptions* m_own;
};

class CalendarDlgTest : public dlgtest::ProjectDialogTest {
protected:
    void SetUp() override
    {
        ProjectDialogTest::SetUp();
        ASSERT_TRUE(OpenSample());
        CCalendarDlg::ForgetRememberedDate();
        SetSetting(L"DlgCalendarColorWorkingDay", L"10 20 30");
        SetSetting(L"DlgCalendarColorDayOff", L"40 50 60");
        SetSetting(L"DlgCalendarColorWorkingDayException", L"70 80 90");
        SetSetting(L"DlgCalendarColorDayOffException", L"100 110 120");
        SetSetting(L"DlgCalendarColorHolidayFrame", L"130 140 150");
        for (const wchar_t* key : {L"ViewFirstDayOfWeek", L"DlgCalendarDateInit", L"DlgCalendarDateRemember",
                                   L"DlgCalendarDateSyncWithView"})
            SetSetting(key, L"");
    }
    void TearDown() override
    {
        CCalendarDlg::ForgetRememberedDate();
        ProjectDialogTest::TearDown();
    }

    wqv2_data::CCalendar* Calendar(const wchar_t* name)
    {
        for (int i = 0; i < root->Calendars->GetCount(); ++i) {
            wqv2_data::CCalendar* calendar = root->Calendars->GetAt(i);
            if (std::wstring(calendar->Name) == name)
                return calendar;
        }
        return nullptr;
    }

    struct Cell {
        COLORREF back;
        bool framed;
        bool operator==(const Cell&) const = default;
    };
    static Cell Colour(const CCalendarDlg& dialog, unsigned month, unsigned day, bool otherMonth = false)
    {
        CalendarDayInfo info{};
        info.day = TDate::FromYMD(month, 2026, day);
        info.otherMonth = otherMonth ? 1 : 0;
        info.backColor = kUntouched;
        dialog.ColourDay(info);
        return {info.backColor, info.frame != 0 && info.frameColor == kFrame};
    }

    // Selects a day in the month calendar as a click would.
    static void Select(CCalendarDlg& dialog, unsigned month, unsigned day)
    {
        SendMessageW(dialog.Item(IDC_CALENDAR_MONTH), RKCC2M_CALENDAR_SETDATE, 0, TDate::FromYMD(month, 2026, day));
        Press(dialog.Hwnd(), IDC_CALENDAR_MONTH, RKCC2N_CAL_DATECHANGED);
    }

    static std::wstring DayText(const wchar_t* format, unsigned month, unsigned day, const wchar_t* holiday = nullptr)
    {
        const TDate date(TDate::FromYMD(month, 2026, day));
        const std::wstring weekday = GetLocaleDayName(date.GetWeekday(), true);
        if (!holiday)
            return msgfmt::Format(format, {weekday, GetDateText(date)});
        return msgfmt::Format(format, {weekday, GetDateText(date), holiday});
    }
};

TEST_F(CalendarDlgTest, Days_colouredByExceptionHolidayRuleAndWeekday)
{
    // Office hours: Monday to Friday, holidays are days off; a free 20 March and short days on
    // 24 and 31 December by exception.
    wqv2_data::CCalendar* office = Calendar(L"Office hours");
    ASSERT_NE(office, nullptr);
    std::vector<Cell> ruleDayOff, ruleIgnored;
    std::wstring newYearText, newYearTimes, ignoredTimes;
    Answer<CCalendarDlg>([&](CCalendarDlg& dialog) {
        ruleDayOff = {Colour(dialog, 3, 19), Colour(dialog, 3, 21), Colour(dialog, 3, 20), Colour(dialog, 12, 24),
                      Colour(dialog, 1, 1), Colour(dialog, 1, 1, true)};
        Select(dialog, 1, 1);
        newYearText = Text(dialog.Hwnd(), IDC_CALENDAR_DAY_TEXT);
        newYearTimes = Text(dialog.Hwnd(), IDC_CALENDAR_DAY_TIMES);
        // Holidays ignored: taken up with the next selected day.
        SendMessageW(dialog.Item(IDC_CALENDAR_HOLIDAY_RULE), CB_SETCURSEL, 1, 0);
        Select(dialog, 1, 1);
        ignoredTimes = Text(dialog.Hwnd(), IDC_CALENDAR_DAY_TIMES);
        ruleIgnored = {Colour(dialog, 1, 1), Colour(dialog, 3, 20)};
        return IDCANCEL;
    });
    EXPECT_TRUE(ShowCalendarDlg(office));

    EXPECT_EQ(ruleDayOff, (std::vector<Cell>{{kWorking, false}, {kDayOff, false}, {kDayOffException, false},
                                             {kWorkingException, false}, {kDayOff, true}, {kUntouched, true}}));
    EXPECT_EQ(newYearText, DayText(fw::LoadResString(IDS_CALENDAR_DAY_HOLIDAY).c_str(), 1, 1, L"New Year's Day"));
    EXPECT_EQ(newYearTimes, FormatWorkingTimes({}));
    WorkingTimePeriods thursday;
    SetWorkingTimePeriods(thursday, office->WeekdayWorkingTimes[3], office->WeekdayWorkingTimeCounts[3]);
    EXPECT_EQ(ignoredTimes, FormatWorkingTimes(thursday));
    EXPECT_EQ(ruleIgnored, (std::vector<Cell>{{kWorking, true}, {kDayOffException, false}}));
    EXPECT_EQ(CCalendarDlg::RememberedDate(), TDate(TDate::FromYMD(1, 2026, 1)));
}

TEST_F(CalendarDlgTest, Texts_weekdaysFromTheNormalisedFirstDayAndTheHolidayListLast)
{
    // Workshop shifts: holidays follow the holiday list (06:00 to 12:00); -1 stands for Sunday.
    SetSetting(L"ViewFirstDayOfWeek", L"-1");
    wqv2_data::CCalendar* shifts = Calendar(L"Workshop shifts");
    ASSERT_NE(shifts, nullptr);
    std::vector<std::wstring> captions, times;
    std::wstring holidayTimes;
    Answer<CCalendarDlg>([&](CCalendarDlg& dialog) {
        for (int i = 0; i < 7; ++i) {
            captions.push_back(Text(dialog.Hwnd(), IDC_CALENDAR_WEEKDAY_FIRST + i));
            times.push_back(Text(dialog.Hwnd(), IDC_CALENDAR_TIMES_FIRST + i));
        }
        times.push_back(Text(dialog.Hwnd(), IDC_CALENDAR_TIMES_HOLIDAYS));
        Select(dialog, 1, 1);
        holidayTimes = Text(dialog.Hwnd(), IDC_CALENDAR_DAY_TIMES);
        return IDCANCEL;
    });
    EXPECT_TRUE(ShowCalendarDlg(shifts));

    const std::wstring captionFormat = fw::LoadResString(IDS_CALENDAR_WEEKDAY_CAPTION);
    ASSERT_EQ(captions.size(), 7u);
    EXPECT_EQ(captions[0], msgfmt::Format(captionFormat, {GetDayName(6)}));
    EXPECT_EQ(captions[1], msgfmt::Format(captionFormat, {GetDayName(0)}));
    WorkingTimePeriods lists[8];
    for (int list = 0; list < 8; ++list)
        SetWorkingTimePeriods(lists[list], shifts->WeekdayWorkingTimes[list], shifts->WeekdayWorkingTimeCounts[list]);
    EXPECT_EQ(times[0], FormatWorkingTimes(lists[6]));
    EXPECT_EQ(times[6], FormatWorkingTimes(lists[5]));
    EXPECT_EQ(times[7], FormatWorkingTimes(lists[7]));
    EXPECT_EQ(holidayTimes, FormatWorkingTimes(lists[7]));
}

TEST_F(CalendarDlgTest, Open_fromTheListOwnedByItAndAtTheRememberedDatePastUnreadableInitText)
{
    SetSetting(L"DlgCalendarDateRemember", L"1");
    HWND listWindow = nullptr;
    HWND owner = nullptr;
    TDate shown(TDate::kEmpty);
    Answer<CCalendarsDlg>([&](CCalendarsDlg& dialog) {
        listWindow = dialog.Hwnd();
        Press(dialog.Hwnd(), IDC_CALENDARS_LIST, LBN_DBLCLK);
        return IDCANCEL;
    });
    Answer<CCalendarDlg>([&](CCalendarDlg& dialog) {
        owner = GetWindow(dialog.Hwnd(), GW_OWNER);
        shown = TDate(static_cast<uint32_t>(SendMessageW(dialog.Item(IDC_CALENDAR_MONTH), RKCC2M_CALENDAR_GETDATE, 0, 0)));
        Select(dialog, 3, 14);
        return IDCANCEL;
    });
    ShowCalendarsDlg();
    EXPECT_NE(listWindow, nullptr);
    EXPECT_EQ(owner, listWindow);
    EXPECT_EQ(shown, TDate());

    // Text that is no date does not stand for today: the remembered day is used.
    SetSetting(L"DlgCalendarDateInit", L"not a date");
    EXPECT_TRUE(ShowCalendarDlg(Calendar(L"Part time")));
    EXPECT_EQ(shown, TDate(TDate::FromYMD(3, 2026, 14)));
    SetSetting(L"DlgCalendarDateInit", GetDateText(TDate(TDate::FromYMD(7, 2026, 4))));
    EXPECT_EQ(QV2A_Command(L"ShowCalendar", Calendar(L"Part time")), 1);
    EXPECT_EQ(shown, TDate(TDate::FromYMD(7, 2026, 4)));
}

// Neither list dialog has a default button, so Enter is IDOK: it opens the selected calendar or
// filter as a double click does and the list stays; with nothing selected it does nothing;
// Escape closes the list.
TEST_F(CalendarDlgTest, Lists_enterOpensTheSelectedCalendarOrFilterAndEscapeCloses)
{
    AddFilter(L"Alpha");
    struct Keys {
        std::wstring selected;       // the list's selected text
        bool openAfterEnter = false; // the list dialog after Enter
        bool openAfterEmptyEnter = false;
        bool endedByEscape = false;
    };
    Keys calendars, filters;
    std::vector<std::wstring> opened; // the names of the opened calendars and filters
    const auto useKeys = [](fw::CDialog& dialog, int listId, Keys& keys) -> INT_PTR {
        HWND list = dialog.Item(listId);
        SetFocus(list);
        const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
        if (index >= 0) {
            wchar_t text[256] = {};
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
            keys.selected = text;
        }
        qvtest::DialogKey(dialog.Hwnd(), VK_RETURN);
        keys.openAfterEnter = !dialog.HasEnded();
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SetFocus(list); // back from the dialog that Enter opened
        qvtest::DialogKey(dialog.Hwnd(), VK_RETURN);
        keys.openAfterEmptyEnter = !dialog.HasEnded();
        qvtest::DialogKey(dialog.Hwnd(), VK_ESCAPE);
        keys.endedByEscape = dialog.HasEnded();
        return 0; // ended
    };
    const auto open = [&](fw::CDialog& dialog, int nameId) -> INT_PTR {
        opened.push_back(Text(dialog.Hwnd(), nameId));
        return IDCANCEL;
    };
    Answer<CCalendarsDlg>([&](CCalendarsDlg& dialog) { return useKeys(dialog, IDC_CALENDARS_LIST, calendars); });
    Answer<CCalendarDlg>([&](CCalendarDlg& dialog) { return open(dialog, IDC_CALENDAR_NAME); });
    Answer<CFiltersDlg>([&](CFiltersDlg& dialog) { return useKeys(dialog, IDC_FILTERS_LIST, filters); });
    Answer<CFilterDlg>([&](CFilterDlg& dialog) { return open(dialog, IDC_FILTER_NAME); });
    ShowCalendarsDlg();
    ShowFiltersDlg();

    for (const Keys* keys : {&calendars, &filters}) {
        SCOPED_TRACE(keys == &calendars ? "calendars" : "filters");
        EXPECT_FALSE(keys->selected.empty());
        EXPECT_TRUE(keys->openAfterEnter);
        EXPECT_TRUE(keys->openAfterEmptyEnter);
        EXPECT_TRUE(keys->endedByEscape);
    }
    EXPECT_EQ(opened, (std::vector<std::wstring>{calendars.selected, filters.selected}));
}

TEST_F(CalendarDlgTest, HostCommand_answersWhetherTheDialogWasShown)
{
    int runs = 0;
    Answer<CCalendarDlg>([&](CCalendarDlg&) {
        ++runs;
        return IDCANCEL;
    });
    EXPECT_EQ(QV2A_Command(L"ShowCalendar", Calendar(L"Part time")), 1);
    EXPECT_EQ(QV2A_Command(L"ShowCalendar", nullptr), 0);
    // Without its template the dialog cannot be made: nothing was shown.
    HINSTANCE resources = fw::ResourceModule();
    fw::SetResourceModule(nullptr);
    EXPECT_EQ(QV2A_Command(L"ShowCalendar", Calendar(L"Part time")), 0);
    fw::SetResourceModule(resources);
    EXPECT_EQ(runs, 1);
}

TEST_F(CalendarDlgTest, DayColours_aFailureWhileTheMonthPaintsStaysInTheDialog)
{
    wqv2_data::CCalendar* office = Calendar(L"Office hours");
    ASSERT_NE(office, nullptr);
    CFailingExceptions exceptions(*office);
    bool paintReturned = false;
    Answer<CCalendarDlg>([&](CCalendarDlg& dialog) {
        // Ends the dialog also when the paint never comes back here.
        PostMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        exceptions.failing = true;
        ShowWindow(dialog.Hwnd(), SW_SHOWNOACTIVATE);
        RedrawWindow(dialog.Item(IDC_CALENDAR_MONTH), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        paintReturned = true;
        return 0;
    });
    EXPECT_TRUE(ShowCalendarDlg(office));
    EXPECT_GT(exceptions.thrown, 1); // every day was asked for, not only the first
    EXPECT_TRUE(paintReturned);
}

TEST_F(CalendarDlgTest, FitDayText_cutsTheHolidayNameOrKeepsTheWholeText)
{
    HDC dc = CreateCompatibleDC(nullptr);
    const std::wstring format = L"%s %s %s";
    SIZE size{};
    GetTextExtentPoint32W(dc, L"Mo 1.1. Hol...", 14, &size);
    EXPECT_EQ(CCalendarDlg::FitDayText(dc, size.cx, format, L"Mo", L"1.1.", L"Holiday"), L"Mo 1.1. Hol...");
    EXPECT_EQ(CCalendarDlg::FitDayText(dc, 1, format, L"Mo", L"1.1.", L"Holiday"), L"Mo 1.1. Holiday");
    EXPECT_EQ(CCalendarDlg::FitDayText(dc, 10000, format, L"Mo", L"1.1.", L"Holiday"), L"Mo 1.1. Holiday");
    DeleteDC(dc);
}

} // namespace
