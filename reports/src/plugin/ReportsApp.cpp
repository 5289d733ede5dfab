// The plug-in's application object.
#include "plugin/ReportsApp.h"

#include "plugin/QV2Api.h"

#include "QV2ResVIds.h"
#include "fw/MessageBox.h"
#include "fw/Resources.h"

HINSTANCE gReportsModule = nullptr;

CReportsApp& ReportsApp()
{
    static CReportsApp app;
    return app;
}

bool CReportsApp::InitInstance()
{
    // Refusing here keeps a plug-in that lacks part of the host API out of the viewer entirely.
    return gQV2API.Bind();
}

void CReportsApp::AdoptHostResources(HINSTANCE hostResources)
{
    fw::SetResourceModule(hostResources);
    std::wstring key;
    if (hostResources) {
        const std::wstring name = fw::LoadResString(IDS_APP_TITLE, hostResources);
        if (!name.empty())
            m_appName = name;
        key = fw::LoadResString(IDS_SETTINGS_ROOT, hostResources);
    }
    if (key.empty())
        key = fw::LoadResString(IDS_SETTINGS_ROOT);
    m_registryKey = key;
    fw::SetMessageCaption(m_appName);
}
