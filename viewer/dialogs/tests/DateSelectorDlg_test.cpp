#include "DateSelectorDlg.h"

#include "CalendarsDlg.h"
#include "DateTimeEnv.h"
#include "ProjectDialogFixture.h"
#include "QV2ResVIds.h"

namespace {

datetime::LocalClock FixedNow()
{
    return {2026, 6, 10, 9, 30};
}

class DateSelectorDlgTest : public dlgtest::ProjectDialogTest {
protected:
    void SetUp() override
    {
        ProjectDialogTest::SetUp();
        datetime::SetClock(&FixedNow);
    }
    void TearDown() override
    {
        datetime::SetClock(nullptr);
        ProjectDialogTest::TearDown();
    }

    // The calendar's notification `code` after it selected `day`.
    void Notify(WORD code, uint32_t day)
    {
        Answer<CDateSelectorDlg>([code, day](CDateSelectorDlg& dialog) {
            HWND calendar = dialog.Item(IDC_DATE_SELECTOR_CALENDAR);
            SendMessageW(calendar, RKCC2M_CALENDAR_SETDATE, 0, static_cast<LPARAM>(day));
            Press(dialog.Hwnd(), IDC_DATE_SELECTOR_CALENDAR, code);
            return 0;
        });
    }
};

TEST_F(DateSelectorDlgTest, Keys_dayMonthYearTodayAndCancel)
{
    const uint32_t may17 = TDate::FromYMD(5, 2026, 17);
    CDateSelectorDlg dialog(TDate(0u));
    Notify(RKCC2N_CAL_PICKENTER, may17);
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    EXPECT_EQ(static_cast<uint32_t>(dialog.day), may17);
    EXPECT_FALSE(dialog.periodChosen);

    dialog.allowPeriod = true;
    Notify(RKCC2N_CAL_TODAY, may17);
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    EXPECT_EQ(static_cast<uint32_t>(dialog.day), TDate::FromYMD(6, 2026, 10));

    Notify(RKCC2N_CAL_CANCEL, may17);
    EXPECT_EQ(dialog.RunModal(nullptr), IDCANCEL);
}

TEST_F(DateSelectorDlgTest, MonthAndYearKeys_onlyWhenPeriodsAreAllowed)
{
    const uint32_t may17 = TDate::FromYMD(5, 2026, 17);
    CDateSelectorDlg dialog{TDate(may17)};
    // Arrow keys move the day; F6 and F7 then ask for a month and a year.
    auto keys = [](HWND calendar, std::initializer_list<WPARAM> pressed) {
        for (WPARAM key : pressed)
            SendMessageW(calendar, WM_KEYDOWN, key, 0);
    };
    bool endedOnPeriodKeys = true;
    Answer<CDateSelectorDlg>([&](CDateSelectorDlg& open) {
        HWND calendar = open.Item(IDC_DATE_SELECTOR_CALENDAR);
        keys(calendar, {VK_RIGHT, VK_DOWN, VK_F6, VK_F7});
        endedOnPeriodKeys = open.HasEnded();
        keys(calendar, {VK_RETURN});
        return 0;
    });
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    EXPECT_FALSE(endedOnPeriodKeys);
    EXPECT_EQ(static_cast<uint32_t>(dialog.day), TDate::FromYMD(5, 2026, 25));
    EXPECT_FALSE(dialog.periodChosen);

    // Allowed, F6 takes the month of the moved day.
    dialog.allowPeriod = true;
    dialog.day = TDate(may17);
    Answer<CDateSelectorDlg>([&](CDateSelectorDlg& open) {
        keys(open.Item(IDC_DATE_SELECTOR_CALENDAR), {VK_NEXT, VK_F6});
        return 0;
    });
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    EXPECT_TRUE(dialog.periodChosen);
    EXPECT_EQ(static_cast<uint32_t>(dialog.periodStart), TDate::FromYMD(6, 2026, 1));
    EXPECT_EQ(static_cast<uint32_t>(dialog.periodEnd), TDate::FromYMD(6, 2026, 30));
}

TEST_F(DateSelectorDlgTest, Init_aZeroDateOpensOnTodayAndTheDialogFitsTheCalendar)
{
    CDateSelectorDlg dialog(TDate(0u));
    uint32_t shown = 0;
    RECT client{};
    RECT calendar{};
    Answer<CDateSelectorDlg>([&](CDateSelectorDlg& open) {
        shown = static_cast<uint32_t>(SendMessageW(open.Item(IDC_DATE_SELECTOR_CALENDAR), RKCC2M_CALENDAR_GETDATE, 0, 0));
        GetClientRect(open.Hwnd(), &client);
        GetClientRect(open.Item(IDC_DATE_SELECTOR_CALENDAR), &calendar);
        return IDOK;
    });
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    EXPECT_EQ(shown, TDate::FromYMD(6, 2026, 10));
    EXPECT_EQ(client.right, calendar.right);
    EXPECT_EQ(client.bottom, calendar.bottom);
}

TEST_F(DateSelectorDlgTest, KeepInside_movesAWindowPartlyOutsideIntoTheWorkArea)
{
    const RECT area{0, 0, 1000, 700};
    RECT rect{950, -20, 1150, 180};
    CDateSelectorDlg::KeepInside(rect, area);
    EXPECT_EQ(rect.left, 800);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 1000);
    EXPECT_EQ(rect.bottom, 200);
    RECT low{-30, 650, 170, 850};
    CDateSelectorDlg::KeepInside(low, area);
    EXPECT_EQ(low.left, 0);
    EXPECT_EQ(low.top, 500);
}

TEST_F(DateSelectorDlgTest, Calendars_listedByPositionTheOpenButtonNeedsASelection)
{
    for (auto [name, position] : {std::pair{L"Late", 2}, std::pair{L"Early", 1}}) {
        ASSERT_EQ(root->BeginTransaction(L""), 0);
        wqv2_data::CCalendar* calendar = root->Calendars->CreateNew();
        calendar->SetName(name);
        calendar->Position = position;
        ASSERT_EQ(root->Calendars->Add(calendar), 0);
        ASSERT_EQ(root->Commit(), 0);
    }
    std::wstring first;
    bool enabled = false;
    bool enabledWithout = true;
    Answer<CCalendarsDlg>([&](CCalendarsDlg& dialog) {
        HWND list = dialog.Item(IDC_CALENDARS_LIST);
        wchar_t text[32] = {};
        SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
        first = text;
        enabled = IsWindowEnabled(dialog.Item(IDC_CALENDARS_OPEN)) != FALSE;
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        Press(dialog.Hwnd(), IDC_CALENDARS_LIST, LBN_SELCHANGE);
        enabledWithout = IsWindowEnabled(dialog.Item(IDC_CALENDARS_OPEN)) != FALSE;
        Press(dialog.Hwnd(), IDC_CALENDARS_OPEN); // nothing selected: nothing opens
        return IDCANCEL;
    });
    CCalendarsDlg dialog;
    dialog.RunModal(nullptr);
    EXPECT_EQ(first, L"Early");
    EXPECT_TRUE(enabled);
    EXPECT_FALSE(enabledWithout);
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
