#pragma once
// CObjectBase: the internal side of every data item (beside its public interface). It carries the
// item's kind and its registration in the open transaction, and the hooks the transaction calls
// at commit and rollback. Items are created and destroyed only by the library.

#include <string>
#include <vector>

class CContBase;
class CUndoInfo;
class CXmlParser;
class CXmlElement;

class CObjectBase {
public:
    explicit CObjectBase(int kind) : m_kind(kind) {}
    CObjectBase(const CObjectBase&) = delete;
    CObjectBase& operator=(const CObjectBase&) = delete;
    virtual ~CObjectBase() = default;

    int Kind() const { return m_kind; }
    bool IsAddedRegistered() const { return m_addedRegistered; }
    bool IsModifiedRegistered() const { return m_modifiedRegistered; }
    bool IsDeletedRegistered() const { return m_deletedRegistered; }
    void SetAddedRegistered(bool on) { m_addedRegistered = on; }
    void SetModifiedRegistered(bool on) { m_modifiedRegistered = on; }
    void SetDeletedRegistered(bool on) { m_deletedRegistered = on; }
    // The item is in its container (kept by the containers as they insert and remove it).
    bool IsInContainer() const { return m_inContainer; }
    void SetInContainer(bool on) { m_inContainer = on; }
    // For a before-image kept in an undo step: the live item it stands for.
    CObjectBase* GetOriginal() const { return m_liveItem; }
    void SetOriginal(CObjectBase* live) { m_liveItem = live; }

    // Refresh after a load and after every commit that changed something (empties caches).
    virtual void OnOpen() {}
    // Rollback of a modified item: the snapshot taken by MarkModified is copied back.
    virtual void RestoreFromSnapshot() {}
    // Commit of an added item: into its container; recorded in `step` when there is one.
    virtual void InsertIntoOwner(CUndoInfo* step) = 0;
    // The container InsertIntoOwner puts the item into; null for an item that has none.
    virtual CContBase* OwnerContainer() const { return nullptr; }
    // Commit of a modified item: a before-image into `step`; re-sorted in its container.
    virtual void CommitModified(CUndoInfo* /*step*/) {}
    // Commit of a deleted item: out of its container; `step` takes it, or it is destroyed.
    virtual void RemoveFromOwner(CUndoInfo* step) = 0;

    // Project document and older text format. The document layer overrides these per kind;
    // an item kind without its own reading refuses.
    virtual void WriteXml(CXmlParser* /*parser*/, CXmlElement* /*parent*/) {}
    virtual int ReadXml(CXmlParser* /*parser*/, CXmlElement* /*element*/);
    virtual int ImportCsv(const std::vector<std::wstring>& fields);
    // An item that reads a whole section of the older format by itself (the project settings)
    // reads it from the decoded file text; other kinds have none and accept.
    virtual int ImportLegacySection(const wchar_t* /*text*/) { return 0; }

    virtual bool IsValid(bool /*adding*/) { return true; }
    int Validate() { return IsValid(false) ? 0 : 2; }

    // Snapshot and register as modified; kinds that cannot change in place refuse with 1.
    virtual int MarkModified() { return 1; }
    virtual int MarkDeleted() = 0;
    // Re-adds the item through its container (undo of a deletion).
    virtual int AddToOwner() = 0;
    // Copies every field of another item of the same kind, ID included.
    virtual void CopyWithId(const CObjectBase* other) = 0;

    // ID 0 marks an item never added to a container.
    virtual int GetId() const = 0;
    // True for an item read from a file whose ID text was no number at all: it takes the next
    // free ID when added (a numbered ID that is not positive stays an error).
    virtual bool TakesNextFreeId() const { return false; }

protected:
    // The common start of MarkModified: 0 when already registered; 1 outside a transaction.
    // Otherwise `takeSnapshot` runs and the item is registered.
    template <class F>
    int RegisterModified(F&& takeSnapshot);
    // The common start of MarkDeleted for items without a cascade.
    int RegisterDeletedOrDestroy();

private:
    int PrepareModify();
    int FinishModify();

    int m_kind;
    bool m_addedRegistered = false;
    bool m_modifiedRegistered = false;
    bool m_deletedRegistered = false;
    bool m_inContainer = false;
    CObjectBase* m_liveItem = nullptr; // not owned: the live item of a before-image
};

// Destroys an item (null is fine).
inline void DestroyItem(CObjectBase* item) { delete item; }

// Commit of a deleted item, once it is out of its container: the undo step of a named edit
// keeps it, an unnamed edit destroys it.
void KeepOrDestroyDeleted(CObjectBase* item, CUndoInfo* step);

// Commit of a modified item: the undo step of a named edit keeps a copy of the state before the
// edit (the snapshot), standing for the live item.
template <class Item>
void RecordBeforeImage(Item* live, const Item* snapshot, CUndoInfo* step);

template <class F>
int CObjectBase::RegisterModified(F&& takeSnapshot)
{
    const int prepared = PrepareModify();
    if (prepared != -1)
        return prepared;
    takeSnapshot();
    return FinishModify();
}
