// Entry point of the window-controls library: keeps the module handle for its resources.
#include <windows.h>

HINSTANCE gControlsModule = nullptr;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        gControlsModule = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
