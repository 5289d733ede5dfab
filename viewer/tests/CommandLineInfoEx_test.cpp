#include "CommandLineInfoEx.h"

#include <gtest/gtest.h>

namespace {

CCommandLineInfoEx Parse(const std::wstring& line)
{
    CCommandLineInfoEx info;
    fw::ParseArguments(fw::SplitCommandLine(L"viewer.exe " + line), info);
    return info;
}

TEST(CommandLineInfoEx, ParseParam_flagsIgnoreCaseAndPrefix)
{
    const CCommandLineInfoEx info = Parse(L"-I Settings\\My.INI /SE /ro -Pi /CDSKIP /pdskip");
    EXPECT_EQ(info.iniFile, L"Settings\\My.INI");
    EXPECT_TRUE(info.skipStartFile);
    EXPECT_TRUE(info.readOnly);
    EXPECT_TRUE(info.noPluginSearch);
    EXPECT_TRUE(info.skipDefaultSettingsFolder);
    EXPECT_TRUE(info.skipDefaultPluginFolder);
    EXPECT_FALSE(info.hidden);
    EXPECT_TRUE(info.fileName.empty());
}

TEST(CommandLineInfoEx, ParseParam_listsKeepCommandLineOrder)
{
    const CCommandLineInfoEx info =
        Parse(L"/s FileOpenLast=0 /cf a.qvs /s ViewZoom=150 /cd one /cd two /pf p.qvp /pd plugins");
    EXPECT_EQ(info.settingsLines, (std::vector<std::wstring>{L"FileOpenLast=0", L"ViewZoom=150"}));
    EXPECT_EQ(info.settingsFiles, (std::vector<std::wstring>{L"a.qvs"}));
    EXPECT_EQ(info.settingsFolders, (std::vector<std::wstring>{L"one", L"two"}));
    EXPECT_EQ(info.pluginFiles, (std::vector<std::wstring>{L"p.qvp"}));
    EXPECT_EQ(info.pluginFolders, (std::vector<std::wstring>{L"plugins"}));
}

TEST(CommandLineInfoEx, ParseParam_pendingOptionSurvivesAnotherFlag)
{
    const CCommandLineInfoEx info = Parse(L"/pd folder /h project.wqv");
    EXPECT_EQ(info.pluginFolders, (std::vector<std::wstring>{L"folder"}));
    EXPECT_TRUE(info.hidden);
    EXPECT_EQ(info.fileName, L"project.wqv");

    const CCommandLineInfoEx later = Parse(L"/i /h mine.ini");
    EXPECT_TRUE(later.hidden);
    EXPECT_EQ(later.iniFile, L"mine.ini");

    const CCommandLineInfoEx replaced = Parse(L"/i /cf file.qvs");
    EXPECT_TRUE(replaced.iniFile.empty());
    EXPECT_EQ(replaced.settingsFiles, (std::vector<std::wstring>{L"file.qvs"}));
}

TEST(CommandLineInfoEx, ParseParam_valueFlagAtTheEndSetsNothing)
{
    const CCommandLineInfoEx info = Parse(L"project.wqv /i");
    EXPECT_TRUE(info.iniFile.empty());
    EXPECT_EQ(info.pendingOption, L"i");
    EXPECT_EQ(info.fileName, L"project.wqv");
}

TEST(CommandLineInfoEx, ParseParam_firstPlainArgumentIsTheProject)
{
    const CCommandLineInfoEx info = Parse(L"first.wqv second.wqv /unknown third.wqv");
    EXPECT_EQ(info.fileName, L"first.wqv");
}

TEST(CommandLineInfoEx, SplitCommandLine_quotesHoldBlanks)
{
    EXPECT_EQ(fw::SplitCommandLine(L"\"C:\\Program Files\\v.exe\" \"my project.wqv\" /s \"A=b c\""),
              (std::vector<std::wstring>{L"my project.wqv", L"/s", L"A=b c"}));
    EXPECT_TRUE(fw::SplitCommandLine(L"").empty());
    EXPECT_TRUE(fw::SplitCommandLine(L"viewer.exe").empty());
    EXPECT_EQ(fw::ArgumentText(L"\"C:\\a b\\v.exe\"  /se x"), L"/se x");
    EXPECT_EQ(fw::ArgumentText(L"v.exe"), L"");
}

TEST(CommandLineInfoEx, ResolvePaths_relativeToTheLaunchFolder)
{
    CCommandLineInfoEx info = Parse(L"/i my.ini /cf C:\\abs\\a.qvs /pd ..\\plugins project.wqv");
    info.ResolvePaths(L"C:\\work\\run");
    EXPECT_EQ(info.iniFile, L"C:\\work\\run\\my.ini");
    EXPECT_EQ(info.settingsFiles[0], L"C:\\abs\\a.qvs");
    EXPECT_EQ(info.pluginFolders[0], L"C:\\work\\plugins");
    EXPECT_EQ(info.fileName, L"C:\\work\\run\\project.wqv");
}

} // namespace
