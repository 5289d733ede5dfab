#include "HostFifo.h"

#include "Waiting.h"

#include <windows.h>

#include <initializer_list>

namespace qvtest {
namespace {

using UnixNameFn = char*(__cdecl*)(const wchar_t*);
using DosNameFn = wchar_t*(__cdecl*)(const char*);

// Makes the pipe with the host's mkfifo; false where the program does not run under Wine or the
// pipe could not be made.
bool MakeHostFifo(const std::wstring& path)
{
    // Wine's own exports translate between its Windows paths and the host's.
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    auto unixName = reinterpret_cast<UnixNameFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_unix_file_name")));
    auto dosName = reinterpret_cast<DosNameFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_dos_file_name")));
    if (!unixName || !dosName)
        return false;
    char* target = unixName(path.c_str());
    wchar_t* mkfifo = dosName("/usr/bin/mkfifo");
    bool made = false;
    if (target && mkfifo) {
        // Wine starts a host program as it would a Windows one, its arguments split the same way.
        wchar_t hostPath[MAX_PATH * 4] = {};
        MultiByteToWideChar(CP_UTF8, 0, target, -1, hostPath, MAX_PATH * 4 - 1);
        std::wstring commandLine = L"mkfifo \"" + std::wstring(hostPath) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (CreateProcessW(mkfifo, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &process)) {
            // Wine hands out no handle of a host program to wait on: the pipe appears when the
            // program is done.
            if (process.hThread)
                CloseHandle(process.hThread);
            if (process.hProcess)
                CloseHandle(process.hProcess);
            made = WaitUntil(
                [&] {
                    WIN32_FIND_DATAW found;
                    HANDLE search = FindFirstFileW(path.c_str(), &found);
                    if (search == INVALID_HANDLE_VALUE)
                        return false;
                    FindClose(search);
                    return true;
                },
                Patience(60000), 10);
        }
    }
    HeapFree(GetProcessHeap(), 0, target);
    HeapFree(GetProcessHeap(), 0, mkfifo);
    return made;
}

} // namespace

SilentHostFifo::SilentHostFifo(const std::wstring& path)
{
    if (!MakeHostFifo(path))
        return;
    // The writer's open needs a reader already there.
    for (void** end : {&reader_, &writer_}) {
        HANDLE handle = CreateFileW(path.c_str(), end == &reader_ ? GENERIC_READ : GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        *end = handle == INVALID_HANDLE_VALUE ? nullptr : handle;
    }
}

SilentHostFifo::~SilentHostFifo()
{
    for (void* end : {writer_, reader_}) {
        if (end)
            CloseHandle(end);
    }
}

} // namespace qvtest
