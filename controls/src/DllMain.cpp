// Entry point of the window-controls library: registers its window classes while it loads and
// removes them when it is unloaded.
#include "Library.h"
#include "RuntimeReady.h"

#include <windows.h>
#include <commctrl.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        ReadyRuntimeForThread();
        rkcc::RegisterControlClasses();
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // FreeLibrary: the process goes on and must not keep classes whose code is gone. At
        // process exit (reserved set) the system removes them itself.
        rkcc::UnregisterControlClasses();
    }
    return TRUE;
}
