#pragma once
// What the information dialog lists: the folders and files the viewer uses, the system and the
// locale's formats, and every module of the process with its version, date, size and path. Each
// row is its cells in column order (the list's hidden first column left out).

#include <windows.h>

#include <string>
#include <vector>

using InfoRows = std::vector<std::vector<std::wstring>>;

// Program folder, settings folders, settings files read at start-up and plug-in folders; a
// label is numbered (" 1", " 2", ...) when its group has more than one entry.
InfoRows CollectFolderRows();
// Operating system, language, date and time formats, decimal separator, measurement system and
// the command line.
InfoRows CollectSystemRows();
// The operating-system line; empty when the system tells no version.
std::wstring OperatingSystemLine();

// The program, the resource, controls, data and print-engine libraries, the plug-ins, then each
// file of `DynamicLoadedModulesPaths` that is a library. Those are mapped as data files only,
// never run, and released again before this returns.
InfoRows CollectModuleRows();
// One module file: name, "FileVersion", last-write date and time, size, path. The date and size
// stay empty when the file cannot be found. Read from the file by its path only.
std::vector<std::wstring> DescribeModuleFile(const std::wstring& path);
// String 12190 of the size in kilobytes (rounded half up) and in bytes in the locale's number
// format without decimals.
std::wstring FormatFileSize(unsigned long long bytes);
