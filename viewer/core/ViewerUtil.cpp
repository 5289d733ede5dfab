// Paths, files, version blocks and sort names.
#include "ViewerUtil.h"

#include <shlobj.h>

#include <vector>

std::wstring GetPathFolder(std::wstring_view path)
{
    const size_t last = path.find_last_of(L"\\/:");
    return last == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, last + 1));
}

std::wstring GetPathFileName(std::wstring_view path)
{
    const size_t last = path.find_last_of(L"\\/:");
    return std::wstring(last == std::wstring_view::npos ? path : path.substr(last + 1));
}

std::wstring GetPathExtension(std::wstring_view path)
{
    const std::wstring name = GetPathFileName(path);
    const size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? std::wstring() : name.substr(dot);
}

std::wstring GetFullPath(const std::wstring& path)
{
    if (path.empty())
        return {};
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return path;
    std::wstring full(needed, L'\0');
    const DWORD n = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (n == 0 || n >= needed)
        return path;
    full.resize(n);
    return full;
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == L'\\' || folder.back() == L'/')
        return folder + name;
    return folder + L"\\" + name;
}

std::wstring ResolveAgainst(const std::wstring& base, const std::wstring& path)
{
    if (path.empty())
        return path;
    const bool absolute = (path.size() > 1 && path[1] == L':') || path[0] == L'\\' || path[0] == L'/';
    if (absolute)
        return GetFullPath(path);
    return GetFullPath(JoinPath(base, path));
}

std::wstring GetDocumentsFolder()
{
    PWSTR folder = nullptr;
    std::wstring result;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &folder)) && folder)
        result = folder;
    CoTaskMemFree(folder);
    return result;
}

std::wstring GetCurrentFolder()
{
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    if (needed == 0)
        return {};
    std::wstring folder(needed, L'\0');
    const DWORD n = GetCurrentDirectoryW(needed, folder.data());
    folder.resize(n < needed ? n : 0);
    return folder;
}

bool IsExistingFile(const std::wstring& path)
{
    const DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsExistingFolder(const std::wstring& path)
{
    const DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsExistingDeviceOrPipe(const std::wstring& path)
{
    if (path.empty() || IsExistingFolder(path))
        return false;
    // Opened without access to its content, nothing is read; under Wine even a host's named pipe
    // (FIFO), which has no attributes there, opens at once.
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        // A device that cannot be opened now (a console where there is none): the system's device
        // names (NUL, CON, COM1, also with a folder or an extension) become device paths, "\\.\"
        // and a name that is no drive.
        const std::wstring full = GetFullPath(path);
        return full.rfind(L"\\\\.\\", 0) == 0 && !(full.size() > 5 && full[5] == L':');
    }
    const DWORD type = GetFileType(file);
    CloseHandle(file);
    return type != FILE_TYPE_DISK;
}

bool ReadWholeFile(const std::wstring& path, std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bytes.clear();
    bool ok = true;
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, chunk, sizeof(chunk), &got, nullptr)) {
            ok = false;
            break;
        }
        if (got == 0)
            break;
        bytes.append(chunk, got);
    }
    CloseHandle(file);
    return ok;
}

std::wstring SystemErrorText(DWORD error)
{
    if (error == 0)
        return {};
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", buffer ? length : 0);
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text;
}

std::wstring GetSortNamePart(std::wstring_view name, int mode)
{
    const size_t close = name.find(L']');
    if (name.empty() || name[0] != L'[' || close == std::wstring_view::npos)
        return std::wstring(name);
    if (mode == 0)
        return std::wstring(name.substr(1, close - 1)) + std::wstring(name.substr(close + 1));
    if (mode == 1)
        return std::wstring(name.substr(close + 1));
    return std::wstring(name);
}

bool CompareSortNames(std::wstring_view a, std::wstring_view b)
{
    const std::wstring keyA = GetSortNamePart(a, 0);
    const std::wstring keyB = GetSortNamePart(b, 0);
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, keyA.c_str(), static_cast<int>(keyA.size()),
                          keyB.c_str(), static_cast<int>(keyB.size())) == CSTR_LESS_THAN;
}
