// Settings through the host: the raw accessors, the typed readers and writers.
#include "CoreTestEnv.h"

#include "common/ReportSettings.h"

namespace {

using ReportSettingsTest = ReportTest;

TEST_F(ReportSettingsTest, GetSettingText_unknownIsEmptyAndLongValuesAreCut)
{
    EXPECT_STREQ(GetSettingText(L"Nothing"), L"");
    host::SetSetting(L"Long", std::wstring(5000, L'x'));
    EXPECT_EQ(std::wstring(GetSettingText(L"Long")).size(), 4095u);
    EXPECT_STREQ(GetSettingText(nullptr), L"");
}

TEST_F(ReportSettingsTest, TypedReaders_defaultOnlyForEmptyText)
{
    EXPECT_EQ(GetIntSetting(L"N", 7), 7);
    host::SetSetting(L"N", L"  -12abc");
    EXPECT_EQ(GetIntSetting(L"N", 7), -12);
    host::SetSetting(L"N", L"x");
    EXPECT_EQ(GetIntSetting(L"N", 7), 0);

    EXPECT_TRUE(GetBoolSetting(L"B", true));
    for (const wchar_t* no : {L"off", L"FALSE", L"No", L"n", L"0"}) {
        host::SetSetting(L"B", no);
        EXPECT_FALSE(GetBoolSetting(L"B", true)) << no;
    }
    host::SetSetting(L"B", L"00");
    EXPECT_TRUE(GetBoolSetting(L"B", false));

    host::SetSetting(L"C", L"255 128 0");
    EXPECT_EQ(GetColourSetting(L"C", 1), 0x0080FFu);
    host::SetSetting(L"C", L"65280");
    EXPECT_EQ(GetColourSetting(L"C", 1), 0x00FF00u);
    EXPECT_EQ(GetColourSetting(L"Missing", 0x123456), 0x123456u);

    host::SetSetting(L"D", L"20260301");
    EXPECT_EQ(GetDateSetting(L"D", TDate(1)), rtest::Day(3, 1));
    EXPECT_EQ(GetDateSetting(L"Missing", rtest::Day(1, 2)), rtest::Day(1, 2));
}

TEST_F(ReportSettingsTest, TypedWriters_decimalFlagsAndFileDates)
{
    SetIntSetting(L"I", -42);
    SetBoolSetting(L"B", true);
    SetDateSetting(L"D", rtest::Day(12, 31));
    EXPECT_EQ(host::GetSetting(L"I"), L"-42");
    EXPECT_EQ(host::GetSetting(L"B"), L"1");
    EXPECT_EQ(host::GetSetting(L"D"), L"20261231");

    std::wstring seen;
    static std::wstring* target = nullptr;
    target = &seen;
    SetBoolSetting([](const wchar_t* key, const wchar_t* value) { *target = std::wstring(key) + L"=" + value; }, L"K",
                   false);
    EXPECT_EQ(seen, L"K=0");
}

TEST_F(ReportSettingsTest, ReadTextSetting_keepsTheValueForAnEmptySetting)
{
    std::wstring value = L"default";
    ReadTextSetting(L"T", value);
    EXPECT_EQ(value, L"default");
    host::SetSetting(L"T", L"set");
    ReadTextSetting(L"T", value);
    EXPECT_EQ(value, L"set");
}

} // namespace
