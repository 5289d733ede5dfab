// The exported host functions of the test programs.
#include "HostDouble.h"

#include "WideCopy.h"

#include <cwctype>
#include <map>

namespace host {
namespace {

struct NoCase {
    bool operator()(const std::wstring& a, const std::wstring& b) const
    {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](wchar_t x, wchar_t y) { return std::towupper(x) < std::towupper(y); });
    }
};

std::map<std::wstring, std::wstring, NoCase>& Store()
{
    static std::map<std::wstring, std::wstring, NoCase> store;
    return store;
}

std::function<LRESULT(const SendMessageArgs&)>& MainWindow()
{
    static std::function<LRESULT(const SendMessageArgs&)> handler;
    return handler;
}

std::wstring Text(const wchar_t* text)
{
    return text ? text : L"(null)";
}

} // namespace

void SetSetting(const std::wstring& key, const std::wstring& value)
{
    Store()[key] = value;
}

std::wstring GetSetting(const std::wstring& key)
{
    const auto found = Store().find(key);
    return found == Store().end() ? std::wstring() : found->second;
}

bool HasSetting(const std::wstring& key)
{
    return Store().count(key) != 0;
}

void ClearSettings()
{
    Store().clear();
}

std::vector<std::wstring>& SettingFileCalls()
{
    static std::vector<std::wstring> calls;
    return calls;
}

std::vector<ReportRegistration>& Reports()
{
    static std::vector<ReportRegistration> reports;
    return reports;
}

void SetMainWindowHandler(std::function<LRESULT(const SendMessageArgs&)> handler)
{
    MainWindow() = std::move(handler);
}

void Reset()
{
    ClearSettings();
    SettingFileCalls().clear();
    Reports().clear();
    MainWindow() = nullptr;
}

} // namespace host

#define HOST_EXPORT extern "C" __declspec(dllexport)

HOST_EXPORT wchar_t* QV2_CALL QV2A_GetSetting(const wchar_t* key, wchar_t* buffer, int16_t size)
{
    if (!key || !*key || !buffer)
        return nullptr;
    if (size > 0)
        wstr::CopyBounded(buffer, static_cast<size_t>(size), host::GetSetting(key));
    return buffer;
}

HOST_EXPORT int QV2_CALL QV2A_SetSetting(const wchar_t* key, const wchar_t* value)
{
    if (!key || !*key || !value)
        return 0;
    host::SetSetting(key, value);
    return 1;
}

HOST_EXPORT int QV2_CALL QV2A_LoadSetting(const wchar_t* section, const wchar_t* key, const wchar_t* iniFile)
{
    host::SettingFileCalls().push_back(L"load|" + host::Text(section) + L"|" + host::Text(key) + L"|" +
                                       host::Text(iniFile));
    return 1;
}

HOST_EXPORT int QV2_CALL QV2A_SaveSetting(const wchar_t* section, const wchar_t* key, const wchar_t* iniFile)
{
    host::SettingFileCalls().push_back(L"save|" + host::Text(section) + L"|" + host::Text(key) + L"|" +
                                       host::Text(iniFile));
    return 1;
}

HOST_EXPORT int QV2_CALL QV2A_LoadSettings(const wchar_t*)
{
    return 1;
}

HOST_EXPORT int QV2_CALL QV2A_SaveSettings(const wchar_t*, bool)
{
    return 1;
}

HOST_EXPORT int QV2_CALL QV2A_OnSettingsChanged(int)
{
    return 1;
}

HOST_EXPORT int QV2_CALL QV2A_OnBeginReport(int)
{
    return 1;
}

HOST_EXPORT int QV2_CALL QV2A_OnEndReport()
{
    return 1;
}

HOST_EXPORT int QV2_CALL QV2A_GetSelectedTasks(TaskOccurrence*, int* count)
{
    if (count)
        *count = 0;
    return 0;
}

HOST_EXPORT int QV2_CALL QV2A_SetSelectedTasks(const TaskOccurrence*, int)
{
    return 0;
}

HOST_EXPORT int QV2_CALL QV2A_MakeTaskVisible(int32_t, int32_t, bool)
{
    return 0;
}

HOST_EXPORT int QV2_CALL QV2A_OnFileOpened(int)
{
    return 1;
}

HOST_EXPORT int QV2_CALL QV2A_GetCurrentFilter(wqv2_data::CFilter** out)
{
    if (out)
        *out = nullptr;
    return 0;
}

#ifndef HOST_WITHOUT_TOOLTIP
HOST_EXPORT const wchar_t* QV2_CALL QV2A_OnTooltip(const wchar_t* text, INT_PTR, INT_PTR)
{
    return text;
}
#endif

HOST_EXPORT int QV2_CALL QV2A_RegisterCommand(CommandRegistration*)
{
    return 1;
}

HOST_EXPORT int QV2_CALL QV2A_Command(const wchar_t* name, void* argument)
{
    if (!name || std::wstring(name) != L"SendMessageToMainWnd" || !argument || !host::MainWindow())
        return 0;
    return static_cast<int>(host::MainWindow()(*static_cast<const SendMessageArgs*>(argument)));
}

HOST_EXPORT int QV2_CALL QV2A_Register(const wchar_t* kind, void* record)
{
    if (!kind || !record)
        return 0;
    if (std::wstring(kind) == L"RegisterReport") {
        host::Reports().push_back(*static_cast<const ReportRegistration*>(record));
        return 1;
    }
    return 0;
}

HOST_EXPORT int QV2_CALL QV2A_OnBuildContextMenu(AddContextMenuItemFn, int, int)
{
    return 0;
}
