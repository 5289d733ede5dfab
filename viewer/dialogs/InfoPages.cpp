// The rows of the information dialog's pages.
#include "InfoPages.h"

#include "HostKeys.h"
#include "MainApp.h"
#include "Plugins.h"
#include "ProcessObjects.h"
#include "QV2ResVIds.h"
#include "SafeFormat.h"
#include "Settings.h"
#include "TDate.h"
#include "ViewerUtil.h"
#include "WorkingTimeText.h"
#include "fw/Resources.h"

namespace {

std::wstring LocaleText(LCTYPE type)
{
    wchar_t buffer[256] = {};
    return GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 256) > 0 ? buffer : L"";
}

UINT FirstDigit(const std::wstring& text)
{
    return !text.empty() && text[0] >= L'0' && text[0] <= L'9' ? static_cast<UINT>(text[0] - L'0') : 0;
}

void AddGroup(InfoRows& rows, UINT label, const std::vector<std::wstring>& values)
{
    const std::wstring text = fw::LoadResString(label);
    for (size_t i = 0; i < values.size(); ++i) {
        const std::wstring numbered =
            values.size() > 1 ? text + msgfmt::Format(L" %d", {static_cast<int>(i + 1)}) : text;
        rows.push_back({numbered, values[i]});
    }
}

std::wstring WithoutTrailingBackslash(std::wstring folder)
{
    while (folder.size() > 1 && (folder.back() == L'\\' || folder.back() == L'/'))
        folder.pop_back();
    return folder;
}

// The user's number format without decimals, read once per process.
const NUMBERFMTW& WholeNumberFormat()
{
    static wchar_t decimal[8];
    static wchar_t thousand[8];
    static const NUMBERFMTW format = [] {
        NUMBERFMTW made{};
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8);
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousand, 8);
        made.lpDecimalSep = decimal;
        made.lpThousandSep = thousand;
        made.NumDigits = 0;
        // "3;0" groups by three, "3;2;0" by three and then by two.
        UINT groups = 0;
        for (wchar_t c : LocaleText(LOCALE_SGROUPING)) {
            if (c >= L'1' && c <= L'9')
                groups = groups * 10 + static_cast<UINT>(c - L'0');
        }
        made.Grouping = groups;
        made.LeadingZero = FirstDigit(LocaleText(LOCALE_ILZERO));
        made.NegativeOrder = FirstDigit(LocaleText(LOCALE_INEGNUMBER));
        return made;
    }();
    return format;
}

std::wstring WholeNumberText(unsigned long long value)
{
    const std::wstring digits = std::to_wstring(value);
    wchar_t buffer[64] = {};
    if (GetNumberFormatW(LOCALE_USER_DEFAULT, 0, digits.c_str(), &WholeNumberFormat(), buffer, 64) > 0)
        return buffer;
    return digits;
}

void AddModule(std::vector<std::wstring>& paths, HMODULE module)
{
    if (module) {
        const std::wstring path = GetModulePath(module);
        if (!path.empty())
            paths.push_back(path);
    }
}

// A library mapped as data: its code, start-up code included, never runs.
class CDataFileLibrary {
public:
    explicit CDataFileLibrary(const std::wstring& path)
        : m_module(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE))
    {
    }
    ~CDataFileLibrary()
    {
        if (m_module)
            FreeLibrary(m_module);
    }
    CDataFileLibrary(const CDataFileLibrary&) = delete;
    CDataFileLibrary& operator=(const CDataFileLibrary&) = delete;
    bool Loaded() const { return m_module != nullptr; }

private:
    HMODULE m_module;
};

} // namespace

InfoRows CollectFolderRows()
{
    InfoRows rows;
    const std::wstring program = gApp ? WithoutTrailingBackslash(gApp->GetProgramFolder()) : std::wstring();
    AddGroup(rows, IDS_INFO_PROGRAM_FOLDER, {program});
    AddGroup(rows, IDS_INFO_SETTINGS_FOLDER, CollectSettingsFolders(program, fw::LoadResString(IDS_SETTINGS_FOLDER)));
    AddGroup(rows, IDS_INFO_SETTINGS_FILE, gApp ? gApp->SettingsFiles() : std::vector<std::wstring>());
    AddGroup(rows, IDS_INFO_PLUGIN_FOLDER, FindPluginFolders(program, fw::LoadResString(IDS_PLUGIN_FOLDER)));
    return rows;
}

