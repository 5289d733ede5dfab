// Prints how long the data library takes to add many tasks to one resource, to answer period
// queries over them, and to delete the resource and undo that.
#include "wqv2_data.h"
#include "wqv2_undo.h"

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

// Keeps records like the viewer's store and replays the top one on request.
class Store : public wqv2_undo::CUndoManager {
public:
    ~Store() override { Clear(); }
    void Clear() override
    {
        for (auto& r : records)
            r.Free(r.data);
        records.clear();
    }
    bool PushUndo(const wqv2_undo::UndoRecord* r, bool) override
    {
        records.push_back(*r);
        return true;
    }
    bool PushRedo(const wqv2_undo::UndoRecord* r) override
    {
        records.push_back(*r);
        return true;
    }
    int UndoTop()
    {
        const wqv2_undo::UndoRecord r = records.back();
        records.pop_back();
        const int status = r.Undo(r.data);
        r.Free(r.data);
        return status;
    }
    std::vector<wqv2_undo::UndoRecord> records;
};

double Ms(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

} // namespace

int main()
{
    constexpr int kTasks = 100000;
    const TDate first = TDate::FromYMD(1, 2024, 1);
    Store store;
    wqv2_data::CData* root = DllGetData(&store);

    auto start = std::chrono::steady_clock::now();
    root->BeginTransaction(L"");
    wqv2_data::CResource* resource = root->Resources->CreateNew();
    resource->SetName(L"R");
    root->Resources->Add(resource);
    root->Commit();
    root->BeginTransaction(L"");
    for (int i = 0; i < kTasks; ++i) {
        wqv2_data::CTask* task = resource->Tasks->CreateNew();
        task->DateStart = static_cast<uint32_t>(first) + i / 10;
        task->TimeStart = (i % 10) * 60;
        task->DateEnd = static_cast<uint32_t>(task->DateStart) + (i % 3);
        task->TimeEnd = 600;
        resource->Tasks->Add(task);
    }
    root->Commit();
    std::printf("add and commit %d tasks: %.1f ms\n", kTasks, Ms(start));

    start = std::chrono::steady_clock::now();
    long long found = 0;
    constexpr int kQueries = 10000;
    for (int q = 0; q < kQueries; ++q) {
        const TDate from = static_cast<uint32_t>(first) + (q * 7) % (kTasks / 10);
        found += resource->Tasks->CountInWindow(from, 0, static_cast<uint32_t>(from) + 7, 0, nullptr);
    }
    std::printf("%d week queries: %.1f ms (%lld tasks found)\n", kQueries, Ms(start), found);

    start = std::chrono::steady_clock::now();
    root->BeginTransaction(L"delete");
    resource->MarkDeleted();
    root->Commit();
    std::printf("delete the resource (named): %.1f ms\n", Ms(start));

    start = std::chrono::steady_clock::now();
    const int status = store.UndoTop();
    std::printf("undo the deletion: %.1f ms (status %d, %d tasks back)\n", Ms(start), status, resource->Tasks->GetCount());

    store.Clear();
    DllFreeData();
    return 0;
}
