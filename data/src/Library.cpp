// The library's process-wide state and its two exports.
#include "Library.h"

#include "DataInt.h"
#include "Guard.h"
#include "Transaction.h"

#include "wqv2_data.h"
#include "wqv2_undo.h"

namespace {

CDataInt* gRoot = nullptr;                       // owned
CTransaction* gTransaction = nullptr;            // owned
wqv2_undo::CUndoManager* gUndoStore = nullptr;   // not owned: the viewer's store

} // namespace

namespace lib {

CDataInt* Root() { return gRoot; }

CTransaction* Transaction() { return gTransaction; }

wqv2_undo::CUndoManager* UndoStore() { return gUndoStore; }

CDataInt* Acquire(wqv2_undo::CUndoManager* store)
{
    if (gRoot) {
        // The store given first is kept: a later call never replaces it.
        if (!gUndoStore)
            gUndoStore = store;
        return gRoot;
    }
    // A new root (the first, or one after DllFreeData) takes the store given with it: the store
    // of an earlier root may be gone by now.
    gUndoStore = store;
    gTransaction = new CTransaction();
    gRoot = new CDataInt();
    return gRoot;
}

void Release()
{
    // Items registered in an open transaction are in no container yet: roll back to free them.
    if (gTransaction && gTransaction->IsOpen())
        gTransaction->Rollback();
    delete gRoot;
    gRoot = nullptr;
    delete gTransaction;
    gTransaction = nullptr;
}

} // namespace lib

extern "C" wqv2_data::CData* __cdecl DllGetData(wqv2_undo::CUndoManager* store)
{
    return Guarded<wqv2_data::CData*>(nullptr, [&]() -> wqv2_data::CData* {
        try {
            return lib::Acquire(store);
        } catch (...) {
            lib::Release();
            throw;
        }
    });
}

extern "C" void __cdecl DllFreeData()
{
    GuardedVoid([] { lib::Release(); });
}
