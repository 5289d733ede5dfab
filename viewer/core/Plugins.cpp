// Loading of plug-ins, fan-outs in load order, registrations.
#include "Plugins.h"

#include "CommandLineInfoEx.h"
#include "ProcessObjects.h"
#include "Settings.h"
#include "ViewerUtil.h"
#include "WideCopy.h"

#include <algorithm>

namespace {

template <class Fn>
void Bind(HMODULE module, const char* name, Fn& entry)
{
    entry = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

bool CPlugin::Load(const std::wstring& file, const CPluginHostInfo& host)
{
    path = file;
    module = file.empty() ? nullptr : LoadLibraryW(file.c_str());
    if (!module)
        return false;
    Bind(module, "QV2Plugin_OnPluginInfo", OnPluginInfo);
    if (!OnPluginInfo) {
        Free();
        return false;
    }
    // The host reads only what the plug-in wrote: start from a zeroed record, and force an end
    // into every field in case the plug-in filled one to the brim.
    info = PluginInfo{};
    if (OnPluginInfo(host.productName.c_str(), host.productVersion.c_str(), host.translation.c_str(),
                     host.resources, &info) == 0) {
        Free();
        return false;
    }
    wstr::ForceTerminated(info.ProductName);
    wstr::ForceTerminated(info.CompanyName);
    wstr::ForceTerminated(info.ProductVersion);
    wstr::ForceTerminated(info.Description);
    wstr::ForceTerminated(info.Translation);

    Bind(module, "QV2Plugin_OnStart", OnStart);
    Bind(module, "QV2Plugin_OnInitialized", OnInitialized);
    Bind(module, "QV2Plugin_OnStartUpCompleted", OnStartUpCompleted);
    Bind(module, "QV2Plugin_OnRegister", OnRegister);
    Bind(module, "QV2Plugin_OnPrepareExit", OnPrepareExit);
    Bind(module, "QV2Plugin_OnExit", OnExit);
    Bind(module, "QV2Plugin_OnKeyDispatch", OnKeyDispatch);
    Bind(module, "QV2Plugin_OnPreCommand", OnPreCommand);
    Bind(module, "QV2Plugin_OnDataChanged", OnDataChanged);
    Bind(module, "QV2Plugin_OnFileOpened", OnFileOpened);
    Bind(module, "QV2Plugin_OnViewChanged", OnViewChanged);
    Bind(module, "QV2Plugin_OnSettingsChanged", OnSettingsChanged);
    Bind(module, "QV2Plugin_OnSelectedTasksChanged", OnSelectedTasksChanged);
    Bind(module, "QV2Plugin_OnLoadSettings", OnLoadSettings);
    Bind(module, "QV2Plugin_OnSaveSettings", OnSaveSettings);
    Bind(module, "QV2Plugin_OnBeginReport", OnBeginReport);
    Bind(module, "QV2Plugin_OnEndReport", OnEndReport);
    Bind(module, "QV2Plugin_OnWindowInit", OnWindowInit);
    Bind(module, "QV2Plugin_OnMenuInit", OnMenuInit);
    Bind(module, "QV2Plugin_OnToolbarInit", OnToolbarInit);
    Bind(module, "QV2Plugin_OnSettingsDialogInit", OnSettingsDialogInit);
    Bind(module, "QV2Plugin_OnBuildContextMenu", OnBuildContextMenu);
    Bind(module, "QV2Plugin_OnFilterChanged", OnFilterChanged);
    Bind(module, "QV2Plugin_OnTooltip", OnTooltip);
    Bind(module, "QV2Plugin_MakeTaskVisible", MakeTaskVisible);
    return true;
}

void CPlugin::Free()
{
    if (module)
        FreeLibrary(module);
    *this = CPlugin{};
}

CPlugins::~CPlugins()
{
    FreeAll();
}

bool CPlugins::LoadPlugins(const std::vector<CPluginCandidate>& candidates, const CPluginHostInfo& host,
                           std::wstring& refusedRequired)
{
    for (const CPluginCandidate& candidate : candidates) {
        CPlugin plugin;
        if (plugin.Load(candidate.path, host)) {
            m_plugins.push_back(std::move(plugin));
            continue;
        }
        if (candidate.required) {
            refusedRequired = candidate.path;
            return false;
        }
    }
    return true;
}

void CPlugins::FreeAll()
{
    // Entries leave the list before their module goes, so nothing can call into a freed one.
    std::vector<CPlugin> plugins = std::move(m_plugins);
    m_plugins.clear();
    for (CPlugin& plugin : plugins)
        plugin.Free();
}

size_t CPlugins::GetModules(std::vector<HMODULE>& modules) const
{
    for (const CPlugin& plugin : m_plugins)
        modules.push_back(plugin.module);
    return modules.size();
}

namespace {

// Walks the plug-ins that export `entry`, in load order, until `visit` answers false. The walk
// goes by position and looks at the size each time, so a plug-in that breaks the rule and
// loads another from inside a call cannot make it read freed memory.
template <class Fn, class Visit>
void VisitEntries(const std::vector<CPlugin>& plugins, Fn CPlugin::*entry, Visit visit)
{
    for (size_t i = 0; i < plugins.size(); ++i) {
        const Fn fn = plugins[i].*entry;
        if (fn && !visit(fn))
            return;
    }
}

template <class Fn, class... Args>
void Broadcast(const std::vector<CPlugin>& plugins, Fn CPlugin::*entry, Args... args)
{
    VisitEntries(plugins, entry, [&](Fn fn) {
        fn(args...);
        return true;
    });
}

} // namespace

void CPlugins::BroadcastOnStart(wqv2_data::CData* root)
{
    Broadcast(m_plugins, &CPlugin::OnStart, root);
}

void CPlugins::BroadcastOnInitialized()
{
    Broadcast(m_plugins, &CPlugin::OnInitialized);
}

void CPlugins::BroadcastOnStartUpCompleted()
{
    Broadcast(m_plugins, &CPlugin::OnStartUpCompleted);
}

void CPlugins::BroadcastOnRegister()
{
    Broadcast(m_plugins, &CPlugin::OnRegister);
}

bool CPlugins::QueryPrepareExit()
{
    bool close = true;
    VisitEntries(m_plugins, &CPlugin::OnPrepareExit, [&](auto fn) { return close = (fn() == 1); });
    return close;
}

void CPlugins::BroadcastOnExit()
{
    Broadcast(m_plugins, &CPlugin::OnExit);
}

bool CPlugins::DispatchKey(UINT virtualKey, UINT modifiers)
{
    bool consumed = false;
    VisitEntries(m_plugins, &CPlugin::OnKeyDispatch,
                 [&](auto fn) { return !(consumed = (fn(virtualKey, modifiers) != 0)); });
    return consumed;
}

int CPlugins::PreCommand(const wchar_t* name, void* argument)
{
    int result = -1;
    VisitEntries(m_plugins, &CPlugin::OnPreCommand, [&](auto fn) { return (result = fn(name, argument)) == -1; });
    return result;
}

void CPlugins::BroadcastOnDataChanged(unsigned bits)
{
    Broadcast(m_plugins, &CPlugin::OnDataChanged, bits);
}

void CPlugins::BroadcastOnFileOpened(int how)
{
    Broadcast(m_plugins, &CPlugin::OnFileOpened, how);
}

void CPlugins::BroadcastOnSettingsChanged(int kind)
{
    Broadcast(m_plugins, &CPlugin::OnSettingsChanged, kind);
}

void CPlugins::BroadcastOnSelectedTasksChanged()
{
    Broadcast(m_plugins, &CPlugin::OnSelectedTasksChanged);
}

void CPlugins::BroadcastOnLoadSettings(const std::wstring& iniFile)
{
    Broadcast(m_plugins, &CPlugin::OnLoadSettings, iniFile.c_str());
}

void CPlugins::BroadcastOnSaveSettings(const std::wstring& iniFile, bool all)
{
    Broadcast(m_plugins, &CPlugin::OnSaveSettings, iniFile.c_str(), all);
}

bool CPlugins::BeginReport(int output)
{
    bool all = true;
    VisitEntries(m_plugins, &CPlugin::OnBeginReport, [&](auto fn) {
        if (fn(output) != 1)
            all = false;
        return true; // every plug-in hears of the run, also after a refusal
    });
    return all;
}

void CPlugins::BroadcastOnEndReport()
{
    Broadcast(m_plugins, &CPlugin::OnEndReport);
}

void CPlugins::BroadcastOnWindowInit(HWND frame, HWND view)
{
    Broadcast(m_plugins, &CPlugin::OnWindowInit, frame, view);
}

void CPlugins::BroadcastOnMenuInit(HWND frame, HMENU menu)
{
    Broadcast(m_plugins, &CPlugin::OnMenuInit, frame, menu);
}

void CPlugins::BroadcastOnToolbarInit(void* toolbar)
{
    Broadcast(m_plugins, &CPlugin::OnToolbarInit, toolbar);
}

void CPlugins::BroadcastOnSettingsDialogInit(HWND dialog, int width, int height, AddViewSettingsPageFn add)
{
    Broadcast(m_plugins, &CPlugin::OnSettingsDialogInit, dialog, width, height, add);
}

void CPlugins::BroadcastOnBuildContextMenu(AddContextMenuItemFn add, int kind, int reserved)
{
    Broadcast(m_plugins, &CPlugin::OnBuildContextMenu, add, kind, reserved);
}

void CPlugins::BroadcastOnFilterChanged(bool active)
{
    Broadcast(m_plugins, &CPlugin::OnFilterChanged, active);
}

void CPlugins::BroadcastMakeTaskVisible(int32_t a, int32_t b, bool flag)
{
    Broadcast(m_plugins, &CPlugin::MakeTaskVisible, a, b, flag);
}

std::wstring CPlugins::ChainTooltip(const std::wstring& text, INT_PTR a, INT_PTR b)
{
    std::wstring current = text;
    VisitEntries(m_plugins, &CPlugin::OnTooltip, [&](auto fn) {
        // The result belongs to the plug-in: copy it before anyone else runs. A plug-in that
        // breaks the rule and answers null leaves the text as it was.
        if (const wchar_t* next = fn(current.c_str(), a, b))
            current = next;
        return true;
    });
    return current;
}

int CPlugins::AddReport(const ReportRegistration& record)
{
    ReportRegistration copy = record;
    wstr::ForceTerminated(copy.Name);
    wstr::ForceTerminated(copy.Description);
    if (IsNameExcluded(L"ExcludeReport", copy.Name))
        return 2;
    m_reports.push_back(copy);
    return 1;
}

int CPlugins::AddOptionPage(const OptionPageRegistration& record, int kind)
{
    OptionPageRegistration copy = record;
    wstr::ForceTerminated(copy.Name);
    wstr::ForceTerminated(copy.Description);
    if (IsNameExcluded(L"ExcludeOptions", copy.Name))
        return 2;
    if (kind < 0 || kind > 2)
        return 0;
    m_optionPages[kind].push_back(copy);
    return 1;
}

UINT CPlugins::AddCommand(const CommandRegistration& record)
{
    const UINT id = kFirstCommandId + static_cast<UINT>(m_commands.size());
    if (id > kLastCommandId)
        return 0;
    CommandRegistration copy = record;
    wstr::ForceTerminated(copy.Name);
    wstr::ForceTerminated(copy.Description);
    m_commands.push_back(copy);
    return id;
}

const ReportRegistration* CPlugins::FindReport(const std::wstring& name) const
{
    const auto it = std::find_if(m_reports.begin(), m_reports.end(), [&](const auto& r) { return name == r.Name; });
    return it == m_reports.end() ? nullptr : &*it;
}

const CommandRegistration* CPlugins::FindCommand(const std::wstring& name) const
{
    const auto it = std::find_if(m_commands.begin(), m_commands.end(), [&](const auto& c) { return name == c.Name; });
    return it == m_commands.end() ? nullptr : &*it;
}

const CommandRegistration* CPlugins::CommandById(UINT id) const
{
    if (id < kFirstCommandId || id > kLastCommandId)
        return nullptr;
    const size_t index = id - kFirstCommandId;
    return index < m_commands.size() ? &m_commands[index] : nullptr;
}

const std::vector<OptionPageRegistration>& CPlugins::OptionPages(int kind) const
{
    static const std::vector<OptionPageRegistration> none;
    return (kind < 0 || kind > 2) ? none : m_optionPages[kind];
}

bool IsNameExcluded(const std::wstring& settingKey, const std::wstring& name)
{
    for (const std::wstring& piece : GetSettingList(settingKey, L"\t\n\r")) {
        if (piece == name)
            return true;
    }
    return false;
}

std::vector<std::wstring> FindPluginFolders(const std::wstring& programFolder, const std::wstring& folderName)
{
    std::vector<std::wstring> folders;
    if (!gCommandLine || !gCommandLine->skipDefaultPluginFolder)
        folders.push_back(JoinPath(programFolder, folderName));
    if (gCommandLine) {
        for (const std::wstring& folder : gCommandLine->pluginFolders) {
            if (IsExistingFolder(folder))
                folders.push_back(folder);
        }
    }
    return folders;
}
