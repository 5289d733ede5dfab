// Recurring series: fields, template, skipped days and their part in the transaction.
#include "RecurrenceInt.h"

#include "Guard.h"
#include "Library.h"
#include "Minutes.h"
#include "RecurrencesInt.h"
#include "TaskInt.h"
#include "TasksInt.h"
#include "Transaction.h"
#include "UndoInfo.h"

#include "TDateTime.h"

#include <algorithm>

using namespace wqv2_data;

CRecurrenceInt::CRecurrenceInt(CData* data, CRecurrences* owner) : CObjectBase(kKindRecurrence)
{
    Data = data;
    Owner = owner;
    auto task = std::make_unique<CTaskInt>(data, nullptr);
    task->ID = -1;
    task->Recurrence = this;
    Task = task.release();
}

CRecurrenceInt::~CRecurrenceInt() { delete static_cast<CTaskInt*>(Task); }

CTaskInt* CRecurrenceInt::TemplateInt() const { return static_cast<CTaskInt*>(Task); }

CRecurrencesInt* CRecurrenceInt::OwnerInt() const { return static_cast<CRecurrencesInt*>(Owner); }

CResource* CRecurrenceInt::Resource() const { return Owner ? Owner->Resource : nullptr; }

TDate CRecurrenceInt::GetOccurrenceEnd(TDate day, int* outMinute)
{
    TDateTime end(day, MinuteOfDay(TimeStart), false);
    end.AddMinutes(DurationMinutes());
    if (outMinute)
        *outMinute = end.time.minutes;
    return end.date;
}

CRecurrencePatternBase* CRecurrenceInt::ActivePattern()
{
    switch (Frequency) {
    case kDaily:
        return &m_daily;
    case kWeekly:
        return &m_weekly;
    case kMonthly:
        return &m_monthly;
    case kYearly:
        return &m_yearly;
    default:
        return nullptr;
    }
}

bool CRecurrenceInt::UpdateRange()
{
    m_cache.Invalidate();
    CRecurrencePatternBase* pattern = ActivePattern();
    return pattern ? Guarded(false, [&] { return pattern->ComputeRange(); }) : false;
}

TDate CRecurrenceInt::GetFirstDay()
{
    CRecurrencePatternBase* pattern = ActivePattern();
    if (!pattern)
        return 0u;
    const uint32_t first = pattern->FirstDay();
    const uint32_t last = pattern->LastDay();
    return last > TDate::kEmpty && last < first ? 0u : first;
}

TDate CRecurrenceInt::GetLastDay()
{
    CRecurrencePatternBase* pattern = ActivePattern();
    if (!pattern)
        return 0u;
    const uint32_t first = pattern->FirstDay();
    const uint32_t last = pattern->LastDay();
    return last > TDate::kEmpty && last < first ? 0u : last;
}

std::vector<TDate> CRecurrenceInt::CollectOccurrences(TDate d1, int m1, TDate d2, int m2, CFilter* filter, bool includeRunning)
{
    // The filter is asked before anything else: a hidden series has no occurrences at all,
    // also for a window the cache holds.
    if (filter && (filter->IsResourceHidden(Task->GetResource()) || filter->IsTaskHidden(Task)))
        return {};
    if (m_cache.MatchesWindow(d1, m1, d2, m2, includeRunning))
        return m_cache.days;
    std::vector<TDate> days;
    if (ComputeOccurrences(d1, m1, d2, m2, includeRunning, days)) {
        m_cache.SetKey(d1, m1, d2, m2);
        m_cache.includeRunning = includeRunning;
        m_cache.days = days;
        m_cache.SetValid(true);
    }
    return days;
}

