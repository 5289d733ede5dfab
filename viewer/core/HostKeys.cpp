// The viewer's profile keys, settings text files and date and time defaults.
#include "HostKeys.h"

#include "CommandLineInfoEx.h"
#include "DateTimeEnv.h"
#include "FileSearch.h"
#include "MainApp.h"
#include "MainFrame.h"
#include "OptionPageKeys.h"
#include "ProcessObjects.h"
#include "Settings.h"
#include "TDate.h"
#include "ViewerUtil.h"

#include <windows.h>

namespace {

const wchar_t* const kDirectoryKeys[] = {L"DirectoryFiles", L"DirectoryFilesSaved", L"DirectoryApplicationInformation",
                                         L"DirectoryExport", L"DirectoryHtml"};
const wchar_t* const kWindowKeys[] = {L"ViewMainWindowRect", L"ViewMainWindowIconic", L"ViewMainWindowMaximized",
                                      L"ViewMainWindowHeightTopArea"};

std::wstring LocaleText(LCTYPE type)
{
    const LCID lcid = datetime::CurrentLocale();
    const int n = GetLocaleInfoW(lcid, type, nullptr, 0);
    if (n <= 0)
        return {};
    std::wstring text(static_cast<size_t>(n), L'\0');
    GetLocaleInfoW(lcid, type, text.data(), n);
    text.resize(static_cast<size_t>(n - 1));
    return text;
}

std::wstring TimeText(int hour)
{
    SYSTEMTIME st{};
    st.wYear = 2000;
    st.wMonth = 1;
    st.wDay = 1;
    st.wHour = static_cast<WORD>(hour);
    wchar_t buffer[64];
    if (GetTimeFormatW(datetime::CurrentLocale(), TIME_NOSECONDS, &st, nullptr, buffer, 64) == 0)
        return {};
    return buffer;
}

} // namespace

void LoadHostKeys(const std::wstring& iniFile)
{
    LoadSettingFromProfile(L"Basic", iniFile, L"FileOpenLast");
    LoadSettingFromProfile(L"Views", iniFile, L"StartupScrollToday");
    LoadGridColumnKeys(iniFile);
    LoadPrinterOptionKeys(iniFile);
    LoadExportOptionKeys(iniFile);
    LoadSettingFromProfile(L"Reports", iniFile, L"ReportsOutput");
    for (const wchar_t* key : kDirectoryKeys)
        LoadSettingFromProfile(L"Directories", iniFile, key);
    for (const wchar_t* key : kWindowKeys)
        LoadSettingFromProfile(L"Views", iniFile, key);
    LoadSettingFromProfile(L"Views", iniFile, L"ViewZoom");
    LoadSettingFromProfile(L"DialogWindows", iniFile, L"DlgInfoFilenameLast");
}

void SaveHostKeys(const std::wstring& iniFile, bool all)
{
    SaveSettingToProfile(L"Basic", iniFile, L"FileOpenLast");
    SaveSettingToProfile(L"Views", iniFile, L"StartupScrollToday");
    SaveGridColumnKeys(iniFile);
    SavePrinterOptionKeys(iniFile);
    SaveExportOptionKeys(iniFile);
    SaveSettingToProfile(L"Reports", iniFile, L"ReportsOutput");
    if (all) {
        for (const wchar_t* key : kDirectoryKeys)
            SaveSettingToProfile(L"Directories", iniFile, key);
    }
    if (gApp && gApp->Frame())
        gApp->Frame()->StoreWindowPlacement();
    if (all) {
        for (const wchar_t* key : kWindowKeys)
            SaveSettingToProfile(L"Views", iniFile, key);
    }
    SaveSettingToProfile(L"Views", iniFile, L"ViewZoom");
    SaveSettingToProfile(L"DialogWindows", iniFile, L"DlgInfoFilenameLast");
}

std::vector<std::wstring> CollectSettingsFolders(const std::wstring& programFolder, const std::wstring& folderName)
{
    std::vector<std::wstring> folders;
    if (!gCommandLine || !gCommandLine->skipDefaultSettingsFolder)
        folders.push_back(JoinPath(programFolder, folderName));
    if (gCommandLine) {
        for (const std::wstring& folder : gCommandLine->settingsFolders) {
            if (IsExistingFolder(folder))
                folders.push_back(folder);
        }
    }
    return folders;
}

std::vector<std::wstring> CollectSettingsFiles(const std::wstring& programFolder, const std::wstring& folderName,
                                               const std::wstring& extension)
{
    std::vector<std::wstring> files;
    for (const std::wstring& folder : CollectSettingsFolders(programFolder, folderName))
        SearchFiles(folder, extension, true, files);
    if (gCommandLine) {
        for (const std::wstring& file : gCommandLine->settingsFiles) {
            if (IsExistingFile(file))
                files.push_back(file);
        }
    }
    return files;
}

void LoadSettingsFiles(const std::vector<std::wstring>& files, std::vector<std::wstring>& readFiles)
{
    readFiles.clear();
    for (const std::wstring& file : files) {
        if (gSettings)
            gSettings->LoadSettingsFile(file);
        readFiles.push_back(file);
    }
}

void SetDateTimeDefaults()
{
    // A picture too long to be used is built as none is: the viewer, its plug-ins and the
    // controls then show dates as they do without one, not in the locale's short form.
    if (const std::wstring set = GetSetting(L"DateFormat"); set.empty() || !TDate::IsUsablePicture(set.c_str())) {
        const std::wstring separator = LocaleText(LOCALE_SDATE);
        std::wstring picture;
        if (!separator.empty()) {
            const std::wstring day = GetStringSetting(L"DateFormatDay", L"dd");
            const std::wstring month = GetStringSetting(L"DateFormatMonth", L"MM");
            const std::wstring year = GetStringSetting(L"DateFormatYear", L"yyyy");
            const std::wstring sep(1, separator[0]);
            const std::wstring order = LocaleText(LOCALE_IDATE);
            const wchar_t first = order.empty() ? L'0' : order[0];
            if (first == L'1')
                picture = day + sep + month + sep + year;
            else if (first == L'2')
                picture = year + sep + month + sep + day;
            else
                picture = month + sep + day + sep + year;
        }
        SetSetting(L"DateFormat", picture);
    }
    if (GetIntSetting(L"ViewFirstDayOfWeek", -1) < 0) {
        const std::wstring first = LocaleText(LOCALE_IFIRSTDAYOFWEEK);
        const int day = (!first.empty() && first[0] >= L'0' && first[0] <= L'6') ? first[0] - L'0' : 0;
        SetIntSetting(L"ViewFirstDayOfWeek", day);
    }
    if (GetSetting(L"TimeFormat").empty()) {
        // A locale whose time form does not tell 8 in the morning from 8 in the evening gets a
        // 24-hour picture.
        if (TimeText(8) == TimeText(20))
            SetSetting(L"TimeFormat", L"HH:mm");
    }
}
