#include "FrameDialogs.h"

#include "CoreFixture.h"
#include "DateSelectorDlg.h"
#include "FreezeDlg.h"
#include "HostApi.h"
#include "QV2ResVIds.h"
#include "RKComControls2.h"
#include "ScheduleFormatDlg.h"
#include "SettingDlg.h"
#include "TimeBarDlg.h"
#include "Settings.h"

namespace {

class FrameDialogsTest : public qvtest::CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        data.settings.DateStart = TDate::FromYMD(1, 2026, 1);
        data.settings.DateEnd = TDate::FromYMD(1, 2026, 31);
    }
};

TEST_F(FrameDialogsTest, TimeBar_equalTimesBecomeTheWholeDay)
{
    data.settings.TimeStart = 1440 + 60; // held beyond a day: shown reduced
    data.settings.Scale[0] = 2;
    data.settings.Scale[1] = 5;
    AnswerModal<CTimeBarDlg>(L"CTimeBarDlg", [](CTimeBarDlg& timeBar) {
        EXPECT_EQ(timeBar.timeStart, 60);
        EXPECT_EQ(timeBar.scaleUnit, 2);
        EXPECT_EQ(timeBar.scaleCount, 5);
        int eight = 8 * 60;
        SendMessageW(timeBar.Item(IDC_TIMEBAR_TIMES), RKCC2M_TIMEPERIOD_SETTIME, 1, reinterpret_cast<LPARAM>(&eight));
        SendMessageW(timeBar.Item(IDC_TIMEBAR_TIMES), RKCC2M_TIMEPERIOD_SETTIME, 0, reinterpret_cast<LPARAM>(&eight));
        SendMessageW(timeBar.Item(IDC_TIMEBAR_WEEKDAYS), RKCC2M_CHECKGROUP_SETCHECK, 6, 0);
        int end = static_cast<int>(TDate::FromYMD(2, 2026, 28));
        SendMessageW(timeBar.Item(IDC_TIMEBAR_DATES), RKCC2M_DATEPERIOD_SETDATE, 1, reinterpret_cast<LPARAM>(&end));
        return IDOK;
    });
    ShowTimeBarDlg();
    EXPECT_EQ(data.settings.TimeStart, 0);
    EXPECT_EQ(data.settings.TimeEnd, 0);
    EXPECT_FALSE(data.settings.VisibleWeekdays[6]);
    EXPECT_EQ(static_cast<uint32_t>(data.settings.DateEnd), TDate::FromYMD(2, 2026, 28));
    EXPECT_EQ(data.transactionNames, (std::vector<std::wstring>{L""}));
    EXPECT_EQ(data.settings.marks, 1);
    EXPECT_EQ(data.commits, 1);
}

TEST_F(FrameDialogsTest, TimeBar_aRefusedMarkLeavesTheSettings)
{
    data.settings.markResult = wqv2_data::kErrTransaction;
    AnswerModal<CTimeBarDlg>(L"CTimeBarDlg", [](CTimeBarDlg& timeBar) {
        int ten = 600;
        SendMessageW(timeBar.Item(IDC_TIMEBAR_TIMES), RKCC2M_TIMEPERIOD_SETTIME, 0, reinterpret_cast<LPARAM>(&ten));
        return IDOK;
    });
    ShowTimeBarDlg();
    EXPECT_EQ(data.settings.TimeStart, 0);
    EXPECT_EQ(data.commits, 0);
    EXPECT_EQ(data.rollbacks, 1);
    // Cancel begins nothing.
    AnswerModal<CTimeBarDlg>(L"CTimeBarDlg", [](CTimeBarDlg&) { return IDCANCEL; });
    ShowTimeBarDlg();
    EXPECT_EQ(data.begins, 1);
}

TEST_F(FrameDialogsTest, Freeze_toggleNegatesAndZeroAsksForACount)
{
    data.settings.FreezeResources = -5;
    ToggleFreezeResources();
    EXPECT_EQ(data.settings.FreezeResources, 5);
    EXPECT_TRUE(dialogs.empty());
    UnfreezeResources();
    EXPECT_EQ(data.settings.FreezeResources, -5);
    UnfreezeResources(); // not positive: nothing to switch off
    EXPECT_EQ(data.settings.FreezeResources, -5);

    data.settings.FreezeResources = 0;
    AnswerModal<CFreezeDlg>(L"CFreezeDlg", [](CFreezeDlg& freeze) {
        EXPECT_EQ(freeze.count, 0);
        int three = 3;
        SendMessageW(freeze.Item(IDC_FREEZE_COUNT), RKCC2M_LONGEDIT_SETVALUE, 0, reinterpret_cast<LPARAM>(&three));
        return IDOK;
    });
    ToggleFreezeResources();
    EXPECT_EQ(dialogs, (std::vector<std::wstring>{L"CFreezeDlg"}));
    EXPECT_EQ(data.settings.FreezeResources, 3);
}

