#pragma once
// CContBase: the internal side of every container of data items: its item kind, its ID counter,
// the refresh, clear and reset passes, the document hooks, and the common add protocol.

#include <string>

#include <cstddef>
#include <unordered_set>

class CObjectBase;
class CTextWriter;
class CXmlParser;
class CXmlElement;

class CContBase {
public:
    explicit CContBase(int kind) : m_kind(kind) {}
    CContBase(const CContBase&) = delete;
    CContBase& operator=(const CContBase&) = delete;
    virtual ~CContBase() = default;

    int Kind() const { return m_kind; }

    virtual void Refresh() = 0; // OnOpen of every item
    virtual void Clear() = 0;   // destroys every item; the room made for them stays
    // Room for `count` items more than it holds, so that inserting them allocates nothing.
    virtual void ReserveMore(size_t count) = 0;
    // Clears unless bit 0 or the bit of the kind is set in keepMask; true when it cleared.
    virtual bool Reset(int keepMask);

    // Document hooks: a new item of the kind (not added), the add protocol for it, the element
    // names and the older format's section (string id, 0 for none).
    virtual CObjectBase* CreateNewItem() = 0;
    virtual int AddItem(CObjectBase* item) = 0;
    virtual const wchar_t* XmlItemName() const = 0;
    virtual const wchar_t* XmlCollectionName() const = 0;
    virtual int LegacySectionId() const { return 0; }
    // Writes the collection element into `parent`, with one item element per item in container
    // order, each filled by the item's own WriteXml (the set and vector templates walk them).
    virtual void WriteXml(CXmlParser* /*parser*/, CXmlElement* /*parent*/) {}
    // The same collection element written straight to `out` at `depth` tabs: each item is built
    // in `scratch` on its own and written before the next, so no whole document tree is held.
    virtual void WriteXml(CXmlParser& /*scratch*/, CTextWriter& /*out*/, size_t /*depth*/) {}
    // Reads the collection element found in `parent` (none: nothing to read, 0): for each child
    // named XmlItemName, a new item reads itself (ReadXml) and is added (AddItem). An ID that is
    // not positive, or INT_MAX, gives 8; an ID met twice in the collection gives 2. The first
    // failure ends the reading; the load that runs it rolls back.
    virtual int ReadXml(CXmlParser* parser, CXmlElement* parent);
    // Reads the container's section (LegacySectionId) of an older-format text: every row with
    // a field makes a new item that fills itself (ImportCsv) and is added. A kind without a
    // section reports 1.
    virtual int ImportLegacy(const wchar_t* text);

    int NextId() const { return m_nextId; }

protected:
    // The add of every container: validity (else the open transaction is rolled back and 2),
    // the ID (0 takes the next one; a given one must lie in 1 to INT_MAX - 1 and raises the
    // counter above it), then registration as added. Outside a transaction: 1, nothing changes.
    int AddCommon(CObjectBase* item, int& id);
    // The collection element, and one item element filled by the item (for WriteXml).
    CXmlElement* BeginXmlCollection(CXmlParser* parser, CXmlElement* parent) const;
    void WriteXmlItem(CXmlParser* parser, CXmlElement* collection, CObjectBase* item) const;
    // The streamed form: the collection's start tag (the whole element when `empty`), each
    // item, the end tag.
    void OpenXmlCollection(CTextWriter& out, size_t depth, bool empty) const;
    void StreamXmlItem(CXmlParser& scratch, CTextWriter& out, size_t depth, CObjectBase* item) const;
    void CloseXmlCollection(CTextWriter& out, size_t depth) const;
    template <class Items>
    void StreamXmlCollection(CXmlParser& scratch, CTextWriter& out, size_t depth, const Items& items) const
    {
        OpenXmlCollection(out, depth, items.empty());
        if (items.empty())
            return;
        for (auto* item : items)
            StreamXmlItem(scratch, out, depth + 1, item);
        CloseXmlCollection(out, depth);
    }

private:
    int m_kind;
    int m_nextId = 1; // never wraps: at INT_MAX no further ID is handed out
};

// Reads the items of one collection element one by one, as CContBase::ReadXml does for a whole
// one: the document reader hands each item element over as soon as it is complete.
class CXmlCollectionReader {
public:
    explicit CXmlCollectionReader(CContBase& container) : m_container(container) {}

    // A new item reads `element` and is added: 0, or the status that ends the reading.
    int Item(CXmlParser* parser, CXmlElement* element);

private:
    CContBase& m_container;
    std::unordered_set<int> m_seen; // IDs of this collection so far
};
