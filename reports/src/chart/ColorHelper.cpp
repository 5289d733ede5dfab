// View colours of the schedule chart.
#include "chart/ColorHelper.h"

#include "common/ReportSettings.h"
#include "plugin/PluginState.h"

#include "wqv2_data.h"

#include <windows.h>

#include <algorithm>

ChartColor MinColor(ChartColor a, ChartColor b)
{
    ChartColor r = 0;
    for (int shift = 0; shift < 24; shift += 8)
        r |= std::min((a >> shift) & 0xFFu, (b >> shift) & 0xFFu) << shift;
    return r;
}

int MergeColorIntervals(const std::vector<ColorInterval>& intervals, std::vector<ColorInterval>& out)
{
    out.clear();
    std::vector<int> cuts;
    cuts.reserve(intervals.size() * 2);
    for (const ColorInterval& i : intervals) {
        cuts.push_back(i.x1);
        cuts.push_back(i.x2);
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    for (size_t k = 1; k < cuts.size(); ++k) {
        const int p = cuts[k - 1];
        const int q = cuts[k];
        bool any = false;
        ChartColor colour = kNoColor;
        for (const ColorInterval& i : intervals) {
            if (i.x1 < q && i.x2 > p) {
                colour = any ? MinColor(colour, i.colour) : (i.colour & 0xFFFFFFu);
                any = true;
            }
        }
        if (!any)
            continue;
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
