#include "FilterCommands.h"

#include "CoreFixture.h"
#include "CurrentFilter.h"
#include "DataChange.h"
#include "FilterDlg.h"
#include "QV2ResVIds.h"
#include "Settings.h"

namespace {

using fake::Task;

class FilterCommandsTest : public qvtest::CoreFixture {
protected:
    // The filter dialog answers OK with these texts.
    void AcceptFilterDialog(const std::wstring& name)
    {
        AnswerModal<CFilterDlg>(L"CFilterDlg", [this, name](CFilterDlg& dialog) {
            seenName = ItemText(dialog, IDC_FILTER_NAME);
            SetDlgItemTextW(dialog.Hwnd(), IDC_FILTER_NAME, name.c_str());
            SetDlgItemTextW(dialog.Hwnd(), IDC_FILTER_TASK_NAME, L"paint");
            return IDOK;
        });
    }
    void CancelDialogs()
    {
        AnswerModal<CFilterDlg>(L"CFilterDlg", [](CFilterDlg&) { return IDCANCEL; });
    }
    static std::wstring ItemText(CFilterDlg& dialog, int id)
    {
        wchar_t text[256] = {};
        GetDlgItemTextW(dialog.Hwnd(), id, text, 256);
        return text;
    }
    std::vector<std::wstring> Broadcasts() { return qvtest::LogLinesOf(L"Watcher:On"); }

    std::wstring seenName;
};

TEST_F(FilterCommandsTest, OnOff_withoutAnyFilterAsksForOneAndCancelChangesNothing)
{
    gSelection->push_back({5, Task(1)});
    CancelDialogs();
    OnFilterOnOff();
    EXPECT_EQ(dialogs, (std::vector<std::wstring>{L"CFilterDlg"}));
    EXPECT_FALSE(GetBoolSetting(L"FilterActive", false));
    EXPECT_TRUE(Broadcasts().empty());
    EXPECT_EQ(gSelection->size(), 1u);
    EXPECT_EQ(data.begins, 0);
}

TEST_F(FilterCommandsTest, OnOff_aNewFilterBecomesCurrentAndActive)
{
    gSelection->push_back({5, Task(1)});
    AcceptFilterDialog(L"Painters");
    OnFilterOnOff();
    ASSERT_EQ(data.filters.items.size(), 1u);
    EXPECT_STREQ(data.filters.items[0]->Name, L"Painters");
    EXPECT_STREQ(data.filters.items[0]->TaskName, L"paint");
    EXPECT_EQ(gCurrentFilter, data.filters.items[0].get());
    EXPECT_TRUE(GetBoolSetting(L"FilterActive", false));
    EXPECT_TRUE(gSelection->empty());
    EXPECT_EQ(Broadcasts(), (std::vector<std::wstring>{L"Watcher:OnFilterChanged 1"}));
    EXPECT_EQ(data.transactionNames, (std::vector<std::wstring>{L""}));

    // Off again: no dialog, the same filter stays current.
    qvtest::ClearLog();
    OnFilterOnOff();
    EXPECT_FALSE(GetBoolSetting(L"FilterActive", true));
    EXPECT_EQ(Broadcasts(), (std::vector<std::wstring>{L"Watcher:OnFilterChanged 0"}));
    EXPECT_EQ(dialogs.size(), 1u);
}

TEST_F(FilterCommandsTest, FilterButton_editsTheCurrentFilterAndSwitchesItOn)
{
    wqv2_data::CFilter* team = data.filters.Add(L"Team");
    gCurrentFilter = team;
    AcceptFilterDialog(L"Team 2");
    OnFilterButton();
    EXPECT_EQ(seenName, L"Team");
    EXPECT_STREQ(team->Name, L"Team 2");
    EXPECT_TRUE(GetBoolSetting(L"FilterActive", false));
    EXPECT_EQ(data.commits, 1);

    // Cancel: nothing is broadcast.
    qvtest::ClearLog();
    SetBoolSetting(L"FilterActive", false);
    CancelDialogs();
    OnFilterButton();
    EXPECT_FALSE(GetBoolSetting(L"FilterActive", false));
    EXPECT_TRUE(Broadcasts().empty());
}

TEST_F(FilterCommandsTest, FilterButton_aStaleFilterMakesWayForTheFirstByName)
{
    data.filters.Add(L"beta");
    wqv2_data::CFilter* alpha = data.filters.Add(L"Alpha");
    fake::CFakeFilter gone(L"Gone");
    gCurrentFilter = &gone;
    AcceptFilterDialog(L"Alpha");
    OnFilterButton();
    EXPECT_EQ(gCurrentFilter, alpha);
    EXPECT_EQ(seenName, L"Alpha");
}

TEST_F(FilterCommandsTest, Chosen_theFilterAtThatPlaceByName)
{
    data.filters.Add(L"Gamma");
    wqv2_data::CFilter* alpha = data.filters.Add(L"alpha");
    data.filters.Add(L"Beta");
    gSelection->push_back({5, Task(1)});
    OnFilterChosen(IDM_FILTER_FIRST);
    EXPECT_EQ(gCurrentFilter, alpha);
    EXPECT_TRUE(GetBoolSetting(L"FilterActive", false));
    EXPECT_TRUE(gSelection->empty());
    // Any filter change empties the selection without a selection broadcast.
    EXPECT_EQ(Broadcasts(), (std::vector<std::wstring>{L"Watcher:OnFilterChanged 1"}));
    // Past the end of the list nothing happens.
    qvtest::ClearLog();
    OnFilterChosen(IDM_FILTER_FIRST + 3);
    EXPECT_EQ(gCurrentFilter, alpha);
    EXPECT_TRUE(Broadcasts().empty());
}

TEST_F(FilterCommandsTest, NewFilter_aCopyGetsTheSuffixAndTheSourceValues)
{
    wqv2_data::CFilter* source = data.filters.Add(L"Team");
    source->SetTaskNote(L"urgent");
    AnswerModal<CFilterDlg>(L"CFilterDlg", [this](CFilterDlg& dialog) {
        seenName = ItemText(dialog, IDC_FILTER_NAME);
        EXPECT_EQ(ItemText(dialog, IDC_FILTER_TASK_NOTE), L"urgent");
        return IDOK;
    });
    wqv2_data::CFilter* copy = NewFilterWithDialog(source);
    EXPECT_EQ(seenName, L"Team (copy)");
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy->TaskNote, L"urgent");
    EXPECT_TRUE(data.filters.Contains(copy));
}

