#pragma once
// The recent-file list of the File menu, kept in the application profile by the framework or,
// when an initialization file is in use, in its section "Basic" as "RecentFile1", "RecentFile2"...

#include <string>

// Creates the list ("RecentFilesMax" slots, at most 16; none for 0 or less) and fills it; from
// the initialization file when one is named, so that entry 1 ends up on top.
void LoadRecentFiles(const std::wstring& iniFile);
// Writes the list to the initialization file and keeps the framework from also writing it to
// the application profile; nothing for an empty file name.
void SaveRecentFiles(const std::wstring& iniFile);
// false when SaveRecentFiles would leave out an entry: the file holds 8-bit text and the entry's
// path does not fit its code page.
bool CanSaveRecentFiles(const std::wstring& iniFile);
