// Prints how long the data library takes with a large project: 1,000 resources, 100,000 tasks,
// 5,000 series of every frequency and user-field values. It builds the project, saves it bare and
// zipped, opens both again, asks every resource for its tasks and occurrences over one year, and
// reports the peak working set. The saved files stay in the temp folder (their paths are
// printed) so that the bare one can be timed against `xmllint --noout`.
#include "wqv2_data.h"
#include "wqv2_undo.h"

#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace wqv2_data;

namespace {

class NoUndo : public wqv2_undo::CUndoManager {
public:
    void Clear() override {}
    bool PushUndo(const wqv2_undo::UndoRecord*, bool) override { return false; }
    bool PushRedo(const wqv2_undo::UndoRecord*) override { return false; }
};

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point since) { return std::chrono::duration<double, std::milli>(Clock::now() - since).count(); }

constexpr int kResources = 1000;
constexpr int kTasksPerResource = 100;
constexpr int kSeriesPerResource = 5;

// A small fixed-sequence generator, so every run builds the same project.
struct Lcg {
    uint32_t state = 12345u;
    uint32_t Next(uint32_t n)
    {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % n;
    }
};

bool Build(CData* root)
{
    Lcg rng;
    const TDate first = TDate::FromYMD(1, 2025, 1);
    CProjectSettings* settings = root->ProjectSettings;
    root->BeginTransaction(L"");
    settings->MarkModified();
    settings->AddUserField(kUserFieldsTask, L"Order number", L"QV2UDFInt");
    settings->AddUserField(kUserFieldsTask, L"Due date", L"QV2UDFDate");
    settings->AddUserField(kUserFieldsResource, L"Cost centre", L"");
    std::vector<CResource*> resources;
    for (int r = 0; r < kResources; ++r) {
        CResource* resource = root->Resources->CreateNew();
        const std::wstring name = L"Resource " + std::to_wstring(r + 1);
        resource->SetName(name.c_str());
        resource->SetNote(L"Generated & numbered <bench>");
        resource->Position = r;
        resource->CostsVariable = 20.0 + r % 50;
        resource->SetUserFieldValue(L"Cost centre", (L"CC-" + std::to_wstring(100 + r % 40)).c_str());
        if (root->Resources->Add(resource) != 0)
            return false;
        resources.push_back(resource);
    }
    if (root->Commit() != 0)
        return false;

    root->BeginTransaction(L"");
    for (CResource* resource : resources) {
        for (int i = 0; i < kTasksPerResource; ++i) {
            CTask* task = resource->Tasks->CreateNew();
            const TDate start = first + static_cast<int>(rng.Next(365));
            const int minute = static_cast<int>(rng.Next(20)) * 30 + 360;
            task->DateStart = start;
            task->TimeStart = minute;
            task->DateEnd = start + static_cast<int>(rng.Next(3));
            task->TimeEnd = task->DateEnd == task->DateStart ? minute + 60 + static_cast<int>(rng.Next(8)) * 30 : 600;
            task->SetName((L"Task " + std::to_wstring(i + 1) + L" of " + resource->Name).c_str());
            task->SetNote(i % 3 == 0 ? L"Check the material list first" : L"");
            task->ColorBk = 0xFFFFFF - rng.Next(0x808080);
            task->CostsCalculate = i % 2 == 0;
            task->CostsFixed = 10.0 * static_cast<double>(rng.Next(20));
            task->SetUserFieldValue(L"Order number", std::to_wstring(20250000 + rng.Next(9999)).c_str());
            if (i % 4 == 0)
                task->SetUserFieldValue(L"Due date", L"20251231");
            if (resource->Tasks->Add(task) != 0)
                return false;
        }
        for (int i = 0; i < kSeriesPerResource; ++i) {
            CRecurrence* series = resource->Recurrences->CreateNew();
            series->Frequency = i % 4;
            series->DateStart = first + static_cast<int>(rng.Next(90));
            series->TimeStart = 480 + static_cast<int>(rng.Next(16)) * 30;
            series->Duration = 30 + static_cast<int>(rng.Next(8)) * 15;
            series->Task->SetName(L"Recurring check");
            series->Task->SetUserFieldValue(L"Order number", L"9000");
            if (series->Frequency == kDaily) {
                static_cast<CRecurrencePatternDaily*>(series->GetPattern())->DType = 1;
            } else if (series->Frequency == kWeekly) {
                auto* weekly = static_cast<CRecurrencePatternWeekly*>(series->GetPattern());
                weekly->WWeekdayCount = 2;
                weekly->WWeekdays[0] = 1;
                weekly->WWeekdays[1] = 4;
            } else if (series->Frequency == kMonthly) {
                auto* monthly = static_cast<CRecurrencePatternMonthly*>(series->GetPattern());
                monthly->MType = 1;
                monthly->MPosition = -1;
                monthly->MWeekday = 4;
            }
            if (i == 4) {
                series->EndType = kEndAfterCount;
                series->EndCount = 40;
            }
            series->AddException(series->DateStart + 7);
            if (resource->Recurrences->Add(series) != 0)
                return false;
        }
    }
    return root->Commit() == 0;
}

