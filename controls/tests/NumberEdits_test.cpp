// Whole-number and decimal edits through their messages.
#include "ControlTestEnv.h"

#include "RKComControls2.h"

#include <climits>
#include <cmath>
#include <limits>

using namespace testenv;

namespace {

class NumberEditTest : public ControlTest {
protected:
    HWND Long(DWORD style = 0) { return host.CreateControl(RKCC2_CLASS_LONGEDIT, style, 10); }
    HWND Double(DWORD style = 0) { return host.CreateControl(RKCC2_CLASS_DOUBLEEDIT, style, 11); }
    static int GetInt(HWND h, UINT msg)
    {
        int v = -999;
        SendMessageW(h, msg, 0, reinterpret_cast<LPARAM>(&v));
        return v;
    }
    static double GetDouble(HWND h, UINT msg)
    {
        double v = -999;
        SendMessageW(h, msg, 0, reinterpret_cast<LPARAM>(&v));
        return v;
    }
    static LRESULT SetInt(HWND h, UINT msg, int v) { return SendMessageW(h, msg, 0, reinterpret_cast<LPARAM>(&v)); }
    static LRESULT SetDouble(HWND h, UINT msg, double v)
    {
        return SendMessageW(h, msg, 0, reinterpret_cast<LPARAM>(&v));
    }
};

TEST_F(NumberEditTest, LongEdit_emptyWithMinimumBecomesTheLimitedStartValueOnLeaving)
{
    HWND edit = Long();
    ASSERT_TRUE(edit);
    EXPECT_EQ(SetInt(edit, RKCC2M_LONGEDIT_SETMIN, 1), 1);
    SetWindowTextW(InnerEdit(edit), L"");
    SetFocus(InnerEdit(edit));
    SetFocus(host.FocusSink());
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"1");
    EXPECT_EQ(GetInt(edit, RKCC2M_LONGEDIT_GETVALUE), 1);
}

TEST_F(NumberEditTest, LongEdit_limitsAreAppliedAndRemoved)
{
    HWND edit = Long();
    EXPECT_EQ(GetInt(edit, RKCC2M_LONGEDIT_GETMAX), INT_MAX);
    EXPECT_EQ(GetInt(edit, RKCC2M_LONGEDIT_GETMIN), INT_MIN);
    SetInt(edit, RKCC2M_LONGEDIT_SETMAX, 10);
    // An empty edit shows a number once a limit is set.
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"0");
    EXPECT_EQ(SetInt(edit, RKCC2M_LONGEDIT_SETVALUE, 50), 0);
    EXPECT_EQ(GetInt(edit, RKCC2M_LONGEDIT_GETVALUE), 10);
    SetInt(edit, RKCC2M_LONGEDIT_SETMAX, INT_MAX);
    EXPECT_EQ(GetInt(edit, RKCC2M_LONGEDIT_GETMAX), INT_MAX);
    SetInt(edit, RKCC2M_LONGEDIT_SETVALUE, 50);
    EXPECT_EQ(GetInt(edit, RKCC2M_LONGEDIT_GETVALUE), 50);
    SetInt(edit, RKCC2M_LONGEDIT_SETVALUE, -5);
    EXPECT_EQ(GetInt(edit, RKCC2M_LONGEDIT_GETVALUE), -5);
}

TEST_F(NumberEditTest, LongEdit_crossedLimitsLetTheMaximumWin)
{
    HWND edit = Long();
    SetInt(edit, RKCC2M_LONGEDIT_SETMIN, 20);
    SetInt(edit, RKCC2M_LONGEDIT_SETMAX, 10);
    SetInt(edit, RKCC2M_LONGEDIT_SETVALUE, 15);
    EXPECT_EQ(GetInt(edit, RKCC2M_LONGEDIT_GETVALUE), 10);
}

