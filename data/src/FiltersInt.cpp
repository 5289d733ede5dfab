// The filter list of the data root.
#include "FiltersInt.h"

#include "Guard.h"
#include "QV2DRes.h"

#include <algorithm>

using namespace wqv2_data;

CFiltersInt::CFiltersInt(CData* data) : CVectorBase(kKindFilter), m_data(data) {}

CFilter* CFiltersInt::CreateNew()
{
    return Guarded<CFilter*>(nullptr, [&] { return new CFilterInt(m_data, this); });
}

int CFiltersInt::Add(CFilter* filter)
{
    if (!filter)
        return kErrTransaction;
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        CFilterInt* item = static_cast<CFilterInt*>(filter);
        if (item->IsInContainer() || item->IsAddedRegistered())
            return static_cast<int>(kErrTransaction);
        item->Owner = this;
        return AddCommon(item, item->ID);
    });
}

int CFiltersInt::GetCount() { return Count(); }

int CFiltersInt::GetAll(CFilter** out)
{
    if (out)
        std::copy(Items().begin(), Items().end(), out);
    return Count();
}

CFilter* CFiltersInt::GetAt(int index) { return At(index); }

bool CFiltersInt::Contains(const CFilter* filter) { return filter && HasItem(filter); }

CObjectBase* CFiltersInt::CreateNewItem() { return new CFilterInt(m_data, this); }

int CFiltersInt::AddItem(CObjectBase* item) { return Add(static_cast<CFilterInt*>(item)); }

int CFiltersInt::LegacySectionId() const { return IDS_LEGACY_FILTERS; }
