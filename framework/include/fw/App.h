#pragma once
// CApp: the one application object of a program. It runs start-up (InitInstance), the message
// loop with its idle refresh of command states, and teardown (ExitInstance); it keeps the
// application name, the profile and the recent-file list.

#include "fw/CommandState.h"
#include "fw/Profile.h"
#include "fw/RecentFileList.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace fw {

class CFrameWindow;

class CApp {
public:
    CApp();
    virtual ~CApp();
    CApp(const CApp&) = delete;
    CApp& operator=(const CApp&) = delete;

    // The application object that lives now; null outside its lifetime.
    static CApp* Current();

    // InitInstance, then (when it succeeded) the message loop, then ExitInstance, whose result
    // is returned. ExitInstance runs also after a failed start-up, so it frees what was loaded.
    int Run();

    virtual bool InitInstance() = 0;
    // Saves the recent-file list to the profile (unless hidden from it) and returns the exit code.
    virtual int ExitInstance();

    // Runs until WM_QUIT; returns its exit code.
    int RunMessageLoop();
    // Called when the queue is empty; return true to be called again before the next message.
    virtual bool OnIdle(long count);

    // Commands that no frame handled; true when handled.
    virtual bool OnCommand(UINT id);
    virtual void UpdateCommand(CCommandState& state);

    const std::wstring& AppName() const { return m_appName; }
    void SetAppName(std::wstring name) { m_appName = std::move(name); }

    CProfile& Profile() { return m_profile; }
    // The profile lives in the registry under HKCU\Software\<key>\<application name>.
    void SetRegistryKey(const std::wstring& key);
    const std::wstring& RegistryKey() const { return m_registryKey; }

    // Creates the recent-file list with `maxRecentFiles` slots (none when 0 or less; at most 16)
    // and reads it from the profile; nothing when a list exists already.
    void LoadStdProfileSettings(int maxRecentFiles);
    CRecentFileList* RecentFiles() { return m_recentFiles.get(); }
    void AddToRecentFileList(const std::wstring& path);
    // false keeps the framework's exit from writing the list to the profile.
    void SetSaveRecentFilesOnExit(bool save) { m_saveRecentFiles = save; }

    // The main frame: not owned (frames delete themselves); cleared when it is destroyed.
    CFrameWindow* MainFrame() const { return m_mainFrame; }
    void SetMainFrame(CFrameWindow* frame) { m_mainFrame = frame; }
    void OnFrameDestroyed(CFrameWindow* frame);

    // Top-level modeless dialogs whose keyboard navigation the loop serves.
    void AddModeless(HWND dialog);
    void RemoveModeless(HWND dialog);

    // The application's printer settings (device mode and names as movable global memory, owned
    // by the application); fetched from the default printer without a dialog the first time.
    // false when there is no printer.
    bool GetPrinterDeviceDefaults(HGLOBAL& devMode, HGLOBAL& devNames);
    // Takes over new settings (from the print dialog); the old ones are freed.
    void SetPrinterDeviceDefaults(HGLOBAL devMode, HGLOBAL devNames);

    int ExitCode() const { return m_exitCode; }
    void SetExitCode(int code) { m_exitCode = code; }

private:
    bool PreTranslate(MSG& msg);

    std::wstring m_appName;
    std::wstring m_registryKey;
    CProfile m_profile;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    bool m_saveRecentFiles = true;
    CFrameWindow* m_mainFrame = nullptr; // not owned
    std::vector<HWND> m_modeless;
    HGLOBAL m_devMode = nullptr;  // owned
    HGLOBAL m_devNames = nullptr; // owned
    int m_exitCode = 0;
};

} // namespace fw
