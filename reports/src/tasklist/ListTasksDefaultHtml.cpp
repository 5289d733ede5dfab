// Task list: HTML.
#include "tasklist/ListTasksDefaultHtml.h"

#include "common/ReportSettings.h"
#include "output/HtmlTable.h"
#include "plugin/PluginState.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

namespace {
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kTop = 1;
} // namespace

CRListTasksDefaultHtml::CRListTasksDefaultHtml()
{
    Title = GetSettingText(L"ReportsListTasksDefaultTitle");
}

std::wstring CRListTasksDefaultHtml::GetHeadingBlock()
{
    std::wstring block;
    AddPeriodSubtitle(block, DateStart, DateEnd, TimeStart, TimeEnd);
    if (GetReportFilter() || FilterShowAlways)
        AddFilterSubtitle(block);
    return block;
}

int CRListTasksDefaultHtml::Html(const wchar_t* path)
{
    // No path: nothing is touched, as with every report page.
    if (!path || !*path)
        return 1;
    std::wstring document;
    if (const int result = BeginHtml(document, L""))
        return result;
    document += GetHeadingBlock();
    if (CollectRows() == 0) {
        AddParagraph(document, fw::LoadResString(IDS_REPORT_NOTHING_IN_PERIOD));
    } else {
        CHtmlTableHelper table;
        table.Border = 1;
        table.CellSpacing = 0;
        table.CellPadding = 5;
        HtmlTableRow& heads = table.AddRow();
        heads.Header = true;
        heads.VerticalAlignment = kTop;
        for (int column : Columns)
            heads.AddCell().Text = ColumnHead(column);
        for (const TaskOccurrence& occurrence : Rows) {
            const OccurrenceValues values = AnyValueColumn() ? GetOccurrenceValues(occurrence) : OccurrenceValues{};
            HtmlTableRow& row = table.AddRow();
            row.VerticalAlignment = kTop;
            for (int column : Columns) {
                const bool left = column == kName || column == kResource || column == kNotes;
                row.AddCell(CellText(column, occurrence, values), left ? kLeft : kRight, false);
            }
        }
        if (ShowsSumRow()) {
            HtmlTableRow& row = table.AddRow();
            row.VerticalAlignment = kTop;
            for (const SumRun& run : SumRuns()) {
                if (run.column == -1) {
                    HtmlTableCell& cell = run.marked ? row.AddCell(IDS_LIST_TOTAL, 0, true) : row.AddCell();
                    cell.ColumnSpan = static_cast<int16_t>(run.count);
                } else {
                    row.AddCell(SumText(run.column), kRight, true);
                }
            }
        }
        document += table.GetHtml();
        if (ShowsLimitNote())
            AddParagraph(document, fw::LoadResString(IDS_LIST_LIMITED_FOOTNOTE));
    }
    if (const int result = EndHtml(document))
        return result;
    return WriteHtmlFile(path, document);
}
