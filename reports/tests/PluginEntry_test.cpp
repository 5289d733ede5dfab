// The report plug-in as the viewer loads it: QV2R.dll bound by name from a host program that
// exports the host functions, its entry points, its report records and settings fan-out.
#include "PluginTestEnv.h"

#include <cstring>

namespace {

// A data root that is never to be used: the plug-in keeps the root it was given first.
class CUnusedRoot : public wqv2_data::CData {
public:
    int Open(const wchar_t*, bool) override { return 9; }
    int Save(const wchar_t*, bool) override { return 9; }
    int Reload(unsigned int) override { return 9; }
    int Close(int) override { return 0; }
    wchar_t* GetPath(wchar_t* out) override { return out; }
    int GetFileInfo(int, void*) override { return 0; }
    bool IsReadOnly() override { return true; }
    bool IsModified() override { return false; }
    int BeginTransaction(const wchar_t*) override { return 1; }
    int Rollback() override { return 0; }
    int Commit() override { return 3; }
    int AddXmlReader(wqv2_data::XmlReader) override { return 1; }
    int AddXmlWriter(wqv2_data::XmlWriter) override { return 1; }
    int AddChangeListener(wqv2_data::ChangeListener) override { return 1; }
    int Command(int, void*) override { return 5; }
};

using PluginEntryTest = PluginTest;

TEST_F(PluginEntryTest, OnPluginInfo_versionValuesDescriptionAndTheHostsTranslation)
{
    PluginInfo info;
    std::memset(&info, 0xCC, sizeof info);
    ASSERT_EQ(Plugin().onPluginInfo(L"ignored", L"ignored", L"ignored", ResourceLibrary(), &info), 1);
    EXPECT_STREQ(info.ProductName, L"Win-Quorvia2-Viewer");
    EXPECT_STREQ(info.CompanyName, L"Quorvia Team");
    EXPECT_STREQ(info.ProductVersion, L"2.0.1.1");
    EXPECT_EQ(std::wstring(info.Description).find(L"Reports:"), 0u);
    // The test program stands for the viewer: its own version block gives the translation.
    EXPECT_STREQ(info.Translation, L"040904B0");
    EXPECT_EQ(Plugin().onPluginInfo(nullptr, nullptr, nullptr, ResourceLibrary(), nullptr), 1);
}

TEST_F(PluginEntryTest, OnRegister_sevenRecordsInOrder)
{
    ASSERT_EQ(Plugin().onRegister(), 1);
    const std::vector<ReportRegistration>& reports = host::Reports();
    ASSERT_EQ(reports.size(), 7u);
    const wchar_t* names[] = {L"Holidays",  L"Resources",         L"Filters",       L"Calendars",
                              L"Task list", L"Tasks by resource", L"Schedule chart"};
    const int16_t groups[] = {4, 4, 4, 4, 3, 3, 1};
    const int orientations[] = {1, 1, 2, 1, 2, 2, 1};
    for (size_t i = 0; i < reports.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(reports[i].Name, names[i]);
        EXPECT_NE(reports[i].Description[0], L'\0');
        EXPECT_EQ(reports[i].Group, groups[i]);
        EXPECT_EQ(reports[i].Flags, 1);
        EXPECT_EQ(reports[i].Reserved, 0);
        ASSERT_NE(reports[i].Orientation, nullptr);
        EXPECT_EQ(reports[i].Orientation(), orientations[i]);
        // The buffer was zeroed before each report: nothing after the name's terminator.
        const size_t length = std::wcslen(reports[i].Name);
        for (size_t c = length; c < 256; ++c)
            ASSERT_EQ(reports[i].Name[c], L'\0');
    }
    EXPECT_EQ(reports[0].SetFilter, nullptr);
    for (size_t i = 1; i < reports.size(); ++i)
        EXPECT_EQ(reports[i].SetFilter, reports[1].SetFilter);
    EXPECT_NE(reports[1].SetFilter, nullptr);
    // Every report prints, exports, writes HTML and has its page.
    for (size_t i = 0; i < reports.size(); ++i)
        EXPECT_TRUE(reports[i].Print && reports[i].Export && reports[i].Html && reports[i].CreatePage) << i;
    const ReportRegistration& filters = reports[2];
    EXPECT_EQ(filters.SetFilter(nullptr), 0);

    host::SetSetting(L"ReportsFiltersPrinterOrientation", L"1");
    EXPECT_EQ(filters.Orientation(), 1);
}

TEST_F(PluginEntryTest, OnLoadAndSaveSettings_eachReportsKeysInItsSection)
{
    // Calls are "action|section|key|file"; each report's keys come together, in registration
    // order. The list reports begin with the three keys every report has; the schedule chart
    // has an order of its own, and reads its printer keys in another order than it writes them.
    const std::vector<std::wstring> scheduleLoad{L"Title", L"TitleEmpty", L"Period", L"ResourcesSkipEmpty",
                                                 L"PrinterScaleWidth", L"PrinterScaleHeight", L"PrinterOrientation",
                                                 L"PrinterNameColumnWidth", L"PrinterFullPage", L"HtmlNameColumnWidth"};
    const std::vector<std::wstring> scheduleSave{L"Title", L"TitleEmpty", L"Period", L"ResourcesSkipEmpty",
                                                 L"PrinterOrientation", L"PrinterScaleWidth", L"PrinterScaleHeight",
                                                 L"PrinterNameColumnWidth", L"PrinterFullPage", L"HtmlNameColumnWidth"};
    auto check = [](const std::wstring& action, const std::wstring& file, const std::vector<std::wstring>& schedule) {
        const std::vector<std::wstring>& calls = host::SettingFileCalls();
        std::vector<std::wstring> sections;
        std::vector<std::vector<std::wstring>> keys;
        for (const std::wstring& call : calls) {
            const size_t bar = call.find(L'|', action.size() + 1);
            ASSERT_EQ(call.substr(0, action.size() + 1), action + L"|");
            ASSERT_EQ(call.substr(call.size() - file.size() - 1), L"|" + file);
            const std::wstring section = call.substr(action.size() + 1, bar - action.size() - 1);
            const std::wstring key = call.substr(bar + 1, call.size() - file.size() - 2 - bar);
            if (sections.empty() || sections.back() != section) {
                sections.push_back(section);
                keys.emplace_back();
            }
            ASSERT_EQ(key.substr(0, section.size()), section);
            keys.back().push_back(key.substr(section.size()));
        }
        EXPECT_EQ(sections, (std::vector<std::wstring>{L"ReportsHolidays", L"ReportsResources", L"ReportsFilters",
                                                       L"ReportsCalendars", L"ReportsListTasksDefault",
                                                       L"ReportsListTasksByResources", L"ReportsScheduleStandard"}));
        ASSERT_EQ(keys.size(), 7u);
        for (size_t i = 0; i < 6; ++i) {
            ASSERT_GE(keys[i].size(), 3u);
            EXPECT_EQ(std::vector<std::wstring>(keys[i].begin(), keys[i].begin() + 3),
                      (std::vector<std::wstring>{L"Title", L"TitleEmpty", L"PrinterOrientation"}))
                << sections[i];
        }
        EXPECT_EQ(keys[6], schedule);
    };
    ASSERT_EQ(Plugin().onLoadSettings(L"C:\\s.ini"), 1);
    const size_t loaded = host::SettingFileCalls().size();
    check(L"load", L"C:\\s.ini", scheduleLoad);
    host::SettingFileCalls().clear();
    ASSERT_EQ(Plugin().onSaveSettings(nullptr, true), 1);
    EXPECT_EQ(host::SettingFileCalls().size(), loaded);
    check(L"save", L"(null)", scheduleSave);
}

TEST_F(PluginEntryTest, OnStart_aLaterRootNeverReplacesTheFirst)
{
    ASSERT_NE(rtest::CData::Sample(), nullptr);
    CUnusedRoot other;
    EXPECT_EQ(Plugin().onStart(&other), 1);
    rtest::CTempFolder folder;
    ASSERT_EQ(FiltersRecord().Export(folder.File(L"f.txt").c_str()), 0);
    EXPECT_NE(rtest::ReadUtf16(folder.File(L"f.txt")).find(L"Workshop"), std::wstring::npos);
    EXPECT_EQ(Plugin().onExit(), 1);
}

} // namespace
