// Schedule chart: the registered callbacks. No exception leaves a callback: the export runs
// inside the same catch-all as the others.
#include "schedule/ScheduleStandardReport.h"

#include "byresource/ListTasksByResourceExport.h"
#include "plugin/ReportCallbacks.h"
#include "schedule/SchedulePeriod.h"
#include "schedule/ScheduleStandardDlg.h"
#include "schedule/ScheduleStandardHtml.h"
#include "schedule/ScheduleStandardPrint.h"

#include "QV2ResVReportIds.h"

namespace {

// The chart's export is the tasks-by-resource list of the chart's period: its own settings
// choose the resources and whether values are cut to the period; everything that would not
// match the chart (value columns, sums, single resources, skipped resources, days only) is off.
int QV2_CALL Export(const wchar_t* path)
{
    return RunGuarded([&] {
        CRListTasksByResourceExport report;
        const SchedulePeriod period = ReadSchedulePeriod();
        report.DateStart = period.start.date;
        report.TimeStart = period.start.time.minutes;
        report.DateEnd = period.end.date;
        report.TimeEnd = period.end.time.minutes;
        report.ColumnsDuration = false;
        report.ColumnsWorkingTime = false;
        report.ColumnsCosts = false;
        report.ColumnsFormat = false;
        report.ColumnsUDF = false;
        report.ColumnsNotes = false;
        report.SumTotal = false;
        report.SumResource = false;
        report.ResourcesSingle = false;
        report.ResourcesSkipEmpty = false;
        report.DateOnly = false;
        report.WeekdayMode = 0;
        return report.ExportTable(path);
    }, path);
}

int QV2_CALL Orientation()
{
    return GetReportOrientation(L"ReportsScheduleStandard", 1);
}

// The settings file is read and written in two orders: the printer keys differ.
const wchar_t* const kLoadKeys[] = {L"ReportsScheduleStandardTitle",
                                    L"ReportsScheduleStandardTitleEmpty",
                                    L"ReportsScheduleStandardPeriod",
                                    L"ReportsScheduleStandardResourcesSkipEmpty",
                                    L"ReportsScheduleStandardPrinterScaleWidth",
                                    L"ReportsScheduleStandardPrinterScaleHeight",
                                    L"ReportsScheduleStandardPrinterOrientation",
                                    L"ReportsScheduleStandardPrinterNameColumnWidth",
                                    L"ReportsScheduleStandardPrinterFullPage",
                                    L"ReportsScheduleStandardHtmlNameColumnWidth",
                                    nullptr};
const wchar_t* const kSaveKeys[] = {L"ReportsScheduleStandardTitle",
                                    L"ReportsScheduleStandardTitleEmpty",
                                    L"ReportsScheduleStandardPeriod",
                                    L"ReportsScheduleStandardResourcesSkipEmpty",
                                    L"ReportsScheduleStandardPrinterOrientation",
                                    L"ReportsScheduleStandardPrinterScaleWidth",
                                    L"ReportsScheduleStandardPrinterScaleHeight",
                                    L"ReportsScheduleStandardPrinterNameColumnWidth",
                                    L"ReportsScheduleStandardPrinterFullPage",
                                    L"ReportsScheduleStandardHtmlNameColumnWidth",
                                    nullptr};

const ReportDefinition kSchedule{IDS_REPORT_SCHEDULE, L"ReportsScheduleStandard", 1, true,
                                 &PrintCallback<CRScheduleStandardPrint>,
                                 &Export,
                                 &FileCallback<CRScheduleStandardHtml, &CRScheduleStandardHtml::Html>,
                                 &Orientation,
                                 &PageCallback<CRScheduleStandardDlg, IDS_SCHEDULE_PAGE_CATEGORY, IDS_SCHEDULE_PAGE_TITLE>,
                                 nullptr, kLoadKeys, kSaveKeys};

} // namespace

const ReportDefinition& ScheduleReport()
{
    return kSchedule;
}
