// Tasks by resource: HTML.
#include "byresource/ListTasksByResourceHtml.h"

#include "common/ReportSettings.h"
#include "output/HtmlTable.h"
#include "plugin/PluginState.h"

#include "QV2ResVReportIds.h"
#include "SafeFormat.h"
#include "fw/Resources.h"

namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kTop = 1;

// The rule for "qvlentry" stays although the task cells carry "qvlentries": pages styled by
// hand for the one name keep working.
const wchar_t kStyles[] = L"\t.qvlheader { font-weight: bold; padding-left: 5px; padding-right: 5px; }\n"
                          L"\t.qvlsubtitle { font-weight: bold; padding-left: 5px; padding-right: 5px; "
                          L"padding-top: 10px; }\n"
                          L"\t.qvlentry { padding-left: 5px; padding-right: 5px; padding-top: 5px; }\n"
                          L"\t.qvlsum { font-weight: bold; padding: 5px; }\n";

std::wstring NameOf(wqv2_data::CResource* resource)
{
    return resource && resource->Name ? resource->Name : L"";
}

} // namespace

CRListTasksByResourceHtml::CRListTasksByResourceHtml()
{
    Title = GetSettingText(L"ReportsListTasksByResourcesTitle");
}

std::wstring CRListTasksByResourceHtml::ExtraStyles() const
{
    return kStyles + std::wstring(GetSettingText(L"ReportsListHtmlCSSAdd"));
}

std::wstring CRListTasksByResourceHtml::GetHeadingBlock()
{
    std::wstring block;
    AddPeriodSubtitle(block, DateStart, DateEnd, TimeStart, TimeEnd);
    if (GetReportFilter() || FilterShowAlways)
        AddFilterSubtitle(block);
    return block;
}

int CRListTasksByResourceHtml::WriteHtml(const wchar_t* path)
{
    // No path: nothing is touched, as with every report page.
    if (!path || !*path)
        return 1;
    const std::wstring target = path;
    CollectRows();
    if (ResourcesSingle && ResourceRows.size() >= 2) {
        for (size_t i = 0; i < ResourceRows.size(); ++i) {
            std::wstring fileName;
            std::wstring numberedName;
            std::wstring numberedPath;
            NumberedFileName(static_cast<int>(i) + 1, target, fileName, numberedName, numberedPath);
            if (const int result = WritePage(numberedPath, {ResourceRows[i]}, true))
                return result;
        }
        return WriteIndexPage(target);
    }
    return WritePage(target, ResourceRows, false);
}

int CRListTasksByResourceHtml::WritePage(const std::wstring& path, const std::vector<wqv2_data::CResource*>& entries,
                                         bool subPage)
{
    std::wstring document;
    if (const int result = BeginHtml(document, ExtraStyles()))
        return result;
    document += GetHeadingBlock();
    if (subPage && !entries.empty()) {
        wqv2_data::CResource* entry = entries.front();
        AddSubtitle(entry ? msgfmt::Format(fw::LoadResString(IDS_LIST_RESOURCE_HEADING), {NameOf(entry)})
                          : fw::LoadResString(IDS_LIST_TOTAL),
                    document);
    }
    if (entries.empty()) {
        AddParagraph(document, fw::LoadResString(IDS_REPORT_NO_FILTERS));
    } else if (entries.size() == 1 && entries.front() && TasksOf(entries.front()).empty()) {
        AddParagraph(document, fw::LoadResString(IDS_REPORT_NOTHING_IN_PERIOD));
    } else {
        CHtmlTableHelper table;
        table.Border = 0;
        table.CellSpacing = 0;
        table.CellPadding = 5;
        AddTable(table, entries);
        document += table.GetHtml();
        if (ShowsLimitNote())
            AddParagraph(document, fw::LoadResString(IDS_LIST_LIMITED_FOOTNOTE));
    }
    if (const int result = EndHtml(document))
        return result;
    return WriteHtmlFile(path.c_str(), document);
}

