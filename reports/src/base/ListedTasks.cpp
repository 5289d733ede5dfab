// Collection and sorting of listed task occurrences.
#include "base/ListedTasks.h"

#include "common/LocaleText.h"
#include "common/SortedLists.h"
#include "common/ValueFormat.h"
#include "plugin/PluginState.h"

#include <algorithm>
#include <cmath>
#include <cstring>
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

// One occurrence of a run of one board position with what ordering it needs, worked out once
// before sorting; it names its occurrence by position in the collected list, which also keeps
// equal entries in that order.
struct RunEntry {
    uint64_t start; // MomentKey of the bounds, minutes taken into the day
    uint64_t end;
    uint32_t index;
};

int PositionOf(const TaskOccurrence& o)
{
    wqv2_data::CResource* resource = o.task->GetResource();
    return resource ? resource->Position : 0;
}

// The order of equal board positions: start, the later end first, name, then the task itself,
// then the collected order.
class CPositionOrder {
public:
    explicit CPositionOrder(const std::vector<TaskOccurrence>& items) : m_items(items) {}

    bool operator()(const RunEntry& l, const RunEntry& r) const
    {
        if (l.start != r.start)
            return l.start < r.start;
        if (l.end != r.end)
            return l.end > r.end;
        const wqv2_data::CTask* taskL = m_items[l.index].task;
        const wqv2_data::CTask* taskR = m_items[r.index].task;
        if (taskL != taskR) {
            if (int c = CompareLocaleNoCase(taskL->Name, taskR->Name))
                return c < 0;
            return std::less<const wqv2_data::CTask*>()(taskL, taskR);
        }
        return l.index < r.index;
    }

private:
    const std::vector<TaskOccurrence>& m_items;
};

RunEntry RunEntryOf(const std::vector<TaskOccurrence>& items, size_t i)
{
    const OccurrenceSpan span = GetOccurrenceSpan(items[i]);
    return {MomentKey(span.startDay, DayMinute(span.startMinute)), MomentKey(span.endDay, DayMinute(span.endMinute)),
            static_cast<uint32_t>(i)};
}

// Puts the items in board order: by position, then CPositionOrder. Collected resource by
// resource in board order, each run of one position sorts on its own, in a small buffer.
void SortByPosition(std::vector<TaskOccurrence>& items)
{
    // Where each run of one position starts: as many as resources, not items.
    std::vector<size_t> starts;
    auto findRuns = [&] {
        starts.clear();
        bool ascending = true;
        int previous = 0;
        for (size_t i = 0; i < items.size(); ++i) {
            const int position = PositionOf(items[i]);
            if (i == 0 || position != previous) {
                ascending = ascending && (i == 0 || previous < position);
                starts.push_back(i);
                previous = position;
            }
        }
        starts.push_back(items.size());
        return ascending;
    };
    if (!findRuns()) {
        // Stable, so each position's items keep their collected order.
        std::stable_sort(items.begin(), items.end(),
                         [](const TaskOccurrence& a, const TaskOccurrence& b) { return PositionOf(a) < PositionOf(b); });
        findRuns();
    }
    const CPositionOrder order(items);
    std::vector<RunEntry> entries;
    std::vector<TaskOccurrence> run;
    for (size_t r = 0; r + 1 < starts.size(); ++r) {
        const size_t first = starts[r];
        const size_t last = starts[r + 1];
        if (last - first < 2)
            continue;
        entries.clear();
        for (size_t i = first; i < last; ++i)
            entries.push_back(RunEntryOf(items, i));
        std::sort(entries.begin(), entries.end(), order);
        run.assign(items.begin() + static_cast<std::ptrdiff_t>(first), items.begin() + static_cast<std::ptrdiff_t>(last));
        for (size_t k = 0; k < entries.size(); ++k)
            items[first + k] = run[entries[k].index - first];
    }
}

