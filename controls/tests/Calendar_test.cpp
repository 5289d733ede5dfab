// The month calendar window through its messages, keys and mouse.
#include "ControlTestEnv.h"

#include "RKComControls2.h"
#include "calendar/CalendarLayout.h"

#include <utility>

using namespace testenv;

namespace {

uint32_t D(unsigned y, unsigned m, unsigned d)
{
    return TDate::FromYMD(m, y, d);
}

class CalendarTest : public ControlTest {
protected:
    HWND Make()
    {
        HWND probe = host.CreateControl(RKCC2_CLASS_CALENDAR, 0, 40, {0, 0, 10, 10});
        int size[2] = {0, 0};
        SendMessageW(probe, RKCC2M_CALENDAR_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(size));
        DestroyWindow(probe);
        ideal = {size[0], size[1]};
        return host.CreateControl(RKCC2_CLASS_CALENDAR, 0, 40, {0, 0, size[0], size[1]});
    }
    SIZE ideal{};
};

TEST_F(CalendarTest, Messages_refuseBadIndexesAndValues)
{
    HWND cal = Make();
    ASSERT_TRUE(cal);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETCOLOR, 33, 0), -1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETCOLOR, 33, 0), -1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETCOLOR, 22, RGB(1, 2, 3)), 1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETCOLOR, 22, 0), RGB(1, 2, 3));
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETBOLD, 10, 1), -1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETBOLD, 0, 0), 1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETBOLD, 2, 0), 0);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETINT, 5, 1), -1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETINT, 0, 0), 500);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETTEXTLENGTH, 4, 1), -1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETTEXTLENGTH, 3, 0), 2);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETMARKSTYLE, 2, 1), -1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETMARKSTYLE, 0, 0), 1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETMARKSTYLE, 1, 0), 2);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETMONTHSACROSS, 0, 0), -1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETMONTHSDOWN, static_cast<WPARAM>(-1), 0), -1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETHALIGN, 3, 0), -1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETLINESTYLE, 1, 6), -1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETLINESTYLE, 2, 1), -1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETLINESTYLE, 1, 0), 4);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETDATE, 0, 0), -1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETDATE, 0, 1), -1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETFIRSTMONTH, 0, 1), -1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETDATE, 0, 0x7FFFFFFF), -1);
    for (UINT msg : {RKCC2M_CALENDAR_GETSELECTION, RKCC2M_CALENDAR_GETVISIBLERANGE, RKCC2M_CALENDAR_GETIDEALSIZE,
                     RKCC2M_CALENDAR_SETDAYCALLBACK, RKCC2M_CALENDAR_SETHEADERCALLBACK})
        EXPECT_EQ(SendMessageW(cal, msg, 0, 0), -1) << msg - WM_USER;
}

TEST_F(CalendarTest, NegativeSizeOptions_countAsZero)
{
    HWND cal = Make();
    SendMessageW(cal, RKCC2M_CALENDAR_SETMONTHSACROSS, 2, 0);
    SendMessageW(cal, RKCC2M_CALENDAR_SETMONTHSDOWN, 2, 0);
    auto idealWith = [cal](int value) {
        for (WPARAM i = 0; i < 5; ++i)
            EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETINT, i, value), 1);
        int size[2] = {-1, -1};
        SendMessageW(cal, RKCC2M_CALENDAR_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(size));
        return std::make_pair(size[0], size[1]);
    };
    const auto zero = idealWith(0);
    EXPECT_EQ(idealWith(-400), zero); // gaps that would make the months overlap
    for (WPARAM i = 0; i < 5; ++i)
        EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETINT, i, 0), 0) << i;
}

TEST_F(CalendarTest, Buttons_zeroSetsAllButCannotBeAsked)
{
    HWND cal = Make();
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETBUTTONS, 0, 0), 1);
    for (WPARAM b = 1; b <= 3; ++b)
        EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETBUTTONS, b, 0), 0);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETBUTTONS, 0, 0), -1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETBUTTONS, 1, 1), 1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETBUTTONS, 1, 0), 1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETBUTTONS, 4, 1), -1);
}

