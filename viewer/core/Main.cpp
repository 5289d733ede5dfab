// Program entry point: the process-wide objects around one run of the application.
#include "MainApp.h"
#include "ProcessObjects.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    CProcessObjects objects;
    return objects.App().Run();
}
