#pragma once
// CUndoInfo: one recorded step of a named edit, handed to the undo-record store inside an undo
// record. It owns its before-images and the items its edit deleted; it only lists the items its
// edit added. The three record callbacks replay and release steps.

#include "wqv2_undo.h"

#include <memory>
#include <vector>

class CObjectBase;

class CUndoInfo {
public:
    explicit CUndoInfo(const wchar_t* name);
    ~CUndoInfo();
    CUndoInfo(const CUndoInfo&) = delete;
    CUndoInfo& operator=(const CUndoInfo&) = delete;

    const wchar_t* Name() const { return m_name; }
    unsigned int ChangeBits() const { return m_changeBits; }
    void SetChangeBits(unsigned int bits) { m_changeBits = bits; }

    void AddBeforeImage(CObjectBase* copy) { m_beforeImages.push_back(copy); } // takes ownership
    void AddAdded(CObjectBase* item) { m_added.push_back(item); }
    void AddDeleted(CObjectBase* item) { m_deleted.push_back(item); } // takes ownership
    void Reserve(size_t beforeImages, size_t added, size_t deleted);

    // The items this step owns because its edit deleted them.
    const std::vector<CObjectBase*>& Deleted() const { return m_deleted; }

    // Replays the step inside a new unnamed transaction that records the reverse step; undo
    // and redo replay alike and differ in where the reverse step goes. A failure leaves no
    // transaction open and the step as it was.
    int Replay(bool undo);

    // Fills the record that carries this step to the store.
    void FillRecord(wqv2_undo::UndoRecord& record);

private:
    wchar_t m_name[wqv2_undo::kUndoNameChars];
    unsigned int m_changeBits = 0;
    std::vector<CObjectBase*> m_beforeImages; // owned
    std::vector<CObjectBase*> m_added;        // not owned
    std::vector<CObjectBase*> m_deleted;      // owned
};

// The record callbacks (data = the step).
int UndoCallback(void* data);
int RedoCallback(void* data);
int DeleteUndoInfoCallback(void* data);

template <class Item>
void RecordBeforeImage(Item* live, const Item* snapshot, CUndoInfo* step)
{
    if (!step || !snapshot)
        return;
    auto image = std::make_unique<Item>(live->Data, live->Owner);
    image->CopyWithId(snapshot);
    image->SetOriginal(live);
    step->AddBeforeImage(image.release());
}
