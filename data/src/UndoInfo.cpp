// Recorded steps of named edits and their replay.
#include "UndoInfo.h"

#include "DataInt.h"
#include "Guard.h"
#include "Library.h"
#include "ObjectBase.h"
#include "Transaction.h"

#include "WideCopy.h"
#include "wqv2_data.h"

#include <algorithm>
#include <unordered_set>

CUndoInfo::CUndoInfo(const wchar_t* name)
{
    // Names longer than the record's field are cut; the record always ends with a zero.
    wstr::CopyTo(m_name, name ? std::wstring_view(name) : std::wstring_view());
}

CUndoInfo::~CUndoInfo()
{
    for (CObjectBase* item : m_beforeImages)
        DestroyItem(item);
    for (CObjectBase* item : m_deleted)
        DestroyItem(item);
}

void CUndoInfo::Reserve(size_t beforeImages, size_t added, size_t deleted)
{
    m_beforeImages.reserve(m_beforeImages.size() + beforeImages);
    m_added.reserve(m_added.size() + added);
    m_deleted.reserve(m_deleted.size() + deleted);
}

void CUndoInfo::FillRecord(wqv2_undo::UndoRecord& record)
{
    wstr::CopyTo(record.Name, std::wstring_view(m_name, wstr::FieldLength(m_name)));
    record.Undo = &UndoCallback;
    record.Redo = &RedoCallback;
    record.Free = &DeleteUndoInfoCallback;
    record.data = this;
}

int CUndoInfo::Replay(bool undo)
{
    CDataInt* root = lib::Root();
    CTransaction* t = lib::Transaction();
    if (!root || !t)
        return wqv2_data::kErrTransaction;
    int status = root->BeginTransaction(L"");
    if (status != 0)
        return status;

    std::vector<CObjectBase*> readded;
    const auto fail = [&](int failure) {
        if (t->IsOpen())
            t->Rollback();
        t->SetReplaySource(nullptr);
        for (CObjectBase* item : readded)
            item->SetDeletedRegistered(true);
        return failure;
    };
    try {
        // Added and deleted by the same edit: such an item never showed, so there is nothing to
        // undo for it, and it stays the step's.
        const std::unordered_set<const CObjectBase*> added(m_added.begin(), m_added.end());
        const std::unordered_set<const CObjectBase*> deleted(m_deleted.begin(), m_deleted.end());

        t->BeginReplay(m_name, undo);
        t->SetReplaySource(this);

        for (CObjectBase* image : m_beforeImages) {
            CObjectBase* live = image->GetOriginal();
            if (!live)
                return fail(wqv2_data::kErrTransaction);
            status = live->MarkModified();
            if (status != 0)
                return fail(status);
            live->CopyWithId(image);
        }
        for (CObjectBase* item : m_added) {
            if (deleted.count(item))
                continue;
            status = item->MarkDeleted();
            if (status != 0)
                return fail(status);
        }
        readded.reserve(m_deleted.size());
        for (CObjectBase* item : m_deleted) {
            if (added.count(item))
                continue;
            item->SetDeletedRegistered(false);
            readded.push_back(item);
            status = item->AddToOwner();
            if (status != 0)
                return fail(status);
        }
        status = root->Commit();
        if (status != 0)
            return fail(status);
    } catch (...) {
        return fail(wqv2_data::kErrTransaction);
    }
    t->SetReplaySource(nullptr);
    // The re-added items belong to their containers again; the step keeps the others.
    std::vector<CObjectBase*> kept;
    for (CObjectBase* item : m_deleted) {
        if (!item->IsInContainer())
            kept.push_back(item);
    }
    m_deleted.swap(kept);
    return 0;
}

int UndoCallback(void* data)
{
    if (!data)
        return wqv2_data::kErrTransaction;
    return Guarded(static_cast<int>(wqv2_data::kErrTransaction), [&] { return static_cast<CUndoInfo*>(data)->Replay(true); });
}

int RedoCallback(void* data)
{
    if (!data)
        return wqv2_data::kErrTransaction;
    return Guarded(static_cast<int>(wqv2_data::kErrTransaction), [&] { return static_cast<CUndoInfo*>(data)->Replay(false); });
}

int DeleteUndoInfoCallback(void* data)
{
    GuardedVoid([&] { delete static_cast<CUndoInfo*>(data); });
    return 0;
}
