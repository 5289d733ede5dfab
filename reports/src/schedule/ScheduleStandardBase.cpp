// Schedule chart: what both outputs share.
#include "schedule/ScheduleStandardBase.h"

#include "common/ReportSettings.h"
#include "plugin/PluginState.h"

CRScheduleStandardBase::CRScheduleStandardBase(const ScheduleOutputSettings& output) : Output(output)
{
    Chart.LoadViewSettings();
    Period = ReadSchedulePeriod();
    Chart.SetPeriod(Period.start, Period.end);
    SkipEmpty = GetBoolSetting(L"ReportsScheduleStandardResourcesSkipEmpty", SkipEmpty);
    FilterShowAlways = GetBoolSetting(L"ReportsFilterShowAlways", FilterShowAlways);
}

bool CRScheduleStandardBase::ShowsFilterCaption() const
{
    return !Output.filterHide && (GetReportFilter() || FilterShowAlways);
}