// Every resource's tasks and occurrences in 2025 (as the viewer lists a year).
long long QueryYear(CData* root)
{
    const TDate from = TDate::FromYMD(1, 2025, 1);
    const TDate to = TDate::FromYMD(1, 2026, 1);
    long long entries = 0;
    std::vector<TaskOccurrence> out;
    for (int i = 0; CResource* resource = root->Resources->GetAt(i); ++i) {
        const int count = resource->CountTasksInWindow(from, 0, to, 0, nullptr);
        out.resize(static_cast<size_t>(count));
        entries += resource->GetTasksInWindow(out.data(), from, 0, to, 0, nullptr);
    }
    return entries;
}

long long FileBytes(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

} // namespace

int main()
{
    wchar_t temp[MAX_PATH + 1] = {}; // GetTempPathW's documented limit
    GetTempPathW(MAX_PATH + 1, temp);
    const std::wstring bare = std::wstring(temp) + L"qv2d-bench.xml";
    const std::wstring zipped = std::wstring(temp) + L"qv2d-bench.wqv";

    NoUndo store;
    CData* root = DllGetData(&store);
    auto start = Clock::now();
    if (!Build(root)) {
        std::printf("building the project failed\n");
        return 1;
    }
    std::printf("build %d resources, %d tasks, %d series: %.0f ms\n", kResources, kResources * kTasksPerResource,
                kResources * kSeriesPerResource, Ms(start));

    start = Clock::now();
    const long long entries = QueryYear(root);
    std::printf("occurrence query over one year: %lld entries, %.0f ms\n", entries, Ms(start));
    start = Clock::now();
    QueryYear(root);
    std::printf("the same query again (occurrence caches warm): %.0f ms\n", Ms(start));

    start = Clock::now();
    int status = root->Save(bare.c_str(), false);
    std::printf("save bare: status %d, %.0f ms, %lld bytes\n", status, Ms(start), FileBytes(bare));
    start = Clock::now();
    status = root->Save(zipped.c_str(), true);
    std::printf("save zipped: status %d, %.0f ms, %lld bytes\n", status, Ms(start), FileBytes(zipped));
    root->Close(0);

    start = Clock::now();
    status = root->Open(bare.c_str(), true);
    std::printf("open bare: status %d, %.0f ms\n", status, Ms(start));
    if (status == 0 || status == kErrReadOnly) { // 6: opened, read-only
        start = Clock::now();
        const long long reopened = QueryYear(root);
        std::printf("occurrence query over one year after opening: %lld entries, %.0f ms\n", reopened, Ms(start));
    }
    root->Close(0);
    start = Clock::now();
    status = root->Open(zipped.c_str(), true);
    std::printf("open zipped: status %d, %.0f ms\n", status, Ms(start));
    root->Close(0);
    DllFreeData();

    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters)))
        std::printf("peak working set: %.1f MB\n", static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0));
    std::wprintf(L"files: %ls, %ls\n", bare.c_str(), zipped.c_str());
    return 0;
}
