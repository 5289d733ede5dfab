// The chart's colour bands: overlapping bands merged into disjoint ones, and the background of a
// resource row painted from its day colours, its own colour and its calendar's non-working time.
#include "CoreTestEnv.h"

#include "RecordingSurface.h"
#include "chart/TaskArea.h"

#include <tuple>

namespace {

using rtest::Day;
using Bands = std::vector<std::tuple<int, int, ChartColor>>;

Bands BandsOf(const std::vector<ColorInterval>& intervals)
{
    Bands bands;
    for (const ColorInterval& i : intervals)
        bands.emplace_back(i.x1, i.x2, i.colour);
    return bands;
}

Bands FillsOf(const CRecordingSurface& dc, size_t from)
{
    Bands bands;
    for (size_t i = from; i < dc.fills.size(); ++i)
        bands.emplace_back(dc.fills[i].rect.left, dc.fills[i].rect.right, dc.fills[i].colour);
    return bands;
}

// The project's non-working colour for one test; the data root keeps its settings when it closes.
class CNonWorkingColour {
public:
    explicit CNonWorkingColour(ChartColor colour) : m_settings(rtest::CData::Root()->ProjectSettings)
    {
        m_saved = m_settings->NonWorkingTime;
        m_settings->NonWorkingTime = colour;
    }
    ~CNonWorkingColour() { m_settings->NonWorkingTime = m_saved; }
    CNonWorkingColour(const CNonWorkingColour&) = delete;
    CNonWorkingColour& operator=(const CNonWorkingColour&) = delete;

private:
    wqv2_data::CProjectSettings* m_settings; // not owned
    ChartColor m_saved = 0;
};

class ColorHelperTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        rtest::CData::Fresh();
    }
};

TEST_F(ColorHelperTest, MergeColorIntervals_workedExamplesNonWorkingTimeAndLongStrips)
{
    std::vector<ColorInterval> out{{1, 2, 3}};
    EXPECT_EQ(MergeColorIntervals({}, out), 0);
    EXPECT_TRUE(out.empty());
    // Overlaps take the per-channel minimum; touching bands of one colour are joined.
    EXPECT_EQ(MergeColorIntervals({{0, 10, 0xFF8080}, {5, 20, 0x80FF80}}, out), 3);
    EXPECT_EQ(BandsOf(out), (Bands{{0, 5, 0xFF8080}, {5, 10, 0x808080}, {10, 20, 0x80FF80}}));
    EXPECT_EQ(MergeColorIntervals({{0, 5, 0x123456}, {5, 9, 0x123456}}, out), 1);
    EXPECT_EQ(BandsOf(out), (Bands{{0, 9, 0x123456}}));

    // A resource working 8:00-12:00 and 13:00-17:00 on an hour scale, 15 units an hour from
    // Monday 0:00: its row is non-working to 8:00, from 12:00 to 13:00 and from 17:00.
    const ChartColor grey = 0x808080;
    CNonWorkingColour nonWorking(grey);
    wqv2_data::CCalendar* office = rtest::AddCalendar(L"Office", {480, 720, 780, 1020});
    CResourceItem anna;
    anna.resource = rtest::AddResource(L"Anna", 1, office);
    ASSERT_TRUE(office && anna.resource);
    ChartPeriod period;
    period.start = TDateTime(Day(3, 2), 0, false);
    period.end = TDateTime(Day(3, 3), 0, false);
    CTaskBase tasks;
    tasks.ColumnWidth = 15;
    tasks.RowHeight = 20;
    CTimeBarBase colours;
    const RECT everything{0, 0, 0, 0};
    {
        CRecordingSurface dc;
        tasks.DrawScheduleBackground(dc, kNoColor, {{kUnitHours, 1}, &period, 0, 24}, {&anna}, colours, everything,
                                     RECT{100, 0, 460, 20});
        ASSERT_FALSE(dc.fills.empty());
        EXPECT_EQ(FillsOf(dc, 1), (Bands{{100, 220, grey}, {220, 280, kNoColor}, {280, 295, grey},
                                         {295, 355, kNoColor}, {355, 460, grey}}));
    }
    // A strip that starts after the first column: 10:00 to 20:00 at the chart's left edge.
    {
        CRecordingSurface dc;
        tasks.DrawScheduleBackground(dc, kNoColor, {{kUnitHours, 1}, &period, 10, 10}, {&anna}, colours, everything,
                                     RECT{100, 0, 250, 20});
        EXPECT_EQ(FillsOf(dc, 1),
                  (Bands{{100, 130, kNoColor}, {130, 145, grey}, {145, 205, kNoColor}, {205, 250, grey}}));
    }

    // A long strip: 2,000 days of 10 units in two alternating colours, each with its non-working
    // pieces, under one band of the resource's colour (its speed is the reports bench's).
    const int days = 2000;
    std::vector<ColorInterval> bands{{0, 10 * days, kNoColor}};
    for (int d = 0; d < days; ++d) {
        const int x = 10 * d;
        bands.push_back({x, x + 10, d % 2 ? 0xE0E0E0u : 0xF0F0F0u});
        bands.push_back({x, x + 3, grey});
        bands.push_back({x + 4, x + 5, grey});
        bands.push_back({x + 7, x + 10, grey});
    }
    const int count = MergeColorIntervals(bands, out);
    // Grey to 3, then each day's colour and grey in turn; grey runs on over midnight to 3.
    ASSERT_EQ(count, 1 + 4 * days);
    EXPECT_EQ(BandsOf({out[0], out[1], out[2], out[3], out[4], out[5]}),
              (Bands{{0, 3, grey}, {3, 4, 0xF0F0F0}, {4, 5, grey}, {5, 7, 0xF0F0F0}, {7, 13, grey}, {13, 14, 0xE0E0E0}}));
    EXPECT_EQ(BandsOf({out.back()}), (Bands{{10 * days - 3, 10 * days, grey}}));
}

