#include "HostApi.h"

#include "Plugins.h"
#include "ProcessObjects.h"
#include "Settings.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

class HostApiTest : public ::testing::Test {
protected:
    void SetUp() override { qvtest::ClearLog(); }

    // A stand-in plug-in that logs the broadcasts.
    void LoadWatcher()
    {
        folder.Copy(qvtest::StubFolder() + L"stub_plugin.dll", L"Watcher.dll");
        std::wstring refused;
        ASSERT_TRUE(gPlugins->LoadPlugins({{folder.File(L"Watcher.dll"), true}}, CPluginHostInfo{}, refused));
        qvtest::ClearLog();
    }

    qvtest::CTempFolder folder;
    CProcessObjects objects;
};

TEST_F(HostApiTest, Exports_areFoundByTheirPlainNames)
{
    const char* const names[] = {
        "QV2A_Command",          "QV2A_GetCurrentFilter", "QV2A_GetSelectedTasks", "QV2A_GetSetting",
        "QV2A_LoadSetting",      "QV2A_LoadSettings",     "QV2A_MakeTaskVisible",  "QV2A_OnBeginReport",
        "QV2A_OnBuildContextMenu", "QV2A_OnEndReport",    "QV2A_OnFileOpened",     "QV2A_OnFilterChanged",
        "QV2A_OnSettingsChanged", "QV2A_OnTooltip",       "QV2A_Register",         "QV2A_RegisterCommand",
        "QV2A_SaveSetting",      "QV2A_SaveSettings",     "QV2A_SetSelectedTasks", "QV2A_SetSetting",
    };
    for (const char* name : names)
        EXPECT_NE(GetProcAddress(GetModuleHandleW(nullptr), name), nullptr) << name;
}

TEST_F(HostApiTest, GetSetting_cutsToTheBufferAndChecksArguments)
{
    SetSetting(L"Title", L"Planning");
    wchar_t buffer[16];
    wmemset(buffer, L'#', 16);
    EXPECT_EQ(QV2A_GetSetting(L"Title", buffer, 16), buffer);
    EXPECT_STREQ(buffer, L"Planning");
    EXPECT_EQ(QV2A_GetSetting(L"Title", buffer, 5), buffer);
    EXPECT_STREQ(buffer, L"Plan");
    EXPECT_EQ(QV2A_GetSetting(L"Title", buffer, 1), buffer);
    EXPECT_STREQ(buffer, L"");

    wmemset(buffer, L'#', 16);
    EXPECT_EQ(QV2A_GetSetting(L"Title", buffer, 0), buffer);
    EXPECT_EQ(QV2A_GetSetting(L"Title", buffer, -3), buffer);
    EXPECT_EQ(buffer[0], L'#'); // nothing written
    EXPECT_EQ(QV2A_GetSetting(L"", buffer, 16), nullptr);
    EXPECT_EQ(QV2A_GetSetting(nullptr, buffer, 16), nullptr);
    EXPECT_EQ(QV2A_GetSetting(L"Title", nullptr, 16), nullptr);
    EXPECT_EQ(QV2A_GetSetting(L"Missing", buffer, 16), buffer);
    EXPECT_STREQ(buffer, L"");
}

TEST_F(HostApiTest, SetSetting_storesAppendsAndRefusesNull)
{
    EXPECT_EQ(QV2A_SetSetting(L"A", L"1"), 1);
    EXPECT_EQ(QV2A_SetSetting(L"+a", L"2"), 1);
    EXPECT_EQ(GetSetting(L"A"), L"1\n2");
    EXPECT_EQ(QV2A_SetSetting(L"", L"x"), 1);
    EXPECT_EQ(QV2A_SetSetting(nullptr, L"x"), 0);
    EXPECT_EQ(QV2A_SetSetting(L"A", nullptr), 0);
    EXPECT_EQ(GetSetting(L"A"), L"1\n2");
    EXPECT_EQ(gSettings->Count(), 1u);
}

TEST_F(HostApiTest, LoadAndSaveSetting_roundTripThroughAFile)
{
    const std::wstring ini = folder.File(L"plugin.ini");
    SetSetting(L"ReportsFiltersTitle", L"All filters");
    EXPECT_EQ(QV2A_SaveSetting(L"ReportsFilters", L"ReportsFiltersTitle", ini.c_str()), 1);
    SetSetting(L"ReportsFiltersTitle", L"");
    EXPECT_EQ(QV2A_LoadSetting(L"ReportsFilters", L"ReportsFiltersTitle", ini.c_str()), 1);
    EXPECT_EQ(GetSetting(L"ReportsFiltersTitle"), L"All filters");
    EXPECT_EQ(QV2A_LoadSetting(nullptr, L"Key", ini.c_str()), 0);
    EXPECT_EQ(QV2A_SaveSetting(L"Section", nullptr, ini.c_str()), 0);
}

