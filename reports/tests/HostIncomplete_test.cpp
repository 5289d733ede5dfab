// A host program that lacks one of the host functions the plug-in binds: the plug-in refuses to
// load at all, so the viewer never sees a plug-in without its host API.
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

TEST(HostIncomplete, LoadLibrary_refusedWithoutQV2A_OnTooltip)
{
    EXPECT_EQ(GetProcAddress(GetModuleHandleW(nullptr), "QV2A_OnTooltip"), nullptr);
    EXPECT_NE(GetProcAddress(GetModuleHandleW(nullptr), "QV2A_Command"), nullptr);
    HMODULE plugin = LoadLibraryW((rtest::BinFolder() + L"QV2R.dll").c_str());
    EXPECT_EQ(plugin, nullptr);
    if (plugin)
        FreeLibrary(plugin);
}
