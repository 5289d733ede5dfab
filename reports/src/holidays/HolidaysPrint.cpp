// Holidays report: printed pages.
#include "holidays/HolidaysPrint.h"

#include "common/ReportSettings.h"
#include "common/ValueFormat.h"
#include "output/PrintTable.h"

#include "QV2ResVReportIds.h"
#include "SafeFormat.h"
#include "fw/Resources.h"

namespace {
constexpr int kLeft = 0;
constexpr int kTop = 1;
constexpr int kRight = 2;
constexpr int kBottom = 3;
} // namespace

CRHolidaysPrint::CRHolidaysPrint()
{
    Title = GetSettingText(L"ReportsHolidaysTitle");
}

int CRHolidaysPrint::PrintBody(CRKPrintEngine2* engine)
{
    const std::vector<std::wstring> labels{fw::LoadResString(IDS_CAPTION_PERIOD)};
    const std::vector<std::wstring> values{
        msgfmt::Format(fw::LoadResString(IDS_PERIOD_DAYS), {GetDateText(PeriodStart), GetDateText(PeriodEnd)})};
    const int top = BodyTop + CaptionHeight(engine, static_cast<int>(labels.size()));

    std::vector<wqv2_data::CHoliday*> holidays;
    if (GetHolidays(holidays) == 0) {
        engine->SetFont(FontSizeStandard, false, 3, 0, false, false);
        engine->DrawText(fw::LoadResString(IDS_REPORT_NOTHING_IN_PERIOD).c_str(), 0, top);
    } else {
        print_table_helper::CTable table(engine);
        for (double weight : {1.0, 2.0, 10.0})
            table.AddColumn(weight);
        const int width = table.ScaleWidths(PrintableWidth);
        table.BeginTable(0, top, width, BodyBottom, top);

        const print_table_helper::PrintTableRow head = table.Section(0).AppendRow();
        head.MergeCells(0, 2);
        head.Cell(0).SetText(fw::LoadResString(IDS_HOLIDAYS_COLUMN_DATE));
        head.Cell(1).SetText(fw::LoadResString(IDS_HOLIDAYS_COLUMN_NAME));
        head.SetFont(TableFontSize, true);

        print_table_helper::PrintTableSection body = table.Section(1);
        for (const wqv2_data::CHoliday* holiday : holidays) {
            const print_table_helper::PrintTableRow row = body.AppendRow();
            row.Cell(0).SetText(FormatDate(holiday->Date, 3, L"%s"));
            row.Cell(1).SetText(FormatDate(holiday->Date, 0, L"%s"));
            row.Cell(2).SetText(holiday->Name ? holiday->Name : L"");
        }
        body.SetFont(TableFontSize, false);

        table.SetBorderAll(kLeft, PenStandard);
        table.SetBorderAll(kTop, PenStandard);
        table.SetBorderAll(kRight, PenStandard);
        table.SetBorderAll(kBottom, PenStandard);
        table.SetPaddingAll(kLeft, TableGridIndent);
        table.SetPaddingAll(kRight, TableGridIndent);
        table.SetWordWrapAll(true);
        table.SetEllipsisAll(false);
        // After the table-wide borders, which would otherwise cover it: the line under the head.
        head.SetBorder(kBottom, PenThick);
        if (const int result = LayOutTable(table))
            return result;
    }
    DrawCaptions(FontSizeStandard, engine, 1, engine->CurrentPage, labels, values, true, false);
    return 0;
}
