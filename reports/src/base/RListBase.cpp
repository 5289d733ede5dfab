// List report base.
#include "base/RListBase.h"

#include "common/ReportSettings.h"
#include "common/ValueFormat.h"
#include "plugin/PluginState.h"

namespace {

TDate FirstOfYear(int yearOffset)
{
    const TDate today;
    return TDate::FromYMD(1, today.GetYear() + static_cast<unsigned>(yearOffset), 1);
}

} // namespace

CRListBase::CRListBase()
    : DateStart(FirstOfYear(0)),
      DateEnd(FirstOfYear(1)),
      DurationType(GetIntSetting(L"ViewFormatDuration", 0)),
      DurationShort(GetBoolSetting(L"ViewFormatDurationShort", true)),
      WorkingTimeType(GetIntSetting(L"ViewFormatWorkingTime", 1)),
      WorkingTimeShort(GetBoolSetting(L"ViewFormatWorkingTimeShort", true)),
      FilterShowAlways(GetBoolSetting(L"ReportsFilterShowAlways", false)),
      SortColumn(GetIntSetting(L"ViewGridSortType", 1)),
      SortOrder(GetIntSetting(L"ViewGridSortOrder", 2))
{
    if (wqv2_data::CData* root = GetDataRoot())
        root->Command(wqv2_data::kCmdNewTask, &ScratchTask);
}

CRListBase::~CRListBase()
{
    // The scratch task was never added to the data: marking it deleted destroys it at once.
    if (ScratchTask)
        ScratchTask->MarkDeleted();
}

std::wstring CRListBase::FormatDuration(int minutes) const
{
    return ::FormatDuration(minutes, DurationType, DurationShort);
}

std::wstring CRListBase::FormatWorkingTime(int minutes) const
{
    return ::FormatDuration(minutes, WorkingTimeType, WorkingTimeShort);
}

int CRListBase::CollectTasks(std::vector<TaskOccurrence>& out, int* durationSum, int* workingTimeSum,
                             double* costsSum)
{
    CListedTasks listed;
    listed.Rebuild(DateStart, TimeStart, DateEnd, TimeEnd, SortColumn, SortOrder);
    out.insert(out.end(), listed.Items().begin(), listed.Items().end());
    if (durationSum)
        *durationSum = 0;
    if (workingTimeSum)
        *workingTimeSum = 0;
    if (costsSum)
        *costsSum = 0.0;
    if (!durationSum && !workingTimeSum && !costsSum)
        return static_cast<int>(out.size());
    for (const TaskOccurrence& occurrence : listed.Items()) {
        if (LimitPeriod) {
            wqv2_data::CTask* clipped = ClipToPeriod(occurrence);
            if (!clipped)
                continue;
            if (durationSum)
                *durationSum += clipped->GetDuration();
            if (workingTimeSum)
                *workingTimeSum += clipped->GetWorkDuration();
            if (costsSum)
                *costsSum += clipped->GetCosts(0, 0, 0, 0);
        } else {
            if (durationSum)
                *durationSum += occurrence.task->GetDuration();
            if (workingTimeSum)
                *workingTimeSum += GetOccurrenceWorkingTime(occurrence);
            if (costsSum)
                *costsSum += GetOccurrenceCosts(occurrence);
        }
    }
    return static_cast<int>(out.size());
}

wqv2_data::CTask* CRListBase::ClipToPeriod(const TaskOccurrence& occurrence)
{
    if (!ScratchTask || !occurrence.task)
        return nullptr;
    wqv2_data::CTask* task = occurrence.task;
    ScratchTask->CopyFrom(task);
    ScratchTask->Recurrence = nullptr;
    wqv2_data::CResource* resource = task->GetResource();
    ScratchTask->Owner = resource ? resource->Tasks : nullptr;
    OccurrenceSpan span = GetOccurrenceSpan(occurrence);
    auto dayMinute = [](int m) {
        const int r = m % 1440;
        return r < 0 ? r + 1440 : r;
    };
    span.startMinute = dayMinute(span.startMinute);
    span.endMinute = dayMinute(span.endMinute);
    if (LimitPeriod) {
        auto before = [](TDate dayA, int minuteA, TDate dayB, int minuteB) {
            return static_cast<uint32_t>(dayA) < static_cast<uint32_t>(dayB) ||
                   (dayA == dayB && minuteA < minuteB);
        };
        if (before(span.startDay, span.startMinute, DateStart, TimeStart)) {
            span.startDay = DateStart;
            span.startMinute = TimeStart;
        }
        if (before(DateEnd, TimeEnd, span.endDay, span.endMinute)) {
            span.endDay = DateEnd;
            span.endMinute = TimeEnd;
        }
    }
    ScratchTask->DateStart = span.startDay;
    ScratchTask->TimeStart = span.startMinute;
    ScratchTask->DateEnd = span.endDay;
    ScratchTask->TimeEnd = span.endMinute;
    return ScratchTask;
}
