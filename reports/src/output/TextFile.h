#pragma once
// unicode_helper::CTextFile: a text file written as UTF-16LE with a byte-order mark or in an
// ANSI code page. The writers write through the file handle, so the bytes reach the file as they
// are (no newline translation). The object closes its file when it is destroyed.

#include <windows.h>

#include <string>

namespace unicode_helper {

class CTextFile {
public:
    CTextFile() = default;
    virtual ~CTextFile();
    CTextFile(const CTextFile&) = delete;
    CTextFile& operator=(const CTextFile&) = delete;

    // Opens for writing, creating the file or cutting an existing one to length 0.
    bool Open(const std::wstring& path);
    void Close();

    // The Unicode writer when Unicode is set, else the code-page writer; false when the text
    // could not be converted or written.
    virtual bool WriteString(const wchar_t* text);
    // The byte-order mark 0xFF 0xFE first when nothing is written yet, then the UTF-16LE units.
    bool WriteUnicode(const wchar_t* text);
    // The text converted to CodePage; characters it lacks become the code page's default one.
    bool WriteCodePage(const wchar_t* text);

    bool Unicode = true;
    unsigned CodePage = 1252;

private:
    bool WriteBytes(const void* bytes, size_t count);

    HANDLE m_file = INVALID_HANDLE_VALUE; // owned
    unsigned long long m_position = 0;    // bytes written so far
};

} // namespace unicode_helper
