// Initialization files as the system's profile calls see them.
#include "ProfileFile.h"

#include "ViewerUtil.h"

#include <windows.h>

namespace {

bool IsWhiteSpace(unsigned c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}

// How a file begins, read only as far as its first character that is not white space.
struct TextHead {
    bool read = false;  // the file could be read
    bool utf16 = false; // it begins with a UTF-16 byte-order mark (either order)
    bool blank = true;  // nothing after the byte-order mark but white space
};

TextHead ReadTextHead(HANDLE file)
{
    TextHead head;
    unsigned char chunk[4096];
    bool first = true;
    bool bigEndian = false;
    int carry = -1; // the first byte of a UTF-16 unit that the read before ended with
    while (head.blank) {
        DWORD got = 0;
        if (!ReadFile(file, chunk, sizeof(chunk), &got, nullptr))
            return head;
        if (got == 0)
            break;
        size_t at = 0;
        if (first) {
            first = false;
            if (got >= 2 && ((chunk[0] == 0xFF && chunk[1] == 0xFE) || (chunk[0] == 0xFE && chunk[1] == 0xFF))) {
                head.utf16 = true;
                bigEndian = chunk[0] == 0xFE;
                at = 2;
            } else if (got >= 3 && chunk[0] == 0xEF && chunk[1] == 0xBB && chunk[2] == 0xBF) {
                at = 3;
            }
        }
        for (; at < got && head.blank; ++at) {
            unsigned c = chunk[at];
            if (head.utf16) {
                if (carry < 0) {
                    carry = static_cast<int>(c);
                    continue;
                }
                const unsigned before = static_cast<unsigned>(carry);
                c = bigEndian ? (before << 8 | c) : (c << 8 | before);
                carry = -1;
            }
            head.blank = IsWhiteSpace(c);
        }
    }
    if (carry >= 0)
        head.blank = false; // half a character is something
    head.read = true;
    return head;
}

} // namespace

std::wstring GetIniFilePath(const std::wstring& iniFile)
{
    // The profile calls take a relative name without a folder (not "C:name") as one in the
    // Windows folder.
    const bool driveRelative = iniFile.size() >= 2 && iniFile[1] == L':';
    if (iniFile.find_first_of(L"\\/") != std::wstring::npos || driveRelative)
        return GetFullPath(iniFile);
    wchar_t windows[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    return std::wstring(windows, length < MAX_PATH ? length : 0) + L"\\" + iniFile;
}

bool IsUsableIniFile(const std::wstring& iniFile)
{
    return iniFile.size() < MAX_PATH && GetIniFilePath(iniFile).size() < MAX_PATH;
}

IniFileContent InspectIniFile(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? IniFileContent::Nothing
                                                                             : IniFileContent::Unreadable;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return IniFileContent::Unreadable;
    if (data.nFileSizeHigh == 0 && data.nFileSizeLow == 0)
        return IniFileContent::Nothing;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return IniFileContent::Unreadable;
    const TextHead head = ReadTextHead(file);
    CloseHandle(file);
    if (!head.read)
        return IniFileContent::Unreadable;
    if (head.blank)
        return head.utf16 ? IniFileContent::Unicode : IniFileContent::Nothing;
    // Any section name at all fills the buffer, cut or whole.
    wchar_t names[64];
    if (GetPrivateProfileSectionNamesW(names, 64, path.c_str()) == 0)
        return IniFileContent::Unreadable;
    // Only UTF-16 counts: it is what the profile calls of Windows write Unicode into (Wine's
    // take a UTF-8 file too).
    return head.utf16 ? IniFileContent::Unicode : IniFileContent::EightBit;
}

bool StartUnicodeIniFile(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS)
        file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, TRUNCATE_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    static const unsigned char kMark[] = {0xFF, 0xFE};
    DWORD written = 0;
    const bool ok = WriteFile(file, kMark, sizeof(kMark), &written, nullptr) && written == sizeof(kMark);
    CloseHandle(file);
    return ok;
}

bool FitsAnsiCodePage(std::wstring_view text)
{
    if (text.empty())
        return true;
    // The same conversions as the profile calls make, there and back: a character the code page
    // lacks comes back as "?" or as a look-alike.
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return false;
    std::string narrow(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, narrow.data(), bytes, nullptr, nullptr);
    const int chars = MultiByteToWideChar(CP_ACP, 0, narrow.data(), bytes, nullptr, 0);
    if (chars != length)
        return false;
    std::wstring back(static_cast<size_t>(chars), L'\0');
    MultiByteToWideChar(CP_ACP, 0, narrow.data(), bytes, back.data(), chars);
    return back == text;
}

bool IsUnreadableProfile(const std::wstring& iniFile)
{
    return !iniFile.empty() && IsUsableIniFile(iniFile) &&
           InspectIniFile(GetIniFilePath(iniFile)) == IniFileContent::Unreadable;
}

bool CanIniFileHold(const std::wstring& iniFile, std::wstring_view text)
{
    if (iniFile.empty() || !IsUsableIniFile(iniFile))
        return true;
    return InspectIniFile(GetIniFilePath(iniFile)) != IniFileContent::EightBit || FitsAnsiCodePage(text);
}
