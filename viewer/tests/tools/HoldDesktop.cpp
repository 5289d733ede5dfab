// Starts Wine's desktop for a run of the scripts and keeps it up until the run ends; scripts/wine-env
// starts it with its output going nowhere and lets no program run before the desktop is up.
// Wine starts the desktop process (explorer) itself when a program first needs the desktop window,
// but gives it 10 seconds: on a busy emulated machine it is not up by then, Wine says "The explorer
// process failed to start", and every window that program makes fails (no display driver). Started
// here, the desktop is waited for as long as it takes.
// Wine also closes a desktop a moment after the last program with windows ends; the next program
// that makes a window would start it again, with that program's output, and ctest would wait on the
// desktop long after the test itself ended. Holding the desktop keeps it until the end.
//   HoldDesktop READY-FILE LIMIT-SECONDS
// Once the desktop is up and managed, makes READY-FILE, then runs until the script stops it or the
// Wine server ends. Ends at once with 2 for bad arguments, 3 when the desktop process does not
// start, 4 when it is not up within the limit, 5 when the desktop window has no desktop process.
#include <windows.h>

#include <cwchar>
#include <cwctype>

namespace {

// Wine's own desktop process, started as Wine starts it, without our handles.
HANDLE StartDesktopProcess()
{
    wchar_t commandLine[] = L"C:\\windows\\system32\\explorer.exe /desktop";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, L"C:\\windows\\system32",
                        &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3 || !std::iswdigit(argv[2][0]))
        return 2;
    const DWORD limitMs = static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)) * 1000;
    HANDLE desktopProcess = StartDesktopProcess();
    if (!desktopProcess)
        return 3;
    // The desktop process makes the desktop window before it first waits for input. One that finds
    // a desktop already there ends at once.
    if (WaitForInputIdle(desktopProcess, limitMs) == WAIT_TIMEOUT)
        return 4;
    CloseHandle(desktopProcess);
    // A desktop window that Wine made without a desktop process would be this program's own.
    DWORD owner = 0;
    if (!GetWindowThreadProcessId(GetDesktopWindow(), &owner) || !owner || owner == GetCurrentProcessId())
        return 5;
    HANDLE ready = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (ready == INVALID_HANDLE_VALUE)
        return 2;
    CloseHandle(ready);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    }
    return 0;
}
