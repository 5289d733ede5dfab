// The exported host functions. No exception may leave them: each body runs inside a catch-all
// that answers the function's failure value.
#include "HostApi.h"

#include "CurrentFilter.h"
#include "HostCommands.h"
#include "HostKeys.h"
#include "MainApp.h"
#include "MainFrame.h"
#include "Plugins.h"
#include "ProcessObjects.h"
#include "Settings.h"
#include "WideCopy.h"

#include <string>

namespace {

template <class Result, class Body>
Result Guarded(Result failure, Body body)
{
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

// A file-name argument: null counts as empty (the application profile).
std::wstring FileArgument(const wchar_t* file)
{
    return file ? std::wstring(file) : std::wstring();
}

// The host-owned text that QV2A_OnTooltip answers; valid until its next call.
std::wstring gTooltipText;

} // namespace

QV2A_EXPORT wchar_t* QV2_CALL QV2A_GetSetting(const wchar_t* key, wchar_t* buffer, int16_t size)
{
    return Guarded<wchar_t*>(nullptr, [&]() -> wchar_t* {
        if (!key || !*key || !buffer)
            return nullptr;
        if (size <= 0)
            return buffer;
        wstr::CopyBounded(buffer, static_cast<size_t>(size), GetSetting(key));
        return buffer;
    });
}

QV2A_EXPORT int QV2_CALL QV2A_SetSetting(const wchar_t* key, const wchar_t* value)
{
    return Guarded(0, [&] {
        if (!key || !value)
            return 0;
        SetSetting(key, value);
        return 1;
    });
}

QV2A_EXPORT int QV2_CALL QV2A_LoadSettings(const wchar_t* iniFile)
{
    return Guarded(0, [&] {
        const std::wstring file = FileArgument(iniFile);
        LoadHostKeys(file);
        if (gPlugins)
            gPlugins->BroadcastOnLoadSettings(file);
        return 1;
    });
}

QV2A_EXPORT int QV2_CALL QV2A_SaveSettings(const wchar_t* iniFile, bool all)
{
    return Guarded(0, [&] {
        const std::wstring file = FileArgument(iniFile);
        SaveHostKeys(file, all);
        if (gPlugins)
            gPlugins->BroadcastOnSaveSettings(file, all);
        return 1;
    });
}

QV2A_EXPORT int QV2_CALL QV2A_LoadSetting(const wchar_t* section, const wchar_t* key, const wchar_t* iniFile)
{
    return Guarded(0, [&] {
        if (!section || !key)
            return 0;
        LoadSettingFromProfile(section, FileArgument(iniFile), key);
        return 1;
    });
}

QV2A_EXPORT int QV2_CALL QV2A_SaveSetting(const wchar_t* section, const wchar_t* key, const wchar_t* iniFile)
{
    return Guarded(0, [&] {
        if (!section || !key)
            return 0;
        // 0 tells the plug-in that the store refused the write: nothing was saved.
        return SaveSettingToProfile(section, FileArgument(iniFile), key) ? 1 : 0;
    });
}

QV2A_EXPORT int QV2_CALL QV2A_OnSettingsChanged(int kind)
{
    return Guarded(0, [&] {
        if (gApp && gApp->Frame())
            gApp->Frame()->RefreshZoomBox();
        if (gPlugins)
            gPlugins->BroadcastOnSettingsChanged(kind);
        return 1;
    });
}

QV2A_EXPORT int QV2_CALL QV2A_OnBeginReport(int output)
{
    return Guarded(0, [&] { return (!gPlugins || gPlugins->BeginReport(output)) ? 1 : 0; });
}

QV2A_EXPORT int QV2_CALL QV2A_OnEndReport()
{
    return Guarded(0, [&] {
        if (gPlugins)
            gPlugins->BroadcastOnEndReport();
        return 1;
    });
}

QV2A_EXPORT int QV2_CALL QV2A_GetSelectedTasks(TaskOccurrence* out, int* count)
{
    return Guarded(0, [&] {
        if (!count)
            return 0;
        *count = gSelection ? static_cast<int>(gSelection->size()) : 0;
        if (out && gSelection) {
            for (size_t i = 0; i < gSelection->size(); ++i)
                out[i] = (*gSelection)[i];
        }
        return 1;
    });
}

QV2A_EXPORT int QV2_CALL QV2A_SetSelectedTasks(const TaskOccurrence* entries, int count)
{
    return Guarded(0, [&] {
        if (count < 0 || (count > 0 && !entries) || !gSelection)
            return 0;
        const CSelection old = *gSelection;
        gSelection->assign(entries, entries + count);
        bool changed = old.size() != gSelection->size();
        for (size_t i = 0; !changed && i < old.size(); ++i)
            changed = old[i].day != (*gSelection)[i].day || old[i].task != (*gSelection)[i].task;
        if (changed && gPlugins)
            gPlugins->BroadcastOnSelectedTasksChanged();
        return 1;
    });
}

QV2A_EXPORT int QV2_CALL QV2A_MakeTaskVisible(int32_t a, int32_t b, bool flag)
{
    return Guarded(0, [&] {
        if (gPlugins)
            gPlugins->BroadcastMakeTaskVisible(a, b, flag);
        return 1;
    });
}

QV2A_EXPORT int QV2_CALL QV2A_OnFileOpened(int how)
{
    return Guarded(0, [&] {
        if (gPlugins)
            gPlugins->BroadcastOnFileOpened(how);
        if (how == 0 && IsStartupFilterPending())
            ApplyStartupFilter();
        return 1;
    });
}

QV2A_EXPORT int QV2_CALL QV2A_GetCurrentFilter(wqv2_data::CFilter** out)
{
    return Guarded(0, [&] {
        if (!out)
            return 0;
        *out = GetValidCurrentFilter();
        return GetBoolSetting(L"FilterActive", false) ? 1 : 0;
    });
}

QV2A_EXPORT int QV2_CALL QV2A_OnFilterChanged(int value)
{
    return Guarded(0, [&] {
        if (gSelection)
            gSelection->clear();
        if (gPlugins)
            gPlugins->BroadcastOnFilterChanged((value & 0xFF) != 0);
        return 1;
    });
}

QV2A_EXPORT const wchar_t* QV2_CALL QV2A_OnTooltip(const wchar_t* text, INT_PTR a, INT_PTR b)
{
    return Guarded<const wchar_t*>(L"", [&]() -> const wchar_t* {
        const std::wstring start = text ? std::wstring(text) : std::wstring();
        gTooltipText = gPlugins ? gPlugins->ChainTooltip(start, a, b) : start;
        return gTooltipText.c_str();
    });
}

QV2A_EXPORT int QV2_CALL QV2A_RegisterCommand(CommandRegistration* record)
{
    return Guarded(0, [&] {
        if (!record || !gPlugins)
            return 0;
        return static_cast<int>(gPlugins->AddCommand(*record));
    });
}

QV2A_EXPORT int QV2_CALL QV2A_Command(const wchar_t* name, void* argument)
{
    return Guarded(0, [&] {
        if (!name)
            return 0;
        if (gPlugins) {
            const int answer = gPlugins->PreCommand(name, argument);
            if (answer != -1)
                return answer;
        }
        return RunHostCommand(name, argument);
    });
}

QV2A_EXPORT int QV2_CALL QV2A_Register(const wchar_t* kind, void* record)
{
    return Guarded(0, [&] {
        if (!kind || !record)
            return 0;
        const std::wstring what = kind;
        if (what == L"RegisterView") {
            if (gApp && gApp->Frame())
                gApp->Frame()->View().SetBoardWindow(static_cast<ViewRegistration*>(record)->Window);
            return 1;
        }
        int page = -1;
        if (what == L"RegisterReport") {
            if (gPlugins)
                gPlugins->AddReport(*static_cast<ReportRegistration*>(record));
            // Also when the name is excluded: the report plug-in does not look at the answer.
            return 1;
        }
        if (what == L"RegisterOptionsFileDlg")
            page = 0;
        else if (what == L"RegisterOptionsAdministrationDlg")
            page = 1;
        else if (what == L"RegisterOptionsReportDlg")
            page = 2;
        if (page < 0)
            return 0;
        if (gPlugins)
            gPlugins->AddOptionPage(*static_cast<OptionPageRegistration*>(record), page);
        return 1;
    });
}

QV2A_EXPORT int QV2_CALL QV2A_OnBuildContextMenu(AddContextMenuItemFn add, int kind, int reserved)
{
    return Guarded(0, [&] {
        // Plug-ins would call the callback: a null one is refused here.
        if (!add)
            return 0;
        if (gPlugins)
            gPlugins->BroadcastOnBuildContextMenu(add, kind, reserved);
        return 1;
    });
}
