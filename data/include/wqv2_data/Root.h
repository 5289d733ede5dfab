#pragma once
// wqv2_data::CData: the single data root of the library and the library's two exports.
// The root belongs to the library (DllGetData creates it, DllFreeData destroys it).

#include "Types.h"

namespace wqv2_undo {
class CUndoManager;
}

namespace wqv2_data {

class CData {
public:
    // Everything else is reached from these; all owned by the root.
    CProjectSettings* ProjectSettings = nullptr;
    CHolidays* Holidays = nullptr;
    CResources* Resources = nullptr;
    CFilters* Filters = nullptr;
    CCalendars* Calendars = nullptr;

    // Project file. Statuses as in Status.
    virtual int Open(const wchar_t* path, bool readOnly) = 0;
    virtual int Save(const wchar_t* path, bool zipped) = 0; // "" saves to the open file
    virtual int Reload(unsigned int flags) = 0;
    // Empties every container whose kind bit (and bit 0) is clear in keepMask, closes the file,
    // clears the undo history and calls the change listeners with kChangeLoaded. Returns 0.
    virtual int Close(int keepMask) = 0;
    virtual wchar_t* GetPath(wchar_t* out) = 0; // out holds kPathChars characters
    virtual int GetFileInfo(int what, void* out) = 0;
    virtual bool IsReadOnly() = 0;
    virtual bool IsModified() = 0;

    // The one edit transaction. A named transaction ("" = unnamed) yields one undo record.
    virtual int BeginTransaction(const wchar_t* name) = 0;
    virtual int Rollback() = 0;
    virtual int Commit() = 0;

    // Registered callbacks are never removed; each returns 1.
    virtual int AddXmlReader(XmlReader reader) = 0;
    virtual int AddXmlWriter(XmlWriter writer) = 0;
    virtual int AddChangeListener(ChangeListener listener) = 0;

    virtual int Command(int code, void* arg) = 0;

    virtual ~CData() = default;
};

} // namespace wqv2_data

// The library's exports (C linkage, cdecl, plain names); callers bind them by name.
#if defined(QV2D_BUILDING)
#define QV2D_EXPORT __declspec(dllexport)
#else
#define QV2D_EXPORT
#endif

extern "C" {
// Holds the undo-record store given to the first call and returns the single root.
QV2D_EXPORT wqv2_data::CData* __cdecl DllGetData(wqv2_undo::CUndoManager* store);
// Destroys the root and the edit transaction.
QV2D_EXPORT void __cdecl DllFreeData();
}

namespace wqv2_data {
using DllGetDataFn = CData*(__cdecl*)(wqv2_undo::CUndoManager* store);
using DllFreeDataFn = void(__cdecl*)();
} // namespace wqv2_data
