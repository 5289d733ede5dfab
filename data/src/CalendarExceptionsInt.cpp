// The exception set of a calendar.
#include "CalendarExceptionsInt.h"

#include "Guard.h"

#include <algorithm>

using namespace wqv2_data;

CCalendarExceptionsInt::CCalendarExceptionsInt(CData* data, CCalendar* calendar)
    : CSetBase(kKindCalendarException), m_data(data)
{
    Calendar = calendar;
}

CCalendarException* CCalendarExceptionsInt::CreateNew()
{
    return Guarded<CCalendarException*>(nullptr, [&] { return new CCalendarExceptionInt(m_data, this); });
}

int CCalendarExceptionsInt::Add(CCalendarException* exception)
{
    if (!exception)
        return kErrTransaction;
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        CCalendarExceptionInt* item = static_cast<CCalendarExceptionInt*>(exception);
        if (item->IsInContainer() || item->IsAddedRegistered())
            return static_cast<int>(kErrTransaction);
        item->Owner = this;
        return AddCommon(item, item->ID);
    });
}

std::vector<CCalendarExceptionInt*> CCalendarExceptionsInt::CollectInRange(TDate first, TDate last) const
{
    std::vector<CCalendarExceptionInt*> result;
    const uint32_t from = first;
    const uint32_t to = last;
    if (from > to)
        return result;
    const size_t begin = LowerBound([from](const CCalendarExceptionInt* e) { return static_cast<uint32_t>(e->Date) < from; });
    for (size_t i = begin; i < Items().size() && static_cast<uint32_t>(Items()[i]->Date) <= to; ++i)
        result.push_back(Items()[i]);
    return result;
}

CCalendarException* CCalendarExceptionsInt::FindByDate(TDate day)
{
    const uint32_t key = day;
    const size_t pos = LowerBound([key](const CCalendarExceptionInt* e) { return static_cast<uint32_t>(e->Date) < key; });
    if (pos < Items().size() && static_cast<uint32_t>(Items()[pos]->Date) == key)
        return Items()[pos];
    return nullptr;
}

int CCalendarExceptionsInt::CountInRange(TDate first, TDate last)
{
    return Guarded(0, [&] { return static_cast<int>(CollectInRange(first, last).size()); });
}

int CCalendarExceptionsInt::GetCount() { return Count(); }

int CCalendarExceptionsInt::GetInRange(CCalendarException** out, TDate first, TDate last)
{
    return Guarded(0, [&] {
        const std::vector<CCalendarExceptionInt*> found = CollectInRange(first, last);
        if (out)
            std::copy(found.begin(), found.end(), out);
        return static_cast<int>(found.size());
    });
}

int CCalendarExceptionsInt::GetAll(CCalendarException** out)
{
    if (out)
        std::copy(Items().begin(), Items().end(), out);
    return Count();
}

CCalendarException* CCalendarExceptionsInt::GetAt(int index) { return At(index); }

bool CCalendarExceptionsInt::Contains(const CCalendarException* exception) { return exception && HasItem(exception); }

void CCalendarExceptionsInt::Erase(CCalendarException* exception)
{
    if (exception)
        EraseItem(static_cast<CCalendarExceptionInt*>(exception));
}

void CCalendarExceptionsInt::Insert(CCalendarException* exception)
{
    if (!exception)
        return;
    GuardedVoid([&] {
        CCalendarExceptionInt* item = static_cast<CCalendarExceptionInt*>(exception);
        item->Owner = this;
        InsertSorted(item);
    });
}

CObjectBase* CCalendarExceptionsInt::CreateNewItem() { return new CCalendarExceptionInt(m_data, this); }

int CCalendarExceptionsInt::AddItem(CObjectBase* item) { return Add(static_cast<CCalendarExceptionInt*>(item)); }
