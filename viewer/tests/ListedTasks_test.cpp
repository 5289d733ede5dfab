#include "ListedTasks.h"

#include "CurrentFilter.h"
#include "DataChange.h"
#include "FakeData.h"
#include "HostApi.h"
#include "ProcessObjects.h"
#include "ProjectHelpers.h"
#include "Settings.h"

#include <gtest/gtest.h>

namespace {

using fake::Task;

class ListedTasksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gData = &data;
        data.settings.DateStart = TDate::FromYMD(3, 2026, 1);
        data.settings.DateEnd = TDate::FromYMD(3, 2026, 31);
        second = data.resources.Add(L"Second", 20);
        first = data.resources.Add(L"First", 10);
        first->occurrences = {{100, Task(1)}, {101, Task(2)}};
        second->occurrences = {{100, Task(3)}};
    }

    CProcessObjects objects;
    fake::CFakeData data;
    fake::CFakeResource* first = nullptr;
    fake::CFakeResource* second = nullptr;
};

TEST_F(ListedTasksTest, Build_resourcesInPositionOrderOverTheWindow)
{
    CListedTasks listed;
    EXPECT_EQ(listed.Build(&data, data.settings.DateStart, data.settings.DateEnd, nullptr), 3);
    ASSERT_EQ(listed.Items().size(), 3u);
    EXPECT_EQ(listed.Items()[0].task, Task(1));
    EXPECT_EQ(listed.Items()[2].task, Task(3));
    EXPECT_TRUE(listed.Contains({101, Task(2)}));
    EXPECT_FALSE(listed.Contains({100, Task(2)}));
}

TEST_F(ListedTasksTest, RefreshListedTasks_prunesTheSelectionOverTheProjectPeriod)
{
    *gSelection = {{101, Task(2)}, {100, Task(9)}, {100, Task(3)}, {100, Task(1)}};
    EXPECT_EQ(RefreshListedTasks(false), 3);
    EXPECT_EQ(gSelection->size(), 3u);
    EXPECT_EQ((*gSelection)[0].task, Task(2));
    EXPECT_EQ((*gSelection)[1].task, Task(3));
    // The period's end day belongs to it: the window ends at the next day's start.
    EXPECT_EQ(static_cast<uint32_t>(first->window.first), TDate::FromYMD(3, 2026, 1));
    EXPECT_EQ(static_cast<uint32_t>(first->window.second), TDate::FromYMD(4, 2026, 1));
    EXPECT_EQ(RefreshListedTasks(true), 0);
    EXPECT_TRUE(gSelection->empty());
}

TEST_F(ListedTasksTest, StaleCurrentFilter_isNeverUsed)
{
    fake::CFakeFilter gone(L"Gone");
    gCurrentFilter = &gone;
    SetBoolSetting(L"FilterActive", true);
    EXPECT_EQ(GetValidCurrentFilter(), nullptr);
    RefreshListedTasks(false);
    EXPECT_EQ(first->askedWith, nullptr);

    wqv2_data::CFilter* kept = data.filters.Add(L"Kept");
    gCurrentFilter = kept;
    RefreshListedTasks(false);
    EXPECT_EQ(first->askedWith, kept);
    SetBoolSetting(L"FilterActive", false);
    RefreshListedTasks(false);
    EXPECT_EQ(first->askedWith, nullptr);
}

TEST_F(ListedTasksTest, DataChange_resetsAFilterThatWasDeleted)
{
    data.filters.Add(L"beta");
    wqv2_data::CFilter* alpha = data.filters.Add(L"Alpha");
    fake::CFakeFilter gone(L"Gone");
    gCurrentFilter = &gone;
    SetBoolSetting(L"FilterActive", true);
    *gSelection = {{100, Task(1)}, {100, Task(7)}};
    OnProjectDataChanged(wqv2_data::ChangeBit(wqv2_data::kKindFilter));
    EXPECT_EQ(gCurrentFilter, alpha); // first by name, ignoring case
    EXPECT_FALSE(GetBoolSetting(L"FilterActive", true));
    EXPECT_EQ(gSelection->size(), 1u);
}

