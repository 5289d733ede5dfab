#pragma once
// CFilterInt: a named rule hiding resources and tasks. The filter list owns it; it owns its five
// texts, its snapshot and its set of excluded resources (references, never owned).

#include "ObjectBase.h"

#include "wqv2_data.h"

#include <memory>
#include <set>

class CFiltersInt;

// The pattern test of filters: an empty pattern is in every text; otherwise a substring search
// that folds only a-z to A-Z.
bool TextContains(const wchar_t* text, const wchar_t* pattern);

class CFilterInt final : public wqv2_data::CFilter, public CObjectBase {
public:
    CFilterInt(wqv2_data::CData* data, wqv2_data::CFilters* owner);
    ~CFilterInt() override;

    // wqv2_data::CFilter
    int IsTaskHidden(const wqv2_data::CTask* task) override;
    bool IsResourceHidden(const wqv2_data::CResource* resource) override;
    int GetExcludedResourceCount() override;
    int GetExcludedResources(wqv2_data::CResource** out) override;
    void SetExcludedResources(wqv2_data::CResource* const* items, int count) override;
    int MarkModified() override;
    int MarkDeleted() override;
    void CopyFrom(const wqv2_data::CFilter* other) override;
    const wchar_t* SetName(const wchar_t* text) override;
    const wchar_t* SetResourceName(const wchar_t* text) override;
    const wchar_t* SetResourceNote(const wchar_t* text) override;
    const wchar_t* SetTaskName(const wchar_t* text) override;
    const wchar_t* SetTaskNote(const wchar_t* text) override;

    // CObjectBase
    void RestoreFromSnapshot() override;
    void InsertIntoOwner(CUndoInfo* step) override;
    CContBase* OwnerContainer() const override;
    void CommitModified(CUndoInfo* step) override;
    void RemoveFromOwner(CUndoInfo* step) override;
    // The "Filter" element (FilterXml.cpp) and a "[Filters]" row of the older format.
    void WriteXml(CXmlParser* parser, CXmlElement* element) override;
    int ReadXml(CXmlParser* parser, CXmlElement* element) override;
    int ImportCsv(const std::vector<std::wstring>& fields) override;
    bool IsValid(bool adding) override;
    int AddToOwner() override;
    void CopyWithId(const CObjectBase* other) override;
    int GetId() const override { return ID; }
    bool TakesNextFreeId() const override { return m_unnumbered; }

    CFiltersInt* OwnerInt() const;
    bool Excludes(const wqv2_data::CResource* resource) const { return m_excluded.count(const_cast<wqv2_data::CResource*>(resource)) != 0; }
    void RemoveExcluded(const wqv2_data::CResource* resource) { m_excluded.erase(const_cast<wqv2_data::CResource*>(resource)); }
    void ClearExcluded() { m_excluded.clear(); }
    // The IDs of the excluded resources, ascending, joined by single blanks ("" for none).
    std::wstring ExcludedIdsText() const;
    // Replaces the excluded set from IDs separated by white space, read up to the first token
    // that is not an integer. Each names a resource read earlier in the same load (the open
    // transaction's added resources); IDs that name none are dropped.
    void SetExcludedFromIds(const std::wstring& text);

private:
    bool m_unnumbered = false; // read from a file whose ID text was no number
    std::set<wqv2_data::CResource*> m_excluded; // keyed by identity; the keys never change
    std::unique_ptr<CFilterInt> m_snapshot;
};
