// Stand-in plug-in that takes the process's address space when the viewer starts it, as a large
// project or a greedy plug-in would: at QV2Plugin_OnStart it reserves all of it but the number of
// MB in the environment variable QV_TEST_ADDRESS_LEFT_MB, and keeps it until it exits. With
// QV_TEST_WATCH_WINDOWS=1 a thread of its own also reads the text of every window of the process
// over and over, as a plug-in that watches the viewer's windows does.
#include "QV2PluginInterface.h"
#include "ScarceAddressSpace.h"

#include <windows.h>

#include <cstdlib>
#include <optional>

namespace {

std::optional<qvtest::ScarceAddressSpace> gTaken;
HANDLE gWatcher = nullptr;
HANDLE gStop = nullptr;

BOOL CALLBACK ReadChildText(HWND hwnd, LPARAM)
{
    wchar_t text[256];
    GetWindowTextW(hwnd, text, 256);
    return TRUE;
}

BOOL CALLBACK ReadWindowText(HWND hwnd, LPARAM)
{
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != GetCurrentProcessId())
        return TRUE;
    wchar_t text[256];
    GetWindowTextW(hwnd, text, 256);
    EnumChildWindows(hwnd, &ReadChildText, 0);
    return TRUE;
}

DWORD WINAPI Watch(void*)
{
    while (WaitForSingleObject(gStop, 10) == WAIT_TIMEOUT)
        EnumWindows(&ReadWindowText, 0);
    return 0;
}

std::size_t EnvNumber(const wchar_t* name)
{
    wchar_t text[32] = {};
    if (!GetEnvironmentVariableW(name, text, 32))
        return 0;
    return static_cast<std::size_t>(_wtoi(text));
}

void StopWatching()
{
    if (!gWatcher)
        return;
    SetEvent(gStop);
    WaitForSingleObject(gWatcher, INFINITE);
    CloseHandle(gWatcher);
    CloseHandle(gStop);
    gWatcher = gStop = nullptr;
}

} // namespace

#define STUB_EXPORT extern "C" __declspec(dllexport)

STUB_EXPORT int QV2_CALL QV2Plugin_OnPluginInfo(const wchar_t*, const wchar_t*, const wchar_t*, HINSTANCE, PluginInfo*)
{
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnStart(wqv2_data::CData*)
{
    if (EnvNumber(L"QV_TEST_WATCH_WINDOWS")) {
        gStop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        gWatcher = CreateThread(nullptr, 0, &Watch, nullptr, 0, nullptr);
    }
    // Left where a program that grew until that much was left leaves it, with no more for Wine's
    // own side than that.
    gTaken.emplace(EnvNumber(L"QV_TEST_ADDRESS_LEFT_MB") << 20, 0, 0);
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnExit()
{
    StopWatching();
    gTaken.reset();
    return 1;
}
