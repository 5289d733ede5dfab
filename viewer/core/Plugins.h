#pragma once
// The plug-in host: CPlugin is one accepted plug-in library with its bound entry points;
// CPlugins (one per process, see ProcessObjects.h) loads them in a fixed order, broadcasts the
// viewer's events to them in load order and keeps copies of what they register.

#include "QV2PluginInterface.h"

#include <string>
#include <vector>

// What a plug-in is told about its host while it is asked to accept it.
struct CPluginHostInfo {
    std::wstring productName;
    std::wstring productVersion;
    std::wstring translation; // "%04hX%04hX" of the viewer's version block
    HINSTANCE resources = nullptr;
};

class CPlugin {
public:
    // Loads the library and asks it to accept the host; false (with the module freed) when it
    // cannot be loaded, lacks QV2Plugin_OnPluginInfo or answers 0.
    bool Load(const std::wstring& path, const CPluginHostInfo& host);
    void Free();

    PluginInfo info{};
    QV2Plugin_OnStartFn OnStart = nullptr;
    QV2Plugin_OnNotifyFn OnInitialized = nullptr;
    QV2Plugin_OnNotifyFn OnStartUpCompleted = nullptr;
    QV2Plugin_OnNotifyFn OnRegister = nullptr;
    QV2Plugin_OnNotifyFn OnPrepareExit = nullptr;
    QV2Plugin_OnNotifyFn OnExit = nullptr;
    QV2Plugin_OnKeyDispatchFn OnKeyDispatch = nullptr;
    QV2Plugin_OnPreCommandFn OnPreCommand = nullptr;
    QV2Plugin_OnDataChangedFn OnDataChanged = nullptr;
    QV2Plugin_OnIntFn OnFileOpened = nullptr;
    QV2Plugin_OnNotifyFn OnViewChanged = nullptr; // bound, never called
    QV2Plugin_OnIntFn OnSettingsChanged = nullptr;
    QV2Plugin_OnPluginInfoFn OnPluginInfo = nullptr;
    QV2Plugin_OnNotifyFn OnSelectedTasksChanged = nullptr;
    QV2Plugin_OnLoadSettingsFn OnLoadSettings = nullptr;
    QV2Plugin_OnSaveSettingsFn OnSaveSettings = nullptr;
    QV2Plugin_OnIntFn OnBeginReport = nullptr;
    QV2Plugin_OnNotifyFn OnEndReport = nullptr;
    QV2Plugin_OnWindowInitFn OnWindowInit = nullptr;
    QV2Plugin_OnMenuInitFn OnMenuInit = nullptr;
    QV2Plugin_OnToolbarInitFn OnToolbarInit = nullptr;
    QV2Plugin_OnSettingsDialogInitFn OnSettingsDialogInit = nullptr;
    QV2Plugin_OnBuildContextMenuFn OnBuildContextMenu = nullptr;
    QV2Plugin_OnFilterChangedFn OnFilterChanged = nullptr;
    QV2Plugin_OnTooltipFn OnTooltip = nullptr;
    QV2Plugin_MakeTaskVisibleFn MakeTaskVisible = nullptr;
    HMODULE module = nullptr;
    std::wstring path;
};

// One plug-in file to try, and whether start-up fails when it refuses.
struct CPluginCandidate {
    std::wstring path;
    bool required = false;
};

class CPlugins {
public:
    static constexpr UINT kFirstCommandId = 61000;
    static constexpr UINT kLastCommandId = 61500;

    CPlugins() = default;
    ~CPlugins();
    CPlugins(const CPlugins&) = delete;
    CPlugins& operator=(const CPlugins&) = delete;

