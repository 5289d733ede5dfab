// Entry point of the resource library: keeps the module handle for its resources.
#include <windows.h>

HINSTANCE gResourceModule = nullptr;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        gResourceModule = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
