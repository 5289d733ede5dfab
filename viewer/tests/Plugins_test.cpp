#include "Plugins.h"

#include "ProcessObjects.h"
#include "Settings.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

class PluginsTest : public ::testing::Test {
protected:
    void SetUp() override { qvtest::ClearLog(); }

    // A copy of a stand-in plug-in under a name of its own (its log prefix).
    std::wstring Plugin(const std::wstring& name, const wchar_t* variant = L"stub_plugin.dll")
    {
        folder.Copy(qvtest::StubFolder() + variant, name + L".dll");
        return folder.File(name + L".dll");
    }

    CPluginHostInfo Host() const
    {
        CPluginHostInfo host;
        host.productName = L"Viewer";
        host.productVersion = L"2.0";
        host.translation = L"040904B0";
        return host;
    }

    bool Load(std::vector<CPluginCandidate> candidates, std::wstring* refused = nullptr)
    {
        std::wstring ignored;
        return gPlugins->LoadPlugins(candidates, Host(), refused ? *refused : ignored);
    }

    qvtest::CTempFolder folder; // outlives the objects: modules are freed before files go
    CProcessObjects objects;
};

TEST_F(PluginsTest, LoadPlugins_refusedOnesAreDroppedAndFreed)
{
    EXPECT_TRUE(Load({{Plugin(L"A"), true},
                      {Plugin(L"Refuses", L"stub_plugin_refuse.dll"), false},
                      {Plugin(L"NoInfo", L"stub_plugin_noinfo.dll"), false},
                      {folder.File(L"missing.dll"), false},
                      {L"", false},
                      {Plugin(L"B"), false}}));
    ASSERT_EQ(gPlugins->Plugins().size(), 2u);
    EXPECT_EQ(gPlugins->Plugins()[0].path, folder.File(L"A.dll"));
    EXPECT_EQ(gPlugins->Plugins()[1].path, folder.File(L"B.dll"));
    EXPECT_GE(qvtest::LogIndex(L"Refuses:detach"), 0);
    EXPECT_GE(qvtest::LogIndex(L"NoInfo:detach"), 0);
    EXPECT_EQ(qvtest::LogIndex(L"A:detach"), -1);
    EXPECT_GE(qvtest::LogIndex(L"A:OnPluginInfo Viewer 2.0 040904B0 none"), 0);
    // The host ended the field the plug-in filled to the brim.
    EXPECT_EQ(wcslen(gPlugins->Plugins()[0].info.ProductName), 255u);
    EXPECT_STREQ(gPlugins->Plugins()[0].info.Description, L"stand-in plug-in");
    EXPECT_NE(gPlugins->Plugins()[0].OnExit, nullptr);
    EXPECT_EQ(gPlugins->Plugins()[0].OnViewChanged, nullptr);
}

TEST_F(PluginsTest, LoadPlugins_refusedRequiredPluginStopsLoading)
{
    std::wstring refused;
    EXPECT_FALSE(Load({{Plugin(L"Required", L"stub_plugin_refuse.dll"), true}, {Plugin(L"Later"), false}}, &refused));
    EXPECT_EQ(refused, folder.File(L"Required.dll"));
    EXPECT_TRUE(gPlugins->Plugins().empty());
    EXPECT_EQ(qvtest::LogIndex(L"Later:attach"), -1);
}

TEST_F(PluginsTest, Broadcasts_goInLoadOrderAndTwiceForATwiceLoadedFile)
{
    const std::wstring a = Plugin(L"A");
    ASSERT_TRUE(Load({{Plugin(L"B"), false}, {a, false}, {a, false}}));
    qvtest::ClearLog();
    gPlugins->BroadcastOnDataChanged(5);
    EXPECT_EQ(qvtest::LogLines(),
              (std::vector<std::wstring>{L"B:OnDataChanged 5", L"A:OnDataChanged 5", L"A:OnDataChanged 5"}));
    gPlugins->FreeAll();
    EXPECT_TRUE(gPlugins->Plugins().empty());
    EXPECT_GE(qvtest::LogIndex(L"A:detach"), 0);
    EXPECT_GE(qvtest::LogIndex(L"B:detach"), 0);
}

TEST_F(PluginsTest, QueryPrepareExit_stopsAtTheFirstRefusal)
{
    ASSERT_TRUE(Load({{Plugin(L"A"), false}, {Plugin(L"B"), false}, {Plugin(L"C"), false}}));
    SetSetting(L"StubPrepareExit.B", L"0");
    qvtest::ClearLog();
    EXPECT_FALSE(gPlugins->QueryPrepareExit());
    EXPECT_EQ(qvtest::LogLines(), (std::vector<std::wstring>{L"A:OnPrepareExit 1", L"B:OnPrepareExit 0"}));
}

