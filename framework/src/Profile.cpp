// Application profile in the registry or an ini file.
#include "fw/Profile.h"

#include "ClassicText.h"

#include <windows.h>

#include <vector>

namespace fw {

void CProfile::UseRegistry(std::wstring key, std::wstring application)
{
    m_kind = Kind::Registry;
    m_location = L"Software\\" + key + L"\\" + application;
}

void CProfile::UseIniFile(std::wstring path)
{
    m_kind = Kind::IniFile;
    m_location = std::move(path);
}

std::wstring CProfile::GetString(const std::wstring& section, const std::wstring& key, const std::wstring& fallback) const
{
    if (m_kind == Kind::IniFile) {
        // The private-profile read cannot report a value's length: grow until it fits.
        std::vector<wchar_t> buffer(1024);
        for (;;) {
            const DWORD n = GetPrivateProfileStringW(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                                     static_cast<DWORD>(buffer.size()), m_location.c_str());
            if (n + 1 < buffer.size())
                return std::wstring(buffer.data(), n);
            buffer.resize(buffer.size() * 2);
        }
    }
    if (m_kind != Kind::Registry)
        return fallback;
    const std::wstring path = m_location + L"\\" + section;
    HKEY hkey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hkey) != ERROR_SUCCESS)
        return fallback;
    std::wstring result = fallback;
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(hkey, key.c_str(), nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS && type == REG_SZ) {
        std::vector<wchar_t> data(bytes / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(hkey, key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &bytes) ==
            ERROR_SUCCESS)
            result.assign(data.data());
    }
    RegCloseKey(hkey);
    return result;
}

bool CProfile::WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value)
{
    if (m_kind == Kind::IniFile)
        return WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), m_location.c_str()) != 0;
    if (m_kind != Kind::Registry)
        return false;
    const std::wstring path = m_location + L"\\" + section;
    HKEY hkey = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hkey, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG rc = RegSetValueExW(hkey, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(hkey);
    return rc == ERROR_SUCCESS;
}

int CProfile::GetInt(const std::wstring& section, const std::wstring& key, int fallback) const
{
    const std::wstring text = GetString(section, key, std::wstring());
    int value = 0;
    return ctext::ParseIntExact(text, value) ? value : fallback;
}

bool CProfile::WriteInt(const std::wstring& section, const std::wstring& key, int value)
{
    return WriteString(section, key, ctext::IntText(value));
}

} // namespace fw
