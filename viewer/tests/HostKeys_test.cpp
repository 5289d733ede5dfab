#include "HostKeys.h"

#include "DateTimeEnv.h"
#include "ProcessObjects.h"
#include "Settings.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

class HostKeysTest : public ::testing::Test {
protected:
    void SetUp() override { m_locale = datetime::SetLocale(0x0407); }
    void TearDown() override { datetime::SetLocale(m_locale); }

    CProcessObjects objects;
    qvtest::CTempFolder folder;

private:
    unsigned long m_locale = 0;
};

TEST_F(HostKeysTest, SetDateTimeDefaults_pictureFollowsTheLocaleOrder)
{
    SetDateTimeDefaults();
    EXPECT_EQ(GetSetting(L"DateFormat"), L"dd.MM.yyyy");
    EXPECT_EQ(GetIntSetting(L"ViewFirstDayOfWeek", -1), 0); // Monday
    EXPECT_EQ(GetSetting(L"TimeFormat"), L"");               // 08:00 and 20:00 differ

    gSettings->ClearSettings();
    datetime::SetLocale(0x0409);
    SetSetting(L"DateFormatYear", L"yy");
    SetDateTimeDefaults();
    EXPECT_EQ(GetSetting(L"DateFormat"), L"MM/dd/yy");
    EXPECT_EQ(GetIntSetting(L"ViewFirstDayOfWeek", -1), 6); // Sunday

    gSettings->ClearSettings();
    datetime::SetLocale(0x0411);
    SetDateTimeDefaults();
    EXPECT_EQ(GetSetting(L"DateFormat"), L"yyyy/MM/dd");
}

TEST_F(HostKeysTest, SetDateTimeDefaults_keepsWhatIsSet)
{
    SetSetting(L"DateFormat", L"d MMM yyyy");
    SetSetting(L"ViewFirstDayOfWeek", L"3");
    SetSetting(L"TimeFormat", L"h:mm tt");
    SetDateTimeDefaults();
    EXPECT_EQ(GetSetting(L"DateFormat"), L"d MMM yyyy");
    EXPECT_EQ(GetSetting(L"ViewFirstDayOfWeek"), L"3");
    EXPECT_EQ(GetSetting(L"TimeFormat"), L"h:mm tt");
}

// A picture longer than the date module uses (80 characters) is built as none is, so dates show
// as they do without one, not in the locale's short form (12/1/2026); one of 80 is kept.
TEST_F(HostKeysTest, SetDateTimeDefaults_aPictureTooLongToUseIsBuiltAsNone)
{
    datetime::SetLocale(0x0409);
    const TDate date(TDate::FromYMD(12, 2026, 1));
    SetDateTimeDefaults();
    EXPECT_EQ(GetDateText(date), L"12/01/2026");
    const std::wstring longest = L"dd.MM.yyyy'" + std::wstring(68, L'x') + L"'";
    for (const std::wstring& picture : {longest + L"x", longest + std::wstring(200, L'x')}) {
        gSettings->ClearSettings();
        SetSetting(L"DateFormat", picture);
        SetDateTimeDefaults();
        EXPECT_EQ(GetSetting(L"DateFormat"), L"MM/dd/yyyy") << picture.size();
        EXPECT_EQ(GetDateText(date), L"12/01/2026") << picture.size();
    }
    gSettings->ClearSettings();
    ASSERT_EQ(longest.size(), 80u);
    SetSetting(L"DateFormat", longest);
    SetDateTimeDefaults();
    EXPECT_EQ(GetDateText(date), L"01.12.2026" + std::wstring(68, L'x'));
}

TEST_F(HostKeysTest, SaveHostKeys_folderAndWindowKeysOnlyWithAll)
{
    const std::wstring ini = folder.File(L"viewer.ini");
    SetSetting(L"ReportsPrinterFont", L"Arial");
    SetSetting(L"ViewGridColumnsType", L"2");
    SetSetting(L"DirectoryHtml", L"C:\\html");
    SetSetting(L"ViewMainWindowRect", L"1 2 3 4");
    SetSetting(L"UnknownKey", L"not saved");
    SaveHostKeys(ini, false);
    std::wstring text = qvtest::ReadIniText(ini);
    EXPECT_NE(text.find(L"[Reports]"), std::wstring::npos);
    EXPECT_NE(text.find(L"ReportsPrinterFont=Arial"), std::wstring::npos);
    EXPECT_NE(text.find(L"ViewGridColumnsType=2"), std::wstring::npos);
    EXPECT_EQ(text.find(L"DirectoryHtml"), std::wstring::npos);
    EXPECT_EQ(text.find(L"ViewMainWindowRect"), std::wstring::npos);
    EXPECT_EQ(text.find(L"UnknownKey"), std::wstring::npos);
    SaveHostKeys(ini, true);
    text = qvtest::ReadIniText(ini);
    EXPECT_NE(text.find(L"DirectoryHtml=C:\\html"), std::wstring::npos);
    EXPECT_NE(text.find(L"ViewMainWindowRect=1 2 3 4"), std::wstring::npos);

    gSettings->ClearSettings();
    LoadHostKeys(ini);
    EXPECT_EQ(GetSetting(L"ReportsPrinterFont"), L"Arial");
    EXPECT_EQ(GetSetting(L"DirectoryHtml"), L"C:\\html");
    EXPECT_EQ(GetSetting(L"UnknownKey"), L"");
}

} // namespace
