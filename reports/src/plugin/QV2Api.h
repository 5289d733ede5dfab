#pragma once
// CQV2API: the viewer's host functions (QV2A_*), bound by name from the main program while the
// plug-in is being loaded. One process-wide instance, gQV2API; the pointers belong to the host.

#include "QV2PluginInterface.h"

class CQV2API {
public:
    // Binds all 19 functions the plug-in knows; true when every one was found. A second call
    // after a success answers true at once. At the first missing name the host module is
    // forgotten and the result is false (pointers bound so far stay set but are never used).
    bool Bind();
    bool IsBound() const { return m_host != nullptr; }

    QV2A_GetSettingFn GetSetting = nullptr;
    QV2A_SetSettingFn SetSetting = nullptr;
    QV2A_LoadSettingFn LoadSetting = nullptr;
    QV2A_SaveSettingFn SaveSetting = nullptr;
    QV2A_LoadSettingsFn LoadSettings = nullptr;
    QV2A_SaveSettingsFn SaveSettings = nullptr;
    QV2A_OnSettingsChangedFn OnSettingsChanged = nullptr;
    QV2A_OnFileOpenedFn OnFileOpened = nullptr;
    QV2A_OnBeginReportFn OnBeginReport = nullptr;
    QV2A_OnEndReportFn OnEndReport = nullptr;
    QV2A_GetSelectedTasksFn GetSelectedTasks = nullptr;
    QV2A_SetSelectedTasksFn SetSelectedTasks = nullptr;
    QV2A_MakeTaskVisibleFn MakeTaskVisible = nullptr;
    QV2A_GetCurrentFilterFn GetCurrentFilter = nullptr;
    QV2A_RegisterFn Register = nullptr;
    QV2A_RegisterCommandFn RegisterCommand = nullptr;
    QV2A_CommandFn Command = nullptr;
    QV2A_OnBuildContextMenuFn OnBuildContextMenu = nullptr;
    QV2A_OnTooltipFn OnTooltip = nullptr;

private:
    HMODULE m_host = nullptr; // the main program; not owned
};

extern CQV2API gQV2API;
