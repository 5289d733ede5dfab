// Recent files in the initialization file.
#include "RecentFiles.h"

#include "ClassicText.h"
#include "MainApp.h"
#include "ProcessObjects.h"
#include "ProfileFile.h"
#include "Settings.h"

#include <algorithm>

namespace {

std::wstring RecentFileKey(int number)
{
    return L"RecentFile" + ctext::IntText(number);
}

} // namespace

void LoadRecentFiles(const std::wstring& iniFile)
{
    if (!gApp || gApp->RecentFiles())
        return;
    const int size = std::min(GetIntSetting(L"RecentFilesMax", 4), fw::CRecentFileList::kMaxSize);
    gApp->LoadStdProfileSettings(size);
    fw::CRecentFileList* list = gApp->RecentFiles();
    if (!list || iniFile.empty())
        return;
    for (int i = 0; i < fw::CRecentFileList::kMaxSize; ++i)
        list->Remove(0);
    // From the highest number down, so that number 1 ends up on top.
    for (int i = size; i >= 1; --i) {
        const std::wstring key = RecentFileKey(i);
        LoadSettingFromProfile(L"Basic", iniFile, key);
        const std::wstring path = GetSetting(key);
        if (!path.empty())
            gApp->AddToRecentFileList(path);
    }
}

void SaveRecentFiles(const std::wstring& iniFile)
{
    fw::CRecentFileList* list = gApp ? gApp->RecentFiles() : nullptr;
    if (iniFile.empty() || !list)
        return;
    for (int i = 0; i < list->Size(); ++i) {
        const std::wstring key = RecentFileKey(i + 1);
        SetSetting(key, list->Entry(i));
        SaveSettingToProfile(L"Basic", iniFile, key);
    }
    gApp->SetSaveRecentFilesOnExit(false);
}

bool CanSaveRecentFiles(const std::wstring& iniFile)
{
    fw::CRecentFileList* list = gApp ? gApp->RecentFiles() : nullptr;
    if (iniFile.empty() || !list)
        return true;
    for (int i = 0; i < list->Size(); ++i) {
        if (!CanIniFileHold(iniFile, list->Entry(i)))
            return false;
    }
    return true;
}
