// The files of a report run and their floor.
#include "OutputFiles.h"

#include <windows.h>

#include <algorithm>
#include <chrono>

namespace bench {
namespace {

// The text as 8-bit characters, read in place (a copy of a large export would not fit beside a
// large project in a 32-bit process): UTF-16 with its mark keeps the low byte of each unit, which
// is enough to find the ASCII markup and separators.
class NarrowText {
public:
    explicit NarrowText(const std::string& bytes)
        : m_bytes(bytes), m_wide(bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
                                 static_cast<unsigned char>(bytes[1]) == 0xFE)
    {
    }
    size_t size() const { return m_wide ? (m_bytes.size() - 2) / 2 : m_bytes.size(); }
    char operator[](size_t i) const
    {
        if (!m_wide)
            return m_bytes[i];
        return m_bytes[2 + 2 * i + 1] ? '?' : m_bytes[2 + 2 * i];
    }

private:
    const std::string& m_bytes;
    bool m_wide;
};

// The tag `tag` (lower case) at `at`, and not a longer name that begins with it ("thead").
bool IsTag(const NarrowText& text, size_t at, const char* tag)
{
    size_t k = 0;
    for (; tag[k]; ++k) {
        if (at + k >= text.size() || (text[at + k] | 0x20) != tag[k])
            return false;
    }
    return at + k < text.size() && (text[at + k] == '>' || text[at + k] == ' ');
}

// Read in pieces: one read of more than 2 GB fails.
std::string ReadAll(const std::wstring& path, size_t size)
{
    std::string bytes(size, '\0');
    HANDLE in = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (in == INVALID_HANDLE_VALUE)
        return {};
    size_t at = 0;
    for (DWORD done = 0; at < size; at += done) {
        const DWORD piece = static_cast<DWORD>(std::min<size_t>(size - at, 64 << 20));
        if (!ReadFile(in, bytes.data() + at, piece, &done, nullptr) || done == 0)
            break;
    }
    CloseHandle(in);
    bytes.resize(at);
    return bytes;
}

// Calls `visit(path, entry)` for each file of `folder` (not its subfolders).
template <class Visit>
void ForEachFile(const std::wstring& folder, Visit visit)
{
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            visit(folder + L"\\" + entry.cFileName, entry);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

} // namespace

std::vector<OutputFile> ReadFolder(const std::wstring& folder, bool remove)
{
    std::vector<OutputFile> files;
    ForEachFile(folder, [&](const std::wstring& path, const WIN32_FIND_DATAW& entry) {
        const unsigned long long size = static_cast<unsigned long long>(entry.nFileSizeHigh) << 32 | entry.nFileSizeLow;
        files.push_back({entry.cFileName, ReadAll(path, static_cast<size_t>(size))});
        if (remove)
            DeleteFileW(path.c_str());
    });
    return files;
}

void EmptyFolder(const std::wstring& folder)
{
    ForEachFile(folder, [](const std::wstring& path, const WIN32_FIND_DATAW&) { DeleteFileW(path.c_str()); });
}

double FloorWrite(const std::wstring& folder, const std::vector<OutputFile>& files)
{
    constexpr size_t kChunk = 64 * 1024;
    const auto start = std::chrono::steady_clock::now();
    bool written = true;
    for (const OutputFile& file : files) {
        HANDLE out = CreateFileW((folder + L"\\" + file.name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (out == INVALID_HANDLE_VALUE)
            return -1;
        for (size_t at = 0; at < file.bytes.size() && written; at += kChunk) {
            const DWORD size = static_cast<DWORD>(std::min(kChunk, file.bytes.size() - at));
            DWORD done = 0;
            written = WriteFile(out, file.bytes.data() + at, size, &done, nullptr) && done == size;
        }
        CloseHandle(out);
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    for (const OutputFile& file : files)
        DeleteFileW((folder + L"\\" + file.name).c_str());
    return written ? ms : -1;
}

bool KeepFiles(const std::wstring& folder, const std::vector<OutputFile>& files)
{
    CreateDirectoryW(folder.c_str(), nullptr);
    bool written = true;
    for (const OutputFile& file : files) {
        HANDLE out = CreateFileW((folder + L"\\" + file.name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (out == INVALID_HANDLE_VALUE)
            return false;
        for (size_t at = 0; at < file.bytes.size() && written; at += 64 * 1024) {
            const DWORD size = static_cast<DWORD>(std::min<size_t>(64 * 1024, file.bytes.size() - at));
            DWORD done = 0;
            written = WriteFile(out, file.bytes.data() + at, size, &done, nullptr) && done == size;
        }
        CloseHandle(out);
    }
    return written;
}

Shape DelimitedShape(const std::string& bytes)
{
    const NarrowText text(bytes);
    Shape shape;
    int fields = 1;
    bool quoted = false;
    bool empty = true;
    for (size_t i = 0, size = text.size(); i < size; ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (quoted) {
        } else if (c == '\t') {
            ++fields;
        } else if (c == '\n') {
            if (!empty || fields > 1) {
                ++shape.rows;
                shape.columns = std::max(shape.columns, fields);
            }
            fields = 1;
            empty = true;
            continue;
        } else if (c == '\r') {
            continue;
        }
        empty = false;
    }
    if (!empty || fields > 1) {
        ++shape.rows;
        shape.columns = std::max(shape.columns, fields);
    }
    return shape;
}

Shape HtmlShape(const std::string& bytes)
{
    const NarrowText text(bytes);
    Shape shape;
    int cells = 0;
    for (size_t at = 0, size = text.size(); at < size; ++at) {
        if (text[at] != '<')
            continue;
        if (IsTag(text, at + 1, "tr")) {
            ++shape.rows;
            cells = 0;
        } else if (IsTag(text, at + 1, "td") || IsTag(text, at + 1, "th")) {
            shape.columns = std::max(shape.columns, ++cells);
        }
    }
    return shape;
}

} // namespace bench
