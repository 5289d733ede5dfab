// The six entry points the viewer calls (C linkage, caller cleans the stack, plain names). No
// exception may leave them: each body runs inside a catch-all.
#include "plugin/PluginState.h"
#include "plugin/ReportRegistry.h"
#include "plugin/ReportsApp.h"

#include "QV2ResVReportIds.h"
#include "VersionInfo.h"
#include "WideCopy.h"
#include "fw/Resources.h"

#define QV2R_EXPORT extern "C" __declspec(dllexport)

namespace {

template <class Body>
int Guarded(int failure, Body body)
{
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

} // namespace

QV2R_EXPORT int QV2_CALL QV2Plugin_OnPluginInfo(const wchar_t*, const wchar_t*, const wchar_t*,
                                                HINSTANCE hostResources, PluginInfo* out)
{
    return Guarded(0, [&] {
        const std::wstring own = GetModulePath(gReportsModule);
        const std::wstring productName = GetVersionString(own, L"ProductName");
        const std::wstring companyName = GetVersionString(own, L"CompanyName");
        const std::wstring productVersion = GetVersionString(own, L"ProductVersion");
        ReportsApp().AdoptHostResources(hostResources);
        const std::wstring description = fw::LoadResString(IDS_REPORTS_PLUGIN_DESCRIPTION);
        const std::wstring translation = GetVersionString(GetModulePath(nullptr), L"");
        if (out) {
            wstr::CopyTo(out->ProductName, productName);
            wstr::CopyTo(out->CompanyName, companyName);
            wstr::CopyTo(out->ProductVersion, productVersion);
            wstr::CopyTo(out->Description, description);
            wstr::CopyTo(out->Translation, translation);
        }
        return 1;
    });
}

QV2R_EXPORT int QV2_CALL QV2Plugin_OnStart(wqv2_data::CData* root)
{
    KeepDataRoot(root);
    return 1;
}

QV2R_EXPORT int QV2_CALL QV2Plugin_OnLoadSettings(const wchar_t* iniFile)
{
    return Guarded(1, [&] {
        LoadReportSettings(iniFile);
        return 1;
    });
}

QV2R_EXPORT int QV2_CALL QV2Plugin_OnSaveSettings(const wchar_t* iniFile, bool)
{
    return Guarded(1, [&] {
        SaveReportSettings(iniFile);
        return 1;
    });
}

QV2R_EXPORT int QV2_CALL QV2Plugin_OnRegister()
{
    return Guarded(1, [] { return RegisterReports(); });
}

QV2R_EXPORT int QV2_CALL QV2Plugin_OnExit()
{
    // Nothing to release: the data root and the report filter belong to the data library.
    return 1;
}
