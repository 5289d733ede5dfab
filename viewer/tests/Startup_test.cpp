// Start-up and exit of the viewer against stand-in libraries and plug-ins that log their calls.
#include "CommandLineInfoEx.h"
#include "HostApi.h"
#include "TDateTime.h"
#include "MainApp.h"
#include "MainFrame.h"
#include "ProcessObjects.h"
#include "Settings.h"
#include "TestSupport.h"
#include "ViewerUtil.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qvtest::ClearLog();
        m_previousFolder = GetCurrentFolder();
        ASSERT_TRUE(program.Copy(qvtest::BinFolder() + L"QV2ResV.dll", L"QV2ResV.dll"));
        UseStub(L"stub_controls.dll", L"RKComControls2.dll");
        UseStub(L"stub_data.dll", L"QV2D.dll");
        UseStub(L"stub_print.dll", L"RKPrintEngine2.dll");
        UseStub(L"stub_plugin.dll", L"QV2R.dll");
        UseStub(L"stub_plugin.dll", L"QV2BoardView.dll");
    }

    void TearDown() override
    {
        if (!m_exited)
            Exit();
        objects.reset();
        SetCurrentDirectoryW(m_previousFolder.c_str());
    }

    void UseStub(const std::wstring& variant, const std::wstring& name)
    {
        ASSERT_TRUE(program.Copy(qvtest::StubFolder() + variant, name));
    }

    void Remove(const std::wstring& name) { DeleteFileW(program.File(name).c_str()); }

    CMainApp& App() { return objects->App(); }

    bool Start(const std::wstring& arguments)
    {
        CStartupEnvironment environment;
        environment.programFolder = program.Path();
        environment.commandLine = L"Win-Quorvia2-Viewer.exe " + std::wstring(showFrame ? L"" : L"/h ") + arguments;
        environment.isShiftDown = [this] { return shiftDown; };
        environment.profileFile = program.File(L"profile.ini");
        App().SetEnvironment(environment);
        m_started = App().InitInstance();
        return m_started;
    }

    // Closes the main frame as the user would and runs the rest of the loop, then the exit.
    void CloseAndExit()
    {
        if (m_started && App().Frame()) {
            PostMessageW(App().Frame()->Hwnd(), WM_CLOSE, 0, 0);
            App().RunMessageLoop();
        }
        Exit();
    }

    void Exit()
    {
        m_exited = true;
        App().ExitInstance();
    }

    // The process-wide objects made anew after an exit, for a second start in the same test.
    void Renew()
    {
        objects.reset();
        objects = std::make_unique<CProcessObjects>();
        m_started = false;
        m_exited = false;
    }

    // Each line appears, each after the one before.
    void ExpectInOrder(const std::vector<std::wstring>& expected)
    {
        const auto& lines = qvtest::LogLines();
        size_t at = 0;
        for (const std::wstring& line : expected) {
            while (at < lines.size() && lines[at] != line)
                ++at;
            ASSERT_LT(at, lines.size()) << "missing or out of order: " << std::string(line.begin(), line.end());
            ++at;
        }
    }

    std::wstring Quoted(const std::wstring& text) const { return L"\"" + text + L"\""; }
    // Paths in the temporary folder are plain ASCII.
    static std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

    qvtest::CTempFolder program; // first in, last out: the libraries are freed before it goes
    qvtest::CMessageRecorder messages;
    std::unique_ptr<CProcessObjects> objects = std::make_unique<CProcessObjects>();
    bool shiftDown = false;
    // Frames stay hidden unless a test needs to see one: under Wine without a window manager,
    // taking a shown captioned window down waits two seconds for a manager that never answers.
    bool showFrame = false;

private:
    std::wstring m_previousFolder;
    bool m_started = false;
    bool m_exited = false;
};