TEST_F(HostApiTest, LoadAndSaveSettings_broadcastWithTheSameFile)
{
    LoadWatcher();
    const std::wstring ini = folder.File(L"viewer.ini");
    SetSetting(L"ReportsOutput", L"2");
    SetSetting(L"DirectoryExport", L"C:\\out");
    EXPECT_EQ(QV2A_SaveSettings(ini.c_str(), false), 1);
    const std::wstring text = qvtest::ReadIniText(ini);
    EXPECT_NE(text.find(L"ReportsOutput=2"), std::wstring::npos);
    EXPECT_EQ(text.find(L"DirectoryExport"), std::wstring::npos); // folder keys only with all
    EXPECT_EQ(QV2A_SaveSettings(ini.c_str(), true), 1);
    EXPECT_NE(qvtest::ReadIniText(ini).find(L"DirectoryExport=C:\\out"), std::wstring::npos);

    SetSetting(L"ReportsOutput", L"");
    EXPECT_EQ(QV2A_LoadSettings(ini.c_str()), 1);
    EXPECT_EQ(GetSetting(L"ReportsOutput"), L"2");
    EXPECT_EQ(qvtest::LogLines(), (std::vector<std::wstring>{L"Watcher:OnSaveSettings file", L"Watcher:OnSaveSettings file all",
                                                             L"Watcher:OnLoadSettings file"}));
}

TEST_F(HostApiTest, Register_knownKindsAnswerOneAlsoWhenExcluded)
{
    SetSetting(L"ExcludeReport", L"Hidden");
    ReportRegistration report{};
    wcscpy(report.Name, L"Hidden");
    EXPECT_EQ(QV2A_Register(L"RegisterReport", &report), 1);
    EXPECT_TRUE(gPlugins->Reports().empty());
    wcscpy(report.Name, L"Shown");
    EXPECT_EQ(QV2A_Register(L"RegisterReport", &report), 1);
    EXPECT_EQ(gPlugins->Reports().size(), 1u);

    OptionPageRegistration page{};
    wcscpy(page.Name, L"Page");
    EXPECT_EQ(QV2A_Register(L"RegisterOptionsFileDlg", &page), 1);
    EXPECT_EQ(QV2A_Register(L"RegisterOptionsAdministrationDlg", &page), 1);
    EXPECT_EQ(QV2A_Register(L"RegisterOptionsReportDlg", &page), 1);
    for (int kind = 0; kind < 3; ++kind)
        EXPECT_EQ(gPlugins->OptionPages(kind).size(), 1u);

    ViewRegistration view{nullptr};
    EXPECT_EQ(QV2A_Register(L"RegisterView", &view), 1); // no main frame: nothing happens
    EXPECT_EQ(QV2A_Register(L"registerreport", &report), 0);
    EXPECT_EQ(QV2A_Register(L"RegisterReport", nullptr), 0);
    EXPECT_EQ(QV2A_Register(nullptr, &report), 0);
    EXPECT_EQ(gPlugins->Reports().size(), 1u);
}

TEST_F(HostApiTest, RegisterCommand_numbersFrom61000)
{
    CommandRegistration command{};
    EXPECT_EQ(QV2A_RegisterCommand(&command), 61000);
    EXPECT_EQ(QV2A_RegisterCommand(&command), 61001);
    EXPECT_EQ(QV2A_RegisterCommand(nullptr), 0);
}

TEST_F(HostApiTest, Command_hostCommandsAfterThePlugins)
{
    SetSetting(L"A", L"1");
    EXPECT_EQ(QV2A_Command(L"resetsettings", nullptr), 0);
    EXPECT_EQ(GetSetting(L"A"), L"1");
    EXPECT_EQ(QV2A_Command(L"ResetSettings", nullptr), 1);
    EXPECT_EQ(gSettings->Count(), 0u);
    EXPECT_EQ(QV2A_Command(L"ShowResource", nullptr), 1);
    EXPECT_EQ(QV2A_Command(L"ShowTasks", nullptr), 1);
    EXPECT_EQ(QV2A_Command(L"ShowCalendar", nullptr), 0);
    EXPECT_EQ(QV2A_Command(L"ShowMenu", nullptr), 0);
    SendMessageArgs message{WM_NULL, 0, 0};
    EXPECT_EQ(QV2A_Command(L"SendMessageToMainWnd", &message), 0); // no main frame
    EXPECT_EQ(QV2A_Command(L"SendMessageToMainWnd", nullptr), 0);
    EXPECT_EQ(QV2A_Command(L"SendCommandToMainWnd", nullptr), 1);
    EXPECT_EQ(QV2A_Command(L"NoSuchCommand", nullptr), 0);
    EXPECT_EQ(QV2A_Command(nullptr, nullptr), 0);
}

