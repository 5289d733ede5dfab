#pragma once
// Geometry of the month calendar: the size of a block and of the whole calendar for a cell size,
// where every block and section lies in the window, the hit test, and what each cell of the
// weekday header and the day grid shows. Pure arithmetic over measured font sizes.

#include "calendar/CalendarModel.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace rkcc {

constexpr int kCalMarginX = 3;
constexpr int kCalMarginY = 5;

// Sizes measured with the base font.
struct CalendarMetrics {
    int averageCharWidth = 0;
    int textHeight = 0;
    int yearTextWidth = 0; // width of "2000" in the bold year font
};

struct CalendarBlock {
    RECT rect{};
    RECT yearBand{};
    RECT yearTitle{};
    RECT caption{};    // month view
    RECT strip{};      // year view
    RECT captionText{};
    RECT header{};
    RECT grid{};
    RECT buttonYear{};
    RECT buttonMonth{};
    RECT buttonToday{};
    int index = 0;
};

struct CalendarGeometry {
    int cellWidth = 1;
    int cellHeight = 1;
    int blockWidth = 0;
    int blockHeight = 0;
    SIZE ideal{};
    RECT calendar{};
    RECT leftArrow{};
    RECT rightArrow{};
    std::vector<CalendarBlock> blocks;
};

// Cell and block sizes and the ideal size (RKCC2M_CALENDAR_GETIDEALSIZE) for the options.
CalendarGeometry MeasureCalendar(const CCalendarModel& model, const CalendarMetrics& metrics);
// Places the blocks, sections, buttons and arrows in the client rectangle.
void LayOutCalendar(const CCalendarModel& model, const CalendarMetrics& metrics, const RECT& client,
                    CalendarGeometry& geometry);

// Shrinks a font height (a LOGFONT height, either sign) in 5 % steps while `fits` says no; stops
// before the height would fall below 4 in magnitude and keeps the last height tried.
LONG FitFontHeight(LONG height, const std::function<bool(LONG)>& fits);

// First day drawn in a block's grid (row 0, weekday column 0).
uint32_t GridStart(uint32_t blockFirstDay, int firstDayOfWeek);

// Fills the hit record for a point (block -1 and kind 0 when nothing is hit).
CalendarHit HitTest(const CCalendarModel& model, const CalendarGeometry& geometry, POINT pt);

// What one cell of the day grid shows before the host's callback; false when the cell is skipped.
// column -1 is the week-number column.
bool FillDayCell(const CCalendarModel& model, int block, int row, int column, CalendarDayInfo& info);
void FillHeaderCell(const CCalendarModel& model, int column, CalendarHeaderInfo& info);

} // namespace rkcc
