// Resources report: HTML.
#include "resources/ResourcesHtml.h"

#include "common/ReportSettings.h"
#include "common/ValueFormat.h"
#include "output/HtmlTable.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

namespace {
constexpr int kNotGiven = 0; // no align attribute: the style sheet decides
constexpr int kRight = 2;
constexpr int kTop = 1;
} // namespace

CRResourcesHtml::CRResourcesHtml()
{
    Title = GetSettingText(L"ReportsResourcesTitle");
}

int CRResourcesHtml::Html(const wchar_t* path)
{
    std::wstring document;
    if (const int result = BeginHtml(document, L""))
        return result;
    if (ShowsFilter())
        AddFilterSubtitle(document);
    const std::vector<wqv2_data::CResource*> resources = GetResources();
    if (resources.empty()) {
        AddParagraph(document, fw::LoadResString(IDS_REPORT_NO_FILTERS));
    } else {
        CHtmlTableHelper table;
        table.Border = 1;
        table.CellSpacing = 0;
        table.CellPadding = 5;
        HtmlTableRow& head = table.AddRow();
        head.Header = true;
        head.AddCell(IDS_RESOURCES_COLUMN_NAME, kNotGiven, false);
        if (Calendar)
            head.AddCell(IDS_RESOURCES_COLUMN_CALENDAR, kNotGiven, false);
        if (Costs) {
            head.AddCell(IDS_LIST_COLUMN_COSTS_VARIABLE, kRight, false);
            head.AddCell(IDS_LIST_COLUMN_COSTS_UNIT, kNotGiven, false);
            head.AddCell(IDS_LIST_COLUMN_COSTS_FIXED, kRight, false);
        }
        if (Notes)
            head.AddCell(IDS_RESOURCES_COLUMN_NOTE, kNotGiven, false);
        for (const wqv2_data::CResource* resource : resources) {
            HtmlTableRow& row = table.AddRow();
            row.VerticalAlignment = kTop;
            row.AddCell().Text = resource->Name ? resource->Name : L"";
            if (Calendar)
                row.AddCell().Text = CalendarText(*resource);
            if (Costs) {
                row.AddCell(FormatCosts(resource->CostsVariable), kRight, false);
                row.AddCell().Text = CostsUnitText(*resource);
                row.AddCell(FormatCosts(resource->CostsFixed), kRight, false);
            }
            if (Notes)
                row.AddCell().Text = resource->Note ? resource->Note : L"";
        }
        document += table.GetHtml();
    }
    if (const int result = EndHtml(document))
        return result;
    return WriteHtmlFile(path, document);
}
