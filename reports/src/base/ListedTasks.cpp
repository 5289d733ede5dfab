// Collection and sorting of listed task occurrences.
#include "base/ListedTasks.h"

#include "common/LocaleText.h"
#include "common/SortedLists.h"
#include "common/ValueFormat.h"
#include "plugin/PluginState.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <numeric>

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

uint64_t HashOf(uint64_t key)
{
    // Mixes every bit into the low ones: numbers as OrderedBits differ in their high bits.
    key ^= key >> 33;
    key *= 0xFF51AFD7ED558CCDull;
    key ^= key >> 33;
    key *= 0xC4CEB9FE1A85EC53ull;
    return key ^ (key >> 33);
}

template <class T>
uint64_t HashOf(const T* object)
{
    return HashOf(static_cast<uint64_t>(reinterpret_cast<uintptr_t>(object)));
}

// Numbers the distinct keys in the order they are first met: a table by distinct keys, not by
// items.
template <class Key>
class CDistinctKeys {
public:
    uint32_t IdOf(Key key)
    {
        if (4 * (m_keys.size() + 1) > 3 * m_slots.size())
            Grow();
        const size_t slot = Find(key);
        if (m_slots[slot] == 0) {
            m_keys.push_back(key);
            m_slots[slot] = static_cast<uint32_t>(m_keys.size());
        }
        return m_slots[slot] - 1;
    }

    // The keys by id; the table is gone after (assigning {} would keep its memory).
    std::vector<Key> TakeKeys()
    {
        m_slots = std::vector<uint32_t>();
        return std::move(m_keys);
    }

private:
    // The key's slot, or the empty slot where it belongs.
    size_t Find(Key key) const
    {
        const size_t mask = m_slots.size() - 1;
        size_t slot = static_cast<size_t>(HashOf(key)) & mask;
        while (m_slots[slot] != 0 && !(m_keys[m_slots[slot] - 1] == key))
            slot = (slot + 1) & mask;
        return slot;
    }

    void Grow()
    {
        m_slots.assign(std::max<size_t>(64, 2 * m_slots.size()), 0);
        for (size_t id = 0; id < m_keys.size(); ++id)
            m_slots[Find(m_keys[id])] = static_cast<uint32_t>(id + 1);
    }

    std::vector<Key> m_keys;
    std::vector<uint32_t> m_slots; // id + 1; 0 is empty
};

// The rank of each key in the order `less` gives (0 first, keys neither less than the other
// alike). Each distinct key is ordered once: far fewer comparisons (of texts, say) than sorting
// the items.
template <class Key, class Less>
std::vector<uint32_t> RanksOfKeys(std::vector<Key> keys, Less less)
{
    std::vector<uint32_t> byOrder(keys.size());
    std::iota(byOrder.begin(), byOrder.end(), 0u);
    auto idLess = [&](uint32_t a, uint32_t b) { return less(keys[a], keys[b]); };
    std::sort(byOrder.begin(), byOrder.end(), idLess);
    std::vector<uint32_t> ranks(keys.size());
    uint32_t rank = 0;
    for (size_t k = 0; k < byOrder.size(); ++k) {
        if (k > 0 && idLess(byOrder[k - 1], byOrder[k]))
            ++rank;
        ranks[byOrder[k]] = rank;
    }
    return ranks;
}

// Each item's rank by its key (RanksOfKeys) into `ranks`; returns a bound on the ranks.
template <class KeyOf, class Less>
uint32_t RanksOf(const std::vector<TaskOccurrence>& items, std::vector<uint32_t>& ranks, KeyOf keyOf, Less less)
{
    CDistinctKeys<decltype(keyOf(items.front()))> distinct;
    for (size_t i = 0; i < items.size(); ++i)
        ranks[i] = distinct.IdOf(keyOf(items[i]));
    const std::vector<uint32_t> rankOfId = RanksOfKeys(distinct.TakeKeys(), less);
    for (uint32_t& id : ranks)
        id = rankOfId[id];
    return static_cast<uint32_t>(rankOfId.size());
}

// What a number column compares: duration, working time after having a calendar, costs as
// shown, or a moment.
double ColumnNumber(int column, const TaskOccurrence& o)
{
    switch (column) {
    case 2:
    case 3: {
        const OccurrenceSpan span = GetOccurrenceSpan(o);
        return static_cast<double>(column == 2 ? MomentKey(span.startDay, DayMinute(span.startMinute))
                                               : MomentKey(span.endDay, DayMinute(span.endMinute)));
    }
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

// Each item's rank by the column (texts in the locale's order, equal texts alike) into `ranks`;
// returns a bound on the ranks.
uint32_t ColumnRanks(int column, const std::vector<TaskOccurrence>& items, std::vector<uint32_t>& ranks)
{
    if (column == 0 || column == 7) {
        auto textOf = [column](const wqv2_data::CTask* task) { return column == 0 ? task->Name : task->Note; };
        return RanksOf(
            items, ranks, [](const TaskOccurrence& o) { return static_cast<const wqv2_data::CTask*>(o.task); },
            [&](const wqv2_data::CTask* a, const wqv2_data::CTask* b) {
                return CompareLocaleNoCase(textOf(a), textOf(b)) < 0;
            });
    }
    if (column == 1) {
        return RanksOf(
            items, ranks,
            [](const TaskOccurrence& o) { return static_cast<const wqv2_data::CResource*>(o.task->GetResource()); },
            [](const wqv2_data::CResource* a, const wqv2_data::CResource* b) {
                return CompareLocaleNoCase(a ? a->Name : L"", b ? b->Name : L"") < 0;
            });
    }
    return RanksOf(
        items, ranks, [column](const TaskOccurrence& o) { return OrderedBits(ColumnNumber(column, o)); },
        std::less<uint64_t>());
}

// Turns each item's rank into its place: by rank (the highest first when descending), equal
// ranks in item order.
void PlacesOfRanks(std::vector<uint32_t>& ranks, uint32_t rankBound, bool descending)
{
    std::vector<uint32_t> next(rankBound, 0);
    for (uint32_t rank : ranks)
        ++next[rank];
    uint32_t place = 0;
    for (uint32_t k = 0; k < rankBound; ++k) {
        uint32_t& first = next[descending ? rankBound - 1 - k : k];
        const uint32_t count = first;
        first = place;
        place += count;
    }
    for (uint32_t& rank : ranks)
        rank = next[rank]++;
}

// Moves each item i to places[i], in place; `places`, a permutation, is used up.
void MoveToPlaces(std::vector<TaskOccurrence>& items, std::vector<uint32_t>& places)
{
    for (size_t i = 0; i < items.size(); ++i) {
        while (places[i] != i) {
            const uint32_t to = places[i];
            std::swap(items[i], items[to]);
            std::swap(places[i], places[to]);
        }
    }
}

// Sorts items in board order by the column, equal values in board order: one 4-byte rank an
// item beside the list, and tables by distinct values.
void SortByColumn(int column, int order, std::vector<TaskOccurrence>& items)
{
    std::vector<uint32_t> ranks(items.size());
    const uint32_t rankBound = ColumnRanks(column, items, ranks);
    PlacesOfRanks(ranks, rankBound, order == 1);
    MoveToPlaces(items, ranks);
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

void SortByRank(std::vector<TaskOccurrence>& items, std::vector<uint32_t>& ranks, uint32_t rankBound)
{
    PlacesOfRanks(ranks, rankBound, false);
    MoveToPlaces(items, ranks);
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
