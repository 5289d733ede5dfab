#pragma once
// CReportsApp: the report plug-in's application object. It binds the host API when the library
// is loaded and, once the viewer hands over its resource library, takes every resource from
// there and its name and profile key with it. One process-wide instance (ReportsApp()).

#include <windows.h>

#include <string>

class CReportsApp {
public:
    // Runs while the viewer's LoadLibrary is in progress; false makes the library refuse to load.
    bool InitInstance();

    // Makes the host's resource module the plug-in's resource source (also when it is null);
    // takes the application name (string 57344) and the profile key (string 57348) from it.
    void AdoptHostResources(HINSTANCE hostResources);

    // The caption of the plug-in's message boxes.
    const std::wstring& AppName() const { return m_appName; }
    const std::wstring& RegistryKey() const { return m_registryKey; }

private:
    std::wstring m_appName = L"QV2R";
    std::wstring m_registryKey;
};

CReportsApp& ReportsApp();

// The plug-in's own module (QV2R.dll), kept by DllMain; null when the code is linked elsewhere.
extern HINSTANCE gReportsModule;