TEST_F(HostApiTest, Command_aPluginAnswersFirst)
{
    LoadWatcher();
    SetSetting(L"StubPreCommand.Watcher", L"5");
    EXPECT_EQ(QV2A_Command(L"ShowResource", nullptr), 5);
    EXPECT_EQ(qvtest::LogLines(), (std::vector<std::wstring>{L"Watcher:OnPreCommand ShowResource 5"}));
}

TEST_F(HostApiTest, SetSelectedTasks_broadcastsOnlyAChange)
{
    LoadWatcher();
    auto* t1 = reinterpret_cast<wqv2_data::CTask*>(0x1000);
    auto* t2 = reinterpret_cast<wqv2_data::CTask*>(0x2000);
    const TaskOccurrence first[] = {{10, t1}, {11, t2}};
    const TaskOccurrence swapped[] = {{11, t2}, {10, t1}};
    EXPECT_EQ(QV2A_SetSelectedTasks(first, 2), 1);
    EXPECT_EQ(QV2A_SetSelectedTasks(first, 2), 1);
    EXPECT_EQ(qvtest::LogLinesOf(L"Watcher:OnSelectedTasksChanged").size(), 1u);
    EXPECT_EQ(QV2A_SetSelectedTasks(swapped, 2), 1);
    EXPECT_EQ(qvtest::LogLinesOf(L"Watcher:OnSelectedTasksChanged").size(), 2u);

    int count = -1;
    EXPECT_EQ(QV2A_GetSelectedTasks(nullptr, &count), 1);
    EXPECT_EQ(count, 2);
    TaskOccurrence out[2] = {};
    EXPECT_EQ(QV2A_GetSelectedTasks(out, &count), 1);
    EXPECT_EQ(out[0].day, 11);
    EXPECT_EQ(out[1].task, t1);
    EXPECT_EQ(QV2A_GetSelectedTasks(out, nullptr), 0);

    EXPECT_EQ(QV2A_SetSelectedTasks(first, -1), 0);
    EXPECT_EQ(QV2A_SetSelectedTasks(nullptr, 2), 0);
    EXPECT_EQ(gSelection->size(), 2u);
    EXPECT_EQ(QV2A_SetSelectedTasks(nullptr, 0), 1);
    EXPECT_TRUE(gSelection->empty());
}

TEST_F(HostApiTest, OnFilterChanged_emptiesTheSelectionEvenWithoutAChange)
{
    LoadWatcher();
    const TaskOccurrence one[] = {{10, reinterpret_cast<wqv2_data::CTask*>(0x1000)}};
    QV2A_SetSelectedTasks(one, 1);
    qvtest::ClearLog();
    EXPECT_EQ(QV2A_OnFilterChanged(0x100), 1); // only the low byte counts
    EXPECT_TRUE(gSelection->empty());
    EXPECT_EQ(qvtest::LogLines(), (std::vector<std::wstring>{L"Watcher:OnFilterChanged 0"}));
}

TEST_F(HostApiTest, Notifications_reachThePlugins)
{
    LoadWatcher();
    EXPECT_EQ(QV2A_OnSettingsChanged(2), 1);
    EXPECT_EQ(QV2A_OnFileOpened(3), 1);
    EXPECT_EQ(QV2A_MakeTaskVisible(4, 5, true), 1);
    EXPECT_EQ(QV2A_OnBeginReport(1), 1);
    EXPECT_EQ(QV2A_OnEndReport(), 1);
    EXPECT_EQ(QV2A_OnBuildContextMenu(nullptr, 0, 0), 0); // plug-ins would call a null callback
    EXPECT_EQ(qvtest::LogLines(),
              (std::vector<std::wstring>{L"Watcher:OnSettingsChanged 2", L"Watcher:OnFileOpened 3",
                                         L"Watcher:MakeTaskVisible 4 5 1", L"Watcher:OnBeginReport 1 1",
                                         L"Watcher:OnEndReport"}));
    EXPECT_STREQ(QV2A_OnTooltip(L"Bar", 0, 0), L"Bar+Watcher");
    EXPECT_STREQ(QV2A_OnTooltip(nullptr, 0, 0), L"+Watcher");
}

TEST_F(HostApiTest, GetCurrentFilter_answersFilterActive)
{
    wqv2_data::CFilter* filter = reinterpret_cast<wqv2_data::CFilter*>(0x1);
    EXPECT_EQ(QV2A_GetCurrentFilter(&filter), 0);
    EXPECT_EQ(filter, nullptr); // no data root: nothing can be confirmed
    SetSetting(L"FilterActive", L"1");
    EXPECT_EQ(QV2A_GetCurrentFilter(&filter), 1);
    EXPECT_EQ(QV2A_GetCurrentFilter(nullptr), 0);
}

} // namespace
