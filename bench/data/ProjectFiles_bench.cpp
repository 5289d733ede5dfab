// Open and save of large project files, one measurement a process (so that each peak working
// set is its own). Run by project_files_bench.sh, which also times the floor tools on the same
// files and prints the ratios.
//   project_files_bench make <tasks> <bare file> <zipped file>
//       builds the generated project and saves it in both forms
//   project_files_bench open <file> <bare copy> <zipped copy>
//       opens the file, then saves it again in both forms
// Every figure is printed as "name value" on a line of its own.
#include "LargeProject.h"

#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace wqv2_data;

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point since) { return std::chrono::duration<double, std::milli>(Clock::now() - since).count(); }

double Mb(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

PROCESS_MEMORY_COUNTERS Memory()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters;
}

// Saves in one form and prints the time; false when the save failed.
bool TimedSave(CData* root, const wchar_t* path, bool zipped, const char* name)
{
    const auto start = Clock::now();
    const int status = root->Save(path, zipped);
    std::printf("%s_ms %.0f\n", name, Ms(start));
    if (status != 0)
        std::printf("%s_status %d\n", name, status);
    return status == 0;
}

int Make(CData* root, int tasks, const wchar_t* bare, const wchar_t* zipped)
{
    const auto start = Clock::now();
    if (!bench::BuildProject(root, tasks)) {
        std::printf("build_failed 1\n");
        return 1;
    }
    std::printf("build_ms %.0f\n", Ms(start));
    const bool saved = TimedSave(root, bare, false, "save_bare") && TimedSave(root, zipped, true, "save_zipped");
    return saved ? 0 : 1;
}

int OpenAndSave(CData* root, const wchar_t* file, const wchar_t* bare, const wchar_t* zipped)
{
    const SIZE_T baseline = Memory().WorkingSetSize;
    const auto start = Clock::now();
    const int status = root->Open(file, true);
    const double openMs = Ms(start);
    if (status != 0 && status != kErrReadOnly) {
        std::printf("open_status %d\n", status);
        return 1;
    }
    const PROCESS_MEMORY_COUNTERS opened = Memory();
    int tasks = 0;
    for (int i = 0; CResource* resource = root->Resources->GetAt(i); ++i)
        tasks += resource->Tasks->GetCount();
    std::printf("tasks %d\n", tasks);
    std::printf("open_ms %.0f\n", openMs);
    // What the open project keeps: the working set it added, measured once the open is done.
    std::printf("project_mb %.1f\n", Mb(opened.WorkingSetSize - baseline));
    std::printf("open_peak_mb %.1f\n", Mb(opened.PeakWorkingSetSize - baseline));
    const bool saved = TimedSave(root, bare, false, "save_bare") && TimedSave(root, zipped, true, "save_zipped");
    std::printf("peak_mb %.1f\n", Mb(Memory().PeakWorkingSetSize - baseline));
    return saved ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 5) {
        std::printf("usage: project_files_bench make <tasks> <bare> <zipped> | open <file> <bare> <zipped>\n");
        return 2;
    }
    bench::NoUndo store;
    CData* root = DllGetData(&store);
    const std::wstring mode = argv[1];
    const int result = mode == L"make" ? Make(root, _wtoi(argv[2]), argv[3], argv[4]) : OpenAndSave(root, argv[2], argv[3], argv[4]);
    root->Close(0);
    DllFreeData();
    std::fflush(stdout);
    return result;
}
