#pragma once
// An initialization file as the system's private-profile calls find, read and write it: where it
// lies, whether a write would lose what it holds, and which text it can hold. Used by the
// settings store, and by the main frame's close to say what was not saved.

#include <string>
#include <string_view>

// What a file holds, as far as a profile write is concerned.
enum class IniFileContent {
    Nothing,    // missing, empty, or white space only after any byte-order mark
    Unicode,    // UTF-16 with its byte-order mark: the profile calls write UTF-16 into it
    EightBit,   // text in the ANSI code page: the profile calls write that code page
    Unreadable, // a folder, a file that cannot be read, or text in which the profile reader finds
                // no section (UTF-16 without a byte-order mark, say); a write would replace it all
};

// The path that the profile calls use: a name without a folder lies in the Windows folder, any
// other name is made absolute against the current folder.
std::wstring GetIniFilePath(const std::wstring& iniFile);
// false when the file cannot be used: the profile calls work on its path in a buffer of MAX_PATH
// characters.
bool IsUsableIniFile(const std::wstring& iniFile);
// What the file at `path` (a GetIniFilePath result) holds.
IniFileContent InspectIniFile(const std::wstring& path);
// Makes the file at `path`, which holds nothing, a UTF-16 file with its byte-order mark, so that
// the profile calls write UTF-16 into it; false when it cannot be written.
bool StartUnicodeIniFile(const std::wstring& path);
// true when the text comes back unchanged from the ANSI code page, as from an 8-bit file.
bool FitsAnsiCodePage(std::wstring_view text);

// A file named as `iniFile` that a profile write would replace with the keys written
// (IniFileContent::Unreadable), so nothing is written into it.
bool IsUnreadableProfile(const std::wstring& iniFile);
// false when the file holds 8-bit text and the text does not fit its code page.
bool CanIniFileHold(const std::wstring& iniFile, std::wstring_view text);
