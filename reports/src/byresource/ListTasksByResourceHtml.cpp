// Tasks by resource: HTML.
#include "byresource/ListTasksByResourceHtml.h"

#include "common/ReportSettings.h"
#include "common/ValueTexts.h"
#include "output/HtmlTable.h"
#include "output/HtmlWriter.h"
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
    CHtmlWriter page;
    if (const int result = OpenPage(page, path.c_str()))
        return result;
    std::wstring& out = page.Text();
    if (const int result = BeginHtml(out, ExtraStyles()))
        return result;
    out += GetHeadingBlock();
    if (subPage && !entries.empty()) {
        wqv2_data::CResource* entry = entries.front();
        AddSubtitle(entry ? msgfmt::Format(fw::LoadResString(IDS_LIST_RESOURCE_HEADING), {NameOf(entry)})
                          : fw::LoadResString(IDS_LIST_TOTAL),
                    out);
    }
    if (entries.empty()) {
        AddParagraph(out, fw::LoadResString(IDS_REPORT_NO_FILTERS));
    } else if (entries.size() == 1 && entries.front() && TasksOf(entries.front()).empty()) {
        AddParagraph(out, fw::LoadResString(IDS_REPORT_NOTHING_IN_PERIOD));
    } else {
        WriteTable(page, entries);
        if (ShowsLimitNote())
            AddParagraph(out, fw::LoadResString(IDS_LIST_LIMITED_FOOTNOTE));
    }
    if (const int result = EndHtml(out))
        return result;
    return FinishPage(page, path.c_str());
}