TEST_F(CalendarTest, SetWeekNumbers_answersThePreviousValue)
{
    HWND cal = Make();
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETWEEKNUMBERS, 0, 0), 1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETWEEKNUMBERS, 0, 1), 0);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETWEEKNUMBERS, 0, 0), 1);
}

TEST_F(CalendarTest, SetDate_selectsAndReports)
{
    HWND cal = Make();
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETDATE, 0, 0), static_cast<LRESULT>(kToday));
    host.Clear();
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETDATE, 0, D(2026, 8, 3)), 1);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETDATE, 0, 0), static_cast<LRESULT>(D(2026, 8, 3)));
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETFIRSTMONTH, 0, 0), static_cast<LRESULT>(D(2026, 8, 1)));
    EXPECT_EQ(host.Count(RKCC2N_CAL_VIEWCHANGED, 40), 1);
    EXPECT_EQ(host.Count(RKCC2N_CAL_DATECHANGED, 40), 1);
    SendMessageW(cal, RKCC2M_CALENDAR_SETSELECTABLE, 0, 0);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETDATE, 0, 0), 0);
}

TEST_F(CalendarTest, Keys_moveTheSelectionAndNotify)
{
    HWND cal = Make();
    EXPECT_EQ(SendMessageW(cal, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
    host.Clear();
    Key(cal, VK_RIGHT);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETDATE, 0, 0), static_cast<LRESULT>(kToday + 1));
    Key(cal, VK_UP);
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETDATE, 0, 0), static_cast<LRESULT>(kToday - 6));
    Key(cal, VK_RETURN);
    Key(cal, VK_SPACE);
    Key(cal, VK_F7);
    EXPECT_EQ(host.Count(RKCC2N_CAL_DATECHANGED), 2);
    EXPECT_EQ(host.Count(RKCC2N_CAL_PICKENTER), 1);
    EXPECT_EQ(host.Count(RKCC2N_CAL_PICKSPACE), 1);
    EXPECT_EQ(host.Count(RKCC2N_CAL_YEAR), 1);
    CalendarSelection sel{};
    SendMessageW(cal, RKCC2M_CALENDAR_GETSELECTION, 0, reinterpret_cast<LPARAM>(&sel));
    EXPECT_EQ(sel.kind, kCalHitButton);
    EXPECT_EQ(sel.detail, 2);
    EXPECT_EQ(sel.day, static_cast<int>(kToday - 6));
}

