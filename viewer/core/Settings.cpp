// The settings store: key forms, typed readers, profile and settings-file input.
#include "Settings.h"

#include "ClassicText.h"
#include "ProcessObjects.h"
#include "ProfileFile.h"
#include "ViewerUtil.h"
#include "fw/Profile.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>

namespace {

constexpr wchar_t kStoredNewline[] = L"<!nl!>";

std::wstring ReplaceAll(std::wstring text, std::wstring_view from, std::wstring_view to)
{
    size_t at = 0;
    while ((at = text.find(from, at)) != std::wstring::npos) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b)
{
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// Leading and trailing line feeds, tabs and blanks off, then one pair of enclosing quotes.
std::wstring_view TrimSettingsPart(std::wstring_view text)
{
    constexpr std::wstring_view kSpace = L"\n\r\t ";
    const size_t first = text.find_first_not_of(kSpace);
    if (first == std::wstring_view::npos)
        return {};
    text = text.substr(first, text.find_last_not_of(kSpace) - first + 1);
    if (text.size() > 1 && text.front() == L'"' && text.back() == L'"')
        text = text.substr(1, text.size() - 2);
    return text;
}

} // namespace

std::wstring CSettings::NormaliseKey(std::wstring_view key)
{
    std::wstring upper(key);
    for (wchar_t& c : upper)
        c = static_cast<wchar_t>(std::towupper(c));
    if (!upper.empty() && upper[0] == L'<')
        return std::wstring(upper.rbegin(), upper.rend() - 1);
    if (!upper.empty() && upper[0] == L':') {
        std::wstring odd;
        for (size_t i = 1; i < upper.size(); i += 2)
            odd += upper[i];
        return odd;
    }
    return upper;
}

std::wstring CSettings::GetSetting(std::wstring_view key) const
{
    if (key.empty())
        return {};
    const auto it = m_values.find(NormaliseKey(key));
    return it == m_values.end() ? std::wstring() : it->second;
}

void CSettings::SetSetting(std::wstring_view key, std::wstring_view value)
{
    std::wstring normal = NormaliseKey(key);
    if (normal.empty())
        return;
    if (normal[0] != L'+') {
        m_values[normal] = value;
        return;
    }
    // The key after the plus goes through the same spellings as any other key.
    const std::wstring real = NormaliseKey(std::wstring_view(normal).substr(1));
    if (real.empty())
        return;
    std::wstring& stored = m_values[real];
    if (stored.empty())
        stored = value;
    else
        stored.append(L"\n").append(value);
}

int CSettings::GetIntSetting(std::wstring_view key, int fallback) const
{
    const std::wstring text = GetSetting(key);
    if (text.empty())
        return fallback;
    // Leading white space of any kind is skipped, as the runtime's conversion does.
    const size_t first = text.find_first_not_of(L" \t\n\r\v\f");
    return first == std::wstring::npos ? 0 : ctext::ParseInt(std::wstring_view(text).substr(first));
}

bool CSettings::GetBoolSetting(std::wstring_view key, bool fallback) const
{
    const std::wstring text = GetSetting(key);
    if (text.empty())
        return fallback;
    if (text == L"0")
        return false;
    for (std::wstring_view no : {L"off", L"false", L"no", L"n"}) {
        if (EqualsIgnoringCase(text, no))
            return false;
    }
    return true;
}

std::wstring CSettings::GetStringSetting(std::wstring_view key, std::wstring_view fallback) const
{
    std::wstring text = GetSetting(key);
    return text.empty() ? std::wstring(fallback) : text;
}

TDate CSettings::GetDateSetting(std::wstring_view key, TDate fallback) const
{
    const std::wstring text = GetSetting(key);
    if (text.empty())
        return fallback;
    const TDate date = TDate::Parse(text.c_str());
    return date.IsReal() ? date : TDate();
}

uint32_t CSettings::GetColourSetting(std::wstring_view key, uint32_t fallback) const
{
    const std::wstring text = GetSetting(key);
    if (text.empty())
        return fallback;
    // Runs of digits read with saturation, so a long run cannot overflow.
    auto readRun = [&](size_t& i, uint32_t limit) {
        uint64_t value = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            value = std::min<uint64_t>(value * 10 + static_cast<unsigned>(text[i] - L'0'), limit);
        return static_cast<uint32_t>(value);
    };
    if (std::all_of(text.begin(), text.end(), IsDigit)) {
        size_t i = 0;
        return readRun(i, 0xFFFFFF);
    }
    uint32_t parts[3] = {0, 0, 0};
    size_t i = 0;
    for (int part = 0; part < 3; ++part) {
        while (i < text.size() && !IsDigit(text[i]))
            ++i;
        if (i == text.size())
            break;
        parts[part] = readRun(i, 255);
    }
    return parts[0] | parts[1] << 8 | parts[2] << 16;
}

void CSettings::SetIntSetting(std::wstring_view key, int value)
{
    SetSetting(key, ctext::IntText(value));
}

void CSettings::SetBoolSetting(std::wstring_view key, bool value)
{
    SetSetting(key, value ? L"1" : L"0");
}

std::vector<std::wstring> CSettings::GetSettingList(std::wstring_view key, std::wstring_view separators) const
{
    const std::wstring text = GetSetting(key);
    std::vector<std::wstring> pieces;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = separators.empty() ? std::wstring::npos : text.find_first_of(separators, start);
        if (end == std::wstring::npos)
            end = text.size();
        if (end > start)
            pieces.emplace_back(text, start, end - start);
        start = end + 1;
    }
    return pieces;
}

