// The edit transaction: registration, commit and rollback.
#include "Transaction.h"

#include "ContBase.h"
#include "Library.h"
#include "ObjectBase.h"
#include "UndoInfo.h"

#include "wqv2_data.h"
#include "wqv2_undo.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

using wqv2_data::kKindFirst;
using wqv2_data::kKindLast;

namespace {

void EraseIf(std::vector<CObjectBase*>& list, bool (*pred)(const CObjectBase*))
{
    list.erase(std::remove_if(list.begin(), list.end(), pred), list.end());
}

bool KindInRange(int kind) { return kind >= kKindFirst && kind <= kKindLast; }

} // namespace

CTransaction::CTransaction() = default;

CTransaction::~CTransaction() = default;

CTransaction::KindLists& CTransaction::Lists(int kind) { return m_lists[static_cast<size_t>(kind)]; }

const std::vector<CObjectBase*>& CTransaction::Added(int kind) const
{
    static const std::vector<CObjectBase*> none;
    return KindInRange(kind) ? m_lists[static_cast<size_t>(kind)].added : none;
}

int CTransaction::Begin(const wchar_t* name)
{
    if (m_open)
        return wqv2_data::kErrTransaction;
    std::unique_ptr<CUndoInfo> step;
    if (name && *name && lib::UndoStore())
        step = std::make_unique<CUndoInfo>(name);
    ResetLists();
    m_step = std::move(step);
    m_open = true;
    m_rolledBack = false;
    m_undoReplay = false;
    m_redoReplay = false;
    m_commitMarksSaved = false;
    m_changeBits = 0;
    return 0;
}

void CTransaction::BeginReplay(const wchar_t* name, bool undo)
{
    m_undoReplay = undo;
    m_redoReplay = !undo;
    m_step.reset();
    if (lib::UndoStore())
        m_step = std::make_unique<CUndoInfo>(name);
}

int CTransaction::RegisterAdded(CObjectBase* item)
{
    if (!m_open || !item || !KindInRange(item->Kind()))
        return wqv2_data::kErrTransaction;
    if (item->IsAddedRegistered())
        return 0;
    Lists(item->Kind()).added.push_back(item);
    item->SetAddedRegistered(true);
    return 0;
}

int CTransaction::RegisterModified(CObjectBase* item)
{
    if (!m_open || !item || !KindInRange(item->Kind()))
        return wqv2_data::kErrTransaction;
    if (item->IsModifiedRegistered())
        return 0;
    Lists(item->Kind()).modified.push_back(item);
    item->SetModifiedRegistered(true);
    return 0;
}

int CTransaction::RegisterDeleted(CObjectBase* item)
{
    if (!m_open || !item || !KindInRange(item->Kind()))
        return wqv2_data::kErrTransaction;
    if (item->IsDeletedRegistered())
        return 0;
    Lists(item->Kind()).deleted.push_back(item);
    item->SetDeletedRegistered(true);
    return 0;
}

int CTransaction::Validate()
{
    if (m_rolledBack || !m_open)
        return wqv2_data::kErrRolledBack;
    for (int kind = kKindFirst; kind <= kKindLast; ++kind) {
        // A copy: validation must not see the list change under it.
        const std::vector<CObjectBase*> modified = Lists(kind).modified;
        for (CObjectBase* item : modified) {
            const int status = item->Validate();
            if (status != 0)
                return status;
        }
    }
    return 0;
}

void CTransaction::MakeRoom()
{
    std::unordered_map<CContBase*, size_t> room;
    for (int kind = kKindFirst; kind <= kKindLast; ++kind) {
        for (const CObjectBase* item : Lists(kind).added) {
            if (CContBase* owner = item->OwnerContainer())
                ++room[owner];
        }
    }
    for (const auto& [owner, count] : room)
        owner->ReserveMore(count);
}

