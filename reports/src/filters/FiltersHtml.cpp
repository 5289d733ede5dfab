// Filters report: HTML.
#include "filters/FiltersHtml.h"

#include "common/ReportSettings.h"
#include "output/HtmlTable.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

CRFiltersHtml::CRFiltersHtml()
{
    ResourcesListAll = GetBoolSetting(L"ReportsFiltersResourcesListAll", false);
    Title = GetSettingText(L"ReportsFiltersTitle");
}

int CRFiltersHtml::Html(const wchar_t* path)
{
    std::wstring document;
    if (const int result = BeginHtml(document, L""))
        return result;
    const std::vector<wqv2_data::CFilter*> filters = GetFilters();
    if (filters.empty()) {
        AddParagraph(document, fw::LoadResString(IDS_REPORT_NO_FILTERS));
    } else {
        CHtmlTableHelper table;
        table.Border = 1;
        table.CellSpacing = 0;
        table.CellPadding = 5;
        HtmlTableRow& groups = table.AddRow();
        groups.Header = true;
        groups.AddCell(IDS_FILTERS_COLUMN_NAME, 1, false).RowSpan = 2;
        groups.AddCell(IDS_FILTERS_COLUMN_RESOURCES, 1, false).RowSpan = 2;
        groups.AddCell(IDS_FILTERS_GROUP_RESOURCE, 3, false).ColumnSpan = 2;
        groups.AddCell(IDS_FILTERS_GROUP_TASK, 3, false).ColumnSpan = 2;
        HtmlTableRow& parts = table.AddRow();
        parts.Header = true;
        for (int id : {IDS_FILTERS_COLUMN_NAME_PART, IDS_FILTERS_COLUMN_NOTE_PART, IDS_FILTERS_COLUMN_NAME_PART,
                       IDS_FILTERS_COLUMN_NOTE_PART})
            parts.AddCell(id, 1, false);
        const std::wstring allResources = fw::LoadResString(IDS_FILTERS_ALL_RESOURCES);
        for (wqv2_data::CFilter* filter : filters) {
            std::vector<wqv2_data::CResource*> resources;
            const int listed = ListFilterResources(filter, ResourcesListAll, resources);
            HtmlTableRow& row = table.AddRow();
            row.VerticalAlignment = 1;
            row.AddCell().Text = filter->Name;
            row.AddCell().Text = listed == -1 ? allResources : JoinNames(resources, L"\r\n");
            row.AddCell().Text = filter->ResourceName;
            row.AddCell().Text = filter->ResourceNote;
            row.AddCell().Text = filter->TaskName;
            row.AddCell().Text = filter->TaskNote;
        }
        document += table.GetHtml();
    }
    if (const int result = EndHtml(document))
        return result;
    return WriteHtmlFile(path, document);
}
