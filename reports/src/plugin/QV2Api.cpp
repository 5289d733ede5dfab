// Binding of the host functions by name.
#include "plugin/QV2Api.h"

#include "common/ReportSettings.h"

#include "WorkingTimeText.h"

CQV2API gQV2API;

namespace {

std::wstring ReadHostSetting(const wchar_t* key)
{
    return GetSettingText(key);
}

template <class Fn>
bool BindOne(HMODULE host, const char* name, Fn& fn)
{
    // Through void*: FARPROC is a different function type and GCC warns on the direct cast.
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(host, name)));
    return fn != nullptr;
}

} // namespace

bool CQV2API::Bind()
{
    if (m_host)
        return true;
    // The main program is the viewer (or whatever loaded us in its place); it must export them.
    HMODULE host = GetModuleHandleW(nullptr);
    if (!host)
        return false;
    const bool all = BindOne(host, "QV2A_GetSetting", GetSetting) && BindOne(host, "QV2A_SetSetting", SetSetting) &&
                     BindOne(host, "QV2A_LoadSetting", LoadSetting) && BindOne(host, "QV2A_SaveSetting", SaveSetting) &&
                     BindOne(host, "QV2A_LoadSettings", LoadSettings) &&
                     BindOne(host, "QV2A_SaveSettings", SaveSettings) &&
                     BindOne(host, "QV2A_OnSettingsChanged", OnSettingsChanged) &&
                     BindOne(host, "QV2A_OnFileOpened", OnFileOpened) &&
                     BindOne(host, "QV2A_OnBeginReport", OnBeginReport) &&
                     BindOne(host, "QV2A_OnEndReport", OnEndReport) &&
                     BindOne(host, "QV2A_GetSelectedTasks", GetSelectedTasks) &&
                     BindOne(host, "QV2A_SetSelectedTasks", SetSelectedTasks) &&
                     BindOne(host, "QV2A_MakeTaskVisible", MakeTaskVisible) &&
                     BindOne(host, "QV2A_GetCurrentFilter", GetCurrentFilter) &&
                     BindOne(host, "QV2A_Register", Register) &&
                     BindOne(host, "QV2A_RegisterCommand", RegisterCommand) &&
                     BindOne(host, "QV2A_Command", Command) &&
                     BindOne(host, "QV2A_OnBuildContextMenu", OnBuildContextMenu) &&
                     BindOne(host, "QV2A_OnTooltip", OnTooltip);
    if (!all)
        return false;
    m_host = host;
    // The texts shared with the viewer read their settings through the host from now on.
    SetSettingTextReader(&ReadHostSetting);
    return true;
}
