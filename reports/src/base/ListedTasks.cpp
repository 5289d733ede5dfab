// Collection and sorting of listed task occurrences.
#include "base/ListedTasks.h"

#include "common/LocaleText.h"
#include "common/SortedLists.h"
#include "common/ValueFormat.h"
#include "plugin/PluginState.h"

#include <algorithm>
#include <functional>

namespace {

int DayMinute(int minute)
{
    const int r = minute % 1440;
    return r < 0 ? r + 1440 : r;
}

int Sign(long long v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

// Day first, then minute.
int CompareMoments(TDate dayA, int minuteA, TDate dayB, int minuteB)
{
    if (dayA != dayB)
        return static_cast<uint32_t>(dayA) < static_cast<uint32_t>(dayB) ? -1 : 1;
    return Sign(static_cast<long long>(minuteA) - minuteB);
}

int CompareAsciiNoCase(const wchar_t* a, const wchar_t* b)
{
    a = a ? a : L"";
    b = b ? b : L"";
    auto fold = [](wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; };
    for (;; ++a, ++b) {
        const wchar_t x = fold(*a);
        const wchar_t y = fold(*b);
        if (x != y)
            return x < y ? -1 : 1;
        if (!x)
            return 0;
    }
}

// One occurrence with the values its comparisons need, computed once before sorting.
struct SortEntry {
    TaskOccurrence occurrence;
    OccurrenceSpan span; // minutes modulo 1440
    wqv2_data::CResource* resource;
    double number;       // duration, working time or costs by the column
    bool hasCalendar;
};

class CColumnOrder {
public:
    CColumnOrder(int column, int order) : m_column(column), m_order(order) {}

    double NumberOf(const TaskOccurrence& o) const
    {
        switch (m_column) {
        case 4:
            return o.task->GetDuration();
        case 5:
            return GetOccurrenceWorkingTime(o);
        case 6:
            // Costs that show alike sort alike: a tolerance would not give a strict order.
            return CostsAsShown(GetOccurrenceCosts(o));
        default:
            return 0.0;
        }
    }

    bool operator()(const SortEntry& l, const SortEntry& r) const
    {
        int p = Primary(l, r);
        if (m_order == 1)
            p = -p;
        if (p != 0)
            return p < 0;
        return TieBreak(l, r) < 0;
    }

private:
    int Primary(const SortEntry& l, const SortEntry& r) const
    {
        switch (m_column) {
        case 0:
            return CompareLocaleNoCase(l.occurrence.task->Name, r.occurrence.task->Name);
        case 1:
            if (m_order == 2)
                return 0;
            return CompareLocaleNoCase(l.resource ? l.resource->Name : L"", r.resource ? r.resource->Name : L"");
        case 2:
            return CompareMoments(l.span.startDay, l.span.startMinute, r.span.startDay, r.span.startMinute);
        case 3:
            return CompareMoments(l.span.endDay, l.span.endMinute, r.span.endDay, r.span.endMinute);
        case 4:
            return Sign(static_cast<long long>(l.number) - static_cast<long long>(r.number));
        case 5:
            if (l.hasCalendar != r.hasCalendar)
                return l.hasCalendar ? 1 : -1;
            return Sign(static_cast<long long>(l.number) - static_cast<long long>(r.number));
        case 6:
            return l.number < r.number ? -1 : (r.number < l.number ? 1 : 0);
        case 7:
            return CompareLocaleNoCase(l.occurrence.task->Note, r.occurrence.task->Note);
        default:
            return 0;
        }
    }

    static int TieBreak(const SortEntry& l, const SortEntry& r)
    {
        const int positionL = l.resource ? l.resource->Position : 0;
        const int positionR = r.resource ? r.resource->Position : 0;
        if (positionL != positionR)
            return positionL < positionR ? -1 : 1;
        if (int c = CompareMoments(l.span.startDay, l.span.startMinute, r.span.startDay, r.span.startMinute))
            return c;
        if (int c = CompareMoments(l.span.endDay, l.span.endMinute, r.span.endDay, r.span.endMinute))
            return -c; // the occurrence that ends later first
        if (int c = CompareLocaleNoCase(l.occurrence.task->Name, r.occurrence.task->Name))
            return c;
        if (l.occurrence.task != r.occurrence.task)
            return std::less<const wqv2_data::CTask*>()(l.occurrence.task, r.occurrence.task) ? -1 : 1;
        return 0;
    }

    int m_column;
    int m_order;
};

} // namespace

bool IsSeriesTemplate(const wqv2_data::CTask* task)
{
    return task && !task->Owner && task->Recurrence;
}

OccurrenceSpan GetOccurrenceSpan(const TaskOccurrence& occurrence)
{
    wqv2_data::CTask* task = occurrence.task;
    if (!IsSeriesTemplate(task))
        return {task->DateStart, task->TimeStart, task->DateEnd, task->TimeEnd};
    const TDate day = static_cast<uint32_t>(occurrence.day);
    int endMinute = 0;
    const TDate endDay = task->Recurrence->GetOccurrenceEnd(day, &endMinute);
    return {day, task->Recurrence->TimeStart, endDay, endMinute};
}

int GetOccurrenceWorkingTime(const TaskOccurrence& occurrence)
{
    wqv2_data::CTask* task = occurrence.task;
    if (!IsSeriesTemplate(task))
        return task->GetWorkDuration();
    wqv2_data::CResource* resource = task->GetResource();
    if (!resource || !resource->Calendar)
        return task->GetDuration();
    const OccurrenceSpan span = GetOccurrenceSpan(occurrence);
    return resource->Calendar->WorkingMinutes(span.startDay, span.startMinute, span.endDay, span.endMinute);
}

double GetOccurrenceCosts(const TaskOccurrence& occurrence)
{
    wqv2_data::CTask* task = occurrence.task;
    if (!IsSeriesTemplate(task))
        return task->GetCosts(0, 0, 0, 0);
    const OccurrenceSpan span = GetOccurrenceSpan(occurrence);
    return task->GetCosts(span.startDay, span.startMinute, span.endDay, span.endMinute);
}

void CollectOccurrences(wqv2_data::CFilter* filter, wqv2_data::CResource* resource, TDate d1, int m1, TDate d2, int m2,
                        bool sorted, std::vector<TaskOccurrence>& out)
{
    if (!resource)
        return;
    const int n = resource->CountTasksInWindow(d1, m1, d2, m2, filter);
    if (n <= 0)
        return;
    std::vector<TaskOccurrence> buffer(static_cast<size_t>(n));
    const int got = resource->GetTasksInWindow(buffer.data(), d1, m1, d2, m2, filter);
    buffer.resize(static_cast<size_t>(std::clamp(got, 0, n)));
    if (sorted) {
        std::vector<std::pair<TaskOccurrence, OccurrenceSpan>> keyed;
        keyed.reserve(buffer.size());
        for (const TaskOccurrence& o : buffer)
            keyed.emplace_back(o, GetOccurrenceSpan(o));
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
            const OccurrenceSpan& x = a.second;
            const OccurrenceSpan& y = b.second;
            if (x.startDay != y.startDay)
                return static_cast<uint32_t>(x.startDay) < static_cast<uint32_t>(y.startDay);
            if (x.startMinute != y.startMinute)
                return x.startMinute < y.startMinute;
            if (x.endDay != y.endDay)
                return static_cast<uint32_t>(x.endDay) > static_cast<uint32_t>(y.endDay);
            if (x.endMinute != y.endMinute)
                return x.endMinute > y.endMinute;
            return CompareAsciiNoCase(a.first.task->Name, b.first.task->Name) < 0;
        });
        for (size_t i = 0; i < keyed.size(); ++i)
            buffer[i] = keyed[i].first;
    }
    out.insert(out.end(), buffer.begin(), buffer.end());
}

