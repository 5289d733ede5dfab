#pragma once
// CTransaction: the one edit transaction of the process. Items register themselves as added,
// modified or deleted while it is open; the commit validates, applies the registrations to the
// containers in kind order and hands a named edit's undo step to the undo-record store; the
// rollback restores the state before Begin.

#include <array>
#include <memory>
#include <vector>

class CObjectBase;
class CContBase;
class CUndoInfo;

class CTransaction {
public:
    CTransaction();
    ~CTransaction();
    CTransaction(const CTransaction&) = delete;
    CTransaction& operator=(const CTransaction&) = delete;

    // 1 when already open (the caller rolls back); else opens, with an undo step for a non-empty
    // name when an undo store exists.
    int Begin(const wchar_t* name);
    // Turns the open transaction into the replay of an undo (or redo) step named `name`.
    void BeginReplay(const wchar_t* name, bool undo);
    // During a replay: the items `step` owns, re-added by the replay, stay the step's if the
    // replay rolls back (they must not be destroyed by the rollback).
    void SetReplaySource(CUndoInfo* step) { m_replaySource = step; }

    bool IsOpen() const { return m_open; }
    bool IsRolledBack() const { return m_rolledBack; }

    // Registration (0, or 1 outside an open transaction).
    int RegisterAdded(CObjectBase* item);
    int RegisterModified(CObjectBase* item);
    int RegisterDeleted(CObjectBase* item);

    // Items added so far under `kind` (loaders look up items read earlier in the same load).
    const std::vector<CObjectBase*>& Added(int kind) const;

    // First step of a commit: 3 after a rollback, else the first failing Validate of a
    // modified item.
    int Validate();
    // Before End: room in every container for the items it will take, so that putting them in
    // allocates nothing. Throws std::bad_alloc when the room cannot be made.
    void MakeRoom();
    // Second step: applies everything, hands over the undo step, returns the change bits.
    unsigned int End(const std::vector<CContBase*>& containers);
    void Rollback();

    void AddChangeBits(unsigned int bits) { m_changeBits |= bits; }
    bool IsModified() const { return m_modified; }
    void ClearSavedState();
    void SetCommitMarksSaved() { m_commitMarksSaved = true; }

private:
    struct KindLists {
        std::vector<CObjectBase*> added;
        std::vector<CObjectBase*> modified;
        std::vector<CObjectBase*> deleted;
    };

    KindLists& Lists(int kind);
    void HandOverStep();
    void ResetLists();

    std::array<KindLists, 9> m_lists; // index = kind 1..8; registration order
    std::unique_ptr<CUndoInfo> m_step;
    CUndoInfo* m_replaySource = nullptr; // not owned: the step being replayed
    bool m_open = false;
    bool m_rolledBack = false;
    unsigned int m_changeBits = 0;
    bool m_undoReplay = false;
    bool m_redoReplay = false;
    bool m_modified = false;
    int m_savedDistance = 0;
    bool m_distanceValid = true;
    bool m_commitMarksSaved = false;
};
