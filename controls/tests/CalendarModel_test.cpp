// The month calendar's navigation, geometry, hit test, cell contents and painting, without a window.
#include "ControlTestEnv.h"

#include "calendar/CalendarLayout.h"
#include "calendar/CalendarPainter.h"

#include <algorithm>

using namespace rkcc;
using testenv::ControlTest;

namespace {

uint32_t D(unsigned y, unsigned m, unsigned d)
{
    return TDate::FromYMD(m, y, d);
}

class CRecorder : public ICalendarEvents {
public:
    void Notify(WORD code) override { codes.push_back(code); }
    void RepaintAll() override { ++fullRepaints; }
    void RepaintDays(uint32_t, uint32_t) override { ++partialRepaints; }
    std::vector<WORD> codes;
    int fullRepaints = 0;
    int partialRepaints = 0;
};

CalendarTexts MondayTexts()
{
    CalendarTexts t;
    t.firstDayOfWeek = 0;
    t.dayNames = {L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat", L"Sun"};
    for (int i = 0; i < 12; ++i) {
        t.monthNames[static_cast<size_t>(i)] = L"Month" + std::to_wstring(i + 1);
        t.monthAbbrevs[static_cast<size_t>(i)] = L"M" + std::to_wstring(i + 1);
    }
    return t;
}

class CalendarModelTest : public ControlTest {
protected:
    CRecorder events;
    CalendarTexts texts = MondayTexts();
    CCalendarModel model{events, texts}; // made after the base pinned the clock
    using Codes = std::vector<WORD>;
};

TEST_F(CalendarModelTest, Creation_showsTodaysMonthWithTodaySelected)
{
    EXPECT_EQ(model.FirstMonth(), D(2026, 5, 1));
    EXPECT_EQ(model.Selected(), testenv::kToday);
    EXPECT_EQ(model.lastHit.block, -1);
}

TEST_F(CalendarModelTest, PageDown_onJanuary31SelectsTheLastDayOfFebruary)
{
    model.SelectDay(D(2026, 1, 31));
    events.codes.clear();
    model.OnKey(VK_NEXT, false);
    EXPECT_EQ(model.Selected(), D(2026, 2, 28));
    EXPECT_EQ(events.codes, (Codes{RKCC2N_CAL_VIEWCHANGED, RKCC2N_CAL_DATECHANGED}));
    model.OnKey(VK_PRIOR, true); // Ctrl: a year back
    EXPECT_EQ(model.Selected(), D(2025, 2, 28));
}

TEST_F(CalendarModelTest, SelectDay_afterTheLastBlockMakesItsMonthTheLastBlock)
{
    model.options.across = 3;
    model.SetFirstMonth(D(2026, 1, 20));
    EXPECT_EQ(model.FirstMonth(), D(2026, 1, 1));
    EXPECT_EQ(model.Selected(), D(2026, 3, 17)); // moved into the view, day of month kept
    events.codes.clear();
    model.SelectDay(D(2026, 4, 10));
    EXPECT_EQ(model.FirstMonth(), D(2026, 2, 1));
    EXPECT_EQ(events.codes, (Codes{RKCC2N_CAL_VIEWCHANGED, RKCC2N_CAL_DATECHANGED}));
    EXPECT_GE(events.fullRepaints, 1);
}

TEST_F(CalendarModelTest, SelectDay_insideTheViewRepaintsOnlyTheBlocks)
{
    events.fullRepaints = 0;
    model.SelectDay(D(2026, 5, 3));
    EXPECT_EQ(events.fullRepaints, 0);
    EXPECT_EQ(events.partialRepaints, 1);
    EXPECT_EQ(events.codes, (Codes{RKCC2N_CAL_DATECHANGED}));
    model.SelectDay(D(2026, 5, 3)); // already selected: nothing
    EXPECT_EQ(events.codes.size(), 1u);
}

TEST_F(CalendarModelTest, StepView_movesTheSelectionIntoTheViewAndReportsBoth)
{
    model.options.yearView = false;
    model.SelectDay(D(2026, 5, 31));
    events.codes.clear();
    model.StepView(false);
    EXPECT_EQ(model.FirstMonth(), D(2026, 4, 1));
    EXPECT_EQ(model.Selected(), D(2026, 4, 30)); // clamped
    EXPECT_EQ(events.codes, (Codes{RKCC2N_CAL_VIEWCHANGED, RKCC2N_CAL_DATECHANGED}));
    model.options.yearView = true;
    model.StepView(true);
    EXPECT_EQ(model.FirstMonth(), D(2027, 4, 1));
    EXPECT_EQ(model.Selected(), D(2027, 4, 30));
}

TEST_F(CalendarModelTest, SelectionOff_arrowsDoNothingAndPagesStepTheView)
{
    model.options.selectable = false;
    model.OnKey(VK_LEFT, false);
    model.OnKey(VK_DOWN, false);
    EXPECT_TRUE(events.codes.empty());
    model.OnKey(VK_NEXT, false);
    EXPECT_EQ(model.FirstMonth(), D(2026, 6, 1));
    EXPECT_EQ(events.codes, (Codes{RKCC2N_CAL_VIEWCHANGED}));
    events.codes.clear();
    CalendarHit todayButton{kCalHitButton, 0, testenv::kToday, 0};
    model.OnLeftPress(todayButton);
    EXPECT_EQ(model.FirstMonth(), D(2026, 5, 1));
    EXPECT_EQ(events.codes, (Codes{RKCC2N_CAL_VIEWCHANGED, RKCC2N_CAL_TODAY}));
}

TEST_F(CalendarModelTest, ClickOnALeadingDay_selectsItAndScrollsTheView)
{
    CalendarHit hit{kCalHitDay, 0, D(2026, 4, 27), 0};
    model.OnLeftPress(hit);
    EXPECT_EQ(model.Selected(), D(2026, 4, 27));
    EXPECT_EQ(model.FirstMonth(), D(2026, 4, 1));
    EXPECT_EQ(events.codes, (Codes{RKCC2N_CAL_VIEWCHANGED, RKCC2N_CAL_DATECHANGED, RKCC2N_CAL_SELECTION,
                                   RKCC2N_CAL_CLICK}));
}

TEST_F(CalendarModelTest, ClickOnTheStrip_showsThatMonthInTheClickedBlock)
{
    model.options.across = 2;
    CalendarHit hit{kCalHitMonthStrip, 0, D(2026, 9, 1), 1};
    model.OnLeftPress(hit);
    EXPECT_EQ(model.FirstMonth(), D(2026, 8, 1));
    EXPECT_EQ(events.codes.back(), RKCC2N_CAL_CLICK);
}

TEST_F(CalendarModelTest, MonthAndYearButtons_onlyNotify)
{
    model.OnLeftPress({kCalHitButton, 1, D(2026, 5, 1), 0});
    model.OnLeftPress({kCalHitButton, 2, D(2026, 5, 1), 0});
    EXPECT_EQ(events.codes, (Codes{RKCC2N_CAL_MONTH, RKCC2N_CAL_YEAR}));
    EXPECT_EQ(model.lastHit.detail, 2);
}

TEST_F(CalendarModelTest, FunctionKeys_fillTheLastHitRecord)
{
    model.SelectDay(D(2026, 5, 20));
    model.OnKey(VK_F6, false);
    EXPECT_EQ(model.lastHit.kind, kCalHitButton);
    EXPECT_EQ(model.lastHit.detail, 1);
    EXPECT_EQ(model.lastHit.day, D(2026, 5, 20));
    model.OnKey(VK_F8, false);
    EXPECT_EQ(model.lastHit.detail, 0);
    EXPECT_EQ(model.lastHit.day, testenv::kToday);
    EXPECT_EQ(model.Selected(), testenv::kToday);
    EXPECT_FALSE(model.OnKey('A', false));
}

TEST_F(CalendarModelTest, VisibleRange_withAndWithoutOtherMonthDays)
{
    uint32_t first = 0;
    uint32_t last = 0;
    model.GetVisibleRange(first, last);
    EXPECT_EQ(first, D(2026, 4, 27)); // the Monday before Friday 1 May
    EXPECT_EQ(last, D(2026, 4, 27) + 41);
    model.options.otherMonthDays = false;
    model.options.across = 2;
    model.GetVisibleRange(first, last);
    EXPECT_EQ(first, D(2026, 5, 1));
    EXPECT_EQ(last, D(2026, 6, 30));
}

TEST_F(CalendarModelTest, IsoWeek_matchesTheDateModuleForEveryMonday)
{
    EXPECT_EQ(IsoWeekOfMonday(D(2020, 12, 28)), 53); // the week of Friday 1 January 2021
    EXPECT_EQ(IsoWeekOfMonday(D(2021, 1, 4)), 1);
    for (uint32_t day = WeekStart(D(1980, 1, 1), 0); day < D(2060, 1, 1); day += 7)
        ASSERT_EQ(IsoWeekOfMonday(day), TDate(day).GetWeekOfYear()) << day;
}

// ---- geometry ----

CalendarMetrics Metrics()
{
    CalendarMetrics m;
    m.averageCharWidth = 6;
    m.textHeight = 13;
    m.yearTextWidth = 28;
    return m;
}

TEST_F(CalendarModelTest, Measure_blockAndIdealSizes)
{
    CalendarGeometry g = MeasureCalendar(model, Metrics());
    EXPECT_EQ(g.cellWidth, 30);
    EXPECT_EQ(g.cellHeight, 19);
    EXPECT_EQ(g.blockWidth, 8 * 30);                // week-number column
    EXPECT_EQ(g.blockHeight, 10 * 19 + 25 + 3 * 5); // year view with buttons
    EXPECT_EQ(g.ideal.cx, 240 + 6);
    EXPECT_EQ(g.ideal.cy, 230 + 10);
    model.options.yearView = false;
    model.options.buttonToday = model.options.buttonMonth = model.options.buttonYear = false;
    model.options.across = 2;
    g = MeasureCalendar(model, Metrics());
    EXPECT_EQ(g.blockHeight, 8 * 19 + 5);
    EXPECT_EQ(g.ideal.cx, 2 * 240 + 6 + 15);
}

TEST_F(CalendarModelTest, SundayFirst_hasNoWeekColumnWhateverTheOption)
{
    texts.firstDayOfWeek = 6;
    EXPECT_FALSE(model.HasWeekColumn());
    EXPECT_EQ(MeasureCalendar(model, Metrics()).blockWidth, 7 * 30);
}

TEST_F(CalendarModelTest, FitFontHeight_shrinksInFivePercentStepsButNotBelowFour)
{
    std::vector<LONG> tried;
    EXPECT_EQ(FitFontHeight(-20, [&](LONG h) { tried.push_back(h); return false; }), -4);
    EXPECT_EQ(tried.front(), -20);
    EXPECT_EQ(tried[1], -19);
    EXPECT_EQ(FitFontHeight(-20, [](LONG h) { return h >= -15; }), -15);
    EXPECT_EQ(FitFontHeight(12, [](LONG) { return true; }), 12);
}

TEST_F(CalendarModelTest, Layout_placesButtonsFromTheRightAndArrowsBesideTheYear)
{
    CalendarGeometry g;
    LayOutCalendar(model, Metrics(), {0, 0, 246, 240}, g);
    ASSERT_EQ(g.blocks.size(), 1u);
    const CalendarBlock& b = g.blocks[0];
    EXPECT_EQ(b.rect.left, 3);
    EXPECT_EQ(b.rect.top, 5);
    const int bw = (240 - 6) / 3;
    EXPECT_EQ(b.buttonToday.right, b.rect.right);
    EXPECT_EQ(b.buttonToday.left, b.rect.right - bw);
    EXPECT_EQ(b.buttonYear.right, b.buttonToday.left - 3);
    EXPECT_EQ(b.buttonMonth.right, b.buttonYear.left - 3);
    EXPECT_EQ(g.leftArrow.right, b.yearTitle.left);
    EXPECT_EQ(g.rightArrow.left, b.yearTitle.right);
    EXPECT_EQ(b.yearTitle.right - b.yearTitle.left, 42); // 1.5 x the width of "2000"
}

TEST_F(CalendarModelTest, HitTest_captionWeekdaysDaysAndButtons)
{
    model.options.yearView = false;
    CalendarGeometry g;
    LayOutCalendar(model, Metrics(), {0, 0, 400, 400}, g);
    const CalendarBlock& b = g.blocks[0];
    CalendarHit hit = HitTest(model, g, {b.caption.left + 100, b.caption.top + 2});
    EXPECT_EQ(hit.kind, kCalHitCaption);
    EXPECT_EQ(hit.day, D(2026, 5, 1));
    hit = HitTest(model, g, {b.header.left + 2, b.header.top + 2});
    EXPECT_EQ(hit.kind, kCalHitWeekday);
    EXPECT_EQ(hit.detail, -1);
    hit = HitTest(model, g, {b.header.left + 30 * 3 + 2, b.header.top + 2});
    EXPECT_EQ(hit.detail, 2); // Wednesday
    hit = HitTest(model, g, {b.grid.left + 30 * 5 + 2, b.grid.top + 2});
    EXPECT_EQ(hit.kind, kCalHitDay);
    EXPECT_EQ(hit.day, D(2026, 5, 1));
    hit = HitTest(model, g, {b.grid.left + 2, b.grid.top + 19 + 2});
    EXPECT_EQ(hit.kind, kCalHitWeekNumber);
    EXPECT_EQ(hit.day, D(2026, 5, 4));
    hit = HitTest(model, g, {b.buttonToday.left + 2, b.buttonToday.top + 2});
    EXPECT_EQ(hit.kind, kCalHitButton);
    EXPECT_EQ(hit.detail, 0);
    EXPECT_EQ(hit.day, testenv::kToday);
    hit = HitTest(model, g, {1, 1});
    EXPECT_EQ(hit.kind, kCalHitNothing);
    EXPECT_EQ(hit.block, -1);
}

TEST_F(CalendarModelTest, HitTest_monthStripGivesTheMonthOfTheBlocksYear)
{
    CalendarGeometry g;
    LayOutCalendar(model, Metrics(), {0, 0, 246, 240}, g);
    const CalendarBlock& b = g.blocks[0];
    const CalendarHit hit = HitTest(model, g, {b.strip.left + 41 * 2 + 2, b.strip.bottom - 3});
    EXPECT_EQ(hit.kind, kCalHitMonthStrip);
    EXPECT_EQ(hit.day, D(2026, 9, 1)); // second row, third column
    EXPECT_EQ(HitTest(model, g, {b.yearTitle.left + 3, b.yearTitle.top + 3}).kind, kCalHitYearTitle);
}

TEST_F(CalendarModelTest, TwoMonths_leadingDaysOnlyInTheFirstBlockTrailingOnlyInTheLast)
{
    model.options.across = 2;
    model.SetFirstMonth(D(2026, 4, 1)); // April starts on a Wednesday, May on a Friday
    CalendarDayInfo info;
    EXPECT_TRUE(FillDayCell(model, 0, 0, 0, info));
    EXPECT_EQ(info.otherMonth, 1);
    EXPECT_EQ(info.day, D(2026, 3, 30));
    EXPECT_FALSE(FillDayCell(model, 1, 0, 0, info)); // May's leading April days
    EXPECT_FALSE(FillDayCell(model, 0, 5, 6, info)); // April's trailing May days
    EXPECT_TRUE(FillDayCell(model, 1, 5, 6, info));  // May's trailing June days
    EXPECT_EQ(info.day, D(2026, 6, 7));
    EXPECT_FALSE(FillDayCell(model, 0, 5, -1, info)); // a week-number row after April's end
    EXPECT_TRUE(FillDayCell(model, 1, 5, -1, info));
    model.options.otherMonthDays = false;
    EXPECT_FALSE(FillDayCell(model, 0, 0, 0, info));
}

TEST_F(CalendarModelTest, DayCells_marksOfTodayAndTheSelectedDay)
{
    CalendarDayInfo info;
    model.SelectDay(D(2026, 5, 20));
    // Today (Sunday 17 May): row 2, column 6; frame only by default.
    ASSERT_TRUE(FillDayCell(model, 0, 2, 6, info));
    EXPECT_EQ(info.day, testenv::kToday);
    EXPECT_EQ(info.frame, 1);
    EXPECT_EQ(info.frameColor, RGB(255, 0, 0));
    EXPECT_EQ(info.backColor, model.options.colors[kCalColorDayBack]);
    ASSERT_TRUE(FillDayCell(model, 0, 3, 2, info));
    EXPECT_EQ(info.day, D(2026, 5, 20));
    EXPECT_EQ(info.selected, 1);
    EXPECT_EQ(info.frame, 0);
    EXPECT_EQ(info.backColor, model.options.colors[kCalColorSelectedBack]);
    EXPECT_EQ(std::wstring(info.text), L"20");
    ASSERT_TRUE(FillDayCell(model, 0, 0, -1, info));
    EXPECT_EQ(info.weekNumber, 1);
    EXPECT_EQ(std::wstring(info.text), L"18");
    CalendarHeaderInfo header;
    FillHeaderCell(model, 1, header);
    EXPECT_EQ(header.weekday, 1);
    EXPECT_EQ(std::wstring(header.text), L"Tu");
    FillHeaderCell(model, -1, header);
    EXPECT_EQ(header.weekday, -1);
    EXPECT_EQ(std::wstring(header.text), L"");
}

// ---- painting ----

struct CDib {
    CDib(int w, int h)
    {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, nullptr, nullptr, 0);
        old = SelectObject(dc, bitmap);
    }
    ~CDib()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
};

void __cdecl MarkOneDay(CalendarDayInfo* info, void* context)
{
    if (info->day == *static_cast<uint32_t*>(context) && !info->weekNumber) {
        info->backColor = RGB(0, 200, 0);
        info->hatchStyle = HS_CROSS;
        info->hatchColor = RGB(0, 0, 200);
        info->frame = 1;
        info->frameColor = RGB(200, 0, 0);
        info->fontStyle = 1;
    }
}

TEST_F(CalendarModelTest, DayCallback_changesOnlyItsCell)
{
    uint32_t marked = D(2026, 5, 13); // row 2, column 2
    model.options.dayCallback = {&MarkOneDay, &marked};
    CalendarGeometry g;
    LayOutCalendar(model, Metrics(), {0, 0, 246, 240}, g);
    LOGFONTW lf{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    CalendarFonts fonts;
    fonts.Make(lf, 133);
    CDib dib(246, 240);
    CCalendarPainter painter(model, g, fonts, true, false);
    painter.Paint(dib.dc, {0, 0, 246, 240}, {0, 0, 246, 240});
    const RECT& grid = g.blocks[0].grid;
    auto cellCorner = [&](int row, int column) {
        return dib.At(grid.left + (column + 1) * 30 + 1, grid.top + row * 19 + 1);
    };
    EXPECT_EQ(dib.At(grid.left + 3 * 30, grid.top + 2 * 19), RGB(200, 0, 0)); // the frame's corner
    const COLORREF inside = cellCorner(2, 2);
    EXPECT_TRUE(inside == RGB(0, 200, 0) || inside == RGB(0, 0, 200)) << std::hex << inside;
    const COLORREF plain = model.options.colors[kCalColorDayBack];
    EXPECT_EQ(cellCorner(2, 1), plain);
    EXPECT_EQ(cellCorner(2, 3), plain);
    EXPECT_EQ(cellCorner(1, 2), plain);
    EXPECT_EQ(cellCorner(3, 2), plain);
}

TEST_F(CalendarModelTest, Disabled_paintsButtonFaceBackgrounds)
{
    CalendarGeometry g;
    LayOutCalendar(model, Metrics(), {0, 0, 246, 240}, g);
    LOGFONTW lf{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    CalendarFonts fonts;
    fonts.Make(lf, 133);
    CDib dib(246, 240);
    CCalendarPainter painter(model, g, fonts, false, false);
    painter.Paint(dib.dc, {0, 0, 246, 240}, {0, 0, 246, 240});
    const RECT& grid = g.blocks[0].grid;
    EXPECT_EQ(dib.At(grid.left + 5 * 30 + 1, grid.top + 1), GetSysColor(COLOR_BTNFACE));
}

} // namespace
