// Filters report: HTML.
#include "filters/FiltersHtml.h"

#include "common/ReportSettings.h"
#include "output/HtmlTable.h"
#include "output/HtmlWriter.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

CRFiltersHtml::CRFiltersHtml()
{
    ResourcesListAll = GetBoolSetting(L"ReportsFiltersResourcesListAll", false);
    Title = GetSettingText(L"ReportsFiltersTitle");
}

int CRFiltersHtml::Html(const wchar_t* path)
{
    CHtmlWriter page;
    if (const int result = OpenPage(page, path))
        return result;
    std::wstring& out = page.Text();
    if (const int result = BeginHtml(out, L""))
        return result;
    const std::vector<wqv2_data::CFilter*> filters = GetFilters();
    if (filters.empty()) {
        AddParagraph(out, fw::LoadResString(IDS_REPORT_NO_FILTERS));
    } else {
        CHtmlTableHelper table;
        table.Border = 1;
        table.CellSpacing = 0;
        table.CellPadding = 5;
        table.AppendStart(out);
        HtmlTableRow groups;
        groups.Header = true;
        groups.AddCell(IDS_FILTERS_COLUMN_NAME, 1, false).RowSpan = 2;
        groups.AddCell(IDS_FILTERS_COLUMN_RESOURCES, 1, false).RowSpan = 2;
        groups.AddCell(IDS_FILTERS_GROUP_RESOURCE, 3, false).ColumnSpan = 2;
        groups.AddCell(IDS_FILTERS_GROUP_TASK, 3, false).ColumnSpan = 2;
        groups.AppendHtml(out);
        HtmlTableRow parts;
        parts.Header = true;
        for (int id : {IDS_FILTERS_COLUMN_NAME_PART, IDS_FILTERS_COLUMN_NOTE_PART, IDS_FILTERS_COLUMN_NAME_PART,
                       IDS_FILTERS_COLUMN_NOTE_PART})
            parts.AddCell(id, 1, false);
        parts.AppendHtml(out);
        page.Commit();
        const std::wstring allResources = fw::LoadResString(IDS_FILTERS_ALL_RESOURCES);
        const CHtmlCellMarkup cell(HtmlTableCell{}, false);
        HtmlTableRow model;
        model.VerticalAlignment = 1;
        std::wstring rowStart;
        model.AppendStart(rowStart);
        auto text = [](const wchar_t* value) { return std::wstring_view(value ? value : L""); };
        for (wqv2_data::CFilter* filter : filters) {
            std::vector<wqv2_data::CResource*> resources;
            const int listed = ListFilterResources(filter, ResourcesListAll, resources);
            out += rowStart;
            cell.Append(out, text(filter->Name));
            cell.Append(out, listed == -1 ? allResources : JoinNames(resources, L"\r\n"));
            cell.Append(out, text(filter->ResourceName));
            cell.Append(out, text(filter->ResourceNote));
            cell.Append(out, text(filter->TaskName));
            cell.Append(out, text(filter->TaskNote));
            HtmlTableRow::AppendEnd(out);
            page.Commit();
        }
        CHtmlTableHelper::AppendEnd(out);
    }
    if (const int result = EndHtml(out))
        return result;
    return FinishPage(page, path);
}
