// Rows and bars of the board.
#include "BoardLayout.h"

#include <algorithm>

void ProjectPeriod(wqv2_data::CData* root, TDate& first, TDate& last)
{
    first = TDate();
    last = first;
    last += 28;
    if (!root || !root->ProjectSettings)
        return;
    const TDate start = root->ProjectSettings->DateStart;
    const TDate end = root->ProjectSettings->DateEnd;
    if (start.IsReal() && end.IsReal() && end >= start) {
        first = start;
        last = end;
    }
}

int CBoardLayout::X(TDate day, int minute) const
{
    const long long minutes = (static_cast<long long>(day) - static_cast<long long>(firstDay)) * 1440 + minute;
    return static_cast<int>(minutes * dayWidth / 1440);
}

void CBoardLayout::Build(wqv2_data::CData* root, wqv2_data::CFilter* filter, TDate first, int chartWidth)
{
    rows.clear();
    firstDay = first;
    TDate periodFirst;
    TDate periodLast;
    ProjectPeriod(root, periodFirst, periodLast);
    const int periodDays = static_cast<int>(periodLast - periodFirst) + 1;
    dayWidth = std::max(kMinDayWidth, chartWidth / std::max(periodDays, 1));
    days = std::max(1, (chartWidth + dayWidth - 1) / dayWidth);
    if (!root || !root->Resources)
        return;

    const int count = root->Resources->GetCount(filter);
    std::vector<wqv2_data::CResource*> resources(static_cast<size_t>(std::max(count, 0)));
    if (count > 0)
        resources.resize(static_cast<size_t>(std::clamp(root->Resources->GetAll(resources.data(), filter), 0, count)));
    std::stable_sort(resources.begin(), resources.end(),
                     [](const auto* a, const auto* b) { return a->Position < b->Position; });

    TDate end = firstDay;
    end += days;
    for (wqv2_data::CResource* resource : resources) {
        CBoardRow row;
        row.name = resource->Name ? resource->Name : L"";
        row.background = resource->ColorLabelBk;
        const int n = resource->CountTasksInWindow(firstDay, 0, end, 0, filter);
        std::vector<wqv2_data::TaskOccurrence> occurrences(static_cast<size_t>(std::max(n, 0)));
        if (n > 0)
            occurrences.resize(static_cast<size_t>(
                std::clamp(resource->GetTasksInWindow(occurrences.data(), firstDay, 0, end, 0, filter), 0, n)));
        for (const wqv2_data::TaskOccurrence& occurrence : occurrences) {
            const wqv2_data::CTask* task = occurrence.task;
            if (!task)
                continue;
            CBoardBar bar;
            const TDate day(static_cast<uint32_t>(occurrence.day));
            bar.left = X(day, task->TimeStart);
            if (day == task->DateStart) {
                bar.right = X(task->DateEnd, task->TimeEnd);
            } else {
                // An occurrence of a series lasts as long as its template.
                const int duration = const_cast<wqv2_data::CTask*>(task)->GetDuration();
                bar.right = X(day, task->TimeStart + std::max(duration, 0));
            }
            bar.right = std::max(bar.right, bar.left + 2);
            bar.text = task->Name ? task->Name : L"";
            bar.background = task->ColorBk;
            bar.foreground = task->ColorFg;
            row.bars.push_back(std::move(bar));
        }
        rows.push_back(std::move(row));
    }
}
