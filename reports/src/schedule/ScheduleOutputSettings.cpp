// Schedule chart: per-output sizes.
#include "schedule/ScheduleOutputSettings.h"

#include "common/ReportSettings.h"

#include <string>

namespace {

ScheduleOutputSettings ReadOutputSettings(const std::wstring& prefix, const ChartSizes& defaults)
{
    ScheduleOutputSettings s{defaults, false};
    auto readInt = [&](const wchar_t* key, int& value) { value = GetIntSetting((prefix + key).c_str(), value); };
    readInt(L"ScaleWidth", s.sizes.scaleWidth);
    readInt(L"ScaleHeight", s.sizes.scaleHeight);
    readInt(L"FontHeightTimeBar", s.sizes.timeBarFontHeight);
    readInt(L"ColumnWidth", s.sizes.columnWidth);
    readInt(L"ColumnWidthMin", s.sizes.columnWidthMin);
    readInt(L"NameColumnWidth", s.sizes.nameColumnWidth);
    readInt(L"FontHeightLabel", s.sizes.labelFontHeight);
    readInt(L"IndentLabel", s.sizes.labelIndent);
    readInt(L"FontHeightTask", s.sizes.taskFontHeight);
    readInt(L"IndentTask", s.sizes.taskIndent);
    readInt(L"TaskWidthMin", s.sizes.taskWidthMin);
    s.filterHide = GetBoolSetting((prefix + L"FilterHide").c_str(), s.filterHide);
    return s;
}

} // namespace

ScheduleOutputSettings ReadPrinterOutputSettings()
{
    return ReadOutputSettings(L"ReportsScheduleStandardPrinter", ChartSizes::Print());
}

ScheduleOutputSettings ReadHtmlOutputSettings()
{
    return ReadOutputSettings(L"ReportsScheduleStandardHtml", ChartSizes::Html());
}
