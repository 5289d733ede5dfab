// Fixture of the framework tests.
#include "CoreTestEnv.h"

#include "plugin/PluginState.h"
#include "plugin/QV2Api.h"

#include "fw/MessageBox.h"
#include "fw/Resources.h"

namespace {

datetime::LocalClock FixedNow()
{
    return {2026, 5, 17, 14, 30};
}

HINSTANCE ResourceLibrary()
{
    static HINSTANCE module = LoadLibraryW((rtest::BinFolder() + L"QV2ResV.dll").c_str());
    return module;
}

} // namespace

void ReportTest::SetUp()
{
    host::Reset();
    ASSERT_TRUE(gQV2API.Bind()) << "the test program exports the host functions";
    ASSERT_NE(ResourceLibrary(), nullptr);
    fw::SetResourceModule(ResourceLibrary());
    datetime::SetClock(&FixedNow);
    m_locale = datetime::SetLocale(kEnglishUS);
    host::SetSetting(L"DateFormat", L"yyyy-MM-dd");
    host::SetSetting(L"TimeFormat", L"HH:mm");
    ForgetDataRoot();
    KeepDataRoot(rtest::CData::Root());
    SetReportFilter(nullptr);
}

void ReportTest::TearDown()
{
    SetReportFilter(nullptr);
    datetime::SetClock(nullptr);
    datetime::SetLocale(m_locale);
}

void ReportTest::UseReportFilter(wqv2_data::CFilter* filter)
{
    SetReportFilter(filter);
}
