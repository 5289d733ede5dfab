#pragma once
// CCalendarExceptionsInt: the exception set of one calendar, ordered by date. It owns its
// exceptions; the calendar owns the set.

#include "CalendarExceptionInt.h"
#include "SetBase.h"

#include "wqv2_data.h"

#include <vector>

struct LessCalendarException {
    bool operator()(const CCalendarExceptionInt* a, const CCalendarExceptionInt* b) const
    {
        return static_cast<uint32_t>(a->Date) < static_cast<uint32_t>(b->Date);
    }
};

class CCalendarExceptionsInt final : public wqv2_data::CCalendarExceptions,
                                     public CSetBase<CCalendarExceptionInt, LessCalendarException> {
public:
    CCalendarExceptionsInt(wqv2_data::CData* data, wqv2_data::CCalendar* calendar);

    // wqv2_data::CCalendarExceptions
    wqv2_data::CCalendarException* CreateNew() override;
    int Add(wqv2_data::CCalendarException* exception) override;
    wqv2_data::CCalendarException* FindByDate(TDate day) override;
    int CountInRange(TDate first, TDate last) override;
    int GetCount() override;
    int GetInRange(wqv2_data::CCalendarException** out, TDate first, TDate last) override;
    int GetAll(wqv2_data::CCalendarException** out) override;
    wqv2_data::CCalendarException* GetAt(int index) override;
    bool Contains(const wqv2_data::CCalendarException* exception) override;
    void Erase(wqv2_data::CCalendarException* exception) override;
    void Insert(wqv2_data::CCalendarException* exception) override;

    // CContBase
    CObjectBase* CreateNewItem() override;
    int AddItem(CObjectBase* item) override;
    const wchar_t* XmlItemName() const override { return L"Exception"; }
    const wchar_t* XmlCollectionName() const override { return L"Exceptions"; }

    std::vector<CCalendarExceptionInt*> CollectInRange(TDate first, TDate last) const;

private:
    wqv2_data::CData* m_data; // not owned
};
