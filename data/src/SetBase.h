#pragma once
// CSetBase: an ordered set of items (tasks, recurrences, holidays, calendar exceptions). It owns
// its items. Callers edit an item's keys in place between MarkModified and the commit, so the
// order may be stale until the commit re-inserts the item: the set is a sorted vector searched
// with plain binary searches (never undefined on a stale order), items equal in every key keep
// their insertion order, and items are found for removal by identity, never by key.

#include "ContBase.h"

#include <algorithm>
#include <vector>

template <class Item, class Less>
class CSetBase : public CContBase {
public:
    explicit CSetBase(int kind) : CContBase(kind) {}
    ~CSetBase() override { DestroyAll(); }

    const std::vector<Item*>& Items() const { return m_items; }
    int Count() const { return static_cast<int>(m_items.size()); }
    Item* At(int index) const
    {
        if (index < 0 || index >= Count())
            return nullptr;
        return m_items[static_cast<size_t>(index)];
    }
    // Identity tests compare as the caller's pointer type (an interface or the object base),
    // upcasting our own items: the caller's pointer may be stale and is never dereferenced.
    template <class P>
    bool HasItem(const P* item) const
    {
        return Find(item) != m_items.end();
    }

    // After every item that does not sort after `item`.
    void InsertSorted(Item* item)
    {
        size_t lo = 0;
        size_t hi = m_items.size();
        while (lo < hi) {
            const size_t mid = lo + (hi - lo) / 2;
            if (Less()(item, m_items[mid]))
                hi = mid;
            else
                lo = mid + 1;
        }
        m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(lo), item);
        item->SetInContainer(true);
    }
    // Removes this very item (not an equal one); nothing when absent. The item is looked for
    // among its equals first; a stale order makes that miss, and the whole set is scanned.
    void EraseItem(Item* item)
    {
        auto it = FindByKey(item);
        if (it == m_items.end())
            it = Find(static_cast<const Item*>(item));
        if (it != m_items.end()) {
            (*it)->SetInContainer(false);
            m_items.erase(it);
        }
    }
    // First position whose item is not before the key (`before(item)`: the item sorts before it).
    template <class Before>
    size_t LowerBound(Before before) const
    {
        size_t lo = 0;
        size_t hi = m_items.size();
        while (lo < hi) {
            const size_t mid = lo + (hi - lo) / 2;
            if (before(m_items[mid]))
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo;
    }

    void Refresh() override
    {
        for (Item* item : m_items)
            item->OnOpen();
    }
    void Clear() override { DestroyAll(); }
    void ReserveMore(size_t count) override { m_items.reserve(m_items.size() + count); }
    void WriteXml(CXmlParser* parser, CXmlElement* parent) override
    {
        CXmlElement* collection = BeginXmlCollection(parser, parent);
        for (Item* item : m_items)
            WriteXmlItem(parser, collection, item);
    }
    void WriteXml(CXmlParser& scratch, CTextWriter& out, size_t depth) override
    {
        StreamXmlCollection(scratch, out, depth, m_items);
    }

private:
    typename std::vector<Item*>::iterator FindByKey(Item* item)
    {
        const size_t first = LowerBound([item](const Item* own) { return Less()(own, item); });
        for (size_t i = first; i < m_items.size() && !Less()(item, m_items[i]); ++i) {
            if (m_items[i] == item)
                return m_items.begin() + static_cast<std::ptrdiff_t>(i);
        }
        return m_items.end();
    }

    template <class P>
    typename std::vector<Item*>::iterator Find(const P* item)
    {
        return std::find_if(m_items.begin(), m_items.end(), [item](Item* own) { return static_cast<const P*>(own) == item; });
    }
    template <class P>
    typename std::vector<Item*>::const_iterator Find(const P* item) const
    {
        return std::find_if(m_items.begin(), m_items.end(), [item](Item* own) { return static_cast<const P*>(own) == item; });
    }

    void DestroyAll()
    {
        // Taken out first, so destructors that look at the set find it consistent.
        std::vector<Item*> items;
        items.swap(m_items);
        for (Item* item : items)
            delete item;
        // The room stays: a load makes it for the new items before the old ones go.
        items.clear();
        if (m_items.empty())
            m_items.swap(items);
    }

    std::vector<Item*> m_items; // owned
};
