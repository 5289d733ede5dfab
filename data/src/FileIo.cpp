// Win32 file access for the project file.
#include "FileIo.h"

#include <windows.h>

#include <algorithm>

namespace fileio {
namespace {

HANDLE AsHandle(void* handle) { return static_cast<HANDLE>(handle); }

// One ReadFile or WriteFile call moves at most this much; DWORD counts stay far from overflow.
constexpr DWORD kChunk = 16u * 1024 * 1024;

bool WriteAll(HANDLE file, const std::vector<unsigned char>& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD part = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, kChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, part, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

bool SetLength(HANDLE file, uint64_t length)
{
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(length);
    return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

std::wstring FullPath(const std::wstring& path)
{
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return path;
    std::wstring full(needed, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (written == 0 || written >= needed)
        return path;
    full.resize(written);
    return full;
}

// A new file beside `path` that no one else uses; null when none can be made.
HANDLE CreateSibling(const std::wstring& path, std::wstring& created)
{
    static unsigned int counter = 0;
    const DWORD process = GetCurrentProcessId();
    for (int attempt = 0; attempt < 100; ++attempt) {
        wchar_t suffix[40];
        swprintf(suffix, 40, L".%lx-%x.tmp", static_cast<unsigned long>(process), ++counter);
        const std::wstring candidate = path + suffix;
        HANDLE file = CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            created = candidate;
            return file;
        }
        if (GetLastError() != ERROR_FILE_EXISTS)
            return nullptr;
    }
    return nullptr;
}

// Writes through a sibling file that then replaces the target; false leaves the target as it
// was.
bool ReplaceThroughSibling(const std::wstring& path, const std::vector<unsigned char>& bytes)
{
    std::wstring sibling;
    HANDLE file = CreateSibling(path, sibling);
    if (!file)
        return false;
    const bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
    CloseHandle(file);
    if (written && MoveFileExW(sibling.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(sibling.c_str());
    return false;
}

HANDLE OpenForProject(const std::wstring& path, DWORD disposition)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

} // namespace

void* OpenProject(const std::wstring& path, bool readOnly, bool& openedReadOnly)
{
    openedReadOnly = readOnly;
    if (!readOnly) {
        if (HANDLE file = OpenForProject(path, OPEN_EXISTING))
            return file;
        openedReadOnly = true;
    }
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

void Close(void*& handle)
{
    if (handle)
        CloseHandle(AsHandle(handle));
    handle = nullptr;
}

bool Rewind(void* handle)
{
    LARGE_INTEGER zero{};
    return SetFilePointerEx(AsHandle(handle), zero, nullptr, FILE_BEGIN) != 0;
}

bool Size(void* handle, uint64_t& size)
{
    LARGE_INTEGER value{};
    if (!GetFileSizeEx(AsHandle(handle), &value) || value.QuadPart < 0)
        return false;
    size = static_cast<uint64_t>(value.QuadPart);
    return true;
}

bool ReadAll(void* handle, uint64_t size, std::vector<unsigned char>& out)
{
    if (size > static_cast<uint64_t>(SIZE_MAX))
        return false;
    out.assign(static_cast<size_t>(size), 0);
    size_t done = 0;
    while (done < out.size()) {
        const DWORD part = static_cast<DWORD>(std::min<size_t>(out.size() - done, kChunk));
        DWORD read = 0;
        if (!ReadFile(AsHandle(handle), out.data() + done, part, &read, nullptr) || read == 0)
            return false;
        done += read;
    }
    return true;
}

bool OverwriteInPlace(void* handle, const std::vector<unsigned char>& bytes)
{
    HANDLE file = AsHandle(handle);
    uint64_t current = 0;
    if (!Size(file, current))
        return false;
    if (bytes.size() > current && !SetLength(file, bytes.size()))
        return false;
    LARGE_INTEGER zero{};
    if (!SetFilePointerEx(file, zero, nullptr, FILE_BEGIN) || !WriteAll(file, bytes))
        return false;
    return SetEndOfFile(file) && FlushFileBuffers(file);
}

void* WriteNewFile(const std::wstring& path, const std::vector<unsigned char>& bytes)
{
    if (ReplaceThroughSibling(path, bytes))
        return OpenForProject(path, OPEN_EXISTING);
    // The target is held by someone who lets us write but not replace it (or the folder takes
    // no new file): write into it, extended first.
    const bool existed = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    HANDLE file = OpenForProject(path, OPEN_ALWAYS);
    if (!file)
        return nullptr;
    if (!OverwriteInPlace(file, bytes)) {
        CloseHandle(file);
        if (!existed)
            DeleteFileW(path.c_str());
        return nullptr;
    }
    return file;
}

bool SamePath(const std::wstring& a, const std::wstring& b)
{
    const std::wstring fa = FullPath(a);
    const std::wstring fb = FullPath(b);
    return CompareStringOrdinal(fa.c_str(), static_cast<int>(fa.size()), fb.c_str(), static_cast<int>(fb.size()), TRUE) ==
           CSTR_EQUAL;
}

} // namespace fileio
