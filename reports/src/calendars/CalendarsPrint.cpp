// Calendars report: printed pages.
#include "calendars/CalendarsPrint.h"

#include "common/ReportSettings.h"
#include "common/ValueFormat.h"
#include "output/PrintTable.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

namespace {
constexpr int kBottom = 3;
constexpr int kLeft = 0;
constexpr int kAlignLeft = 0;
constexpr int kAlignRight = 2;
} // namespace

CRCalendarsPrint::CRCalendarsPrint()
{
    Title = GetSettingText(L"ReportsCalendarsTitle");
}

int CRCalendarsPrint::GetCaptionLines(std::vector<std::wstring>& labels, std::vector<std::wstring>& values)
{
    labels.push_back(fw::LoadResString(IDS_CALENDARS_CAPTION));
    values.push_back(m_calendar && m_calendar->Name ? m_calendar->Name : L"");
    return 1;
}

int CRCalendarsPrint::PrintBody(CRKPrintEngine2* engine)
{
    bool first = true;
    for (wqv2_data::CCalendar* calendar : GetCalendars()) {
        if (!first) {
            if (const int result = NewPage(engine))
                return result;
        }
        first = false;
        if (const int result = PrintCalendar(engine, *calendar))
            return result;
    }
    return 0;
}

int CRCalendarsPrint::PrintCalendar(CRKPrintEngine2* engine, wqv2_data::CCalendar& calendar)
{
    m_calendar = &calendar;
    const int firstPage = engine->CurrentPage;
    const int top = BodyTop + CaptionHeight(engine);
    engine->SetFont(FontSizeStandard, false, 3, 0, false, false);

    int below = 0;
    if (const int result = PrintWeekdays(engine, calendar, top, below))
        return result;

    engine->SetFont(FontSizeStandard, true, 3, 0, false, false);
    const std::wstring period = PeriodText();
    int width = 0;
    int height = 0;
    engine->MeasureText(&width, &height, period.c_str());
    int headingY = below + height;
    if (const int result = LineTop(engine, headingY, height, top))
        return result;
    engine->DrawText(period.c_str(), 0, headingY);
    // Every calendar's exceptions are printed; the export's and the pages' switch does not apply.
    if (const int result = PrintExceptions(engine, calendar, top, headingY + height * 3 / 2))
        return result;

    std::vector<std::wstring> labels;
    std::vector<std::wstring> values;
    GetCaptionLines(labels, values);
    DrawCaptions(FontSizeStandard, engine, firstPage, engine->CurrentPage, labels, values, true, false);
    return 0;
}

int CRCalendarsPrint::LineTop(CRKPrintEngine2* engine, int& y, int height, int top)
{
    // As a table row does: a line that would reach below the body starts the next page.
    if (y + height <= BodyBottom)
        return 0;
    y = top;
    if (engine->CurrentPage < engine->GetPageCount()) {
        ++engine->CurrentPage;
        return 0;
    }
    return NewPage(engine);
}

int CRCalendarsPrint::PrintWeekdays(CRKPrintEngine2* engine, const wqv2_data::CCalendar& calendar, int top,
                                    int& below)
{
    print_table_helper::CTable table(engine);
    table.AddColumn(2);
    table.AddColumn(10);
    const int width = table.ScaleWidths(PrintableWidth);
    table.BeginTable(0, top, width, BodyBottom, top);

    const print_table_helper::PrintTableRow head = table.Section(0).AppendRow();
    head.Cell(0).SetText(fw::LoadResString(IDS_CALENDARS_WORKING_TIMES));
    head.MergeCells(0, 2);
    head.SetFont(FontSizeStandard, true);

    print_table_helper::PrintTableSection body = table.Section(1);
    for (int column = 0; column < 7; ++column) {
        const int weekday = WeekdayOfColumn(column);
        const print_table_helper::PrintTableRow row = body.AppendRow();
        row.Cell(0).SetText(WeekdayLabel(weekday));
        row.Cell(1).SetText(
            WorkingTimeText(calendar.WeekdayWorkingTimes[weekday], calendar.WeekdayWorkingTimeCounts[weekday]));
        row.SetFont(TableFontSize, false);
    }
    const print_table_helper::PrintTableRow holidays = body.AppendRow();
    holidays.Cell(0).SetText(HolidayLabel());
    holidays.Cell(1).SetText(HolidayRuleText(calendar));
    holidays.SetFont(TableFontSize, false);
    table.SetAlignmentAll(kAlignLeft);
    return LayOutTable(table, &below);
}

int CRCalendarsPrint::PrintExceptions(CRKPrintEngine2* engine, wqv2_data::CCalendar& calendar, int top, int startY)
{
    std::vector<wqv2_data::CCalendarException*> exceptions;
    if (GetExceptions(calendar, exceptions) == 0) {
        engine->SetFont(FontSizeStandard, false, 3, 0, false, false);
        const std::wstring nothing = fw::LoadResString(IDS_REPORT_NOTHING_IN_PERIOD);
        int width = 0;
        int height = 0;
        engine->MeasureText(&width, &height, nothing.c_str());
        int y = startY;
        if (const int result = LineTop(engine, y, height, top))
            return result;
        engine->DrawText(nothing.c_str(), 0, y);
        return 0;
    }
    const int indent = 5 * TableGridIndent;
    print_table_helper::CTable table(engine);
    for (double weight : {1.0, 3.0, 15.0})
        table.AddColumn(weight);
    const int width = table.ScaleWidths(PrintableWidth);
    // Continuation pages start below the captions, the first page below the heading.
    table.BeginTable(0, top, width, BodyBottom, startY);

    const print_table_helper::PrintTableRow head = table.Section(0).AppendRow();
    head.Cell(0).SetText(fw::LoadResString(IDS_CALENDARS_COLUMN_DATE));
    head.Cell(0).SetAlignment(kAlignRight);
    head.MergeCells(0, 2);
    head.Cell(1).SetText(fw::LoadResString(IDS_CALENDARS_COLUMN_WORKING_TIMES));
    head.Cell(1).SetPadding(kLeft, indent);
    head.SetBorder(kBottom, PenStandard);
    head.SetFont(TableFontSize, true);

    print_table_helper::PrintTableSection body = table.Section(1);
    for (const wqv2_data::CCalendarException* exception : exceptions) {
        const print_table_helper::PrintTableRow row = body.AppendRow();
        row.Cell(0).SetText(FormatDate(exception->Date, 3, L"%s"));
        row.Cell(0).SetAlignment(kAlignLeft);
        row.Cell(1).SetText(FormatDate(exception->Date, 0, L"%s"));
        row.Cell(1).SetAlignment(kAlignRight);
        row.Cell(2).SetText(WorkingTimeText(exception->WorkingTimes, exception->WorkingTimeCount));
        row.Cell(2).SetAlignment(kAlignLeft);
        row.Cell(2).SetPadding(kLeft, indent);
        row.SetFont(TableFontSize, false);
    }
    return LayOutTable(table);
}
