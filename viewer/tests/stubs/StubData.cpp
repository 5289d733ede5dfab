// Stand-in for the data library: a data root with empty lists that opens any existing file.
// Variants: STUB_DATA_NO_ENTRY (no DllGetData), STUB_DATA_NULL_ROOT (DllGetData answers null).
#define QV2D_BUILDING
#include "QV2PluginInterface.h"
#include "StubLog.h"
#include "wqv2_data.h"
#include "wqv2_undo.h"

#include <string>
#include <vector>

using namespace wqv2_data;

namespace {

wqv2_undo::CUndoManager* gStore = nullptr;

// The host's setting `name` as a number; 0 when it is not set.
int SettingNumber(const wchar_t* name)
{
    auto get = stub::Host<QV2A_GetSettingFn>("QV2A_GetSetting");
    wchar_t answer[32] = {};
    return get && get(name, answer, 32) && answer[0] ? _wtoi(answer) : 0;
}

class CStubFilters : public CFilters {
public:
    CFilter* CreateNew() override { return nullptr; }
    int Add(CFilter*) override { return kErrInvalid; }
    int GetCount() override { return 0; }
    int GetAll(CFilter**) override { return 0; }
    CFilter* GetAt(int) override { return nullptr; }
    bool Contains(const CFilter*) override { return false; }
};

class CStubResources : public CResources {
public:
    CResource* CreateNew() override { return nullptr; }
    int Add(CResource*) override { return kErrInvalid; }
    int GetCount(CFilter*) override { return 0; }
    int GetAll(CResource**, CFilter*) override { return 0; }
    CResource* GetAt(int) override { return nullptr; }
    bool ContainsTask(const CTask*) override { return false; }
    bool Contains(const CResource*) override { return false; }
};

class CStubData : public CData {
public:
    CStubData()
    {
        Filters = &m_filters;
        Resources = &m_resources;
    }

    // "StubOpenResult.QV2D" answers instead of success for a file that exists.
    int Open(const wchar_t* path, bool readOnly) override
    {
        stub::Log(std::wstring(L"Open ") + (path ? path : L"") + (readOnly ? L" ro" : L" rw"));
        const DWORD attributes = path ? GetFileAttributesW(path) : INVALID_FILE_ATTRIBUTES;
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return kErrOpen;
        if (const int status = SettingNumber(L"StubOpenResult.QV2D"))
            return Failed(status);
        m_path = path;
        Notify(kChangeLoaded);
        return kOk;
    }
    int Save(const wchar_t*, bool) override { return kErrReadOnly; }
    // "StubReloadResult.QV2D" answers instead of success.
    int Reload(unsigned int flags) override
    {
        stub::Log(L"Reload " + std::to_wstring(flags));
        if (const int status = SettingNumber(L"StubReloadResult.QV2D"))
            return Failed(status);
        return kOk;
    }
    int Close(int) override
    {
        m_path.clear();
        if (gStore)
            gStore->Clear();
        Notify(kChangeLoaded);
        return kOk;
    }
    wchar_t* GetPath(wchar_t* out) override
    {
        if (!out)
            return out;
        const size_t n = m_path.size() < kPathChars - 1 ? m_path.size() : kPathChars - 1;
        m_path.copy(out, n);
        out[n] = L'\0';
        return out;
    }
    int GetFileInfo(int what, void*) override { return what == kInfoFullVersion ? 1 : 2; }
    bool IsReadOnly() override { return true; }
    bool IsModified() override { return false; }
    int BeginTransaction(const wchar_t*) override { return kOk; }
    int Rollback() override { return kOk; }
    int Commit() override { return kOk; }
    int AddXmlReader(XmlReader) override { return 1; }
    int AddXmlWriter(XmlWriter) override { return 1; }
    int AddChangeListener(ChangeListener listener) override
    {
        stub::Log(L"AddChangeListener");
        m_listeners.push_back(listener);
        return 1;
    }
    int Command(int, void*) override { return kErrUnknownCommand; }

    void Notify(unsigned bits)
    {
        for (ChangeListener listener : m_listeners)
            listener(bits);
    }

private:
    // A failed open or reload; with "StubFailureCloses.QV2D" it also closes the project that was
    // open, as a load does that fails once the old project is gone.
    int Failed(int status)
    {
        if (SettingNumber(L"StubFailureCloses.QV2D"))
            Close(0);
        return status;
    }

    CStubFilters m_filters;
    CStubResources m_resources;
    std::wstring m_path;
    std::vector<ChangeListener> m_listeners;
};

CStubData* gRoot = nullptr;

int __cdecl FreeRecord(void* data)
{
    stub::Log(std::wstring(L"Free ") + static_cast<const wchar_t*>(data));
    delete[] static_cast<wchar_t*>(data);
    return 0;
}

int __cdecl NoStep(void*)
{
    return 0;
}

} // namespace

QV_STUB_DLLMAIN

#ifndef STUB_DATA_NO_ENTRY
extern "C" QV2D_EXPORT CData* __cdecl DllGetData(wqv2_undo::CUndoManager* store)
{
    stub::Log(store ? L"DllGetData store" : L"DllGetData null");
    if (!gStore)
        gStore = store;
#ifdef STUB_DATA_NULL_ROOT
    return nullptr;
#else
    if (!gRoot)
        gRoot = new CStubData;
    return gRoot;
#endif
}
#endif

extern "C" QV2D_EXPORT void __cdecl DllFreeData()
{
    stub::Log(L"DllFreeData");
    // The store must still exist while the library goes: a late call has to find it alive.
    if (gStore)
        gStore->Clear();
    delete gRoot;
    gRoot = nullptr;
}

// Test hooks: a named edit's record, released by a Free that logs the name; a data change.
extern "C" __declspec(dllexport) int __cdecl StubData_PushUndo(const wchar_t* name, bool redo)
{
    if (!gStore || !name)
        return 0;
    wqv2_undo::UndoRecord record{};
    const size_t length = wcslen(name);
    auto* data = new wchar_t[length + 1];
    wcscpy(data, name);
    wcsncpy(record.Name, name, wqv2_undo::kUndoNameChars - 1);
    record.Undo = &NoStep;
    record.Redo = &NoStep;
    record.Free = &FreeRecord;
    record.data = data;
    return redo ? gStore->PushRedo(&record) : gStore->PushUndo(&record, true);
}

extern "C" __declspec(dllexport) void __cdecl StubData_Notify(unsigned bits)
{
    if (gRoot)
        gRoot->Notify(bits);
}
