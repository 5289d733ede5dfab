// Calendars report: HTML pages.
#include "calendars/CalendarsHtml.h"

#include "common/ReportSettings.h"
#include "common/ValueFormat.h"
#include "output/HtmlTable.h"

#include "QV2ResVReportIds.h"
#include "SafeFormat.h"
#include "fw/Resources.h"

#include <utility>

namespace {
constexpr int kNotGiven = 0; // no align attribute: the style sheet decides
constexpr int kLeft = 1;
constexpr int kRight = 2;
} // namespace

CRCalendarsHtml::CRCalendarsHtml()
{
    Title = GetSettingText(L"ReportsCalendarsTitle");
}

int CRCalendarsHtml::Html(const wchar_t* path)
{
    if (!path || !*path)
        return 1;
    std::vector<std::pair<const wqv2_data::CCalendar*, std::wstring>> pages;
    int n = 0;
    for (wqv2_data::CCalendar* calendar : GetCalendars()) {
        std::wstring fileName;
        std::wstring pageName;
        std::wstring pagePath;
        NumberedFileName(++n, path, fileName, pageName, pagePath);
        if (const int result = CalendarPage(*calendar, pagePath))
            return result;
        pages.emplace_back(calendar, pageName);
    }

    std::wstring document;
    if (const int result = BeginHtml(document, L""))
        return result;
    document += GetHeadingBlock();
    CHtmlTableHelper table;
    table.Border = 1;
    table.CellSpacing = 0;
    table.CellPadding = 5;
    HtmlTableRow& head = table.AddRow();
    head.Header = true;
    head.AddCell(IDS_CALENDARS_INDEX_HEADING, kNotGiven, false);
    for (const auto& [calendar, pageName] : pages) {
        HtmlTableCell& cell = table.AddRow().AddCell();
        cell.Text = calendar->Name ? calendar->Name : L"";
        cell.Link = pageName;
    }
    document += table.GetHtml();
    if (const int result = EndHtml(document))
        return result;
    return WriteHtmlFile(path, document);
}

int CRCalendarsHtml::CalendarPage(wqv2_data::CCalendar& calendar, const std::wstring& pagePath)
{
    std::wstring document;
    if (const int result = BeginHtml(document, L""))
        return result;
    const std::wstring name = calendar.Name ? calendar.Name : L"";
    AddSubtitle(msgfmt::Format(fw::LoadResString(IDS_CALENDARS_PAGE_HEADING), {name}), document);
    AddSubtitle(fw::LoadResString(IDS_CALENDARS_WORKING_TIMES), document);
    document += WeekdayTable(calendar);
    if (ListExceptions) {
        AddSubtitle(PeriodText(), document);
        std::vector<wqv2_data::CCalendarException*> exceptions;
        if (GetExceptions(calendar, exceptions) == 0)
            AddParagraph(document, fw::LoadResString(IDS_REPORT_NOTHING_IN_PERIOD));
        else
            document += ExceptionsTable(exceptions);
    }
    if (const int result = EndHtml(document))
        return result;
    return WriteHtmlFile(pagePath.c_str(), document);
}

std::wstring CRCalendarsHtml::WeekdayTable(const wqv2_data::CCalendar& calendar) const
{
    CHtmlTableHelper table;
    table.Border = 0;
    table.CellSpacing = 0;
    table.CellPadding = 5;
    for (int column = 0; column < 7; ++column) {
        const int weekday = WeekdayOfColumn(column);
        HtmlTableRow& row = table.AddRow();
        row.AddCell(WeekdayLabel(weekday), kLeft, false);
        row.AddCell(WorkingTimeText(calendar.WeekdayWorkingTimes[weekday], calendar.WeekdayWorkingTimeCounts[weekday]),
                    kLeft, false);
    }
    HtmlTableRow& holidays = table.AddRow();
    holidays.AddCell(HolidayLabel(), kLeft, false);
    holidays.AddCell(HolidayRuleText(calendar), kLeft, false);
    return table.GetHtml();
}

std::wstring CRCalendarsHtml::ExceptionsTable(const std::vector<wqv2_data::CCalendarException*>& exceptions) const
{
    CHtmlTableHelper table;
    HtmlTableRow& head = table.AddRow();
    head.Header = true;
    head.AddCell(IDS_CALENDARS_COLUMN_DATE, kRight, false).ColumnSpan = 2;
    head.AddEmptyCell().Width = 20;
    head.AddCell(IDS_CALENDARS_COLUMN_WORKING_TIMES, 0, false);
    HtmlTableCell& rule = table.AddRow().AddCell();
    rule.ColumnSpan = 4;
    rule.SetRule(2, false);
    for (const wqv2_data::CCalendarException* exception : exceptions) {
        HtmlTableRow& row = table.AddRow();
        row.AddCell(FormatDate(exception->Date, 3, L"%s"), kLeft, false);
        row.AddCell(FormatDate(exception->Date, 0, L"%s"), kRight, false);
        row.AddEmptyCell().Width = 20;
        row.AddCell(WorkingTimeText(exception->WorkingTimes, exception->WorkingTimeCount), kLeft, false);
    }
    return table.GetHtml();
}
