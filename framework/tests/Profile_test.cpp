#include "fw/Profile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

class ProfileTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        const std::wstring unique = std::to_wstring(GetCurrentProcessId());
        if (GetParam()) {
            profile.UseRegistry(L"QvFrameworkTest", L"Run" + unique);
        } else {
            wchar_t folder[MAX_PATH + 1] = {};
            GetTempPathW(MAX_PATH + 1, folder);
            m_ini = std::wstring(folder) + L"qv-profile-" + unique + L".ini";
            profile.UseIniFile(m_ini);
        }
    }
    void TearDown() override
    {
        if (GetParam())
            RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\QvFrameworkTest\\Run" + std::to_wstring(GetCurrentProcessId())).c_str());
        else
            DeleteFileW(m_ini.c_str());
    }

    fw::CProfile profile;

private:
    std::wstring m_ini;
};

TEST_P(ProfileTest, WriteString_readsBackWhateverItsLength)
{
    EXPECT_EQ(profile.GetString(L"Views", L"ViewZoom", L"fallback"), L"fallback");
    EXPECT_TRUE(profile.WriteString(L"Views", L"ViewZoom", L"125"));
    EXPECT_EQ(profile.GetString(L"Views", L"ViewZoom", L"fallback"), L"125");
    const std::wstring longValue(9000, L'v');
    EXPECT_TRUE(profile.WriteString(L"Views", L"Long", longValue));
    EXPECT_EQ(profile.GetString(L"Views", L"Long", L""), longValue);
    EXPECT_TRUE(profile.WriteString(L"Views", L"Empty", L""));
    EXPECT_EQ(profile.GetString(L"Views", L"Empty", L"fallback"), L"");
}

TEST_P(ProfileTest, GetInt_fallsBackForText)
{
    profile.WriteInt(L"Basic", L"Number", -42);
    profile.WriteString(L"Basic", L"Text", L"12abc");
    EXPECT_EQ(profile.GetInt(L"Basic", L"Number", 7), -42);
    EXPECT_EQ(profile.GetInt(L"Basic", L"Text", 7), 7);
    EXPECT_EQ(profile.GetInt(L"Basic", L"Missing", 7), 7);
}

INSTANTIATE_TEST_SUITE_P(RegistryAndIniFile, ProfileTest, ::testing::Values(true, false));

TEST(Profile, Unconfigured_readsFallbacksAndWritesNothing)
{
    fw::CProfile profile;
    EXPECT_FALSE(profile.IsConfigured());
    EXPECT_EQ(profile.GetString(L"A", L"B", L"c"), L"c");
    EXPECT_FALSE(profile.WriteString(L"A", L"B", L"c"));
}

} // namespace