std::wstring OperatingSystemLine()
{
    const wchar_t* const format = L"System: %i.%i Build: %i PID: %i CSDV: %s SP: %i.%i SM: %i PT: %i";
    OSVERSIONINFOEXW extended{};
    extended.dwOSVersionInfoSize = sizeof(extended);
    if (GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&extended)))
        return msgfmt::Format(format, {extended.dwMajorVersion, extended.dwMinorVersion, extended.dwBuildNumber,
                                       extended.dwPlatformId, extended.szCSDVersion, extended.wServicePackMajor,
                                       extended.wServicePackMinor, extended.wSuiteMask, extended.wProductType});
    OSVERSIONINFOW plain{};
    plain.dwOSVersionInfoSize = sizeof(plain);
    if (GetVersionExW(&plain))
        return msgfmt::Format(format, {plain.dwMajorVersion, plain.dwMinorVersion, plain.dwBuildNumber,
                                       plain.dwPlatformId, plain.szCSDVersion, 0, 0, 0, 0});
    return {};
}

InfoRows CollectSystemRows()
{
    InfoRows rows;
    auto add = [&](UINT label, const std::wstring& value) { rows.push_back({fw::LoadResString(label), value}); };
    add(IDS_INFO_SYSTEM, OperatingSystemLine());
    add(IDS_INFO_LANGUAGE, LocaleText(LOCALE_SLANGUAGE));
    add(IDS_INFO_DATE_FORMAT,
        msgfmt::Format(fw::LoadResString(IDS_INFO_DATE_FORMAT_VALUE), {GetSetting(L"DateFormat"), LocaleText(LOCALE_SSHORTDATE)}));
    add(IDS_INFO_TIME_FORMAT,
        msgfmt::Format(fw::LoadResString(IDS_INFO_TIME_FORMAT_VALUE),
                       {GetSetting(L"TimeFormat"), LocaleText(LOCALE_STIMEFORMAT), LocaleText(LOCALE_S1159),
                        LocaleText(LOCALE_S2359), LocaleText(LOCALE_ITIME)}));
    add(IDS_INFO_DECIMAL, LocaleText(LOCALE_SDECIMAL));
    add(IDS_INFO_MEASURE, LocaleText(LOCALE_IMEASURE));
    const std::wstring commandLine = gApp && !gApp->CommandLineText().empty() ? gApp->CommandLineText() : GetCommandLineW();
    add(IDS_INFO_COMMAND_LINE, commandLine);
    return rows;
}

std::wstring FormatFileSize(unsigned long long bytes)
{
    const unsigned long long kilobytes = (bytes + 512) / 1024;
    return msgfmt::Format(fw::LoadResString(IDS_INFO_FILE_SIZE), {static_cast<long long>(kilobytes), WholeNumberText(bytes)});
}

std::vector<std::wstring> DescribeModuleFile(const std::wstring& path)
{
    std::wstring date;
    std::wstring size;
    WIN32_FILE_ATTRIBUTE_DATA found{};
    if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &found) &&
        !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        FILETIME local{};
        SYSTEMTIME when{};
        if (FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) && FileTimeToSystemTime(&local, &when)) {
            const TDate day(TDate::FromYMD(when.wMonth, when.wYear, when.wDay));
            date = GetDateText(day) + L" " + FormatTimeSetting(TTime(when.wHour * 60 + when.wMinute));
        }
        size = FormatFileSize((static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow);
    }
    return {GetPathFileName(path), GetVersionString(path, L"FileVersion"), date, size, path};
}

InfoRows CollectModuleRows()
{
    std::vector<std::wstring> paths;
    AddModule(paths, GetModuleHandleW(nullptr));
    if (gApp) {
        AddModule(paths, gApp->ResourceModule());
        AddModule(paths, gApp->ControlsModule());
        AddModule(paths, gApp->DataModule());
        AddModule(paths, gApp->PrintEngineModule());
    }
    if (gPlugins) {
        std::vector<HMODULE> plugins;
        gPlugins->GetModules(plugins);
        for (HMODULE plugin : plugins)
            AddModule(paths, plugin);
    }
    // Named libraries are held as data files until the list is complete.
    std::vector<std::unique_ptr<CDataFileLibrary>> extra;
    for (const std::wstring& named : GetSettingList(L"DynamicLoadedModulesPaths", L"\r\n")) {
        auto library = std::make_unique<CDataFileLibrary>(named);
        if (!library->Loaded())
            continue;
        paths.push_back(GetFullPath(named));
        extra.push_back(std::move(library));
    }
    InfoRows rows;
    for (const std::wstring& path : paths)
        rows.push_back(DescribeModuleFile(path));
    return rows;
}
