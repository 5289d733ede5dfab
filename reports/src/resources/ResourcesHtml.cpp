// Resources report: HTML.
#include "resources/ResourcesHtml.h"

#include "common/ReportSettings.h"
#include "common/ValueTexts.h"
#include "output/HtmlTable.h"
#include "output/HtmlWriter.h"

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
    CHtmlWriter page;
    if (const int result = OpenPage(page, path))
        return result;
    std::wstring& out = page.Text();
    if (const int result = BeginHtml(out, L""))
        return result;
    if (ShowsFilter())
        AddFilterSubtitle(out);
    const std::vector<wqv2_data::CResource*> resources = GetResources();
    if (resources.empty()) {
        AddParagraph(out, fw::LoadResString(IDS_REPORT_NO_FILTERS));
    } else {
        CHtmlTableHelper table;
        table.Border = 1;
        table.CellSpacing = 0;
        table.CellPadding = 5;
        table.AppendStart(out);
        HtmlTableRow head;
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
        head.AppendHtml(out);
        page.Commit();
        HtmlTableCell right;
        right.HorizontalAlignment = kRight;
        const CHtmlCellMarkup plainCell(HtmlTableCell{}, false);
        const CHtmlCellMarkup rightCell(right, false);
        HtmlTableRow model;
        model.VerticalAlignment = kTop;
        std::wstring rowStart;
        model.AppendStart(rowStart);
        CValueTexts texts;
        for (const wqv2_data::CResource* resource : resources) {
            out += rowStart;
            plainCell.Append(out, resource->Name ? resource->Name : L"");
            if (Calendar)
                plainCell.Append(out, CalendarText(*resource));
            if (Costs) {
                rightCell.Append(out, texts.Costs(resource->CostsVariable));
                plainCell.Append(out, CostsUnitText(*resource));
                rightCell.Append(out, texts.Costs(resource->CostsFixed));
            }
            if (Notes)
                plainCell.Append(out, resource->Note ? resource->Note : L"");
            HtmlTableRow::AppendEnd(out);
            page.Commit();
        }
        CHtmlTableHelper::AppendEnd(out);
    }
    if (const int result = EndHtml(out))
        return result;
    return FinishPage(page, path);
}
