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

namespace {

bool PositionValid(int position) { return (position >= 1 && position <= 4) || position == -1; }

bool PatternsValid(const CRecurrencePatternDaily& d, const CRecurrencePatternWeekly& w,
                   const CRecurrencePatternMonthly& m, const CRecurrencePatternYearly& y)
{
    if (d.DInterval <= 0 || (d.DType != 0 && d.DType != 1))
        return false;
    if (w.WWeekdayCount < 0 || w.WWeekdayCount > 7 || w.WFirstDayOfWeek < 0 || w.WFirstDayOfWeek > 6 || w.WInterval <= 0)
        return false;
    for (int i = 0; i < w.WWeekdayCount; ++i) {
        if (w.WWeekdays[i] < 0 || w.WWeekdays[i] > 6)
            return false;
    }
    if (m.MInterval <= 0 || (m.MType != 0 && m.MType != 1) || m.MDayOfMonth < 1 || m.MDayOfMonth > 31 ||
        !PositionValid(m.MPosition) || m.MWeekday < 0 || m.MWeekday > 7)
        return false;
    if ((y.YType != 0 && y.YType != 1) || y.YMonth < 1 || y.YMonth > 12 || y.YDayOfMonth < 1 || y.YDayOfMonth > 31 ||
        !PositionValid(y.YPosition) || y.YWeekday < 0 || y.YWeekday > 7)
        return false;
    return true;
}

} // namespace

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
    end.AddMinutes(Duration);
    if (outMinute)
        *outMinute = end.time.minutes;
    return end.date;
}

// The pattern classes compute occurrence ranges and days; a series holds only their public
// fields, so it has no range and no occurrence days.
bool CRecurrenceInt::UpdateRange() { return false; }

TDate CRecurrenceInt::GetFirstDay() { return 0u; }

TDate CRecurrenceInt::GetLastDay() { return 0u; }

std::vector<TDate> CRecurrenceInt::CollectOccurrences(TDate, int, TDate, int, CFilter* filter, bool)
{
    std::vector<TDate> days;
    // The filter is asked before anything else: a hidden series has no occurrences at all.
    if (filter && (filter->IsResourceHidden(Task->GetResource()) || filter->IsTaskHidden(Task)))
        return days;
    return days;
}

CRecurrencePattern* CRecurrenceInt::GetPattern()
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
    GuardedVoid([&] { m_skipped.insert(day); });
}

int CRecurrenceInt::RemoveException(TDate day) { return static_cast<int>(m_skipped.erase(day)); }

void CRecurrenceInt::ClearExceptions() { m_skipped.clear(); }

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
        CTask* task = target && target->Tasks ? target->Tasks->CreateNew() : nullptr;
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
            task->MarkDeleted();
            return nullptr;
        }
        AddException(day);
        return task;
    });
}

int CRecurrenceInt::MarkModified()
{
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
    m_daily = other.m_daily;
    m_weekly = other.m_weekly;
    m_monthly = other.m_monthly;
    m_yearly = other.m_yearly;
    Owner = other.Owner;
    m_skipped = other.m_skipped;
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

void CRecurrenceInt::OnOpen() {}

void CRecurrenceInt::RestoreFromSnapshot()
{
    if (m_snapshot)
        CopyWithId(m_snapshot.get());
}

void CRecurrenceInt::InsertIntoOwner(CUndoInfo* step)
{
    if (step)
        step->AddAdded(this);
    if (CRecurrencesInt* set = OwnerInt())
        set->Insert(this);
}

void CRecurrenceInt::CommitModified(CUndoInfo* step)
{
    if (step && m_snapshot) {
        auto image = std::make_unique<CRecurrenceInt>(Data, Owner);
        image->CopyWithId(m_snapshot.get());
        image->SetOriginal(this);
        step->AddBeforeImage(image.release());
    }
    if (CRecurrencesInt* set = OwnerInt(); set && IsInContainer()) {
        set->Erase(this);
        set->Insert(this);
    }
}

void CRecurrenceInt::RemoveFromOwner(CUndoInfo* step)
{
    if (CRecurrencesInt* set = OwnerInt())
        set->Erase(this);
    if (step)
        step->AddDeleted(this);
    else
        DestroyItem(this);
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
    return PatternsValid(m_daily, m_weekly, m_monthly, m_yearly);
}

int CRecurrenceInt::AddToOwner()
{
    CRecurrencesInt* set = OwnerInt();
    return set ? set->Add(this) : static_cast<int>(kErrTransaction);
}
