// The recurrence set of a resource.
#include "RecurrencesInt.h"

#include "Guard.h"

#include <algorithm>

using namespace wqv2_data;

bool LessRecurrence::operator()(const CRecurrenceInt* a, const CRecurrenceInt* b) const
{
    const uint32_t aStart = a->DateStart;
    const uint32_t bStart = b->DateStart;
    if (aStart != bStart)
        return aStart < bStart;
    return a->TimeStart < b->TimeStart;
}

CRecurrencesInt::CRecurrencesInt(CData* data, CResource* resource) : CSetBase(kKindRecurrence), m_data(data)
{
    Resource = resource;
}

CRecurrence* CRecurrencesInt::CreateNew()
{
    return Guarded<CRecurrence*>(nullptr, [&] { return new CRecurrenceInt(m_data, this); });
}

int CRecurrencesInt::Add(CRecurrence* recurrence)
{
    if (!recurrence)
        return kErrTransaction;
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        CRecurrenceInt* item = static_cast<CRecurrenceInt*>(recurrence);
        if (item->IsInContainer() || item->IsAddedRegistered())
            return static_cast<int>(kErrTransaction);
        item->Owner = this;
        return AddCommon(item, item->ID);
    });
}

int CRecurrencesInt::GetCount() { return Count(); }

int CRecurrencesInt::GetAll(CRecurrence** out)
{
    if (out)
        std::copy(Items().begin(), Items().end(), out);
    return Count();
}

CRecurrence* CRecurrencesInt::GetAt(int index) { return At(index); }

bool CRecurrencesInt::Contains(const CRecurrence* recurrence) { return recurrence && HasItem(recurrence); }

void CRecurrencesInt::Erase(CRecurrence* recurrence)
{
    if (recurrence)
        EraseItem(static_cast<CRecurrenceInt*>(recurrence));
}

void CRecurrencesInt::Insert(CRecurrence* recurrence)
{
    if (!recurrence)
        return;
    GuardedVoid([&] {
        CRecurrenceInt* item = static_cast<CRecurrenceInt*>(recurrence);
        item->Owner = this;
        InsertSorted(item);
    });
}

CObjectBase* CRecurrencesInt::CreateNewItem() { return new CRecurrenceInt(m_data, this); }

int CRecurrencesInt::AddItem(CObjectBase* item) { return Add(static_cast<CRecurrenceInt*>(item)); }

int CRecurrencesInt::RenameTemplateUserFieldValues(const wchar_t* oldName, const wchar_t* newName)
{
    for (CRecurrenceInt* series : Snapshot()) {
        const int status = series->RenameTemplateUserFieldValue(oldName, newName);
        if (status != 0)
            return status;
    }
    return 0;
}
