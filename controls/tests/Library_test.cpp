// The library as hosts load it: RKComControls2.dll bound by name, its classes registered while
// it loads and removed when it is unloaded, and its display strings overridden by a host module.
#include "RKComControls2.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const wchar_t* const kClasses[] = {
    RKCC2_CLASS_CALENDAR,    RKCC2_CLASS_COLORPICKER, RKCC2_CLASS_FONTCOMBOBOX, RKCC2_CLASS_PICTURECOMBOBOX,
    RKCC2_CLASS_CHECKLISTBOX, RKCC2_CLASS_SORTLISTBOX, RKCC2_CLASS_CHECKTREE,   RKCC2_CLASS_OPTIONSTREE,
    RKCC2_CLASS_ASSIGNGRID,  RKCC2_CLASS_HYPERLINK,   RKCC2_CLASS_LONGEDIT,     RKCC2_CLASS_DOUBLEEDIT,
    RKCC2_CLASS_TIMEEDIT,    RKCC2_CLASS_TIMEPERIOD,  RKCC2_CLASS_CHECKGROUP,   RKCC2_CLASS_DATEEDIT,
    RKCC2_CLASS_DATEPERIOD,  RKCC2_CLASS_TABCTRL};

// Classes that receive no double clicks.
bool IsPlain(const std::wstring& name)
{
    return name == RKCC2_CLASS_COLORPICKER || name == RKCC2_CLASS_CHECKLISTBOX || name == RKCC2_CLASS_SORTLISTBOX ||
           name == RKCC2_CLASS_HYPERLINK || name == RKCC2_CLASS_CHECKGROUP;
}

class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        module = LoadLibraryW(L"RKComControls2.dll");
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override
    {
        if (module)
            FreeLibrary(module);
    }
    template <class Fn>
    Fn Bind(const char* name)
    {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
    HMODULE module = nullptr;
};

TEST_F(LibraryTest, Exports_areBoundByPlainNamesAndAnswerOne)
{
    auto setResources = Bind<rkcc2_setappreshandle_fn>("rkcc2_setappreshandle");
    auto setMinimum = Bind<rkcc2_setstdmindate_fn>("rkcc2_setstdmindate");
    auto setDate = Bind<rkcc2_setdateformat_fn>("rkcc2_setdateformat");
    auto setTime = Bind<rkcc2_settimeformat_fn>("rkcc2_settimeformat");
    auto setOption = Bind<rkcc2_setoption_fn>("rkcc2_setoption");
    ASSERT_TRUE(setResources && setMinimum && setDate && setTime && setOption);
    EXPECT_EQ(setResources(nullptr), 1);
    EXPECT_EQ(setMinimum(0), 1);
    EXPECT_EQ(setDate(nullptr), 1);
    EXPECT_EQ(setDate(L"yyyy"), 1);
    EXPECT_EQ(setTime(nullptr), 1);
    const int on = 1;
    EXPECT_EQ(setOption(1, 1, &on), 1);
    EXPECT_EQ(setOption(1, 1, nullptr), 1);
    EXPECT_EQ(setOption(2, 7, nullptr), 1); // unknown pairs are ignored and never read
    EXPECT_EQ(setMinimum(2305814), 1);
}

TEST_F(LibraryTest, Classes_areRegisteredGloballyWithTheirStylesAndBrushes)
{
    for (const wchar_t* name : kClasses) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        ASSERT_TRUE(GetClassInfoExW(module, name, &wc)) << std::wstring(name).c_str();
        EXPECT_EQ(wc.style, IsPlain(name) ? 0x4000u : 0x400Bu) << std::wstring(name).c_str();
        EXPECT_EQ(wc.cbClsExtra, 0);
        EXPECT_EQ(wc.cbWndExtra, 0);
        EXPECT_EQ(wc.lpszMenuName, nullptr);
        EXPECT_EQ(wc.hCursor, LoadCursorW(nullptr, IDC_ARROW));
        const HBRUSH expected = std::wstring(name) == RKCC2_CLASS_CALENDAR
                                    ? reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)
                                    : static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
        EXPECT_EQ(wc.hbrBackground, expected) << std::wstring(name).c_str();
    }
}

TEST_F(LibraryTest, Controls_ofTheLibraryWorkByMessagesAlone)
{
    HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(host);
    for (const wchar_t* name : kClasses) {
        HWND control = CreateWindowExW(0, name, L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 60, host, nullptr, nullptr,
                                       nullptr);
        EXPECT_TRUE(control) << std::wstring(name).c_str();
        DestroyWindow(control);
    }
    HWND edit = CreateWindowExW(0, RKCC2_CLASS_LONGEDIT, L"", WS_CHILD, 0, 0, 100, 24, host, nullptr, nullptr, nullptr);
    int value = 42;
    SendMessageW(edit, RKCC2M_LONGEDIT_SETVALUE, 0, reinterpret_cast<LPARAM>(&value));
    value = 0;
    EXPECT_EQ(SendMessageW(edit, RKCC2M_LONGEDIT_GETVALUE, 0, reinterpret_cast<LPARAM>(&value)), 1);
    EXPECT_EQ(value, 42);
    DestroyWindow(host);
}

TEST_F(LibraryTest, Unloading_removesTheClasses)
{
    HMODULE second = LoadLibraryW(L"RKComControls2.dll"); // loaded twice: still there after one free
    FreeLibrary(second);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    EXPECT_TRUE(GetClassInfoExW(module, RKCC2_CLASS_DATEEDIT, &wc));
    FreeLibrary(module);
    module = nullptr;
    EXPECT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), RKCC2_CLASS_DATEEDIT, &wc));
    EXPECT_EQ(GetModuleHandleW(L"RKComControls2.dll"), nullptr);
}

} // namespace
