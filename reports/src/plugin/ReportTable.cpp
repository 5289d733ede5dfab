// The seven reports in the order the host lists them. A report that has no outputs yet is
// registered with its name, group, orientation and settings, and null output callbacks, so the
// host shows it nowhere until its module supplies them.
#include "plugin/ReportRegistry.h"

#include "byresource/ListTasksByResourceReport.h"
#include "calendars/CalendarsReport.h"
#include "filters/FiltersReport.h"
#include "holidays/HolidaysReport.h"
#include "resources/ResourcesReport.h"
#include "tasklist/ListTasksDefaultReport.h"

#include "QV2ResVReportIds.h"

namespace {

int QV2_CALL ScheduleOrientation()
{
    return GetReportOrientation(L"ReportsScheduleStandard", 1);
}

const ReportDefinition kSchedule{IDS_REPORT_SCHEDULE, L"ReportsScheduleStandard", 1, true, nullptr, nullptr, nullptr,
                                 &ScheduleOrientation, nullptr, nullptr};

} // namespace

const std::vector<const ReportDefinition*>& ReportDefinitions()
{
    static const std::vector<const ReportDefinition*> reports{
        &HolidaysReport(),  &ResourcesReport(),       &FiltersReport(), &CalendarsReport(),
        &TaskListReport(), &TasksByResourceReport(), &kSchedule};
    return reports;
}
