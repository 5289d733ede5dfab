// The schedule chart's time bar drawn on a recording surface: the ticks and captions of its rows
// for periods that start off a step boundary, for long and odd steps, and the rules that leave
// out overlapping hour captions; and the task area's day bands under the time bar's day lines.
#include "CoreTestEnv.h"

#include "QV2ResVReportScheduleIds.h"
#include "RecordingSurface.h"
#include "chart/TaskArea.h"
#include "fw/Resources.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace {

using rtest::Day;

constexpr int kLeft = 100;
const bool kAllDays[7] = {true, true, true, true, true, true, true};
const bool kWorkDays[7] = {true, true, true, true, true, false, false};

using Ticks = std::vector<std::pair<int, int>>;          // {x, length}
using Captions = std::vector<std::pair<std::wstring, int>>; // {text, where it begins}

class TimeBarTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        bar.LoadTimeBarSettings();
        bar.TextIndent = 2;
        bar.MinimumColumnWidth = 1;
        // The day colours of the cells come from the project.
        rtest::CData::Fresh();
    }

    // Columns [first, first + count) of the scale from `start`, `width` units each, drawn from x
    // kLeft; the bar's rows are then at Band(scale, i).
    CRecordingSurface Draw(ScaleStep scale, const TDateTime& start, int first, int count, int width = 30,
                           const bool* mask = kAllDays)
    {
        CRecordingSurface dc;
        bar.ColumnWidthBase = width;
        bar.ComputeColumnWidth(scale.Unit);
        bar.ComputeRowHeights(dc);
        bar.DrawTimeBar(dc, scale, start, 0, 0, mask, first, count,
                        RECT{kLeft, 0, kLeft + count * width, bar.GetTimeBarHeight(scale)});
        return dc;
    }
    // Row `index` (0 at the bottom) as [top, bottom).
    std::pair<int, int> Band(ScaleStep scale, int index) const
    {
        ScaleStep unit;
        std::vector<ScaleStep> rows;
        bar.GetTimeBarRows(scale, unit, rows);
        int bottom = bar.GetTimeBarHeight(scale);
        for (int i = 0; i < index; ++i)
            bottom -= bar.GetRowHeight(rows[static_cast<size_t>(i)], i);
        return {bottom - bar.GetRowHeight(rows[static_cast<size_t>(index)], index), bottom};
    }
    Ticks TicksOf(const CRecordingSurface& dc, ScaleStep scale, int index) const
    {
        const auto [top, bottom] = Band(scale, index);
        return dc.TicksOf(top, bottom);
    }
    Captions CaptionsOf(const CRecordingSurface& dc, ScaleStep scale, int index) const
    {
        const auto [top, bottom] = Band(scale, index);
        Captions captions;
        for (const CRecordingSurface::Text& t : dc.TextsIn(top, bottom))
            captions.emplace_back(t.text, t.x);
        return captions;
    }
    // The first caption line of a cell that starts at `minute` of `day`.
    std::wstring Caption(TDate day, int minute, int row, ScaleStep step, bool majorPass) const
    {
        std::wstring text1, text2;
        bar.FormatCellCaption(TDateTime(day, minute, false), row, step, majorPass, text1, text2);
        return text1;
    }
    // A minute or hour caption centred on the tick at x.
    static std::pair<std::wstring, int> Centred(const std::wstring& text, int x)
    {
        return {text, x - CRecordingSurface::kCharWidth * static_cast<int>(text.size()) / 2};
    }

    CTimeBarBase bar;
};