    // Loads the candidates in order. A refused required candidate stops the loading: its path
    // goes to `refusedRequired` and the result is false.
    bool LoadPlugins(const std::vector<CPluginCandidate>& candidates, const CPluginHostInfo& host,
                     std::wstring& refusedRequired);
    // Frees every plug-in module and empties the plug-in list (registrations stay).
    void FreeAll();
    const std::vector<CPlugin>& Plugins() const { return m_plugins; }
    size_t GetModules(std::vector<HMODULE>& modules) const;

    // Fan-outs, in load order.
    void BroadcastOnStart(wqv2_data::CData* root);
    void BroadcastOnInitialized();
    void BroadcastOnStartUpCompleted();
    void BroadcastOnRegister();
    // false as soon as one plug-in answers other than 1; later plug-ins are not asked.
    bool QueryPrepareExit();
    void BroadcastOnExit();
    // true when a plug-in consumed the key; later plug-ins are not asked.
    bool DispatchKey(UINT virtualKey, UINT modifiers);
    // The first answer other than -1, or -1 when no plug-in handled the command.
    int PreCommand(const wchar_t* name, void* argument);
    void BroadcastOnDataChanged(unsigned bits);
    void BroadcastOnFileOpened(int how);
    void BroadcastOnSettingsChanged(int kind);
    void BroadcastOnSelectedTasksChanged();
    void BroadcastOnLoadSettings(const std::wstring& iniFile);
    void BroadcastOnSaveSettings(const std::wstring& iniFile, bool all);
    // Every plug-in is asked; true only when every one answered 1.
    bool BeginReport(int output);
    void BroadcastOnEndReport();
    void BroadcastOnWindowInit(HWND frame, HWND view);
    void BroadcastOnMenuInit(HWND frame, HMENU menu);
    void BroadcastOnToolbarInit(void* toolbar);
    void BroadcastOnSettingsDialogInit(HWND dialog, int width, int height, AddViewSettingsPageFn add);
    void BroadcastOnBuildContextMenu(AddContextMenuItemFn add, int kind, int reserved);
    void BroadcastOnFilterChanged(bool active);
    void BroadcastMakeTaskVisible(int32_t a, int32_t b, bool flag);
    // Each plug-in rewrites the previous one's text.
    std::wstring ChainTooltip(const std::wstring& text, INT_PTR a, INT_PTR b);

    // Registrations; each record is copied with its text fields forced to end with a zero.
    // 2 when "ExcludeReport" lists the name (dropped), else 1.
    int AddReport(const ReportRegistration& record);
    // 2 when "ExcludeOptions" lists the name (dropped); 1 for kinds 0 to 2; 0 for another kind.
    int AddOptionPage(const OptionPageRegistration& record, int kind);
    // The command's id (61000 + its index), or 0 when the id would pass 61500.
    UINT AddCommand(const CommandRegistration& record);

    const ReportRegistration* FindReport(const std::wstring& name) const;
    const CommandRegistration* FindCommand(const std::wstring& name) const;
    // The record of a command id 61000..61500, or null.
    const CommandRegistration* CommandById(UINT id) const;
    const std::vector<ReportRegistration>& Reports() const { return m_reports; }
    const std::vector<CommandRegistration>& Commands() const { return m_commands; }
    // Option pages of kind 0 (file options), 1 (administration) or 2 (report options).
    const std::vector<OptionPageRegistration>& OptionPages(int kind) const;

private:
    std::vector<CPlugin> m_plugins; // load order: the order of every broadcast
    std::vector<CommandRegistration> m_commands;
    std::vector<ReportRegistration> m_reports;
    std::vector<OptionPageRegistration> m_optionPages[3];
};

// true when the setting's value, split at tabs, line feeds and carriage returns, holds a piece
// that equals the name exactly.
bool IsNameExcluded(const std::wstring& settingKey, const std::wstring& name);

// The plug-in folders: the program folder + `folderName` (string 181) unless the command line
// says `pdskip` (not tested for existence), then every `pd` folder that exists.
std::vector<std::wstring> FindPluginFolders(const std::wstring& programFolder, const std::wstring& folderName);