TEST_F(StartupTest, StartAndExit_followTheFixedOrder)
{
    showFrame = true;
    ASSERT_TRUE(Start(L"/se /s DateFormat=dd.MM.yyyy /s TimeFormat=HH:mm /s CtrlEditDateShowWeeknumbers=yes"));
    EXPECT_TRUE(messages.messages.empty());
    ExpectInOrder({
        L"RKComControls2:attach", L"RKComControls2:setappreshandle module",
        L"QV2D:attach", L"QV2D:DllGetData store",
        L"RKPrintEngine2:attach", L"RKPrintEngine2:DllGetPrintEngine",
        L"QV2BoardView:attach", L"QV2R:attach",
        L"QV2BoardView:OnStart root", L"QV2R:OnStart root",
        L"QV2BoardView:OnLoadSettings profile", L"QV2R:OnLoadSettings profile",
        L"QV2BoardView:OnInitialized", L"QV2R:OnInitialized",
        L"RKComControls2:setdateformat dd.MM.yyyy", L"RKComControls2:settimeformat HH:mm",
        L"RKComControls2:setoption 1 1 1",
        L"QV2BoardView:OnRegister", L"QV2R:OnRegister",
        L"QV2BoardView:OnWindowInit frame view", L"QV2R:OnWindowInit frame view",
        L"QV2BoardView:OnToolbarInit", L"QV2R:OnToolbarInit",
        L"QV2BoardView:OnMenuInit menu", L"QV2R:OnMenuInit menu",
        L"QV2BoardView:OnSettingsChanged 0", L"QV2R:OnSettingsChanged 0",
        L"QV2D:AddChangeListener",
        L"QV2BoardView:OnStartUpCompleted", L"QV2R:OnStartUpCompleted",
    });
    EXPECT_EQ(qvtest::LogLinesOf(L"QV2D:Open").size(), 0u);
    ASSERT_NE(App().Frame(), nullptr);
    EXPECT_TRUE(IsWindowVisible(App().Frame()->Hwnd()));
    EXPECT_EQ(App().GetProgramFolder() + L"\\", program.Path() + L"\\");
    EXPECT_EQ(GetCurrentFolder(), program.Path());
    EXPECT_EQ(App().CommandLineText().substr(0, 3), L"/se");

    qvtest::ClearLog();
    CloseAndExit();
    ExpectInOrder({
        L"QV2BoardView:OnPrepareExit 1", L"QV2R:OnPrepareExit 1",
        L"QV2BoardView:OnSaveSettings profile all", L"QV2R:OnSaveSettings profile all",
        L"QV2BoardView:OnExit", L"QV2R:OnExit",
        L"QV2BoardView:detach", L"QV2R:detach",
        L"QV2D:DllFreeData", L"QV2D:detach",
        L"RKPrintEngine2:DllFreePrintEngine", L"RKPrintEngine2:detach",
        L"RKComControls2:detach",
    });
}

TEST_F(StartupTest, MissingResourceLibrary_endsStartUpWithItsName)
{
    Remove(L"QV2ResV.dll");
    EXPECT_FALSE(Start(L"/se"));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"Resource file QV2ResV.dll not found.");
    EXPECT_EQ(messages.messages[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(qvtest::LogIndex(L"RKComControls2:attach"), -1);
}

TEST_F(StartupTest, MissingControlsLibrary_gives1100WithItsName)
{
    Remove(L"RKComControls2.dll");
    EXPECT_FALSE(Start(L"/se"));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"The library RKComControls2.dll cannot be loaded.");
    EXPECT_EQ(messages.messages[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(qvtest::LogIndex(L"QV2D:attach"), -1);
    EXPECT_EQ(App().Frame(), nullptr);
}

TEST_F(StartupTest, DataLibraryWithoutEntry_gives1101AndFreesWhatWasLoaded)
{
    UseStub(L"stub_data_noentry.dll", L"QV2D.dll");
    EXPECT_FALSE(Start(L"/se"));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text.find(L"The library QV2D.dll cannot be used"), 0u);
    EXPECT_EQ(qvtest::LogIndex(L"RKPrintEngine2:attach"), -1);
    Exit();
    EXPECT_GE(qvtest::LogIndex(L"QV2D:detach"), 0);
    EXPECT_GE(qvtest::LogIndex(L"RKComControls2:detach"), 0);
    EXPECT_EQ(gData, nullptr);
}

TEST_F(StartupTest, DataLibraryWithoutRoot_gives1101)
{
    UseStub(L"stub_data_nullroot.dll", L"QV2D.dll");
    EXPECT_FALSE(Start(L"/se"));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text.find(L"The library QV2D.dll cannot be used"), 0u);
}

TEST_F(StartupTest, PrintEngineWithoutEntry_gives1101AndFreesTheDataRoot)
{
    UseStub(L"stub_print_noentry.dll", L"RKPrintEngine2.dll");
    EXPECT_FALSE(Start(L"/se"));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text.find(L"The library RKPrintEngine2.dll cannot be used"), 0u);
    Exit();
    ExpectInOrder({L"QV2D:DllFreeData", L"QV2D:detach", L"RKPrintEngine2:DllFreePrintEngine",
                   L"RKPrintEngine2:detach", L"RKComControls2:detach"});
}

