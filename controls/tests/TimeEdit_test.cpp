// The time edit through its messages.
#include "ControlTestEnv.h"

#include "RKComControls2.h"

#include "Library.h"

using namespace testenv;

namespace {

class TimeEditTest : public ControlTest {
protected:
    HWND Make(DWORD style = 0) { return host.CreateControl(RKCC2_CLASS_TIMEEDIT, style, 20); }
    static int Get(HWND h, UINT msg)
    {
        int v = -999;
        SendMessageW(h, msg, 0, reinterpret_cast<LPARAM>(&v));
        return v;
    }
    static LRESULT Set(HWND h, UINT msg, int v) { return SendMessageW(h, msg, 0, reinterpret_cast<LPARAM>(&v)); }
};

TEST_F(TimeEditTest, SetTime_negativeEmptiesAndLargeValuesWrap)
{
    HWND edit = Make();
    EXPECT_EQ(Set(edit, RKCC2M_TIMEEDIT_SETTIME, 1500), 1);
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"1:00 AM");
    EXPECT_EQ(Get(edit, RKCC2M_TIMEEDIT_GETRAWTIME), 60);
    Set(edit, RKCC2M_TIMEEDIT_SETTIME, -1);
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"");
    EXPECT_EQ(SendMessageW(edit, RKCC2M_TIMEEDIT_ISEMPTY, 0, 0), 1);
    EXPECT_EQ(Get(edit, RKCC2M_TIMEEDIT_GETRAWTIME), -1);
}

TEST_F(TimeEditTest, GetTime_emptyWithoutAllowEmptyBecomesNoon)
{
    HWND edit = Make();
    EXPECT_EQ(Get(edit, RKCC2M_TIMEEDIT_GETTIME), 720);
    HWND allowing = host.CreateControl(RKCC2_CLASS_TIMEEDIT, RKCC2S_ALLOWEMPTY, 21, {0, 30, 200, 54});
    EXPECT_EQ(SendMessageW(allowing, RKCC2M_TIMEEDIT_GETALLOWEMPTY, 0, 0), 1);
    EXPECT_EQ(Get(allowing, RKCC2M_TIMEEDIT_GETTIME), -1);
}

TEST_F(TimeEditTest, LosingTheFocus_limitsTheTypedTime)
{
    HWND edit = Make();
    Set(edit, RKCC2M_TIMEEDIT_SETMIN, 8 * 60);
    Set(edit, RKCC2M_TIMEEDIT_SETMAX, 17 * 60);
    EXPECT_EQ(Get(edit, RKCC2M_TIMEEDIT_GETMIN), 480);
    EXPECT_EQ(Get(edit, RKCC2M_TIMEEDIT_GETMAX), 1020);
    SetFocus(InnerEdit(edit));
    SetWindowTextW(InnerEdit(edit), L"7:15 PM");
    SetFocus(host.FocusSink());
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"5:00 PM");
    Set(edit, RKCC2M_TIMEEDIT_SETMAX, -1);
    EXPECT_EQ(Get(edit, RKCC2M_TIMEEDIT_GETMAX), -1);
}

TEST_F(TimeEditTest, Steps_wrapAndFollowTheStepMessage)
{
    HWND edit = Make();
    Set(edit, RKCC2M_TIMEEDIT_SETTIME, 10);
    Key(InnerEdit(edit), VK_DOWN);
    EXPECT_EQ(Get(edit, RKCC2M_TIMEEDIT_GETRAWTIME), 23 * 60 + 55);
    Key(InnerEdit(edit), VK_UP);
    Key(InnerEdit(edit), VK_UP);
    EXPECT_EQ(Get(edit, RKCC2M_TIMEEDIT_GETRAWTIME), 25);
    EXPECT_EQ(SendMessageW(edit, RKCC2M_TIMEEDIT_SETSTEP, static_cast<WPARAM>(-15), 0), 1);
    EXPECT_EQ(Get(edit, RKCC2M_TIMEEDIT_GETSTEP), 1425);
    SendMessageW(edit, RKCC2M_TIMEEDIT_SETSTEP, 60, 0);
    Set(edit, RKCC2M_TIMEEDIT_SETTIME, -1);
    Key(InnerEdit(edit), VK_UP); // from the empty value 12:00
    EXPECT_EQ(Get(edit, RKCC2M_TIMEEDIT_GETRAWTIME), 13 * 60);
}

TEST_F(TimeEditTest, Format_followsTheLibraryPictureAtTheNextWrite)
{
    HWND edit = Make();
    Set(edit, RKCC2M_TIMEEDIT_SETTIME, 9 * 60 + 5);
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"9:05 AM");
    rkcc2_settimeformat(L"HH'h'mm");
    Set(edit, RKCC2M_TIMEEDIT_SETTIME, 9 * 60 + 5);
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"09h05");
    rkcc2_settimeformat(nullptr);
    UseLocale(kGerman);
    Set(edit, RKCC2M_TIMEEDIT_SETTIME, 21 * 60);
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"21:00");
}

TEST_F(TimeEditTest, EveryWrite_isReported)
{
    HWND edit = Make();
    host.Clear();
    Set(edit, RKCC2M_TIMEEDIT_SETTIME, 100);
    EXPECT_GE(host.Count(RKCC2N_CHANGED, 20), 1);
}

TEST_F(TimeEditTest, NullPointers_areRefused)
{
    HWND edit = Make();
    for (UINT msg : {RKCC2M_TIMEEDIT_SETTIME, RKCC2M_TIMEEDIT_GETTIME, RKCC2M_TIMEEDIT_SETMAX, RKCC2M_TIMEEDIT_GETMAX,
                     RKCC2M_TIMEEDIT_SETMIN, RKCC2M_TIMEEDIT_GETMIN, RKCC2M_TIMEEDIT_GETSTEP,
                     RKCC2M_TIMEEDIT_GETRAWTIME})
        EXPECT_EQ(SendMessageW(edit, msg, 0, 0), -1) << msg - WM_USER;
}

} // namespace
