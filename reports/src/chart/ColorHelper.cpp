// View colours of the schedule chart.
#include "chart/ColorHelper.h"

#include "common/ReportSettings.h"
#include "plugin/PluginState.h"

#include "wqv2_data.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <bit>

ChartColor MinColor(ChartColor a, ChartColor b)
{
    ChartColor r = 0;
    for (int shift = 0; shift < 24; shift += 8)
        r |= std::min((a >> shift) & 0xFFu, (b >> shift) & 0xFFu) << shift;
    return r;
}

namespace {

// How many open bands hold each value of one colour channel, and which values are held: the
// smallest held value comes from four words, however many bands are open.
class ChannelValues {
public:
    void Add(unsigned value)
    {
        if (m_count[value]++ == 0)
            m_held[value >> 6] |= uint64_t{1} << (value & 63);
    }
    void Remove(unsigned value)
    {
        if (--m_count[value] == 0)
            m_held[value >> 6] &= ~(uint64_t{1} << (value & 63));
    }
    unsigned Smallest() const
    {
        for (unsigned word = 0; word < 4; ++word)
            if (m_held[word])
                return word * 64 + static_cast<unsigned>(std::countr_zero(m_held[word]));
        return 0xFF;
    }

private:
    std::array<int, 256> m_count{};
    std::array<uint64_t, 4> m_held{};
};

} // namespace

int MergeColorIntervals(const std::vector<ColorInterval>& intervals, std::vector<ColorInterval>& out)
{
    out.clear();
    // A sweep over the band edges in x order: a band opens at x1 and closes at x2, and between
    // two neighbouring edges the colour is the per-channel minimum of the open bands. A band
    // whose x2 is not above its x1 covers nothing.
    struct Edge {
        int x;
        bool opens;
        ChartColor colour;
    };
    std::vector<Edge> edges;
    edges.reserve(intervals.size() * 2);
    for (const ColorInterval& i : intervals) {
        if (i.x1 < i.x2) {
            edges.push_back({i.x1, true, i.colour & 0xFFFFFFu});
            edges.push_back({i.x2, false, i.colour & 0xFFFFFFu});
        }
    }
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.x < b.x; });
    std::array<ChannelValues, 3> channels;
    size_t open = 0;
    for (size_t k = 0; k < edges.size();) {
        const int p = edges[k].x;
        for (; k < edges.size() && edges[k].x == p; ++k) {
            const Edge& e = edges[k];
            for (unsigned c = 0; c < 3; ++c) {
                const unsigned value = (e.colour >> (8 * c)) & 0xFFu;
                if (e.opens)
                    channels[c].Add(value);
                else
                    channels[c].Remove(value);
            }
            open = e.opens ? open + 1 : open - 1;
        }
        if (open == 0 || k == edges.size())
            continue;
        const int q = edges[k].x;
        ChartColor colour = 0;
        for (unsigned c = 0; c < 3; ++c)
            colour |= channels[c].Smallest() << (8 * c);
        // Touching bands of one colour are joined.
        if (!out.empty() && out.back().x2 == p && out.back().colour == colour)
            out.back().x2 = q;
        else
            out.push_back({p, q, colour});
    }
    return static_cast<int>(out.size());
}

CQV2ColorHelper::CQV2ColorHelper()
{
    SetDefaults();
}

void CQV2ColorHelper::SetDefaults()
{
    EmptyArea = GetSysColor(COLOR_APPWORKSPACE);
    ScheduleBackground = kNoColor;
    GridVertical = 0xC0C0C0;
    GridVerticalMain = 0x000000;
    GridHorizontal = 0x000000;
    TaskFrame = 0x000000;
    WeekdayColorsShown = true;
    Today = 0xC0C0FF;
    TodayShown = true;
    DayBreakShown = false;
    DayBreak1 = kNoColor;
    DayBreak2 = 0xE0E0E0;
}

void CQV2ColorHelper::Load()
{
    SetDefaults();
    EmptyArea = GetColourSetting(L"ViewBkColorEmpty", EmptyArea);
    ScheduleBackground = GetColourSetting(L"ViewScheduleColorBk", ScheduleBackground);
    GridVertical = GetColourSetting(L"ViewScheduleGridColorVert", GridVertical);
    GridVerticalMain = GetColourSetting(L"ViewScheduleGridColorVertMain", GridVerticalMain);
    GridHorizontal = GetColourSetting(L"ViewScheduleGridColorHorz", GridHorizontal);
    TaskFrame = GetColourSetting(L"ViewTaskColorFrame", TaskFrame);
    WeekdayColorsShown = GetBoolSetting(L"ViewScheduleBkColorShowWeekdays", WeekdayColorsShown);
    Today = GetColourSetting(L"ViewBkColorToday", Today);
    TodayShown = GetBoolSetting(L"ViewBkColorTodayShow", TodayShown);
    DayBreakShown = GetBoolSetting(L"ViewBkColorShowDayBreak", DayBreakShown);
    DayBreak1 = GetColourSetting(L"ViewBkColorDayBreakColor1", DayBreak1);
    DayBreak2 = GetColourSetting(L"ViewBkColorDayBreakColor2", DayBreak2);
}

ChartColor CQV2ColorHelper::GetDayColor(TDate day) const
{
    wqv2_data::CData* root = GetDataRoot();
    if (!root || !root->ProjectSettings)
        return kNoColor;
    ChartColor colour = root->ProjectSettings->DayColors[day.GetWeekday()];
    if (root->Holidays && root->Holidays->FindByDate(day))
        colour = root->ProjectSettings->Holidays;
    if (TodayShown && TodayMarking) {
        TDate today;
        if (static_cast<uint32_t>(today) == static_cast<uint32_t>(day))
            colour = Today;
    }
    return colour & 0xFFFFFFu;
}
