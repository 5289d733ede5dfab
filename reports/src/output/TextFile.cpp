// Text files in UTF-16 or a code page.
#include "output/TextFile.h"

#include <cwchar>
#include <vector>

namespace unicode_helper {

CTextFile::~CTextFile()
{
    Close();
}

bool CTextFile::Open(const std::wstring& path)
{
    Close();
    m_file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
    m_position = 0;
    return m_file != INVALID_HANDLE_VALUE;
}

void CTextFile::Close()
{
    if (m_file != INVALID_HANDLE_VALUE)
        CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
}

bool CTextFile::WriteString(const wchar_t* text)
{
    return Unicode ? WriteUnicode(text) : WriteCodePage(text);
}

bool CTextFile::WriteUnicode(const wchar_t* text)
{
    if (m_position == 0) {
        static const unsigned char kMark[2] = {0xFF, 0xFE};
        if (!WriteBytes(kMark, 2))
            return false;
    }
    return WriteBytes(text, (text ? std::wcslen(text) : 0) * sizeof(wchar_t));
}

bool CTextFile::WriteCodePage(const wchar_t* text)
{
    if (!text)
        text = L"";
    // Four bytes per unit hold every code page we know; should one need more, ask for the size.
    const size_t units = std::wcslen(text) + 1;
    std::vector<char> bytes(units * 4);
    int n = WideCharToMultiByte(CodePage, 0, text, -1, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
    if (n == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        const int size = WideCharToMultiByte(CodePage, 0, text, -1, nullptr, 0, nullptr, nullptr);
        if (size <= 0)
            return false;
        bytes.assign(static_cast<size_t>(size), '\0');
        n = WideCharToMultiByte(CodePage, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    }
    if (n == 0)
        return false;
    size_t length = 0;
    while (length < static_cast<size_t>(n) && bytes[length] != '\0')
        ++length;
    return WriteBytes(bytes.data(), length);
}

bool CTextFile::WriteBytes(const void* bytes, size_t count)
{
    if (m_file == INVALID_HANDLE_VALUE)
        return false;
    const char* at = static_cast<const char*>(bytes);
    while (count > 0) {
        const DWORD chunk = count > 0x10000000u ? 0x10000000u : static_cast<DWORD>(count);
        DWORD written = 0;
        if (!WriteFile(m_file, at, chunk, &written, nullptr) || written != chunk)
            return false;
        m_position += written;
        at += written;
        count -= written;
    }
    return true;
}

} // namespace unicode_helper
