// Entry point of the data library. The library finds its own module from its code address
// (ModuleResources), so nothing is kept here.
#include "RuntimeReady.h"

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        ReadyRuntimeForThread();
    }
    return TRUE;
}
