#pragma once
// wqv2_undo: the undo-record store that the viewer implements and the data library calls, and
// the fixed record the library hands it for every named edit. The store copies each record and
// releases it through the record's own Free callback.

#include <cstddef>

namespace wqv2_undo {

using UndoCallback = int (*)(void* data);

constexpr int kUndoNameChars = 256; // 255 characters and the terminating zero

struct UndoRecord {
    wchar_t Name[kUndoNameChars]; // the edit's name, zero-terminated
    UndoCallback Undo;            // replays the step backwards
    UndoCallback Redo;            // replays the step forwards
    UndoCallback Free;            // releases the step (data)
    void* data;                   // the library's step; opaque to the store
};

#if defined(__i386__) || defined(_M_IX86)
// The record crosses between the viewer and the library byte by byte.
static_assert(sizeof(wchar_t) == 2, "UTF-16 names");
static_assert(sizeof(UndoRecord) == 528, "undo record is 528 bytes on 32-bit Windows");
static_assert(offsetof(UndoRecord, Undo) == 512 && offsetof(UndoRecord, Redo) == 516 &&
                  offsetof(UndoRecord, Free) == 520 && offsetof(UndoRecord, data) == 524,
              "undo record field offsets");
#endif

// Slot order: Clear, PushUndo, PushRedo, destructor. The library never destroys the store.
class CUndoManager {
public:
    virtual void Clear() = 0; // releases every record of both stacks
    virtual bool PushUndo(const UndoRecord* record, bool clearRedo) = 0;
    virtual bool PushRedo(const UndoRecord* record) = 0;
    virtual ~CUndoManager() = default;
};

} // namespace wqv2_undo
