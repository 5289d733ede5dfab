#include "TimeBarDlg.h"

#include "DateTimeEnv.h"
#include "FrameDialogs.h"
#include "ProjectDialogFixture.h"
#include "QV2ResVIds.h"
#include "ScalePresets.h"
#include "ScheduleFormatDlg.h"
#include "Settings.h"
#include "WorkingTimeText.h"

#include <cstdlib>
#include <vector>

namespace {

class TimeBarDlgTest : public dlgtest::ProjectDialogTest {
protected:
    void SetUp() override
    {
        ProjectDialogTest::SetUp();
        m_previousLocale = datetime::SetLocale(0x0409);
        SetSetting(L"ViewFirstDayOfWeek", L"");
        CScheduleFormatDlg::ForgetWeekday();
        settings = root->ProjectSettings;
        // The project settings outlive closing the project: each test starts from days, every
        // weekday shown.
        ChangeProjectSettings([](wqv2_data::CProjectSettings& s) {
            s.Scale[0] = 3;
            s.Scale[1] = 1;
            for (bool& visible : s.VisibleWeekdays)
                visible = true;
        });
        base = Commits();
    }
    void TearDown() override
    {
        datetime::SetLocale(m_previousLocale);
        ProjectDialogTest::TearDown();
    }

    static std::wstring ItemText(HWND group, int index)
    {
        wchar_t text[32] = {};
        SendMessageW(group, RKCC2M_CHECKGROUP_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return text;
    }

    wqv2_data::CProjectSettings* settings = nullptr;
    int base = 0; // commits of SetUp

private:
    unsigned long m_previousLocale = 0;
};

TEST_F(TimeBarDlgTest, Init_aScaleOutsideThePresetsSelectsDays)
{
    CTimeBarDlg dialog;
    dialog.scaleUnit = 2;
    dialog.scaleCount = 5;
    int selected = -1;
    Answer<CTimeBarDlg>([&](CTimeBarDlg& shown) {
        selected = static_cast<int>(SendMessageW(shown.Item(IDC_TIMEBAR_SCALE), CB_GETCURSEL, 0, 0));
        EXPECT_EQ(SendMessageW(shown.Item(IDC_TIMEBAR_SCALE), CB_GETCOUNT, 0, 0), 16);
        return IDOK;
    });
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    EXPECT_EQ(selected, 13);
    EXPECT_EQ(dialog.scaleUnit, 3);
    EXPECT_EQ(dialog.scaleCount, 1);

    dialog.scaleUnit = 2;
    dialog.scaleCount = 12;
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    EXPECT_EQ(selected, 12);
}

TEST_F(TimeBarDlgTest, Weekdays_followTheFirstDayOfTheWeek)
{
    SetSetting(L"ViewFirstDayOfWeek", L"6");
    CTimeBarDlg dialog;
    std::wstring first;
    Answer<CTimeBarDlg>([&](CTimeBarDlg& shown) {
        first = ItemText(shown.Item(IDC_TIMEBAR_WEEKDAYS), 0);
        SendMessageW(shown.Item(IDC_TIMEBAR_WEEKDAYS), RKCC2M_CHECKGROUP_SETCHECK, 0, 0);
        return IDOK;
    });
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    EXPECT_EQ(first, L"Su");
    EXPECT_FALSE(dialog.visibleWeekdays[6]);
    EXPECT_TRUE(dialog.visibleWeekdays[0]);
}

// The weekday captions, in the user's locale, fit the upper half of the check group where it
// draws them, measured with the dialog's font. The suite runs this test once more under a
// Japanese locale (QV_TEST_LCID tells it so), whose dialog font Wine chooses for that locale.
TEST_F(TimeBarDlgTest, WeekdayCaptions_fitTheirAreaInTheLocalesDialogFont)
{
    if (const char* expected = std::getenv("QV_TEST_LCID")) {
        ASSERT_EQ(GetUserDefaultLCID(), std::strtoul(expected, nullptr, 16)) << "not run under the locale asked for";
    }
    datetime::SetLocale(0); // the user's own day names
    std::vector<std::wstring> captions;
    std::vector<SIZE> sizes;
    SIZE area{};
    Answer<CTimeBarDlg>([&](CTimeBarDlg& shown) {
        HWND group = shown.Item(IDC_TIMEBAR_WEEKDAYS);
        RECT client{};
        GetClientRect(group, &client);
        const int count = static_cast<int>(SendMessageW(group, RKCC2M_CHECKGROUP_GETCOUNT, 0, 0));
        // A caption's part of the group: its column, over the upper half.
        area = {count ? client.right / count : 0, client.bottom / 2};
        HDC dc = GetDC(group);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(shown.Hwnd(), WM_GETFONT, 0, 0)));
        for (int i = 0; i < count; ++i) {
            captions.push_back(ItemText(group, i));
            SIZE size{};
            GetTextExtentPoint32W(dc, captions.back().c_str(), static_cast<int>(captions.back().size()), &size);
            sizes.push_back(size);
        }
        SelectObject(dc, previous);
        ReleaseDC(group, dc);
        return IDCANCEL;
    });
    CTimeBarDlg dialog;
    dialog.RunModal(nullptr);
    ASSERT_EQ(captions.size(), 7u);
    EXPECT_EQ(captions[0], GetLocaleDayName(0, true).substr(0, 2));
    for (size_t i = 0; i < sizes.size(); ++i) {
        EXPECT_GT(sizes[i].cy, 0) << i;
        EXPECT_LE(sizes[i].cy, area.cy) << "caption " << i << " is higher than its area";
        EXPECT_LE(sizes[i].cx, area.cx) << "caption " << i << " is wider than its area";
    }
}