void CRListTasksByResourceHtml::AddTable(CHtmlTableHelper& table,
                                         const std::vector<wqv2_data::CResource*>& entries)
{
    const bool grouped = entries.size() >= 2;
    const std::vector<Column> columns = TableColumns(grouped);
    const auto n = static_cast<int16_t>(columns.size());
    auto spanning = [&](HtmlTableRow& row, int16_t span) -> HtmlTableCell& {
        HtmlTableCell& cell = row.AddCell();
        cell.ColumnSpan = span;
        return cell;
    };

    if (grouped) {
        HtmlTableRow& row = table.AddRow();
        row.Class = L"qvlheader";
        row.Header = true;
        HtmlTableCell& cell = spanning(row, n);
        cell.HorizontalAlignment = kLeft;
        cell.TextId = IDS_LIST_COLUMN_RESOURCE;
    }
    HtmlTableRow& heads = table.AddRow();
    heads.VerticalAlignment = kTop;
    heads.Header = true;
    for (Column column : columns) {
        HtmlTableCell& cell = heads.AddCell();
        cell.Class = L"qvlheader";
        cell.Text = ColumnHead(column);
        if (column == kStart || column == kEnd)
            cell.HorizontalAlignment = kRight;
    }
    spanning(table.AddRow(), n).SetRule(2, false);

    for (wqv2_data::CResource* entry : entries) {
        const std::vector<TaskOccurrence>& tasks = TasksOf(entry);
        if (grouped) {
            HtmlTableRow& resourceRow = table.AddRow();
            resourceRow.VerticalAlignment = kTop;
            HtmlTableCell& cell = spanning(resourceRow, n);
            cell.HorizontalAlignment = kLeft;
            cell.Class = L"qvlsubtitle";
            cell.Text = ResourceRowText(entry);
            spanning(table.AddRow(), n).SetRule(1, false);
        }
        for (const TaskOccurrence& occurrence : tasks) {
            const OccurrenceValues values = AnyValueColumn() ? GetOccurrenceValues(occurrence) : OccurrenceValues{};
            HtmlTableRow& row = table.AddRow();
            row.VerticalAlignment = kTop;
            for (Column column : columns) {
                HtmlTableCell& cell = row.AddCell();
                cell.Class = L"qvlentries";
                cell.Text = CellText(column, occurrence, values);
                if (column != kIndent && column != kTask && column != kNotes)
                    cell.HorizontalAlignment = kRight;
            }
        }
        if (HasSumRow(entry)) {
            if (!tasks.empty()) {
                HtmlTableRow& rule = table.AddRow();
                if (grouped)
                    rule.AddCell().Class = L"qvlsum";
                HtmlTableCell& cell = spanning(rule, static_cast<int16_t>(grouped ? n - 1 : n));
                cell.Class = L"qvlsum";
                cell.SetRule(1, false);
            }
            const ResourceSums sums = SumsOf(entry);
            HtmlTableRow& row = table.AddRow();
            row.VerticalAlignment = kTop;
            HtmlTableCell& label = spanning(row, grouped ? 4 : 3);
            label.Class = L"qvlsum";
            label.TextId = IDS_LIST_SUM;
            label.HorizontalAlignment = kRight;
            for (Column column : columns) {
                if (column == kDuration || column == kWorkingTime || column == kCosts) {
                    HtmlTableCell& cell = row.AddCell();
                    cell.Class = L"qvlsum";
                    cell.Text = SumText(column, sums);
                    cell.HorizontalAlignment = kRight;
                } else if (column == kNotes) {
                    row.AddCell().Class = L"qvlsum";
                }
            }
        }
        if (grouped && !tasks.empty())
            table.AddEmptyRow();
    }
}

int CRListTasksByResourceHtml::WriteIndexPage(const std::wstring& path)
{
    std::wstring document;
    if (const int result = BeginHtml(document, L""))
        return result;
    document += GetHeadingBlock();
    CHtmlTableHelper table;
    table.Border = 1;
    table.CellSpacing = 0;
    table.CellPadding = 5;
    HtmlTableRow& head = table.AddRow();
    head.Header = true;
    head.AddCell(IDS_LIST_INDEX_HEADER, 0, false);
    for (size_t i = 0; i < ResourceRows.size(); ++i) {
        wqv2_data::CResource* entry = ResourceRows[i];
        std::wstring fileName;
        std::wstring numberedName;
        std::wstring numberedPath;
        NumberedFileName(static_cast<int>(i) + 1, path, fileName, numberedName, numberedPath);
        HtmlTableCell& cell = entry ? table.AddRow().AddCell(NameOf(entry), 0, false)
                                    : table.AddRow().AddCell(IDS_LIST_INDEX_TOTAL, 0, true);
        cell.Link = numberedName;
    }
    document += table.GetHtml();
    if (const int result = EndHtml(document))
        return result;
    return WriteHtmlFile(path.c_str(), document);
}
