#pragma once
// Stand-in libraries for the viewer's tests log every call they receive through the function
// QvTestLog that the test program exports; in any other program they log nothing. Each line
// starts with the library's own file name without its extension.

#include <windows.h>

#include <string>

namespace stub {

inline HMODULE& SelfModule()
{
    static HMODULE module = nullptr;
    return module;
}

inline std::wstring SelfName()
{
    wchar_t path[1024] = {};
    GetModuleFileNameW(SelfModule(), path, 1024);
    std::wstring name = path;
    const size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name.erase(0, slash + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos)
        name.erase(dot);
    return name;
}

inline void Log(const std::wstring& event)
{
    using LogFn = void(__cdecl*)(const wchar_t*);
    auto log = reinterpret_cast<LogFn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(nullptr), "QvTestLog")));
    if (log)
        log((SelfName() + L":" + event).c_str());
}

// A host function of the program that loaded the stub, or null.
template <class Fn>
Fn Host(const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(nullptr), name)));
}

} // namespace stub

#define QV_STUB_DLLMAIN                                              \
    BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)    \
    {                                                                \
        if (reason == DLL_PROCESS_ATTACH) {                          \
            stub::SelfModule() = instance;                           \
            stub::Log(L"attach");                                    \
        } else if (reason == DLL_PROCESS_DETACH) {                   \
            stub::Log(L"detach");                                    \
        }                                                            \
        return TRUE;                                                 \
    }
