#pragma once
// The library's process-wide state: the data root, the edit transaction and the undo-record
// store. DllGetData creates the first two and holds the store; DllFreeData destroys them.

class CDataInt;
class CTransaction;

namespace wqv2_undo {
class CUndoManager;
}

namespace lib {

CDataInt* Root();
CTransaction* Transaction();
// The store given to the first DllGetData with one; null when none was given.
wqv2_undo::CUndoManager* UndoStore();

// The export side (Exports.cpp).
CDataInt* Acquire(wqv2_undo::CUndoManager* store);
void Release();

} // namespace lib
