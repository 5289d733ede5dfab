// Tasks by resource: printed pages.
#include "byresource/ListTasksByResourcePrint.h"

#include "common/ReportSettings.h"
#include "common/ValueTexts.h"
#include "output/PrintTable.h"
#include "plugin/PluginState.h"

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

double WeightOf(CRListTasksByResourceBase::Column column)
{
    switch (column) {
    case CRListTasksByResourceBase::kIndent:
        return 0.25;
    case CRListTasksByResourceBase::kTask:
        return 1.8;
    case CRListTasksByResourceBase::kStart:
    case CRListTasksByResourceBase::kEnd:
        return 1.35;
    case CRListTasksByResourceBase::kNotes:
        return 2.0;
    default:
        return 1.0;
    }
}

} // namespace

CRListTasksByResourcePrint::CRListTasksByResourcePrint()
{
    Title = GetSettingText(L"ReportsListTasksByResourcesTitle");
}

int CRListTasksByResourcePrint::GetCaptionLines(std::vector<std::wstring>& labels, std::vector<std::wstring>& values)
{
    return GetHeaderInfo(labels, values, m_section);
}

int CRListTasksByResourcePrint::GetHeaderInfo(std::vector<std::wstring>& labels, std::vector<std::wstring>& values,
                                              const std::vector<wqv2_data::CResource*>& section) const
{
    int lines = AddPeriodCaption(labels, values, DateStart, DateEnd, TimeStart, TimeEnd);
    lines += AddFilterCaption(labels, values, FilterShowAlways);
    if (section.size() == 1) {
        wqv2_data::CResource* entry = section.front();
        labels.push_back(entry ? fw::LoadResString(IDS_LIST_RESOURCE_LABEL) : std::wstring());
        values.push_back(entry ? std::wstring(entry->Name ? entry->Name : L"") : fw::LoadResString(IDS_LIST_TOTAL));
        ++lines;
    }
    return lines;
}

int CRListTasksByResourcePrint::PrintBody(CRKPrintEngine2* engine)
{
    CollectRows();
    if (ResourcesSingle && ResourceRows.size() >= 2) {
        for (size_t i = 0; i < ResourceRows.size(); ++i) {
            // Every resource starts on a page of its own.
            if (i > 0) {
                if (const int result = NewPage(engine))
                    return result;
            }
            if (const int result = PrintSection(engine, {ResourceRows[i]}))
                return result;
        }
        return 0;
    }
    return PrintSection(engine, ResourceRows);
}

int CRListTasksByResourcePrint::PrintSection(CRKPrintEngine2* engine, const std::vector<wqv2_data::CResource*>& entries)
{
    m_section = entries;
    const int firstPage = engine->CurrentPage;
    std::vector<std::wstring> labels;
    std::vector<std::wstring> values;
    const int lines = GetCaptionLines(labels, values);
    const int top = BodyTop + CaptionHeight(engine, lines);
    engine->SetFont(FontSizeStandard, false, kMiddleLeft, 0, false, false);
    if (entries.empty()) {
        engine->DrawText(fw::LoadResString(IDS_REPORT_NO_FILTERS).c_str(), 0, top);
    } else if (entries.size() == 1 && entries.front() && TasksOf(entries.front()).empty()) {
        engine->DrawText(fw::LoadResString(IDS_REPORT_NOTHING_IN_PERIOD).c_str(), 0, top);
    } else {
        if (const int result = PrintTable(engine, entries, top))
            return result;
        if (ShowsLimitNote())
            DrawFootnote(fw::LoadResString(IDS_LIST_LIMITED_FOOTNOTE), engine);
    }
    DrawCaptions(FontSizeStandard, engine, firstPage, engine->CurrentPage, labels, values, false, true);
    return 0;
}

