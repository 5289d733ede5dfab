// Filters: the pattern tests, the excluded resources and their part in the transaction.
#include "FilterInt.h"

#include "FiltersInt.h"
#include "Guard.h"
#include "Library.h"
#include "ResourceInt.h"
#include "TextSlots.h"
#include "Transaction.h"
#include "UndoInfo.h"

#include "ClassicText.h"

#include <algorithm>
#include <sstream>
#include <vector>

using namespace wqv2_data;

namespace {

wchar_t FoldAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

} // namespace

bool TextContains(const wchar_t* text, const wchar_t* pattern)
{
    text = TextOrEmpty(text);
    pattern = TextOrEmpty(pattern);
    if (*pattern == L'\0')
        return true;
    for (const wchar_t* start = text; *start; ++start) {
        const wchar_t* t = start;
        const wchar_t* p = pattern;
        while (*t && *p && FoldAscii(*t) == FoldAscii(*p)) {
            ++t;
            ++p;
        }
        if (*p == L'\0')
            return true;
        if (*t == L'\0')
            return false;
    }
    return false;
}

CFilterInt::CFilterInt(CData* data, CFilters* owner) : CObjectBase(kKindFilter)
{
    Data = data;
    Owner = owner;
    SetString(L"", Name);
    SetString(L"", ResourceName);
    SetString(L"", ResourceNote);
    SetString(L"", TaskName);
    SetString(L"", TaskNote);
}

CFilterInt::~CFilterInt()
{
    FreeString(Name);
    FreeString(ResourceName);
    FreeString(ResourceNote);
    FreeString(TaskName);
    FreeString(TaskNote);
}

CFiltersInt* CFilterInt::OwnerInt() const { return static_cast<CFiltersInt*>(Owner); }

int CFilterInt::IsTaskHidden(const CTask* task)
{
    if (!task)
        return 0;
    return TextContains(task->Name, TaskName) && TextContains(task->Note, TaskNote) ? 0 : 1;
}

bool CFilterInt::IsResourceHidden(const CResource* resource)
{
    if (!resource)
        return false;
    if (Excludes(resource))
        return true;
    return !(TextContains(resource->Name, ResourceName) && TextContains(resource->Note, ResourceNote));
}

int CFilterInt::GetExcludedResourceCount() { return static_cast<int>(m_excluded.size()); }

int CFilterInt::GetExcludedResources(CResource** out)
{
    if (out)
        std::copy(m_excluded.begin(), m_excluded.end(), out);
    return static_cast<int>(m_excluded.size());
}

void CFilterInt::SetExcludedResources(CResource* const* items, int count)
{
    GuardedVoid([&] {
        std::set<CResource*> excluded;
        for (int i = 0; items && i < count; ++i) {
            if (items[i])
                excluded.insert(items[i]);
        }
        m_excluded.swap(excluded);
    });
}

int CFilterInt::MarkModified()
{
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        return RegisterModified([&] {
            if (!m_snapshot)
                m_snapshot = std::make_unique<CFilterInt>(Data, Owner);
            m_snapshot->CopyWithId(this);
        });
    });
}

int CFilterInt::MarkDeleted()
{
    return Guarded(static_cast<int>(kErrTransaction), [&] { return RegisterDeletedOrDestroy(); });
}

void CFilterInt::CopyFrom(const CFilter* other)
{
    if (!other || other == this)
        return;
    GuardedVoid([&] {
        const int id = ID;
        CopyWithId(static_cast<const CFilterInt*>(other));
        ID = id;
    });
}

void CFilterInt::CopyWithId(const CObjectBase* other)
{
    if (!other || other == this)
        return;
    const CFilterInt& source = *static_cast<const CFilterInt*>(other);
    ID = source.ID;
    SetString(source.Name, Name);
    SetString(source.ResourceName, ResourceName);
    SetString(source.ResourceNote, ResourceNote);
    SetString(source.TaskName, TaskName);
    SetString(source.TaskNote, TaskNote);
    m_excluded = source.m_excluded;
    Owner = source.Owner;
}

