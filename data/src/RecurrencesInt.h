#pragma once
// CRecurrencesInt: the recurrence set of one resource, ordered by DateStart then TimeStart. It
// owns its series; the resource owns the set.

#include "RecurrenceInt.h"
#include "SetBase.h"

#include "wqv2_data.h"

struct LessRecurrence {
    bool operator()(const CRecurrenceInt* a, const CRecurrenceInt* b) const;
};

class CRecurrencesInt final : public wqv2_data::CRecurrences, public CSetBase<CRecurrenceInt, LessRecurrence> {
public:
    CRecurrencesInt(wqv2_data::CData* data, wqv2_data::CResource* resource);

    // wqv2_data::CRecurrences
    wqv2_data::CRecurrence* CreateNew() override;
    int Add(wqv2_data::CRecurrence* recurrence) override;
    int GetCount() override;
    int GetAll(wqv2_data::CRecurrence** out) override;
    wqv2_data::CRecurrence* GetAt(int index) override;
    bool Contains(const wqv2_data::CRecurrence* recurrence) override;
    void Erase(wqv2_data::CRecurrence* recurrence) override;
    void Insert(wqv2_data::CRecurrence* recurrence) override;

    // CContBase
    CObjectBase* CreateNewItem() override;
    int AddItem(CObjectBase* item) override;
    const wchar_t* XmlItemName() const override { return L"Recurrence"; }
    const wchar_t* XmlCollectionName() const override { return L"Recurrences"; }

    std::vector<CRecurrenceInt*> Snapshot() const { return Items(); }
    // Moves or removes a user-field value in every template; the first failure is returned.
    int RenameTemplateUserFieldValues(const wchar_t* oldName, const wchar_t* newName);

private:
    wqv2_data::CData* m_data; // not owned
};
