// Holidays and their part in the transaction.
#include "HolidayInt.h"

#include "Guard.h"
#include "HolidaysInt.h"
#include "TextSlots.h"
#include "UndoInfo.h"

#include "ClassicText.h"

using namespace wqv2_data;

CHolidayInt::CHolidayInt(CData* data, CHolidays* owner) : CObjectBase(kKindHoliday)
{
    Data = data;
    Owner = owner;
}

CHolidayInt::~CHolidayInt() { FreeString(Name); }

CHolidaysInt* CHolidayInt::OwnerInt() const { return static_cast<CHolidaysInt*>(Owner); }

int CHolidayInt::MarkDeleted()
{
    return Guarded(static_cast<int>(kErrTransaction), [&] { return RegisterDeletedOrDestroy(); });
}

void CHolidayInt::SetName(const wchar_t* name)
{
    GuardedVoid([&] { ::SetString(name, Name); });
}

CContBase* CHolidayInt::OwnerContainer() const { return OwnerInt(); }

void CHolidayInt::InsertIntoOwner(CUndoInfo* step)
{
    if (step)
        step->AddAdded(this);
    if (CHolidaysInt* set = OwnerInt())
        set->InsertHoliday(this);
}

void CHolidayInt::RemoveFromOwner(CUndoInfo* step)
{
    if (CHolidaysInt* set = OwnerInt())
        set->EraseHoliday(this);
    KeepOrDestroyDeleted(this, step);
}

int CHolidayInt::ImportCsv(const std::vector<std::wstring>& fields)
{
    // ID; Name; Date. Dates of the older format follow the user's locale order unless written
    // with eight digits. Missing fields leave the values as they are.
    if (fields.size() > 0)
        ID = ctext::ParseInt(fields[0]);
    if (fields.size() > 1)
        ::SetString(fields[1].c_str(), Name);
    if (fields.size() > 2)
        Date = TDate::Parse(fields[2].c_str());
    return 0;
}

bool CHolidayInt::IsValid(bool)
{
    return Name && *Name && static_cast<uint32_t>(Date) > TDate::kEmpty;
}

int CHolidayInt::AddToOwner()
{
    CHolidaysInt* set = OwnerInt();
    return set ? set->Add(this) : static_cast<int>(kErrTransaction);
}

// Holidays are never modified in place, so there is nothing to copy back or into a before-image.
void CHolidayInt::CopyWithId(const CObjectBase*) {}
