// Every report's export and HTML on a generated project, run through the report plug-in as the
// viewer runs them: QV2R.dll and QV2D.dll loaded from the program folder (the current folder),
// this program the host (the host functions of the report tests), each output written by the
// report's registered callback. Each output is timed against its floor: the same bytes written
// again through a plain buffered writer in the same run.
//   reports_bench <tasks> [<first run> [<last run>]]   runs (all by default) on a fresh project
//   reports_bench nonworking <resources>                the schedule chart's HTML with the
//                                                       non-working colour set, every resource
//                                                       with a calendar (BuildNonWorkingProject)
//   reports_bench header | runs                         the header of the rows | the run count
// Prints one table row per run. The memory figures: what the built project keeps, how far the
// working set grew above it during the output (sampled every 2 ms) and the process's peak
// working set at its end (before the files are read back); one run a process keeps them apart
// (reports_bench.sh runs them so).
// A run longer than QV_BENCH_LIMIT seconds (default 30) prints "over limit" and ends the
// process; the runs listed in QV_BENCH_SKIP print "over limit" without running. QV_BENCH_KEEP
// names a folder that keeps each run's files (a later run overwrites those of the same name).
// QV_BENCH_REPEAT runs each output and its floor that many times and prints the fastest of each.
#include "OutputFiles.h"
#include "ReportProject.h"

#include "../data/LargeProject.h"
#include "HostDouble.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Mb(SIZE_T bytes)
{
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

PROCESS_MEMORY_COUNTERS Memory()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters;
}

// A report with the settings that switch on its optional columns. The ID columns of the exports
// are on in every export's "all" run; an HTML run with nothing optional has no "all" run.
struct ReportSpec {
    const wchar_t* name; // the registered name
    std::vector<const wchar_t*> optional;
    bool chart = false; // HTML of pictures: its rows are the chart's resource rows
};

const std::vector<ReportSpec>& Reports()
{
    static const std::vector<ReportSpec> reports{
        {L"Schedule chart", {}, true},
        {L"Task list",
         {L"ReportsListTasksDefaultColumnsDuration", L"ReportsListTasksDefaultColumnsWorkingTime",
          L"ReportsListTasksDefaultColumnsCosts", L"ReportsListTasksDefaultColumnsFormat",
          L"ReportsListTasksDefaultColumnsUDF", L"ReportsListTasksDefaultColumnsNotes"}},
        {L"Tasks by resource",
         {L"ReportsListTasksByResourcesColumnsDuration", L"ReportsListTasksByResourcesColumnsWorkingTime",
          L"ReportsListTasksByResourcesColumnsCosts", L"ReportsListTasksByResourcesColumnsFormat",
          L"ReportsListTasksByResourcesColumnsUDF", L"ReportsListTasksByResourcesColumnsNotes"}},
        {L"Calendars", {L"ReportsCalendarsListExceptions"}},
        {L"Resources",
         {L"ReportsResourcesColumnsCalendar", L"ReportsResourcesColumnsCosts", L"ReportsResourcesColumnsFormat",
          L"ReportsResourcesColumnsUDF", L"ReportsResourcesColumnsNotes"}},
        {L"Holidays", {}},
        {L"Filters", {L"ReportsFiltersResourcesListAll"}},
    };
    return reports;
}

struct Run {
    const ReportSpec* report;
    bool html;
    bool all;
    bool nonWorking = false; // the chart on the non-working project: rows paint calendar gaps
};

std::vector<Run> Runs()
{
    std::vector<Run> runs;
    for (const ReportSpec& report : Reports()) {
        for (bool html : {false, true}) {
            runs.push_back({&report, html, false});
            if (!html || !report.optional.empty())
                runs.push_back({&report, html, true});
        }
    }
    return runs;
}

// The settings every run shares: the year of the generated tasks as the period of every list,
// all holidays, no error boxes from the viewer's side.
void CommonSettings()
{
    host::ClearSettings();
    const std::pair<const wchar_t*, const wchar_t*> settings[] = {
        {L"DateFormat", L"dd.MM.yyyy"},
        {L"TimeFormat", L"HH:mm"},
        {L"ReportsListTasksDefaultDateStart", L"20250101"},
        {L"ReportsListTasksDefaultDateEnd", L"20251231"},
        {L"ReportsListTasksByResourcesDateStart", L"20250101"},
        {L"ReportsListTasksByResourcesDateEnd", L"20251231"},
        {L"ReportsScheduleStandardPeriod", L"2"},
        {L"ReportsScheduleStandardStart", L"20250101"},
        {L"ReportsScheduleStandardEnd", L"20251231"},
        {L"ReportsCalendarsDateStart", L"20250101"},
        {L"ReportsCalendarsDateEnd", L"20251231"},
        {L"ReportsHolidaysStart", L"20000101"},
        {L"ReportsHolidaysEnd", L"20991231"},
    };
    for (const auto& [key, value] : settings)
        host::SetSetting(key, value);
}