TEST_F(FilterCommandsTest, NewFilter_aFailedAddOrCommitGivesNoFilter)
{
    AcceptFilterDialog(L"X");
    data.filters.addResult = wqv2_data::kErrInvalid;
    EXPECT_EQ(NewFilterWithDialog(nullptr), nullptr);
    EXPECT_EQ(data.commits, 0);

    data.filters.addResult = wqv2_data::kOk;
    data.commitResult = wqv2_data::kErrInvalid;
    gSelection->push_back({5, Task(1)});
    OnFilterOnOff();
    EXPECT_EQ(gCurrentFilter, nullptr);
    EXPECT_FALSE(GetBoolSetting(L"FilterActive", false));
    EXPECT_TRUE(data.filters.items.empty());
    EXPECT_TRUE(Broadcasts().empty());
}

TEST_F(FilterCommandsTest, EditFilter_aRefusedMarkOrCommitIsAFailure)
{
    auto* filter = static_cast<fake::CFakeFilter*>(data.filters.Add(L"Team"));
    AcceptFilterDialog(L"Renamed");
    filter->markResult = wqv2_data::kErrTransaction;
    EXPECT_FALSE(EditFilterWithDialog(filter));
    EXPECT_STREQ(filter->Name, L"Team");
    EXPECT_EQ(data.rollbacks, 1);
    filter->markResult = wqv2_data::kOk;
    data.commitResult = wqv2_data::kErrInvalid;
    EXPECT_FALSE(EditFilterWithDialog(filter));
    data.commitResult = wqv2_data::kOk;
    EXPECT_TRUE(EditFilterWithDialog(filter));
    EXPECT_FALSE(EditFilterWithDialog(nullptr));
}

