#include "Settings.h"

#include "DateTimeEnv.h"
#include "ProfileFile.h"
#include "TestSupport.h"
#include "fw/Profile.h"

#include <gtest/gtest.h>

namespace {

datetime::LocalClock FixedNow()
{
    return {2026, 5, 17, 14, 30};
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        datetime::SetClock(&FixedNow);
        m_locale = datetime::SetLocale(0x0409);
    }
    void TearDown() override
    {
        datetime::SetClock(nullptr);
        datetime::SetLocale(m_locale);
    }

    CSettings settings;

private:
    unsigned long m_locale = 0;
};

TEST_F(SettingsTest, NormaliseKey_otherSpellingsReachTheSameSetting)
{
    settings.SetSetting(L"ViewZoom", L"150");
    EXPECT_EQ(settings.GetSetting(L"viewzoom"), L"150");
    EXPECT_EQ(settings.GetSetting(L"VIEWZOOM"), L"150");
    EXPECT_EQ(settings.GetSetting(L"<MOOZWEIV"), L"150");
    EXPECT_EQ(settings.GetSetting(L"<moozweiv"), L"150");
    // ":" followed by the key with a filler character after each of its characters.
    EXPECT_EQ(settings.GetSetting(L":vxixexwxzxoxoxm"), L"150");
    EXPECT_EQ(settings.GetSetting(L":VxIxExWxZxOxOxMx"), L"150");
    EXPECT_EQ(CSettings::NormaliseKey(L":"), L"");
    EXPECT_EQ(settings.GetSetting(L""), L"");
}

TEST_F(SettingsTest, SetSetting_plusKeysAppendOnANewLine)
{
    settings.SetSetting(L"+ExcludeReport", L"First");
    EXPECT_EQ(settings.GetSetting(L"ExcludeReport"), L"First");
    settings.SetSetting(L"+ExcludeReport", L"Second");
    EXPECT_EQ(settings.GetSetting(L"ExcludeReport"), L"First\nSecond");
    settings.SetSetting(L"ExcludeReport", L"Only");
    EXPECT_EQ(settings.GetSetting(L"ExcludeReport"), L"Only");
    // The key after the plus may use the other spellings too.
    settings.SetSetting(L"+<TROPEREDULCXE", L"Reversed");
    EXPECT_EQ(settings.GetSetting(L"ExcludeReport"), L"Only\nReversed");
    settings.SetSetting(L"", L"ignored");
    settings.SetSetting(L"+", L"ignored");
    EXPECT_EQ(settings.Count(), 1u);
}

TEST_F(SettingsTest, GetBoolSetting_onlyTheNoWordsAndZeroAreFalse)
{
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"No", false}, {L"OFF", false}, {L"false", false}, {L"n", false}, {L"0", false},
        {L"00", true},  {L" 0", true},   {L"yes", true},    {L"1", true},  {L"nope", true},
    };
    for (const auto& [text, expected] : cases) {
        settings.SetSetting(L"Flag", text);
        EXPECT_EQ(settings.GetBoolSetting(L"Flag", !expected), expected) << std::string(text, text + wcslen(text));
    }
    settings.SetSetting(L"Flag", L"");
    EXPECT_TRUE(settings.GetBoolSetting(L"Flag", true));
    EXPECT_FALSE(settings.GetBoolSetting(L"Missing", false));
}

TEST_F(SettingsTest, GetIntSetting_readsTheLeadingNumber)
{
    settings.SetSetting(L"N", L"12abc");
    EXPECT_EQ(settings.GetIntSetting(L"N", 7), 12);
    settings.SetSetting(L"N", L"abc");
    EXPECT_EQ(settings.GetIntSetting(L"N", 7), 0);
    settings.SetSetting(L"N", L"\t -35");
    EXPECT_EQ(settings.GetIntSetting(L"N", 7), -35);
    EXPECT_EQ(settings.GetIntSetting(L"Missing", 7), 7);
    settings.SetIntSetting(L"N", -2147483647 - 1);
    EXPECT_EQ(settings.GetSetting(L"N"), L"-2147483648");
    settings.SetBoolSetting(L"B", true);
    EXPECT_EQ(settings.GetSetting(L"B"), L"1");
}