std::wstring CSettings::GetDateText(TDate date) const
{
    const std::wstring picture = GetSetting(L"DateFormat");
    wchar_t buffer[128];
    if (picture.empty())
        date.Format(buffer, 128, DATE_SHORTDATE, nullptr);
    else
        date.Format(buffer, 128, 0, picture.c_str());
    return buffer;
}

void CSettings::LoadSettingFromProfile(const std::wstring& section, const std::wstring& iniFile,
                                       const std::wstring& key)
{
    if (key.empty())
        return;
    if (!iniFile.empty() && !IsUsableIniFile(iniFile))
        return;
    const std::wstring current = GetSetting(key);
    std::wstring value;
    if (!iniFile.empty()) {
        // The private-profile read of 4096 characters: a longer value is cut to 4095.
        std::wstring buffer(4096, L'\0');
        const DWORD n = GetPrivateProfileStringW(section.c_str(), key.c_str(), current.c_str(), buffer.data(),
                                                 static_cast<DWORD>(buffer.size()), iniFile.c_str());
        buffer.resize(n);
        value = ReplaceAll(std::move(buffer), kStoredNewline, L"\n");
    } else if (m_profile) {
        value = m_profile->GetString(section, key, current);
    } else {
        value = current;
    }
    SetSetting(key, value);
}

bool CSettings::SaveSettingToProfile(const std::wstring& section, const std::wstring& iniFile, const std::wstring& key)
{
    if (key.empty())
        return false;
    const std::wstring value = GetSetting(key);
    if (iniFile.empty())
        return m_profile && m_profile->WriteString(section, key, value);
    if (!IsUsableIniFile(iniFile))
        return false;
    // The file that the profile calls will write, looked at first: they would replace an
    // unreadable one with the key alone, make a new one in the ANSI code page and put "?" in
    // place of every character that code page lacks.
    const std::wstring path = GetIniFilePath(iniFile);
    IniFileContent content = InspectIniFile(path);
    if (content == IniFileContent::Unreadable)
        return false;
    if (content == IniFileContent::Nothing)
        content = StartUnicodeIniFile(path) ? IniFileContent::Unicode : IniFileContent::EightBit;
    const std::wstring stored = ReplaceAll(value, L"\n", kStoredNewline);
    if (content == IniFileContent::EightBit && !FitsAnsiCodePage(section + key + stored)) {
        if (std::find(m_filesLackingText.begin(), m_filesLackingText.end(), path) == m_filesLackingText.end())
            m_filesLackingText.push_back(path);
        return false;
    }
    return WritePrivateProfileStringW(section.c_str(), key.c_str(), stored.c_str(), path.c_str()) != 0;
}