const wchar_t* CFilterInt::SetName(const wchar_t* text) { return Guarded(Name, [&] { return SetString(text, Name); }); }

const wchar_t* CFilterInt::SetResourceName(const wchar_t* text)
{
    return Guarded(ResourceName, [&] { return SetString(text, ResourceName); });
}

const wchar_t* CFilterInt::SetResourceNote(const wchar_t* text)
{
    return Guarded(ResourceNote, [&] { return SetString(text, ResourceNote); });
}

const wchar_t* CFilterInt::SetTaskName(const wchar_t* text)
{
    return Guarded(TaskName, [&] { return SetString(text, TaskName); });
}

const wchar_t* CFilterInt::SetTaskNote(const wchar_t* text)
{
    return Guarded(TaskNote, [&] { return SetString(text, TaskNote); });
}

void CFilterInt::RestoreFromSnapshot()
{
    if (m_snapshot)
        CopyWithId(m_snapshot.get());
}

CContBase* CFilterInt::OwnerContainer() const { return OwnerInt(); }

void CFilterInt::InsertIntoOwner(CUndoInfo* step)
{
    if (step)
        step->AddAdded(this);
    if (CFiltersInt* list = OwnerInt())
        list->Append(this);
}

void CFilterInt::CommitModified(CUndoInfo* step)
{
    RecordBeforeImage(this, m_snapshot.get(), step);
}

void CFilterInt::RemoveFromOwner(CUndoInfo* step)
{
    if (CFiltersInt* list = OwnerInt())
        list->RemoveItem(static_cast<CFilter*>(this));
    KeepOrDestroyDeleted(this, step);
}

std::wstring CFilterInt::ExcludedIdsText() const
{
    // The set is keyed by identity; files list the IDs in one order whatever the addresses.
    std::vector<int> ids;
    ids.reserve(m_excluded.size());
    for (const CResource* resource : m_excluded)
        ids.push_back(resource->ID);
    std::sort(ids.begin(), ids.end());
    std::wstring text;
    for (int id : ids) {
        if (!text.empty())
            text += L' ';
        text += ctext::IntText(id);
    }
    return text;
}

void CFilterInt::SetExcludedFromIds(const std::wstring& text)
{
    m_excluded.clear();
    CTransaction* t = lib::Transaction();
    if (!t)
        return;
    const std::vector<CObjectBase*>& loaded = t->Added(kKindResource);
    std::wistringstream tokens(text);
    std::wstring token;
    while (tokens >> token) {
        int id = 0;
        if (!ctext::ParseIntExact(token, id))
            break;
        for (CObjectBase* item : loaded) {
            if (item->GetId() == id) {
                m_excluded.insert(static_cast<CResourceInt*>(item));
                break;
            }
        }
    }
}

int CFilterInt::ImportCsv(const std::vector<std::wstring>& fields)
{
    return Guarded(static_cast<int>(kErrIo), [&] {
        // Fields by position: ID, Name, excluded IDs, then the four patterns.
        if (fields.size() > 0 && !ctext::ParseIntExact(fields[0], ID))
            ID = 0;
        if (fields.size() > 1)
            SetString(fields[1].c_str(), Name);
        if (fields.size() > 2)
            SetExcludedFromIds(fields[2]);
        const wchar_t** patterns[] = {&ResourceName, &ResourceNote, &TaskName, &TaskNote};
        for (size_t i = 0; i < 4 && i + 3 < fields.size(); ++i)
            SetString(fields[i + 3].c_str(), *patterns[i]);
        return 0;
    });
}

bool CFilterInt::IsValid(bool) { return Name && *Name; }

int CFilterInt::AddToOwner()
{
    CFiltersInt* list = OwnerInt();
    return list ? list->Add(this) : static_cast<int>(kErrTransaction);
}
