// Calendars: their range lists, the ranges of a day and their part in the transaction.
#include "CalendarInt.h"

#include "CalendarExceptionsInt.h"
#include "CalendarsInt.h"
#include "DataInt.h"
#include "Guard.h"
#include "HolidaysInt.h"
#include "Library.h"
#include "ResourcesInt.h"
#include "TextSlots.h"
#include "Transaction.h"
#include "UndoInfo.h"
#include "WorkingTimes.h"

#include <algorithm>

using namespace wqv2_data;

namespace {

constexpr int kLists = 8;
constexpr int kHolidayList = 7;

} // namespace

CCalendarInt::CCalendarInt(CData* data, CCalendars* owner) : CObjectBase(kKindCalendar)
{
    Data = data;
    Owner = owner;
    SetString(L"", Name);
    static const int kWholeDay[2] = {0, 0};
    for (int list = 0; list < kLists; ++list)
        SetRanges(WeekdayWorkingTimes[list], WeekdayWorkingTimeCounts[list], kWholeDay, 1);
    HolidayRule = 2;
    Exceptions = new CCalendarExceptionsInt(data, this);
}

CCalendarInt::~CCalendarInt()
{
    delete static_cast<CCalendarExceptionsInt*>(Exceptions);
    for (int list = 0; list < kLists; ++list)
        FreeIntArray(WeekdayWorkingTimes[list]);
    FreeString(Name);
}

CCalendarsInt* CCalendarInt::OwnerInt() const { return static_cast<CCalendarsInt*>(Owner); }

CCalendarExceptionsInt* CCalendarInt::ExceptionsInt() const { return static_cast<CCalendarExceptionsInt*>(Exceptions); }

int CCalendarInt::GetWorkingTimeCount(TDate day) { return GetWorkingTimes(nullptr, day); }

int CCalendarInt::GetWorkingTimes(int* out, TDate day)
{
    return Guarded(0, [&] {
        const RangeList ranges = RangesOf(day);
        if (out && ranges.pairs && ranges.count > 0)
            std::copy(ranges.pairs, ranges.pairs + 2 * ranges.count, out);
        return ranges.pairs ? ranges.count : 0;
    });
}

RangeList CCalendarInt::RangesOf(TDate day)
{
    // An exception decides its day; a holiday comes before the weekday. Of two exceptions on
    // one day the first in the set counts, here and in every period sum.
    if (CCalendarException* exception = ExceptionsInt()->FindByDate(day))
        return RangeList{exception->WorkingTimes, exception->WorkingTimeCount};
    int list = static_cast<int>(static_cast<uint32_t>(day) % 7);
    if (HolidayRule != 1) {
        CHolidaysInt* holidays = HolidaySet();
        if (holidays && holidays->FindByDate(day)) {
            if (HolidayRule == 0)
                return RangeList{};
            list = kHolidayList;
        }
    }
    return RangeList{WeekdayWorkingTimes[list], WeekdayWorkingTimeCounts[list]};
}

CHolidaysInt* CCalendarInt::HolidaySet() const
{
    // The root made every holiday set; the calendar only reads it.
    return Data ? static_cast<CHolidaysInt*>(Data->Holidays) : nullptr;
}

int CCalendarInt::MarkModified()
{
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        return RegisterModified([&] {
            if (!m_snapshot)
                m_snapshot = std::make_unique<CCalendarInt>(Data, nullptr);
            m_snapshot->CopyWithId(this);
        });
    });
}

