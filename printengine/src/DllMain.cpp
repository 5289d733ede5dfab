// Entry point of the print engine: keeps the module handle for its resources.
#include "RuntimeReady.h"

#include <windows.h>

HINSTANCE gPrintEngineModule = nullptr;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        gPrintEngineModule = instance;
        DisableThreadLibraryCalls(instance);
        ReadyRuntimeForThread();
    }
    return TRUE;
}
