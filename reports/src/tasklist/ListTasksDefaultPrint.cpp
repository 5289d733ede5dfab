// Task list: printed pages.
#include "tasklist/ListTasksDefaultPrint.h"

#include "common/ReportSettings.h"
#include "common/ValueTexts.h"
#include "output/PrintTable.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

namespace {
constexpr int kLeftSide = 0;
constexpr int kRightSide = 2;
constexpr int kBottomSide = 3;
constexpr int kTopLeft = 0;
constexpr int kTopRight = 2;
constexpr int kMiddleLeft = 3;
constexpr int kMiddleRight = 5;
} // namespace

CRListTasksDefaultPrint::CRListTasksDefaultPrint()
{
    Title = GetSettingText(L"ReportsListTasksDefaultTitle");
}

int CRListTasksDefaultPrint::GetCaptionLines(std::vector<std::wstring>& labels, std::vector<std::wstring>& values)
{
    return AddPeriodCaption(labels, values, DateStart, DateEnd, TimeStart, TimeEnd) +
           AddFilterCaption(labels, values, FilterShowAlways);
}

std::vector<double> CRListTasksDefaultPrint::ColumnWeights() const
{
    std::vector<double> weights{2.0, 1.5, 1.25, 1.25};
    for (bool on : {ColumnsDuration, ColumnsWorkingTime, ColumnsCosts}) {
        if (on)
            weights.push_back(1.0);
    }
    if (ColumnsNotes)
        weights.push_back(2.0);
    return weights;
}

int CRListTasksDefaultPrint::PrintBody(CRKPrintEngine2* engine)
{
    const int firstPage = engine->CurrentPage;
    std::vector<std::wstring> labels;
    std::vector<std::wstring> values;
    GetCaptionLines(labels, values);
    const int top = BodyTop + CaptionHeight(engine);
    if (CollectRows() == 0) {
        engine->SetFont(FontSizeStandard, false, kMiddleLeft, 0, false, false);
        engine->DrawText(fw::LoadResString(IDS_REPORT_NOTHING_IN_PERIOD).c_str(), 0, top);
    } else {
        if (const int result = PrintTable(engine, top))
            return result;
        if (ShowsLimitNote())
            DrawFootnote(fw::LoadResString(IDS_LIST_LIMITED_FOOTNOTE), engine);
    }
    DrawCaptions(FontSizeStandard, engine, firstPage, engine->CurrentPage, labels, values, false, true);
    return 0;
}

int CRListTasksDefaultPrint::PrintTable(CRKPrintEngine2* engine, int top)
{
    int bottom = BodyBottom;
    // Room for the footnote under the table on every page.
    if (ShowsLimitNote())
        bottom -= LineHeight(engine, FootnoteFontSize, false) * FootnoteStretch / 100;
    print_table_helper::CTable table(engine);
    for (double weight : ColumnWeights())
        table.AddColumn(weight);
    const int width = table.ScaleWidths(PrintableWidth);
    table.BeginTable(0, top, width, bottom, top);
    const int n = static_cast<int>(Columns.size());

    const print_table_helper::PrintTableSection head = table.Section(0);
    const print_table_helper::PrintTableRow heads = head.AppendRow();
    for (int c = 0; c < n; ++c) {
        const int column = Columns[static_cast<size_t>(c)];
        heads.Cell(c).SetText(ColumnHead(column));
        if (column == kStart || column == kEnd)
            heads.Cell(c).SetAlignment(kMiddleRight);
    }
    heads.SetBorder(kBottomSide, PenThick);
    head.SetFont(TableFontSize, true);

    const print_table_helper::PrintTableSection body = table.Section(1);
    CValueTexts texts;
    for (const TaskOccurrence& occurrence : Rows) {
        const OccurrenceSpan span = GetDaySpan(occurrence);
        const OccurrenceValues values = AnyValueColumn() ? GetOccurrenceValues(occurrence, span) : OccurrenceValues{};
        const print_table_helper::PrintTableRow row = body.AppendRow();
        row.SetFont(TableFontSize, false);
        for (int c = 0; c < n; ++c) {
            const int column = Columns[static_cast<size_t>(c)];
            row.Cell(c).SetText(std::wstring(CellText(column, occurrence, span, values, texts)));
            const bool left = column == kName || column == kResource || column == kNotes;
            row.Cell(c).SetAlignment(left ? kTopLeft : kTopRight);
        }
    }
    if (ShowsSumRow()) {
        const print_table_helper::PrintTableRow row = body.AppendRow();
        row.SetSumStyle(TableFontSize, PenStandard);
        // Each stretch becomes one merged cell; cell i of the row is run i after the merges.
        int cell = 0;
        for (const SumRun& run : SumRuns()) {
            row.MergeCells(cell, run.count);
            if (run.column == -1) {
                if (run.marked)
                    row.Cell(cell).SetText(fw::LoadResString(IDS_LIST_TOTAL));
            } else {
                row.Cell(cell).SetText(SumText(run.column));
                row.Cell(cell).SetAlignment(kTopRight);
            }
            ++cell;
        }
    }
    table.SetPaddingAll(kLeftSide, TableGridIndent);
    table.SetPaddingAll(kRightSide, TableGridIndent);
    return LayOutTable(table);
}
