#pragma once
// CCommandLineInfoEx: the viewer's start-up options, recorded from the command line once at
// start-up and read by the later start-up steps (one per process, see ProcessObjects.h).

#include "fw/CommandLine.h"

#include <string>
#include <vector>

class CCommandLineInfoEx : public fw::CCommandLineInfo {
public:
    void ParseParam(const std::wstring& param, bool isFlag, bool isLast) override;

    // Paths given on the command line made absolute against the folder the program was started
    // in: start-up changes the current directory before any of them is used.
    void ResolvePaths(const std::wstring& launchFolder);

    bool hidden = false;                    // h
    bool skipStartFile = false;             // se
    bool readOnly = false;                  // ro (projects open read-only in any case)
    bool noPluginSearch = false;            // pi
    bool skipDefaultSettingsFolder = false; // cdskip
    bool skipDefaultPluginFolder = false;   // pdskip
    std::wstring iniFile;                   // i; a later i replaces it
    std::wstring pendingOption;             // the option whose value the next plain argument is
    std::vector<std::wstring> settingsLines;   // s
    std::vector<std::wstring> settingsFiles;   // cf
    std::vector<std::wstring> settingsFolders; // cd
    std::vector<std::wstring> pluginFiles;     // pf
    std::vector<std::wstring> pluginFolders;   // pd
};