TEST_F(NumberEditTest, LongEdit_refusesMinusAndLettersAndRewritesTrailingJunk)
{
    HWND edit = Long();
    HWND inner = InnerEdit(edit);
    Type(inner, L"-4x2");
    EXPECT_EQ(TextOf(inner), L"42");
    SetFocus(inner);
    SetWindowTextW(inner, L"12abc");
    EXPECT_EQ(GetInt(edit, RKCC2M_LONGEDIT_GETRAWVALUE), 12);
    EXPECT_EQ(GetInt(edit, RKCC2M_LONGEDIT_GETVALUE), 12);
    EXPECT_EQ(TextOf(inner), L"12abc"); // reading never rewrites the text
    SetFocus(host.FocusSink());
    EXPECT_EQ(TextOf(inner), L"12"); // leaving the field does
}

TEST_F(NumberEditTest, LongEdit_stepsStartFromTheStartValueWhenEmpty)
{
    HWND edit = Long();
    SetInt(edit, RKCC2M_LONGEDIT_SETSTARTVALUE, 10);
    SetInt(edit, RKCC2M_LONGEDIT_SETSTEP, 5);
    EXPECT_EQ(GetInt(edit, RKCC2M_LONGEDIT_GETSTARTVALUE), 10);
    EXPECT_EQ(GetInt(edit, RKCC2M_LONGEDIT_GETSTEP), 5);
    Key(InnerEdit(edit), VK_UP);
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"15");
    Key(InnerEdit(edit), VK_DOWN);
    Key(InnerEdit(edit), VK_DOWN);
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"5");
}

TEST_F(NumberEditTest, LongEdit_allowEmptyFlagAndClear)
{
    HWND edit = Long(RKCC2S_ALLOWEMPTY);
    EXPECT_EQ(SendMessageW(edit, RKCC2M_LONGEDIT_GETALLOWEMPTY, 0, 0), 1);
    EXPECT_EQ(SendMessageW(edit, RKCC2M_LONGEDIT_SETALLOWEMPTY, 0, 0), 1); // the previous flag
    EXPECT_EQ(SendMessageW(edit, RKCC2M_LONGEDIT_SETALLOWEMPTY, 2, 0), 0);
    EXPECT_EQ(SendMessageW(edit, RKCC2M_LONGEDIT_GETALLOWEMPTY, 0, 0), 1); // any non-zero sets
    SetInt(edit, RKCC2M_LONGEDIT_SETVALUE, 3);
    host.Clear();
    EXPECT_EQ(SendMessageW(edit, RKCC2M_LONGEDIT_CLEAR, 0, 0), 1);
    EXPECT_EQ(SendMessageW(edit, RKCC2M_LONGEDIT_ISEMPTY, 0, 0), 1);
    EXPECT_GE(host.Count(RKCC2N_CHANGED, 10), 1);
    GetInt(edit, RKCC2M_LONGEDIT_GETVALUE);
    EXPECT_EQ(SendMessageW(edit, RKCC2M_LONGEDIT_ISEMPTY, 0, 0), 1); // empty is a legal value
}

TEST_F(NumberEditTest, LongEdit_changesAreReportedWithTheControlsId)
{
    HWND edit = Long();
    host.Clear();
    SetInt(edit, RKCC2M_LONGEDIT_SETVALUE, 7);
    ASSERT_GE(host.Count(RKCC2N_CHANGED, 10), 1);
    EXPECT_EQ(host.notifications.front().from, edit);
}

TEST_F(NumberEditTest, LongEdit_nullPointersAreRefused)
{
    HWND edit = Long();
    for (UINT msg = RKCC2M_LONGEDIT_SETVALUE; msg <= RKCC2M_LONGEDIT_GETRAWVALUE; ++msg) {
        if (msg == RKCC2M_LONGEDIT_SETALLOWEMPTY || msg == RKCC2M_LONGEDIT_GETALLOWEMPTY)
            continue;
        EXPECT_EQ(SendMessageW(edit, msg, 0, 0), -1) << msg - WM_USER;
    }
    EXPECT_TRUE(IsWindow(edit));
}

