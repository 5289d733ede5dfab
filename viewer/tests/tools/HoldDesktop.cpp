// Keeps Wine's desktop process up for a whole run of the scripts (scripts/wine-env starts it with
// its output going nowhere). Wine closes the desktop a moment after the last program with windows
// ends; the next program that makes a window then starts it again, and the desktop inherits that
// program's output, so ctest would wait on the desktop long after the test itself ended.
// Runs until the script that started it stops it or the Wine server ends.
#include <windows.h>

int wmain()
{
    GetDesktopWindow();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    }
    return 0;
}
