#pragma once
// CSettings: the viewer's store of named text settings (one per process, see ProcessObjects.h).
// Keys are normalised before every lookup; typed readers give a default for an empty value.
// Values come from the initialization file or the application profile, settings text files and
// `s` lines of the command line; only the viewer's own keys are written back.

#include "TDate.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace fw {
class CProfile;
}

class CSettings {
public:
    // Upper case; "<" + reversed key and ":" + every second character are other spellings.
    static std::wstring NormaliseKey(std::wstring_view key);

    // The value, empty when the key is empty or has none.
    std::wstring GetSetting(std::wstring_view key) const;
    // Stores the value (nothing for an empty key). A key beginning with "+" appends the value
    // to the key after the plus, on a new line.
    void SetSetting(std::wstring_view key, std::wstring_view value);

    int GetIntSetting(std::wstring_view key, int fallback) const;
    bool GetBoolSetting(std::wstring_view key, bool fallback) const;
    std::wstring GetStringSetting(std::wstring_view key, std::wstring_view fallback) const;
    TDate GetDateSetting(std::wstring_view key, TDate fallback) const;
    // A colour with red in the low byte.
    uint32_t GetColourSetting(std::wstring_view key, uint32_t fallback) const;
    void SetIntSetting(std::wstring_view key, int value);
    void SetBoolSetting(std::wstring_view key, bool value);
    // The value split at any of the separator characters; empty pieces are dropped.
    std::vector<std::wstring> GetSettingList(std::wstring_view key, std::wstring_view separators) const;
    // A date in user-interface form: the picture of "DateFormat", else the locale's short date.
    std::wstring GetDateText(TDate date) const;

    // One key from a section of an initialization file, or of the application profile when the
    // file name is empty; an absent key keeps its value. A file whose path does not fit in
    // MAX_PATH characters is neither read nor written.
    void LoadSettingFromProfile(const std::wstring& section, const std::wstring& iniFile, const std::wstring& key);
    // Writes the key's value; false when nothing was written: an empty key, a file that cannot be
    // used or read (ProfileFile.h), a value that an 8-bit file cannot hold, or a refused write.
    // A file that holds nothing is made UTF-16 first, so that it holds any text.
    bool SaveSettingToProfile(const std::wstring& section, const std::wstring& iniFile, const std::wstring& key);
    // The 8-bit files (paths as the profile calls use them) that a value was not written into
    // because their code page lacks some of its characters, since the last call.
    std::vector<std::wstring> TakeFilesLackingText();

    // One "key=value" line of a settings text file or of the command line; false when ignored.
    bool LoadSettingsLine(std::wstring_view line);
    // Every line of a settings text file (8-bit text in the user's code page); false when the
    // file cannot be opened.
    bool LoadSettingsFile(const std::wstring& path);

    void ClearSettings() { m_values.clear(); }
    size_t Count() const { return m_values.size(); }

    // The application profile used for an empty file name; not owned (the application's).
    void SetApplicationProfile(fw::CProfile* profile) { m_profile = profile; }

private:
    std::map<std::wstring, std::wstring> m_values; // normalised key -> value
    fw::CProfile* m_profile = nullptr;             // not owned
    std::vector<std::wstring> m_filesLackingText;
};

// The same operations on the process's store (see ProcessObjects.h); each answers its default
// when no store exists.
std::wstring GetSetting(std::wstring_view key);
void SetSetting(std::wstring_view key, std::wstring_view value);
int GetIntSetting(std::wstring_view key, int fallback);
bool GetBoolSetting(std::wstring_view key, bool fallback);
std::wstring GetStringSetting(std::wstring_view key, std::wstring_view fallback);
void SetIntSetting(std::wstring_view key, int value);
void SetBoolSetting(std::wstring_view key, bool value);
std::vector<std::wstring> GetSettingList(std::wstring_view key, std::wstring_view separators);
void LoadSettingFromProfile(const std::wstring& section, const std::wstring& iniFile, const std::wstring& key);
bool SaveSettingToProfile(const std::wstring& section, const std::wstring& iniFile, const std::wstring& key);
uint32_t GetColourSetting(std::wstring_view key, uint32_t fallback);
// The date in user-interface form (CSettings::GetDateText); the locale's short date without a
// store.
std::wstring GetDateText(TDate date);
// `ViewFirstDayOfWeek` (0 Monday, default 0) brought into 0 to 6, so any stored number can
// index the weekdays.
int GetFirstDayOfWeek();
