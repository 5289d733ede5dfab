// The library's own module, strings and version block.
#include "ModuleResources.h"

#include "VersionInfo.h"

#include <windows.h>

#include <cwchar>
#include <vector>

namespace module {

void* Own()
{
    HMODULE handle = nullptr;
    // Any function of this module will do; Own itself is one.
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&Own), &handle))
        return nullptr;
    return handle;
}

void* Program() { return GetModuleHandleW(nullptr); }

std::wstring LoadText(unsigned int id)
{
    // With a zero buffer size LoadStringW hands out a read-only pointer to the resource text,
    // which is not zero-terminated; its length is the result.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(static_cast<HINSTANCE>(Own()), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return {};
    return std::wstring(text, static_cast<size_t>(length));
}

std::wstring VersionText(void* moduleHandle, const wchar_t* key)
{
    const std::wstring file = GetModulePath(moduleHandle);
    if (file.empty())
        return {};
    return GetVersionString(file, key ? key : L"");
}

} // namespace module