void CRListTasksByResourceHtml::WriteTable(CHtmlWriter& page, const std::vector<wqv2_data::CResource*>& entries)
{
    std::wstring& out = page.Text();
    const bool grouped = entries.size() >= 2;
    const std::vector<Column> columns = TableColumns(grouped);
    const auto n = static_cast<int16_t>(columns.size());
    auto spanning = [&](HtmlTableRow& row, int16_t span) -> HtmlTableCell& {
        HtmlTableCell& cell = row.AddCell();
        cell.ColumnSpan = span;
        return cell;
    };
    CHtmlTableHelper table;
    table.Border = 0;
    table.CellSpacing = 0;
    table.CellPadding = 5;
    table.AppendStart(out);

    if (grouped) {
        HtmlTableRow row;
        row.Class = L"qvlheader";
        row.Header = true;
        HtmlTableCell& cell = spanning(row, n);
        cell.HorizontalAlignment = kLeft;
        cell.TextId = IDS_LIST_COLUMN_RESOURCE;
        row.AppendHtml(out);
    }
    HtmlTableRow heads;
    heads.VerticalAlignment = kTop;
    heads.Header = true;
    for (Column column : columns) {
        HtmlTableCell& cell = heads.AddCell();
        cell.Class = L"qvlheader";
        cell.Text = ColumnHead(column);
        if (column == kStart || column == kEnd)
            cell.HorizontalAlignment = kRight;
    }
    heads.AppendHtml(out);
    HtmlTableRow headRule;
    spanning(headRule, n).SetRule(2, false);
    headRule.AppendHtml(out);
    page.Commit();

    // The rows that repeat are laid out once: the task rows' start and cells, the resource rule
    // and the rule above a sum.
    HtmlTableRow topRow;
    topRow.VerticalAlignment = kTop;
    std::vector<HtmlTableCell> cells;
    for (Column column : columns) {
        HtmlTableCell& cell = cells.emplace_back();
        cell.Class = L"qvlentries";
        if (column != kIndent && column != kTask && column != kNotes)
            cell.HorizontalAlignment = kRight;
    }
    const CHtmlRowMarkup taskRow(topRow, cells);
    HtmlTableRow resourceRule;
    spanning(resourceRule, n).SetRule(1, false);
    const std::wstring resourceRuleHtml = resourceRule.GetHtml();
    HtmlTableRow sumRule;
    if (grouped)
        sumRule.AddCell().Class = L"qvlsum";
    HtmlTableCell& sumRuleCell = spanning(sumRule, static_cast<int16_t>(grouped ? n - 1 : n));
    sumRuleCell.Class = L"qvlsum";
    sumRuleCell.SetRule(1, false);
    const std::wstring sumRuleHtml = sumRule.GetHtml();
    HtmlTableRow emptyRow;
    HtmlTableCell& blank = emptyRow.AddCell();
    blank.Text = L" ";
    blank.BlanksNonBreaking = true;
    const std::wstring emptyRowHtml = emptyRow.GetHtml();

    CValueTexts texts;
    for (wqv2_data::CResource* entry : entries) {
        const std::span<const TaskOccurrence> tasks = TasksOf(entry);
        if (grouped) {
            HtmlTableRow resourceRow;
            resourceRow.VerticalAlignment = kTop;
            HtmlTableCell& cell = spanning(resourceRow, n);
            cell.HorizontalAlignment = kLeft;
            cell.Class = L"qvlsubtitle";
            cell.Text = ResourceRowText(entry);
            resourceRow.AppendHtml(out);
            out += resourceRuleHtml;
            page.Commit();
        }
        // The task rows go to the page straight; the data's texts are escaped as they are read.
        CPageText& rows = page.Direct();
        for (size_t t = 0; t < tasks.size(); ++t) {
            PrefetchRows(tasks.data(), t, tasks.size());
            const OccurrenceFacts fact = FactsOf(tasks[t]);
            for (size_t i = 0; i < columns.size(); ++i) {
                if (const wchar_t* text = DataText(columns[i], tasks[t]))
                    taskRow.AppendCell(rows, i, text);
                else
                    taskRow.AppendCell(rows, i, CellText(columns[i], tasks[t], fact.daySpan, fact.values, texts));
            }
            taskRow.AppendEnd(rows);
            // A page whose write failed is lost: the rows left are not worth making.
            if (!page.Commit())
                return;
        }
        if (HasSumRow(entry)) {
            if (!tasks.empty())
                out += sumRuleHtml;
            const ResourceSums sums = SumsOf(entry);
            HtmlTableRow row;
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
            row.AppendHtml(out);
        }
        if (grouped && !tasks.empty())
            out += emptyRowHtml;
        page.Commit();
    }
    CHtmlTableHelper::AppendEnd(out);
    page.Commit();
}

int CRListTasksByResourceHtml::WriteIndexPage(const std::wstring& path)
{
    CHtmlWriter page;
    if (const int result = OpenPage(page, path.c_str()))
        return result;
    std::wstring& out = page.Text();
    if (const int result = BeginHtml(out, L""))
        return result;
    out += GetHeadingBlock();
    CHtmlTableHelper table;
    table.Border = 1;
    table.CellSpacing = 0;
    table.CellPadding = 5;
    table.AppendStart(out);
    HtmlTableRow head;
    head.Header = true;
    head.AddCell(IDS_LIST_INDEX_HEADER, 0, false);
    head.AppendHtml(out);
    page.Commit();
    for (size_t i = 0; i < ResourceRows.size(); ++i) {
        wqv2_data::CResource* entry = ResourceRows[i];
        std::wstring fileName;
        std::wstring numberedName;
        std::wstring numberedPath;
        NumberedFileName(static_cast<int>(i) + 1, path, fileName, numberedName, numberedPath);
        HtmlTableRow row;
        HtmlTableCell& cell = entry ? row.AddCell(NameOf(entry), 0, false) : row.AddCell(IDS_LIST_INDEX_TOTAL, 0, true);
        cell.Link = numberedName;
        row.AppendHtml(out);
        page.Commit();
    }
    CHtmlTableHelper::AppendEnd(out);
    if (const int result = EndHtml(out))
        return result;
    return FinishPage(page, path.c_str());
}