TEST_F(TimeBarTest, DrawTimeBar_periodsOffTheStepLongStepsAndOddMinuteSteps)
{
    const TDate monday = Day(3, 2);
    ASSERT_EQ(monday.GetWeekday(), 0);
    const ScaleStep hours{kUnitHours, 1};
    // 15 minutes from 10:07: the bottom row ticks every column (4 units); the hours fall inside
    // columns, where the bars of those times stand too: 11:00 is 53 minutes on, 30 x 53 / 15 =
    // 106 units. Their ticks are major (6 units) and carry the captions; 10:00 lies 7 minutes
    // left of the strip and shows in part.
    {
        const ScaleStep scale{kUnitMinutes, 15};
        const CRecordingSurface dc = Draw(scale, TDateTime(monday, 607, false), 0, 8);
        Ticks expected;
        for (int k = 0; k <= 8; ++k)
            expected.emplace_back(kLeft + 30 * k, 4);
        expected.emplace_back(kLeft + 106, 6);
        expected.emplace_back(kLeft + 226, 6);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(TicksOf(dc, scale, 0), expected);
        EXPECT_EQ(CaptionsOf(dc, scale, 0), (Captions{Centred(Caption(monday, 600, 0, hours, true), kLeft - 14),
                                                      Centred(Caption(monday, 660, 0, hours, true), kLeft + 106),
                                                      Centred(Caption(monday, 720, 0, hours, true), kLeft + 226)}));
    }
    // An hour scale from 7:10, 60 units a column: a cell per column, each named by the hour it
    // starts in.
    {
        const CRecordingSurface dc = Draw(hours, TDateTime(monday, 430, false), 0, 6, 60);
        Ticks ticks;
        Captions captions;
        for (int k = 0; k <= 6; ++k) {
            ticks.emplace_back(kLeft + 60 * k, 3);
            captions.push_back(Centred(Caption(monday, 430 + 60 * k, 0, hours, false), kLeft + 60 * k));
        }
        EXPECT_EQ(TicksOf(dc, hours, 0), ticks);
        EXPECT_EQ(CaptionsOf(dc, hours, 0), captions);
    }
    // Days from Monday 10:00, Monday to Friday: a column from 10:00 to 10:00 of the next visible
    // day, named by its date; Friday's column runs on to Monday 9 March 10:00. That Monday's week
    // starts at 0:00, 840 + 4 x 1440 visible minutes on: 30 x 6600 / 1440 = 137 units.
    {
        const ScaleStep days{kUnitDays, 1};
        const CRecordingSurface dc = Draw(days, TDateTime(monday, 600, false), 0, 6, 30, kWorkDays);
        Ticks ticks;
        std::vector<std::wstring> texts;
        const unsigned dates[] = {2, 3, 4, 5, 6, 9};
        for (int k = 0; k < 6; ++k) {
            ticks.emplace_back(kLeft + 30 * k, Band(days, 0).second - Band(days, 0).first);
            std::wstring text1, text2;
            bar.FormatCellCaption(TDateTime(Day(3, dates[k]), 600, false), 0, days, false, text1, text2);
            texts.push_back(text1);
            texts.push_back(text2);
        }
        ticks.emplace_back(kLeft + 180, ticks.back().second);
        EXPECT_EQ(TicksOf(dc, days, 0), ticks);
        std::vector<std::wstring> got;
        for (const auto& [text, x] : CaptionsOf(dc, days, 0))
            got.push_back(text);
        EXPECT_EQ(got, texts);
        EXPECT_EQ(TicksOf(dc, days, 1), (Ticks{{kLeft + 137, Band(days, 1).second - Band(days, 1).first}}));
    }
    // Two days a column: a cell per column, named by its first day.
    {
        const ScaleStep twoDays{kUnitDays, 2};
        const CRecordingSurface dc = Draw(twoDays, TDateTime(monday, 0, false), 0, 4);
        std::vector<std::wstring> got, expected;
        for (const auto& [text, x] : CaptionsOf(dc, twoDays, 0))
            got.push_back(text);
        for (unsigned k = 0; k < 4; ++k) {
            std::wstring text1, text2;
            bar.FormatCellCaption(TDateTime(Day(3, 2 + 2 * k), 0, false), 0, twoDays, false, text1, text2);
            expected.push_back(text1);
            expected.push_back(text2);
        }
        EXPECT_EQ(got, expected);
        EXPECT_EQ(TicksOf(dc, twoDays, 0).size(), 5u);
    }
    // Steps that do not divide their major step: a major tick (6 units) at every quarter hour,
    // half hour or hour of two hours from 10:00, wherever it falls in its column.
    for (int count : {6, 8, 9, 12, 18}) {
        SCOPED_TRACE(count);
        const ScaleStep scale{kUnitMinutes, count};
        const int major = GetStepMinutes(CTimeBarBase::GetMajorTickUnit(scale));
        const int columns = 120 / count;
        const CRecordingSurface dc = Draw(scale, TDateTime(monday, 600, false), 0, columns);
        Ticks expected;
        for (int minute = 0; minute <= columns * count; minute += major)
            expected.emplace_back(kLeft + 30 * minute / count, 6);
        Ticks got;
        for (const auto& tick : TicksOf(dc, scale, 0))
            if (tick.second == 6)
                got.push_back(tick);
        EXPECT_EQ(got, expected);
    }
    // Hour captions closer than their width, 15 minutes from 10:07 at 6 units a column: every
    // hour keeps its tick where it falls; a caption is left out when it would begin at or left of
    // the right edge of the last caption drawn, so a left-out caption does not push the next one.
    {
        const ScaleStep scale{kUnitMinutes, 15};
        const CRecordingSurface dc = Draw(scale, TDateTime(monday, 607, false), 0, 20, 6);
        Ticks majors;
        for (const auto& tick : TicksOf(dc, scale, 0))
            if (tick.second == 6)
                majors.push_back(tick);
        const int hourX[] = {-2, 21, 45, 69, 93, 117}; // 10:00 to 15:00: 6 x (minutes from 10:07) / 15
        Ticks expectedTicks;
        Captions expected;
        int lastRight = INT_MIN;
        for (int h = 0; h < 6; ++h) {
            if (hourX[h] >= 0)
                expectedTicks.emplace_back(kLeft + hourX[h], 6);
            const auto caption = Centred(Caption(monday, 600 + 60 * h, 0, hours, true), kLeft + hourX[h]);
            if (caption.second > lastRight) {
                expected.push_back(caption);
                lastRight = caption.second + CRecordingSurface::kCharWidth * static_cast<int>(caption.first.size());
            }
        }
        EXPECT_EQ(majors, expectedTicks);
        EXPECT_EQ(CaptionsOf(dc, scale, 0), expected);
        EXPECT_LT(expected.size(), 5u) << "some captions are left out";
    }
}

