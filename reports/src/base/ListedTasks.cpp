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

// A moment as one number: the day above its minute (0 to 1439), so moments compare by day, then
// minute.
uint64_t MomentKey(TDate day, int minute)
{
    return (static_cast<uint64_t>(static_cast<uint32_t>(day)) << 11) | static_cast<uint64_t>(minute);
}

int CompareKeys(uint64_t a, uint64_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

// One occurrence with what its comparisons need, worked out once before sorting; it names its
// occurrence by position in the collected list, which also keeps equal entries in that order.
struct SortEntry {
    uint64_t start; // MomentKey of the bounds, minutes taken into the day
    uint64_t end;
    // What the column compares, as one number: duration, working time after having a calendar,
    // costs as shown, or the rank of a text.
    double number;
    uint32_t index;
    int position;   // of the resource; 0 without one
};

// The rank of each object's text in the locale's order, equal texts alike: sorting the distinct
// objects once costs far fewer locale comparisons than comparing texts while sorting entries.
template <class T, class TextOf>
std::vector<std::pair<const T*, int>> RankTexts(std::vector<const T*> objects, TextOf textOf)
{
    std::sort(objects.begin(), objects.end(), std::less<const T*>());
    objects.erase(std::unique(objects.begin(), objects.end()), objects.end());
    std::vector<const T*> byText = objects;
    std::sort(byText.begin(), byText.end(),
              [&](const T* a, const T* b) { return CompareLocaleNoCase(textOf(a), textOf(b)) < 0; });
    std::vector<std::pair<const T*, int>> ranks;
    ranks.reserve(byText.size());
    int rank = 0;
    for (size_t i = 0; i < byText.size(); ++i) {
        if (i > 0 && CompareLocaleNoCase(textOf(byText[i - 1]), textOf(byText[i])) != 0)
            ++rank;
        ranks.emplace_back(byText[i], rank);
    }
    std::sort(ranks.begin(), ranks.end(),
              [](const auto& a, const auto& b) { return std::less<const T*>()(a.first, b.first); });
    return ranks;
}

template <class T>
int RankOf(const std::vector<std::pair<const T*, int>>& ranks, const T* object)
{
    const auto found = std::lower_bound(ranks.begin(), ranks.end(), object, [](const auto& entry, const T* key) {
        return std::less<const T*>()(entry.first, key);
    });
    return found != ranks.end() && found->first == object ? found->second : 0;
}

class CColumnOrder {
public:
    CColumnOrder(int column, int order, const std::vector<TaskOccurrence>& items)
        : m_column(column), m_order(order), m_items(items)
    {
    }

    double NumberOf(const TaskOccurrence& o) const
    {
        switch (m_column) {
        case 4:
            return o.task->GetDuration();
        case 5: {
            // Entries without a calendar first: whole minutes stay exact far below this.
            wqv2_data::CResource* resource = o.task->GetResource();
            const double calendar = resource && resource->Calendar ? 17179869184.0 : 0.0; // 2^34
            return calendar + GetOccurrenceWorkingTime(o);
        }
        case 6:
            // Costs that show alike sort alike: a tolerance would not give a strict order.
            return CostsAsShown(GetOccurrenceCosts(o));
        default:
            return 0.0;
        }
    }

    // Only the board position and the bounds order the entries.
    bool ByPositionOnly() const { return m_column == 1 ? m_order == 2 : (m_column < 0 || m_column > 7); }

    // The column compares texts: task names (0), resource names (1 unless by board position)
    // or notes (7).
    bool ComparesText() const { return m_column == 0 || m_column == 7 || (m_column == 1 && m_order != 2); }

    bool operator()(const SortEntry& l, const SortEntry& r) const
    {
        int p = Primary(l, r);
        if (m_order == 1)
            p = -p;
        if (p != 0)
            return p < 0;
        if (const int t = TieBreak(l, r))
            return t < 0;
        return l.index < r.index;
    }

private:
    int Primary(const SortEntry& l, const SortEntry& r) const
    {
        switch (m_column) {
        case 1:
            if (m_order == 2)
                return 0;
            [[fallthrough]];
        case 0:
        case 4:
        case 5:
        case 6:
        case 7:
            return l.number < r.number ? -1 : (r.number < l.number ? 1 : 0);
        case 2:
            return CompareKeys(l.start, r.start);
        case 3:
            return CompareKeys(l.end, r.end);
        default:
            return 0;
        }
    }

    int TieBreak(const SortEntry& l, const SortEntry& r) const
    {
        if (l.position != r.position)
            return l.position < r.position ? -1 : 1;
        if (int c = CompareKeys(l.start, r.start))
            return c;
        if (int c = CompareKeys(l.end, r.end))
            return -c; // the occurrence that ends later first
        const wqv2_data::CTask* taskL = m_items[l.index].task;
        const wqv2_data::CTask* taskR = m_items[r.index].task;
        if (taskL == taskR)
            return 0;
        if (int c = CompareLocaleNoCase(taskL->Name, taskR->Name))
            return c;
        return std::less<const wqv2_data::CTask*>()(taskL, taskR) ? -1 : 1;
    }

    int m_column;
    int m_order;
    const std::vector<TaskOccurrence>& m_items;
};

// Sets the text ranks of the entries for a column that compares texts.
void RankEntries(int column, const std::vector<TaskOccurrence>& items, std::vector<SortEntry>& entries)
{
    if (column == 1) {
        auto resourceOf = [&](const SortEntry& entry) -> const wqv2_data::CResource* {
            return items[entry.index].task->GetResource();
        };
        std::vector<const wqv2_data::CResource*> resources;
        resources.reserve(entries.size());
        for (const SortEntry& entry : entries)
            resources.push_back(resourceOf(entry));
        const auto ranks = RankTexts(std::move(resources), [](const wqv2_data::CResource* resource) {
            return resource ? resource->Name : L"";
        });
        for (SortEntry& entry : entries)
            entry.number = RankOf(ranks, resourceOf(entry));
        return;
    }
    std::vector<const wqv2_data::CTask*> tasks;
    tasks.reserve(entries.size());
    for (const SortEntry& entry : entries)
        tasks.push_back(items[entry.index].task);
    const auto ranks = RankTexts(std::move(tasks), [column](const wqv2_data::CTask* task) {
        return column == 0 ? task->Name : task->Note;
    });
    for (SortEntry& entry : entries)
        entry.number = RankOf(ranks, static_cast<const wqv2_data::CTask*>(items[entry.index].task));
}

// Appends the resource's `count` occurrences in the window (CountTasksInWindow) to `out`;
// returns where they start.
size_t AppendOccurrences(wqv2_data::CFilter* filter, wqv2_data::CResource* resource, int count, TDate d1, int m1,
                         TDate d2, int m2, std::vector<TaskOccurrence>& out)
{
    const size_t first = out.size();
    if (count <= 0)
        return first;
    out.resize(first + static_cast<size_t>(count));
    const int got = resource->GetTasksInWindow(out.data() + first, d1, m1, d2, m2, filter);
    out.resize(first + static_cast<size_t>(std::clamp(got, 0, count)));
    return first;
}

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
    const size_t first = AppendOccurrences(filter, resource, n, d1, m1, d2, m2, out);
    if (!sorted || out.size() - first < 2)
        return;
    std::vector<std::pair<TaskOccurrence, OccurrenceSpan>> keyed;
    keyed.reserve(out.size() - first);
    for (size_t i = first; i < out.size(); ++i)
        keyed.emplace_back(out[i], GetOccurrenceSpan(out[i]));
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
        out[first + i] = keyed[i].first;
}

