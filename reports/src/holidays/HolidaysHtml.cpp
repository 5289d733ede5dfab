// Holidays report: HTML.
#include "holidays/HolidaysHtml.h"

#include "common/ReportSettings.h"
#include "common/ValueTexts.h"
#include "output/HtmlTable.h"
#include "output/HtmlWriter.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

CRHolidaysHtml::CRHolidaysHtml()
{
    Title = GetSettingText(L"ReportsHolidaysTitle");
}

int CRHolidaysHtml::Html(const wchar_t* path)
{
    CHtmlWriter page;
    if (const int result = OpenPage(page, path))
        return result;
    std::wstring& out = page.Text();
    if (const int result = BeginHtml(out, L""))
        return result;
    // The period subtitle takes an exclusive end, while this report's end day is included.
    TDate dayAfterEnd = PeriodEnd;
    ++dayAfterEnd;
    AddPeriodSubtitle(out, PeriodStart, dayAfterEnd, 0, 0);
    page.Commit();
    std::vector<wqv2_data::CHoliday*> holidays;
    if (GetHolidays(holidays) == 0) {
        AddParagraph(out, fw::LoadResString(IDS_REPORT_NOTHING_IN_PERIOD));
    } else {
        CHtmlTableHelper table;
        table.Border = 1;
        table.CellSpacing = 0;
        table.CellPadding = 5;
        table.AppendStart(out);
        HtmlTableRow head;
        head.Header = true;
        head.AddCell(IDS_HOLIDAYS_COLUMN_DATE, 1, false).ColumnSpan = 2;
        head.AddCell(IDS_HOLIDAYS_COLUMN_NAME, 1, false);
        head.AppendHtml(out);
        const CHtmlCellMarkup cell(HtmlTableCell{}, false);
        std::wstring rowStart;
        HtmlTableRow().AppendStart(rowStart);
        CValueTexts texts;
        for (const wqv2_data::CHoliday* holiday : holidays) {
            out += rowStart;
            cell.Append(out, texts.Day(holiday->Date, 3));
            cell.Append(out, texts.Day(holiday->Date, 0));
            cell.Append(out, holiday->Name ? holiday->Name : L"");
            HtmlTableRow::AppendEnd(out);
            page.Commit();
        }
        CHtmlTableHelper::AppendEnd(out);
    }
    if (const int result = EndHtml(out))
        return result;
    return FinishPage(page, path);
}
