#pragma once
// CCalendarsInt: the calendar list of the data root, in the order calendars were added. It owns
// them.

#include "CalendarInt.h"
#include "VectorBase.h"

#include "wqv2_data.h"

class CCalendarsInt final : public wqv2_data::CCalendars, public CVectorBase<CCalendarInt> {
public:
    explicit CCalendarsInt(wqv2_data::CData* data);

    // wqv2_data::CCalendars
    wqv2_data::CCalendar* CreateNew() override;
    int Add(wqv2_data::CCalendar* calendar) override;
    int GetCount() override;
    int GetAll(wqv2_data::CCalendar** out) override;
    wqv2_data::CCalendar* GetAt(int index) override;
    bool Contains(const wqv2_data::CCalendar* calendar) override;

    // CContBase
    CObjectBase* CreateNewItem() override;
    int AddItem(CObjectBase* item) override;
    const wchar_t* XmlItemName() const override { return L"Calendar"; }
    const wchar_t* XmlCollectionName() const override { return L"Calendars"; }

private:
    wqv2_data::CData* m_data; // not owned
};
