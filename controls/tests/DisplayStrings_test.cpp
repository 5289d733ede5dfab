// Display strings: the library's own texts, overridden id by id by the host's resource module.
#include "ControlTestEnv.h"

#include "DisplayStrings.h"
#include "RKComControls2.h"
#include "calendar/CalendarModel.h"

using namespace testenv;

namespace {

class DisplayStringsTest : public ControlTest {
protected:
    DisplayStringsTest()
    {
        // The module lies beside the test program.
        std::wstring path(260, L'\0');
        DWORD n = 0;
        while ((n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) >= path.size())
            path.resize(path.size() * 2);
        path.resize(n);
        path = path.substr(0, path.find_last_of(L"\\/") + 1) + L"rkcc2_test_strings.dll";
        strings = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    ~DisplayStringsTest() override
    {
        if (strings)
            FreeLibrary(strings);
    }
    HMODULE strings = nullptr;
};

TEST_F(DisplayStringsTest, OwnTable_withoutAnOverride)
{
    EXPECT_EQ(rkcc::DisplayString(5001), L"Today");
    EXPECT_EQ(rkcc::DisplayString(5004), L"&Select All");
    EXPECT_EQ(rkcc::DisplayString(5008), L"Clear All");
    EXPECT_EQ(rkcc::DisplayString(5010), L"%s %s");
    EXPECT_EQ(rkcc::DisplayString(4999), L"");
}

TEST_F(DisplayStringsTest, HostModule_overridesOnlyTheIdsItHas)
{
    ASSERT_TRUE(strings);
    EXPECT_EQ(rkcc2_setappreshandle(strings), 1);
    EXPECT_EQ(rkcc::DisplayString(5001), L"Heute");
    EXPECT_EQ(rkcc::DisplayString(5002), L"Month");
    const rkcc::CalendarTexts texts = rkcc::LoadCalendarTexts();
    EXPECT_EQ(texts.today, L"Heute");
    EXPECT_EQ(texts.year, L"Year");
    HWND list = host.CreateControl(RKCC2_CLASS_CHECKLISTBOX, 0, 1, {0, 0, 200, 100});
    EXPECT_EQ(TextOf(reinterpret_cast<HWND>(SendMessageW(list, RKCC2M_CHECKLISTBOX_GETBUTTON, 0, 0))), L"Alle");
    EXPECT_EQ(TextOf(reinterpret_cast<HWND>(SendMessageW(list, RKCC2M_CHECKLISTBOX_GETBUTTON, 1, 0))), L"Non&e");
    rkcc2_setappreshandle(nullptr);
    EXPECT_EQ(rkcc::DisplayString(5001), L"Today");
}

TEST_F(DisplayStringsTest, LongTexts_areCutToTheLookupBuffer)
{
    EXPECT_LE(rkcc::LoadModuleString(GetModuleHandleW(nullptr), 5001).size(), 1023u);
    EXPECT_EQ(rkcc::LoadModuleString(nullptr, 5001), L"");
}

} // namespace
