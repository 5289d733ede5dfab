// The date edit: typed dates, limits, the library's minimum and format, and the drop-down calendar.
#include "ControlTestEnv.h"

#include "RKComControls2.h"
#include "edit/CalendarDlg.h"

#include "TDate.h"

#include <functional>

using namespace testenv;

namespace {

int D(unsigned y, unsigned m, unsigned d)
{
    return static_cast<int>(TDate::FromYMD(m, y, d));
}

int Get(HWND h, UINT msg)
{
    int v = -999;
    SendMessageW(h, msg, 0, reinterpret_cast<LPARAM>(&v));
    return v;
}

LRESULT Set(HWND h, UINT msg, int v)
{
    return SendMessageW(h, msg, 0, reinterpret_cast<LPARAM>(&v));
}

bool IsCalendarDialog(HWND hwnd)
{
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    return std::wstring(name) == L"#32770" && GetDlgItem(hwnd, 2001);
}

using Stage = std::function<void(HWND dialog, HWND calendar)>;

class DateEditTest : public ControlTest {
protected:
    HWND Make(DWORD style = 0, int id = 50, RECT rect = {0, 0, 200, 24})
    {
        return host.CreateControl(RKCC2_CLASS_DATEEDIT, style, id, rect);
    }
    // Opens the drop-down with F5 and runs the stages; answers how many ran while it was open.
    size_t DropDown(HWND inner, std::vector<Stage> stages)
    {
        std::vector<ModalStage> modal;
        for (Stage& stage : stages)
            modal.push_back([stage](HWND dialog) { stage(dialog, GetDlgItem(dialog, 2001)); });
        return RunWithModal([inner] { Key(inner, VK_F5); }, std::move(modal), &IsCalendarDialog);
    }
};

TEST_F(DateEditTest, StandardMinimum_appliesToEditsMadeAfterIt)
{
    HWND before = Make();
    EXPECT_EQ(Get(before, RKCC2M_DATEEDIT_GETMIN), 2305814); // 1 January 1601
    rkcc2_setstdmindate(D(2020, 1, 1));
    HWND after = Make(0, 51, {0, 30, 200, 54});
    EXPECT_EQ(Get(after, RKCC2M_DATEEDIT_GETMIN), D(2020, 1, 1));
    EXPECT_EQ(Get(before, RKCC2M_DATEEDIT_GETMIN), 2305814);
    SetFocus(InnerEdit(after));
    SetWindowTextW(InnerEdit(after), L"3/4/2019");
    SetFocus(host.FocusSink());
    EXPECT_EQ(Get(after, RKCC2M_DATEEDIT_GETRAWDATE), D(2020, 1, 1));
    rkcc2_setstdmindate(0);
    HWND none = Make(0, 52, {0, 60, 200, 84});
    SetWindowTextW(InnerEdit(none), L"3/4/1700");
    EXPECT_EQ(Get(none, RKCC2M_DATEEDIT_GETDATE), D(1700, 3, 4));
}

TEST_F(DateEditTest, UpInAnEmptyEdit_givesTomorrow)
{
    HWND edit = Make();
    Key(InnerEdit(edit), VK_UP);
    EXPECT_EQ(Get(edit, RKCC2M_DATEEDIT_GETRAWDATE), static_cast<int>(kToday + 1));
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"5/18/2026");
    Key(InnerEdit(edit), VK_DOWN);
    Key(InnerEdit(edit), VK_DOWN);
    EXPECT_EQ(Get(edit, RKCC2M_DATEEDIT_GETRAWDATE), static_cast<int>(kToday - 1));
}

TEST_F(DateEditTest, SetDateOne_emptiesAndGetDateFillsUnlessEmptyIsAllowed)
{
    HWND edit = Make();
    Set(edit, RKCC2M_DATEEDIT_SETDATE, D(2026, 2, 3));
    EXPECT_EQ(Set(edit, RKCC2M_DATEEDIT_SETDATE, 1), 1);
    EXPECT_EQ(SendMessageW(edit, RKCC2M_DATEEDIT_ISEMPTY, 0, 0), 1);
    EXPECT_EQ(Get(edit, RKCC2M_DATEEDIT_GETRAWDATE), 1);
    EXPECT_EQ(Get(edit, RKCC2M_DATEEDIT_GETDATE), static_cast<int>(kToday));
    SendMessageW(edit, RKCC2M_DATEEDIT_SETALLOWEMPTY, 1, 0);
    EXPECT_EQ(SendMessageW(edit, RKCC2M_DATEEDIT_GETALLOWEMPTY, 0, 0), 1);
    Set(edit, RKCC2M_DATEEDIT_SETDATE, 1);
    EXPECT_EQ(Get(edit, RKCC2M_DATEEDIT_GETDATE), 1);
}

