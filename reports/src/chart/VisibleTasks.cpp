// Rows and lanes of the schedule chart.
#include "chart/VisibleTasks.h"

#include "base/ListedTasks.h"
#include "common/SortedLists.h"
#include "plugin/PluginState.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace {

// The wait cursor while the rows are built; the previous cursor comes back on every path.
class CWaitCursor {
public:
    CWaitCursor() : m_previous(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { SetCursor(m_previous); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR m_previous;
};

long long Key(const TDateTime& t)
{
    return static_cast<long long>(static_cast<uint32_t>(t.date)) * 1440 + t.time.minutes;
}

bool BarBefore(const ChartBar& a, int lane, int x)
{
    return a.lane < lane || (a.lane == lane && a.startX < x);
}

} // namespace

void CVisibleTasks::Build(const ChartPeriod& period, ScaleStep columnUnit, int columnWidth)
{
    CWaitCursor wait;
    m_held.clear();
    m_heldBars = 0;
    m_items.clear();
    m_period = period;
    m_columnUnit = columnUnit;
    m_columnWidth = columnWidth;
    std::vector<wqv2_data::CResource*> resources;
    if (wqv2_data::CData* root = GetDataRoot())
        GetSortedResources(GetReportFilter(), resources, root);
    for (wqv2_data::CResource* resource : resources) {
        auto item = std::make_unique<CResourceItem>();
        item->resource = resource;
        BuildItem(*item);
        item->barCount = item->bars.size();
        // The first rows keep their bars: a chart is drawn from its top.
        if (m_heldBars + item->barCount <= KeptBars) {
            if (item->barCount > 0) {
                m_held.push_back(item.get());
                m_heldBars += item->barCount;
            }
        } else {
            std::vector<ChartBar>().swap(item->bars);
        }
        m_items.push_back(std::move(item));
    }
    CountRows();
}

void CVisibleTasks::BuildItem(CResourceItem& item) const
{
    const ChartPeriod& period = m_period;
    const ScaleStep columnUnit = m_columnUnit;
    const int columnWidth = m_columnWidth;
    item.bars.clear();
    const bool* mask = period.weekdays.data();
    const int startMinute = ((period.start.time.minutes % 1440) + 1440) % 1440;
    const int endMinute = ((period.end.time.minutes % 1440) + 1440) % 1440;
    // Occurrences are collected from where the columns start: a period that starts on a hidden
    // weekday or in hidden time starts its columns at the next visible minute, which may be
    // earlier in its day than the period's own minute (the window start of the next visible day).
    const TDateTime columnsStart = NextVisibleMoment(TDateTime(period.start.date, startMinute, false), columnUnit,
                                                     period.dailyFrom, period.dailyTo, mask);
    const TDate first = columnsStart.date;
    const int firstMinute = columnsStart.time.minutes;
    TDate last = period.end.date;
    if (endMinute == 0) {
        // The period ends at 24:00 of the day before for the weekday check.
        last -= 1;
        MoveToVisibleDay(mask, last, false);
        last += 1;
    } else {
        MoveToVisibleDay(mask, last, false);
    }
    item.laneCount = MinimumLanes;
    const TDateTime windowStart(first, firstMinute, false);
    const TDateTime windowEnd(last, endMinute, false);
    const int m = GetStepMinutes(columnUnit);
    if (Key(windowEnd) <= Key(windowStart) || m <= 0)
        return;
    int from = period.dailyFrom;
    int to = period.dailyTo;
    NormalizeDailyRange(columnUnit, from, to);

    std::vector<TaskOccurrence> occurrences;
    CollectOccurrences(GetReportFilter(), item.resource, first, firstMinute, last, endMinute, true, occurrences);
    // Bars are measured from the period's own start: hidden time before it has no minutes.
    const TDateTime origin(period.start.date, startMinute, false);
    std::vector<int> laneEnds;
    item.bars.reserve(occurrences.size());
    for (const TaskOccurrence& o : occurrences) {
        const OccurrenceSpan span = GetOccurrenceSpan(o);
        const TDateTime start(span.startDay, span.startMinute, false);
        const TDateTime end(span.endDay, span.endMinute, false);
        const int f = VisibleMinutesBetween(start, origin, from, to, mask);
        const int g = VisibleMinutesBetween(end, origin, from, to, mask);
        if (f == g && !IsVisibleTime(to, mask, start, from))
            continue;
        ChartBar bar;
        bar.day = static_cast<uint32_t>(o.day);
        bar.task = o.task;
        bar.startX = StripX(f, 0, columnWidth, m, 0);
        bar.endX = StripX(g, 0, columnWidth, m, 0);
        if (bar.endX - bar.startX < MinimumBarWidth)
            bar.endX = bar.startX + MinimumBarWidth;
        size_t lane = 0;
        while (lane < laneEnds.size() && laneEnds[lane] > bar.startX)
            ++lane;
        if (lane == laneEnds.size())
            laneEnds.push_back(bar.endX);
        else
            laneEnds[lane] = bar.endX;
        bar.lane = static_cast<int>(lane);
        item.bars.push_back(bar);
    }
    // Equal keys keep their insertion order: both bars stay, the earlier first.
    std::stable_sort(item.bars.begin(), item.bars.end(), [](const ChartBar& a, const ChartBar& b) {
        if (a.lane != b.lane)
            return a.lane < b.lane;
        if (a.startX != b.startX)
            return a.startX < b.startX;
        return a.endX < b.endX;
    });
    item.laneCount = std::max(MinimumLanes, static_cast<int>(laneEnds.size()));
}

void CVisibleTasks::RemoveEmptyItems()
{
    m_items.erase(std::remove_if(m_items.begin(), m_items.end(), [](const auto& item) { return item->barCount == 0; }),
                  m_items.end());
    CountRows();
}

void CVisibleTasks::CountRows()
{
    m_rowEnds.clear();
    m_rowEnds.reserve(m_items.size());
    long long rows = 0;
    for (const auto& item : m_items) {
        rows += std::max(0, item->laneCount);
        m_rowEnds.push_back(rows);
    }
}

size_t CVisibleTasks::ItemOfRow(long long row) const
{
    return static_cast<size_t>(std::upper_bound(m_rowEnds.begin(), m_rowEnds.end(), row) - m_rowEnds.begin());
}

void CVisibleTasks::KeepBars(CResourceItem* item) const
{
    m_held.push_back(item);
    m_heldBars += item->bars.size();
    while (m_heldBars > KeptBars && m_held.front() != item) {
        CResourceItem* oldest = m_held.front();
        m_held.pop_front();
        m_heldBars -= oldest->bars.size();
        std::vector<ChartBar>().swap(oldest->bars);
    }
}

int CVisibleTasks::GetRowCount() const
{
    return static_cast<int>(std::min<long long>(m_rowEnds.empty() ? 0 : m_rowEnds.back(), INT_MAX));
}

const CResourceItem* CVisibleTasks::FindRow(int row, int& lane) const
{
    lane = 0;
    if (row < 0)
        return nullptr;
    const size_t i = ItemOfRow(row);
    if (i >= m_items.size())
        return nullptr;
    CResourceItem* item = m_items[i].get();
    lane = static_cast<int>(row - (i > 0 ? m_rowEnds[i - 1] : 0));
    if (item->bars.size() != item->barCount) {
        BuildItem(*item);
        item->barCount = item->bars.size();
        KeepBars(item);
    }
    return item;
}

int CVisibleTasks::GetItemsInRows(int first, int last, std::vector<const CResourceItem*>& out) const
{
    for (size_t i = ItemOfRow(std::max(first, 0)); i < m_items.size(); ++i) {
        if ((i > 0 ? m_rowEnds[i - 1] : 0) > last)
            break;
        if (m_items[i]->laneCount > 0)
            out.push_back(m_items[i].get());
    }
    return static_cast<int>(out.size());
}

int CVisibleTasks::GetBarsInLane(const CResourceItem& item, std::vector<const ChartBar*>& out, int lane, int fromX,
                                 int toX)
{
    const auto& bars = item.bars;
    // Bars of the lane that start before fromX: taken when they reach past it.
    auto laneBegin = std::lower_bound(bars.begin(), bars.end(), lane,
                                      [](const ChartBar& b, int l) { return b.lane < l; });
    auto fromBound = std::lower_bound(laneBegin, bars.end(), fromX,
                                      [lane](const ChartBar& b, int x) { return BarBefore(b, lane, x); });
    for (auto it = laneBegin; it != fromBound; ++it)
        if (it->endX > fromX)
            out.push_back(&*it);
    // Bars that start in [fromX, toX), whatever their length (a bar always ends after its start
    // unless it is empty, which the contract leaves out).
    for (auto it = fromBound; it != bars.end() && it->lane == lane && it->startX < toX; ++it)
        if (it->endX > fromX)
            out.push_back(&*it);
    return static_cast<int>(out.size());
}
