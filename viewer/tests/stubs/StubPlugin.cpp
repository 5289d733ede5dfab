// Stand-in plug-in: logs every entry point it is called through. Its answers come from settings
// read through the host ("Stub<Answer>.<file name>"), so one library serves every test.
// Variants: STUB_PLUGIN_REFUSE (QV2Plugin_OnPluginInfo answers 0), STUB_PLUGIN_NO_INFO (no
// QV2Plugin_OnPluginInfo).
#include "QV2PluginInterface.h"
#include "RKPrintEngine2.h"
#include "StubLog.h"

#include <string>

namespace {

std::wstring Setting(const std::wstring& what)
{
    auto get = stub::Host<QV2A_GetSettingFn>("QV2A_GetSetting");
    if (!get)
        return {};
    wchar_t buffer[512] = {};
    const std::wstring key = L"Stub" + what + L"." + stub::SelfName();
    return get(key.c_str(), buffer, 512) ? std::wstring(buffer) : std::wstring();
}

int Answer(const std::wstring& what, int fallback)
{
    const std::wstring text = Setting(what);
    return text.empty() ? fallback : _wtoi(text.c_str());
}

void __cdecl RunCommand(HWND)
{
    stub::Log(L"command executed");
}

unsigned __cdecl UpdateCommand(HWND)
{
    return static_cast<unsigned>(Answer(L"CommandState", 0));
}

int __cdecl CreateReportPage(HWND, int, int, ReportPageRecord*)
{
    return 0;
}

// The report: "StubReportPages" pages (3 by default) each saying "Page n"; a nonzero
// "StubPrintFails" makes the callback refuse with that answer.
int __cdecl PrintReport(CRKPrintEngine2* engine, HDC dc, HDC attribute)
{
    stub::Log(std::wstring(L"Print") + (dc ? L" dc" : L" nodc") + (attribute ? L" attribute" : L""));
    if (const int fails = Answer(L"PrintFails", 0))
        return fails;
    if (!engine)
        return 1;
    const int pages = Answer(L"ReportPages", 3);
    engine->BeginDocument(dc, attribute);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            engine->AddPage();
        engine->DrawText((L"Page " + std::to_wstring(page)).c_str(), 100, 100);
    }
    engine->EndDocument();
    return 0;
}

int __cdecl ReportOrientation()
{
    return Answer(L"Orientation", 1);
}

int __cdecl ReportSetFilter(wqv2_data::CFilter* filter)
{
    stub::Log(filter ? L"SetFilter filter" : L"SetFilter none");
    return 1;
}

int __cdecl ExportReport(const wchar_t* path)
{
    stub::Log(std::wstring(L"Export ") + (path ? path : L""));
    return Answer(L"ExportResult", 0);
}

void __cdecl ContextItemChosen(INT_PTR a, INT_PTR b)
{
    stub::Log(L"item " + std::to_wstring(a) + L" " + std::to_wstring(b));
}

HWND gBoard = nullptr;

} // namespace

QV_STUB_DLLMAIN

#define STUB_EXPORT extern "C" __declspec(dllexport)

#ifndef STUB_PLUGIN_NO_INFO
STUB_EXPORT int QV2_CALL QV2Plugin_OnPluginInfo(const wchar_t* name, const wchar_t* version,
                                                const wchar_t* translation, HINSTANCE resources, PluginInfo* out)
{
    stub::Log(std::wstring(L"OnPluginInfo ") + (name ? name : L"?") + L" " + (version ? version : L"?") + L" " +
              (translation ? translation : L"?") + (resources ? L" resources" : L" none"));
    if (out) {
        // Filled to the brim without an end, to see that the host ends it.
        for (wchar_t& c : out->ProductName)
            c = L'P';
        wcscpy(out->Description, L"stand-in plug-in");
    }
#ifdef STUB_PLUGIN_REFUSE
    return 0;
#else
    return 1;
#endif
}
#endif

