// List report base.
#include "base/RListBase.h"

#include "common/ReportSettings.h"
#include "common/ValueFormat.h"
#include "common/ValueTexts.h"
#include "plugin/PluginState.h"

#include "TDateTime.h"

#include <algorithm>
#include <climits>

namespace {

TDate FirstOfYear(int yearOffset)
{
    const TDate today;
    return TDate::FromYMD(1, today.GetYear() + static_cast<unsigned>(yearOffset), 1);
}

int DayMinute(int minute)
{
    const int r = minute % 1440;
    return r < 0 ? r + 1440 : r;
}

// Minutes since day 0, the minute taken into its day: the data library's own count of elapsed
// minutes, so clipped values come out as those of a task with these bounds.
long long Stamp(TDate day, int minute)
{
    return static_cast<long long>(static_cast<uint32_t>(day)) * 1440 + DayMinute(minute);
}

int ClampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// The day an end shows with dates only: an end at 00:00 belongs to the day before, but never
// before the start: a task of no length at midnight ends on its own day.
TDate LastShownDay(const OccurrenceSpan& span)
{
    TDate last = span.endDay;
    if (span.endMinute == 0 && static_cast<uint32_t>(last) > static_cast<uint32_t>(span.startDay))
        --last;
    return last;
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
    const size_t first = out.size();
    // Moved, not copied, where `out` holds nothing yet: the list is a large project's largest.
    if (first == 0) {
        out = listed.TakeItems();
    } else {
        out.insert(out.end(), listed.Items().begin(), listed.Items().end());
    }
    if (durationSum)
        *durationSum = 0;
    if (workingTimeSum)
        *workingTimeSum = 0;
    if (costsSum)
        *costsSum = 0.0;
    if (!durationSum && !workingTimeSum && !costsSum)
        return static_cast<int>(out.size());
    for (size_t i = first; i < out.size(); ++i) {
        const TaskOccurrence& occurrence = out[i];
        const OccurrenceValues values = GetOccurrenceValues(occurrence);
        if (durationSum)
            *durationSum += values.duration;
        if (workingTimeSum)
            *workingTimeSum += values.workingTime;
        if (costsSum)
            *costsSum += values.costs;
    }
    return static_cast<int>(out.size());
}

OccurrenceValues CRListBase::GetOccurrenceValues(const TaskOccurrence& occurrence)
{
    if (!occurrence.task)
        return {};
    if (LimitPeriod)
        return GetOccurrenceValues(occurrence, GetDaySpan(occurrence));
    return {occurrence.task->GetDuration(), GetOccurrenceWorkingTime(occurrence), GetOccurrenceCosts(occurrence)};
}

OccurrenceValues CRListBase::GetOccurrenceValues(const TaskOccurrence& occurrence, const OccurrenceSpan& daySpan)
{
    if (!occurrence.task || !LimitPeriod)
        return GetOccurrenceValues(occurrence);
    if (!ScratchTask)
        return {};
    // The values of the clipped plain task, worked out from the clipped bounds: copying the task
    // (names, notes, user fields) for each occurrence costs more than the values themselves.
    wqv2_data::CTask* task = occurrence.task;
    wqv2_data::CResource* resource = task->GetResource();
    wqv2_data::CResource* own = resource && resource->Tasks ? resource->Tasks->Resource : nullptr;
    const OccurrenceSpan span = ClipSpan(daySpan);
    // A day 0 would make GetCosts take the task's own bounds.
    if (own != resource || static_cast<uint32_t>(span.startDay) == 0 || static_cast<uint32_t>(span.endDay) == 0) {
        wqv2_data::CTask* clipped = ClipToPeriod(occurrence, daySpan);
        return {clipped->GetDuration(), clipped->GetWorkDuration(), clipped->GetCosts(0, 0, 0, 0)};
    }
    const int duration = ClampToInt(Stamp(span.endDay, span.endMinute) - Stamp(span.startDay, span.startMinute));
    const int workingTime = resource && resource->Calendar
                                ? resource->Calendar->WorkingMinutes(span.startDay, span.startMinute, span.endDay,
                                                                     span.endMinute)
                                : duration;
    return {duration, workingTime, task->GetCosts(span.startDay, span.startMinute, span.endDay, span.endMinute)};
}

OccurrenceSpan CRListBase::ClipSpan(OccurrenceSpan span) const
{
    if (!LimitPeriod)
        return span;
    auto before = [](TDate dayA, int minuteA, TDate dayB, int minuteB) {
        return static_cast<uint32_t>(dayA) < static_cast<uint32_t>(dayB) || (dayA == dayB && minuteA < minuteB);
    };
    if (before(span.startDay, span.startMinute, DateStart, TimeStart)) {
        span.startDay = DateStart;
        span.startMinute = TimeStart;
    }
    if (before(DateEnd, TimeEnd, span.endDay, span.endMinute)) {
        span.endDay = DateEnd;
        span.endMinute = TimeEnd;
    }
    return span;
}

OccurrenceSpan CRListBase::GetDaySpan(const TaskOccurrence& occurrence)
{
    OccurrenceSpan span = GetOccurrenceSpan(occurrence);
    span.startMinute = DayMinute(span.startMinute);
    span.endMinute = DayMinute(span.endMinute);
    return span;
}

std::wstring CRListBase::FormatStart(const TaskOccurrence& occurrence, bool dateOnly, int weekdayMode)
{
    const OccurrenceSpan span = GetDaySpan(occurrence);
    if (dateOnly)
        return FormatDate(span.startDay, weekdayMode, L"%s");
    return FormatDateTime(TDateTime(span.startDay, span.startMinute, false));
}

std::wstring CRListBase::FormatEnd(const TaskOccurrence& occurrence, bool dateOnly, int weekdayMode)
{
    const OccurrenceSpan span = GetDaySpan(occurrence);
    if (dateOnly)
        return FormatDate(LastShownDay(span), weekdayMode, L"%s");
    return FormatDateTime(TDateTime(span.endDay, span.endMinute, false));
}

std::wstring_view CRListBase::StartText(const OccurrenceSpan& span, bool dateOnly, int weekdayMode,
                                        CValueTexts& texts)
{
    if (dateOnly)
        return texts.Day(span.startDay, weekdayMode);
    return texts.DateTime(span.startDay, span.startMinute);
}

std::wstring_view CRListBase::EndText(const OccurrenceSpan& span, bool dateOnly, int weekdayMode, CValueTexts& texts)
{
    if (dateOnly)
        return texts.Day(LastShownDay(span), weekdayMode);
    return texts.DateTime(span.endDay, span.endMinute);
}

wqv2_data::CTask* CRListBase::ClipToPeriod(const TaskOccurrence& occurrence)
{
    if (!ScratchTask || !occurrence.task)
        return nullptr;
    return ClipToPeriod(occurrence, GetDaySpan(occurrence));
}

wqv2_data::CTask* CRListBase::ClipToPeriod(const TaskOccurrence& occurrence, OccurrenceSpan span)
{
    if (!ScratchTask || !occurrence.task)
        return nullptr;
    wqv2_data::CTask* task = occurrence.task;
    ScratchTask->CopyFrom(task);
    ScratchTask->Recurrence = nullptr;
    wqv2_data::CResource* resource = task->GetResource();
    ScratchTask->Owner = resource ? resource->Tasks : nullptr;
    span = ClipSpan(span);
    ScratchTask->DateStart = span.startDay;
    ScratchTask->TimeStart = span.startMinute;
    ScratchTask->DateEnd = span.endDay;
    ScratchTask->TimeEnd = span.endMinute;
    return ScratchTask;
}
