// The undo-record store.
#include "UndoManagerInt.h"

#include "WideCopy.h"

CUndoManagerInt::~CUndoManagerInt()
{
    Clear();
}

void CUndoManagerInt::Clear()
{
    FreeRecords(m_undo);
    FreeRecords(m_redo);
}

bool CUndoManagerInt::PushUndo(const wqv2_undo::UndoRecord* record, bool clearRedo)
{
    if (!record)
        return false;
    m_undo.push_back(*record);
    wstr::ForceTerminated(m_undo.back().Name);
    if (clearRedo)
        FreeRecords(m_redo);
    return true;
}

bool CUndoManagerInt::PushRedo(const wqv2_undo::UndoRecord* record)
{
    if (!record)
        return false;
    m_redo.push_back(*record);
    wstr::ForceTerminated(m_redo.back().Name);
    return true;
}

void CUndoManagerInt::FreeRecords(std::vector<wqv2_undo::UndoRecord>& stack)
{
    // Taken out first: a Free callback that reaches the store again finds the stack empty
    // instead of a record being released twice.
    std::vector<wqv2_undo::UndoRecord> records;
    records.swap(stack);
    for (const wqv2_undo::UndoRecord& record : records) {
        if (record.Free)
            record.Free(record.data);
    }
}