TEST_F(ListedTasksTest, DataChange_aLoadEmptiesTheSelectionAndResets)
{
    wqv2_data::CFilter* alpha = data.filters.Add(L"Alpha");
    wqv2_data::CFilter* beta = data.filters.Add(L"Beta");
    gCurrentFilter = alpha;
    *gSelection = {{100, Task(1)}};
    OnProjectDataChanged(wqv2_data::kChangeLoaded);
    EXPECT_TRUE(gSelection->empty());
    EXPECT_EQ(gCurrentFilter, beta); // the first one other than the old current filter

    // A task change leaves a valid current filter alone.
    OnProjectDataChanged(wqv2_data::ChangeBit(wqv2_data::kKindTask));
    EXPECT_EQ(gCurrentFilter, beta);
}

TEST_F(ListedTasksTest, StartupFilter_matchesTheNameExactly)
{
    data.filters.Add(L"Team");
    wqv2_data::CFilter* exact = data.filters.Add(L"team");
    SetSetting(L"OnStartupFilter", L"team");
    *gSelection = {{100, Task(1)}};
    SetStartupFilterPending(true);
    EXPECT_EQ(QV2A_OnFileOpened(0), 1);
    EXPECT_FALSE(IsStartupFilterPending());
    EXPECT_EQ(gCurrentFilter, exact);
    EXPECT_TRUE(GetBoolSetting(L"FilterActive", false));
    EXPECT_TRUE(gSelection->empty());

    // Applied once only.
    gCurrentFilter = nullptr;
    EXPECT_EQ(QV2A_OnFileOpened(0), 1);
    EXPECT_EQ(gCurrentFilter, nullptr);
}

TEST_F(ListedTasksTest, SetCurrentFilter_takesOnlyAFilterOfTheProject)
{
    wqv2_data::CFilter* alpha = data.filters.Add(L"Alpha");
    fake::CFakeFilter stranger(L"Stranger");
    SetBoolSetting(L"FilterActive", true);
    EXPECT_EQ(QV2A_Command(L"SetCurrentFilter", &stranger), 1);
    EXPECT_EQ(gCurrentFilter, nullptr);
    EXPECT_EQ(QV2A_Command(L"SetCurrentFilter", alpha), 1);
    EXPECT_EQ(gCurrentFilter, alpha);
    EXPECT_TRUE(GetBoolSetting(L"FilterActive", false)); // left as it was
    wqv2_data::CFilter* out = nullptr;
    EXPECT_EQ(QV2A_GetCurrentFilter(&out), 1);
    EXPECT_EQ(out, alpha);
}

TEST_F(ListedTasksTest, ProjectPath_emptyUntilAProjectIsOpen)
{
    EXPECT_EQ(GetProjectPath(), L"");
    EXPECT_FALSE(IsProjectOpen());
    data.path = L"C:\\plans\\..\\plan.wqv";
    EXPECT_EQ(GetProjectPath(), L"C:\\plan.wqv");
    EXPECT_TRUE(IsProjectOpen());
    gData = nullptr;
    EXPECT_EQ(GetProjectPath(), L"");
}

// A check list box as the controls library makes it: its add-string message adds a checked item.
LRESULT CALLBACK CheckListProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto original = reinterpret_cast<WNDPROC>(GetPropW(hwnd, L"QvOriginal"));
    if (msg == WM_USER + 352)
        return CallWindowProcW(original, hwnd, LB_ADDSTRING, 0, lp);
    return CallWindowProcW(original, hwnd, msg, wp, lp);
}

TEST_F(ListedTasksTest, FillResourceListBox_namesInPositionOrderWithTheResources)
{
    HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(list, nullptr);
    SetPropW(list, L"QvOriginal",
             reinterpret_cast<HANDLE>(SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CheckListProc))));
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"old"));
    FillResourceListBox(list);
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    wchar_t text[32] = {};
    SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"First");
    EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 1, 0), reinterpret_cast<LRESULT>(second));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
    SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropW(list, L"QvOriginal")));
    RemovePropW(list, L"QvOriginal");
    DestroyWindow(list);
}

} // namespace