TEST_F(NumberEditTest, DoubleEdit_commaLocaleReadsAPointAndWritesAComma)
{
    UseLocale(kGerman);
    HWND edit = Double();
    HWND inner = InnerEdit(edit);
    SetFocus(inner);
    Type(inner, L"2.5");
    EXPECT_DOUBLE_EQ(GetDouble(edit, RKCC2M_DOUBLEEDIT_GETVALUE), 2.5);
    SetFocus(host.FocusSink()); // leaving the field writes the locale's form
    EXPECT_EQ(TextOf(inner), L"2,5");
    SetWindowTextW(inner, L"1.234.5");
    EXPECT_DOUBLE_EQ(GetDouble(edit, RKCC2M_DOUBLEEDIT_GETVALUE), 1.234);
}

TEST_F(NumberEditTest, DoubleEdit_defaultsAndNoLimits)
{
    HWND edit = Double();
    EXPECT_DOUBLE_EQ(GetDouble(edit, RKCC2M_DOUBLEEDIT_GETSTEP), 0.1);
    EXPECT_DOUBLE_EQ(GetDouble(edit, RKCC2M_DOUBLEEDIT_GETMAX), 1.7e308);
    EXPECT_DOUBLE_EQ(GetDouble(edit, RKCC2M_DOUBLEEDIT_GETMIN), -1.7e308);
    EXPECT_EQ(SetDouble(edit, RKCC2M_DOUBLEEDIT_SETMIN, 0.5), 0);
    EXPECT_DOUBLE_EQ(GetDouble(edit, RKCC2M_DOUBLEEDIT_GETMIN), 0.5);
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"0.5");
    Key(InnerEdit(edit), VK_UP);
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"0.6");
    SetDouble(edit, RKCC2M_DOUBLEEDIT_SETMIN, -1.7e308);
    EXPECT_DOUBLE_EQ(GetDouble(edit, RKCC2M_DOUBLEEDIT_GETMIN), -1.7e308);
}

TEST_F(NumberEditTest, DoubleEdit_refusesInfinityAndNaN)
{
    HWND edit = Double();
    HWND inner = InnerEdit(edit);
    SetDouble(edit, RKCC2M_DOUBLEEDIT_SETVALUE, 2.5);
    const double inf = std::numeric_limits<double>::infinity();
    for (UINT msg : {RKCC2M_DOUBLEEDIT_SETVALUE, RKCC2M_DOUBLEEDIT_SETMAX, RKCC2M_DOUBLEEDIT_SETMIN,
                     RKCC2M_DOUBLEEDIT_SETSTEP, RKCC2M_DOUBLEEDIT_SETSTARTVALUE}) {
        for (double bad : {inf, -inf, std::numeric_limits<double>::quiet_NaN()})
            EXPECT_EQ(SetDouble(edit, msg, bad), -1) << msg - WM_USER;
    }
    EXPECT_EQ(TextOf(inner), L"2.5");
    EXPECT_DOUBLE_EQ(GetDouble(edit, RKCC2M_DOUBLEEDIT_GETMAX), 1.7e308);
    EXPECT_DOUBLE_EQ(GetDouble(edit, RKCC2M_DOUBLEEDIT_GETMIN), -1.7e308);
    EXPECT_DOUBLE_EQ(GetDouble(edit, RKCC2M_DOUBLEEDIT_GETSTEP), 0.1);
    EXPECT_DOUBLE_EQ(GetDouble(edit, RKCC2M_DOUBLEEDIT_GETSTARTVALUE), 0.0);
    for (const wchar_t* pasted : {L"inf", L"nan", L"-infinity", L"1e999"}) {
        SetWindowTextW(inner, pasted);
        EXPECT_EQ(GetDouble(edit, RKCC2M_DOUBLEEDIT_GETVALUE), 0.0) << TextOf(inner);
        EXPECT_EQ(GetDouble(edit, RKCC2M_DOUBLEEDIT_GETRAWVALUE), 0.0) << TextOf(inner);
    }
    SetDouble(edit, RKCC2M_DOUBLEEDIT_SETSTEP, 1e308);
    SetDouble(edit, RKCC2M_DOUBLEEDIT_SETVALUE, 1.7e308);
    Key(inner, VK_UP); // past the largest double: the step is not taken
    EXPECT_TRUE(std::isfinite(GetDouble(edit, RKCC2M_DOUBLEEDIT_GETRAWVALUE)));
}

