// Tasks: fields, durations, costs and their part in the transaction.
#include "TaskInt.h"

#include "Guard.h"
#include "Minutes.h"
#include "TasksInt.h"
#include "TextSlots.h"
#include "UndoInfo.h"

#include <cmath>

using namespace wqv2_data;

CTaskInt::CTaskInt(CData* data, CTasks* owner) : CObjectBase(kKindTask)
{
    Data = data;
    Owner = owner;
    SetString(L"", Name);
    SetString(L"", Note);
}

CTaskInt::~CTaskInt()
{
    FreeString(Name);
    FreeString(Note);
}

CTasksInt* CTaskInt::OwnerInt() const { return static_cast<CTasksInt*>(Owner); }

int CTaskInt::GetUserFieldCount() { return m_fields.Count(); }

const wchar_t* CTaskInt::GetUserFieldName(int index) { return m_fields.NameAt(index); }

const wchar_t* CTaskInt::GetUserFieldValue(const wchar_t* name) { return m_fields.Find(name); }

void CTaskInt::SetUserFieldValue(const wchar_t* name, const wchar_t* value)
{
    GuardedVoid([&] { m_fields.Set(name, value); });
}

void CTaskInt::CopyFrom(const CTask* other)
{
    if (!other || other == this)
        return;
    GuardedVoid([&] {
        const CTaskInt& source = *static_cast<const CTaskInt*>(other);
        CRecurrence* const series = Recurrence;
        CopyFields(source);
        if (ID == -1) {
            // A template stays its series' own: no set, the same series.
            Recurrence = series;
            return;
        }
        // A task in a set keeps its set: taking the other's set pointer would let the commit
        // re-sort it into a second set. A task in no set takes the pointer as written.
        if (!IsInContainer())
            Owner = source.Owner;
    });
}

void CTaskInt::CopyFields(const CTaskInt& other)
{
    SetString(other.Name, Name);
    SetString(other.Note, Note);
    DateStart = other.DateStart;
    DateEnd = other.DateEnd;
    TimeStart = other.TimeStart;
    TimeEnd = other.TimeEnd;
    ColorFg = other.ColorFg;
    ColorBk = other.ColorBk;
    FontBold = other.FontBold;
    CostsCalculate = other.CostsCalculate;
    CostsVariable = other.CostsVariable;
    CostsFixed = other.CostsFixed;
    CostsTimeUnit = other.CostsTimeUnit;
    Recurrence = other.Recurrence;
    m_fields.CopyFrom(other.m_fields);
}

void CTaskInt::CopyWithId(const CObjectBase* other)
{
    if (!other || other == this)
        return;
    const CTaskInt& source = *static_cast<const CTaskInt*>(other);
    CopyFields(source);
    ID = source.ID;
    Owner = source.Owner;
}

int CTaskInt::GetDuration()
{
    if (IsTemplate())
        return Recurrence->Duration > 0 ? Recurrence->Duration : 0; // a negative one counts as none
    return ClampToInt(ElapsedMinutes(DateStart, TimeStart, DateEnd, TimeEnd));
}

bool CTaskInt::SetDuration(int minutes)
{
    if (minutes < 0 || IsTemplate())
        return false;
    const long long s = static_cast<long long>(MinuteOfDay(TimeStart)) + minutes;
    const long long end = static_cast<long long>(static_cast<uint32_t>(DateStart)) + s / kMinutesPerDay;
    // Days after 31 December 9999 have no calendar date and could not be written back.
    if (end > TDate::kLastDay)
        return false;
    TimeEnd = static_cast<int>(s % kMinutesPerDay);
    DateEnd = static_cast<uint32_t>(end);
    return true;
}

CCalendar* CTaskInt::Calendar()
{
    CResource* resource = GetResource();
    return resource ? resource->Calendar : nullptr;
}

int CTaskInt::GetWorkDuration()
{
    if (IsTemplate())
        return 0;
    if (CCalendar* calendar = Calendar())
        return calendar->WorkingMinutes(DateStart, TimeStart, DateEnd, TimeEnd);
    return ClampToInt(ElapsedMinutes(DateStart, TimeStart, DateEnd, TimeEnd));
}

bool CTaskInt::SetWorkDuration(unsigned int minutes)
{
    if (IsTemplate())
        return false;
    // Working minutes never outnumber elapsed ones: a count beyond the minutes left up to the
    // end of 31 December 9999 cannot be placed, and no calendar is asked to try.
    const long long room = ElapsedMinutes(DateStart, TimeStart, TDate::kLastDay + 1, 0);
    if (static_cast<long long>(minutes) > room)
        return false;
    CCalendar* calendar = Calendar();
    if (!calendar)
        return SetDuration(static_cast<int>(minutes));
    TDate day = 0u;
    int minute = 0;
    const bool reached = calendar->AddWorkingMinutes(DateStart, TimeStart, minutes, &day, &minute);
    if (static_cast<uint32_t>(day) > TDate::kLastDay)
        return false;
    DateEnd = day;
    TimeEnd = minute;
    return reached;
}