TEST_F(StartupTest, RequiredPluginRefuses_gives1101WithItsPath)
{
    UseStub(L"stub_plugin_refuse.dll", L"QV2BoardView.dll");
    EXPECT_FALSE(Start(L"/se"));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].text.find(program.File(L"QV2BoardView.dll")), std::wstring::npos);
    EXPECT_EQ(qvtest::LogIndex(L"QV2R:attach"), -1);
}

TEST_F(StartupTest, OptionalPluginAndBareControls_areSkippedSilently)
{
    Remove(L"QV2R.dll");
    UseStub(L"stub_controls_bare.dll", L"RKComControls2.dll");
    ASSERT_TRUE(Start(L"/se"));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(gPlugins->Plugins().size(), 1u);
    EXPECT_TRUE(qvtest::LogLinesOf(L"RKComControls2:set").empty());
    CloseAndExit();
}

TEST_F(StartupTest, PluginSearch_followsTheFoldersAndFiles)
{
    UseStub(L"stub_plugin.dll", L"Plugins\\A.qvp");
    UseStub(L"stub_plugin.dll", L"Plugins\\sub\\B.QVP");
    UseStub(L"stub_plugin.dll", L"Plugins\\C.dll");
    UseStub(L"stub_plugin.dll", L"Extra\\D.qvp");
    UseStub(L"stub_plugin.dll", L"E.dll");
    ASSERT_TRUE(Start(L"/se /pd " + Quoted(program.File(L"Extra")) + L" /pd " + Quoted(program.File(L"NoSuchFolder")) +
                      L" /pf " + Quoted(program.File(L"E.dll"))));
    EXPECT_TRUE(messages.messages.empty());
    std::vector<std::wstring> names;
    for (const CPlugin& plugin : gPlugins->Plugins())
        names.push_back(GetPathFileName(plugin.path));
    ASSERT_EQ(names.size(), 6u);
    EXPECT_EQ(names[0], L"QV2BoardView.dll");
    EXPECT_EQ(names[1], L"QV2R.dll");
    EXPECT_TRUE((names[2] == L"A.qvp" && names[3] == L"B.QVP") || (names[2] == L"B.QVP" && names[3] == L"A.qvp"));
    EXPECT_EQ(names[4], L"D.qvp");
    EXPECT_EQ(names[5], L"E.dll");
    CloseAndExit();
}

TEST_F(StartupTest, PluginSearch_piLoadsOnlyTheNamedPlugins)
{
    UseStub(L"stub_plugin.dll", L"Plugins\\A.qvp");
    UseStub(L"stub_plugin.dll", L"E.dll");
    ASSERT_TRUE(Start(L"/se /pi /pf " + Quoted(program.File(L"E.dll"))));
    EXPECT_EQ(gPlugins->Plugins().size(), 2u);
    CloseAndExit();
}

TEST_F(StartupTest, PluginSearch_pdskipDropsOnlyTheDefaultFolder)
{
    UseStub(L"stub_plugin.dll", L"Plugins\\A.qvp");
    UseStub(L"stub_plugin.dll", L"Extra\\D.qvp");
    ASSERT_TRUE(Start(L"/se /pdskip /pd " + Quoted(program.File(L"Extra"))));
    ASSERT_EQ(gPlugins->Plugins().size(), 3u);
    EXPECT_EQ(GetPathFileName(gPlugins->Plugins()[2].path), L"D.qvp");
    CloseAndExit();
}

TEST_F(StartupTest, Settings_commandLineLinesComeAfterTheSettingsFiles)
{
    program.Write(L"Settings\\a.qvs", "Order=default folder\nFromDefault=1\n+Joined=first\n");
    program.Write(L"More\\b.qvs", "Order=cd folder\n+Joined=second\n");
    program.Write(L"single.txt", "FromFile=1\n");
    ASSERT_TRUE(Start(L"/se /s Order=command /cd " + Quoted(program.File(L"More")) + L" /cf " +
                      Quoted(program.File(L"single.txt")) + L" /cf " + Quoted(program.File(L"missing.qvs"))));
    EXPECT_EQ(GetSetting(L"Order"), L"command");
    EXPECT_EQ(GetSetting(L"FromDefault"), L"1");
    EXPECT_EQ(GetSetting(L"FromFile"), L"1");
    EXPECT_EQ(GetSetting(L"Joined"), L"first\nsecond");
    EXPECT_EQ(App().SettingsFiles().size(), 3u);
    CloseAndExit();
}

