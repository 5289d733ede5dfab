#pragma once
// CHolidaysInt: the holiday set of the data root, ordered by date. It owns its holidays.

#include "HolidayInt.h"
#include "SetBase.h"

#include "wqv2_data.h"

#include <vector>

struct LessHoliday {
    bool operator()(const CHolidayInt* a, const CHolidayInt* b) const
    {
        return static_cast<uint32_t>(a->Date) < static_cast<uint32_t>(b->Date);
    }
};

class CHolidaysInt final : public wqv2_data::CHolidays, public CSetBase<CHolidayInt, LessHoliday> {
public:
    explicit CHolidaysInt(wqv2_data::CData* data);

    // wqv2_data::CHolidays
    wqv2_data::CHoliday* CreateNew() override;
    int Add(wqv2_data::CHoliday* holiday) override;
    bool Contains(const wqv2_data::CHoliday* holiday) override;
    wqv2_data::CHoliday* FindByDate(TDate day) override;
    int GetCount() override;
    int CountInRange(TDate first, TDate last) override;
    int GetAll(wqv2_data::CHoliday** out) override;
    int GetInRange(wqv2_data::CHoliday** out, TDate first, TDate last) override;
    wqv2_data::CHoliday* GetAt(int index) override;

    // CContBase
    void Refresh() override;
    void Clear() override;
    CObjectBase* CreateNewItem() override;
    int AddItem(CObjectBase* item) override;
    const wchar_t* XmlItemName() const override { return L"Holiday"; }
    const wchar_t* XmlCollectionName() const override { return L"Holidays"; }
    int LegacySectionId() const override;

    void InsertHoliday(CHolidayInt* holiday);
    void EraseHoliday(CHolidayInt* holiday);
    // Holidays dated first <= Date <= last, in date order.
    std::vector<CHolidayInt*> CollectInRange(TDate first, TDate last) const;

private:
    void DropCache() { m_cacheValid = false; }

    // The answer to the last FindByDate. It is dropped whenever the set changes, so it never
    // names a holiday that has left the set.
    bool m_cacheValid = false;
    uint32_t m_cachedDay = 0;
    CHolidayInt* m_cachedResult = nullptr; // not owned
};
