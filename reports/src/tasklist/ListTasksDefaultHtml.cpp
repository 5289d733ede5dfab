// Task list: HTML.
#include "tasklist/ListTasksDefaultHtml.h"

#include "common/ReportSettings.h"
#include "common/ValueTexts.h"
#include "output/HtmlTable.h"
#include "output/HtmlWriter.h"
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
    CHtmlWriter page;
    if (const int result = OpenPage(page, path))
        return result;
    std::wstring& out = page.Text();
    if (const int result = BeginHtml(out, L""))
        return result;
    out += GetHeadingBlock();
    page.Commit();
    // The sums are added up as the rows are written, in the order CollectRows adds them, so
    // each occurrence's values are worked out once.
    Rows.clear();
    CollectTasks(Rows, nullptr, nullptr, nullptr);
    DurationSum = 0;
    WorkingTimeSum = 0;
    CostsSum = 0.0;
    if (Rows.empty()) {
        AddParagraph(out, fw::LoadResString(IDS_REPORT_NOTHING_IN_PERIOD));
    } else {
        WriteTable(page);
        if (ShowsLimitNote())
            AddParagraph(out, fw::LoadResString(IDS_LIST_LIMITED_FOOTNOTE));
    }
    if (const int result = EndHtml(out))
        return result;
    return FinishPage(page, path);
}

void CRListTasksDefaultHtml::WriteTable(CHtmlWriter& page)
{
    std::wstring& out = page.Text();
    CHtmlTableHelper table;
    table.Border = 1;
    table.CellSpacing = 0;
    table.CellPadding = 5;
    table.AppendStart(out);
    HtmlTableRow heads;
    heads.Header = true;
    heads.VerticalAlignment = kTop;
    for (int column : Columns)
        heads.AddCell().Text = ColumnHead(column);
    heads.AppendHtml(out);
    page.Commit();

    // Every row has the same layout: its markup between two texts is made once.
    HtmlTableRow model;
    model.VerticalAlignment = kTop;
    std::vector<HtmlTableCell> cells;
    for (int column : Columns) {
        HtmlTableCell& cell = cells.emplace_back();
        cell.HorizontalAlignment = column == kName || column == kResource || column == kNotes ? kLeft : kRight;
    }
    const CHtmlRowMarkup markup(model, cells);
    CValueTexts texts;
    // The rows go to the page straight; the data's texts are escaped as they are read.
    CPageText& rows = page.Direct();
    for (size_t r = 0; r < Rows.size(); ++r) {
        PrefetchRows(Rows.data(), r, Rows.size());
        const TaskOccurrence& occurrence = Rows[r];
        const OccurrenceSpan span = GetDaySpan(occurrence);
        const OccurrenceValues values = CountRow(occurrence, span);
        for (size_t i = 0; i < Columns.size(); ++i) {
            if (const wchar_t* text = DataText(Columns[i], occurrence))
                markup.AppendCell(rows, i, text);
            else
                markup.AppendCell(rows, i, CellText(Columns[i], occurrence, span, values, texts));
        }
        markup.AppendEnd(rows);
        // A page whose write failed is lost: the rows left are not worth making.
        if (!page.Commit())
            return;
    }

    if (ShowsSumRow()) {
        HtmlTableRow row;
        row.VerticalAlignment = kTop;
        for (const SumRun& run : SumRuns()) {
            if (run.column == -1) {
                HtmlTableCell& cell = run.marked ? row.AddCell(IDS_LIST_TOTAL, 0, true) : row.AddCell();
                cell.ColumnSpan = static_cast<int16_t>(run.count);
            } else {
                row.AddCell(SumText(run.column), kRight, true);
            }
        }
        row.AppendHtml(out);
    }
    CHtmlTableHelper::AppendEnd(out);
    page.Commit();
}
