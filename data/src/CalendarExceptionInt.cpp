// Calendar exceptions and their part in the transaction.
#include "CalendarExceptionInt.h"

#include "CalendarExceptionsInt.h"
#include "CalendarInt.h"
#include "Guard.h"
#include "TextSlots.h"
#include "UndoInfo.h"
#include "WorkingTimes.h"

using namespace wqv2_data;

CCalendarExceptionInt::CCalendarExceptionInt(CData* data, CCalendarExceptions* owner) : CObjectBase(kKindCalendarException)
{
    Data = data;
    Owner = owner;
}

CCalendarExceptionInt::~CCalendarExceptionInt() { FreeIntArray(WorkingTimes); }

CCalendarExceptionsInt* CCalendarExceptionInt::OwnerInt() const { return static_cast<CCalendarExceptionsInt*>(Owner); }

void CCalendarExceptionInt::CopyFrom(const CCalendarException* other)
{
    if (!other || other == this)
        return;
    GuardedVoid([&] {
        const int id = ID;
        CCalendarExceptions* const owner = Owner;
        CopyWithId(static_cast<const CCalendarExceptionInt*>(other));
        ID = id;
        // An exception in a set stays that set's: taking the other's set pointer would let the
        // commit re-sort it into a second set. One in no set takes the pointer as written.
        if (IsInContainer())
            Owner = owner;
    });
}

void CCalendarExceptionInt::CopyWithId(const CObjectBase* other)
{
    if (!other || other == this)
        return;
    const CCalendarExceptionInt& source = *static_cast<const CCalendarExceptionInt*>(other);
    ID = source.ID;
    Date = source.Date;
    SetRanges(WorkingTimes, WorkingTimeCount, source.WorkingTimes, source.WorkingTimeCount);
    Owner = source.Owner;
}

int CCalendarExceptionInt::MarkModified()
{
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        return RegisterModified([&] {
            if (!m_snapshot)
                m_snapshot = std::make_unique<CCalendarExceptionInt>(Data, nullptr);
            m_snapshot->CopyWithId(this);
        });
    });
}

int CCalendarExceptionInt::MarkDeleted()
{
    return Guarded(static_cast<int>(kErrTransaction), [&] { return RegisterDeletedOrDestroy(); });
}

void CCalendarExceptionInt::SetWorkingTimes(const int* pairs, int count)
{
    GuardedVoid([&] { SetRanges(WorkingTimes, WorkingTimeCount, pairs, count); });
}

void CCalendarExceptionInt::RestoreFromSnapshot()
{
    // The exception is in its calendar's set while it is edited, so answers given during the
    // rolled-back edit may rest on its changed ranges or date.
    if (CCalendarExceptionsInt* set = OwnerInt(); set && set->Calendar)
        static_cast<CCalendarInt*>(set->Calendar)->DropResults();
    if (!m_snapshot)
        return;
    // A rollback restores the fields, never where the exception belongs: only the set's Add
    // sets the owner.
    CCalendarExceptions* owner = Owner;
    CopyWithId(m_snapshot.get());
    Owner = owner;
}

CContBase* CCalendarExceptionInt::OwnerContainer() const { return OwnerInt(); }

void CCalendarExceptionInt::InsertIntoOwner(CUndoInfo* step)
{
    if (step)
        step->AddAdded(this);
    if (CCalendarExceptionsInt* set = OwnerInt())
        set->Insert(this);
}

void CCalendarExceptionInt::CommitModified(CUndoInfo* step)
{
    RecordBeforeImage(this, m_snapshot.get(), step);
    // A changed Date moves the exception to its place.
    if (CCalendarExceptionsInt* set = OwnerInt(); set && IsInContainer()) {
        set->Erase(this);
        set->Insert(this);
    }
}

void CCalendarExceptionInt::RemoveFromOwner(CUndoInfo* step)
{
    if (CCalendarExceptionsInt* set = OwnerInt())
        set->Erase(this);
    KeepOrDestroyDeleted(this, step);
}

// Exceptions have no rows in the older text format.
int CCalendarExceptionInt::ImportCsv(const std::vector<std::wstring>&) { return 0; }

bool CCalendarExceptionInt::IsValid(bool)
{
    return Date != 0 && RangesWellFormed(WorkingTimes, WorkingTimeCount);
}

int CCalendarExceptionInt::AddToOwner()
{
    CCalendarExceptionsInt* set = OwnerInt();
    return set ? set->Add(this) : static_cast<int>(kErrTransaction);
}
