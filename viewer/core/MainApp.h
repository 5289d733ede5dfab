#pragma once
// CMainApp: the viewer's application object. InitInstance runs the whole start-up in a fixed
// order (program folder, command line, resource library, the controls, data and print-engine
// libraries, plug-ins, settings, start file, main frame); ExitInstance frees everything in the
// reverse direction. It also answers the About and recent-file commands.

#include "Plugins.h"
#include "fw/App.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CMainFrame;
class CUndoManagerInt;

// What start-up takes from its surroundings; tests replace each part.
struct CStartupEnvironment {
    std::wstring programFolder;       // empty: the folder of the running program
    std::wstring commandLine;         // the whole command line; empty: the process's own
    std::function<bool()> isShiftDown; // null: the keyboard's state
    std::wstring profileFile;         // non-empty: the application profile lives in this ini file
};

class CMainApp : public fw::CApp {
public:
    CMainApp();
    ~CMainApp() override;

    void SetEnvironment(CStartupEnvironment environment) { m_environment = std::move(environment); }

    bool InitInstance() override;
    int ExitInstance() override;
    bool OnCommand(UINT id) override;

    // The program folder without its trailing backslash.
    std::wstring GetProgramFolder() const;
    std::wstring GetProductName() const { return m_productName; }
    std::wstring GetProductVersion() const { return m_productVersion; }
    const std::wstring& StartFile() const { return m_startFile; }
    const std::wstring& CommandLineText() const { return m_commandLineText; }
    const std::vector<std::wstring>& SettingsFiles() const { return m_settingsFiles; }

    HMODULE ResourceModule() const { return m_resourceModule; }
    HMODULE DataModule() const { return m_dataModule; }
    HMODULE ControlsModule() const { return m_controlsModule; }
    HMODULE PrintEngineModule() const { return m_printEngineModule; }

    // The main frame while it exists.
    CMainFrame* Frame() const;

    // Opens entry `index` of the recent-file list; false (with message 900) when the entry does
    // not name an existing file.
    bool OpenRecentFile(int index);

private:
    void SetUpProgramFolder();
    void ParseCommandLine();
    void ReadProductVersion();
    bool LoadResourceLibrary();
    bool BindLibraries();
    bool BindControls(const std::wstring& file);
    bool BindData(const std::wstring& file);
    bool BindPrintEngine(const std::wstring& file);
    bool LoadAllPlugins();
    void ReadSettings();
    void HandFormatsToControls();
    void ChooseStartFile();
    bool CreateMainFrame();
    void ShowLibraryError(UINT messageId, const std::wstring& file);
    HMODULE LoadLibraryFromProgramFolder(const std::wstring& file);
    bool IsShiftDown() const;

    CStartupEnvironment m_environment;
    HMODULE m_dataModule = nullptr;
    HMODULE m_controlsModule = nullptr;
    HMODULE m_resourceModule = nullptr;
    HMODULE m_printEngineModule = nullptr;
    std::wstring m_productName;
    std::wstring m_productVersion;
    std::wstring m_translation;
    std::wstring m_programFolder; // with the trailing backslash
    std::wstring m_launchFolder;  // the current directory before start-up changed it
    std::wstring m_startFile;
    std::wstring m_commandLineText;
    std::vector<std::wstring> m_settingsFiles;
    std::unique_ptr<CUndoManagerInt> m_undoManager;
};
