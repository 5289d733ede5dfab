// The generated project of the data library's benchmarks.
#include "LargeProject.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace wqv2_data;

namespace bench {
namespace {

// A small fixed-sequence generator, so every run builds the same project.
struct Lcg {
    uint32_t state = 12345u;
    uint32_t Next(uint32_t n)
    {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % n;
    }
};

} // namespace

bool BuildProject(CData* root, int tasks)
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
    const int resourceCount = (tasks + kTasksPerResource - 1) / kTasksPerResource;
    for (int r = 0; r < resourceCount; ++r) {
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

} // namespace bench