TEST_F(StartupTest, Settings_cdskipDropsTheDefaultFolder)
{
    program.Write(L"Settings\\a.qvs", "FromDefault=1\n");
    ASSERT_TRUE(Start(L"/se /cdskip"));
    EXPECT_EQ(GetSetting(L"FromDefault"), L"");
    EXPECT_TRUE(App().SettingsFiles().empty());
    CloseAndExit();
}

TEST_F(StartupTest, Settings_initializationFileIsMadeAbsoluteFirst)
{
    program.MakeFolder(L"launch");
    program.Write(L"launch\\viewer.ini", "[Views]\r\nViewZoom=175\r\n[Basic]\r\nFileOpenLast=0\r\n");
    SetCurrentDirectoryW(program.File(L"launch").c_str());
    ASSERT_TRUE(Start(L"/se /i viewer.ini"));
    EXPECT_EQ(GetSetting(L"InitializationFile"), program.File(L"launch\\viewer.ini"));
    EXPECT_EQ(GetSetting(L"ViewZoom"), L"175");
    EXPECT_EQ(GetSetting(L"FileOpenLast"), L"0");
    EXPECT_EQ(qvtest::LogIndex(L"QV2R:OnLoadSettings file"), qvtest::LogIndex(L"QV2R:OnStart root") + 2);
    SetSetting(L"ViewZoom", L"60");
    CloseAndExit();
    // The close saved the viewer's keys back to the same file.
    EXPECT_NE(qvtest::ReadFileBytes(program.File(L"launch\\viewer.ini")).find("ViewZoom=60"), std::string::npos);
}

TEST_F(StartupTest, Settings_aFileTheProfileReaderCannotReadIsNotWrittenOver)
{
    // UTF-16 without a byte-order mark: the profile reader finds no section in it, and a profile
    // write would replace it with the written keys alone.
    std::string text;
    for (char c : std::string("[Mine]\r\nKept=1\r\n[Views]\r\nViewZoom=175\r\n"))
        text += {c, '\0'};
    const std::wstring ini = program.File(L"viewer.ini");
    program.Write(L"viewer.ini", text);
    ASSERT_TRUE(Start(L"/se /i " + Quoted(ini)));
    // Nothing written into it during the session (a plug-in's save), at the close (the viewer's
    // keys and the plug-ins') or at the exit (the recent files).
    SetSetting(L"ViewZoom", L"60");
    EXPECT_EQ(QV2A_SaveSetting(L"Views", L"ViewZoom", ini.c_str()), 0); // the plug-in learns it
    App().AddToRecentFileList(L"C:\\plan.wqv");
    // An empty file holds nothing to lose: it takes the key.
    program.Write(L"empty.ini", "");
    EXPECT_EQ(QV2A_SaveSetting(L"Views", L"ViewZoom", program.File(L"empty.ini").c_str()), 1);
    EXPECT_NE(qvtest::ReadIniText(program.File(L"empty.ini")).find(L"ViewZoom=60"), std::wstring::npos);
    CloseAndExit();
    EXPECT_EQ(qvtest::ReadFileBytes(ini), text);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"The settings were not saved: " + ini +
                                             L" could not be read as an initialization file, so it was left as it was.");
}