int CRListTasksByResourcePrint::PrintTable(CRKPrintEngine2* engine, const std::vector<wqv2_data::CResource*>& entries,
                                            int top)
{
    const bool grouped = entries.size() >= 2;
    const std::vector<Column> columns = TableColumns(grouped);
    const int n = static_cast<int>(columns.size());
    int bottom = BodyBottom;
    // Room for the footnote under the table on every page.
    if (ShowsLimitNote())
        bottom -= LineHeight(engine, FootnoteFontSize, false) * FootnoteStretch / 100;

    print_table_helper::CTable table(engine);
    for (Column column : columns)
        table.AddColumn(WeightOf(column));
    const int width = table.ScaleWidths(PrintableWidth);
    table.BeginTable(0, top, width, bottom, top);

    const print_table_helper::PrintTableSection head = table.Section(0);
    if (grouped) {
        const print_table_helper::PrintTableRow row = head.AppendRow();
        row.MergeCells(0, n);
        row.Cell(0).SetText(fw::LoadResString(IDS_LIST_COLUMN_RESOURCE));
    }
    const print_table_helper::PrintTableRow heads = head.AppendRow();
    for (int c = 0; c < n; ++c) {
        heads.Cell(c).SetText(ColumnHead(columns[static_cast<size_t>(c)]));
        if (columns[static_cast<size_t>(c)] == kStart || columns[static_cast<size_t>(c)] == kEnd)
            heads.Cell(c).SetAlignment(kMiddleRight);
        else if (IsValueColumn(columns[static_cast<size_t>(c)]))
            heads.Cell(c).SetAlignment(kTopRight);
    }
    heads.SetBorder(kBottomSide, PenThick);
    head.SetFont(TableFontSize, true);

    const print_table_helper::PrintTableSection body = table.Section(1);
    const print_table_helper::PrintTableSection continuation = table.Section(2);
    const std::wstring continued = fw::LoadResString(IDS_REPORT_CONTINUED);
    const int labelSpan = grouped ? 4 : 3;
    int nextBodyRow = 0;
    CValueTexts texts;
    for (wqv2_data::CResource* entry : entries) {
        const std::span<const TaskOccurrence> tasks = TasksOf(entry);
        const std::wstring resourceText = ResourceRowText(entry);
        if (grouped) {
            const print_table_helper::PrintTableRow row = body.AppendRow();
            row.MergeCells(0, n);
            row.Cell(0).SetText(resourceText);
            row.Cell(0).SetAlignment(kMiddleLeft);
            row.SetFont(TableFontSize, true);
            row.SetBorder(kBottomSide, PenStandard);
            row.SetSpaceAbove(TableSubtitleSpaceBefore);
            row.SetSpaceBelow(TableSubtitleSpaceAfter);
            row.SetKeepWithNext(false);
            nextBodyRow = row.row + 1;
        }
        const int firstRow = nextBodyRow;
        for (size_t t = 0; t < tasks.size(); ++t) {
            const OccurrenceFacts fact = FactsOf(tasks[t]);
            const print_table_helper::PrintTableRow row = body.AppendRow();
            row.SetFont(TableFontSize, false);
            for (int c = 0; c < n; ++c) {
                const Column column = columns[static_cast<size_t>(c)];
                row.Cell(c).SetText(std::wstring(CellText(column, tasks[t], fact.daySpan, fact.values, texts)));
                row.Cell(c).SetAlignment(column == kTask || column == kNotes || column == kIndent ? kTopLeft : kTopRight);
            }
            nextBodyRow = row.row + 1;
        }
        if (HasSumRow(entry)) {
            const ResourceSums sums = SumsOf(entry);
            const print_table_helper::PrintTableRow row = body.AppendRow();
            row.MergeCells(0, labelSpan);
            row.SetFont(TableFontSize, true);
            row.Cell(0).SetText(fw::LoadResString(IDS_LIST_SUM));
            row.Cell(0).SetAlignment(kTopRight);
            // After the merge, the cell of column c is c - labelSpan + 1.
            for (int c = labelSpan; c < n; ++c) {
                const print_table_helper::PrintTableCell cell = row.Cell(c - labelSpan + 1);
                cell.SetText(SumText(columns[static_cast<size_t>(c)], sums));
                cell.SetAlignment(kTopRight);
            }
            nextBodyRow = row.row + 1;
        }
        const int lastRow = nextBodyRow - 1;
        // A group that goes on over a page break is named again at the top of the next page.
        if (grouped && lastRow > firstRow) {
            const print_table_helper::PrintTableRow row = continuation.AppendRow();
            row.MergeCells(0, n);
            row.Cell(0).SetText(resourceText + continued);
            row.Cell(0).SetAlignment(kMiddleLeft);
            row.SetFont(TableFontSize, true);
            engine->SetContinuationRowRange(row.row, firstRow, lastRow);
        }
    }
    table.SetPaddingAll(kLeftSide, TableGridIndent);
    table.SetPaddingAll(kRightSide, TableGridIndent);
    return LayOutTable(table);
}
