#pragma once
// CVisibleTasks: the rows of the schedule chart for a report period. For every resource the
// report filter shows (by position) it places the task occurrences of the period as bars in
// chart units of visible time and stacks overlapping bars into lanes; a resource takes one row
// per lane. The chart's label column and task area read it row by row. The report builds it
// once per layout and owns it; the resources and tasks it points to belong to the data library,
// so use it only while the project is unchanged.

#include "chart/VisibleSteps.h"

#include "wqv2_data.h"

#include <deque>
#include <memory>
#include <vector>

// One occurrence placed in the chart; an occurrence of a series carries the series' template.
struct ChartBar {
    TDate day = 0u;
    wqv2_data::CTask* task = nullptr; // not owned
    int lane = 0;
    int startX = 0; // chart units from the period start; negative when it starts before it
    int endX = 0;
};

// One resource's rows: its bars ordered by lane, start x, end x and then insertion. The bars
// may be let go after the build (CVisibleTasks::KeptBars); FindRow makes them again.
struct CResourceItem {
    wqv2_data::CResource* resource = nullptr; // not owned
    int laneCount = 0;
    size_t barCount = 0; // bars of the build, whether kept or not
    std::vector<ChartBar> bars;
};

// The period and visible time the rows are built for; the column unit and the daily window as
// VisibleSteps.h takes them.
struct ChartPeriod {
    TDateTime start;
    TDateTime end;    // exclusive
    int dailyFrom = 0;
    int dailyTo = 0;
    std::array<bool, 7> weekdays{true, true, true, true, true, true, true};
};

class CVisibleTasks {
public:
    virtual ~CVisibleTasks() = default;

    // Replaces every item: resources of the report filter, each with its occurrences (series
    // expanded, the filter applied) as bars `columnWidth` units per step of `columnUnit`.
    // Shows the wait cursor meanwhile.
    void Build(const ChartPeriod& period, ScaleStep columnUnit, int columnWidth);
    // Drops the items without bars, keeping the order of the rest.
    void RemoveEmptyItems();

    int GetRowCount() const;
    // The item whose rows hold `row`, and the lane within it, its bars made again when they were
    // let go; null beyond the last row. The bars of other items may be let go meanwhile: read an
    // item's bars before the next call.
    const CResourceItem* FindRow(int row, int& lane) const;
    // Appends every item whose rows overlap [first, last]; returns the size of `out`.
    int GetItemsInRows(int first, int last, std::vector<const CResourceItem*>& out) const;
    // Appends the bars of one lane that overlap [fromX, toX) (end x > fromX and start x < toX),
    // in bar order; returns the size of `out`.
    static int GetBarsInLane(const CResourceItem& item, std::vector<const ChartBar*>& out, int lane, int fromX,
                             int toX);

    const std::vector<std::unique_ptr<CResourceItem>>& Items() const { return m_items; }

    int MinimumBarWidth = 0; // chart units; the report sets it from its minimum task width
    int MinimumLanes = 1;    // rows of a resource without bars
    // Bars kept in memory beyond the item being read: a chart of millions of occurrences keeps
    // those of its first rows and makes the others again as their rows are drawn.
    size_t KeptBars = size_t{1} << 18;

private:
    void BuildItem(CResourceItem& item) const;
    // Sums the rows before each item, for finding rows by halving.
    void CountRows();
    // Remembers that `item` holds its bars, letting go of the longest-held ones beyond KeptBars.
    void KeepBars(CResourceItem* item) const;
    // The first item whose rows reach past `row` (m_items.size() when none do).
    size_t ItemOfRow(long long row) const;

    ChartPeriod m_period;
    ScaleStep m_columnUnit{};
    int m_columnWidth = 0;
    std::vector<std::unique_ptr<CResourceItem>> m_items;
    std::vector<long long> m_rowEnds; // rows up to and including each item
    // Items holding their bars, the longest-held first, and how many bars they hold.
    mutable std::deque<CResourceItem*> m_held;
    mutable size_t m_heldBars = 0;
};
