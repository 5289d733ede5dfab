#include "FrameDialogs.h"

#include "CoreFixture.h"
#include "HostApi.h"
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
    AnswerDialogs([](CPendingDialog& dialog) {
        auto& timeBar = dynamic_cast<CTimeBarDlg&>(dialog);
        EXPECT_EQ(timeBar.timeStart, 60);
        EXPECT_EQ(timeBar.scaleUnit, 2);
        EXPECT_EQ(timeBar.scaleCount, 5);
        timeBar.timeStart = 8 * 60;
        timeBar.timeEnd = 8 * 60;
        timeBar.visibleWeekdays[6] = false;
        timeBar.dateEnd = TDate::FromYMD(2, 2026, 28);
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
    AnswerDialogs([](CPendingDialog& dialog) {
        dynamic_cast<CTimeBarDlg&>(dialog).timeStart = 600;
        return IDOK;
    });
    ShowTimeBarDlg();
    EXPECT_EQ(data.settings.TimeStart, 0);
    EXPECT_EQ(data.commits, 0);
    EXPECT_EQ(data.rollbacks, 1);
    // Cancel begins nothing.
    AnswerDialogs([](CPendingDialog&) { return IDCANCEL; });
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
    AnswerDialogs([](CPendingDialog& dialog) {
        auto& freeze = dynamic_cast<CFreezeDlg&>(dialog);
        EXPECT_EQ(freeze.count, 0);
        freeze.count = 3;
        return IDOK;
    });
    ToggleFreezeResources();
    EXPECT_EQ(dialogs, (std::vector<std::wstring>{L"CFreezeDlg"}));
    EXPECT_EQ(data.settings.FreezeResources, 3);
}

TEST_F(FrameDialogsTest, FreezeResource_hostCommandRunsTheDialogWithItsValue)
{
    int asked = -1;
    AnswerDialogs([&](CPendingDialog& dialog) {
        asked = dynamic_cast<CFreezeDlg&>(dialog).count;
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
    AnswerDialogs([](CPendingDialog& dialog) {
        dynamic_cast<CDateSelectorDlg&>(dialog).day = TDate::FromYMD(3, 2026, 1);
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
    AnswerDialogs([](CPendingDialog& dialog) {
        dynamic_cast<CDateSelectorDlg&>(dialog).day = TDate::FromYMD(1, 2026, 31);
        return IDOK;
    });
    ShowGotoDateDlg();
    EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(FrameDialogsTest, ScheduleFormat_writesBackInsideATransaction)
{
    data.settings.WeekdayColors[2] = 0x123456;
    AnswerDialogs([](CPendingDialog& dialog) {
        auto& format = dynamic_cast<CScheduleFormatDlg&>(dialog);
        EXPECT_EQ(format.weekdayColors[2], 0x123456u);
        format.holidayColor = 0x0000FF;
        format.gridlinesVertical = false;
        format.taskTextOrientation = 4;
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
    AnswerDialogs([](CPendingDialog& dialog) {
        auto& setting = dynamic_cast<CSettingDlg&>(dialog);
        setting.key = L"ViewZoom";
        setting.value = L"150";
        return IDOK;
    });
    ShowSettingDlg();
    EXPECT_EQ(GetSetting(L"ViewZoom"), L"150");
    EXPECT_EQ(qvtest::LogLinesOf(L"Watcher:OnSettingsChanged"),
              (std::vector<std::wstring>{L"Watcher:OnSettingsChanged 0"}));
}

TEST_F(FrameDialogsTest, PendingDialog_withoutARunnerSaysSoAndCancels)
{
    CHolidaysDlg dialog;
    EXPECT_EQ(dialog.RunModal(nullptr), IDCANCEL);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"This dialog is not available in this version yet.");
}

} // namespace
