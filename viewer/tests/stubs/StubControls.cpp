// Stand-in for the window-controls library: logs the formats and options it is handed.
// Variant STUB_CONTROLS_BARE: no exports at all.
#include "StubLog.h"

QV_STUB_DLLMAIN

#ifndef STUB_CONTROLS_BARE
extern "C" __declspec(dllexport) int __cdecl rkcc2_setappreshandle(HINSTANCE resources)
{
    stub::Log(resources ? L"setappreshandle module" : L"setappreshandle null");
    return 1;
}

extern "C" __declspec(dllexport) int __cdecl rkcc2_setdateformat(const wchar_t* picture)
{
    stub::Log(std::wstring(L"setdateformat ") + (picture ? picture : L""));
    return 1;
}

extern "C" __declspec(dllexport) int __cdecl rkcc2_settimeformat(const wchar_t* picture)
{
    stub::Log(std::wstring(L"settimeformat ") + (picture ? picture : L""));
    return 1;
}

extern "C" __declspec(dllexport) int __cdecl rkcc2_setoption(int group, int id, void* value)
{
    const int flag = value ? *static_cast<unsigned char*>(value) : -1;
    stub::Log(L"setoption " + std::to_wstring(group) + L" " + std::to_wstring(id) + L" " + std::to_wstring(flag));
    return 1;
}
#endif
