// Entry point of the report plug-in: keeps the module handle for its resources.
#include <windows.h>

HINSTANCE gReportsModule = nullptr;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        gReportsModule = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