int CListedTasks::Rebuild(TDate d1, int m1, TDate d2, int m2, int sortColumn, int sortOrder)
{
    m_items.clear();
    m_daySpans.clear();
    wqv2_data::CFilter* filter = GetReportFilter();
    std::vector<wqv2_data::CResource*> resources;
    GetSortedResources(filter, resources, GetDataRoot());
    // Counted first, so the list is made at its size once.
    std::vector<int> counts;
    counts.reserve(resources.size());
    size_t total = 0;
    for (wqv2_data::CResource* resource : resources) {
        counts.push_back(resource ? resource->CountTasksInWindow(d1, m1, d2, m2, filter) : 0);
        total += static_cast<size_t>(std::max(counts.back(), 0));
    }
    m_items.reserve(total);
    for (size_t i = 0; i < resources.size(); ++i) {
        if (resources[i])
            AppendOccurrences(filter, resources[i], counts[i], d1, m1, d2, m2, m_items);
    }
    if (sortColumn >= 0)
        Sort(sortColumn, sortOrder);
    return static_cast<int>(m_items.size());
}

void CListedTasks::Sort(int sortColumn, int sortOrder)
{
    const CColumnOrder order(sortColumn, sortOrder, m_items);
    std::vector<int> positions;
    positions.reserve(m_items.size());
    bool ascending = true;
    for (const TaskOccurrence& o : m_items) {
        wqv2_data::CResource* resource = o.task->GetResource();
        positions.push_back(resource ? resource->Position : 0);
        ascending = ascending && (positions.size() < 2 || positions.back() >= positions[positions.size() - 2]);
    }
    auto entryOf = [&](size_t i) {
        const TaskOccurrence& o = m_items[i];
        const OccurrenceSpan span = GetOccurrenceSpan(o);
        return SortEntry{MomentKey(span.startDay, DayMinute(span.startMinute)),
                         MomentKey(span.endDay, DayMinute(span.endMinute)), order.NumberOf(o),
                         static_cast<uint32_t>(i), positions[i]};
    };
    auto appendSpan = [&](const SortEntry& entry) {
        m_daySpans.push_back({static_cast<uint32_t>(entry.start >> 11), static_cast<int>(entry.start & 2047),
                              static_cast<uint32_t>(entry.end >> 11), static_cast<int>(entry.end & 2047)});
    };
    m_daySpans.reserve(m_items.size());
    std::vector<SortEntry> entries;
    if (order.ByPositionOnly() && ascending) {
        // Collected resource by resource in board order: each run of one position sorts on its
        // own, in a small buffer.
        std::vector<TaskOccurrence> run;
        for (size_t first = 0; first < m_items.size();) {
            size_t last = first + 1;
            while (last < m_items.size() && positions[last] == positions[first])
                ++last;
            entries.clear();
            for (size_t i = first; i < last; ++i)
                entries.push_back(entryOf(i));
            std::sort(entries.begin(), entries.end(), order);
            run.assign(m_items.begin() + static_cast<std::ptrdiff_t>(first),
                       m_items.begin() + static_cast<std::ptrdiff_t>(last));
            for (size_t k = 0; k < entries.size(); ++k) {
                m_items[first + k] = run[entries[k].index - first];
                appendSpan(entries[k]);
            }
            first = last;
        }
        return;
    }
    entries.reserve(m_items.size());
    for (size_t i = 0; i < m_items.size(); ++i)
        entries.push_back(entryOf(i));
    positions = {};
    if (order.ComparesText())
        RankEntries(sortColumn, m_items, entries);
    // Equal entries keep their collected order: the comparison ends on the index.
    std::sort(entries.begin(), entries.end(), order);
    for (const SortEntry& entry : entries)
        appendSpan(entry);
    // The items take their places in place, cycle by cycle; a placed entry points to itself.
    for (size_t k = 0; k < entries.size(); ++k) {
        if (entries[k].index == k)
            continue;
        const TaskOccurrence held = m_items[k];
        for (size_t j = k;;) {
            const size_t from = entries[j].index;
            entries[j].index = static_cast<uint32_t>(j);
            if (from == k) {
                m_items[j] = held;
                break;
            }
            m_items[j] = m_items[from];
            j = from;
        }
    }
}
