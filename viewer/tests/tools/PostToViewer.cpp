// Drives a running viewer from outside for scripts/run: posts a command to its main window, or
// opens one of its menus by the menu's access letter.
//   PostToViewer command ID
//   PostToViewer menu LETTER
//   PostToViewer window
//   PostToViewer close
// Exit code 0 when the message was posted, 1 for bad arguments, 2 when no viewer window exists.
// "window" tells how far a starting viewer is: 0 when its main window shows, 3 when a message box
// shows instead (or over it), 2 when neither does yet. The window's title is no guide: while the
// viewer starts, its main window carries the plain title its message boxes carry.
// "close" asks the main window to close, as its close box would (taskkill finds no process by
// name when 32-bit Wine runs under qemu).
#include <windows.h>

#include <cwchar>
#include <cwctype>

namespace {

BOOL CALLBACK FindMessageBox(HWND window, LPARAM found)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (IsWindowVisible(window) && std::wcscmp(name, L"#32770") == 0) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

int WindowState()
{
    bool message = false;
    EnumWindows(FindMessageBox, reinterpret_cast<LPARAM>(&message));
    if (message)
        return 3;
    HWND frame = FindWindowW(L"QvFrameWindow", nullptr);
    return frame && IsWindowVisible(frame) ? 0 : 2;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 2 && std::wcscmp(argv[1], L"window") == 0)
        return WindowState();
    if (argc == 2 && std::wcscmp(argv[1], L"close") == 0) {
        HWND frame = FindWindowW(L"QvFrameWindow", nullptr);
        return frame && PostMessageW(frame, WM_CLOSE, 0, 0) ? 0 : 2;
    }
    if (argc != 3)
        return 1;
    HWND frame = FindWindowW(L"QvFrameWindow", nullptr);
    if (!frame)
        return 2;
    if (std::wcscmp(argv[1], L"command") == 0) {
        const long id = std::wcstol(argv[2], nullptr, 10);
        if (id <= 0 || id > 0xFFFF)
            return 1;
        return PostMessageW(frame, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0) ? 0 : 2;
    }
    if (std::wcscmp(argv[1], L"menu") == 0 && argv[2][0]) {
        // The frame must be in front for its menu to open.
        SetForegroundWindow(frame);
        const wchar_t letter = static_cast<wchar_t>(std::towlower(argv[2][0]));
        return PostMessageW(frame, WM_SYSCOMMAND, SC_KEYMENU, letter) ? 0 : 2;
    }
    return 1;
}
