// The resource list of the data root.
#include "ResourcesInt.h"

#include "Guard.h"
#include "QV2DRes.h"
#include "RecurrencesInt.h"
#include "TasksInt.h"

#include <algorithm>

using namespace wqv2_data;

CResourcesInt::CResourcesInt(CData* data) : CVectorBase(kKindResource), m_data(data) {}

CResource* CResourcesInt::CreateNew()
{
    return Guarded<CResource*>(nullptr, [&] { return new CResourceInt(m_data, this); });
}

int CResourcesInt::Add(CResource* resource)
{
    if (!resource)
        return kErrTransaction;
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        CResourceInt* item = static_cast<CResourceInt*>(resource);
        if (item->IsInContainer() || item->IsAddedRegistered())
            return static_cast<int>(kErrTransaction);
        item->Owner = this;
        return AddCommon(item, item->ID);
    });
}

std::vector<CResourceInt*> CResourcesInt::Collect(CFilter* filter) const
{
    std::vector<CResourceInt*> shown = Items();
    if (filter) {
        shown.erase(std::remove_if(shown.begin(), shown.end(), [filter](CResourceInt* r) { return filter->IsResourceHidden(r); }),
                    shown.end());
    }
    return shown;
}

int CResourcesInt::GetCount(CFilter* filter)
{
    if (!filter)
        return Count();
    return Guarded(0, [&] { return static_cast<int>(Collect(filter).size()); });
}

int CResourcesInt::GetAll(CResource** out, CFilter* filter)
{
    return Guarded(0, [&] {
        const std::vector<CResourceInt*> shown = Collect(filter);
        if (out)
            std::copy(shown.begin(), shown.end(), out);
        return static_cast<int>(shown.size());
    });
}

CResource* CResourcesInt::GetAt(int index) { return At(index); }

bool CResourcesInt::ContainsTask(const CTask* task)
{
    if (!task)
        return false;
    // The task pointer may be stale: only compared, never followed.
    return std::any_of(Items().begin(), Items().end(), [task](CResourceInt* r) { return r->TasksInt()->Contains(task); });
}

bool CResourcesInt::Contains(const CResource* resource) { return resource && HasItem(resource); }

bool CResourcesInt::Reset(int keepMask)
{
    for (CResourceInt* resource : Items())
        resource->TasksInt()->Reset(keepMask);
    return CVectorBase::Reset(keepMask);
}

CObjectBase* CResourcesInt::CreateNewItem() { return new CResourceInt(m_data, this); }

int CResourcesInt::AddItem(CObjectBase* item) { return Add(static_cast<CResourceInt*>(item)); }

int CResourcesInt::LegacySectionId() const { return IDS_LEGACY_RESOURCES; }

int CResourcesInt::RenameUserFieldValues(int kind, const wchar_t* oldName, const wchar_t* newName)
{
    const std::vector<CResourceInt*> resources = Items();
    for (CResourceInt* resource : resources) {
        int status = 0;
        if (kind == kUserFieldsResource) {
            status = resource->RenameUserFieldValue(oldName, newName);
        } else if (kind == kUserFieldsTask) {
            status = resource->TasksInt()->RenameUserFieldValues(oldName, newName);
            if (status == 0)
                status = resource->RecurrencesInt()->RenameTemplateUserFieldValues(oldName, newName);
        }
        if (status != 0)
            return status;
    }
    return 0;
}
