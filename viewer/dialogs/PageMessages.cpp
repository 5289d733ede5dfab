// Page messages sent by the host dialogs.
#include "PageMessages.h"

#include "QV2PluginInterface.h"

#include <cwchar>

namespace pagemsg {

namespace {
constexpr size_t kFileNameCapacity = 260; // characters a page may write, its zero not counted
}

void Load(HWND page)
{
    SendMessageW(page, WM_PAGE_LOAD, 0, 0);
}

bool Validate(HWND page)
{
    bool ok = true;
    SendMessageW(page, WM_PAGE_VALIDATE, reinterpret_cast<WPARAM>(&ok), 0);
    return ok;
}

bool Apply(HWND page)
{
    bool changed = true;
    SendMessageW(page, WM_PAGE_APPLY, reinterpret_cast<WPARAM>(&changed), 0);
    return changed;
}

void Shown(HWND page, bool shown)
{
    SendMessageW(page, WM_PAGE_SHOWN, shown ? 1 : 0, 0);
}

void OutputChanged(HWND page)
{
    SendMessageW(page, WM_PAGE_OUTPUT_CHANGED, 0, 0);
}

std::wstring ProposeFileName(HWND page)
{
    wchar_t buffer[kFileNameCapacity + 1] = {};
    SendMessageW(page, WM_PAGE_GET_FILENAME, kFileNameCapacity, reinterpret_cast<LPARAM>(buffer));
    // A page that fills the buffer to the brim still gets its text ended.
    buffer[kFileNameCapacity] = L'\0';
    return std::wstring(buffer, wcsnlen(buffer, kFileNameCapacity));
}

int Orientation(HWND page)
{
    int orientation = 0;
    if (SendMessageW(page, WM_PAGE_GET_ORIENTATION, 0, reinterpret_cast<LPARAM>(&orientation)) == 0)
        return 0;
    return orientation;
}

} // namespace pagemsg
