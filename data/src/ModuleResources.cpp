// The library's own module, strings and version block.
#include "ModuleResources.h"

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
    std::wstring file(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(static_cast<HMODULE>(moduleHandle), file.data(), static_cast<DWORD>(file.size()));
        if (n == 0)
            return {};
        if (n < file.size()) {
            file.resize(n);
            break;
        }
        file.resize(file.size() * 2);
    }
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0)
        return {};
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data()))
        return {};
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* pairs = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&pairs), &length) ||
        length < sizeof(Translation))
        return {};
    wchar_t pair[16];
    std::swprintf(pair, 16, L"%04hX%04hX", pairs->language, pairs->codePage);
    if (!key || !*key)
        return pair;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\") + pair + L"\\" + key;
    wchar_t* value = nullptr;
    if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
        return {};
    return value;
}

} // namespace module
