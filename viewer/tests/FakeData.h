#pragma once
// A small in-memory data root for the viewer's tests: resources with fixed task occurrences,
// filters by name, tasks and series with the fields the clipboard reads, task user-field
// definitions, a project period, and a transaction that counts its calls and applies added and
// deleted filters at commit. It records the filter each query was asked with.

#include "wqv2_data.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fake {

using namespace wqv2_data;

class CFakeFilters;

class CFakeFilter : public CFilter {
public:
    explicit CFakeFilter(const wchar_t* name, CFakeFilters* owner = nullptr) : m_owner(owner)
    {
        SetName(name);
        SetResourceName(L"");
        SetResourceNote(L"");
        SetTaskName(L"");
        SetTaskNote(L"");
    }
    int IsTaskHidden(const CTask*) override { return 0; }
    bool IsResourceHidden(const CResource*) override { return false; }
    int GetExcludedResourceCount() override { return static_cast<int>(excluded.size()); }
    int GetExcludedResources(CResource** out) override
    {
        std::copy(excluded.begin(), excluded.end(), out);
        return GetExcludedResourceCount();
    }
    void SetExcludedResources(CResource* const* items, int count) override { excluded.assign(items, items + count); }
    int MarkModified() override { return markResult; }
    int MarkDeleted() override;
    void CopyFrom(const CFilter*) override {}
    const wchar_t* SetName(const wchar_t* text) override { return Name = Store(m_name, text); }
    const wchar_t* SetResourceName(const wchar_t* text) override { return ResourceName = Store(m_resourceName, text); }
    const wchar_t* SetResourceNote(const wchar_t* text) override { return ResourceNote = Store(m_resourceNote, text); }
    const wchar_t* SetTaskName(const wchar_t* text) override { return TaskName = Store(m_taskName, text); }
    const wchar_t* SetTaskNote(const wchar_t* text) override { return TaskNote = Store(m_taskNote, text); }

    std::vector<CResource*> excluded;
    int markResult = kOk;

private:
    static const wchar_t* Store(std::wstring& field, const wchar_t* text)
    {
        field = text ? text : L"";
        return field.c_str();
    }

    CFakeFilters* m_owner;
    std::wstring m_name, m_resourceName, m_resourceNote, m_taskName, m_taskNote;
};

class CFakeFilters : public CFilters {
public:
    CFilter* CreateNew() override
    {
        created.push_back(std::make_unique<CFakeFilter>(L"", this));
        return created.back().get();
    }
    int Add(CFilter* filter) override
    {
        if (addResult != kOk)
            return addResult;
        pendingAdds.push_back(static_cast<CFakeFilter*>(filter));
        return kOk;
    }
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
        items.push_back(std::make_unique<CFakeFilter>(name, this));
        return items.back().get();
    }
    // Commit: added filters enter the list, deleted ones leave it (kept alive until the end).
    void Apply()
    {
        for (CFakeFilter* filter : pendingAdds) {
            auto it = std::find_if(created.begin(), created.end(), [&](const auto& f) { return f.get() == filter; });
            if (it != created.end()) {
                items.push_back(std::move(*it));
                created.erase(it);
            }
        }
        for (CFakeFilter* filter : pendingDeletes) {
            auto it = std::find_if(items.begin(), items.end(), [&](const auto& f) { return f.get() == filter; });
            if (it != items.end()) {
                deleted.push_back(std::move(*it));
                items.erase(it);
            }
        }
        Discard();
    }
    void Discard()
    {
        pendingAdds.clear();
        pendingDeletes.clear();
    }

    std::vector<std::unique_ptr<CFakeFilter>> items;
    std::vector<std::unique_ptr<CFakeFilter>> created;
    std::vector<std::unique_ptr<CFakeFilter>> deleted;
    std::vector<CFakeFilter*> pendingAdds;
    std::vector<CFakeFilter*> pendingDeletes;
    int addResult = kOk;
};

inline int CFakeFilter::MarkDeleted()
{
    if (markResult != kOk)
        return markResult;
    if (m_owner)
        m_owner->pendingDeletes.push_back(this);
    return kOk;
}

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

// A task with the fields the viewer reads; user fields in the order they were set.
class CFakeTask : public CTask {
public:
    CFakeTask(const wchar_t* name, CResource* resource) : m_resource(resource)
    {
        SetName(name);
        SetNote(L"");
    }
    int GetUserFieldCount() override { return static_cast<int>(fields.size()); }
    const wchar_t* GetUserFieldName(int index) override
    {
        return index >= 0 && index < GetUserFieldCount() ? fields[static_cast<size_t>(index)].first.c_str() : nullptr;
    }
    const wchar_t* GetUserFieldValue(const wchar_t* name) override
    {
        for (const auto& field : fields)
            if (name && field.first == name)
                return field.second.c_str();
        return nullptr;
    }
    void SetUserFieldValue(const wchar_t* name, const wchar_t* value) override { fields.emplace_back(name, value); }
    void CopyFrom(const CTask*) override {}
    int GetDuration() override { return 0; }
    bool SetDuration(int) override { return false; }
    int GetWorkDuration() override { return 0; }
    bool SetWorkDuration(unsigned int) override { return false; }
    double GetCosts(TDate, int, TDate, int) override { return 0; }
    const wchar_t* SetName(const wchar_t* name) override { return Name = (m_name = name ? name : L"").c_str(); }
    const wchar_t* SetNote(const wchar_t* note) override { return Note = (m_note = note ? note : L"").c_str(); }
    CResource* GetResource() override { return m_resource; }
    int MarkModified() override { return 0; }
    int MarkDeleted() override { return 0; }