TEST_F(StartupTest, Settings_theCloseSaysOnceWhatItCouldNotSave)
{
    // Hebrew, which the ANSI code page of the tests' locales lacks, in two 8-bit files: the
    // viewer's keys go to the one, the recent files (at the exit) to the other.
    const std::wstring hebrew = L"\u05E9\u05DC\u05D5\u05DD";
    const std::wstring ini = program.File(L"viewer.ini");
    const std::wstring save = program.File(L"save.ini");
    program.Write(L"viewer.ini", "[Basic]\r\nFileOpenLast=0\r\n");
    program.Write(L"save.ini", "[Reports]\r\nReportsPrinterHeader=earlier\r\n");
    ASSERT_TRUE(Start(L"/se /i " + Quoted(ini) + L" /s " + Quoted(L"IniFileSave=" + save) +
                      L" /s ReportsPrinterHeader=" + hebrew));
    App().AddToRecentFileList(L"C:\\" + hebrew + L".wqv");
    App().AddToRecentFileList(L"C:\\plain.wqv");
    SetSetting(L"ViewZoom", L"60");
    CloseAndExit();
    // Each file kept what it could not hold as it was and took the rest; no question marks.
    wchar_t value[64] = {};
    GetPrivateProfileStringW(L"Reports", L"ReportsPrinterHeader", L"", value, 64, save.c_str());
    EXPECT_STREQ(value, L"earlier");
    const std::string saved = qvtest::ReadFileBytes(save);
    EXPECT_NE(saved.find("ViewZoom=60"), std::string::npos);
    const std::string recent = qvtest::ReadFileBytes(ini);
    EXPECT_NE(recent.find("RecentFile1=C:\\plain.wqv"), std::string::npos);
    EXPECT_EQ((saved + recent).find('?'), std::string::npos);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, L"Some settings were not saved: their text has characters that " + save +
                                             L" cannot hold (it is an 8-bit initialization file), so it keeps their "
                                             L"earlier values.");
    EXPECT_NE(messages.messages[1].text.find(L" " + ini + L" cannot hold"), std::wstring::npos);

    // A save location that no path can be is named by its setting.
    Renew();
    messages.messages.clear();
    ASSERT_TRUE(Start(L"/se /s IniFileSave=" + std::wstring(1000, L'A')));
    CloseAndExit();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              L"The settings were not saved: the file named by the setting IniFileSave has a path too long to use.");
}

TEST_F(StartupTest, StartFile_commandLineWinsOverSettingAndRecentFile)
{
    program.Write(L"plan.wqv", "x");
    program.Write(L"other.wqv", "x");
    program.Write(L"viewer.ini", "[Basic]\r\nRecentFile1=" + Narrow(program.File(L"other.wqv")) + "\r\n");
    ASSERT_TRUE(Start(L"/i " + Quoted(program.File(L"viewer.ini")) + L" /s " +
                      Quoted(L"FileOpenOnStart=" + program.File(L"other.wqv")) + L" " + Quoted(program.File(L"plan.wqv"))));
    EXPECT_EQ(App().StartFile(), program.File(L"plan.wqv"));
    EXPECT_GE(qvtest::LogIndex(L"QV2D:Open " + program.File(L"plan.wqv") + L" ro"), 0);
    ExpectInOrder({L"QV2D:AddChangeListener", L"QV2R:OnDataChanged 1", L"QV2R:OnFileOpened 0",
                   L"QV2R:OnStartUpCompleted"});
    wchar_t title[512] = {};
    GetWindowTextW(App().Frame()->Hwnd(), title, 512);
    EXPECT_EQ(std::wstring(title), program.File(L"plan.wqv") + L" - Quorvia2 Viewer");
    EXPECT_EQ(App().RecentFiles()->Entry(0), program.File(L"plan.wqv"));
    CloseAndExit();
}

TEST_F(StartupTest, StartFile_shiftOrSeSkipsEveryStartFile)
{
    program.Write(L"plan.wqv", "x");
    shiftDown = true;
    ASSERT_TRUE(Start(Quoted(program.File(L"plan.wqv"))));
    EXPECT_TRUE(App().StartFile().empty());
    EXPECT_TRUE(qvtest::LogLinesOf(L"QV2D:Open").empty());
    wchar_t title[512] = {};
    GetWindowTextW(App().Frame()->Hwnd(), title, 512);
    EXPECT_EQ(std::wstring(title), L"No project - Quorvia2 Viewer");
    CloseAndExit();
}