// Month captions where a strip starts late in March (a continued page) or ends early in April
// (the picture's right edge): a caption wider than what shows of its cell takes a shorter form
// that fits, and no caption reaches past its cell.
TEST_F(TimeBarTest, DrawTimeBar_monthCaptionsFitWhatShowsOfTheirCells)
{
    const ScaleStep days{kUnitDays, 1};
    const TDateTime first(Day(3, 1), 0, false);
    // The long form and both shorter ones are date pictures of the resource library.
    const std::wstring pictures[] = {fw::LoadResString(IDS_TIMEBAR_MONTH_PICTURE),
                                     fw::LoadResString(IDS_TIMEBAR_MONTH_PICTURE_SHORT),
                                     fw::LoadResString(IDS_TIMEBAR_MONTH_PICTURE_SHORTEST)};
    auto month = [&pictures](TDate day, int form) {
        wchar_t text[100] = {};
        day.Format(text, 100, 0, pictures[form].c_str());
        return std::wstring(text);
    };
    struct Strip {
        int firstColumn, count;
        int marchEnd; // where the March cell ends in the strip
        std::vector<std::wstring> captions;
    };
    // "March 2026" is 70 units; two columns show 60 of March, one column 30 (30 March to
    // 4 April; 31 March to 1 April; 26 March to 2 April, whose April shows 60).
    const Strip strips[] = {
        {29, 6, kLeft + 60, {month(Day(3, 1), 1), month(Day(4, 1), 0)}},
        {30, 2, kLeft + 30, {month(Day(3, 1), 2), month(Day(4, 1), 2)}},
        {25, 8, kLeft + 180, {month(Day(3, 1), 0), month(Day(4, 1), 1)}},
    };
    for (const Strip& strip : strips) {
        SCOPED_TRACE(strip.firstColumn);
        const CRecordingSurface dc = Draw(days, first, strip.firstColumn, strip.count);
        const auto [top, bottom] = Band(days, 2);
        const std::vector<CRecordingSurface::Text> texts = dc.TextsIn(top, bottom);
        ASSERT_EQ(texts.size(), 2u);
        const int right = kLeft + 30 * strip.count;
        for (size_t i = 0; i < 2; ++i) {
            EXPECT_EQ(texts[i].text, strip.captions[i]);
            const int cellLeft = i == 0 ? kLeft : strip.marchEnd;
            const int cellRight = i == 0 ? strip.marchEnd : right;
            EXPECT_GE(texts[i].shownLeft, cellLeft);
            EXPECT_LE(texts[i].shownRight, cellRight);
            EXPECT_EQ(texts[i].shownRight - texts[i].shownLeft,
                      CRecordingSurface::kCharWidth * static_cast<int>(texts[i].text.size()))
                << "the whole caption shows";
        }
    }
}

