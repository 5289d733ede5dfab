#pragma once
// CResourcesInt: the resource list of the data root, in display order (the order resources were
// added, the order of the project file). It owns its resources.

#include "ResourceInt.h"
#include "VectorBase.h"

#include "wqv2_data.h"

#include <vector>

class CResourcesInt final : public wqv2_data::CResources, public CVectorBase<CResourceInt> {
public:
    explicit CResourcesInt(wqv2_data::CData* data);

    // wqv2_data::CResources
    wqv2_data::CResource* CreateNew() override;
    int Add(wqv2_data::CResource* resource) override;
    int GetCount(wqv2_data::CFilter* filter) override;
    int GetAll(wqv2_data::CResource** out, wqv2_data::CFilter* filter) override;
    wqv2_data::CResource* GetAt(int index) override;
    bool ContainsTask(const wqv2_data::CTask* task) override;
    bool Contains(const wqv2_data::CResource* resource) override;

    // CContBase
    // Task sets follow the mask first (bit 0 or 4 keeps them), then the list (bit 0 or 2).
    bool Reset(int keepMask) override;
    CObjectBase* CreateNewItem() override;
    int AddItem(CObjectBase* item) override;
    const wchar_t* XmlItemName() const override { return L"Resource"; }
    const wchar_t* XmlCollectionName() const override { return L"Resources"; }
    int LegacySectionId() const override;

    // The resources the filter does not hide, in display order; count and fill both use it.
    std::vector<CResourceInt*> Collect(wqv2_data::CFilter* filter) const;
    // Moves (or with a null new name removes) the values of a user field: kind 2 in every
    // resource, kind 4 in every task and every series' template, resource by resource.
    int RenameUserFieldValues(int kind, const wchar_t* oldName, const wchar_t* newName);

private:
    wqv2_data::CData* m_data; // not owned
};
