// Entry point of the report plug-in: keeps its module and binds the host API, refusing the load
// when the host lacks part of it.
#include "plugin/ReportsApp.h"

#include "RuntimeReady.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        gReportsModule = instance;
        DisableThreadLibraryCalls(instance);
        ReadyRuntimeForThread();
        // Binding looks up exports of the already loaded main program only, which is safe while
        // the loader lock is held.
        try {
            return ReportsApp().InitInstance() ? TRUE : FALSE;
        } catch (...) {
            return FALSE;
        }
    }
    return TRUE;
}
