#include "RK2Controls.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

// Controls of the controls library as children of a hidden window, with the ids a dialog gives.
class RK2ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static HMODULE controls = LoadLibraryW((qvtest::BinFolder() + L"RKComControls2.dll").c_str());
        ASSERT_NE(controls, nullptr);
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent, nullptr);
    }
    void TearDown() override { DestroyWindow(parent); }

    HWND Make(const wchar_t* className, int id, int cx = 300, int cy = 24)
    {
        return CreateWindowExW(0, className, L"", WS_CHILD, 0, 0, cx, cy, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    HWND parent = nullptr;
};

TEST_F(RK2ControlsTest, TimePeriod_anEmptyTimeTravelsAsMinusOne)
{
    ASSERT_NE(Make(RKCC2_CLASS_TIMEPERIOD, 1062), nullptr);
    SendMessageW(GetDlgItem(parent, 1062), RKCC2M_TIMEPERIOD_SETALLOWEMPTY, 1, TRUE);
    TTime empty(0);
    empty.empty = true;
    DdxTimePeriod(parent, 1062, 1, empty, false);
    int raw = 5;
    SendMessageW(GetDlgItem(parent, 1062), RKCC2M_TIMEPERIOD_GETTIME, 1, reinterpret_cast<LPARAM>(&raw));
    EXPECT_LT(raw, 0);
    TTime read(600);
    DdxTimePeriod(parent, 1062, 1, read, true);
    EXPECT_TRUE(read.empty);
    EXPECT_EQ(read.minutes, 0);

    TTime start(90);
    DdxTimePeriod(parent, 1062, 0, start, false);
    TTime back(0);
    back.empty = true;
    DdxTimePeriod(parent, 1062, 0, back, true);
    EXPECT_FALSE(back.empty);
    EXPECT_EQ(back.minutes, 90);

    CRK2TimePeriodCtrl period;
    ASSERT_TRUE(period.Attach(parent, 1062));
    EXPECT_TRUE(period.SetLabel(0, L"From:", 0, 12));
    EXPECT_TRUE(period.SetLabel(1, L"To:", 0, 12));
}

TEST_F(RK2ControlsTest, DatePeriodLongEditAndColourPicker_roundTrip)
{
    ASSERT_NE(Make(RKCC2_CLASS_DATEPERIOD, 1015), nullptr);
    ASSERT_NE(Make(RKCC2_CLASS_LONGEDIT, 1020, 80), nullptr);
    ASSERT_NE(Make(RKCC2_CLASS_COLORPICKER, 1032, 60), nullptr);
    TDate day(TDate::FromYMD(5, 2026, 17));
    DdxDatePeriod(parent, 1015, 1, day, false);
    TDate read(TDate::kEmpty);
    DdxDatePeriod(parent, 1015, 1, read, true);
    EXPECT_EQ(static_cast<uint32_t>(read), TDate::FromYMD(5, 2026, 17));

    int value = 42;
    DdxLongEdit(parent, 1020, value, false);
    int back = 0;
    DdxLongEdit(parent, 1020, back, true);
    EXPECT_EQ(back, 42);
    CRK2LongEditCtrl edit;
    ASSERT_TRUE(edit.Attach(parent, 1020));
    edit.SetMax(10);
    EXPECT_EQ(edit.GetValue(), 10); // the limit applies when the value is read

    COLORREF colour = 0x123456;
    DdxColorPicker(parent, 1032, colour, false);
    COLORREF got = 0;
    DdxColorPicker(parent, 1032, got, true);
    EXPECT_EQ(got, 0x123456u);
    // A missing control changes nothing.
    int untouched = 7;
    DdxLongEdit(parent, 999, untouched, true);
    EXPECT_EQ(untouched, 7);
}

TEST_F(RK2ControlsTest, CheckList_countsCheckedItems)
{
    ASSERT_NE(Make(RKCC2_CLASS_CHECKLISTBOX, 1004, 200, 150), nullptr);
    CRK2CheckListBoxCtrl list;
    ASSERT_TRUE(list.Attach(parent, 1004));
    EXPECT_EQ(list.GetCheckedCount(), 0);
    list.AddString(L"a", true);
    list.AddString(L"b", false);
    const int c = list.AddString(L"c", true);
    list.SetItemData(c, 77);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetCheckedCount(), 2);
    EXPECT_EQ(list.GetItemData(c), 77);
    list.SetCheck(0, false);
    EXPECT_EQ(list.GetCheckedCount(), 1);
}

TEST_F(RK2ControlsTest, FontCombo_loadSelectsTheExactFaceOnlyAndOtherwiseNothing)
{
    ASSERT_NE(Make(RKCC2_CLASS_FONTCOMBOBOX, 1026, 200, 200), nullptr);
    CRK2FontComboBoxCtrl fonts;
    ASSERT_TRUE(fonts.Attach(parent, 1026));
    fonts.Send(RKCC2M_FONTCOMBO_FILL, 1);
    HWND inner = fonts.GetInnerCtrl();
    ASSERT_NE(inner, nullptr);
    const int count = static_cast<int>(SendMessageW(inner, CB_GETCOUNT, 0, 0));
    ASSERT_GT(count, 1);
    std::wstring last;
    DdxFontCombo(parent, 1026, last, true); // nothing selected: unchanged
    EXPECT_TRUE(last.empty());

    wchar_t face[LF_FACESIZE] = {};
    SendMessageW(inner, CB_GETLBTEXT, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(face));
    std::wstring upper(face);
    CharUpperW(upper.data());
    DdxFontCombo(parent, 1026, upper, false);
    std::wstring read;
    DdxFontCombo(parent, 1026, read, true);
    EXPECT_EQ(read, face); // letter case aside, the very face

    // A face that only begins like an installed one is not that one: no selection, and saving
    // keeps the name the dialog holds.
    std::wstring prefix = std::wstring(face).substr(0, wcslen(face) - 1);
    DdxFontCombo(parent, 1026, prefix, false);
    EXPECT_EQ(SendMessageW(inner, CB_GETCURSEL, 0, 0), CB_ERR);
    std::wstring kept = L"\x01No such face";
    DdxFontCombo(parent, 1026, kept, false);
    EXPECT_EQ(SendMessageW(inner, CB_GETCURSEL, 0, 0), CB_ERR);
    DdxFontCombo(parent, 1026, kept, true);
    EXPECT_EQ(kept, L"\x01No such face");
}

} // namespace