bool CRecurrenceInt::ComputeOccurrences(TDate d1, int m1, TDate d2, int m2, bool includeRunning, std::vector<TDate>& days)
{
    CRecurrencePatternBase* pattern = ActivePattern();
    if (!pattern)
        return false;
    const long long duration = DurationMinutes();
    const long long timeStart = MinuteOfDay(TimeStart);
    // The reference point: an occurrence counts when it starts after it, or exactly at it with
    // no duration. With running occurrences it lies one duration before the window's start.
    long long reference = Stamp(d1, m1);
    if (includeRunning)
        reference -= duration;
    long long from = reference / kMinutesPerDay;
    long long referenceMinute = reference % kMinutesPerDay;
    if (referenceMinute < 0) {
        --from;
        referenceMinute += kMinutesPerDay;
    }
    if ((duration != 0 && timeStart <= referenceMinute) || (duration == 0 && timeStart < referenceMinute))
        ++from;
    // An occurrence must start before the window's end.
    long long to = static_cast<uint32_t>(d2);
    if (timeStart >= m2)
        --to;

    const uint32_t first = pattern->FirstDay();
    const uint32_t last = pattern->LastDay();
    if (first <= TDate::kEmpty || (last > TDate::kEmpty && last < first))
        return false;
    from = std::max<long long>(from, first);
    to = std::min<long long>(to, last > TDate::kEmpty ? last : TDate::kLastDay);
    if (from > to)
        return false;
    pattern->CollectDays(from, to, days);
    if (!m_skipped.empty()) {
        days.erase(std::remove_if(days.begin(), days.end(), [this](TDate day) { return m_skipped.count(day) != 0; }),
                   days.end());
    }
    return true;
}

CRecurrencePattern* CRecurrenceInt::GetPattern()
{
    CRecurrencePatternBase* pattern = ActivePattern();
    return pattern ? pattern->Public() : nullptr;
}

int CRecurrenceInt::CountOccurrences(TDate d1, int m1, TDate d2, int m2, CFilter* filter, bool includeRunning)
{
    return Guarded(0, [&] { return static_cast<int>(CollectOccurrences(d1, m1, d2, m2, filter, includeRunning).size()); });
}

int CRecurrenceInt::GetOccurrences(TDate* out, TDate d1, int m1, TDate d2, int m2, CFilter* filter, bool includeRunning)
{
    return Guarded(0, [&] {
        const std::vector<TDate> days = CollectOccurrences(d1, m1, d2, m2, filter, includeRunning);
        if (out)
            std::copy(days.begin(), days.end(), out);
        return static_cast<int>(days.size());
    });
}

void CRecurrenceInt::AddException(TDate day)
{
    m_cache.Invalidate();
    GuardedVoid([&] { m_skipped.insert(day); });
}

int CRecurrenceInt::RemoveException(TDate day)
{
    m_cache.Invalidate();
    return static_cast<int>(m_skipped.erase(day));
}

void CRecurrenceInt::ClearExceptions()
{
    m_cache.Invalidate();
    m_skipped.clear();
}

bool CRecurrenceInt::IsException(TDate day) { return m_skipped.count(day) != 0; }

int CRecurrenceInt::CountExceptionsInRange(TDate first, TDate last) { return GetExceptionsInRange(nullptr, first, last); }

int CRecurrenceInt::GetExceptionsInRange(TDate* out, TDate first, TDate last)
{
    if (static_cast<uint32_t>(first) > static_cast<uint32_t>(last))
        return 0;
    int count = 0;
    for (auto it = m_skipped.lower_bound(first); it != m_skipped.end() && *it <= static_cast<uint32_t>(last); ++it) {
        if (out)
            out[count] = *it;
        ++count;
    }
    return count;
}

CTask* CRecurrenceInt::DetachOccurrence(TDate day, CResource* target)
{
    CTransaction* t = lib::Transaction();
    if (!t || !t->IsOpen())
        return nullptr;
    return Guarded<CTask*>(nullptr, [&]() -> CTask* {
        CResource* own = Task->GetResource();
        if (!target)
            target = own;
        // A stand-alone series asked for its own resource has none to put the task on.
        if (!target || !target->Tasks)
            return nullptr;
        CTask* task = target->Tasks->CreateNew();
        if (!task) {
            if (Data)
                Data->Rollback();
            return nullptr;
        }
        task->CopyFrom(Task);
        // Copied from a template, which has no set: the new task belongs to the target's set.
        task->Owner = target->Tasks;
        task->DateStart = day;
        task->TimeStart = MinuteOfDay(TimeStart);
        task->DateEnd = GetOccurrenceEnd(day, &task->TimeEnd);
        if (target != own)
            task->Recurrence = nullptr;
        if (MarkModified() != 0) {
            // Nobody else holds the new task: never added, it is destroyed here.
            task->MarkDeleted();
            return nullptr;
        }
        AddException(day);
        return task;
    });
}

int CRecurrenceInt::MarkModified()
{
    // The editor changes the series next; no answer from before may be served after that.
    m_cache.Invalidate();
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        return RegisterModified([&] {
            if (!m_snapshot)
                m_snapshot = std::make_unique<CRecurrenceInt>(Data, nullptr);
            m_snapshot->CopyWithId(this);
        });
    });
}