TEST_F(FilterCommandsTest, Delete_theCurrentFilterMakesTheFirstRemainingCurrent)
{
    data.filters.Add(L"Charlie");
    wqv2_data::CFilter* alpha = data.filters.Add(L"Alpha");
    wqv2_data::CFilter* bravo = data.filters.Add(L"bravo");
    gCurrentFilter = alpha;
    SetBoolSetting(L"FilterActive", true);
    messages.answer = IDYES;
    EXPECT_TRUE(DeleteFilterWithConfirm(alpha));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"Delete the filter Alpha?");
    EXPECT_EQ(messages.messages[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2));
    EXPECT_EQ(gCurrentFilter, bravo);
    EXPECT_FALSE(GetBoolSetting(L"FilterActive", true));
    EXPECT_FALSE(data.filters.Contains(alpha));
}

TEST_F(FilterCommandsTest, Delete_withTheViewersChangeListenerTheFirstRemainingStillWins)
{
    // The listener replaces the deleted current filter during the commit; the delete must not
    // replace it a second time (that would skip to the second filter).
    data.AddChangeListener(&OnProjectDataChanged);
    wqv2_data::CFilter* alpha = data.filters.Add(L"Alpha");
    wqv2_data::CFilter* bravo = data.filters.Add(L"Bravo");
    data.filters.Add(L"Charlie");
    gCurrentFilter = alpha;
    messages.answer = IDYES;
    EXPECT_TRUE(DeleteFilterWithConfirm(alpha));
    EXPECT_EQ(gCurrentFilter, bravo);
    EXPECT_FALSE(GetBoolSetting(L"FilterActive", true));
}

wqv2_data::CFilter* gPassedFilter = nullptr;
int QV2_CALL RecordPassedFilter(wqv2_data::CFilter* filter)
{
    gPassedFilter = filter;
    return 0;
}

TEST_F(FilterCommandsTest, Delete_reportsAreToldTheFilterIsGone)
{
    // A report remembered for File > Print must not keep the deleted filter.
    ReportRegistration report{};
    report.SetFilter = &RecordPassedFilter;
    ASSERT_EQ(gPlugins->AddReport(report), 1);
    data.AddChangeListener(&OnProjectDataChanged);
    wqv2_data::CFilter* alpha = data.filters.Add(L"Alpha");
    data.filters.Add(L"Bravo");
    SetCurrentFilterAndNotify(alpha, true);
    EXPECT_EQ(gPassedFilter, alpha);
    messages.answer = IDYES;
    ASSERT_TRUE(DeleteFilterWithConfirm(alpha));
    EXPECT_EQ(gPassedFilter, nullptr);
}

TEST_F(FilterCommandsTest, Delete_noOrAFailedCommitKeepsTheCurrentFilter)
{
    wqv2_data::CFilter* alpha = data.filters.Add(L"Alpha");
    data.filters.Add(L"Beta");
    gCurrentFilter = alpha;
    messages.answer = IDNO;
    EXPECT_FALSE(DeleteFilterWithConfirm(alpha));
    EXPECT_EQ(data.begins, 0);
    messages.answer = IDYES;
    data.commitResult = wqv2_data::kErrInvalid;
    EXPECT_FALSE(DeleteFilterWithConfirm(alpha));
    EXPECT_EQ(gCurrentFilter, alpha);
    EXPECT_TRUE(data.filters.Contains(alpha));
    // A filter that is not in the project counts as deleted, without a question.
    fake::CFakeFilter stranger(L"Stranger");
    messages.messages.clear();
    EXPECT_TRUE(DeleteFilterWithConfirm(&stranger));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(FilterCommandsTest, SelectListed_everyListedTaskAndOneBroadcast)
{
    data.settings.DateStart = TDate::FromYMD(3, 2026, 1);
    data.settings.DateEnd = TDate::FromYMD(3, 2026, 31);
    data.resources.Add(L"B", 2)->occurrences = {{10, Task(3)}};
    data.resources.Add(L"A", 1)->occurrences = {{10, Task(1)}, {11, Task(2)}};
    SelectListedTasks();
    ASSERT_EQ(gSelection->size(), 3u);
    EXPECT_EQ((*gSelection)[0].task, Task(1));
    EXPECT_EQ((*gSelection)[2].task, Task(3));
    EXPECT_EQ(Broadcasts(), (std::vector<std::wstring>{L"Watcher:OnSelectedTasksChanged"}));
    // The same selection again is no change.
    qvtest::ClearLog();
    SelectListedTasks();
    EXPECT_TRUE(Broadcasts().empty());
}

} // namespace