TEST_F(StartupTest, StartFile_missingSettingFileShowsMessage900)
{
    program.Write(L"recent.wqv", "x");
    program.Write(L"viewer.ini", "[Basic]\r\nRecentFile1=" + Narrow(program.File(L"recent.wqv")) + "\r\n");
    program.Write(L"Settings\\start.qvs", "FileOpenOnStart=" + Narrow(program.File(L"gone.wqv")) + "\n");
    ASSERT_TRUE(Start(L"/i " + Quoted(program.File(L"viewer.ini"))));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"The file " + program.File(L"gone.wqv") + L" does not exist.");
    EXPECT_EQ(messages.messages[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_TRUE(App().StartFile().empty());
    EXPECT_TRUE(qvtest::LogLinesOf(L"QV2D:Open").empty());
    CloseAndExit();
}

TEST_F(StartupTest, StartFile_mostRecentWhenFileOpenLast)
{
    program.Write(L"recent.wqv", "x");
    program.Write(L"viewer.ini", "[Basic]\r\nRecentFile1=" + Narrow(program.File(L"recent.wqv")) + "\r\n");
    ASSERT_TRUE(Start(L"/i " + Quoted(program.File(L"viewer.ini"))));
    EXPECT_EQ(App().StartFile(), program.File(L"recent.wqv"));
    CloseAndExit();
}

TEST_F(StartupTest, RecentFiles_comeFromAndGoToTheInitializationFile)
{
    const std::wstring ini = program.File(L"viewer.ini");
    program.Write(L"viewer.ini", "[Basic]\r\nFileOpenLast=0\r\nRecentFile1=C:\\one.wqv\r\nRecentFile2=C:\\two.wqv\r\n");
    ASSERT_TRUE(Start(L"/i " + Quoted(ini)));
    ASSERT_NE(App().RecentFiles(), nullptr);
    EXPECT_EQ(App().RecentFiles()->Size(), 4);
    EXPECT_EQ(App().RecentFiles()->Entry(0), L"C:\\one.wqv");
    EXPECT_EQ(App().RecentFiles()->Entry(1), L"C:\\two.wqv");
    App().AddToRecentFileList(L"C:\\three.wqv");
    CloseAndExit();
    const std::string text = qvtest::ReadFileBytes(ini);
    EXPECT_NE(text.find("RecentFile1=C:\\three.wqv"), std::string::npos);
    EXPECT_NE(text.find("RecentFile3=C:\\two.wqv"), std::string::npos);
    EXPECT_NE(text.find("RecentFile4=\r\n"), std::string::npos);
    // Not written twice: the application profile did not get the list.
    EXPECT_EQ(qvtest::ReadFileBytes(program.File(L"profile.ini")).find("Recent File List"), std::string::npos);
}

TEST_F(StartupTest, RecentFiles_sizeFromRecentFilesMax)
{
    program.Write(L"Settings\\size.qvs", "RecentFilesMax=20\n");
    ASSERT_TRUE(Start(L"/se"));
    ASSERT_NE(App().RecentFiles(), nullptr);
    EXPECT_EQ(App().RecentFiles()->Size(), 16);
    App().AddToRecentFileList(L"C:\\kept.wqv");
    CloseAndExit();
    // Without an initialization file the framework keeps the list in the application profile.
    EXPECT_NE(qvtest::ReadFileBytes(program.File(L"profile.ini")).find("File1=C:\\kept.wqv"), std::string::npos);
}

TEST_F(StartupTest, RecentFiles_noneWithRecentFilesMaxZero)
{
    program.Write(L"Settings\\size.qvs", "RecentFilesMax=0\n");
    ASSERT_TRUE(Start(L"/se"));
    EXPECT_EQ(App().RecentFiles(), nullptr);
    EXPECT_FALSE(App().OpenRecentFile(0));
    EXPECT_TRUE(messages.messages.empty());
    CloseAndExit();
}

TEST_F(StartupTest, OpenRecentFile_deletedFileShowsMessage900AndStays)
{
    program.Write(L"viewer.ini", "[Basic]\r\nFileOpenLast=0\r\nRecentFile1=C:\\gone\\plan.wqv\r\n");
    ASSERT_TRUE(Start(L"/i " + Quoted(program.File(L"viewer.ini"))));
    EXPECT_FALSE(App().OpenRecentFile(0));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"The file C:\\gone\\plan.wqv does not exist.");
    EXPECT_EQ(App().RecentFiles()->Entry(0), L"C:\\gone\\plan.wqv");
    // Indices outside the list and empty slots are refused without a message.
    EXPECT_FALSE(App().OpenRecentFile(1));
    EXPECT_FALSE(App().OpenRecentFile(16));
    EXPECT_FALSE(App().OpenRecentFile(-1));
    EXPECT_EQ(messages.messages.size(), 1u);
    CloseAndExit();
}

