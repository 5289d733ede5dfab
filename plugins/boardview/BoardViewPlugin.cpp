// Entry points of the stand-in board view.
#include "BoardWindow.h"
#include "HostFunctions.h"
#include "RuntimeReady.h"
#include "WideCopy.h"

#include <memory>
#include <string>
#include <vector>

CHostFunctions gHost;
wqv2_data::CData* gRoot = nullptr;

namespace {

HINSTANCE gModule = nullptr;
std::unique_ptr<CBoardWindow> gBoard; // the one board window; it dies with the main view

template <class Fn>
bool BindOne(HMODULE program, const char* name, Fn& fn)
{
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(program, name)));
    return fn != nullptr;
}

std::wstring OwnVersionValue(const wchar_t* key)
{
    wchar_t path[2048] = {};
    if (!GetModuleFileNameW(gModule, path, 2048))
        return {};
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &handle);
    if (size == 0)
        return {};
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoW(path, 0, size, block.data()))
        return {};
    WORD* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < 4)
        return {};
    wchar_t query[128];
    swprintf(query, 128, L"\\StringFileInfo\\%04hX%04hX\\%ls", translation[0], translation[1], key);
    wchar_t* value = nullptr;
    if (!VerQueryValueW(block.data(), query, reinterpret_cast<void**>(&value), &length) || !value)
        return {};
    return value;
}

void RefreshBoard()
{
    if (gBoard)
        gBoard->Refresh();
}

} // namespace

bool CHostFunctions::Bind()
{
    HMODULE program = GetModuleHandleW(nullptr);
    return program && BindOne(program, "QV2A_Register", Register) &&
           BindOne(program, "QV2A_GetCurrentFilter", GetCurrentFilter) &&
           BindOne(program, "QV2A_Command", Command) && BindOne(program, "QV2A_GetSetting", GetSetting);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        gModule = instance;
        DisableThreadLibraryCalls(instance);
        ReadyRuntimeForThread();
    }
    return TRUE;
}

#define BOARD_EXPORT extern "C" __declspec(dllexport)

BOARD_EXPORT int QV2_CALL QV2Plugin_OnPluginInfo(const wchar_t*, const wchar_t*, const wchar_t* hostTranslation,
                                                 HINSTANCE, PluginInfo* out)
{
    try {
        // A program without the host functions is not the viewer: refuse.
        if (!out || !gHost.Bind())
            return 0;
        wstr::CopyTo(out->ProductName, OwnVersionValue(L"ProductName"));
        wstr::CopyTo(out->CompanyName, OwnVersionValue(L"CompanyName"));
        wstr::CopyTo(out->ProductVersion, OwnVersionValue(L"ProductVersion"));
        wstr::CopyTo(out->Description, L"Stand-in board view: resources as rows, tasks as bars.");
        wstr::CopyTo(out->Translation, hostTranslation ? hostTranslation : L"");
        return 1;
    } catch (...) {
        return 0;
    }
}

BOARD_EXPORT int QV2_CALL QV2Plugin_OnStart(wqv2_data::CData* root)
{
    if (!gRoot)
        gRoot = root;
    return 1;
}

BOARD_EXPORT int QV2_CALL QV2Plugin_OnWindowInit(HWND, HWND view)
{
    try {
        if (!view || gBoard)
            return 1;
        auto board = std::make_unique<CBoardWindow>();
        if (!board->Create(view))
            return 0;
        ViewRegistration record{board->Hwnd()};
        gBoard = std::move(board);
        gHost.Register(L"RegisterView", &record);
        return 1;
    } catch (...) {
        return 0;
    }
}

BOARD_EXPORT int QV2_CALL QV2Plugin_OnDataChanged(unsigned)
{
    RefreshBoard();
    return 1;
}

BOARD_EXPORT int QV2_CALL QV2Plugin_OnFileOpened(int)
{
    RefreshBoard();
    return 1;
}

BOARD_EXPORT int QV2_CALL QV2Plugin_OnFilterChanged(bool)
{
    RefreshBoard();
    return 1;
}

BOARD_EXPORT int QV2_CALL QV2Plugin_OnSettingsChanged(int)
{
    RefreshBoard();
    return 1;
}

BOARD_EXPORT int QV2_CALL QV2Plugin_OnExit()
{
    // The viewer destroys its main window first; should the board still exist, it goes now,
    // because its window procedure is about to be unloaded with this library.
    gBoard.reset();
    CBoardWindow::UnregisterClass();
    gRoot = nullptr;
    return 1;
}
