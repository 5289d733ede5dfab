// A library whose start-up refuses to run: loading it for execution fails, so a list that shows
// it can only have read it as a file.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    return reason == DLL_PROCESS_ATTACH ? FALSE : TRUE;
}
