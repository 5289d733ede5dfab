// Prints how long the data library takes with a large project: 1,000 resources, 100,000 tasks,
// 5,000 series of every frequency and user-field values. It builds the project, saves it bare and
// zipped, opens both again, asks every resource for its tasks and occurrences over one year, and
// reports the peak working set. The saved files stay in the temp folder (their paths are
// printed) so that the bare one can be timed against `xmllint --noout`.
#include "LargeProject.h"

#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace wqv2_data;

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point since) { return std::chrono::duration<double, std::milli>(Clock::now() - since).count(); }

constexpr int kResources = 1000;
using bench::kTasksPerResource;
using bench::kSeriesPerResource;

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

    bench::NoUndo store;
    CData* root = DllGetData(&store);
    auto start = Clock::now();
    if (!bench::BuildProject(root, kResources * kTasksPerResource)) {
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