TEST_F(NumberEditTest, DoubleEdit_allowEmptyOnlyForExactlyOne)
{
    HWND edit = Double();
    EXPECT_EQ(SendMessageW(edit, RKCC2M_DOUBLEEDIT_SETALLOWEMPTY, 1, 0), 0);
    EXPECT_EQ(SendMessageW(edit, RKCC2M_DOUBLEEDIT_GETALLOWEMPTY, 0, 0), 1);
    EXPECT_EQ(SendMessageW(edit, RKCC2M_DOUBLEEDIT_SETALLOWEMPTY, 2, 0), 1);
    EXPECT_EQ(SendMessageW(edit, RKCC2M_DOUBLEEDIT_GETALLOWEMPTY, 0, 0), 0);
}

TEST_F(NumberEditTest, DoubleEdit_nullPointerAnswersMinusOneWithoutCommitting)
{
    HWND edit = Double();
    SetDouble(edit, RKCC2M_DOUBLEEDIT_SETMAX, 3.0);
    SetWindowTextW(InnerEdit(edit), L"9");
    EXPECT_EQ(SendMessageW(edit, RKCC2M_DOUBLEEDIT_GETVALUE, 0, 0), -1);
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"9");
    EXPECT_DOUBLE_EQ(GetDouble(edit, RKCC2M_DOUBLEEDIT_GETVALUE), 3.0);
}

int gCalls = 0;
int gLastId = 0;
int gLastUser = 0;
void __cdecl OnDropDown(int id, int user)
{
    ++gCalls;
    gLastId = id;
    gLastUser = user;
}

TEST_F(NumberEditTest, SetButton_callsBackOnKeysAndOnAReleaseOverTheZone)
{
    HWND edit = Long();
    RKCC2DropDownButton none{nullptr, nullptr, 0};
    EXPECT_EQ(SendMessageW(edit, RKCC2M_LONGEDIT_SETBUTTON, 0, reinterpret_cast<LPARAM>(&none)), -1);
    EXPECT_EQ(SendMessageW(edit, RKCC2M_LONGEDIT_SETBUTTON, 0, 0), -1);
    RKCC2DropDownButton button{&OnDropDown, nullptr, 77};
    EXPECT_EQ(SendMessageW(edit, RKCC2M_LONGEDIT_SETBUTTON, 0, reinterpret_cast<LPARAM>(&button)), 0);
    gCalls = 0;
    Key(InnerEdit(edit), VK_F5);
    Key(InnerEdit(edit), VK_F9);
    SendMessageW(InnerEdit(edit), WM_SYSKEYDOWN, VK_DOWN, KF_ALTDOWN << 16);
    EXPECT_EQ(gCalls, 3);
    EXPECT_EQ(gLastId, 10);
    EXPECT_EQ(gLastUser, 77);

    HWND spin = GetDlgItem(GetDlgItem(edit, 100), 2);
    RECT rc{};
    GetClientRect(spin, &rc);
    EXPECT_EQ(rc.right, 15 + 25);
    gCalls = 0;
    SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 5));
    SendMessageW(spin, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 200)); // off the zone
    SendMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(30, 200));
    Pump();
    EXPECT_EQ(gCalls, 0);
    SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 5));
    SendMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(30, 5));
    EXPECT_EQ(gCalls, 0); // posted: runs after the capture is released
    Pump();
    EXPECT_EQ(gCalls, 1);
}

} // namespace
