#pragma once
// wqv2_data::CFilter and CFilters: named rules that hide resources and tasks. The list owns its
// filters; a filter holds references to the resources it excludes, never owning them.

#include "Types.h"

namespace wqv2_data {

class CFilter {
public:
    CData* Data = nullptr;                 // not owned
    int ID = 0;
    const wchar_t* Name = nullptr;         // owned, never null once constructed; must not be empty
    const wchar_t* ResourceName = nullptr; // patterns, owned, never null once constructed;
    const wchar_t* ResourceNote = nullptr; // "" accepts everything
    const wchar_t* TaskName = nullptr;
    const wchar_t* TaskNote = nullptr;
    CFilters* Owner = nullptr;

    virtual int IsTaskHidden(const CTask* task) = 0; // 1 hidden, 0 shown
    virtual bool IsResourceHidden(const CResource* resource) = 0;
    virtual int GetExcludedResourceCount() = 0;
    virtual int GetExcludedResources(CResource** out) = 0; // out holds the count; not null
    virtual void SetExcludedResources(CResource* const* items, int count) = 0;
    virtual int MarkModified() = 0;
    virtual int MarkDeleted() = 0;
    virtual void CopyFrom(const CFilter* other) = 0; // everything but ID
    virtual ~CFilter() = default;
    virtual const wchar_t* SetName(const wchar_t* text) = 0;
    virtual const wchar_t* SetResourceName(const wchar_t* text) = 0;
    virtual const wchar_t* SetResourceNote(const wchar_t* text) = 0;
    virtual const wchar_t* SetTaskName(const wchar_t* text) = 0;
    virtual const wchar_t* SetTaskNote(const wchar_t* text) = 0;
};

class CFilters {
public:
    virtual CFilter* CreateNew() = 0;
    virtual int Add(CFilter* filter) = 0;
    virtual int GetCount() = 0;
    virtual int GetAll(CFilter** out) = 0;
    virtual CFilter* GetAt(int index) = 0;
    virtual bool Contains(const CFilter* filter) = 0; // tells whether a kept pointer is still valid
    virtual ~CFilters() = default;
};

} // namespace wqv2_data
