// The task set of a resource and its period query.
#include "TasksInt.h"

#include "Guard.h"
#include "Minutes.h"
#include "TextSlots.h"

#include <algorithm>

using namespace wqv2_data;

bool LessTask::operator()(const CTaskInt* a, const CTaskInt* b) const
{
    const uint32_t aStart = a->DateStart;
    const uint32_t bStart = b->DateStart;
    if (aStart != bStart)
        return aStart < bStart;
    if (a->TimeStart != b->TimeStart)
        return a->TimeStart < b->TimeStart;
    const uint32_t aEnd = a->DateEnd;
    const uint32_t bEnd = b->DateEnd;
    if ((aEnd == 0) != (bEnd == 0))
        return aEnd == 0;
    if (aEnd != bEnd)
        return aEnd > bEnd;
    if (a->TimeEnd != b->TimeEnd)
        return a->TimeEnd > b->TimeEnd;
    return CompareNoCase(a->Name, b->Name) < 0;
}

CTasksInt::CTasksInt(CData* data, CResource* resource) : CSetBase(kKindTask), m_data(data)
{
    Resource = resource;
}

CTask* CTasksInt::CreateNew()
{
    return Guarded<CTask*>(nullptr, [&] { return new CTaskInt(m_data, this); });
}

int CTasksInt::Add(CTask* task)
{
    if (!task)
        return kErrTransaction;
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        CTaskInt* item = static_cast<CTaskInt*>(task);
        if (item->IsInContainer() || item->IsAddedRegistered())
            return static_cast<int>(kErrTransaction);
        item->Owner = this;
        return AddCommon(item, item->ID);
    });
}

std::vector<CTaskInt*> CTasksInt::CollectInWindow(TDate d1, int m1, TDate d2, int m2, CFilter* filter) const
{
    std::vector<CTaskInt*> result;
    if (IsBefore(d2, m2, d1, m1))
        return result;
    const auto startsBefore = [](TDate d, int m) {
        return [d, m](const CTaskInt* task) { return IsBefore(task->DateStart, task->TimeStart, d, m); };
    };
    const std::vector<CTaskInt*>& items = Items();
    const size_t first = LowerBound(startsBefore(d1, m1));
    const size_t last = std::max(first, LowerBound(startsBefore(d2, m2)));
    for (size_t i = 0; i < first; ++i) {
        // Started before the period: taken when it ends after the period's start.
        if (IsBefore(d1, m1, items[i]->DateEnd, items[i]->TimeEnd))
            result.push_back(items[i]);
    }
    result.insert(result.end(), items.begin() + static_cast<std::ptrdiff_t>(first),
                  items.begin() + static_cast<std::ptrdiff_t>(last));
    if (filter) {
        result.erase(std::remove_if(result.begin(), result.end(), [filter](CTaskInt* task) { return filter->IsTaskHidden(task) != 0; }),
                     result.end());
    }
    return result;
}

int CTasksInt::CountInWindow(TDate d1, int m1, TDate d2, int m2, CFilter* filter)
{
    return Guarded(0, [&] { return static_cast<int>(CollectInWindow(d1, m1, d2, m2, filter).size()); });
}

int CTasksInt::GetInWindow(CTask** out, TDate d1, int m1, TDate d2, int m2, CFilter* filter)
{
    return Guarded(0, [&] {
        const std::vector<CTaskInt*> tasks = CollectInWindow(d1, m1, d2, m2, filter);
        if (out)
            std::copy(tasks.begin(), tasks.end(), out);
        return static_cast<int>(tasks.size());
    });
}

int CTasksInt::GetCount() { return Count(); }

int CTasksInt::GetAll(CTask** out)
{
    if (out)
        std::copy(Items().begin(), Items().end(), out);
    return Count();
}

CTask* CTasksInt::GetAt(int index) { return At(index); }

bool CTasksInt::Contains(const CTask* task) { return task && HasItem(task); }

void CTasksInt::Erase(CTask* task)
{
    if (task)
        EraseItem(static_cast<CTaskInt*>(task));
}

void CTasksInt::Insert(CTask* task)
{
    if (!task)
        return;
    GuardedVoid([&] {
        CTaskInt* item = static_cast<CTaskInt*>(task);
        item->Owner = this;
        InsertSorted(item);
    });
}

CObjectBase* CTasksInt::CreateNewItem() { return new CTaskInt(m_data, this); }

int CTasksInt::AddItem(CObjectBase* item) { return Add(static_cast<CTaskInt*>(item)); }

std::vector<CTaskInt*> CTasksInt::LinkedTo(const CRecurrence* recurrence) const
{
    std::vector<CTaskInt*> linked;
    for (CTaskInt* task : Items()) {
        if (task->Recurrence == recurrence)
            linked.push_back(task);
    }
    return linked;
}

int CTasksInt::RenameUserFieldValues(const wchar_t* oldName, const wchar_t* newName)
{
    for (CTaskInt* task : Snapshot()) {
        const int status = task->RenameUserFieldValue(oldName, newName);
        if (status != 0)
            return status;
    }
    return 0;
}
