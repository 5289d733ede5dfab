// Entry point of the data library: keeps the module handle for the library's own resources.
#include <windows.h>

HINSTANCE gDataModule = nullptr;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        gDataModule = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