unsigned int CTransaction::End(const std::vector<CContBase*>& containers)
{
    if (!m_open || m_rolledBack)
        return 0;

    size_t modifiedCount = 0;
    size_t addedCount = 0;
    size_t deletedCount = 0;
    for (int kind = kKindFirst; kind <= kKindLast; ++kind) {
        KindLists& lists = Lists(kind);
        if (!lists.added.empty() || !lists.modified.empty() || !lists.deleted.empty())
            m_changeBits |= wqv2_data::ChangeBit(kind);
        // A deleted item commits only its deletion. It leaves the modified list with its flag
        // cleared (or a later edit after an undo would go unrecorded), and with its state from
        // before this edit, which is what undoing the deletion must bring back.
        for (CObjectBase* item : lists.modified) {
            if (item->IsDeletedRegistered()) {
                item->SetModifiedRegistered(false);
                item->RestoreFromSnapshot();
            }
        }
        EraseIf(lists.modified, [](const CObjectBase* item) { return item->IsDeletedRegistered(); });
        modifiedCount += lists.modified.size();
        addedCount += lists.added.size();
        deletedCount += lists.deleted.size();
    }
    if (m_step)
        m_step->Reserve(modifiedCount, addedCount, deletedCount);

    CUndoInfo* step = m_step.get();
    for (int kind = kKindFirst; kind <= kKindLast; ++kind) {
        KindLists& lists = Lists(kind);
        for (CObjectBase* item : lists.added) {
            item->SetAddedRegistered(false);
            item->InsertIntoOwner(step);
        }
        for (CObjectBase* item : lists.modified)
            item->CommitModified(step);
    }
    // Exceptions leave before calendars, tasks before resources.
    for (int kind = kKindLast; kind >= kKindFirst; --kind) {
        for (CObjectBase* item : Lists(kind).deleted)
            item->RemoveFromOwner(step);
    }

    const unsigned int bits = m_changeBits;
    if (bits != 0) {
        for (CContBase* container : containers)
            container->Refresh();
    }

    const bool hadStep = m_step != nullptr;
    HandOverStep();

    m_modified = true;
    if (!hadStep)
        m_distanceValid = false;
    if (m_distanceValid) {
        m_savedDistance += m_undoReplay ? -1 : 1;
        if (m_savedDistance == 0)
            m_modified = false;
    }
    if (m_commitMarksSaved)
        ClearSavedState();

    for (int kind = kKindFirst; kind <= kKindLast; ++kind) {
        for (CObjectBase* item : Lists(kind).modified)
            item->SetModifiedRegistered(false);
    }
    ResetLists();
    m_open = false;
    m_rolledBack = false;
    m_undoReplay = false;
    m_redoReplay = false;
    m_commitMarksSaved = false;
    return bits;
}

void CTransaction::HandOverStep()
{
    wqv2_undo::CUndoManager* store = lib::UndoStore();
    if (!m_step) {
        // An edit that cannot be undone discards the undo history.
        if (store)
            store->Clear();
        return;
    }
    m_step->SetChangeBits(m_changeBits);
    wqv2_undo::UndoRecord record{};
    m_step->FillRecord(record);
    CUndoInfo* step = m_step.release();
    bool taken = false;
    if (store)
        taken = m_undoReplay ? store->PushRedo(&record) : store->PushUndo(&record, !m_redoReplay);
    // A store that did not take the record will never release it.
    if (!taken)
        delete step;
}

void CTransaction::Rollback()
{
    // Added items were never inserted: they leave every list first, then are destroyed (unless
    // the step being replayed owns them), so nothing below touches them.
    for (int kind = kKindFirst; kind <= kKindLast; ++kind) {
        KindLists& lists = Lists(kind);
        for (CObjectBase* item : lists.added) {
            item->SetModifiedRegistered(false);
            item->SetDeletedRegistered(false);
        }
        EraseIf(lists.modified, [](const CObjectBase* item) { return item->IsAddedRegistered(); });
        EraseIf(lists.deleted, [](const CObjectBase* item) { return item->IsAddedRegistered(); });
    }
    for (int kind = kKindFirst; kind <= kKindLast; ++kind) {
        KindLists& lists = Lists(kind);
        for (CObjectBase* item : lists.modified) {
            item->RestoreFromSnapshot();
            item->SetModifiedRegistered(false);
        }
        for (CObjectBase* item : lists.deleted)
            item->SetDeletedRegistered(false);
    }
    std::unordered_set<const CObjectBase*> stepOwned;
    if (m_replaySource)
        stepOwned.insert(m_replaySource->Deleted().begin(), m_replaySource->Deleted().end());
    for (int kind = kKindFirst; kind <= kKindLast; ++kind) {
        for (CObjectBase* item : Lists(kind).added) {
            item->SetAddedRegistered(false);
            if (stepOwned.count(item) == 0)
                DestroyItem(item);
        }
    }
    m_step.reset();
    ResetLists();
    m_open = false;
    m_undoReplay = false;
    m_redoReplay = false;
    m_commitMarksSaved = false;
    m_rolledBack = true;
}

void CTransaction::ClearSavedState()
{
    m_modified = false;
    m_savedDistance = 0;
    m_distanceValid = true;
}

void CTransaction::ResetLists()
{
    for (KindLists& lists : m_lists) {
        lists.added.clear();
        lists.modified.clear();
        lists.deleted.clear();
    }
}
