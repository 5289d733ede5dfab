// Schedule chart: printed pages.
#include "schedule/ScheduleStandardPrint.h"

#include "chart/PrintChartSurface.h"
#include "common/ReportSettings.h"

#include <algorithm>

CRScheduleStandardPrint::CRScheduleStandardPrint() : Report(ReadPrinterOutputSettings())
{
    ReadTextSetting(L"ReportsScheduleStandardTitle", Title);
    FullPage = GetBoolSetting(L"ReportsScheduleStandardPrinterFullPage", FullPage);
    FullPageDistance = GetIntSetting(L"ReportsScheduleStandardPrinterFullPageDistance", FullPageDistance);
}

int CRScheduleStandardPrint::GetCaptionLines(std::vector<std::wstring>& labels, std::vector<std::wstring>& values)
{
    if (!Report.ShowsFilterCaption())
        return 0;
    return AddFilterCaption(labels, values, true);
}

int CRScheduleStandardPrint::PrintBody(CRKPrintEngine2* engine)
{
    std::vector<std::wstring> labels;
    std::vector<std::wstring> values;
    const int captions = GetCaptionLines(labels, values);
    ChartTop = BodyTop + (captions > 0 ? CRPrintBase::CaptionHeight(engine, captions) : 0);

    CPrintChartSurface surface(engine, PenStandard, PenThick);
    CScheduleChart& chart = Report.Chart;
    chart.Layout(surface, Report.Output.sizes);
    chart.BuildRows(Report.SkipEmpty);

    ChartPageGeometry geometry;
    geometry.usableWidth = PrintableWidth;
    geometry.nameColumnWidth = chart.GetNameColumnWidth();
    geometry.columnWidth = chart.GetColumnWidth();
    geometry.columnCount = chart.GetColumnCount();
    geometry.chartTop = ChartTop;
    geometry.bodyBottom = BodyBottom;
    geometry.timeBarHeight = chart.GetTimeBarHeight();
    geometry.rowHeight = chart.GetRowHeight();
    geometry.rowCount = chart.GetRowCount();
    geometry.fullPage = FullPage;
    geometry.fullPageDistance = FullPageDistance;
    Pieces = ComputeChartPages(geometry);

    int pages = 1;
    for (const ChartPageRecord& record : Pieces)
        pages = std::max(pages, record.page + 1);
    while (engine->GetPageCount() < pages) {
        // A fine scale over a long period makes thousands of strips, more pages than memory
        // holds: asked again, the engine would add none for ever.
        if (const int result = NewPage(engine))
            return result;
    }
    // A resource whose rows go on over a page break shows its name again on the next page.
    surface.FirstRowTop = ChartTop + geometry.timeBarHeight;
    for (const ChartPageRecord& record : Pieces) {
        engine->CurrentPage = record.page + 1;
        ChartPiece piece;
        piece.firstColumn = record.firstColumn;
        piece.columnCount = record.columnCount;
        piece.firstRow = record.firstRow;
        piece.rowCount = record.rowCount;
        piece.top = record.top;
        piece.withTimeBar = true;
        piece.frame = ChartPiece::kPageFrame;
        chart.DrawPiece(surface, piece);
    }
    if (captions > 0)
        DrawCaptions(FontSizeStandard, engine, 1, engine->GetPageCount(), labels, values, false, false);
    return 0;
}
