#pragma once
// The viewer's own profile keys (loaded at start-up and by QV2A_LoadSettings, saved when the main
// frame closes and by QV2A_SaveSettings), the settings text files read at start-up, and the date
// and time defaults.

#include <string>
#include <vector>

// Loads the viewer's keys from the initialization file, or the application profile when empty.
void LoadHostKeys(const std::wstring& iniFile);
// Saves them; without `all` the folder and main-window keys are left out. The main frame stores
// its placement into the settings first.
void SaveHostKeys(const std::wstring& iniFile, bool all);

// The settings folders: the program folder + string 180 (unless `cdskip`), then every `cd`
// folder that exists.
std::vector<std::wstring> CollectSettingsFolders(const std::wstring& programFolder, const std::wstring& folderName);
// The settings text files of those folders (extension of string 185, recursively, folder by
// folder), then every `cf` file that exists.
std::vector<std::wstring> CollectSettingsFiles(const std::wstring& programFolder, const std::wstring& folderName,
                                               const std::wstring& extension);
// Reads the files in order into the settings store; every path is listed in `readFiles`, also
// one that could not be opened.
void LoadSettingsFiles(const std::vector<std::wstring>& files, std::vector<std::wstring>& readFiles);

// "DateFormat" built from its parts and the locale, "ViewFirstDayOfWeek" and "TimeFormat" from
// the locale, each only when not set (a date picture too long to use counts as not set).
void SetDateTimeDefaults();
