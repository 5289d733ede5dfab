// The seven reports in the order the host lists them.
#include "plugin/ReportRegistry.h"

#include "byresource/ListTasksByResourceReport.h"
#include "calendars/CalendarsReport.h"
#include "filters/FiltersReport.h"
#include "holidays/HolidaysReport.h"
#include "resources/ResourcesReport.h"
#include "schedule/ScheduleStandardReport.h"
#include "tasklist/ListTasksDefaultReport.h"

const std::vector<const ReportDefinition*>& ReportDefinitions()
{
    static const std::vector<const ReportDefinition*> reports{
        &HolidaysReport(),  &ResourcesReport(),       &FiltersReport(), &CalendarsReport(),
        &TaskListReport(), &TasksByResourceReport(), &ScheduleReport()};
    return reports;
}