// A number as a key that orders as the number does, -0 as 0.
uint64_t OrderedBits(double value)
{
    if (value == 0.0)
        value = 0.0;
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return (bits & 0x8000000000000000ull) ? ~bits : bits | 0x8000000000000000ull;
}

double NumberOfBits(uint64_t key)
{
    const uint64_t bits = (key & 0x8000000000000000ull) ? key & ~0x8000000000000000ull : ~key;
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The rank of each object's text in the locale's order, equal texts alike: sorting the distinct
// objects once costs far fewer locale comparisons than comparing texts while sorting entries.
// `objects` holds each object once.
template <class T, class TextOf>
std::vector<std::pair<const T*, int>> RankTexts(std::vector<const T*> objects, TextOf textOf)
{
    std::sort(objects.begin(), objects.end(),
              [&](const T* a, const T* b) { return CompareLocaleNoCase(textOf(a), textOf(b)) < 0; });
    std::vector<std::pair<const T*, int>> ranks;
    ranks.reserve(objects.size());
    int rank = 0;
    for (size_t i = 0; i < objects.size(); ++i) {
        if (i > 0 && CompareLocaleNoCase(textOf(objects[i - 1]), textOf(objects[i])) != 0)
            ++rank;
        ranks.emplace_back(objects[i], rank);
    }
    objects = {};
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

// The distinct objects of the items, gathered in `scratch` (as large as the items): no list of
// one pointer per item beside it.
template <class T, class ObjectOf>
std::vector<const T*> DistinctObjects(const std::vector<TaskOccurrence>& items, std::vector<uint64_t>& scratch,
                                      ObjectOf objectOf)
{
    for (size_t i = 0; i < items.size(); ++i)
        scratch[i] = reinterpret_cast<uintptr_t>(objectOf(items[i]));
    std::sort(scratch.begin(), scratch.end());
    const auto last = std::unique(scratch.begin(), scratch.end());
    std::vector<const T*> objects;
    objects.reserve(static_cast<size_t>(last - scratch.begin()));
    for (auto it = scratch.begin(); it != last; ++it)
        objects.push_back(reinterpret_cast<const T*>(static_cast<uintptr_t>(*it)));
    return objects;
}

// What a column compares, as one number for each item (duration, working time after having a
// calendar, costs as shown, a moment, or the rank of a text), as OrderedBits into `keys`.
void ColumnKeys(int column, int order, const std::vector<TaskOccurrence>& items, std::vector<uint64_t>& keys)
{
    const bool byResourceName = column == 1 && order != 2;
    if (column == 0 || column == 7) {
        const auto ranks = RankTexts(DistinctObjects<wqv2_data::CTask>(items, keys, [](const TaskOccurrence& o) {
                                         return static_cast<const wqv2_data::CTask*>(o.task);
                                     }),
                                     [column](const wqv2_data::CTask* task) { return column == 0 ? task->Name : task->Note; });
        for (size_t i = 0; i < items.size(); ++i)
            keys[i] = OrderedBits(RankOf(ranks, static_cast<const wqv2_data::CTask*>(items[i].task)));
        return;
    }
    if (byResourceName) {
        auto resourceOf = [](const TaskOccurrence& o) {
            return static_cast<const wqv2_data::CResource*>(o.task->GetResource());
        };
        const auto ranks = RankTexts(DistinctObjects<wqv2_data::CResource>(items, keys, resourceOf),
                                     [](const wqv2_data::CResource* resource) {
                                         return resource ? resource->Name : L"";
                                     });
        for (size_t i = 0; i < items.size(); ++i)
            keys[i] = OrderedBits(RankOf(ranks, resourceOf(items[i])));
        return;
    }
    for (size_t i = 0; i < items.size(); ++i) {
        const TaskOccurrence& o = items[i];
        double number = 0.0;
        switch (column) {
        case 2:
        case 3: {
            const OccurrenceSpan span = GetOccurrenceSpan(o);
            number = static_cast<double>(column == 2 ? MomentKey(span.startDay, DayMinute(span.startMinute))
                                                     : MomentKey(span.endDay, DayMinute(span.endMinute)));
            break;
        }
        case 4:
            number = o.task->GetDuration();
            break;
        case 5: {
            // Entries without a calendar first: whole minutes stay exact far below this.
            wqv2_data::CResource* resource = o.task->GetResource();
            const double calendar = resource && resource->Calendar ? 17179869184.0 : 0.0; // 2^34
            number = calendar + GetOccurrenceWorkingTime(o);
            break;
        }
        case 6:
            // Costs that show alike sort alike: a tolerance would not give a strict order.
            number = CostsAsShown(GetOccurrenceCosts(o));
            break;
        default:
            break;
        }
        keys[i] = OrderedBits(number);
    }
}

// Sorts items in board order by the column's number, equal numbers in board order.
void SortByColumn(int column, int order, std::vector<TaskOccurrence>& items)
{
    std::vector<uint64_t> keys(items.size());
    ColumnKeys(column, order, items, keys);
    const bool descending = order == 1;
    // Whole numbers within 2^32 of each other share one word with the board index: one plain
    // sort of words, no lookups.
    bool whole = true;
    double low = 0.0;
    double high = 0.0;
    for (size_t i = 0; i < keys.size() && whole; ++i) {
        const double number = NumberOfBits(keys[i]);
        whole = std::isfinite(number) && std::trunc(number) == number && std::fabs(number) < 9007199254740992.0;
        low = i == 0 ? number : std::min(low, number);
        high = i == 0 ? number : std::max(high, number);
    }
    if (whole && high - low < 4294967296.0 && items.size() <= UINT32_MAX) {
        for (size_t i = 0; i < keys.size(); ++i) {
            const double number = NumberOfBits(keys[i]);
            const auto word = static_cast<uint64_t>(descending ? high - number : number - low);
            keys[i] = (word << 32) | i;
        }
        std::sort(keys.begin(), keys.end());
        for (uint64_t& key : keys)
            key &= 0xFFFFFFFFu;
        ApplyOrder(items, keys);
        return;
    }
    std::vector<uint32_t> order32(items.size());
    for (size_t i = 0; i < order32.size(); ++i)
        order32[i] = static_cast<uint32_t>(i);
    std::sort(order32.begin(), order32.end(), [&](uint32_t a, uint32_t b) {
        if (keys[a] != keys[b])
            return descending ? keys[b] < keys[a] : keys[a] < keys[b];
        return a < b;
    });
    keys = {};
    ApplyOrder(items, order32);
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

template <class Index>
void ApplyOrderOf(std::vector<TaskOccurrence>& items, std::vector<Index>& sources)
{
    // Cycle by cycle, in place; a placed entry points to itself.
    for (size_t k = 0; k < sources.size() && k < items.size(); ++k) {
        if (sources[k] == k)
            continue;
        const TaskOccurrence held = items[k];
        for (size_t j = k;;) {
            const size_t from = static_cast<size_t>(sources[j]);
            sources[j] = static_cast<Index>(j);
            if (from == k) {
                items[j] = held;
                break;
            }
            items[j] = items[from];
            j = from;
        }
    }
}

} // namespace

void ApplyOrder(std::vector<TaskOccurrence>& items, std::vector<uint64_t>& sources)
{
    ApplyOrderOf(items, sources);
}

void ApplyOrder(std::vector<TaskOccurrence>& items, std::vector<uint32_t>& sources)
{
    ApplyOrderOf(items, sources);
}

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
    SortByPosition(m_items);
    // Only the board position and the bounds order the entries.
    const bool byPositionOnly = sortColumn == 1 ? sortOrder == 2 : (sortColumn < 0 || sortColumn > 7);
    if (!byPositionOnly)
        SortByColumn(sortColumn, sortOrder, m_items);
}
