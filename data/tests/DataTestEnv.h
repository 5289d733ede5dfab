#pragma once
// Test environment of the data library: QV2D.dll loaded from the program folder and bound by its
// export names (as the viewer binds it), a recording undo-record store, and small helpers that
// build project data through the public interfaces.

#include "wqv2_data.h"
#include "wqv2_undo.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace qv2dtest {

// The undo-record store as the viewer keeps it (copies of the records, released through their
// own Free), plus a record of every call and an undo and redo command for the tests.
class RecordingStore : public wqv2_undo::CUndoManager {
public:
    ~RecordingStore() override { Clear(); }

    void Clear() override
    {
        if (onClear)
            onClear();
        ++clearCalls;
        Release(undo);
        Release(redo);
    }
    bool PushUndo(const wqv2_undo::UndoRecord* record, bool clearRedo) override
    {
        if (!record)
            return false;
        undo.push_back(*record);
        pushUndoClearRedo.push_back(clearRedo);
        if (clearRedo)
            Release(redo);
        return true;
    }
    bool PushRedo(const wqv2_undo::UndoRecord* record) override
    {
        if (!record)
            return false;
        redo.push_back(*record);
        ++pushRedoCalls;
        return true;
    }

    // Takes the top record off, replays it and releases it; a failed replay puts it back.
    int Undo() { return Replay(undo, true); }
    int Redo() { return Replay(redo, false); }

    std::wstring TopUndoName() const { return undo.empty() ? std::wstring() : std::wstring(undo.back().Name); }

    std::vector<wqv2_undo::UndoRecord> undo;
    std::vector<wqv2_undo::UndoRecord> redo;
    std::vector<bool> pushUndoClearRedo; // one entry per PushUndo
    int pushRedoCalls = 0;
    int clearCalls = 0;
    int freed = 0;
    std::function<void()> onClear; // runs first in every Clear

private:
    void Release(std::vector<wqv2_undo::UndoRecord>& stack)
    {
        std::vector<wqv2_undo::UndoRecord> records;
        records.swap(stack);
        for (const wqv2_undo::UndoRecord& r : records) {
            if (r.Free) {
                r.Free(r.data);
                ++freed;
            }
        }
    }
    int Replay(std::vector<wqv2_undo::UndoRecord>& stack, bool undoing)
    {
        if (stack.empty())
            return -1;
        const wqv2_undo::UndoRecord record = stack.back();
        stack.pop_back();
        const int status = undoing ? record.Undo(record.data) : record.Redo(record.data);
        if (status == 0)
            record.Free(record.data);
        else
            stack.push_back(record);
        return status;
    }
};

// The exports, bound once per test program from QV2D.dll beside the deliverables.
struct Library {
    void* module = nullptr; // HMODULE; the library stays loaded for the whole program
    wqv2_data::DllGetDataFn getData = nullptr;
    wqv2_data::DllFreeDataFn freeData = nullptr;
};
const Library& Qv2d();

// Change listeners are plain functions: they record into this.
struct ListenerLog {
    std::vector<unsigned int> calls;
};
ListenerLog& Listened();
void RecordChange(unsigned int bits);

// A fresh data root per test, with its own store; the store's records are released and the
// root destroyed afterwards (the viewer's order at exit).
class DataTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // One unnamed transaction each.
    wqv2_data::CResource* AddResource(const wchar_t* name);
    wqv2_data::CTask* AddTask(wqv2_data::CResource* resource, TDate d1, int m1, TDate d2, int m2, const wchar_t* name = L"task");

    int Begin(const wchar_t* name = L"") { return root->BeginTransaction(name); }
    int Commit() { return root->Commit(); }

    RecordingStore store;
    wqv2_data::CData* root = nullptr;
};

// A day of 2024 by month and day.
inline TDate Day(unsigned month, unsigned day) { return TDate::FromYMD(month, 2024, day); }

} // namespace qv2dtest
