// Text files in UTF-16 or a code page, written through one buffer.
#include "output/TextFile.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace unicode_helper {

namespace {

// Units converted at once: the converted bytes of a piece (at most four a unit in every code
// page we know) stay within the file buffer.
constexpr size_t kConvertUnits = CTextFile::kBufferBytes / 4;

bool IsHighSurrogate(wchar_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

} // namespace

CTextFile::~CTextFile()
{
    Close();
}

bool CTextFile::Open(const std::wstring& path)
{
    Close();
    m_position = 0;
    m_failed = false;
    m_buffer.clear();
    // The buffer first: without the memory for it no file is made (or emptied).
    m_buffer.reserve(kBufferBytes);
    m_file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
    return m_file != INVALID_HANDLE_VALUE;
}

bool CTextFile::Close()
{
    if (m_file == INVALID_HANDLE_VALUE)
        return true;
    bool ok = Flush();
    if (!CloseHandle(m_file))
        ok = false;
    m_file = INVALID_HANDLE_VALUE;
    m_failed = false;
    m_buffer.clear();
    return ok;
}

bool CTextFile::Write(std::wstring_view text)
{
    return Unicode ? WriteUnicode(text) : WriteCodePage(text);
}

bool CTextFile::WriteString(const wchar_t* text)
{
    return Write(text ? std::wstring_view(text) : std::wstring_view());
}

bool CTextFile::WriteUnicode(std::wstring_view text)
{
    if (m_position == 0) {
        static const char kMark[2] = {'\xFF', '\xFE'};
        if (!Append(kMark, 2))
            return false;
    }
    static_assert(sizeof(wchar_t) == 2, "UTF-16 units are written as they are in memory");
    return Append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

bool CTextFile::WriteCodePage(std::wstring_view text)
{
    if (m_file == INVALID_HANDLE_VALUE || m_failed)
        return false;
    while (!text.empty()) {
        size_t units = std::min(text.size(), kConvertUnits);
        // A surrogate pair is converted whole, so it gives its character and not two defaults.
        if (units < text.size() && IsHighSurrogate(text[units - 1]))
            --units;
        if (m_converted.size() < units * 4)
            m_converted.resize(kConvertUnits * 4);
        int n = WideCharToMultiByte(CodePage, 0, text.data(), static_cast<int>(units), m_converted.data(),
                                    static_cast<int>(m_converted.size()), nullptr, nullptr);
        if (n == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
            const int size = WideCharToMultiByte(CodePage, 0, text.data(), static_cast<int>(units), nullptr, 0, nullptr,
                                                 nullptr);
            if (size <= 0) {
                m_failed = true;
                return false;
            }
            m_converted.resize(static_cast<size_t>(size));
            n = WideCharToMultiByte(CodePage, 0, text.data(), static_cast<int>(units), m_converted.data(), size,
                                    nullptr, nullptr);
        }
        if (n <= 0) {
            m_failed = true; // the file would lack this text: Close must not answer true
            return false;
        }
        if (!Append(m_converted.data(), static_cast<size_t>(n)))
            return false;
        text.remove_prefix(units);
    }
    return true;
}

bool CTextFile::Append(const char* bytes, size_t count)
{
    if (m_file == INVALID_HANDLE_VALUE || m_failed)
        return false;
    if (m_buffer.size() + count > kBufferBytes) {
        if (!Flush())
            return false;
        // A text as large as the buffer goes to the file straight away.
        if (count >= kBufferBytes) {
            if (!WriteToFile(bytes, count))
                return false;
            m_position += count;
            return true;
        }
    }
    m_buffer.insert(m_buffer.end(), bytes, bytes + count);
    m_position += count;
    return true;
}

bool CTextFile::Flush()
{
    if (m_failed)
        return false;
    const bool ok = WriteToFile(m_buffer.data(), m_buffer.size());
    m_buffer.clear();
    return ok;
}

bool CTextFile::WriteToFile(const char* bytes, size_t count)
{
    while (count > 0) {
        const DWORD chunk = count > 0x10000000u ? 0x10000000u : static_cast<DWORD>(count);
        DWORD written = 0;
        if (!WriteFile(m_file, bytes, chunk, &written, nullptr) || written != chunk) {
            m_failed = true;
            return false;
        }
        bytes += written;
        count -= written;
    }
    return true;
}

} // namespace unicode_helper