int CCalendarInt::MarkDeleted()
{
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        if (IsDeletedRegistered())
            return 0;
        if (ID == 0)
            return RegisterDeletedOrDestroy();
        CTransaction* t = lib::Transaction();
        if (!t || !t->IsOpen())
            return static_cast<int>(kErrTransaction);
        int status = t->RegisterDeleted(this);
        if (status != 0)
            return status;
        for (CCalendarExceptionInt* exception : ExceptionsInt()->Items()) {
            status = exception->MarkDeleted();
            if (status != 0)
                return status;
        }
        if (CDataInt* root = lib::Root()) {
            for (CResourceInt* resource : root->ResourcesInt()->Items()) {
                if (resource->Calendar != this)
                    continue;
                status = resource->MarkModified();
                if (status != 0)
                    return status;
                resource->Calendar = nullptr;
            }
        }
        // Resources added in this same transaction are in no list yet; they must not keep a
        // pointer to a calendar that the commit takes away.
        for (CObjectBase* item : t->Added(kKindResource)) {
            CResourceInt* resource = static_cast<CResourceInt*>(item);
            if (resource->Calendar == this)
                resource->Calendar = nullptr;
        }
        return 0;
    });
}

void CCalendarInt::CopyFrom(const CCalendar* other)
{
    if (!other || other == this)
        return;
    GuardedVoid([&] {
        const int id = ID;
        CCalendars* const owner = Owner;
        CopyWithId(static_cast<const CCalendarInt*>(other));
        ID = id;
        // A calendar in the list stays the list's: the other's owner pointer (null for a
        // snapshot copy) would let the commit look for it elsewhere.
        if (IsInContainer())
            Owner = owner;
    });
}

void CCalendarInt::CopyWithId(const CObjectBase* other)
{
    if (!other || other == this)
        return;
    const CCalendarInt& source = *static_cast<const CCalendarInt*>(other);
    ID = source.ID;
    Position = source.Position;
    SetString(source.Name, Name);
    for (int list = 0; list < kLists; ++list)
        SetRanges(WeekdayWorkingTimes[list], WeekdayWorkingTimeCounts[list], source.WeekdayWorkingTimes[list],
                  source.WeekdayWorkingTimeCounts[list]);
    HolidayRule = source.HolidayRule;
    Owner = source.Owner;
}

const wchar_t* CCalendarInt::SetName(const wchar_t* name)
{
    return Guarded(Name, [&] { return SetString(name, Name); });
}

void CCalendarInt::SetWorkingTimes(unsigned int list, const int* pairs, int count)
{
    if (list >= static_cast<unsigned int>(kLists))
        return;
    GuardedVoid([&] { SetRanges(WeekdayWorkingTimes[list], WeekdayWorkingTimeCounts[list], pairs, count); });
}

void CCalendarInt::OnOpen() { DropResults(); }

void CCalendarInt::RestoreFromSnapshot()
{
    // Answers given during the rolled-back edit may rest on its changed lists.
    DropResults();
    if (!m_snapshot)
        return;
    // A rollback restores the fields, never where the calendar belongs: only the list's Add
    // sets the owner.
    CCalendars* owner = Owner;
    CopyWithId(m_snapshot.get());
    Owner = owner;
}

CContBase* CCalendarInt::OwnerContainer() const { return OwnerInt(); }

void CCalendarInt::InsertIntoOwner(CUndoInfo* step)
{
    if (step)
        step->AddAdded(this);
    if (CCalendarsInt* list = OwnerInt())
        list->Append(this);
}

void CCalendarInt::CommitModified(CUndoInfo* step)
{
    RecordBeforeImage(this, m_snapshot.get(), step);
}

void CCalendarInt::RemoveFromOwner(CUndoInfo* step)
{
    if (CCalendarsInt* list = OwnerInt())
        list->RemoveItem(static_cast<CCalendar*>(this));
    KeepOrDestroyDeleted(this, step);
}

// Calendars have no rows in the older text format.
int CCalendarInt::ImportCsv(const std::vector<std::wstring>&) { return 0; }

bool CCalendarInt::IsValid(bool)
{
    if (!Name || !*Name)
        return false;
    for (int list = 0; list < kLists; ++list) {
        if (!RangesWellFormed(WeekdayWorkingTimes[list], WeekdayWorkingTimeCounts[list]))
            return false;
    }
    return HolidayRule >= 0 && HolidayRule <= 2;
}

int CCalendarInt::AddToOwner()
{
    CCalendarsInt* list = OwnerInt();
    return list ? list->Add(this) : static_cast<int>(kErrTransaction);
}
