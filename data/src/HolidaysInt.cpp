// The holiday set: additions that replace colliding holidays, look-ups by day and ranges.
#include "HolidaysInt.h"

#include "Guard.h"
#include "QV2DRes.h"

#include <algorithm>
#include <cwchar>

using namespace wqv2_data;

CHolidaysInt::CHolidaysInt(CData* data) : CSetBase(kKindHoliday) { Data = data; }

CHoliday* CHolidaysInt::CreateNew()
{
    return Guarded<CHoliday*>(nullptr, [&] { return new CHolidayInt(Data, this); });
}

int CHolidaysInt::Add(CHoliday* holiday)
{
    if (!holiday)
        return kErrTransaction;
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        CHolidayInt* item = static_cast<CHolidayInt*>(holiday);
        if (item->IsInContainer() || item->IsAddedRegistered())
            return static_cast<int>(kErrTransaction);
        item->Owner = this;
        if (item->ID == 0) {
            // At most one holiday a day and one of a name a year: a new one replaces both.
            CHolidayInt* sameDay = static_cast<CHolidayInt*>(FindByDate(item->Date));
            if (sameDay) {
                const int status = sameDay->MarkDeleted();
                if (status != 0)
                    return status;
            }
            const unsigned year = item->Date.GetYear();
            const TDate from = TDate::FromYMD(1, year, 1);
            const TDate to = TDate::FromYMD(1, year + 1, 1);
            if (from != 0 && to != 0) {
                for (CHolidayInt* other : CollectInRange(from, TDate(static_cast<uint32_t>(to) - 1))) {
                    if (other == sameDay || !other->Name || !item->Name || std::wcscmp(other->Name, item->Name) != 0)
                        continue;
                    const int status = other->MarkDeleted();
                    if (status != 0)
                        return status;
                    break;
                }
            }
        }
        return AddCommon(item, item->ID);
    });
}

bool CHolidaysInt::Contains(const CHoliday* holiday) { return holiday && HasItem(holiday); }

CHoliday* CHolidaysInt::FindByDate(TDate day)
{
    if (m_cacheValid && m_cachedDay == static_cast<uint32_t>(day))
        return m_cachedResult;
    const uint32_t key = day;
    const size_t pos = LowerBound([key](const CHolidayInt* h) { return static_cast<uint32_t>(h->Date) < key; });
    CHolidayInt* found = pos < Items().size() && static_cast<uint32_t>(Items()[pos]->Date) == key ? Items()[pos] : nullptr;
    m_cachedDay = key;
    m_cachedResult = found;
    m_cacheValid = true;
    return found;
}

int CHolidaysInt::GetCount() { return Count(); }

std::vector<CHolidayInt*> CHolidaysInt::CollectInRange(TDate first, TDate last) const
{
    std::vector<CHolidayInt*> result;
    const uint32_t from = first;
    const uint32_t to = last;
    if (from > to)
        return result;
    const size_t begin = LowerBound([from](const CHolidayInt* h) { return static_cast<uint32_t>(h->Date) < from; });
    for (size_t i = begin; i < Items().size() && static_cast<uint32_t>(Items()[i]->Date) <= to; ++i)
        result.push_back(Items()[i]);
    return result;
}

int CHolidaysInt::CountInRange(TDate first, TDate last)
{
    return Guarded(0, [&] { return static_cast<int>(CollectInRange(first, last).size()); });
}

int CHolidaysInt::GetInRange(CHoliday** out, TDate first, TDate last)
{
    return Guarded(0, [&] {
        const std::vector<CHolidayInt*> found = CollectInRange(first, last);
        if (out)
            std::copy(found.begin(), found.end(), out);
        return static_cast<int>(found.size());
    });
}

int CHolidaysInt::GetAll(CHoliday** out)
{
    if (out)
        std::copy(Items().begin(), Items().end(), out);
    return Count();
}

CHoliday* CHolidaysInt::GetAt(int index) { return At(index); }

void CHolidaysInt::Refresh()
{
    DropCache();
    CSetBase::Refresh();
}

void CHolidaysInt::Clear()
{
    DropCache();
    CSetBase::Clear();
}

CObjectBase* CHolidaysInt::CreateNewItem() { return new CHolidayInt(Data, this); }

int CHolidaysInt::AddItem(CObjectBase* item) { return Add(static_cast<CHolidayInt*>(item)); }

int CHolidaysInt::LegacySectionId() const { return IDS_LEGACY_HOLIDAYS; }

void CHolidaysInt::InsertHoliday(CHolidayInt* holiday)
{
    DropCache();
    InsertSorted(holiday);
}

void CHolidaysInt::EraseHoliday(CHolidayInt* holiday)
{
    DropCache();
    EraseItem(holiday);
}