std::vector<std::wstring> CSettings::TakeFilesLackingText()
{
    std::vector<std::wstring> files;
    files.swap(m_filesLackingText);
    return files;
}

bool CSettings::LoadSettingsLine(std::wstring_view line)
{
    const size_t eq = line.find(L'=');
    if (eq == std::wstring_view::npos)
        return false;
    const std::wstring_view key = TrimSettingsPart(line.substr(0, eq));
    const std::wstring_view value = TrimSettingsPart(line.substr(eq + 1));
    if (key.empty() || key[0] == L';' || key[0] == L'#' || key[0] == L'!' || key[0] == L'[')
        return false;
    SetSetting(key, value);
    return true;
}

bool CSettings::LoadSettingsFile(const std::wstring& path)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return false;
    std::wstring text;
    if (!bytes.empty()) {
        const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
        text.resize(static_cast<size_t>(n));
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    }
    // Lines of any length; a CR before the LF belongs to the line break, as in text mode.
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        std::wstring_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == L'\r')
            line.remove_suffix(1);
        LoadSettingsLine(line);
        start = end + 1;
    }
    return true;
}

std::wstring GetSetting(std::wstring_view key)
{
    return gSettings ? gSettings->GetSetting(key) : std::wstring();
}

void SetSetting(std::wstring_view key, std::wstring_view value)
{
    if (gSettings)
        gSettings->SetSetting(key, value);
}

int GetIntSetting(std::wstring_view key, int fallback)
{
    return gSettings ? gSettings->GetIntSetting(key, fallback) : fallback;
}

bool GetBoolSetting(std::wstring_view key, bool fallback)
{
    return gSettings ? gSettings->GetBoolSetting(key, fallback) : fallback;
}

std::wstring GetStringSetting(std::wstring_view key, std::wstring_view fallback)
{
    return gSettings ? gSettings->GetStringSetting(key, fallback) : std::wstring(fallback);
}

void SetIntSetting(std::wstring_view key, int value)
{
    if (gSettings)
        gSettings->SetIntSetting(key, value);
}

void SetBoolSetting(std::wstring_view key, bool value)
{
    if (gSettings)
        gSettings->SetBoolSetting(key, value);
}

std::vector<std::wstring> GetSettingList(std::wstring_view key, std::wstring_view separators)
{
    return gSettings ? gSettings->GetSettingList(key, separators) : std::vector<std::wstring>();
}

void LoadSettingFromProfile(const std::wstring& section, const std::wstring& iniFile, const std::wstring& key)
{
    if (gSettings)
        gSettings->LoadSettingFromProfile(section, iniFile, key);
}

bool SaveSettingToProfile(const std::wstring& section, const std::wstring& iniFile, const std::wstring& key)
{
    return gSettings && gSettings->SaveSettingToProfile(section, iniFile, key);
}

uint32_t GetColourSetting(std::wstring_view key, uint32_t fallback)
{
    return gSettings ? gSettings->GetColourSetting(key, fallback) : fallback;
}

std::wstring GetDateText(TDate date)
{
    if (gSettings)
        return gSettings->GetDateText(date);
    wchar_t buffer[128];
    date.Format(buffer, 128, DATE_SHORTDATE, nullptr);
    return buffer;
}

int GetFirstDayOfWeek()
{
    const int stored = GetIntSetting(L"ViewFirstDayOfWeek", 0);
    return ((stored % 7) + 7) % 7;
}