double CTaskInt::GetCosts(TDate d1, int m1, TDate d2, int m2)
{
    if (!CostsCalculate)
        return 0.0;
    if (d1 == 0) {
        d1 = DateStart;
        m1 = TimeStart;
    }
    if (d2 == 0) {
        d2 = DateEnd;
        m2 = TimeEnd;
    }
    const double elapsed = static_cast<double>(ElapsedMinutes(d1, m1, d2, m2));
    // Without a resource the resource terms are 0 and working time is elapsed time.
    CResource* resource = GetResource();
    const double resourceVariable = resource ? resource->CostsVariable : 0.0;
    const double resourceFixed = resource ? resource->CostsFixed : 0.0;
    const int resourceUnit = resource ? resource->CostsTimeUnit : 0;
    const bool ratesZero = std::fabs(CostsVariable) <= 1e-6 && std::fabs(resourceVariable) <= 1e-6;
    const bool elapsedOnly = CostsTimeUnit == 0 && resourceUnit == 0;
    double working = 0.0;
    if (!ratesZero && !elapsedOnly) {
        CCalendar* calendar = resource ? resource->Calendar : nullptr;
        working = calendar ? calendar->WorkingMinutes(d1, m1, d2, m2) : elapsed;
    }
    return CostsFixed + resourceFixed + CostsVariable * (CostsTimeUnit != 0 ? working : elapsed) / 60.0 +
           resourceVariable * (resourceUnit != 0 ? working : elapsed) / 60.0;
}

const wchar_t* CTaskInt::SetName(const wchar_t* name)
{
    return Guarded(Name, [&] { return SetString(name, Name); });
}

const wchar_t* CTaskInt::SetNote(const wchar_t* note)
{
    return Guarded(Note, [&] { return SetString(note, Note); });
}

CResource* CTaskInt::GetResource()
{
    if (Owner)
        return Owner->Resource;
    if (IsTemplate() && Recurrence->Owner)
        return Recurrence->Owner->Resource;
    return nullptr;
}

int CTaskInt::MarkModified()
{
    // A template changes with its series: the series takes the snapshot.
    if (ID == -1 && Recurrence)
        return Recurrence->MarkModified();
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        return RegisterModified([&] {
            if (!m_snapshot)
                m_snapshot = std::make_unique<CTaskInt>(Data, Owner);
            m_snapshot->CopyWithId(this);
        });
    });
}

int CTaskInt::MarkDeleted()
{
    // A template lives and dies with its series.
    if (ID == -1 && Recurrence)
        return kErrTransaction;
    return Guarded(static_cast<int>(kErrTransaction), [&] { return RegisterDeletedOrDestroy(); });
}

int CTaskInt::RenameUserFieldValue(const wchar_t* oldName, const wchar_t* newName)
{
    if (!m_fields.Has(oldName))
        return 0;
    if (ID != -1) {
        const int status = MarkModified();
        if (status != 0)
            return status;
    }
    m_fields.Rename(oldName, newName);
    return 0;
}

void CTaskInt::RestoreFromSnapshot()
{
    if (m_snapshot)
        CopyWithId(m_snapshot.get());
}

CContBase* CTaskInt::OwnerContainer() const { return OwnerInt(); }

void CTaskInt::InsertIntoOwner(CUndoInfo* step)
{
    if (step)
        step->AddAdded(this);
    if (CTasksInt* set = OwnerInt())
        set->Insert(this);
}

void CTaskInt::CommitModified(CUndoInfo* step)
{
    RecordBeforeImage(this, m_snapshot.get(), step);
    // The set order follows the new dates and name.
    if (CTasksInt* set = OwnerInt(); set && IsInContainer()) {
        set->Erase(this);
        set->Insert(this);
    }
}

void CTaskInt::RemoveFromOwner(CUndoInfo* step)
{
    if (CTasksInt* set = OwnerInt())
        set->Erase(this);
    KeepOrDestroyDeleted(this, step);
}

int CTaskInt::ImportCsv(const std::vector<std::wstring>&) { return 0; }

bool CTaskInt::IsValid(bool)
{
    if (DateStart == 0 || DateEnd == 0)
        return false;
    if (static_cast<uint32_t>(DateStart) != static_cast<uint32_t>(DateEnd))
        return static_cast<uint32_t>(DateStart) < static_cast<uint32_t>(DateEnd);
    return TimeEnd >= TimeStart;
}

int CTaskInt::AddToOwner()
{
    CTasksInt* set = OwnerInt();
    return set ? set->Add(this) : static_cast<int>(kErrTransaction);
}