    std::vector<std::pair<std::wstring, std::wstring>> fields;

private:
    CResource* m_resource; // not owned
    std::wstring m_name, m_note;
};

// A series whose occurrences last `Duration` minutes from `TimeStart`; only what the viewer
// reads of it works.
class CFakeRecurrence : public CRecurrence {
public:
    TDate GetOccurrenceEnd(TDate day, int* outMinute) override
    {
        const int end = TimeStart + Duration;
        if (outMinute)
            *outMinute = end % 1440;
        TDate result = day;
        result += end / 1440;
        return result;
    }
    bool UpdateRange() override { return true; }
    CRecurrencePattern* GetPattern() override { return nullptr; }
    int CountOccurrences(TDate, int, TDate, int, CFilter*, bool) override { return 0; }
    int GetOccurrences(TDate*, TDate, int, TDate, int, CFilter*, bool) override { return 0; }
    TDate GetFirstDay() override { return 0u; }
    TDate GetLastDay() override { return 0u; }
    void AddException(TDate) override {}
    int RemoveException(TDate) override { return 0; }
    void ClearExceptions() override {}
    bool IsException(TDate) override { return false; }
    int CountExceptionsInRange(TDate, TDate) override { return 0; }
    int GetExceptionsInRange(TDate*, TDate, TDate) override { return 0; }
    CTask* DetachOccurrence(TDate, CResource*) override { return nullptr; }
    int MarkModified() override { return 0; }
    int MarkDeleted() override { return 0; }
    void CopyFrom(const CRecurrence*) override {}
};

class CFakeSettings : public CProjectSettings {
public:
    int AddUserField(int, const wchar_t*, const wchar_t*) override { return 0; }
    int RenameUserField(int, const wchar_t*, const wchar_t*, const wchar_t*) override { return 0; }
    int RemoveUserField(int, const wchar_t*) override { return 0; }
    int ReorderUserFields(int, const wchar_t**, int) override { return 0; }
    int GetUserFieldCount(int kind) override
    {
        return kind == kUserFieldsTask ? static_cast<int>(taskFields.size()) : 0;
    }
    const wchar_t* GetUserFieldName(int kind, int index) override
    {
        return kind == kUserFieldsTask && index >= 0 && index < GetUserFieldCount(kind)
                   ? taskFields[static_cast<size_t>(index)].first.c_str()
                   : nullptr;
    }
    const wchar_t* GetUserFieldType(int kind, int index) override
    {
        return kind == kUserFieldsTask && index >= 0 && index < GetUserFieldCount(kind)
                   ? taskFields[static_cast<size_t>(index)].second.c_str()
                   : nullptr;
    }
    int MarkModified() override
    {
        ++marks;
        return markResult;
    }
    const wchar_t* SetCurrency(const wchar_t* text) override { return Currency = text; }

    std::vector<std::pair<std::wstring, std::wstring>> taskFields; // (name, type)
    int marks = 0;
    int markResult = kOk;
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
    int BeginTransaction(const wchar_t* name) override
    {
        ++begins;
        transactionNames.push_back(name ? name : L"(null)");
        return beginResult;
    }
    int Rollback() override
    {
        ++rollbacks;
        filters.Discard();
        return kOk;
    }
    int Commit() override
    {
        ++commits;
        if (commitResult != kOk) {
            filters.Discard();
            return commitResult;
        }
        filters.Apply();
        // As the library does after a commit that changed something.
        if (listener)
            listener(ChangeBit(kKindFilter));
        return kOk;
    }
    int AddXmlReader(XmlReader) override { return 1; }
    int AddXmlWriter(XmlWriter) override { return 1; }
    int AddChangeListener(ChangeListener added) override
    {
        listener = added;
        return 1;
    }
    int Command(int, void*) override { return kErrUnknownCommand; }

    CFakeSettings settings;
    CFakeResources resources;
    CFakeFilters filters;
    std::wstring path;
    int begins = 0;
    int commits = 0;
    int rollbacks = 0;
    int beginResult = kOk;
    int commitResult = kOk;
    std::vector<std::wstring> transactionNames;
    ChangeListener listener = nullptr; // told of every successful commit
};

inline CTask* Task(int n)
{
    return reinterpret_cast<CTask*>(static_cast<intptr_t>(0x1000 * n));
}

} // namespace fake