TEST_F(DateEditTest, Limits_clampAndFillAnEmptyEditWithTheMinimum)
{
    HWND edit = Make();
    EXPECT_EQ(Get(edit, RKCC2M_DATEEDIT_GETMAX), static_cast<int>(kToday)); // stored, though off
    Set(edit, RKCC2M_DATEEDIT_SETMIN, D(2026, 6, 1));
    EXPECT_EQ(Get(edit, RKCC2M_DATEEDIT_GETRAWDATE), D(2026, 6, 1));
    Set(edit, RKCC2M_DATEEDIT_SETMAX, D(2026, 6, 30));
    Set(edit, RKCC2M_DATEEDIT_SETDATE, D(2026, 9, 9));
    EXPECT_EQ(Get(edit, RKCC2M_DATEEDIT_GETRAWDATE), D(2026, 9, 9)); // no clamping until the commit
    EXPECT_EQ(Get(edit, RKCC2M_DATEEDIT_GETDATE), D(2026, 6, 30));
    Set(edit, RKCC2M_DATEEDIT_SETMAX, 1);
    EXPECT_EQ(Get(edit, RKCC2M_DATEEDIT_GETMAX), 1);
    Set(edit, RKCC2M_DATEEDIT_SETDATE, D(2026, 9, 9));
    EXPECT_EQ(Get(edit, RKCC2M_DATEEDIT_GETDATE), D(2026, 9, 9));
}

TEST_F(DateEditTest, BadInput_isRefusedOrReplaced)
{
    HWND edit = Make();
    EXPECT_EQ(Set(edit, RKCC2M_DATEEDIT_SETDATE, 0), -1);
    EXPECT_EQ(Set(edit, RKCC2M_DATEEDIT_SETDATE, 0x7FFFFFFF), -1);
    EXPECT_EQ(Set(edit, RKCC2M_DATEEDIT_SETMIN, -5), -1);
    for (UINT msg : {RKCC2M_DATEEDIT_SETDATE, RKCC2M_DATEEDIT_GETDATE, RKCC2M_DATEEDIT_SETMAX, RKCC2M_DATEEDIT_GETMAX,
                     RKCC2M_DATEEDIT_SETMIN, RKCC2M_DATEEDIT_GETMIN, RKCC2M_DATEEDIT_GETRAWDATE})
        EXPECT_EQ(SendMessageW(edit, msg, 0, 0), -1) << msg - WM_USER;
    Type(InnerEdit(edit), L"ab1/2x");
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"1/2");
    SetWindowTextW(InnerEdit(edit), L"99/99/2026");
    EXPECT_EQ(Get(edit, RKCC2M_DATEEDIT_GETDATE), static_cast<int>(kToday)); // unreadable: today
}

TEST_F(DateEditTest, Format_followsTheLibraryPictureAndFallsBackToTheLocale)
{
    HWND edit = Make();
    rkcc2_setdateformat(L"yyyy-MM-dd");
    Set(edit, RKCC2M_DATEEDIT_SETDATE, D(2026, 2, 3));
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"2026-02-03");
    rkcc2_setdateformat(nullptr);
    Set(edit, RKCC2M_DATEEDIT_SETDATE, D(2026, 2, 3));
    EXPECT_EQ(TextOf(InnerEdit(edit)), L"2/3/2026");
    rkcc2_setdateformat(L"");
    UseLocale(kGerman);
    Set(edit, RKCC2M_DATEEDIT_SETDATE, D(2026, 2, 3));
    wchar_t shortDate[64] = {};
    TDate(static_cast<uint32_t>(D(2026, 2, 3))).Format(shortDate, 64, DATE_SHORTDATE, nullptr);
    EXPECT_EQ(TextOf(InnerEdit(edit)), shortDate);
    EXPECT_EQ(TextOf(InnerEdit(edit)).find(L'/'), std::wstring::npos);
}

TEST_F(DateEditTest, DropDown_enterTakesTheCalendarsDate)
{
    HWND edit = Make();
    Set(edit, RKCC2M_DATEEDIT_SETDATE, D(2026, 3, 10));
    SetFocus(InnerEdit(edit));
    int weekNumbers = -1;
    int buttons[3] = {};
    const size_t run = DropDown(InnerEdit(edit), {[&](HWND, HWND cal) {
                                         EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETDATE, 0, 0), D(2026, 3, 10));
                                         weekNumbers = static_cast<int>(
                                             SendMessageW(cal, RKCC2M_CALENDAR_GETWEEKNUMBERS, 0, 0));
                                         for (int b = 0; b < 3; ++b)
                                             buttons[b] = static_cast<int>(
                                                 SendMessageW(cal, RKCC2M_CALENDAR_GETBUTTONS, b + 1, 0));
                                         Key(cal, VK_RIGHT);
                                         // A single edit cannot take a month: the calendar stays open.
                                         Key(cal, VK_F6);
                                     },
                                     // Enter as the user presses it: through the dialog's message loop.
                                     [&](HWND, HWND cal) { PostMessageW(cal, WM_KEYDOWN, VK_RETURN, 1); },
                                     [&](HWND, HWND) { ADD_FAILURE() << "Enter left the calendar open"; }});
    EXPECT_EQ(run, 2u);
    EXPECT_EQ(Get(edit, RKCC2M_DATEEDIT_GETRAWDATE), D(2026, 3, 11));
    EXPECT_EQ(weekNumbers, 1); // shown until rkcc2_setoption(1, 1) says otherwise
    EXPECT_EQ(buttons[0], 1);
    EXPECT_EQ(buttons[1], 0);
    EXPECT_EQ(buttons[2], 0);
    EXPECT_EQ(GetFocus(), InnerEdit(edit));
}

