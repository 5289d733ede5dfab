// Start-up options of the command line.
#include "CommandLineInfoEx.h"

#include "ViewerUtil.h"

#include <cwctype>

void CCommandLineInfoEx::ParseParam(const std::wstring& param, bool isFlag, bool isLast)
{
    if (isFlag) {
        std::wstring flag = param;
        for (wchar_t& c : flag)
            c = static_cast<wchar_t>(std::towlower(c));
        if (flag == L"h")
            hidden = true;
        else if (flag == L"se")
            skipStartFile = true;
        else if (flag == L"ro")
            readOnly = true;
        else if (flag == L"pi")
            noPluginSearch = true;
        else if (flag == L"cdskip")
            skipDefaultSettingsFolder = true;
        else if (flag == L"pdskip")
            skipDefaultPluginFolder = true;
        else if (flag == L"i" || flag == L"cf" || flag == L"cd" || flag == L"pd" || flag == L"pf" || flag == L"s")
            pendingOption = flag;
        else
            fw::CCommandLineInfo::ParseParam(param, isFlag, isLast);
        return;
    }
    if (pendingOption.empty()) {
        fw::CCommandLineInfo::ParseParam(param, isFlag, isLast);
        return;
    }
    const std::wstring option = std::move(pendingOption);
    pendingOption.clear();
    if (option == L"i")
        iniFile = param;
    else if (option == L"cf")
        settingsFiles.push_back(param);
    else if (option == L"cd")
        settingsFolders.push_back(param);
    else if (option == L"pd")
        pluginFolders.push_back(param);
    else if (option == L"pf")
        pluginFiles.push_back(param);
    else if (option == L"s")
        settingsLines.push_back(param);
}

void CCommandLineInfoEx::ResolvePaths(const std::wstring& launchFolder)
{
    iniFile = ResolveAgainst(launchFolder, iniFile);
    fileName = ResolveAgainst(launchFolder, fileName);
    for (auto* list : {&settingsFiles, &settingsFolders, &pluginFiles, &pluginFolders}) {
        for (std::wstring& path : *list)
            path = ResolveAgainst(launchFolder, path);
    }
}
