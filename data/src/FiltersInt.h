#pragma once
// CFiltersInt: the filter list of the data root, in the order filters were added. It owns them.

#include "FilterInt.h"
#include "VectorBase.h"

#include "wqv2_data.h"

class CFiltersInt final : public wqv2_data::CFilters, public CVectorBase<CFilterInt> {
public:
    explicit CFiltersInt(wqv2_data::CData* data);

    // wqv2_data::CFilters
    wqv2_data::CFilter* CreateNew() override;
    int Add(wqv2_data::CFilter* filter) override;
    int GetCount() override;
    int GetAll(wqv2_data::CFilter** out) override;
    wqv2_data::CFilter* GetAt(int index) override;
    bool Contains(const wqv2_data::CFilter* filter) override;

    // CContBase
    CObjectBase* CreateNewItem() override;
    int AddItem(CObjectBase* item) override;
    const wchar_t* XmlItemName() const override { return L"Filter"; }
    const wchar_t* XmlCollectionName() const override { return L"Filters"; }
    int LegacySectionId() const override;

private:
    wqv2_data::CData* m_data; // not owned
};