TEST_F(FrameDialogsTest, FreezeResource_hostCommandRunsTheDialogWithItsValue)
{
    int asked = -1;
    AnswerModal<CFreezeDlg>(L"CFreezeDlg", [&](CFreezeDlg& freeze) {
        asked = freeze.count;
        return IDCANCEL;
    });
    int count = 4;
    EXPECT_EQ(QV2A_Command(L"FreezeResource", &count), 1);
    EXPECT_EQ(asked, 4);
    EXPECT_EQ(QV2A_Command(L"FreezeResource", nullptr), 1);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(data.begins, 0);
}

TEST_F(FrameDialogsTest, GotoDate_outsideTheProjectPeriodWarns)
{
    AnswerModal<CDateSelectorDlg>(L"CDateSelectorDlg", [](CDateSelectorDlg& selector) {
        SendMessageW(selector.Item(IDC_DATE_SELECTOR_CALENDAR), RKCC2M_CALENDAR_SETDATE, 0, TDate::FromYMD(3, 2026, 1));
        return IDOK;
    });
    ShowGotoDateDlg();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"The date lies outside the view period of the project.");
    EXPECT_EQ(messages.messages[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));

    SetBoolSetting(L"DlgGotoDateWarningOutOfRange", false);
    ShowGotoDateDlg();
    EXPECT_EQ(messages.messages.size(), 1u);
    SetBoolSetting(L"DlgGotoDateWarningOutOfRange", true);
    AnswerModal<CDateSelectorDlg>(L"CDateSelectorDlg", [](CDateSelectorDlg& selector) {
        SendMessageW(selector.Item(IDC_DATE_SELECTOR_CALENDAR), RKCC2M_CALENDAR_SETDATE, 0, TDate::FromYMD(1, 2026, 31));
        return IDOK;
    });
    ShowGotoDateDlg();
    EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(FrameDialogsTest, ScheduleFormat_writesBackInsideATransaction)
{
    data.settings.WeekdayColors[2] = 0x123456;
    AnswerModal<CScheduleFormatDlg>(L"CScheduleFormatDlg", [](CScheduleFormatDlg& format) {
        EXPECT_EQ(format.weekdayColors[2], 0x123456u);
        SendMessageW(format.Item(IDC_FORMAT_HOLIDAY_COLOR), RKCC2M_COLORPICKER_SETCOLOR, 0, 0x0000FF);
        CheckDlgButton(format.Hwnd(), IDC_FORMAT_GRID_VERTICAL, BST_UNCHECKED);
        SendMessageW(format.Item(IDC_FORMAT_TEXT_ORIENTATION), CB_SETCURSEL, 4, 0);
        return IDOK;
    });
    const wqv2_data::Color monthsOdd = data.settings.MonthsOdd;
    ShowScheduleFormatDlg();
    EXPECT_EQ(data.settings.Holidays, 0x0000FFu);
    EXPECT_FALSE(data.settings.GridlinesVertical);
    EXPECT_EQ(data.settings.TaskTextOrientation, 4);
    EXPECT_EQ(data.settings.MonthsOdd, monthsOdd);
    EXPECT_EQ(data.commits, 1);
}

TEST_F(FrameDialogsTest, Calendar_nullShowsNothing)
{
    EXPECT_FALSE(ShowCalendarDlg(nullptr));
    EXPECT_EQ(QV2A_Command(L"ShowCalendar", nullptr), 0);
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(FrameDialogsTest, Setting_storedAndThePluginsTold)
{
    AnswerModal<CSettingDlg>(L"CSettingDlg", [](CSettingDlg& setting) {
        SetDlgItemTextW(setting.Hwnd(), IDC_SETTING_NAME, L"ViewZoom");
        SetDlgItemTextW(setting.Hwnd(), IDC_SETTING_VALUE, L"150");
        return IDOK;
    });
    ShowSettingDlg();
    EXPECT_EQ(GetSetting(L"ViewZoom"), L"150");
    EXPECT_EQ(qvtest::LogLinesOf(L"Watcher:OnSettingsChanged"),
              (std::vector<std::wstring>{L"Watcher:OnSettingsChanged 0"}));
}

TEST_F(FrameDialogsTest, Setting_withoutANameNothingIsStoredOrTold)
{
    AnswerModal<CSettingDlg>(L"CSettingDlg", [](CSettingDlg& setting) {
        SetDlgItemTextW(setting.Hwnd(), IDC_SETTING_VALUE, L"150");
        return IDOK;
    });
    ShowSettingDlg();
    EXPECT_EQ(GetSetting(L""), L"");
    EXPECT_TRUE(qvtest::LogLinesOf(L"Watcher:OnSettingsChanged").empty());
}

} // namespace
