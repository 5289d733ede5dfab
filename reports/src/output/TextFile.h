#pragma once
// unicode_helper::CTextFile: a text file written as UTF-16LE with a byte-order mark or in an
// ANSI code page. The bytes reach the file as they are (no newline translation) through a
// buffer of kBufferBytes, written when it is full and by Close, so a report of any size costs
// one file write per buffer, not one per line. The object closes its file when destroyed.
//
// A failure is told once it is met: by the write whose text did not fit the buffer or could not
// be converted, or else by Close (the last bytes). After a failed write every further write and
// Close answer false too, so a caller that only checks Close still learns of it.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace unicode_helper {

class CTextFile {
public:
    static constexpr size_t kBufferBytes = 64 * 1024;

    CTextFile() = default;
    virtual ~CTextFile();
    CTextFile(const CTextFile&) = delete;
    CTextFile& operator=(const CTextFile&) = delete;

    // Opens for writing, creating the file or cutting an existing one to length 0 (a file still
    // open is closed first).
    bool Open(const std::wstring& path);
    // Writes what the buffer holds and closes the file: false when a write of this file failed
    // (also an earlier one) or the file could not be closed. True when no file was open.
    bool Close();

    // The Unicode writer when Unicode is set, else the code-page writer; false when the text
    // could not be converted or written, or no file is open.
    bool Write(std::wstring_view text);
    // Write of the text up to its terminating zero (null writes nothing).
    virtual bool WriteString(const wchar_t* text);
    // The byte-order mark 0xFF 0xFE first when nothing is written yet, then the UTF-16LE units.
    bool WriteUnicode(std::wstring_view text);
    // The text converted to CodePage; characters it lacks become the code page's default one.
    // Each call's text is converted on its own (a code page with shift states starts afresh), a
    // long text in pieces that never part a surrogate pair.
    bool WriteCodePage(std::wstring_view text);

    bool Unicode = true;
    unsigned CodePage = 1252;

private:
    bool Append(const char* bytes, size_t count);
    bool Flush();
    bool WriteToFile(const char* bytes, size_t count);

    HANDLE m_file = INVALID_HANDLE_VALUE; // owned
    bool m_failed = false;                // a write of the open file has failed
    unsigned long long m_position = 0;    // bytes taken so far, in the file or the buffer
    std::vector<char> m_buffer;           // bytes not yet in the file; kBufferBytes reserved
    std::vector<char> m_converted;        // reused target of the code-page conversion
};

} // namespace unicode_helper