TEST_F(StartupTest, OpenFolder_aFolderNamedAsAProjectIsToldAsAFolderWhereverItComesFrom)
{
    program.MakeFolder(L"x.wqv");
    const std::wstring folder = program.File(L"x.wqv");
    program.Write(L"viewer.ini", "[Basic]\r\nFileOpenLast=0\r\nRecentFile1=" + Narrow(folder) + "\r\n");
    const std::wstring told = folder + L" cannot be opened: it is a folder, not a project file.";
    // Named on the command line.
    ASSERT_TRUE(Start(L"/i " + Quoted(program.File(L"viewer.ini")) + L" " + Quoted(folder)));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, told);
    EXPECT_TRUE(App().StartFile().empty());
    // Chosen from the recent files, and dropped on the window (which opens what it is given).
    EXPECT_FALSE(App().OpenRecentFile(0));
    EXPECT_FALSE(App().Frame()->OpenProjectFile(folder));
    ASSERT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(messages.messages[1].text, told);
    EXPECT_EQ(messages.messages[2].text, told);
    EXPECT_EQ(App().RecentFiles()->Entry(0), folder);
    // A file that is missing is still told as missing.
    EXPECT_FALSE(App().Frame()->OpenProjectFile(program.File(L"gone.wqv")));
    EXPECT_EQ(messages.messages.back().text, L"The file " + program.File(L"gone.wqv") + L" cannot be opened.");
    CloseAndExit();
}

TEST_F(StartupTest, Exit_undoRecordsAreReleasedWhileTheDataLibraryIsLoaded)
{
    ASSERT_TRUE(Start(L"/se"));
    using PushFn = int(__cdecl*)(const wchar_t*, bool);
    auto push = reinterpret_cast<PushFn>(reinterpret_cast<void*>(GetProcAddress(App().DataModule(), "StubData_PushUndo")));
    ASSERT_NE(push, nullptr);
    EXPECT_EQ(push(L"first", false), 1);
    EXPECT_EQ(push(L"second", false), 1);
    EXPECT_EQ(push(L"again", true), 1);
    qvtest::ClearLog();
    CloseAndExit();
    ExpectInOrder({L"QV2D:Free first", L"QV2D:Free second", L"QV2D:Free again", L"QV2R:OnExit", L"QV2D:DllFreeData",
                   L"QV2D:detach"});
    EXPECT_EQ(qvtest::LogLinesOf(L"QV2D:Free").size(), 3u);
}

TEST_F(StartupTest, DataChange_emptiesTheSelectionAndTellsThePlugins)
{
    ASSERT_TRUE(Start(L"/se"));
    gSelection->push_back({5, reinterpret_cast<wqv2_data::CTask*>(0x10)});
    using NotifyFn = void(__cdecl*)(unsigned);
    auto notify = reinterpret_cast<NotifyFn>(reinterpret_cast<void*>(GetProcAddress(App().DataModule(), "StubData_Notify")));
    ASSERT_NE(notify, nullptr);
    qvtest::ClearLog();
    notify(1);
    EXPECT_TRUE(gSelection->empty());
    EXPECT_EQ(qvtest::LogLinesOf(L"QV2R:OnDataChanged"), (std::vector<std::wstring>{L"QV2R:OnDataChanged 1"}));
    // A change that is not a load prunes against the listed tasks: with no resources, all go.
    gSelection->push_back({5, reinterpret_cast<wqv2_data::CTask*>(0x10)});
    notify(1u << wqv2_data::kKindFilter);
    EXPECT_TRUE(gSelection->empty());
    CloseAndExit();
}