int CListedTasks::Rebuild(TDate d1, int m1, TDate d2, int m2, int sortColumn, int sortOrder)
{
    m_items.clear();
    m_daySpans.clear();
    wqv2_data::CFilter* filter = GetReportFilter();
    std::vector<wqv2_data::CResource*> resources;
    GetSortedResources(filter, resources, GetDataRoot());
    std::vector<TaskOccurrence> found;
    for (wqv2_data::CResource* resource : resources)
        CollectOccurrences(filter, resource, d1, m1, d2, m2, false, found);
    if (sortColumn >= 0) {
        const CColumnOrder order(sortColumn, sortOrder);
        std::vector<SortEntry> entries;
        entries.reserve(found.size());
        for (const TaskOccurrence& o : found) {
            OccurrenceSpan span = GetOccurrenceSpan(o);
            span.startMinute = DayMinute(span.startMinute);
            span.endMinute = DayMinute(span.endMinute);
            wqv2_data::CResource* resource = o.task->GetResource();
            entries.push_back({o, span, resource, order.NumberOf(o), resource && resource->Calendar});
        }
        std::stable_sort(entries.begin(), entries.end(), order);
        m_daySpans.resize(entries.size());
        for (size_t i = 0; i < entries.size(); ++i) {
            found[i] = entries[i].occurrence;
            m_daySpans[i] = entries[i].span;
        }
    }
    m_items = std::move(found);
    return static_cast<int>(m_items.size());
}
