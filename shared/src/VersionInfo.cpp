// Version-block queries.
#include "VersionInfo.h"

#include <windows.h>

#include <cwchar>
#include <vector>

std::wstring GetVersionString(const std::wstring& modulePath, const std::wstring& key)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(modulePath.c_str(), &handle);
    if (size == 0)
        return {};
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoW(modulePath.c_str(), 0, size, block.data()))
        return {};
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) ||
        !translation || length < sizeof(Translation))
        return {};
    wchar_t code[16];
    std::swprintf(code, 16, L"%04hX%04hX", translation->language, translation->codePage);
    if (key.empty())
        return code;
    const std::wstring query = L"\\StringFileInfo\\" + std::wstring(code) + L"\\" + key;
    wchar_t* value = nullptr;
    if (!VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
        return {};
    return value;
}

std::wstring GetModulePath(void* module)
{
    // Module paths have no fixed limit: grow the buffer until the name fits.
    std::wstring path(260, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(static_cast<HMODULE>(module), path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        if (path.size() >= 32768)
            return {};
        path.resize(path.size() * 2);
    }
}
