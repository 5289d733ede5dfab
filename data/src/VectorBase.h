#pragma once
// CVectorBase: items in display order (resources, calendars, filters), appended at commit and
// removed by identity keeping the order of the rest. It owns its items.

#include "ContBase.h"

#include <algorithm>
#include <vector>

template <class Item>
class CVectorBase : public CContBase {
public:
    explicit CVectorBase(int kind) : CContBase(kind) {}
    ~CVectorBase() override { DestroyAll(); }

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
    void Append(Item* item)
    {
        m_items.push_back(item);
        item->SetInContainer(true);
    }
    template <class P>
    void RemoveItem(const P* item)
    {
        const auto it = Find(item);
        if (it != m_items.end()) {
            (*it)->SetInContainer(false);
            m_items.erase(it);
        }
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
