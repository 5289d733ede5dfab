// Filters report: printed pages.
#include "filters/FiltersPrint.h"

#include "common/ReportSettings.h"
#include "output/PrintTable.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

#include <algorithm>

namespace {
constexpr int kLeft = 0;
constexpr int kTop = 1;
constexpr int kRight = 2;
constexpr int kBottom = 3;
} // namespace

CRFiltersPrint::CRFiltersPrint()
{
    ResourcesListAll = GetBoolSetting(L"ReportsFiltersResourcesListAll", false);
    Title = GetSettingText(L"ReportsFiltersTitle");
}

int CRFiltersPrint::PrintBody(CRKPrintEngine2* engine)
{
    const int y = BodyTop + HeaderSpace;
    const std::vector<wqv2_data::CFilter*> filters = GetFilters();
    if (filters.empty()) {
        engine->SetFont(FontSizeStandard, false, 3, 0, false, false);
        engine->DrawText(fw::LoadResString(IDS_REPORT_NO_FILTERS).c_str(), 0, y);
        return 0;
    }
    print_table_helper::CTable table(engine);
    for (double weight : {2.5, 2.0, 1.0, 1.0, 1.0, 1.0})
        table.AddColumn(weight);
    const int width = table.ScaleWidths(PrintableWidth);
    table.BeginTable(0, y, width, BodyBottom, y);

    print_table_helper::PrintTableSection head = table.Section(0);
    const print_table_helper::PrintTableRow groups = head.AppendRow();
    groups.MergeCells(2, 2);
    groups.MergeCells(3, 2);
    groups.Cell(2).SetText(fw::LoadResString(IDS_FILTERS_GROUP_RESOURCE));
    groups.Cell(3).SetText(fw::LoadResString(IDS_FILTERS_GROUP_TASK));
    groups.SetBorder(kRight, PenStandard);
    groups.SetAlignment(1);
    const print_table_helper::PrintTableRow names = head.AppendRow();
    const UINT nameIds[6] = {IDS_FILTERS_COLUMN_NAME,      IDS_FILTERS_COLUMN_RESOURCES, IDS_FILTERS_COLUMN_NAME_PART,
                             IDS_FILTERS_COLUMN_NOTE_PART, IDS_FILTERS_COLUMN_NAME_PART, IDS_FILTERS_COLUMN_NOTE_PART};
    for (int column = 0; column < 6; ++column)
        names.Cell(column).SetText(fw::LoadResString(nameIds[column]));
    names.SetBorder(kRight, PenStandard);
    head.SetFont(TableFontSize, true);

    print_table_helper::PrintTableSection body = table.Section(1);
    const std::wstring allResources = fw::LoadResString(IDS_FILTERS_ALL_RESOURCES);
    const std::wstring continued = fw::LoadResString(IDS_REPORT_CONTINUED);
    for (wqv2_data::CFilter* filter : filters) {
        std::vector<wqv2_data::CResource*> resources;
        const int listed = ListFilterResources(filter, ResourcesListAll, resources);
        const size_t rows = std::max<size_t>(1, resources.size());
        const std::wstring name = filter->Name ? filter->Name : L"";
        for (size_t j = 0; j < rows; ++j) {
            const print_table_helper::PrintTableRow row = body.AppendRow();
            if (j == 0) {
                row.Cell(0).SetText(name);
                row.Cell(1).SetText(listed == -1 ? allResources
                                                 : (resources.empty() ? std::wstring() : std::wstring(resources[0]->Name)));
                row.Cell(2).SetText(filter->ResourceName ? filter->ResourceName : L"");
                row.Cell(3).SetText(filter->ResourceNote ? filter->ResourceNote : L"");
                row.Cell(4).SetText(filter->TaskName ? filter->TaskName : L"");
                row.Cell(5).SetText(filter->TaskNote ? filter->TaskNote : L"");
            } else {
                // Shown only where the row opens a page: the filter it continues.
                row.Cell(0).SetExtraText(7, 0, name + continued);
                row.Cell(1).SetText(resources[j]->Name ? resources[j]->Name : L"");
            }
            row.SetBorder(kRight, PenStandard);
            if (j + 1 == rows)
                row.SetBorder(kBottom, PenStandard);
        }
    }
    body.SetFont(TableFontSize, false);

    table.SetBorderAll(kLeft, PenStandard);
    table.SetBorderAll(kTop, PenStandard);
    table.SetBorderAll(kBottom, PenStandard);
    // After the table-wide borders, which would otherwise replace the thick line under the head.
    names.SetBorder(kBottom, PenThick);
    table.SetPaddingAll(kLeft, TableGridIndent);
    table.SetWordWrapAll(false);
    table.SetEllipsisAll(true);
    return LayOutTable(table);
}
