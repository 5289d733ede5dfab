// Start-up, library binding and exit of the viewer.
#include "MainApp.h"

#include "AboutDlg.h"
#include "BuiltInPages.h"
#include "CommandLineInfoEx.h"
#include "CurrentFilter.h"
#include "DataChange.h"
#include "FileSearch.h"
#include "HostKeys.h"
#include "ListedTasks.h"
#include "MainFrame.h"
#include "PrinterDefaults.h"
#include "ProcessObjects.h"
#include "QV2ResVIds.h"
#include "RKPrintEngine2.h"
#include "RecentFiles.h"
#include "ReportPrint.h"
#include "SafeFormat.h"
#include "Settings.h"
#include "UndoManagerInt.h"
#include "ViewerUtil.h"
#include "fw/MessageBox.h"
#include "fw/Resources.h"
#include "wqv2_data.h"

#include <clocale>

namespace {

constexpr wchar_t kResourceLibrary[] = L"QV2ResV.dll";

using SetAppResHandleFn = int(__cdecl*)(HINSTANCE);
using SetFormatFn = int(__cdecl*)(const wchar_t*);
using SetOptionFn = int(__cdecl*)(int, int, void*);

template <class Fn>
Fn Export(HMODULE module, const char* name)
{
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// Tells that a project to open names no file: message 900, or what it names instead (a folder,
// a device or a pipe).
void ShowNoFileMessage(HWND owner, const std::wstring& path)
{
    const UINT message = IsExistingFolder(path)         ? IDS_MSG_FOLDER_NOT_FILE
                         : IsExistingDeviceOrPipe(path) ? IDS_MSG_DEVICE_NOT_FILE
                                                        : IDS_MSG_FILE_MISSING;
    fw::ShowMessage(owner, msgfmt::Format(fw::LoadResString(message), {path}), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

CMainApp::CMainApp()
{
    // Numbers the runtime formats follow the user's conventions, as the Overview requires.
    _wsetlocale(LC_ALL, L"");
}

CMainApp::~CMainApp() = default;

std::wstring CMainApp::GetProgramFolder() const
{
    std::wstring folder = m_programFolder;
    if (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/'))
        folder.pop_back();
    return folder;
}

CMainFrame* CMainApp::Frame() const
{
    return static_cast<CMainFrame*>(MainFrame());
}

bool CMainApp::IsShiftDown() const
{
    if (m_environment.isShiftDown)
        return m_environment.isShiftDown();
    return GetKeyState(VK_SHIFT) < 0;
}

void CMainApp::ShowLibraryError(UINT messageId, const std::wstring& file)
{
    fw::ShowMessage(nullptr, msgfmt::Format(fw::LoadResString(messageId), {file}), MB_OK | MB_ICONERROR);
}

HMODULE CMainApp::LoadLibraryFromProgramFolder(const std::wstring& file)
{
    if (file.empty())
        return nullptr;
    // By full path: the program folder, never the search path. The altered search path lets the
    // library find its own dependencies beside it.
    const std::wstring path = ResolveAgainst(m_programFolder, file);
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void CMainApp::SetUpProgramFolder()
{
    m_launchFolder = GetCurrentFolder();
    std::wstring folder = m_environment.programFolder;
    if (folder.empty())
        folder = GetPathFolder(GetModulePath(nullptr));
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/')
        folder += L'\\';
    m_programFolder = folder;
    SetCurrentDirectoryW(m_programFolder.c_str());
}

void CMainApp::ParseCommandLine()
{
    const std::wstring full = m_environment.commandLine.empty() ? GetCommandLineW() : m_environment.commandLine;
    m_commandLineText = fw::ArgumentText(full);
    if (!gCommandLine)
        return;
    fw::ParseArguments(fw::SplitCommandLine(full), *gCommandLine);
    gCommandLine->ResolvePaths(m_launchFolder);
}

void CMainApp::ReadProductVersion()
{
    const std::wstring self = GetModulePath(nullptr);
    m_productVersion = GetVersionString(self, L"ProductVersion");
    m_productName = GetVersionString(self, L"ProductName");
    m_translation = GetVersionString(self, L"");
}

bool CMainApp::LoadResourceLibrary()
{
    m_resourceModule = LoadLibraryFromProgramFolder(kResourceLibrary);
    if (!m_resourceModule) {
        // Without the resource library there is no text to say so: this one is built in.
        fw::ShowMessage(nullptr, msgfmt::Format(L"Resource file %s not found.", {kResourceLibrary}),
                        MB_OK | MB_ICONERROR);
        return false;
    }
    fw::SetResourceModule(m_resourceModule);
    return true;
}

bool CMainApp::BindControls(const std::wstring& file)
{
    m_controlsModule = LoadLibraryFromProgramFolder(file);
    if (!m_controlsModule) {
        ShowLibraryError(IDS_MSG_LIBRARY_NOT_LOADED, file);
        return false;
    }
    if (auto setResources = Export<SetAppResHandleFn>(m_controlsModule, "rkcc2_setappreshandle"))
        setResources(m_resourceModule);
    return true;
}

bool CMainApp::BindData(const std::wstring& file)
{
    m_dataModule = LoadLibraryFromProgramFolder(file);
    if (!m_dataModule) {
        ShowLibraryError(IDS_MSG_LIBRARY_NOT_LOADED, file);
        return false;
    }
    if (auto getData = Export<wqv2_data::DllGetDataFn>(m_dataModule, "DllGetData")) {
        m_undoManager = std::make_unique<CUndoManagerInt>();
        gUndoManager = m_undoManager.get();
        gData = getData(m_undoManager.get());
    }
    if (!gData) {
        ShowLibraryError(IDS_MSG_LIBRARY_REFUSED, file);
        return false;
    }
    return true;
}

bool CMainApp::BindPrintEngine(const std::wstring& file)
{
    m_printEngineModule = LoadLibraryFromProgramFolder(file);
    if (!m_printEngineModule) {
        ShowLibraryError(IDS_MSG_LIBRARY_NOT_LOADED, file);
        return false;
    }
    if (auto getEngine = Export<DllGetPrintEngineProc>(m_printEngineModule, "DllGetPrintEngine"))
        gPrintEngine = getEngine();
    if (!gPrintEngine) {
        ShowLibraryError(IDS_MSG_LIBRARY_REFUSED, file);
        return false;
    }
    return true;
}

bool CMainApp::BindLibraries()
{
    const std::wstring controlsFile = fw::LoadResString(IDS_LIB_CONTROLS);
    const std::wstring dataFile = fw::LoadResString(IDS_LIB_DATA);
    const std::wstring printEngineFile = fw::LoadResString(IDS_LIB_PRINTENGINE);
    return BindControls(controlsFile) && BindData(dataFile) && BindPrintEngine(printEngineFile) && LoadAllPlugins();
}

bool CMainApp::LoadAllPlugins()
{
    if (!gPlugins)
        return false;
    std::vector<CPluginCandidate> candidates;
    candidates.push_back({ResolveAgainst(m_programFolder, fw::LoadResString(IDS_PLUGIN_REQUIRED)), true});
    candidates.push_back({ResolveAgainst(m_programFolder, fw::LoadResString(IDS_PLUGIN_OPTIONAL)), false});
    if (!gCommandLine || !gCommandLine->noPluginSearch) {
        const std::wstring extension = fw::LoadResString(IDS_PLUGIN_EXTENSION);
        std::vector<std::wstring> files;
        for (const std::wstring& folder : FindPluginFolders(m_programFolder, fw::LoadResString(IDS_PLUGIN_FOLDER)))
            SearchFiles(folder, extension, true, files);
        if (gCommandLine) {
            for (const std::wstring& file : gCommandLine->pluginFiles) {
                if (IsExistingFile(file))
                    files.push_back(file);
            }
        }
        for (std::wstring& file : files)
            candidates.push_back({std::move(file), false});
    }
    CPluginHostInfo host;
    host.productName = m_productName;
    host.productVersion = m_productVersion;
    host.translation = m_translation;
    host.resources = m_resourceModule;
    std::wstring refused;
    if (!gPlugins->LoadPlugins(candidates, host, refused)) {
        ShowLibraryError(IDS_MSG_LIBRARY_REFUSED, refused);
        return false;
    }
    return true;
}

void CMainApp::ReadSettings()
{
    const std::wstring iniFile = gCommandLine ? gCommandLine->iniFile : std::wstring();
    SetSetting(L"InitializationFile", iniFile);
    LoadHostKeys(iniFile);
    gPlugins->BroadcastOnLoadSettings(iniFile);
    LoadSettingsFiles(CollectSettingsFiles(m_programFolder, fw::LoadResString(IDS_SETTINGS_FOLDER),
                                           fw::LoadResString(IDS_SETTINGS_EXTENSION)),
                      m_settingsFiles);
    LoadRecentFiles(iniFile);
    if (gCommandLine && gSettings) {
        for (const std::wstring& line : gCommandLine->settingsLines)
            gSettings->LoadSettingsLine(line);
    }
    SetDateTimeDefaults();
}

void CMainApp::HandFormatsToControls()
{
    if (!m_controlsModule)
        return;
    const std::wstring dateFormat = GetSetting(L"DateFormat");
    if (auto setDate = Export<SetFormatFn>(m_controlsModule, "rkcc2_setdateformat"); setDate && !dateFormat.empty())
        setDate(dateFormat.c_str());
    const std::wstring timeFormat = GetSetting(L"TimeFormat");
    if (auto setTime = Export<SetFormatFn>(m_controlsModule, "rkcc2_settimeformat"); setTime && !timeFormat.empty())
        setTime(timeFormat.c_str());
    if (auto setOption = Export<SetOptionFn>(m_controlsModule, "rkcc2_setoption")) {
        int weekNumbers = GetBoolSetting(L"CtrlEditDateShowWeeknumbers", false) ? 1 : 0;
        setOption(1, 1, &weekNumbers);
    }
}

void CMainApp::ChooseStartFile()
{
    m_startFile.clear();
    if (IsShiftDown() || (gCommandLine && gCommandLine->skipStartFile))
        return;
    std::wstring candidate = GetSetting(L"FileOpenOnStart");
    fw::CRecentFileList* recent = RecentFiles();
    if (recent && GetBoolSetting(L"FileOpenLast", true) && candidate.empty() && recent->Size() >= 1 &&
        IsExistingFile(recent->Entry(0)))
        candidate = recent->Entry(0);
    if (gCommandLine && !gCommandLine->fileName.empty())
        candidate = gCommandLine->fileName;
    if (!candidate.empty() && !IsExistingFile(candidate)) {
        ShowNoFileMessage(nullptr, candidate);
        return;
    }
    m_startFile = candidate;
}

bool CMainApp::CreateMainFrame()
{
    auto* frame = new CMainFrame;
    // Known to the application before its window exists: plug-ins register their board window
    // from inside the frame's creation.
    SetMainFrame(frame);
    if (!frame->Create()) {
        SetMainFrame(nullptr);
        // A frame destroyed during its own creation has asked the loop to end.
        MSG msg;
        PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        return false;
    }
    return true;
}

bool CMainApp::InitInstance()
{
    SetUpProgramFolder();
    ParseCommandLine();
    ReadProductVersion();
    if (!LoadResourceLibrary())
        return false;

    SetAppName(fw::LoadResString(IDS_APP_TITLE));
    fw::SetMessageCaption(AppName());
    const std::wstring settingsRoot = fw::LoadResString(IDS_SETTINGS_ROOT);
    SetRegistryKey(settingsRoot);
    if (!m_environment.profileFile.empty())
        Profile().UseIniFile(m_environment.profileFile);
    if (gSettings)
        gSettings->SetApplicationProfile(&Profile());

    if (!gSettings || !gPlugins || !BindLibraries())
        return false;

    gPlugins->BroadcastOnStart(gData);
    ReadSettings();
    gPlugins->BroadcastOnInitialized();
    RegisterBuiltInReportOptionPages();
    HandFormatsToControls();
    ApplyPrinterDefaults();
    gPlugins->BroadcastOnRegister();

    ChooseStartFile();
    if (!CreateMainFrame())
        return false;
    CMainFrame* frame = Frame();
    frame->RefreshZoomBox();
    gPlugins->BroadcastOnSettingsChanged(0);
    frame->PlaceAndShow(gCommandLine && gCommandLine->hidden);
    gData->AddChangeListener(&OnProjectDataChanged);
    SetStartupFilterPending(true);
    // The frame may be gone when a plug-in closed it from one of the broadcasts above.
    if (Frame()) {
        if (!m_startFile.empty())
            Frame()->OpenProjectFile(m_startFile);
        else
            Frame()->UpdateTitle();
    }
    gPlugins->BroadcastOnStartUpCompleted();
    return true;
}

int CMainApp::ExitInstance()
{
    // The board window lives in a plug-in's code: the frame goes before any plug-in does.
    if (CMainFrame* frame = Frame()) {
        DestroyWindow(frame->Hwnd());
        MSG msg;
        PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    // Records are released while the data library, whose code their callbacks run, is loaded;
    // the store itself lives on until the library is gone, which may still reach it until then.
    if (m_undoManager)
        m_undoManager->Clear();
    if (gPlugins) {
        gPlugins->BroadcastOnExit();
        gPlugins->FreeAll();
    }
    if (m_dataModule) {
        if (auto freeData = Export<wqv2_data::DllFreeDataFn>(m_dataModule, "DllFreeData"))
            freeData();
        gData = nullptr;
        gCurrentFilter = nullptr;
        FreeLibrary(m_dataModule);
        m_dataModule = nullptr;
    }
    gUndoManager = nullptr;
    m_undoManager.reset();
    if (m_printEngineModule) {
        if (auto freeEngine = Export<DllFreePrintEngineProc>(m_printEngineModule, "DllFreePrintEngine"))
            freeEngine();
        gPrintEngine = nullptr;
        FreeLibrary(m_printEngineModule);
        m_printEngineModule = nullptr;
    }
    if (m_controlsModule) {
        FreeLibrary(m_controlsModule);
        m_controlsModule = nullptr;
    }
    if (m_resourceModule) {
        fw::SetResourceModule(nullptr);
        FreeLibrary(m_resourceModule);
        m_resourceModule = nullptr;
    }
    SaveRecentFiles(GetSetting(L"InitializationFile"));
    // The remembered report named a registration of plug-ins that are gone now.
    ReportPrintState() = CReportPrintState{};
    return fw::CApp::ExitInstance();
}

bool CMainApp::OpenRecentFile(int index)
{
    fw::CRecentFileList* recent = RecentFiles();
    if (!recent || index < 0 || index >= recent->Size())
        return false;
    const std::wstring path = recent->Entry(index);
    if (path.empty())
        return false; // an empty slot is not on the menu
    if (IsExistingFile(path) && Frame())
        return Frame()->OpenProjectFile(path);
    ShowNoFileMessage(Frame() ? Frame()->Hwnd() : nullptr, path);
    return false;
}

bool CMainApp::OnCommand(UINT id)
{
    if (id == IDM_HELP_ABOUT) {
        CAboutDlg about;
        about.productName = fw::LoadResString(IDS_PRODUCT_NAME);
        about.version = m_productVersion;
        about.RunModal(Frame() ? Frame()->Hwnd() : nullptr);
        return true;
    }
    if (id >= IDM_FILE_RECENT_FIRST && id < IDM_FILE_RECENT_FIRST + fw::CRecentFileList::kMaxSize) {
        OpenRecentFile(static_cast<int>(id - IDM_FILE_RECENT_FIRST));
        return true;
    }
    if (id == IDM_APP_EXIT) {
        if (Frame())
            PostMessageW(Frame()->Hwnd(), WM_CLOSE, 0, 0);
        return true;
    }
    return fw::CApp::OnCommand(id);
}