TEST_F(TimeBarDlgTest, Periods_fromAndToRowsOfBothPeriodsEachHaveTheirOwnRoom)
{
    CTimeBarDlg dialog;
    std::vector<RECT> rows;
    Answer<CTimeBarDlg>([&](CTimeBarDlg& shown) {
        for (int id : {IDC_TIMEBAR_DATES, IDC_TIMEBAR_TIMES}) {
            HWND period = shown.Item(id);
            RECT outer{};
            GetWindowRect(period, &outer);
            // The From and To edits of a period control (its children 100 and 101).
            for (int side : {100, 101}) {
                RECT row{};
                GetWindowRect(GetDlgItem(period, side), &row);
                RECT inside{};
                IntersectRect(&inside, &row, &outer);
                EXPECT_FALSE(IsRectEmpty(&row)) << id << " " << side;
                EXPECT_TRUE(EqualRect(&inside, &row)) << id << " " << side << ": cut off by the control's edge";
                rows.push_back(row);
            }
        }
        return IDCANCEL;
    });
    dialog.RunModal(nullptr);
    ASSERT_EQ(rows.size(), 4u);
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t j = i + 1; j < rows.size(); ++j) {
            RECT common{};
            EXPECT_FALSE(IntersectRect(&common, &rows[i], &rows[j])) << "rows " << i << " and " << j << " overlap";
        }
    }
}

