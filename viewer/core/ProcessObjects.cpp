// Creation and publication of the process-wide objects.
#include "ProcessObjects.h"

#include "CommandLineInfoEx.h"
#include "MainApp.h"
#include "Plugins.h"
#include "RuntimeReady.h"
#include "Settings.h"
#include "WorkingTimeText.h"

CSelection* gSelection = nullptr;
CCommandLineInfoEx* gCommandLine = nullptr;
CMainApp* gApp = nullptr;
CPlugins* gPlugins = nullptr;
CSettings* gSettings = nullptr;
wqv2_data::CData* gData = nullptr;
CRKPrintEngine2* gPrintEngine = nullptr;
CUndoManagerInt* gUndoManager = nullptr;
wqv2_data::CFilter* gCurrentFilter = nullptr;

namespace {

std::wstring ReadViewerSetting(const wchar_t* key)
{
    return GetSetting(key ? key : L"");
}

} // namespace

// Members are constructed in declaration order and destroyed in reverse.
struct CProcessObjects::Objects {
    CSelection selection;
    CCommandLineInfoEx commandLine;
    CMainApp app;
    CPlugins plugins;
    CSettings settings;
};

CProcessObjects::CProcessObjects() : m_objects(std::make_unique<Objects>())
{
    // The program's own runtime, on the thread that runs the program.
    ReadyRuntimeForThread();
    gSelection = &m_objects->selection;
    gCommandLine = &m_objects->commandLine;
    gApp = &m_objects->app;
    gPlugins = &m_objects->plugins;
    gSettings = &m_objects->settings;
    gSettings->SetApplicationProfile(&gApp->Profile());
    SetSettingTextReader(&ReadViewerSetting);
}

CProcessObjects::~CProcessObjects()
{
    SetSettingTextReader(nullptr);
    gSettings = nullptr;
    gPlugins = nullptr;
    gApp = nullptr;
    gCommandLine = nullptr;
    gSelection = nullptr;
    gData = nullptr;
    gPrintEngine = nullptr;
    gUndoManager = nullptr;
    gCurrentFilter = nullptr;
    m_objects.reset();
}

CMainApp& CProcessObjects::App()
{
    return m_objects->app;
}
