#pragma once
// CQV2ColorHelper: the colours with which the schedule chart paints its background, grid, today
// and day-break marks, read from the viewer's View* settings, and the colour of a day. Also the
// merge of overlapping colour bands that the chart background uses. The time bar carries one
// instance for the whole chart; it reads the data root kept by the plug-in, never owns it.

#include "TDate.h"

#include <cstdint>
#include <vector>

using ChartColor = uint32_t; // 24-bit RGB, red in the low byte; 0xFFFFFF often means "no colour"
constexpr ChartColor kNoColor = 0xFFFFFF;

// The colour whose red, green and blue are each the smaller of the two: the darker wins.
ChartColor MinColor(ChartColor a, ChartColor b);

// A horizontal band [x1, x2] of one colour.
struct ColorInterval {
    int x1 = 0;
    int x2 = 0;
    ChartColor colour = kNoColor;
};

// Overlapping bands turned into disjoint ones (overlaps take the per-channel minimum; touching
// bands of one colour are joined); `out` is replaced. Returns its size.
int MergeColorIntervals(const std::vector<ColorInterval>& intervals, std::vector<ColorInterval>& out);

class CQV2ColorHelper {
public:
    CQV2ColorHelper();
    virtual ~CQV2ColorHelper() = default;

    // Every field to its default, then the settings in the order of the fields.
    void Load();
    // The day's background: the holiday colour on a holiday, else the weekday's colour of the
    // project; no colour without a data root.
    ChartColor GetDayColor(TDate day) const;

    ChartColor EmptyArea;                       // ViewBkColorEmpty, default the workspace colour
    ChartColor ScheduleBackground = kNoColor;   // ViewScheduleColorBk
    ChartColor GridVertical = 0xC0C0C0;         // ViewScheduleGridColorVert
    ChartColor GridVerticalMain = 0x000000;     // ViewScheduleGridColorVertMain
    ChartColor GridHorizontal = 0x000000;       // ViewScheduleGridColorHorz
    ChartColor TaskFrame = 0x000000;            // ViewTaskColorFrame
    bool WeekdayColorsShown = true;             // ViewScheduleBkColorShowWeekdays
    ChartColor Today = 0xC0C0FF;                // ViewBkColorToday
    bool TodayShown = true;                     // ViewBkColorTodayShow
    bool DayBreakShown = false;                 // ViewBkColorShowDayBreak
    ChartColor DayBreak1 = kNoColor;            // ViewBkColorDayBreakColor1
    ChartColor DayBreak2 = 0xE0E0E0;            // ViewBkColorDayBreakColor2
    bool TodayMarking = false;                  // the owner's; reports never mark today

private:
    void SetDefaults();
};
