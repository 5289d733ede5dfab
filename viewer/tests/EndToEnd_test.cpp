// The real viewer with the real libraries and plug-ins, started as its own process under the
// virtual display: its main window appears with the project in its title, and it closes cleanly.
#include "TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DWORD kGuardMs = 60000; // only against a hang; nothing is measured

struct FoundWindow {
    DWORD process = 0;
    const wchar_t* className = nullptr;
    HWND hwnd = nullptr;
};

BOOL CALLBACK FindProcessWindow(HWND hwnd, LPARAM lp)
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

HWND TopLevelWindow(DWORD process, const wchar_t* className)
{
    FoundWindow find{process, className, nullptr};
    EnumWindows(&FindProcessWindow, reinterpret_cast<LPARAM>(&find));
    return find.hwnd;
}

// The texts of a message box, to say why start-up stopped.
BOOL CALLBACK CollectText(HWND hwnd, LPARAM lp)
{
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    if (*text)
        *reinterpret_cast<std::wstring*>(lp) += std::wstring(text) + L" ";
    return TRUE;
}

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

TEST(EndToEnd, ViewerStartsShowsItsProjectAndClosesCleanly)
{
    const std::wstring bin = qvtest::BinFolder();
    qvtest::CTempFolder folder;
    const std::wstring sample = qvtest::TestProgramFolder() + L"viewer_e2e\\sample.wqv";
    ASSERT_NE(GetFileAttributesW(sample.c_str()), INVALID_FILE_ATTRIBUTES) << "the sample project is copied beside the test";
    const std::wstring ini = folder.File(L"viewer.ini");
    std::wstring commandLine = L"\"" + bin + L"Win-Quorvia2-Viewer.exe\" /i \"" + ini + L"\" ";
    commandLine += L"\"" + sample + L"\"";

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, bin.c_str(), &startup,
                               &process));

    HWND frame = nullptr;
    std::wstring stopped;
    for (DWORD waited = 0; waited < kGuardMs && !frame; waited += 100) {
        frame = TopLevelWindow(process.dwProcessId, L"QvFrameWindow");
        if (HWND box = TopLevelWindow(process.dwProcessId, L"#32770")) {
            EnumChildWindows(box, &CollectText, reinterpret_cast<LPARAM>(&stopped));
            break;
        }
        if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0)
            break;
    }
    if (!frame) {
        DWORD ended = STILL_ACTIVE;
        GetExitCodeProcess(process.hProcess, &ended);
        TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        FAIL() << "no main window; " << (ended == STILL_ACTIVE ? "the viewer said: " + Narrow(stopped)
                                                               : "the viewer ended with code " + std::to_string(ended));
    }
    // The window is up; give start-up the time to finish before looking at it.
    WaitForInputIdle(process.hProcess, kGuardMs);

    wchar_t title[1024] = {};
    GetWindowTextW(frame, title, 1024);
    EXPECT_NE(std::wstring(title).find(L"sample.wqv"), std::wstring::npos) << Narrow(title);
    EXPECT_TRUE(IsWindowVisible(frame));
    HWND view = FindWindowExW(frame, nullptr, L"QvMainView", nullptr);
    ASSERT_NE(view, nullptr);
    EXPECT_NE(FindWindowExW(view, nullptr, L"QvBoardView", nullptr), nullptr);

    PostMessageW(frame, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, kGuardMs), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // Closing saved the viewer's keys to the initialization file.
    EXPECT_NE(qvtest::ReadFileBytes(ini).find("[Basic]"), std::string::npos);
}

} // namespace
