#pragma once
// Small helpers that the viewer's modules share: paths and files, version blocks (VersionInfo.h),
// and names with a bracketed sort key.

#include "VersionInfo.h"

#include <windows.h>

#include <string>
#include <string_view>

// Drive and folder of a path, with the trailing backslash ("" when the path has none).
std::wstring GetPathFolder(std::wstring_view path);
// File name and extension of a path.
std::wstring GetPathFileName(std::wstring_view path);
// The extension from the last dot of the file name, dot included ("" when none).
std::wstring GetPathExtension(std::wstring_view path);
// The absolute form of a path (against the current directory); the path itself when it cannot
// be made absolute. No length limit.
std::wstring GetFullPath(const std::wstring& path);
// `path` made absolute against `base` when it is relative; an empty path stays empty.
std::wstring ResolveAgainst(const std::wstring& base, const std::wstring& path);
// `folder` + "\" + `name`, with exactly one backslash between them.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);
// The user's documents folder; empty when the shell cannot give it.
std::wstring GetDocumentsFolder();
std::wstring GetCurrentFolder();

bool IsExistingFile(const std::wstring& path);   // exists and is not a folder
bool IsExistingFolder(const std::wstring& path); // exists and is a folder
// Exists but is neither a folder nor a file on a disk: a device (NUL, CON, COM1) or a pipe.
bool IsExistingDeviceOrPipe(const std::wstring& path);
// The whole content of a file; false when it cannot be opened or read.
bool ReadWholeFile(const std::wstring& path, std::string& bytes);
// The system's text for a Win32 error code, in the user's language, without its closing line
// break; empty for 0 or a code the system has no text for.
std::wstring SystemErrorText(DWORD error);

// Names with a sort key in brackets, as in "[02]Alpha": mode 0 gives the key and the rest
// ("02Alpha"), mode 1 the rest ("Alpha"), any other mode the whole name. Only the first "]"
// counts; a name without the prefix is returned whole.
std::wstring GetSortNamePart(std::wstring_view name, int mode);
// true when the mode-0 part of a sorts before that of b (user locale, ignoring case).
bool CompareSortNames(std::wstring_view a, std::wstring_view b);
