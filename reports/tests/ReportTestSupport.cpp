// Helpers of the report plug-in's tests.
#include "ReportTestSupport.h"
#include <algorithm>

#include "wqv2_undo.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace rtest {
namespace {

std::wstring ModuleFolder(HMODULE module)
{
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring child = path + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

class NoUndo : public wqv2_undo::CUndoManager {
public:
    void Clear() override {}
    bool PushUndo(const wqv2_undo::UndoRecord* record, bool) override
    {
        // Nobody will undo: the step is released at once.
        if (record && record->Free)
            record->Free(record->data);
        return true;
    }
    bool PushRedo(const wqv2_undo::UndoRecord* record) override { return PushUndo(record, false); }
};

HMODULE DataModule()
{
    static HMODULE module = LoadLibraryW((BinFolder() + L"QV2D.dll").c_str());
    return module;
}

template <class Fn>
Fn Export(HMODULE module, const char* name)
{
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

} // namespace

std::wstring TestProgramFolder()
{
    return ModuleFolder(nullptr);
}

std::wstring BinFolder()
{
    // Tests run with the program folder as the current directory.
    std::wstring folder(32768, L'\0');
    folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    return folder + L"\\";
}

std::wstring OutputFolder()
{
    const std::wstring folder = TestProgramFolder() + L"reports_out\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::wstring ReadUtf16(const std::wstring& path)
{
    const std::string bytes = ReadBytes(path);
    if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0xFF || static_cast<unsigned char>(bytes[1]) != 0xFE)
        return {};
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                       static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
    return text;
}

bool FileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

CTempFolder::CTempFolder()
{
    std::wstring temp(32768, L'\0');
    temp.resize(GetTempPathW(static_cast<DWORD>(temp.size()), temp.data()));
    static int counter = 0;
    m_path = temp + L"qv2r-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
    CreateDirectoryW(m_path.c_str(), nullptr);
}

CTempFolder::~CTempFolder()
{
    RemoveTree(m_path);
}

wqv2_data::CData* CData::Root()
{
    static NoUndo store;
    static wqv2_data::CData* root = [] {
        auto get = Export<wqv2_data::DllGetDataFn>(DataModule(), "DllGetData");
        return get ? get(&store) : nullptr;
    }();
    return root;
}

wqv2_data::CData* CData::Fresh()
{
    wqv2_data::CData* root = Root();
    if (root)
        root->Close(0);
    return root;
}

wqv2_data::CData* CData::Sample()
{
    wqv2_data::CData* root = Fresh();
    if (!root)
        return nullptr;
    const std::wstring path = TestProgramFolder() + L"samples\\sample.xml";
    // Opened read-only as asked, the library answers 6.
    if (const int status = root->Open(path.c_str(), true); status != 0 && status != wqv2_data::kErrReadOnly) {
        ADD_FAILURE() << "the sample project does not open: status " << status;
        return nullptr;
    }
    return root;
}

wqv2_data::CResource* AddResource(const wchar_t* name, int position, wqv2_data::CCalendar* calendar)
{
    wqv2_data::CData* root = CData::Root();
    if (root->BeginTransaction(L"") != 0)
        return nullptr;
    wqv2_data::CResource* resource = root->Resources->CreateNew();
    resource->SetName(name);
    resource->Position = position;
    resource->Calendar = calendar;
    if (root->Resources->Add(resource) != 0 || root->Commit() != 0)
        return nullptr;
    return resource;
}

wqv2_data::CTask* AddTask(wqv2_data::CResource* resource, const wchar_t* name, TDate d1, int m1, TDate d2, int m2)
{
    wqv2_data::CData* root = CData::Root();
    if (!resource || root->BeginTransaction(L"") != 0)
        return nullptr;
    wqv2_data::CTask* task = resource->Tasks->CreateNew();
    task->SetName(name);
    task->DateStart = d1;
    task->TimeStart = m1;
    task->DateEnd = d2;
    task->TimeEnd = m2;
    if (resource->Tasks->Add(task) != 0 || root->Commit() != 0)
        return nullptr;
    return task;
}

wqv2_data::CRecurrence* AddDailySeries(wqv2_data::CResource* resource, const wchar_t* name, TDate start, int minute,
                                       int duration, int count)
{
    wqv2_data::CData* root = CData::Root();
    if (!resource || root->BeginTransaction(L"") != 0)
        return nullptr;
    wqv2_data::CRecurrence* series = resource->Recurrences->CreateNew();
    series->Frequency = wqv2_data::kDaily;
    series->DateStart = start;
    series->TimeStart = minute;
    series->Duration = duration;
    series->EndType = wqv2_data::kEndAfterCount;
    series->EndCount = count;
    series->Task->SetName(name);
    if (resource->Recurrences->Add(series) != 0 || root->Commit() != 0)
        return nullptr;
    return series;
}

wqv2_data::CFilter* AddFilter(const wchar_t* name, const std::vector<wqv2_data::CResource*>& excluded)
{
    wqv2_data::CData* root = CData::Root();
    if (root->BeginTransaction(L"") != 0)
        return nullptr;
    wqv2_data::CFilter* filter = root->Filters->CreateNew();
    filter->SetName(name);
    filter->SetExcludedResources(excluded.data(), static_cast<int>(excluded.size()));
    if (root->Filters->Add(filter) != 0 || root->Commit() != 0)
        return nullptr;
    return filter;
}

wqv2_data::CCalendar* AddCalendar(const wchar_t* name, const std::vector<int>& weekdayRanges)
{
    wqv2_data::CData* root = CData::Root();
    if (root->BeginTransaction(L"") != 0)
        return nullptr;
    wqv2_data::CCalendar* calendar = root->Calendars->CreateNew();
    calendar->SetName(name);
    for (unsigned day = 0; day < 7; ++day)
        calendar->SetWorkingTimes(day, weekdayRanges.data(), static_cast<int>(weekdayRanges.size() / 2));
    if (root->Calendars->Add(calendar) != 0 || root->Commit() != 0)
        return nullptr;
    return calendar;
}

namespace {
HMODULE EngineModule()
{
    static HMODULE module = LoadLibraryW((BinFolder() + L"RKPrintEngine2.dll").c_str());
    return module;
}
} // namespace

CRKPrintEngine2* Engine()
{
    auto get = Export<DllGetPrintEngineProc>(EngineModule(), "DllGetPrintEngine");
    return get ? get() : nullptr;
}

void FreeEngine()
{
    if (auto free = Export<DllFreePrintEngineProc>(EngineModule(), "DllFreePrintEngine"))
        free();
}

namespace {

int WINAPI A4DeviceCaps(HDC dc, int index)
{
    switch (index) {
    case PHYSICALWIDTH:
        return MulDiv(2100, GetDeviceCaps(dc, LOGPIXELSX), 254);
    case PHYSICALHEIGHT:
        return MulDiv(2970, GetDeviceCaps(dc, LOGPIXELSY), 254);
    case PHYSICALOFFSETX:
    case PHYSICALOFFSETY:
        return 0;
    default:
        return GetDeviceCaps(dc, index);
    }
}

// The import slot of gdi32's GetDeviceCaps in a module's import address table.
void** FindImportSlot(HMODULE module, void* target)
{
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress)
        return nullptr;
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name; ++d) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + d->Name), "gdi32.dll") != 0)
            continue;
        for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); thunk->u1.Function; ++thunk) {
            if (reinterpret_cast<void*>(thunk->u1.Function) == target)
                return reinterpret_cast<void**>(&thunk->u1.Function);
        }
    }
    return nullptr;
}

} // namespace

CA4PrinterCaps::CA4PrinterCaps()
{
    void* real = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"gdi32.dll"), "GetDeviceCaps"));
    m_slot = EngineModule() && real ? FindImportSlot(EngineModule(), real) : nullptr;
    if (!m_slot)
        return;
    DWORD protection = 0;
    VirtualProtect(m_slot, sizeof(void*), PAGE_READWRITE, &protection);
    m_original = *m_slot;
    *m_slot = reinterpret_cast<void*>(&A4DeviceCaps);
    VirtualProtect(m_slot, sizeof(void*), protection, &protection);
}

CA4PrinterCaps::~CA4PrinterCaps()
{
    if (!m_slot)
        return;
    DWORD protection = 0;
    VirtualProtect(m_slot, sizeof(void*), PAGE_READWRITE, &protection);
    *m_slot = m_original;
    VirtualProtect(m_slot, sizeof(void*), protection, &protection);
}

} // namespace rtest