// A calendar working 8:00-17:00 every day under columns that start off the hour or run over
// hidden time: the non-working colour follows the dates and minutes each column shows, one
// unit a minute or an hour as the time bar places them. (1) Days from 10:00, weekends hidden:
// each column's 17:00 to the next shown morning's 8:00. (2) Quarter hours from Tuesday 23:52:
// the column over midnight goes on into Wednesday's night. (3) Hours from 8:30 in a window of
// 8:00-18:00: the last column of a day ends in the next morning's 8:00-8:30, working time.
TEST_F(ColorHelperTest, DrawScheduleBackground_nonWorkingTimeFollowsTheDatesAndMinutesOfEachColumn)
{
    const ChartColor grey = 0x808080;
    CNonWorkingColour nonWorking(grey);
    wqv2_data::CCalendar* office = rtest::AddCalendar(L"Office", {480, 1020});
    CResourceItem anna;
    anna.resource = rtest::AddResource(L"Anna", 1, office);
    ASSERT_TRUE(office && anna.resource);
    CTimeBarBase colours;
    colours.WeekdayColorsShown = false;
    struct Case {
        ScaleStep scale;
        TDateTime start;
        int from, to;
        bool weekends;
        int columns;
        int width;
        Bands fills;
    };
    const Case cases[] = {
        // Thursday 5 March 10:00: Thursday, Friday (to Monday 10:00) and Monday.
        {{kUnitDays, 1}, TDateTime(Day(3, 5), 600, false), 0, 0, false, 3, 24,
         {{100, 107, kNoColor}, {107, 122, grey}, {122, 131, kNoColor}, {131, 146, grey}, {146, 155, kNoColor},
          {155, 170, grey}, {170, 172, kNoColor}}},
        {{kUnitMinutes, 15}, TDateTime(Day(3, 3), 1432, false), 0, 0, true, 40, 15,
         {{100, 588, grey}, {588, 700, kNoColor}}},
        {{kUnitHours, 1}, TDateTime(Day(3, 3), 510, false), 480, 1080, true, 12, 60,
         {{100, 610, kNoColor}, {610, 670, grey}, {670, 820, kNoColor}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale.Unit);
        ChartPeriod period;
        period.start = c.start;
        period.dailyFrom = c.from;
        period.dailyTo = c.to;
        period.weekdays[5] = period.weekdays[6] = c.weekends;
        CTaskBase tasks;
        tasks.ColumnWidth = c.width;
        tasks.RowHeight = 20;
        CRecordingSurface dc;
        tasks.DrawScheduleBackground(dc, kNoColor, {c.scale, &period, 0, c.columns}, {&anna}, colours, RECT{0, 0, 0, 0},
                                     RECT{100, 0, 100 + c.columns * c.width, 20});
        EXPECT_EQ(FillsOf(dc, 1), c.fills);
    }
}

} // namespace
