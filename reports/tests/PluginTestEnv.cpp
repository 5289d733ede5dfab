// Fixture of the plug-in tests.
#include "PluginTestEnv.h"

#include <cwchar>

namespace {

template <class Fn>
Fn Entry(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

const PluginEntries& Plugin()
{
    static PluginEntries entries = [] {
        PluginEntries e;
        e.module = LoadLibraryW((rtest::BinFolder() + L"QV2R.dll").c_str());
        if (!e.module)
            return e;
        e.onPluginInfo = Entry<QV2Plugin_OnPluginInfoFn>(e.module, "QV2Plugin_OnPluginInfo");
        e.onStart = Entry<QV2Plugin_OnStartFn>(e.module, "QV2Plugin_OnStart");
        e.onLoadSettings = Entry<QV2Plugin_OnLoadSettingsFn>(e.module, "QV2Plugin_OnLoadSettings");
        e.onSaveSettings = Entry<QV2Plugin_OnSaveSettingsFn>(e.module, "QV2Plugin_OnSaveSettings");
        e.onRegister = Entry<QV2Plugin_OnNotifyFn>(e.module, "QV2Plugin_OnRegister");
        e.onExit = Entry<QV2Plugin_OnNotifyFn>(e.module, "QV2Plugin_OnExit");
        return e;
    }();
    return entries;
}

HINSTANCE ResourceLibrary()
{
    static HINSTANCE module = LoadLibraryW((rtest::BinFolder() + L"QV2ResV.dll").c_str());
    return module;
}

void PluginTest::SetUp()
{
    host::Reset();
    const PluginEntries& plugin = Plugin();
    ASSERT_NE(plugin.module, nullptr) << "QV2R.dll refused to load into a complete host";
    ASSERT_TRUE(plugin.onPluginInfo && plugin.onStart && plugin.onLoadSettings && plugin.onSaveSettings &&
                plugin.onRegister && plugin.onExit);
    ASSERT_NE(ResourceLibrary(), nullptr);
    PluginInfo info;
    ASSERT_EQ(plugin.onPluginInfo(L"", L"", L"", ResourceLibrary(), &info), 1);
    ASSERT_NE(rtest::CData::Root(), nullptr);
    plugin.onStart(rtest::CData::Root());
    host::SetSetting(L"DateFormat", L"yyyy-MM-dd");
    host::SetSetting(L"TimeFormat", L"HH:mm");
}

void PluginTest::TearDown()
{
    for (const ReportRegistration& report : host::Reports()) {
        if (report.SetFilter)
            report.SetFilter(nullptr);
    }
}

const ReportRegistration& PluginTest::FiltersRecord()
{
    return Record(L"Filters");
}

const ReportRegistration& PluginTest::Record(const wchar_t* name)
{
    if (host::Reports().empty())
        Plugin().onRegister();
    for (const ReportRegistration& report : host::Reports()) {
        if (std::wcscmp(report.Name, name) == 0)
            return report;
    }
    static ReportRegistration none{};
    return none;
}