TEST_F(TimeBarDlgTest, Ok_withoutAnyWeekdayIsRefused)
{
    CTimeBarDlg dialog;
    Answer<CTimeBarDlg>([](CTimeBarDlg& shown) {
        for (int i = 0; i < 7; ++i)
            SendMessageW(shown.Item(IDC_TIMEBAR_WEEKDAYS), RKCC2M_CHECKGROUP_SETCHECK, static_cast<WPARAM>(i), 0);
        return IDOK;
    });
    EXPECT_EQ(dialog.RunModal(nullptr), IDCANCEL);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"Please choose at least one weekday to show.");
    EXPECT_EQ(messages.messages[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
}

TEST_F(TimeBarDlgTest, Runner_writesTheProjectSettingsInOneCommit)
{
    root->BeginTransaction(L"");
    settings->MarkModified();
    settings->DateStart = TDate::FromYMD(3, 2026, 1);
    settings->DateEnd = TDate::FromYMD(3, 2026, 31);
    settings->TimeStart = 480;
    settings->TimeEnd = 1020;
    root->Commit();
    const int before = Commits();
    Answer<CTimeBarDlg>([](CTimeBarDlg& shown) {
        int time = 1000;
        SendMessageW(shown.Item(IDC_TIMEBAR_TIMES), RKCC2M_TIMEPERIOD_SETTIME, 1, reinterpret_cast<LPARAM>(&time));
        int day = static_cast<int>(TDate::FromYMD(4, 2026, 30));
        SendMessageW(shown.Item(IDC_TIMEBAR_DATES), RKCC2M_DATEPERIOD_SETDATE, 1, reinterpret_cast<LPARAM>(&day));
        SendMessageW(shown.Item(IDC_TIMEBAR_SCALE), CB_SETCURSEL, 6, 0);
        SendMessageW(shown.Item(IDC_TIMEBAR_WEEKDAYS), RKCC2M_CHECKGROUP_SETCHECK, 5, 0);
        return IDOK;
    });
    ShowTimeBarDlg();
    EXPECT_EQ(Commits(), before + 1);
    EXPECT_EQ(static_cast<uint32_t>(settings->DateStart), TDate::FromYMD(3, 2026, 1));
    EXPECT_EQ(static_cast<uint32_t>(settings->DateEnd), TDate::FromYMD(4, 2026, 30));
    EXPECT_EQ(settings->TimeStart, 480);
    EXPECT_EQ(settings->TimeEnd, 1000);
    EXPECT_EQ(settings->Scale[0], 2);
    EXPECT_EQ(settings->Scale[1], 1);
    EXPECT_FALSE(settings->VisibleWeekdays[5]);
    EXPECT_TRUE(settings->VisibleWeekdays[6]);
}

// A date picture whose order is not the locale's ("dd.MM.yyyy" under English (United States)):
// OK without a change keeps the period that the dialog shows.
TEST_F(TimeBarDlgTest, Runner_okUntouchedKeepsTheShownPeriodWhateverTheDatePicture)
{
    using SetFormatFn = int(__cdecl*)(const wchar_t*);
    const auto setDateFormat = reinterpret_cast<SetFormatFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"RKComControls2.dll"), "rkcc2_setdateformat")));
    ASSERT_NE(setDateFormat, nullptr);
    root->BeginTransaction(L"");
    settings->MarkModified();
    settings->DateStart = TDate::FromYMD(3, 2026, 1);
    settings->DateEnd = TDate::FromYMD(3, 2026, 31);
    root->Commit();
    std::wstring start;
    std::wstring end;
    Answer<CTimeBarDlg>([&](CTimeBarDlg& shown) {
        HWND period = shown.Item(IDC_TIMEBAR_DATES);
        start = Text(GetDlgItem(period, 100), 1);
        end = Text(GetDlgItem(period, 101), 1);
        return IDOK;
    });
    setDateFormat(L"dd.MM.yyyy");
    ShowTimeBarDlg();
    setDateFormat(nullptr);
    EXPECT_EQ(start, L"01.03.2026");
    EXPECT_EQ(end, L"31.03.2026");
    EXPECT_EQ(static_cast<uint32_t>(settings->DateStart), TDate::FromYMD(3, 2026, 1));
    EXPECT_EQ(static_cast<uint32_t>(settings->DateEnd), TDate::FromYMD(3, 2026, 31));
}

TEST_F(TimeBarDlgTest, ScaleMenu_presetsReplaceThePlaceholderWithTheCurrentChecked)
{
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 42, L"Before");
    AppendMenuW(menu, MF_STRING, IDM_SCALE_FIRST, L"Scales");
    fw::CCommandState state;
    state.id = IDM_SCALE_FIRST;
    state.menu = menu;
    state.index = 1;
    UpdateScaleMenu(state);
    ASSERT_EQ(GetMenuItemCount(menu), 17);
    EXPECT_EQ(state.nextIndex, 17);
    EXPECT_EQ(GetMenuItemID(menu, 0), 42u);
    EXPECT_EQ(GetMenuItemID(menu, 1), static_cast<UINT>(IDM_SCALE_FIRST));
    EXPECT_EQ(GetMenuItemID(menu, 16), static_cast<UINT>(IDM_SCALE_FIRST + 15));
    // Days (the project's default scale) is checked, nothing else.
    for (int i = 1; i < 17; ++i)
        EXPECT_EQ((GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED) != 0, i == 14) << i;
    wchar_t text[64] = {};
    GetMenuStringW(menu, IDM_SCALE_FIRST + 15, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Months && weeks");
    // Again: still 16 presets, not 32.
    UpdateScaleMenu(state);
    EXPECT_EQ(GetMenuItemCount(menu), 17);
    DestroyMenu(menu);
}

