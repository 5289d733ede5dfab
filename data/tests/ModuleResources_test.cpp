// The library's own module, string table and version block: found from the code's address, so
// they work linked into this test program as they do inside QV2D.dll.
#include "ModuleResources.h"
#include "QV2DRes.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(ModuleResources, Own_isTheModuleHoldingTheCode)
{
    EXPECT_EQ(module::Own(), static_cast<void*>(GetModuleHandleW(nullptr)));
}

TEST(ModuleResources, LoadText_ownStringTable)
{
    EXPECT_EQ(module::LoadText(IDS_LEGACY_RESOURCES), L"[Resources]");
    EXPECT_EQ(module::LoadText(IDS_LEGACY_SEPARATORS), L";");
    EXPECT_EQ(module::LoadText(IDS_REQUIRED_VERSION), L"2.0");
    EXPECT_EQ(module::LoadText(IDS_REQUIRED_VERSION_FULL), L"2.0");
    EXPECT_EQ(module::LoadText(4321), L"");
}

TEST(ModuleResources, VersionText_ownVersionBlock)
{
    EXPECT_EQ(module::VersionText(module::Own(), L"ProductVersion"), L"2.0.1.1");
    EXPECT_EQ(module::VersionText(module::Own(), L"ProductName"), L"Win-Quorvia2-Viewer");
    EXPECT_EQ(module::VersionText(module::Own(), L""), L"040904B0");
    EXPECT_EQ(module::VersionText(module::Own(), L"NoSuchKey"), L"");
}

} // namespace
