#pragma once
// CUndoManagerInt: the viewer's undo-record store. The data library hands it one record per named
// edit; the store keeps copies on two stacks and releases each through the record's own Free
// callback. The application object owns the one store; it must be cleared while the data library
// is still loaded, because every Free points into that library's code.

#include "wqv2_undo.h"

#include <vector>

class CUndoManagerInt : public wqv2_undo::CUndoManager {
public:
    CUndoManagerInt() = default;
    ~CUndoManagerInt() override;
    CUndoManagerInt(const CUndoManagerInt&) = delete;
    CUndoManagerInt& operator=(const CUndoManagerInt&) = delete;

    // Releases the undo stack, then the redo stack.
    void Clear() override;
    // false for a null record; with clearRedo the redo stack is released after the record is
    // stored.
    bool PushUndo(const wqv2_undo::UndoRecord* record, bool clearRedo) override;
    bool PushRedo(const wqv2_undo::UndoRecord* record) override;

    size_t UndoCount() const { return m_undo.size(); }
    size_t RedoCount() const { return m_redo.size(); }

private:
    // Calls every record's Free, bottom of the stack to top, then empties it.
    static void FreeRecords(std::vector<wqv2_undo::UndoRecord>& stack);

    std::vector<wqv2_undo::UndoRecord> m_undo; // push order: the last is the top
    std::vector<wqv2_undo::UndoRecord> m_redo;
};
