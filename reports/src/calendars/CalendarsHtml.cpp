// Calendars report: HTML pages.
#include "calendars/CalendarsHtml.h"

#include "common/ReportSettings.h"
#include "common/ValueTexts.h"
#include "output/HtmlTable.h"
#include "output/HtmlWriter.h"

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
    CValueTexts texts;
    int n = 0;
    for (wqv2_data::CCalendar* calendar : GetCalendars()) {
        std::wstring fileName;
        std::wstring pageName;
        std::wstring pagePath;
        NumberedFileName(++n, path, fileName, pageName, pagePath);
        if (const int result = CalendarPage(*calendar, pagePath, texts))
            return result;
        pages.emplace_back(calendar, pageName);
    }

    CHtmlWriter page;
    if (const int result = OpenPage(page, path))
        return result;
    std::wstring& out = page.Text();
    if (const int result = BeginHtml(out, L""))
        return result;
    out += GetHeadingBlock();
    CHtmlTableHelper table;
    table.Border = 1;
    table.CellSpacing = 0;
    table.CellPadding = 5;
    table.AppendStart(out);
    HtmlTableRow head;
    head.Header = true;
    head.AddCell(IDS_CALENDARS_INDEX_HEADING, kNotGiven, false);
    head.AppendHtml(out);
    page.Commit();
    for (const auto& [calendar, pageName] : pages) {
        HtmlTableRow row;
        HtmlTableCell& cell = row.AddCell();
        cell.Text = calendar->Name ? calendar->Name : L"";
        cell.Link = pageName;
        row.AppendHtml(out);
        page.Commit();
    }
    CHtmlTableHelper::AppendEnd(out);
    if (const int result = EndHtml(out))
        return result;
    return FinishPage(page, path);
}

int CRCalendarsHtml::CalendarPage(wqv2_data::CCalendar& calendar, const std::wstring& pagePath, CValueTexts& texts)
{
    CHtmlWriter page;
    if (const int result = OpenPage(page, pagePath.c_str()))
        return result;
    std::wstring& out = page.Text();
    if (const int result = BeginHtml(out, L""))
        return result;
    const std::wstring name = calendar.Name ? calendar.Name : L"";
    AddSubtitle(msgfmt::Format(fw::LoadResString(IDS_CALENDARS_PAGE_HEADING), {name}), out);
    AddSubtitle(fw::LoadResString(IDS_CALENDARS_WORKING_TIMES), out);
    out += WeekdayTable(calendar, texts);
    page.Commit();
    if (ListExceptions) {
        AddSubtitle(PeriodText(), out);
        std::vector<wqv2_data::CCalendarException*> exceptions;
        if (GetExceptions(calendar, exceptions) == 0)
            AddParagraph(out, fw::LoadResString(IDS_REPORT_NOTHING_IN_PERIOD));
        else
            WriteExceptionsTable(page, exceptions, texts);
    }
    if (const int result = EndHtml(out))
        return result;
    return FinishPage(page, pagePath.c_str());
}

std::wstring CRCalendarsHtml::WeekdayTable(const wqv2_data::CCalendar& calendar, CValueTexts& texts) const
{
    CHtmlTableHelper table;
    table.Border = 0;
    table.CellSpacing = 0;
    table.CellPadding = 5;
    for (int column = 0; column < 7; ++column) {
        const int weekday = WeekdayOfColumn(column);
        HtmlTableRow& row = table.AddRow();
        row.AddCell(WeekdayLabel(weekday), kLeft, false);
        row.AddCell(std::wstring(texts.WorkingTimes(calendar.WeekdayWorkingTimes[weekday],
                                                    calendar.WeekdayWorkingTimeCounts[weekday])),
                    kLeft, false);
    }
    HtmlTableRow& holidays = table.AddRow();
    holidays.AddCell(HolidayLabel(), kLeft, false);
    holidays.AddCell(HolidayRuleText(calendar), kLeft, false);
    return table.GetHtml();
}

void CRCalendarsHtml::WriteExceptionsTable(CHtmlWriter& page,
                                           const std::vector<wqv2_data::CCalendarException*>& exceptions,
                                           CValueTexts& texts) const
{
    std::wstring& out = page.Text();
    CHtmlTableHelper().AppendStart(out);
    HtmlTableRow head;
    head.Header = true;
    head.AddCell(IDS_CALENDARS_COLUMN_DATE, kRight, false).ColumnSpan = 2;
    head.AddEmptyCell().Width = 20;
    head.AddCell(IDS_CALENDARS_COLUMN_WORKING_TIMES, 0, false);
    head.AppendHtml(out);
    HtmlTableRow ruleRow;
    HtmlTableCell& rule = ruleRow.AddCell();
    rule.ColumnSpan = 4;
    rule.SetRule(2, false);
    ruleRow.AppendHtml(out);
    page.Commit();
    HtmlTableCell left;
    left.HorizontalAlignment = kLeft;
    HtmlTableCell right;
    right.HorizontalAlignment = kRight;
    HtmlTableCell gap;
    gap.Width = 20;
    const CHtmlCellMarkup leftCell(left, false);
    const CHtmlCellMarkup rightCell(right, false);
    const CHtmlCellMarkup gapCell(gap, false);
    std::wstring rowStart;
    HtmlTableRow().AppendStart(rowStart);
    for (const wqv2_data::CCalendarException* exception : exceptions) {
        out += rowStart;
        leftCell.Append(out, texts.Day(exception->Date, 3));
        rightCell.Append(out, texts.Day(exception->Date, 0));
        gapCell.Append(out, L"");
        leftCell.Append(out, texts.WorkingTimes(exception->WorkingTimes, exception->WorkingTimeCount));
        HtmlTableRow::AppendEnd(out);
        page.Commit();
    }
    CHtmlTableHelper::AppendEnd(out);
    page.Commit();
}
