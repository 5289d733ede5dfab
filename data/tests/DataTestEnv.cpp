// The data library's test environment.
#include "DataTestEnv.h"

#include <windows.h>

namespace qv2dtest {

const Library& Qv2d()
{
    static const Library library = [] {
        Library lib;
        HMODULE module = LoadLibraryW(L"QV2D.dll");
        lib.module = module;
        if (module) {
            lib.getData = reinterpret_cast<wqv2_data::DllGetDataFn>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetData")));
            lib.freeData = reinterpret_cast<wqv2_data::DllFreeDataFn>(reinterpret_cast<void*>(GetProcAddress(module, "DllFreeData")));
        }
        return lib;
    }();
    return library;
}

ListenerLog& Listened()
{
    static ListenerLog log;
    return log;
}

void RecordChange(unsigned int bits) { Listened().calls.push_back(bits); }

void DataTest::SetUp()
{
    const Library& lib = Qv2d();
    ASSERT_NE(lib.getData, nullptr) << "QV2D.dll or its DllGetData export is missing";
    ASSERT_NE(lib.freeData, nullptr);
    root = lib.getData(&store);
    ASSERT_NE(root, nullptr);
    Listened().calls.clear();
}

void DataTest::TearDown()
{
    store.Clear();
    if (Qv2d().freeData)
        Qv2d().freeData();
    root = nullptr;
}

wqv2_data::CResource* DataTest::AddResource(const wchar_t* name)
{
    if (root->BeginTransaction(L"") != 0)
        return nullptr;
    wqv2_data::CResource* resource = root->Resources->CreateNew();
    resource->SetName(name);
    if (root->Resources->Add(resource) != 0 || root->Commit() != 0)
        return nullptr;
    return resource;
}

wqv2_data::CTask* DataTest::AddTask(wqv2_data::CResource* resource, TDate d1, int m1, TDate d2, int m2, const wchar_t* name)
{
    if (root->BeginTransaction(L"") != 0)
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

} // namespace qv2dtest