TEST_F(CalendarTest, ArrowButtons_stepTheYearInYearViewAndTheMonthInMonthView)
{
    HWND cal = Make();
    HWND prev = GetDlgItem(cal, 100);
    HWND next = GetDlgItem(cal, 101);
    ASSERT_TRUE(prev && next);
    EXPECT_TRUE(GetWindowLongPtrW(prev, GWL_STYLE) & WS_VISIBLE);
    SendMessageW(prev, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(prev, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETFIRSTMONTH, 0, 0), static_cast<LRESULT>(D(2025, 5, 1)));
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETDATE, 0, 0), static_cast<LRESULT>(D(2025, 5, 17)));
    EXPECT_EQ(GetFocus(), cal);
    SendMessageW(cal, RKCC2M_CALENDAR_SETYEARVIEW, 0, 0);
    SendMessageW(cal, RKCC2M_CALENDAR_UPDATE, 0, 0);
    SendMessageW(next, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(next, WM_TIMER, 101, 0);
    SendMessageW(next, WM_TIMER, 102, 0); // held: repeats
    SendMessageW(next, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETFIRSTMONTH, 0, 0), static_cast<LRESULT>(D(2025, 7, 1)));
    SendMessageW(cal, RKCC2M_CALENDAR_SETARROWS, 0, 0);
    SendMessageW(cal, RKCC2M_CALENDAR_UPDATE, 0, 0);
    EXPECT_FALSE(GetWindowLongPtrW(prev, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(CalendarTest, Mouse_clickOnADaySelectsItAndReportsTheHit)
{
    HWND cal = Make();
    // The window lays itself out as the geometry functions do for its font and size.
    rkcc::CalendarTexts texts = rkcc::LoadCalendarTexts();
    struct : rkcc::ICalendarEvents {
        void Notify(WORD) override {}
        void RepaintAll() override {}
        void RepaintDays(uint32_t, uint32_t) override {}
    } quiet;
    rkcc::CCalendarModel model(quiet, texts);
    HDC dc = GetDC(cal);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(cal, dc);
    rkcc::CalendarMetrics metrics{tm.tmAveCharWidth, tm.tmHeight, 0};
    rkcc::CalendarGeometry g;
    rkcc::LayOutCalendar(model, metrics, {0, 0, ideal.cx, ideal.cy}, g);
    ASSERT_EQ(g.ideal.cx, ideal.cx);
    const RECT& grid = g.blocks[0].grid;
    // US English weeks start on Sunday: 17 May 2026 is row 3, column 0 (May starts on a Friday).
    const int x = grid.left + g.cellWidth / 2;
    const int y = grid.top + 3 * g.cellHeight + g.cellHeight / 2;
    host.Clear();
    SendMessageW(cal, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y + g.cellHeight));
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_GETDATE, 0, 0), static_cast<LRESULT>(D(2026, 5, 24)));
    EXPECT_EQ(host.Count(RKCC2N_CAL_SELECTION, 40), 1);
    EXPECT_EQ(host.Count(RKCC2N_CAL_CLICK, 40), 1);
    CalendarSelection sel{};
    SendMessageW(cal, RKCC2M_CALENDAR_GETSELECTION, 0, reinterpret_cast<LPARAM>(&sel));
    EXPECT_EQ(sel.kind, kCalHitDay);
    EXPECT_EQ(sel.day, static_cast<int>(D(2026, 5, 24)));
    SendMessageW(cal, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    EXPECT_EQ(host.Count(RKCC2N_CAL_DBLCLK, 40), 1);
    SendMessageW(cal, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
    EXPECT_EQ(host.Count(RKCC2N_CAL_CANCEL, 40), 1);
    SendMessageW(cal, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1)); // empty space: only the click
    EXPECT_EQ(host.Count(RKCC2N_CAL_CLICK, 40), 2);
}

TEST_F(CalendarTest, SmallWindow_shrinksTheFontToFit)
{
    HWND cal = Make();
    SetWindowPos(cal, nullptr, 0, 0, ideal.cx * 2 / 3, ideal.cy * 2 / 3, SWP_NOZORDER);
    SetWindowPos(cal, nullptr, 0, 0, 20, 20, SWP_NOZORDER); // down to the smallest font
    SendMessageW(cal, RKCC2M_CALENDAR_UPDATE, 0, 0);
    UpdateWindow(cal);
    int size[2] = {0, 0};
    SendMessageW(cal, RKCC2M_CALENDAR_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(size));
    EXPECT_EQ(size[0], ideal.cx); // the ideal size never shrinks the font
}

TEST_F(CalendarTest, OwnFont_isCopied)
{
    HWND cal = Make();
    HFONT font = CreateFontW(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    EXPECT_EQ(SendMessageW(cal, RKCC2M_CALENDAR_SETFONT, reinterpret_cast<WPARAM>(font), 0), 1);
    DeleteObject(font); // the calendar keeps its own copy
    int size[2] = {0, 0};
    SendMessageW(cal, RKCC2M_CALENDAR_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(size));
    EXPECT_GT(size[1], ideal.cy);
    SendMessageW(cal, RKCC2M_CALENDAR_UPDATE, 0, 0);
    UpdateWindow(cal);
}

} // namespace
