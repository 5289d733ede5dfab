// Application object: start-up, message loop, teardown.
#include "fw/App.h"

#include "fw/FrameWindow.h"

#include "fw/Printer.h"

#include <algorithm>

namespace fw {

namespace {
CApp* gCurrentApp = nullptr;
constexpr UINT kFirstRecentFileCommand = 0xE110; // the numbered File-menu entries
}

CApp::CApp()
{
    gCurrentApp = this;
}

CApp::~CApp()
{
    if (m_devMode)
        GlobalFree(m_devMode);
    if (m_devNames)
        GlobalFree(m_devNames);
    if (gCurrentApp == this)
        gCurrentApp = nullptr;
}

CApp* CApp::Current()
{
    return gCurrentApp;
}

int CApp::Run()
{
    bool started = false;
    try {
        started = InitInstance();
    } catch (...) {
        started = false;
    }
    if (started)
        m_exitCode = RunMessageLoop();
    else
        m_exitCode = 1;
    try {
        return ExitInstance();
    } catch (...) {
        return 1;
    }
}

int CApp::ExitInstance()
{
    if (m_recentFiles && m_saveRecentFiles)
        m_recentFiles->WriteList(m_profile);
    return m_exitCode;
}

bool CApp::PreTranslate(MSG& msg)
{
    if (m_mainFrame && m_mainFrame->PreTranslateMessage(msg))
        return true;
    for (HWND dialog : m_modeless) {
        if (IsWindow(dialog) && IsDialogMessageW(dialog, &msg))
            return true;
    }
    return false;
}

int CApp::RunMessageLoop()
{
    MSG msg{};
    bool idle = true;
    long idleCount = 0;
    for (;;) {
        while (idle && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = false;
        }
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(msg.wParam);
        if (got < 0)
            return 1;
        if (!PreTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        // Mouse moves and timer ticks alone do not call for a new refresh of the command states.
        if (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE && msg.message != WM_TIMER &&
            msg.message != WM_PAINT) {
            idle = true;
            idleCount = 0;
        }
    }
}

bool CApp::OnIdle(long count)
{
    if (count == 0 && m_mainFrame)
        m_mainFrame->UpdateCommandStates();
    return false;
}

bool CApp::OnCommand(UINT)
{
    return false;
}

void CApp::UpdateCommand(CCommandState& state)
{
    if (state.id >= kFirstRecentFileCommand && state.id < kFirstRecentFileCommand + CRecentFileList::kMaxSize &&
        !m_recentFiles)
        state.Enable(false);
}

void CApp::SetRegistryKey(const std::wstring& key)
{
    m_registryKey = key;
    m_profile.UseRegistry(key, m_appName);
}

void CApp::LoadStdProfileSettings(int maxRecentFiles)
{
    if (m_recentFiles || maxRecentFiles <= 0)
        return;
    m_recentFiles = std::make_unique<CRecentFileList>(L"Recent File List", L"File%d",
                                                      std::min(maxRecentFiles, CRecentFileList::kMaxSize),
                                                      kFirstRecentFileCommand);
    m_recentFiles->ReadList(m_profile);
}

void CApp::AddToRecentFileList(const std::wstring& path)
{
    if (m_recentFiles)
        m_recentFiles->Add(path);
}

void CApp::OnFrameDestroyed(CFrameWindow* frame)
{
    if (frame != m_mainFrame)
        return;
    m_mainFrame = nullptr;
    PostQuitMessage(0);
}

void CApp::AddModeless(HWND dialog)
{
    if (std::find(m_modeless.begin(), m_modeless.end(), dialog) == m_modeless.end())
        m_modeless.push_back(dialog);
}

void CApp::RemoveModeless(HWND dialog)
{
    m_modeless.erase(std::remove(m_modeless.begin(), m_modeless.end(), dialog), m_modeless.end());
}

} // namespace fw

namespace fw {

bool CApp::GetPrinterDeviceDefaults(HGLOBAL& devMode, HGLOBAL& devNames)
{
    if (!m_devMode || !m_devNames) {
        HGLOBAL mode = nullptr;
        HGLOBAL names = nullptr;
        if (!Printer().GetDefaults(mode, names))
            return false;
        SetPrinterDeviceDefaults(mode, names);
    }
    devMode = m_devMode;
    devNames = m_devNames;
    return m_devMode != nullptr;
}

void CApp::SetPrinterDeviceDefaults(HGLOBAL devMode, HGLOBAL devNames)
{
    if (m_devMode && m_devMode != devMode)
        GlobalFree(m_devMode);
    if (m_devNames && m_devNames != devNames)
        GlobalFree(m_devNames);
    m_devMode = devMode;
    m_devNames = devNames;
}

} // namespace fw