TEST_F(SettingsTest, GetColourSetting_numberOrThreeRuns)
{
    settings.SetSetting(L"C", L"255 128 0");
    EXPECT_EQ(settings.GetColourSetting(L"C", 1), 33023u);
    settings.SetSetting(L"C", L"16711680");
    EXPECT_EQ(settings.GetColourSetting(L"C", 1), 16711680u);
    settings.SetSetting(L"C", L"rgb(10, 20)");
    EXPECT_EQ(settings.GetColourSetting(L"C", 1), 10u | 20u << 8);
    // Components are clamped to a byte, the number form to 24 bits.
    settings.SetSetting(L"C", L"300 -5 99999999999");
    EXPECT_EQ(settings.GetColourSetting(L"C", 1), 255u | 5u << 8 | 255u << 16);
    settings.SetSetting(L"C", L"99999999999");
    EXPECT_EQ(settings.GetColourSetting(L"C", 1), 0xFFFFFFu);
    EXPECT_EQ(settings.GetColourSetting(L"Missing", 0x123456), 0x123456u);
}

TEST_F(SettingsTest, GetDateSetting_unreadableTextGivesToday)
{
    settings.SetSetting(L"D", L"not a date");
    EXPECT_EQ(static_cast<uint32_t>(settings.GetDateSetting(L"D", TDate(5))), TDate::FromYMD(5, 2026, 17));
    EXPECT_EQ(static_cast<uint32_t>(settings.GetDateSetting(L"Missing", TDate(5))), 5u);
    settings.SetSetting(L"D", L"3/4/2025");
    EXPECT_EQ(static_cast<uint32_t>(settings.GetDateSetting(L"D", TDate(5))), TDate::FromYMD(3, 2025, 4));
}

TEST_F(SettingsTest, GetDateText_usesDateFormatWhenSet)
{
    const TDate day(TDate::FromYMD(2, 2026, 9));
    settings.SetSetting(L"DateFormat", L"yyyy-MM-dd");
    EXPECT_EQ(settings.GetDateText(day), L"2026-02-09");
    settings.SetSetting(L"DateFormat", L"");
    EXPECT_EQ(settings.GetDateText(day), L"2/9/2026");
}

TEST_F(SettingsTest, GetSettingList_dropsEmptyPieces)
{
    settings.SetSetting(L"L", L"\ta\t\tb\nc\n");
    EXPECT_EQ(settings.GetSettingList(L"L", L"\t\n"), (std::vector<std::wstring>{L"a", L"b", L"c"}));
    EXPECT_TRUE(settings.GetSettingList(L"Missing", L"\t").empty());
}

TEST_F(SettingsTest, LoadSettingsLine_trimsAndUnquotes)
{
    EXPECT_TRUE(settings.LoadSettingsLine(L"  \"Report Title\"  =  \"a=b \"  "));
    EXPECT_EQ(settings.GetSetting(L"REPORT TITLE"), L"a=b ");
    EXPECT_TRUE(settings.LoadSettingsLine(L"Key=\"\""));
    EXPECT_EQ(settings.GetSetting(L"Key"), L"");
    EXPECT_TRUE(settings.LoadSettingsLine(L"Quote=\""));
    EXPECT_EQ(settings.GetSetting(L"Quote"), L"\"");
    EXPECT_TRUE(settings.LoadSettingsLine(L"Blank=  \t "));
    EXPECT_EQ(settings.GetSetting(L"Blank"), L"");
    for (const wchar_t* ignored : {L";Comment=1", L"#Comment=1", L"!Comment=1", L"[Section]=1", L"=value",
                                   L"no equals sign", L"  =x"}) {
        EXPECT_FALSE(settings.LoadSettingsLine(ignored));
    }
    EXPECT_EQ(settings.GetSetting(L";Comment"), L"");
}

TEST_F(SettingsTest, LoadSettingsFile_readsEveryLineWhateverItsLength)
{
    qvtest::CTempFolder folder;
    const std::string longValue(20000, 'x');
    folder.Write(L"a.qvs", "First=1\r\n; note=2\r\nLong=" + longValue + "\r\n+First=3\nLast=end");
    EXPECT_TRUE(settings.LoadSettingsFile(folder.File(L"a.qvs")));
    EXPECT_EQ(settings.GetSetting(L"First"), L"1\n3");
    EXPECT_EQ(settings.GetSetting(L"Long").size(), longValue.size());
    EXPECT_EQ(settings.GetSetting(L"Last"), L"end");
    EXPECT_EQ(settings.Count(), 3u);
    EXPECT_FALSE(settings.LoadSettingsFile(folder.File(L"missing.qvs")));
}