TEST_F(TimeBarDlgTest, ScaleCommand_switchesInOneCommitAndTheCurrentScaleBeginsNothing)
{
    EXPECT_EQ(ApplyScaleCommand(IDM_SCALE_FIRST + 13), 1); // days: the scale already
    EXPECT_EQ(Commits(), base);
    EXPECT_EQ(ApplyScaleCommand(IDM_SCALE_FIRST + 1), 1);
    EXPECT_EQ(Commits(), base + 1);
    EXPECT_EQ(settings->Scale[0], 1);
    EXPECT_EQ(settings->Scale[1], 5);
    EXPECT_EQ(ApplyScaleCommand(IDM_SCALE_FIRST + 20), 1); // past the presets
    EXPECT_EQ(Commits(), base + 1);
    // A transaction that cannot begin leaves the scale.
    ASSERT_EQ(root->BeginTransaction(L""), 0);
    EXPECT_EQ(ApplyScaleCommand(IDM_SCALE_FIRST + 15), 1);
    root->Rollback();
    EXPECT_EQ(settings->Scale[0], 1);
}

TEST_F(TimeBarDlgTest, ScheduleFormat_aWeekdayChangedAndBackShowsItsNewColour)
{
    CScheduleFormatDlg dialog;
    dialog.weekdayColors[0] = 0x111111;
    COLORREF shownAfter = 0;
    int firstPosition = -1;
    Answer<CScheduleFormatDlg>([&](CScheduleFormatDlg& shown) {
        HWND weekday = shown.Item(IDC_FORMAT_WEEKDAY);
        HWND picker = shown.Item(IDC_FORMAT_WEEKDAY_COLOR);
        firstPosition = static_cast<int>(SendMessageW(weekday, CB_GETCURSEL, 0, 0));
        SendMessageW(weekday, CB_SETCURSEL, 0, 0);
        Press(shown.Hwnd(), IDC_FORMAT_WEEKDAY, CBN_SELCHANGE);
        EXPECT_EQ(SendMessageW(picker, RKCC2M_COLORPICKER_GETCOLOR, 0, 0), 0x111111);
        SendMessageW(picker, RKCC2M_COLORPICKER_SETCOLOR, 0, 0x00FF00); // notifies the dialog
        SendMessageW(weekday, CB_SETCURSEL, 3, 0);
        Press(shown.Hwnd(), IDC_FORMAT_WEEKDAY, CBN_SELCHANGE);
        SendMessageW(weekday, CB_SETCURSEL, 0, 0);
        Press(shown.Hwnd(), IDC_FORMAT_WEEKDAY, CBN_SELCHANGE);
        shownAfter = static_cast<COLORREF>(SendMessageW(picker, RKCC2M_COLORPICKER_GETCOLOR, 0, 0));
        return IDOK;
    });
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    EXPECT_EQ(firstPosition, 6); // Sunday
    EXPECT_EQ(shownAfter, 0x00FF00u);
    EXPECT_EQ(dialog.weekdayColors[0], 0x00FF00u);
    EXPECT_EQ(dialog.weekdayColors[3], 0xFFFFFFu);

    // The weekday confirmed with OK is chosen at the next opening.
    CScheduleFormatDlg again;
    Answer<CScheduleFormatDlg>([&](CScheduleFormatDlg& shown) {
        firstPosition = static_cast<int>(SendMessageW(shown.Item(IDC_FORMAT_WEEKDAY), CB_GETCURSEL, 0, 0));
        return IDCANCEL;
    });
    again.RunModal(nullptr);
    EXPECT_EQ(firstPosition, 0);
}

TEST_F(TimeBarDlgTest, ScheduleFormat_runnerWritesTheProjectSettings)
{
    Answer<CScheduleFormatDlg>([](CScheduleFormatDlg& shown) {
        SendMessageW(shown.Item(IDC_FORMAT_WEEKDAY_COLOR), RKCC2M_COLORPICKER_SETCOLOR, 0, 0x0000AA); // Sunday
        SendMessageW(shown.Item(IDC_FORMAT_NONWORKING_COLOR), RKCC2M_COLORPICKER_SETCOLOR, 0, 0x00BB00);
        SendMessageW(shown.Item(IDC_FORMAT_TEXT_ORIENTATION), CB_SETCURSEL, 5, 0);
        CheckDlgButton(shown.Hwnd(), IDC_FORMAT_GRID_VERTICAL, BST_UNCHECKED);
        return IDOK;
    });
    ShowScheduleFormatDlg();
    EXPECT_EQ(Commits(), base + 1);
    EXPECT_EQ(settings->WeekdayColors[6], 0x0000AAu);
    EXPECT_EQ(settings->NonWorkingTime, 0x00BB00u);
    EXPECT_EQ(settings->TaskTextOrientation, 5);
    EXPECT_FALSE(settings->GridlinesVertical);
}

} // namespace
