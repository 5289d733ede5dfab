#pragma once
// The real viewer as its own process, for the end-to-end tests: finding its windows, saying why
// it has none, and closing it as a user would.

#include "TestSupport.h"
#include "Waiting.h"

#include <windows.h>

#include <string>

namespace qvtest {

// Only against a hang; nothing is measured (a start takes a few seconds natively).
inline DWORD GuardMs()
{
    return Patience(60000);
}

struct FoundWindow {
    DWORD process = 0;
    const wchar_t* className = nullptr;
    HWND hwnd = nullptr;
};

inline BOOL CALLBACK FindProcessWindow(HWND hwnd, LPARAM lp)
{
    auto* find = reinterpret_cast<FoundWindow*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (process == find->process && wcscmp(name, find->className) == 0) {
        find->hwnd = hwnd;
        return FALSE;
    }
    return TRUE;
}

inline HWND TopLevelWindow(DWORD process, const wchar_t* className)
{
    FoundWindow find{process, className, nullptr};
    EnumWindows(&FindProcessWindow, reinterpret_cast<LPARAM>(&find));
    return find.hwnd;
}

// The texts of a message box, to say why start-up stopped.
inline BOOL CALLBACK CollectText(HWND hwnd, LPARAM lp)
{
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    if (*text)
        *reinterpret_cast<std::wstring*>(lp) += std::wstring(text) + L" ";
    return TRUE;
}

inline std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

// A viewer process started on a command line, with its main window once it is up.
class CViewerProcess {
public:
    CViewerProcess(const std::wstring& bin, std::wstring commandLine)
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, bin.c_str(),
                                 &startup, &m_process) != FALSE;
        if (!started)
            return;
        // The main window, a message box instead, or the viewer's end.
        WaitUntil(
            [this] {
                frame = TopLevelWindow(m_process.dwProcessId, L"QvFrameWindow");
                if (HWND box = TopLevelWindow(m_process.dwProcessId, L"#32770")) {
                    EnumChildWindows(box, &CollectText, reinterpret_cast<LPARAM>(&said));
                    return true;
                }
                return frame || WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0;
            },
            GuardMs(), 100);
        if (frame) {
            // The window is up; give start-up the time to finish before looking at it.
            WaitForInputIdle(m_process.hProcess, GuardMs());
        }
    }
    // A viewer the test did not close is ended, and waited for: it ends with the test.
    ~CViewerProcess()
    {
        if (!started)
            return;
        if (WaitForSingleObject(m_process.hProcess, 0) != WAIT_OBJECT_0) {
            TerminateProcess(m_process.hProcess, 1);
            WaitForSingleObject(m_process.hProcess, GuardMs());
        }
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    CViewerProcess(const CViewerProcess&) = delete;
    CViewerProcess& operator=(const CViewerProcess&) = delete;

    // Why there is no window: the message the viewer shows, or its exit code.
    std::string WhyNoWindow() const
    {
        DWORD ended = STILL_ACTIVE;
        GetExitCodeProcess(m_process.hProcess, &ended);
        return ended == STILL_ACTIVE ? "the viewer said: " + Narrow(said)
                                     : "the viewer ended with code " + std::to_string(ended);
    }
    // Closes the main window as the user would; the exit code, or -1 when it does not end.
    long CloseAndWait()
    {
        PostMessageW(frame, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_process.hProcess, GuardMs()) != WAIT_OBJECT_0)
            return -1;
        DWORD exitCode = 1;
        GetExitCodeProcess(m_process.hProcess, &exitCode);
        return static_cast<long>(exitCode);
    }

    bool started = false;
    HWND frame = nullptr;
    std::wstring said;

private:
    PROCESS_INFORMATION m_process{};
};

} // namespace qvtest
