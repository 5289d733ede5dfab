// Resources report: printed pages.
#include "resources/ResourcesPrint.h"

#include "common/ReportSettings.h"
#include "common/ValueFormat.h"
#include "output/PrintTable.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

namespace {
constexpr int kLeft = 0;
constexpr int kTop = 1;
constexpr int kRight = 2;
constexpr int kBottom = 3;
constexpr int kAlignLeft = 0;
constexpr int kAlignRight = 2;

struct Column {
    double weight;
    UINT title;
    int alignment;
};

} // namespace

CRResourcesPrint::CRResourcesPrint()
{
    Title = GetSettingText(L"ReportsResourcesTitle");
}

int CRResourcesPrint::PrintBody(CRKPrintEngine2* engine)
{
    const bool captions = ShowsFilter();
    const int top = BodyTop + (captions ? CaptionHeight(engine, 1) : HeaderSpace);
    const std::vector<wqv2_data::CResource*> resources = GetResources();
    if (resources.empty()) {
        engine->SetFont(FontSizeStandard, false, 3, 0, false, false);
        engine->DrawText(fw::LoadResString(IDS_REPORT_NO_FILTERS).c_str(), 0, top);
    } else {
        std::vector<Column> columns{{1, IDS_RESOURCES_COLUMN_NAME, kAlignLeft}};
        if (Calendar)
            columns.push_back({1, IDS_RESOURCES_COLUMN_CALENDAR, kAlignLeft});
        if (Costs) {
            columns.push_back({1, IDS_LIST_COLUMN_COSTS_VARIABLE, kAlignRight});
            columns.push_back({1, IDS_LIST_COLUMN_COSTS_UNIT, kAlignLeft});
            columns.push_back({1, IDS_LIST_COLUMN_COSTS_FIXED, kAlignRight});
        }
        if (Notes)
            columns.push_back({2, IDS_RESOURCES_COLUMN_NOTE, kAlignLeft});

        print_table_helper::CTable table(engine);
        for (const Column& column : columns)
            table.AddColumn(column.weight);
        const int width = table.ScaleWidths(PrintableWidth);
        table.BeginTable(0, top, width, BodyBottom, top);

        const print_table_helper::PrintTableRow head = table.Section(0).AppendRow();
        for (size_t i = 0; i < columns.size(); ++i) {
            head.Cell(static_cast<int>(i)).SetText(fw::LoadResString(columns[i].title));
            head.Cell(static_cast<int>(i)).SetAlignment(columns[i].alignment);
        }
        head.SetFont(TableFontSize, true);

        print_table_helper::PrintTableSection body = table.Section(1);
        for (const wqv2_data::CResource* resource : resources) {
            std::vector<std::wstring> texts{resource->Name ? resource->Name : L""};
            if (Calendar)
                texts.push_back(CalendarText(*resource));
            if (Costs) {
                texts.push_back(FormatCosts(resource->CostsVariable));
                texts.push_back(CostsUnitText(*resource));
                texts.push_back(FormatCosts(resource->CostsFixed));
            }
            if (Notes)
                texts.push_back(resource->Note ? resource->Note : L"");
            const print_table_helper::PrintTableRow row = body.AppendRow();
            for (size_t i = 0; i < texts.size(); ++i) {
                row.Cell(static_cast<int>(i)).SetText(texts[i]);
                row.Cell(static_cast<int>(i)).SetAlignment(columns[i].alignment);
            }
            row.SetFont(TableFontSize, false);
            row.SetBorder(kBottom, PenStandard);
            row.SetBorder(kRight, PenStandard);
        }

        table.SetBorderAll(kLeft, PenStandard);
        table.SetBorderAll(kTop, PenStandard);
        table.SetBorderAll(kBottom, PenStandard);
        // The head row's borders after the table-wide ones, which would otherwise replace its
        // thick line with the standard one.
        head.SetBorder(kBottom, PenThick);
        head.SetBorder(kRight, PenStandard);
        table.SetPaddingAll(kLeft, TableGridIndent);
        table.SetPaddingAll(kRight, TableGridIndent);
        table.SetWordWrapAll(true);
        table.SetEllipsisAll(false);
        if (const int result = LayOutTable(table))
            return result;
    }
    if (captions) {
        std::vector<std::wstring> labels;
        std::vector<std::wstring> values;
        AddFilterCaption(labels, values, true);
        DrawCaptions(FontSizeStandard, engine, 1, engine->CurrentPage, labels, values, false, true);
    }
    return 0;
}