TEST_F(SettingsTest, ProfileKeys_lineBreaksTravelAsMarkers)
{
    qvtest::CTempFolder folder;
    const std::wstring ini = folder.File(L"settings.ini");
    settings.SetSetting(L"Header", L"line one\nline two");
    settings.SaveSettingToProfile(L"Reports", ini, L"Header");
    EXPECT_NE(qvtest::ReadIniText(ini).find(L"line one<!nl!>line two"), std::wstring::npos);

    CSettings fresh;
    fresh.SetSetting(L"Other", L"kept");
    fresh.LoadSettingFromProfile(L"Reports", ini, L"Header");
    fresh.LoadSettingFromProfile(L"Reports", ini, L"Other");
    EXPECT_EQ(fresh.GetSetting(L"Header"), L"line one\nline two");
    EXPECT_EQ(fresh.GetSetting(L"Other"), L"kept");
}

// `IniFileSave` and `InitializationFile` may hold any text; the system's profile calls overran
// their stack on a file name of a thousand characters.
TEST_F(SettingsTest, ProfileKeys_aFileNoPathCanHoldIsNeitherReadNorWritten)
{
    qvtest::CTempFolder folder;
    settings.SetSetting(L"Header", L"kept");
    for (const std::wstring& ini : {std::wstring(1000, L'A'), std::wstring(1000000, L'A'),
                                    folder.Path() + L"\\" + std::wstring(300, L'A') + L".ini"}) {
        EXPECT_FALSE(settings.SaveSettingToProfile(L"Reports", ini, L"Header")) << ini.size();
        settings.LoadSettingFromProfile(L"Reports", ini, L"Header");
        EXPECT_EQ(settings.GetSetting(L"Header"), L"kept") << ini.size();
    }
    // A name without a folder is the Windows folder's file, and works.
    const std::wstring plain = L"qv-settings-test-" + std::to_wstring(GetCurrentProcessId()) + L".ini";
    settings.SaveSettingToProfile(L"Reports", plain, L"Header");
    CSettings fresh;
    fresh.LoadSettingFromProfile(L"Reports", plain, L"Header");
    EXPECT_EQ(fresh.GetSetting(L"Header"), L"kept");
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    EXPECT_TRUE(DeleteFileW((std::wstring(windows) + L"\\" + plain).c_str()));
}

// UTF-16 without a byte-order mark: the profile reader finds no section in it.
std::string Utf16WithoutMark(const std::string& text)
{
    std::string bytes;
    for (char c : text)
        bytes += {c, '\0'};
    return bytes;
}