TEST_F(StartupTest, RegisterView_theBoardFillsTheView)
{
    ASSERT_TRUE(Start(L"/se /s StubBoard.QV2BoardView=1"));
    HWND board = App().Frame()->View().BoardWindow();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(GetParent(board), App().Frame()->View().Hwnd());
    EXPECT_TRUE(GetWindowLongW(board, GWL_STYLE) & WS_VISIBLE);
    RECT view{};
    RECT placed{};
    GetClientRect(App().Frame()->View().Hwnd(), &view);
    GetWindowRect(board, &placed);
    MapWindowPoints(nullptr, App().Frame()->View().Hwnd(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.top, 0);
    EXPECT_EQ(placed.right, view.right);
    EXPECT_EQ(placed.bottom, view.bottom);
    qvtest::ClearLog();
    CloseAndExit();
    // The frame and the board in it are gone before the plug-in is told to exit.
    EXPECT_EQ(qvtest::LogIndex(L"QV2BoardView:board still there"), -1);
}

TEST_F(StartupTest, Close_aPluginThatAnswersZeroKeepsTheFrameOpen)
{
    ASSERT_TRUE(Start(L"/se /s StubPrepareExit.QV2R=0"));
    qvtest::ClearLog();
    SendMessageW(App().Frame()->Hwnd(), WM_CLOSE, 0, 0);
    ASSERT_NE(App().Frame(), nullptr);
    EXPECT_EQ(qvtest::LogLines(), (std::vector<std::wstring>{L"QV2BoardView:OnPrepareExit 1", L"QV2R:OnPrepareExit 0"}));
    SetSetting(L"StubPrepareExit.QV2R", L"1");
    CloseAndExit();
    EXPECT_EQ(App().Frame(), nullptr);
}

TEST_F(StartupTest, Registrations_ofPluginsAndTheViewerItself)
{
    ASSERT_TRUE(Start(L"/se /s StubRegister.QV2R=1"));
    // The viewer's own two report pages come first: printer, then export.
    ASSERT_EQ(gPlugins->OptionPages(2).size(), 2u);
    EXPECT_STREQ(gPlugins->OptionPages(2)[0].Name, L"Printer");
    EXPECT_STREQ(gPlugins->OptionPages(2)[1].Name, L"Export");
    EXPECT_STREQ(gPlugins->OptionPages(2)[0].Description, L"");
    EXPECT_NE(gPlugins->FindReport(L"QV2R report"), nullptr);
    EXPECT_GE(qvtest::LogIndex(L"QV2R:RegisterReport 1"), 0);
    EXPECT_GE(qvtest::LogIndex(L"QV2R:RegisterCommand 61000"), 0);

    // The page callbacks make child pages of a given parent (the printer page needs the real
    // controls library, which this start-up does not load).
    PageRecord page{};
    HWND parent = App().Frame()->Hwnd();
    EXPECT_NE(gPlugins->OptionPages(2)[1].CreatePage(parent, 200, 100, &page), 0);
    EXPECT_NE(page.Page, nullptr);
    EXPECT_EQ(GetParent(page.Page), parent);
    EXPECT_STREQ(page.Title, L"Export options");
    EXPECT_EQ(gPlugins->OptionPages(2)[0].CreatePage(parent, 200, 100, nullptr), 0);

    // Plug-in commands run from the main frame's command ids.
    qvtest::ClearLog();
    SendMessageW(App().Frame()->Hwnd(), WM_COMMAND, MAKEWPARAM(61000, 0), 0);
    EXPECT_EQ(qvtest::LogLines(), (std::vector<std::wstring>{L"QV2R:command executed"}));
    // No file-option or administration pages: their menu items are gone.
    HMENU menu = App().Frame()->Menu();
    EXPECT_EQ(GetMenuState(menu, 32821, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuState(menu, 32822, MF_BYCOMMAND), static_cast<UINT>(-1));
    CloseAndExit();
}

TEST_F(StartupTest, BoardView_theStandInRegistersAndAnswersViewMessages)
{
    ASSERT_TRUE(program.Copy(qvtest::BinFolder() + L"QV2BoardView.dll", L"QV2BoardView.dll"));
    ASSERT_TRUE(Start(L"/se"));
    HWND board = App().Frame()->View().BoardWindow();
    ASSERT_NE(board, nullptr);
    wchar_t className[64] = {};
    GetClassNameW(board, className, 64);
    EXPECT_STREQ(className, L"QvBoardView");

    TDateTime date(TDate(1u), 0, true);
    SendMessageArgs ask{WM_MAINWND_VIEWDATE, 0, reinterpret_cast<LPARAM>(&date)};
    EXPECT_EQ(QV2A_Command(L"SendMessageToMainWnd", &ask), 1);
    EXPECT_TRUE(date.date.IsReal()); // no project period: the board starts today

    TDateTime moveTo(TDate(TDate::FromYMD(3, 2026, 2)), 0, false);
    SendMessageArgs move{WM_MAINWND_VIEWDATE, 1, reinterpret_cast<LPARAM>(&moveTo)};
    EXPECT_EQ(QV2A_Command(L"SendMessageToMainWnd", &move), 1);
    TDateTime from(TDate(1u), 0, true);
    TDateTime to(TDate(1u), 0, true);
    SendMessageArgs period{WM_MAINWND_VIEWPERIOD, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to)};
    EXPECT_EQ(QV2A_Command(L"SendMessageToMainWnd", &period), 1);
    EXPECT_EQ(static_cast<uint32_t>(from.date), TDate::FromYMD(3, 2026, 2));
    EXPECT_GT(static_cast<uint32_t>(to.date), static_cast<uint32_t>(from.date));
    CloseAndExit();
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