// Periods that start off the column grid: the task area's Sunday band begins and ends where the
// time bar's day row draws its day lines. On minute and hour scales those stand at the day's
// first minute, inside a column; on a day scale the columns are the days, named by their first
// day, whatever hour the period starts at.
TEST_F(TimeBarTest, DrawScheduleBackground_dayBandsChangeAtTheDayLinesOfTheTimeBar)
{
    constexpr ChartColor kSunday = 0x80FFC0; // the project's default colour of Sundays
    wqv2_data::CResource* anna = rtest::AddResource(L"Anna", 1);
    ASSERT_NE(anna, nullptr);
    CResourceItem item;
    item.resource = anna;
    struct Case {
        ScaleStep scale;
        TDateTime start;
        int columns;
        int dayRow;
    };
    // Saturday 7 March 22:07 by quarter hours (Sunday 113 minutes on: 226 units, inside column
    // 7) and 20:40 by hours (200 minutes: 100 units, inside column 3); Thursday 10:00 by days.
    const Case cases[] = {
        {{kUnitMinutes, 15}, TDateTime(Day(3, 7), 1327, false), 120, 1},
        {{kUnitHours, 1}, TDateTime(Day(3, 7), 1240, false), 40, 1},
        {{kUnitDays, 1}, TDateTime(Day(3, 5), 600, false), 6, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale.Unit);
        const CRecordingSurface timeBar = Draw(c.scale, c.start, 0, c.columns);
        std::vector<int> dayLines;
        for (const auto& [x, length] : TicksOf(timeBar, c.scale, c.dayRow))
            dayLines.push_back(x);

        CTaskBase tasks;
        tasks.ColumnWidth = bar.ColumnWidth;
        tasks.RowHeight = 20;
        ChartPeriod period;
        period.start = c.start;
        CRecordingSurface dc;
        tasks.DrawScheduleBackground(dc, kNoColor, {c.scale, &period, 0, c.columns}, {&item}, bar, RECT{0, 0, 0, 0},
                                     RECT{kLeft, 0, kLeft + c.columns * bar.ColumnWidth, 20});
        std::vector<RECT> sundays;
        for (const CRecordingSurface::Fill& fill : dc.fills)
            if (fill.colour == kSunday)
                sundays.push_back(fill.rect);
        ASSERT_EQ(sundays.size(), 1u);
        const auto at = std::find(dayLines.begin(), dayLines.end(), sundays[0].left);
        ASSERT_TRUE(at != dayLines.end() && at + 1 != dayLines.end()) << sundays[0].left;
        EXPECT_EQ(sundays[0].right, *(at + 1));
    }
}

} // namespace