TEST_F(PluginsTest, BeginReport_asksEveryPluginAfterARefusal)
{
    ASSERT_TRUE(Load({{Plugin(L"A"), false}, {Plugin(L"B"), false}}));
    SetSetting(L"StubBeginReport.A", L"0");
    qvtest::ClearLog();
    EXPECT_FALSE(gPlugins->BeginReport(2));
    EXPECT_EQ(qvtest::LogLines(), (std::vector<std::wstring>{L"A:OnBeginReport 2 0", L"B:OnBeginReport 2 1"}));
    SetSetting(L"StubBeginReport.A", L"1");
    EXPECT_TRUE(gPlugins->BeginReport(0));
}

TEST_F(PluginsTest, DispatchKeyAndPreCommand_firstTakerEndsTheLoop)
{
    ASSERT_TRUE(Load({{Plugin(L"A"), false}, {Plugin(L"B"), false}}));
    qvtest::ClearLog();
    EXPECT_FALSE(gPlugins->DispatchKey(VK_F2, 0x20));
    EXPECT_EQ(gPlugins->PreCommand(L"ShowTasks", nullptr), -1);
    EXPECT_EQ(qvtest::LogLinesOf(L"B:").size(), 2u);

    SetSetting(L"StubKeyDispatch.A", L"1");
    SetSetting(L"StubPreCommand.A", L"7");
    qvtest::ClearLog();
    EXPECT_TRUE(gPlugins->DispatchKey(VK_F2, 0x20));
    EXPECT_EQ(gPlugins->PreCommand(L"ShowTasks", nullptr), 7);
    EXPECT_EQ(qvtest::LogLines(),
              (std::vector<std::wstring>{L"A:OnKeyDispatch 113 32 1", L"A:OnPreCommand ShowTasks 7"}));
}

TEST_F(PluginsTest, ChainTooltip_eachPluginRewritesThePreviousText)
{
    ASSERT_TRUE(Load({{Plugin(L"A"), false}, {Plugin(L"B"), false}}));
    EXPECT_EQ(gPlugins->ChainTooltip(L"Task", 1, 2), L"Task+A+B");
}

TEST_F(PluginsTest, AddCommand_501CommandsAtMost)
{
    CommandRegistration command{};
    for (UINT i = 0; i < 501; ++i)
        ASSERT_EQ(gPlugins->AddCommand(command), 61000 + i);
    EXPECT_EQ(gPlugins->AddCommand(command), 0u);
    EXPECT_EQ(gPlugins->Commands().size(), 501u);
    EXPECT_NE(gPlugins->CommandById(61500), nullptr);
    EXPECT_EQ(gPlugins->CommandById(60999), nullptr);
}

TEST_F(PluginsTest, AddReport_excludedNamesAreDroppedExactly)
{
    SetSetting(L"ExcludeReport", L"Holidays\tFilters\nCalendars\r\nResources");
    ReportRegistration report{};
    for (const wchar_t* name : {L"Holidays", L"Filters", L"Calendars", L"Resources"}) {
        wcscpy(report.Name, name);
        EXPECT_EQ(gPlugins->AddReport(report), 2);
    }
    wcscpy(report.Name, L"holidays");
    EXPECT_EQ(gPlugins->AddReport(report), 1);
    for (wchar_t& c : report.Description)
        c = L'd';
    wcscpy(report.Name, L"Tasks");
    EXPECT_EQ(gPlugins->AddReport(report), 1);
    ASSERT_EQ(gPlugins->Reports().size(), 2u);
    EXPECT_EQ(gPlugins->FindReport(L"Tasks"), &gPlugins->Reports()[1]);
    EXPECT_EQ(wcslen(gPlugins->Reports()[1].Description), 1023u);
    EXPECT_EQ(gPlugins->FindReport(L"tasks"), nullptr);
}

TEST_F(PluginsTest, AddOptionPage_kindsAndExclusions)
{
    SetSetting(L"ExcludeOptions", L"Hidden");
    OptionPageRegistration page{};
    wcscpy(page.Name, L"Page");
    EXPECT_EQ(gPlugins->AddOptionPage(page, 0), 1);
    EXPECT_EQ(gPlugins->AddOptionPage(page, 2), 1);
    EXPECT_EQ(gPlugins->AddOptionPage(page, 3), 0);
    EXPECT_EQ(gPlugins->AddOptionPage(page, -1), 0);
    wcscpy(page.Name, L"Hidden");
    EXPECT_EQ(gPlugins->AddOptionPage(page, 1), 2);
    EXPECT_EQ(gPlugins->OptionPages(0).size(), 1u);
    EXPECT_EQ(gPlugins->OptionPages(1).size(), 0u);
    EXPECT_EQ(gPlugins->OptionPages(2).size(), 1u);
    EXPECT_TRUE(gPlugins->OptionPages(7).empty());
}

} // namespace