// Closes every message box of this thread at once and keeps the last text: a failing output
// must not wait for a click.
std::wstring gLastBox;

LRESULT CALLBACK CloseBoxes(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wp);
        wchar_t name[16] = {};
        GetClassNameW(box, name, 16);
        if (std::wstring(name) == L"#32770") {
            wchar_t text[512] = {};
            GetDlgItemTextW(box, 0xFFFF, text, 512);
            gLastBox = text;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

template <class Fn>
Fn Entry(HMODULE module, const char* name)
{
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

std::wstring TempFolder()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"qv2r-bench-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    // A process of the same id that ended over the limit left its files here.
    bench::EmptyFolder(folder);
    return folder;
}

std::string Utf8(const std::wstring& text)
{
    std::string out(text.size() * 3 + 1, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(n > 0 ? static_cast<size_t>(n - 1) : 0);
    return out;
}

void PrintHeader()
{
    std::printf("%-18s %-6s %-7s %10s %9s %7s %9s %16s %8s %8s %9s %8s\n", "report", "output", "columns", "ms",
                "floor ms", "ratio", "size MB", "rows x cols", "us/row", "proj MB", "output MB", "peak MB");
}

// The start of a row: which run.
void PrintRunName(const Run& run)
{
    std::printf("%-18s %-6s %-7s ", Utf8(run.report->name).c_str(), run.html ? "HTML" : "export",
                run.nonWorking ? "nonwork" : run.all ? "all" : "default");
}

class CBench {
public:
    CBench(wqv2_data::CData* root, SIZE_T projectBytes, double limitMs, int repeats)
        : m_root(root), m_projectBytes(projectBytes), m_limitMs(limitMs), m_repeats(std::max(1, repeats)),
          m_folder(TempFolder())
    {
    }
    ~CBench() { RemoveDirectoryW(m_folder.c_str()); }

    bool Start(HMODULE plugin, HMODULE resources);
    void Measure(const Run& run, bool skipped);

private:
    const ReportRegistration* Registration(const wchar_t* name) const;
    struct Figures {
        double ms = 0;
        SIZE_T growth = 0; // how far the working set grew above the built project
        SIZE_T peak = 0;   // the process's peak working set when the output ends
    };
    // Runs the output with the watch beside it.
    int TimedOutput(ReportFileFn output, const std::wstring& path, Figures& figures);

    wqv2_data::CData* m_root;
    SIZE_T m_projectBytes;
    double m_limitMs;
    int m_repeats;
    std::wstring m_folder;
};

bool CBench::Start(HMODULE plugin, HMODULE resources)
{
    auto info = Entry<QV2Plugin_OnPluginInfoFn>(plugin, "QV2Plugin_OnPluginInfo");
    auto start = Entry<QV2Plugin_OnStartFn>(plugin, "QV2Plugin_OnStart");
    auto registerReports = Entry<QV2Plugin_OnNotifyFn>(plugin, "QV2Plugin_OnRegister");
    PluginInfo about{};
    if (!info || !start || !registerReports || info(L"", L"", L"", resources, &about) != 1)
        return false;
    start(m_root);
    registerReports();
    return !host::Reports().empty();
}

const ReportRegistration* CBench::Registration(const wchar_t* name) const
{
    for (const ReportRegistration& report : host::Reports()) {
        if (std::wstring(report.Name) == name)
            return &report;
    }
    return nullptr;
}

int CBench::TimedOutput(ReportFileFn output, const std::wstring& path, Figures& figures)
{
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const SIZE_T before = Memory().WorkingSetSize;
    std::atomic<SIZE_T> seen{before};
    const auto start = Clock::now();
    // Samples the working set every 2 ms; past the limit it prints the row and ends the process.
    std::thread watch([&] {
        while (WaitForSingleObject(done, 2) == WAIT_TIMEOUT) {
            seen = std::max<SIZE_T>(seen, Memory().WorkingSetSize);
            if (MsSince(start) > m_limitMs) {
                // After the run's name, which the main thread has printed.
                std::printf("over limit (%.0f s)%58.1f %9.1f %8.1f\n", m_limitMs / 1000, Mb(m_projectBytes),
                            Mb(seen - before), Mb(Memory().PeakWorkingSetSize));
                std::fflush(stdout);
                TerminateProcess(GetCurrentProcess(), 3);
            }
        }
    });
    const int result = output(path.c_str());
    figures.ms = MsSince(start);
    figures.peak = Memory().PeakWorkingSetSize;
    SetEvent(done);
    watch.join();
    CloseHandle(done);
    figures.growth = seen - before;
    return result;
}

void CBench::Measure(const Run& run, bool skipped)
{
    const ReportRegistration* report = Registration(run.report->name);
    const ReportFileFn output = report ? (run.html ? report->Html : report->Export) : nullptr;
    PrintRunName(run);
    if (!output) {
        std::printf("not registered\n");
        return;
    }
    if (skipped) {
        std::printf("over limit (on a smaller project)\n");
        return;
    }
    CommonSettings();
    if (run.all) {
        for (const wchar_t* key : run.report->optional)
            host::SetSetting(key, L"1");
        if (!run.html) {
            host::SetSetting(L"ReportsExportIDTasks", L"1");
            host::SetSetting(L"ReportsExportIDResources", L"1");
        }
    }
    // As the viewer starts an output: the file name in the settings, no report filter.
    const std::wstring path = m_folder + (run.html ? L"\\report.html" : L"\\report.txt");
    host::SetSetting(run.html ? L"ReportsHtmlFilename" : L"ReportsExportFilename", path);
    if (report->SetFilter)
        report->SetFilter(nullptr);
    gLastBox.clear();
    // The fastest of the repeats: a busy machine only ever adds time.
    Figures figures;
    int result = 0;
    for (int k = 0; k < m_repeats && result == 0; ++k) {
        Figures once;
        result = TimedOutput(output, path, once);
        figures.ms = k == 0 ? once.ms : std::min(figures.ms, once.ms);
        figures.growth = std::max(figures.growth, once.growth);
        figures.peak = k == 0 ? once.peak : figures.peak; // before any file was read back
        // Each run writes new files, as the first did.
        if (k + 1 < m_repeats && result == 0)
            bench::EmptyFolder(m_folder);
    }
    std::vector<bench::OutputFile> files;
    try {
        files = bench::ReadFolder(m_folder, true);
    } catch (const std::exception&) {
        // Out of memory, or longer than a string may be (a file over 2 GB in a 32-bit process).
        // The memory figures stand: they were taken before anything was read back.
        std::printf("%10.1f %53s %8.1f %9.1f %8.1f  (result %d; the files are too large to read back here)\n",
                    figures.ms, "", Mb(m_projectBytes), Mb(figures.growth), Mb(figures.peak), result);
        std::fflush(stdout);
        bench::EmptyFolder(m_folder);
        return;
    }
    // QV_BENCH_KEEP: a folder that keeps the files, to compare two builds' outputs byte for byte.
    if (const wchar_t* keep = _wgetenv(L"QV_BENCH_KEEP"); keep && *keep && !bench::KeepFiles(keep, files))
        std::printf("(the files could not be kept in %s) ", Utf8(keep).c_str());
    if (result != 0 || files.empty()) {
        std::printf("failed (%d) %s\n", result, Utf8(gLastBox).c_str());
        return;
    }
    double floorMs = bench::FloorWrite(m_folder, files);
    for (int k = 1; k < m_repeats; ++k)
        floorMs = std::min(floorMs, bench::FloorWrite(m_folder, files));
    size_t bytes = 0;
    for (const bench::OutputFile& file : files)
        bytes += file.bytes.size();
    // The page or the export file; pictures beside a page are only counted.
    const auto main = std::find_if(files.begin(), files.end(), [](const bench::OutputFile& file) {
        return !file.name.ends_with(L".png");
    });
    const std::string& text = main != files.end() ? main->bytes : files.front().bytes;
    bench::Shape shape = run.html ? bench::HtmlShape(text) : bench::DelimitedShape(text);
    char rows[32];
    if (run.html && run.report->chart) {
        shape.rows = m_root->Resources->GetCount(nullptr);
        std::snprintf(rows, sizeof rows, "%lldx%zupng", shape.rows, files.size() - 1);
    } else {
        std::snprintf(rows, sizeof rows, "%lldx%d", shape.rows, shape.columns);
    }
    const double perRow = shape.rows > 0 ? figures.ms * 1000.0 / static_cast<double>(shape.rows) : 0;
    std::printf("%10.1f %9.1f %7.1f %9.2f %16s %8.2f %8.1f %9.1f %8.1f", figures.ms, floorMs,
                floorMs > 0 ? figures.ms / floorMs : 0.0, static_cast<double>(bytes) / (1024.0 * 1024.0), rows, perRow,
                Mb(m_projectBytes), Mb(figures.growth), Mb(figures.peak));
    if (files.size() > 1)
        std::printf("  (%zu files)", files.size());
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    std::vector<Run> runs = Runs();
    if (argc >= 2 && std::wstring(argv[1]) == L"header") {
        PrintHeader();
        return 0;
    }
    if (argc >= 2 && std::wstring(argv[1]) == L"runs") {
        std::printf("%zu\n", runs.size());
        return 0;
    }
    // The non-working case is the schedule chart's HTML alone, on a project of its own.
    const bool nonWorking = argc >= 2 && std::wstring(argv[1]) == L"nonworking";
    const int resourceCount = nonWorking && argc >= 3 ? _wtoi(argv[2]) : 0;
    if (nonWorking)
        runs = {Run{&Reports().front(), true, false, true}};
    const int tasks = nonWorking ? resourceCount : argc >= 2 ? _wtoi(argv[1]) : 0;
    const int first = nonWorking ? 0 : argc >= 3 ? _wtoi(argv[2]) : 0;
    const int last = std::min(argc >= 4 && !nonWorking ? _wtoi(argv[3]) : static_cast<int>(runs.size()) - 1,
                              static_cast<int>(runs.size()) - 1);
    if (tasks <= 0 || first < 0) {
        std::printf("usage: reports_bench <tasks> [<first run> [<last run>]] | nonworking <resources> | header | runs\n");
        return 2;
    }
    std::vector<int> skip;
    if (const char* list = std::getenv("QV_BENCH_SKIP")) {
        for (char* end = nullptr;; list = end) {
            const long run = std::strtol(list, &end, 10);
            if (end == list)
                break;
            skip.push_back(static_cast<int>(run));
        }
    }
    const char* limit = std::getenv("QV_BENCH_LIMIT");
    const double limitMs = 1000.0 * (limit && std::atof(limit) > 0 ? std::atof(limit) : 30.0);
    const char* repeat = std::getenv("QV_BENCH_REPEAT");
    const int repeats = repeat ? std::atoi(repeat) : 1;

    HMODULE data = LoadLibraryW(L"QV2D.dll");
    HMODULE resources = LoadLibraryW(L"QV2ResV.dll");
    HMODULE plugin = LoadLibraryW(L"QV2R.dll");
    auto getData = Entry<wqv2_data::DllGetDataFn>(data, "DllGetData");
    auto freeData = Entry<wqv2_data::DllFreeDataFn>(data, "DllFreeData");
    if (!getData || !freeData || !resources || !plugin) {
        std::printf("run from the program folder: QV2D.dll, QV2ResV.dll and QV2R.dll must load\n");
        return 1;
    }
    bench::NoUndo store;
    wqv2_data::CData* root = getData(&store);
    const SIZE_T startBytes = Memory().WorkingSetSize;
    const auto building = Clock::now();
    const bool built = root && (nonWorking ? bench::BuildNonWorkingProject(root, resourceCount)
                                           : bench::BuildReportProject(root, tasks));
    if (!built) {
        std::printf("the project could not be built\n");
        return 1;
    }
    const double buildMs = MsSince(building);
    const SIZE_T projectBytes = Memory().WorkingSetSize - startBytes;
    if (first == 0)
        std::printf("-- %d %s: project built in %.0f ms, keeps %.1f MB\n", tasks,
                    nonWorking ? "resources with calendars" : "tasks", buildMs, Mb(projectBytes));
    std::fflush(stdout);

    HHOOK hook = SetWindowsHookExW(WH_CBT, CloseBoxes, nullptr, GetCurrentThreadId());
    CBench bench(root, projectBytes, limitMs, repeats);
    if (!bench.Start(plugin, resources)) {
        std::printf("the report plug-in did not start\n");
        return 1;
    }
    for (int i = first; i <= last; ++i)
        bench.Measure(runs[static_cast<size_t>(i)], std::find(skip.begin(), skip.end(), i) != skip.end());
    if (hook)
        UnhookWindowsHookEx(hook);
    root->Close(0);
    freeData();
    return 0;
}
