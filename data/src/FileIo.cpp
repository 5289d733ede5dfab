// Win32 file access for the project file.
#include "FileIo.h"

#include <windows.h>

#include <algorithm>

namespace fileio {
namespace {

HANDLE AsHandle(void* handle) { return static_cast<HANDLE>(handle); }

// One ReadFile or WriteFile call moves at most this much; DWORD counts stay far from overflow.
constexpr DWORD kChunk = 16u * 1024 * 1024;

bool WriteAll(HANDLE file, const unsigned char* bytes, size_t length)
{
    size_t done = 0;
    while (done < length) {
        const DWORD part = static_cast<DWORD>(std::min<size_t>(length - done, kChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes + done, part, &written, nullptr) || written == 0)
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
HANDLE CreateSibling(const std::wstring& path, std::wstring& created, DWORD access = GENERIC_WRITE)
{
    static unsigned int counter = 0;
    const DWORD process = GetCurrentProcessId();
    for (int attempt = 0; attempt < 100; ++attempt) {
        wchar_t suffix[40];
        swprintf(suffix, 40, L".%lx-%x.tmp", static_cast<unsigned long>(process), ++counter);
        const std::wstring candidate = path + suffix;
        HANDLE file = CreateFileW(candidate.c_str(), access, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            created = candidate;
            return file;
        }
        if (GetLastError() != ERROR_FILE_EXISTS)
            return nullptr;
    }
    return nullptr;
}

HANDLE OpenForProject(const std::wstring& path, DWORD disposition)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

// The handle when it is a file on a disk; else it is closed and null. A device or a pipe is no
// project file, and a read of one may wait for ever (a pipe whose writer writes nothing).
HANDLE DiskFileOnly(HANDLE file)
{
    if (GetFileType(file) == FILE_TYPE_DISK)
        return file;
    CloseHandle(file);
    return nullptr;
}

// Copies `size` bytes from the start of `from` to the current position of `to`.
bool CopyBytes(HANDLE from, HANDLE to, uint64_t size)
{
    LARGE_INTEGER zero{};
    if (!SetFilePointerEx(from, zero, nullptr, FILE_BEGIN))
        return false;
    std::vector<unsigned char> block(1024 * 1024);
    uint64_t done = 0;
    while (done < size) {
        const DWORD part = static_cast<DWORD>(std::min<uint64_t>(size - done, block.size()));
        DWORD read = 0;
        if (!ReadFile(from, block.data(), part, &read, nullptr) || read != part)
            return false;
        DWORD written = 0;
        if (!WriteFile(to, block.data(), part, &written, nullptr) || written != part)
            return false;
        done += part;
    }
    return true;
}

// Overwrites `file` from its start with the spool's bytes, extended first, and cuts it there.
bool OverwriteFromSpool(HANDLE file, HANDLE spool)
{
    uint64_t current = 0;
    uint64_t size = 0;
    if (!Size(file, current) || !Size(spool, size))
        return false;
    if (size > current && !SetLength(file, size))
        return false;
    LARGE_INTEGER zero{};
    if (!SetFilePointerEx(file, zero, nullptr, FILE_BEGIN) || !CopyBytes(spool, file, size))
        return false;
    return SetEndOfFile(file) && FlushFileBuffers(file);
}

} // namespace

bool CFileSource::Read(unsigned char* buffer, size_t capacity, size_t& got)
{
    got = 0;
    const DWORD part = static_cast<DWORD>(std::min<uint64_t>(std::min<uint64_t>(m_left, capacity), kChunk));
    if (part == 0)
        return true;
    DWORD read = 0;
    if (!ReadFile(AsHandle(m_handle), buffer, part, &read, nullptr) || read == 0)
        return false;
    got = read;
    m_left -= read;
    return true;
}

CFileSink::CFileSink(void* handle) : m_handle(handle) { m_buffer.reserve(kChunk / 16); }

bool CFileSink::Write(const unsigned char* bytes, size_t length)
{
    if (!m_ok)
        return false;
    if (m_buffer.size() + length > m_buffer.capacity()) {
        if (!Flush())
            return false;
        if (length > m_buffer.capacity()) {
            return m_ok = WriteAll(AsHandle(m_handle), bytes, length);
        }
    }
    m_buffer.insert(m_buffer.end(), bytes, bytes + length);
    return true;
}

bool CFileSink::Flush()
{
    if (m_ok && !m_buffer.empty())
        m_ok = WriteAll(AsHandle(m_handle), m_buffer.data(), m_buffer.size());
    m_buffer.clear();
    return m_ok;
}

bool CFileSink::Patch(uint64_t offset, const unsigned char* bytes, size_t length)
{
    if (!Flush())
        return false;
    HANDLE file = AsHandle(m_handle);
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    LARGE_INTEGER end{};
    LARGE_INTEGER zero{};
    m_ok = SetFilePointerEx(file, zero, &end, FILE_CURRENT) && SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
           WriteAll(file, bytes, length) && SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
    return m_ok;
}

bool CreateSpool(const std::wstring& path, Spool& spool)
{
    spool = Spool();
    if (HANDLE file = CreateSibling(path, spool.path, GENERIC_READ | GENERIC_WRITE)) {
        spool.handle = file;
        spool.beside = true;
        return true;
    }
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH)
        return false;
    if (HANDLE file = CreateSibling(std::wstring(temp) + L"qv2d-save", spool.path, GENERIC_READ | GENERIC_WRITE)) {
        spool.handle = file;
        return true;
    }
    return false;
}

void DiscardSpool(Spool& spool)
{
    Close(spool.handle);
    if (!spool.path.empty())
        DeleteFileW(spool.path.c_str());
    spool = Spool();
}

bool CopySpoolInto(void* target, Spool& spool)
{
    const bool done = OverwriteFromSpool(AsHandle(target), AsHandle(spool.handle));
    DiscardSpool(spool);
    return done;
}

void* OpenProject(const std::wstring& path, bool readOnly, bool& openedReadOnly)
{
    openedReadOnly = readOnly;
    if (!readOnly) {
        if (HANDLE file = OpenForProject(path, OPEN_EXISTING))
            return DiskFileOnly(file);
        openedReadOnly = true;
    }
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? nullptr : DiskFileOnly(file);
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

void* PlaceSpool(const std::wstring& path, Spool& spool)
{
    if (spool.beside) {
        const bool flushed = FlushFileBuffers(AsHandle(spool.handle)) != 0;
        Close(spool.handle);
        if (flushed && MoveFileExW(spool.path.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            spool = Spool();
            return OpenForProject(path, OPEN_EXISTING);
        }
        spool.handle = CreateFileW(spool.path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (spool.handle == INVALID_HANDLE_VALUE) {
            spool.handle = nullptr;
            DiscardSpool(spool);
            return nullptr;
        }
    }
    // The target is held by someone who lets us write but not replace it (or the folder takes
    // no new file): write into it, extended first.
    const bool existed = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    HANDLE file = OpenForProject(path, OPEN_ALWAYS);
    if (!file) {
        DiscardSpool(spool);
        return nullptr;
    }
    const bool written = OverwriteFromSpool(file, AsHandle(spool.handle));
    DiscardSpool(spool);
    if (!written) {
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
