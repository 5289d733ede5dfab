// The calendar list of the data root.
#include "CalendarsInt.h"

#include "Guard.h"

#include <algorithm>

using namespace wqv2_data;

CCalendarsInt::CCalendarsInt(CData* data) : CVectorBase(kKindCalendar), m_data(data) {}

CCalendar* CCalendarsInt::CreateNew()
{
    return Guarded<CCalendar*>(nullptr, [&] { return new CCalendarInt(m_data, this); });
}

int CCalendarsInt::Add(CCalendar* calendar)
{
    if (!calendar)
        return kErrTransaction;
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        CCalendarInt* item = static_cast<CCalendarInt*>(calendar);
        if (item->IsInContainer() || item->IsAddedRegistered())
            return static_cast<int>(kErrTransaction);
        item->Owner = this;
        return AddCommon(item, item->ID);
    });
}

int CCalendarsInt::GetCount() { return Count(); }

int CCalendarsInt::GetAll(CCalendar** out)
{
    if (out)
        std::copy(Items().begin(), Items().end(), out);
    return Count();
}

CCalendar* CCalendarsInt::GetAt(int index) { return At(index); }

bool CCalendarsInt::Contains(const CCalendar* calendar) { return calendar && HasItem(calendar); }

CObjectBase* CCalendarsInt::CreateNewItem() { return new CCalendarInt(m_data, this); }

int CCalendarsInt::AddItem(CObjectBase* item) { return Add(static_cast<CCalendarInt*>(item)); }