TEST_F(DateEditTest, DropDown_followsTheWeekNumberOptionAndCancelKeepsTheDate)
{
    const unsigned char off = 0;
    rkcc2_setoption(1, 1, &off);
    HWND edit = Make();
    Set(edit, RKCC2M_DATEEDIT_SETDATE, D(2026, 3, 10));
    int weekNumbers = -1;
    const size_t run = DropDown(InnerEdit(edit), {[&](HWND, HWND cal) {
                                         weekNumbers = static_cast<int>(
                                             SendMessageW(cal, RKCC2M_CALENDAR_GETWEEKNUMBERS, 0, 0));
                                         Key(cal, VK_RIGHT);
                                         SendMessageW(cal, WM_RBUTTONDOWN, 0, 0); // right button: cancel
                                     },
                                     [&](HWND, HWND) { ADD_FAILURE() << "the calendar stayed open"; }});
    EXPECT_EQ(run, 1u);
    EXPECT_EQ(weekNumbers, 0);
    EXPECT_EQ(Get(edit, RKCC2M_DATEEDIT_GETRAWDATE), D(2026, 3, 10));
}

TEST_F(DateEditTest, DropDown_inAPeriodMonthAndYearFillBothEndsWithinTheOpenersLimits)
{
    HWND period = host.CreateControl(RKCC2_CLASS_DATEPERIOD, 0, 70, {0, 0, 300, 60});
    int first = D(2026, 5, 20);
    int last = D(2026, 5, 25);
    SendMessageW(period, RKCC2M_DATEPERIOD_SETDATE, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageW(period, RKCC2M_DATEPERIOD_SETDATE, 1, reinterpret_cast<LPARAM>(&last));
    int minimum = D(2026, 5, 10);
    SendMessageW(period, RKCC2M_DATEPERIOD_SETMIN, 0, reinterpret_cast<LPARAM>(&minimum));
    int buttons = -1;
    const size_t run = DropDown(InnerEdit(period, 100), {[&](HWND, HWND cal) {
                                    buttons = static_cast<int>(SendMessageW(cal, RKCC2M_CALENDAR_GETBUTTONS, 3, 0));
                                    Key(cal, VK_F6);
                                },
                                [&](HWND, HWND) { ADD_FAILURE() << "the calendar stayed open"; }});
    EXPECT_EQ(run, 1u);
    EXPECT_EQ(buttons, 1); // a period may pick whole months and years
    int start = 0;
    int end = 0;
    SendMessageW(period, RKCC2M_DATEPERIOD_GETRAWDATE, 0, reinterpret_cast<LPARAM>(&start));
    SendMessageW(period, RKCC2M_DATEPERIOD_GETRAWDATE, 1, reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, D(2026, 5, 10));
    EXPECT_EQ(end, D(2026, 5, 31));

    DropDown(InnerEdit(period, 101), {[&](HWND, HWND cal) { Key(cal, VK_F7); }});
    SendMessageW(period, RKCC2M_DATEPERIOD_GETRAWDATE, 0, reinterpret_cast<LPARAM>(&start));
    SendMessageW(period, RKCC2M_DATEPERIOD_GETRAWDATE, 1, reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, D(2026, 1, 1));
    EXPECT_EQ(end, D(2026, 12, 31));
}

TEST_F(DateEditTest, CalendarDialog_staysInsideTheWorkArea)
{
    const RECT wa{0, 0, 1000, 700};
    RECT r = rkcc::CCalendarDlg::KeepInside({900, 650, 1100, 850}, wa);
    EXPECT_EQ(r.right, 1000);
    EXPECT_EQ(r.bottom, 700); // near the bottom edge: moved up
    r = rkcc::CCalendarDlg::KeepInside({-50, 100, 150, 300}, wa);
    EXPECT_EQ(r.left, 0);
    r = rkcc::CCalendarDlg::KeepInside({10, -400, 210, -200}, wa);
    EXPECT_EQ(r.top, 0);
    r = rkcc::CCalendarDlg::KeepInside({10, 500, 210, 1500}, wa); // taller than the screen
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.bottom - r.top, 1000);
}

} // namespace
