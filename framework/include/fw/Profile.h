#pragma once
// The application profile: named values in sections, kept in the registry under
// HKEY_CURRENT_USER\Software\<key>\<application> or in one ini file.

#include <string>

namespace fw {

class CProfile {
public:
    // Registry form; the key is created on the first write.
    void UseRegistry(std::wstring key, std::wstring application);
    // Ini-file form (the whole profile is that one file).
    void UseIniFile(std::wstring path);
    bool IsConfigured() const { return m_kind != Kind::None; }
    bool UsesRegistry() const { return m_kind == Kind::Registry; }
    // Registry path below HKEY_CURRENT_USER, or the ini path.
    const std::wstring& Location() const { return m_location; }

    // The value, or `fallback` when the section or key is absent (or no profile is configured).
    std::wstring GetString(const std::wstring& section, const std::wstring& key, const std::wstring& fallback) const;
    bool WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value);
    int GetInt(const std::wstring& section, const std::wstring& key, int fallback) const;
    bool WriteInt(const std::wstring& section, const std::wstring& key, int value);

private:
    enum class Kind { None, Registry, IniFile };
    Kind m_kind = Kind::None;
    std::wstring m_location;
};

} // namespace fw
