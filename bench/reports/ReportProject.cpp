// The project of the report benchmark.
#include "ReportProject.h"

#include "../data/LargeProject.h"

#include <string>
#include <vector>

using namespace wqv2_data;

namespace bench {
namespace {

bool AddHolidays(CData* root, int count)
{
    // One a day from 2020 on: a second holiday on a day would replace the first.
    const TDate first = TDate::FromYMD(1, 2020, 1);
    for (int i = 0; i < count; ++i) {
        CHoliday* holiday = root->Holidays->CreateNew();
        holiday->SetName((L"Holiday " + std::to_wstring(i + 1)).c_str());
        holiday->Date = first + i;
        if (root->Holidays->Add(holiday) != 0)
            return false;
    }
    return true;
}

// A calendar that works 8:00-12:00 and 13:00-17:00 on weekdays, added at `position`; null when
// the data library refused it.
CCalendar* AddWorkWeekCalendar(CData* root, int position)
{
    const int week[] = {480, 720, 780, 1020};
    CCalendar* calendar = root->Calendars->CreateNew();
    calendar->SetName((L"Calendar " + std::to_wstring(position + 1)).c_str());
    calendar->Position = position;
    for (unsigned day = 0; day < 5; ++day)
        calendar->SetWorkingTimes(day, week, 2);
    return root->Calendars->Add(calendar) == 0 ? calendar : nullptr;
}

bool AddCalendars(CData* root, int count)
{
    const int shortDay[] = {480, 720};
    const TDate first = TDate::FromYMD(1, 2025, 6);
    for (int i = 0; i < count; ++i) {
        CCalendar* calendar = AddWorkWeekCalendar(root, i);
        if (!calendar)
            return false;
        for (int k = 0; k < 10; ++k) {
            CCalendarException* exception = calendar->Exceptions->CreateNew();
            exception->Date = first + 35 * k + i % 7;
            exception->SetWorkingTimes(shortDay, k % 2);
            if (calendar->Exceptions->Add(exception) != 0)
                return false;
        }
    }
    return true;
}

// Each filter leaves out every tenth resource, from its own offset on.
bool AddFilters(CData* root, int count)
{
    std::vector<CResource*> all;
    for (int i = 0; CResource* resource = root->Resources->GetAt(i); ++i)
        all.push_back(resource);
    for (int i = 0; i < count; ++i) {
        std::vector<CResource*> excluded;
        for (size_t r = static_cast<size_t>(i % 10); r < all.size(); r += 10)
            excluded.push_back(all[r]);
        CFilter* filter = root->Filters->CreateNew();
        filter->SetName((L"Filter " + std::to_wstring(i + 1)).c_str());
        filter->SetTaskName(i % 2 ? L"Task 1*" : L"");
        filter->SetExcludedResources(excluded.data(), static_cast<int>(excluded.size()));
        if (root->Filters->Add(filter) != 0)
            return false;
    }
    return true;
}

bool AddNonWorkingResources(CData* root, int resources)
{
    std::vector<CCalendar*> calendars;
    for (int i = 0; i < 10; ++i) {
        calendars.push_back(AddWorkWeekCalendar(root, i));
        if (!calendars.back())
            return false;
    }
    const TDate first = TDate::FromYMD(1, 2025, 1);
    for (int r = 0; r < resources; ++r) {
        CResource* resource = root->Resources->CreateNew();
        resource->SetName((L"Resource " + std::to_wstring(r + 1)).c_str());
        resource->Position = r;
        resource->Calendar = calendars[static_cast<size_t>(r % 10)];
        if (root->Resources->Add(resource) != 0)
            return false;
        for (int i = 0; i < 2; ++i) {
            CTask* task = resource->Tasks->CreateNew();
            task->DateStart = task->DateEnd = first + (r * 7 + i * 180) % 365;
            task->TimeStart = 540;
            task->TimeEnd = 960;
            task->SetName((L"Task " + std::to_wstring(i + 1)).c_str());
            if (resource->Tasks->Add(task) != 0)
                return false;
        }
    }
    return true;
}

} // namespace

bool BuildNonWorkingProject(CData* root, int resources)
{
    if (root->BeginTransaction(L"") != 0)
        return false;
    root->ProjectSettings->MarkModified();
    root->ProjectSettings->NonWorkingTime = 0xC0C0C0;
    if (!AddNonWorkingResources(root, resources)) {
        root->Rollback();
        return false;
    }
    return root->Commit() == 0;
}

bool BuildReportProject(CData* root, int tasks)
{
    if (!BuildProject(root, tasks) || root->BeginTransaction(L"") != 0)
        return false;
    const int thousands = (tasks + 999) / 1000;
    if (!AddHolidays(root, (tasks + 99) / 100) || !AddCalendars(root, thousands) || !AddFilters(root, thousands)) {
        root->Rollback();
        return false;
    }
    return root->Commit() == 0;
}

} // namespace bench