TEST_F(SettingsTest, ProfileKeys_aWriteKeepsWhatTheFileHoldsAndWhatTheUserGave)
{
    qvtest::CTempFolder folder;
    const std::wstring unicode = L"\u05E9\u05DC\u05D5\u05DD \u65E5\u672C\u8A9E \u0645\u0631\u062D\u0628\u0627 \U0001F600";
    settings.SetSetting(L"Header", unicode);
    settings.SetSetting(L"Plain", L"M\u00FCller");

    // A name without a folder: the file of the Windows folder is the one looked at.
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring plain = L"qv-unreadable-" + std::to_wstring(GetCurrentProcessId()) + L".ini";
    const std::wstring inWindows = std::wstring(windows) + L"\\" + plain;
    const std::string mine = Utf16WithoutMark("[Mine]\r\nKept=1\r\n");
    {
        HANDLE file = CreateFileW(inWindows.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, mine.data(), static_cast<DWORD>(mine.size()), &written, nullptr);
        CloseHandle(file);
    }
    EXPECT_TRUE(IsUnreadableProfile(plain));
    EXPECT_FALSE(settings.SaveSettingToProfile(L"Reports", plain, L"Plain"));
    EXPECT_EQ(qvtest::ReadFileBytes(inWindows), mine);
    EXPECT_TRUE(DeleteFileW(inWindows.c_str()));

    // Files that hold nothing but a byte-order mark and white space take the keys, as UTF-16.
    const std::pair<const wchar_t*, std::string> blanks[] = {
        {L"mark.ini", "\xFF\xFE"},
        {L"line.ini", "\r\n"},
        {L"marked-line.ini", std::string("\xFF\xFE \0\r\0\n\0", 8)},
        {L"utf8-mark.ini", "\xEF\xBB\xBF\t\r\n"},
    };
    for (const auto& [name, bytes] : blanks) {
        const std::string said(name, name + wcslen(name));
        const std::wstring ini = folder.File(name);
        folder.Write(name, bytes);
        EXPECT_FALSE(IsUnreadableProfile(ini)) << said;
        EXPECT_TRUE(settings.SaveSettingToProfile(L"Reports", ini, L"Header")) << said;
        EXPECT_EQ(qvtest::ReadFileBytes(ini).substr(0, 2), "\xFF\xFE") << said;
        CSettings fresh;
        fresh.LoadSettingFromProfile(L"Reports", ini, L"Header");
        EXPECT_EQ(fresh.GetSetting(L"Header"), unicode) << said;
    }

    // A new file starts as UTF-16, so that any text comes back as it was given.
    const std::wstring made = folder.File(L"new.ini");
    EXPECT_TRUE(settings.SaveSettingToProfile(L"Reports", made, L"Header"));
    EXPECT_TRUE(settings.SaveSettingToProfile(L"Reports", made, L"Plain"));
    CSettings fresh;
    fresh.LoadSettingFromProfile(L"Reports", made, L"Header");
    fresh.LoadSettingFromProfile(L"Reports", made, L"Plain");
    EXPECT_EQ(fresh.GetSetting(L"Header"), unicode);
    EXPECT_EQ(fresh.GetSetting(L"Plain"), L"M\u00FCller");
    EXPECT_EQ(qvtest::ReadFileBytes(made).substr(0, 2), "\xFF\xFE");

    // An 8-bit file keeps the earlier value of a text its code page lacks, and says which file.
    const std::wstring ansi = folder.File(L"ansi.ini");
    folder.Write(L"ansi.ini", "[Reports]\r\nHeader=earlier\r\n");
    EXPECT_TRUE(settings.TakeFilesLackingText().empty());
    EXPECT_FALSE(settings.SaveSettingToProfile(L"Reports", ansi, L"Header"));
    EXPECT_FALSE(settings.SaveSettingToProfile(L"Other", ansi, L"Header"));
    EXPECT_TRUE(settings.SaveSettingToProfile(L"Reports", ansi, L"Plain"));
    EXPECT_EQ(settings.TakeFilesLackingText(), std::vector<std::wstring>{ansi});
    EXPECT_TRUE(settings.TakeFilesLackingText().empty());
    EXPECT_EQ(qvtest::ReadFileBytes(ansi), "[Reports]\r\nHeader=earlier\r\nPlain=M\xFCller\r\n");

    // Refusals are answered as such.
    EXPECT_FALSE(settings.SaveSettingToProfile(L"Reports", ansi, L""));
    EXPECT_FALSE(settings.SaveSettingToProfile(L"Reports", folder.Path(), L"Plain"));
    EXPECT_FALSE(settings.SaveSettingToProfile(L"Reports", L"", L"Plain")); // no application profile
}

TEST_F(SettingsTest, ProfileKeys_emptyFileNameUsesTheApplicationProfile)
{
    qvtest::CTempFolder folder;
    fw::CProfile profile;
    profile.UseIniFile(folder.File(L"profile.ini"));
    settings.SetApplicationProfile(&profile);
    settings.SetSetting(L"ViewZoom", L"125");
    settings.SaveSettingToProfile(L"Views", L"", L"ViewZoom");
    EXPECT_EQ(profile.GetString(L"Views", L"ViewZoom", L""), L"125");
    profile.WriteString(L"Views", L"ViewZoom", L"80");
    settings.LoadSettingFromProfile(L"Views", L"", L"ViewZoom");
    EXPECT_EQ(settings.GetSetting(L"ViewZoom"), L"80");
}

} // namespace
