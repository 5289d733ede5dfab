#pragma once
// CTasksInt: the task set of one resource, kept in the order lessTask (start, longer first,
// name). It owns its tasks; the resource owns the set.

#include "SetBase.h"
#include "TaskInt.h"

#include "wqv2_data.h"

#include <vector>

// lessTask: DateStart, TimeStart, an unset DateEnd first, later DateEnd first, later TimeEnd
// first, then the name case-insensitively.
struct LessTask {
    bool operator()(const CTaskInt* a, const CTaskInt* b) const;
};

class CTasksInt final : public wqv2_data::CTasks, public CSetBase<CTaskInt, LessTask> {
public:
    CTasksInt(wqv2_data::CData* data, wqv2_data::CResource* resource);

    // wqv2_data::CTasks
    wqv2_data::CTask* CreateNew() override;
    int Add(wqv2_data::CTask* task) override;
    int CountInWindow(TDate d1, int m1, TDate d2, int m2, wqv2_data::CFilter* filter) override;
    int GetCount() override;
    int GetInWindow(wqv2_data::CTask** out, TDate d1, int m1, TDate d2, int m2, wqv2_data::CFilter* filter) override;
    int GetAll(wqv2_data::CTask** out) override;
    wqv2_data::CTask* GetAt(int index) override;
    bool Contains(const wqv2_data::CTask* task) override;
    void Erase(wqv2_data::CTask* task) override;
    void Insert(wqv2_data::CTask* task) override;

    // CContBase
    CObjectBase* CreateNewItem() override;
    int AddItem(CObjectBase* item) override;
    const wchar_t* XmlItemName() const override { return L"Task"; }
    const wchar_t* XmlCollectionName() const override { return L"Tasks"; }

    // The tasks overlapping [(d1, m1), (d2, m2)) in set order: first those that started before
    // the period, then those that start in it; without the tasks the filter hides. An inverted
    // period gives none. Both the count and the fill of the period query come from here.
    std::vector<CTaskInt*> CollectInWindow(TDate d1, int m1, TDate d2, int m2, wqv2_data::CFilter* filter) const;
    // Tasks whose recurrence link is `recurrence`, in set order.
    std::vector<CTaskInt*> LinkedTo(const wqv2_data::CRecurrence* recurrence) const;
    std::vector<CTaskInt*> Snapshot() const { return Items(); }
    // Moves or removes a user-field value in every task; the first failure is returned.
    int RenameUserFieldValues(const wchar_t* oldName, const wchar_t* newName);

private:
    wqv2_data::CData* m_data; // not owned
};