int CRecurrenceInt::MarkDeleted()
{
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        if (IsDeletedRegistered())
            return 0;
        if (ID == 0)
            return RegisterDeletedOrDestroy();
        CTransaction* t = lib::Transaction();
        if (!t || !t->IsOpen())
            return static_cast<int>(kErrTransaction);
        if (CResource* resource = Resource()) {
            for (CTaskInt* task : static_cast<CTasksInt*>(resource->Tasks)->LinkedTo(this)) {
                // Deleted along with the resource: its link stays, so undoing the deletion
                // brings the task back still linked.
                if (task->IsDeletedRegistered())
                    continue;
                const int status = task->MarkModified();
                if (status != 0)
                    return status;
                task->Recurrence = nullptr;
            }
        }
        return t->RegisterDeleted(this);
    });
}

void CRecurrenceInt::CopyFrom(const CRecurrence* other)
{
    if (!other || other == this)
        return;
    GuardedVoid([&] { CopyFields(*static_cast<const CRecurrenceInt*>(other)); });
}

void CRecurrenceInt::CopyFields(const CRecurrenceInt& other)
{
    Frequency = other.Frequency;
    DateStart = other.DateStart;
    TimeStart = other.TimeStart;
    Duration = other.Duration;
    EndType = other.EndType;
    EndDate = other.EndDate;
    EndCount = other.EndCount;
    Task->CopyFrom(other.Task);
    Task->Recurrence = this; // the template stays this series' own
    m_daily.CopyFrom(other.m_daily);
    m_weekly.CopyFrom(other.m_weekly);
    m_monthly.CopyFrom(other.m_monthly);
    m_yearly.CopyFrom(other.m_yearly);
    Owner = other.Owner;
    m_skipped = other.m_skipped;
    m_cache.Invalidate();
}

void CRecurrenceInt::CopyWithId(const CObjectBase* other)
{
    if (!other || other == this)
        return;
    const CRecurrenceInt& source = *static_cast<const CRecurrenceInt*>(other);
    CopyFields(source);
    ID = source.ID;
}

int CRecurrenceInt::RenameTemplateUserFieldValue(const wchar_t* oldName, const wchar_t* newName)
{
    if (!TemplateInt()->Fields().Has(oldName))
        return 0;
    const int status = MarkModified();
    if (status != 0)
        return status;
    return TemplateInt()->RenameUserFieldValue(oldName, newName);
}

void CRecurrenceInt::OnOpen() { m_cache.Invalidate(); }

void CRecurrenceInt::RestoreFromSnapshot()
{
    m_cache.Invalidate();
    if (!m_snapshot)
        return;
    CopyWithId(m_snapshot.get());
    // A range computed during the abandoned edit (UpdateRange) must not outlive it.
    UpdateRange();
}

CContBase* CRecurrenceInt::OwnerContainer() const { return OwnerInt(); }

void CRecurrenceInt::InsertIntoOwner(CUndoInfo* step)
{
    UpdateRange();
    if (step)
        step->AddAdded(this);
    if (CRecurrencesInt* set = OwnerInt())
        set->Insert(this);
}

void CRecurrenceInt::CommitModified(CUndoInfo* step)
{
    UpdateRange();
    RecordBeforeImage(this, m_snapshot.get(), step);
    if (CRecurrencesInt* set = OwnerInt(); set && IsInContainer()) {
        set->Erase(this);
        set->Insert(this);
    }
}

void CRecurrenceInt::RemoveFromOwner(CUndoInfo* step)
{
    if (CRecurrencesInt* set = OwnerInt())
        set->Erase(this);
    KeepOrDestroyDeleted(this, step);
}

bool CRecurrenceInt::IsValid(bool)
{
    if (DateStart == 0)
        return false;
    if (EndType == kEndAtDate && static_cast<uint32_t>(EndDate) < static_cast<uint32_t>(DateStart))
        return false;
    if (EndType == kEndAfterCount && EndCount < 1)
        return false;
    if (TimeStart < 0 || TimeStart >= kMinutesPerDay)
        return false;
    if (Frequency < kDaily || Frequency > kYearly)
        return false;
    return m_daily.IsValid() && m_weekly.IsValid() && m_monthly.IsValid() && m_yearly.IsValid();
}

int CRecurrenceInt::AddToOwner()
{
    CRecurrencesInt* set = OwnerInt();
    return set ? set->Add(this) : static_cast<int>(kErrTransaction);
}
