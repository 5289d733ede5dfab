#pragma once
// A small in-memory data root for the viewer's tests: resources with fixed task occurrences,
// filters by name, a project period. It records the filter each query was asked with.

#include "wqv2_data.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace fake {

using namespace wqv2_data;

class CFakeFilter : public CFilter {
public:
    explicit CFakeFilter(const wchar_t* name) : m_name(name) { Name = m_name.c_str(); }
    int IsTaskHidden(const CTask*) override { return 0; }
    bool IsResourceHidden(const CResource*) override { return false; }
    int GetExcludedResourceCount() override { return 0; }
    int GetExcludedResources(CResource**) override { return 0; }
    void SetExcludedResources(CResource* const*, int) override {}
    int MarkModified() override { return 0; }
    int MarkDeleted() override { return 0; }
    void CopyFrom(const CFilter*) override {}
    const wchar_t* SetName(const wchar_t* text) override { return Name = text; }
    const wchar_t* SetResourceName(const wchar_t* text) override { return text; }
    const wchar_t* SetResourceNote(const wchar_t* text) override { return text; }
    const wchar_t* SetTaskName(const wchar_t* text) override { return text; }
    const wchar_t* SetTaskNote(const wchar_t* text) override { return text; }

private:
    std::wstring m_name;
};

class CFakeFilters : public CFilters {
public:
    CFilter* CreateNew() override { return nullptr; }
    int Add(CFilter*) override { return kErrInvalid; }
    int GetCount() override { return static_cast<int>(items.size()); }
    int GetAll(CFilter** out) override
    {
        for (size_t i = 0; i < items.size(); ++i)
            out[i] = items[i].get();
        return GetCount();
    }
    CFilter* GetAt(int index) override
    {
        return index >= 0 && index < GetCount() ? items[static_cast<size_t>(index)].get() : nullptr;
    }
    bool Contains(const CFilter* filter) override
    {
        return std::any_of(items.begin(), items.end(), [&](const auto& f) { return f.get() == filter; });
    }
    CFilter* Add(const wchar_t* name)
    {
        items.push_back(std::make_unique<CFakeFilter>(name));
        return items.back().get();
    }

    std::vector<std::unique_ptr<CFakeFilter>> items;
};

class CFakeResource : public CResource {
public:
    CFakeResource(const wchar_t* name, int position) : m_name(name)
    {
        Name = m_name.c_str();
        Position = position;
    }
    int CountTasksInWindow(TDate d1, int, TDate d2, int, CFilter* filter) override
    {
        askedWith = filter;
        window = {d1, d2};
        return static_cast<int>(occurrences.size());
    }
    int GetTasksInWindow(TaskOccurrence* out, TDate, int, TDate, int, CFilter*) override
    {
        std::copy(occurrences.begin(), occurrences.end(), out);
        return static_cast<int>(occurrences.size());
    }
    int GetUserFieldCount() override { return 0; }
    const wchar_t* GetUserFieldName(int) override { return nullptr; }
    const wchar_t* GetUserFieldValue(const wchar_t*) override { return nullptr; }
    void SetUserFieldValue(const wchar_t*, const wchar_t*) override {}
    void CopyFrom(const CResource*) override {}
    int MarkModified() override { return 0; }
    int MarkDeleted() override { return 0; }
    const wchar_t* SetName(const wchar_t* name) override { return Name = name; }
    const wchar_t* SetNote(const wchar_t* note) override { return Note = note; }

    std::vector<TaskOccurrence> occurrences;
    CFilter* askedWith = reinterpret_cast<CFilter*>(-1); // the filter of the last query
    std::pair<TDate, TDate> window{0u, 0u};

private:
    std::wstring m_name;
};

class CFakeResources : public CResources {
public:
    CResource* CreateNew() override { return nullptr; }
    int Add(CResource*) override { return kErrInvalid; }
    int GetCount(CFilter*) override { return static_cast<int>(items.size()); }
    int GetAll(CResource** out, CFilter*) override
    {
        for (size_t i = 0; i < items.size(); ++i)
            out[i] = items[i].get();
        return static_cast<int>(items.size());
    }
    CResource* GetAt(int index) override { return items[static_cast<size_t>(index)].get(); }
    bool ContainsTask(const CTask*) override { return false; }
    bool Contains(const CResource*) override { return false; }

    CFakeResource* Add(const wchar_t* name, int position)
    {
        items.push_back(std::make_unique<CFakeResource>(name, position));
        return items.back().get();
    }

    std::vector<std::unique_ptr<CFakeResource>> items;
};

class CFakeSettings : public CProjectSettings {
public:
    int AddUserField(int, const wchar_t*, const wchar_t*) override { return 0; }
    int RenameUserField(int, const wchar_t*, const wchar_t*, const wchar_t*) override { return 0; }
    int RemoveUserField(int, const wchar_t*) override { return 0; }
    int ReorderUserFields(int, const wchar_t**, int) override { return 0; }
    int GetUserFieldCount(int) override { return 0; }
    const wchar_t* GetUserFieldName(int, int) override { return nullptr; }
    const wchar_t* GetUserFieldType(int, int) override { return nullptr; }
    int MarkModified() override { return 0; }
    const wchar_t* SetCurrency(const wchar_t* text) override { return Currency = text; }
};

class CFakeData : public CData {
public:
    CFakeData()
    {
        ProjectSettings = &settings;
        Resources = &resources;
        Filters = &filters;
    }
    int Open(const wchar_t* file, bool) override
    {
        path = file ? file : L"";
        return kOk;
    }
    int Save(const wchar_t*, bool) override { return kErrReadOnly; }
    int Reload(unsigned int) override { return kOk; }
    int Close(int) override { return kOk; }
    wchar_t* GetPath(wchar_t* out) override
    {
        const size_t n = std::min<size_t>(path.size(), kPathChars - 1);
        path.copy(out, n);
        out[n] = L'\0';
        return out;
    }
    int GetFileInfo(int, void*) override { return 1; }
    bool IsReadOnly() override { return true; }
    bool IsModified() override { return false; }
    int BeginTransaction(const wchar_t*) override { return kOk; }
    int Rollback() override { return kOk; }
    int Commit() override { return kOk; }
    int AddXmlReader(XmlReader) override { return 1; }
    int AddXmlWriter(XmlWriter) override { return 1; }
    int AddChangeListener(ChangeListener) override { return 1; }
    int Command(int, void*) override { return kErrUnknownCommand; }

    CFakeSettings settings;
    CFakeResources resources;
    CFakeFilters filters;
    std::wstring path;
};

inline CTask* Task(int n)
{
    return reinterpret_cast<CTask*>(static_cast<intptr_t>(0x1000 * n));
}

} // namespace fake