STUB_EXPORT int QV2_CALL QV2Plugin_OnStart(wqv2_data::CData* root)
{
    stub::Log(root ? L"OnStart root" : L"OnStart null");
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnLoadSettings(const wchar_t* iniFile)
{
    stub::Log(std::wstring(L"OnLoadSettings ") + (iniFile && *iniFile ? L"file" : L"profile"));
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnInitialized()
{
    stub::Log(L"OnInitialized");
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnRegister()
{
    stub::Log(L"OnRegister");
    if (Setting(L"Register") != L"1")
        return 1;
    ReportRegistration report{};
    const std::wstring name = stub::SelfName();
    wcsncpy(report.Name, (name + L" report").c_str(), 255);
    report.CreatePage = &CreateReportPage;
    report.Print = &PrintReport;
    report.Orientation = &ReportOrientation;
    report.SetFilter = &ReportSetFilter;
    report.Export = &ExportReport;
    if (auto reg = stub::Host<QV2A_RegisterFn>("QV2A_Register"))
        stub::Log(L"RegisterReport " + std::to_wstring(reg(L"RegisterReport", &report)));
    CommandRegistration command{};
    wcsncpy(command.Name, (name + L" command").c_str(), 255);
    command.Execute = &RunCommand;
    command.Update = &UpdateCommand;
    if (auto reg = stub::Host<QV2A_RegisterCommandFn>("QV2A_RegisterCommand"))
        stub::Log(L"RegisterCommand " + std::to_wstring(reg(&command)));
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnWindowInit(HWND frame, HWND view)
{
    stub::Log(std::wstring(L"OnWindowInit") + (frame ? L" frame" : L"") + (view ? L" view" : L""));
    if (Setting(L"Board") == L"1" && view) {
        gBoard = CreateWindowExW(0, L"STATIC", L"board", WS_CHILD, 0, 0, 10, 10, view, nullptr, nullptr, nullptr);
        ViewRegistration record{gBoard};
        if (auto reg = stub::Host<QV2A_RegisterFn>("QV2A_Register"))
            reg(L"RegisterView", &record);
    }
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnToolbarInit(void*)
{
    stub::Log(L"OnToolbarInit");
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnMenuInit(HWND, HMENU menu)
{
    stub::Log(menu ? L"OnMenuInit menu" : L"OnMenuInit none");
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnSettingsChanged(int kind)
{
    stub::Log(L"OnSettingsChanged " + std::to_wstring(kind));
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnFileOpened(int how)
{
    stub::Log(L"OnFileOpened " + std::to_wstring(how));
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnDataChanged(unsigned bits)
{
    stub::Log(L"OnDataChanged " + std::to_wstring(bits));
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnStartUpCompleted()
{
    stub::Log(L"OnStartUpCompleted");
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnPrepareExit()
{
    const int answer = Answer(L"PrepareExit", 1);
    stub::Log(L"OnPrepareExit " + std::to_wstring(answer));
    return answer;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnSaveSettings(const wchar_t* iniFile, bool all)
{
    stub::Log(std::wstring(L"OnSaveSettings ") + (iniFile && *iniFile ? L"file" : L"profile") + (all ? L" all" : L""));
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnExit()
{
    stub::Log(L"OnExit");
    if (gBoard && IsWindow(gBoard))
        stub::Log(L"board still there");
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnKeyDispatch(UINT key, UINT modifiers)
{
    const int answer = Answer(L"KeyDispatch", 0);
    stub::Log(L"OnKeyDispatch " + std::to_wstring(key) + L" " + std::to_wstring(modifiers) + L" " +
              std::to_wstring(answer));
    return answer;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnPreCommand(const wchar_t* name, void*)
{
    const int answer = Answer(L"PreCommand", -1);
    stub::Log(std::wstring(L"OnPreCommand ") + (name ? name : L"") + L" " + std::to_wstring(answer));
    return answer;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnBeginReport(int output)
{
    const int answer = Answer(L"BeginReport", 1);
    stub::Log(L"OnBeginReport " + std::to_wstring(output) + L" " + std::to_wstring(answer));
    return answer;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnEndReport()
{
    stub::Log(L"OnEndReport");
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnSelectedTasksChanged()
{
    stub::Log(L"OnSelectedTasksChanged");
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnFilterChanged(bool active)
{
    stub::Log(std::wstring(L"OnFilterChanged ") + (active ? L"1" : L"0"));
    return 1;
}

STUB_EXPORT const wchar_t* QV2_CALL QV2Plugin_OnTooltip(const wchar_t* text, INT_PTR, INT_PTR)
{
    static std::wstring result;
    result = std::wstring(text ? text : L"") + L"+" + stub::SelfName();
    return result.c_str();
}

// Adds "StubContextItems" items ("Item 1", ...), a separator first when "StubContextSeparator".
STUB_EXPORT int QV2_CALL QV2Plugin_OnBuildContextMenu(AddContextMenuItemFn add, int kind, int)
{
    stub::Log(L"OnBuildContextMenu " + std::to_wstring(kind));
    if (!add)
        return 1;
    if (Answer(L"ContextSeparator", 0)) {
        ContextMenuItem separator{};
        separator.Flags = MF_SEPARATOR;
        add(&separator);
    }
    const int items = Answer(L"ContextItems", 0);
    int kept = 0;
    for (int i = 1; i <= items; ++i) {
        ContextMenuItem item{};
        item.Handler = &ContextItemChosen;
        wcsncpy(item.Text, (L"Item " + std::to_wstring(i)).c_str(), 255);
        item.A = i;
        item.B = 100 + i;
        kept += add(&item);
    }
    if (items)
        stub::Log(L"items kept " + std::to_wstring(kept));
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_MakeTaskVisible(int32_t a, int32_t b, bool flag)
{
    stub::Log(L"MakeTaskVisible " + std::to_wstring(a) + L" " + std::to_wstring(b) + (flag ? L" 1" : L" 0"));
    return 1;
}
