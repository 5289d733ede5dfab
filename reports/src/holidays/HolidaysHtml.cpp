// Holidays report: HTML.
#include "holidays/HolidaysHtml.h"

#include "common/ReportSettings.h"
#include "common/ValueFormat.h"
#include "output/HtmlTable.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

CRHolidaysHtml::CRHolidaysHtml()
{
    Title = GetSettingText(L"ReportsHolidaysTitle");
}

int CRHolidaysHtml::Html(const wchar_t* path)
{
    std::wstring document;
    if (const int result = BeginHtml(document, L""))
        return result;
    // The period subtitle takes an exclusive end, while this report's end day is included.
    TDate dayAfterEnd = PeriodEnd;
    ++dayAfterEnd;
    AddPeriodSubtitle(document, PeriodStart, dayAfterEnd, 0, 0);
    std::vector<wqv2_data::CHoliday*> holidays;
    if (GetHolidays(holidays) == 0) {
        AddParagraph(document, fw::LoadResString(IDS_REPORT_NOTHING_IN_PERIOD));
    } else {
        CHtmlTableHelper table;
        table.Border = 1;
        table.CellSpacing = 0;
        table.CellPadding = 5;
        HtmlTableRow& head = table.AddRow();
        head.Header = true;
        head.AddCell(IDS_HOLIDAYS_COLUMN_DATE, 1, false).ColumnSpan = 2;
        head.AddCell(IDS_HOLIDAYS_COLUMN_NAME, 1, false);
        for (const wqv2_data::CHoliday* holiday : holidays) {
            HtmlTableRow& row = table.AddRow();
            row.AddCell().Text = FormatDate(holiday->Date, 3, L"%s");
            row.AddCell().Text = FormatDate(holiday->Date, 0, L"%s");
            row.AddCell().Text = holiday->Name ? holiday->Name : L"";
        }
        document += table.GetHtml();
    }
    if (const int result = EndHtml(document))
        return result;
    return WriteHtmlFile(path, document);
}
