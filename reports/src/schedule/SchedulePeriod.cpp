// Schedule chart: the period of a run.
#include "schedule/SchedulePeriod.h"

#include "common/ReportSettings.h"
#include "plugin/PluginState.h"

#include "wqv2_data.h"

namespace {

// A hand-edited time setting outside the day still names a moment of its day.
int DayMinute(int minute)
{
    const int r = minute % 1440;
    return r < 0 ? r + 1440 : r;
}

TDateTime StartOfDay(TDate day)
{
    return TDateTime(day, 0, false);
}

TDateTime StartOfNextDay(TDate day)
{
    ++day;
    return TDateTime(day, 0, false);
}

} // namespace

SchedulePeriod ReadSchedulePeriod()
{
    SchedulePeriod period;
    const TDate today;
    const TDate first = TDate::FromYMD(today.GetMonth(), today.GetYear(), 1);
    period.start = StartOfDay(first);
    period.end = StartOfNextDay(TDate::LastDayOfMonth(today.GetYear(), today.GetMonth()));

    period.kind = GetIntSetting(L"ReportsScheduleStandardPeriod", period.kind);
    switch (period.kind) {
    case 0:
        if (wqv2_data::CData* root = GetDataRoot(); root && root->ProjectSettings) {
            period.start = StartOfDay(root->ProjectSettings->DateStart);
            period.end = StartOfNextDay(root->ProjectSettings->DateEnd);
        }
        break;
    case 1: {
        const TDate startDay = GetDateSetting(L"ReportsScheduleStandardCurrentViewDateStart", period.start.date);
        const int startMinute = GetIntSetting(L"ReportsScheduleStandardCurrentViewTimeStart", period.start.time.minutes);
        const TDate endDay = GetDateSetting(L"ReportsScheduleStandardCurrentViewDateEnd", period.end.date);
        const int endMinute = GetIntSetting(L"ReportsScheduleStandardCurrentViewTimeEnd", period.end.time.minutes);
        period.start = TDateTime(startDay, DayMinute(startMinute), false);
        period.end = TDateTime(endDay, DayMinute(endMinute), false);
        break;
    }
    case 2:
        period.start = StartOfDay(GetDateSetting(L"ReportsScheduleStandardStart", period.start.date));
        period.end = StartOfNextDay(GetDateSetting(L"ReportsScheduleStandardEnd", period.end.date - 1));
        break;
    default:
        break;
    }
    return period;
}
