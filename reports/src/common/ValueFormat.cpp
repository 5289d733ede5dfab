// Value formatting of the reports.
#include "common/ValueFormat.h"

#include "common/LocaleText.h"
#include "common/ReportSettings.h"
#include "common/TimeText.h"
#include "plugin/PluginState.h"

#include "ClassicText.h"
#include "QV2ResVReportIds.h"
#include "SafeFormat.h"
#include "wqv2_data.h"
#include "fw/Resources.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cwchar>

std::wstring GetDateText(TDate date)
{
    const std::wstring picture = GetSettingText(L"DateFormat");
    wchar_t text[200];
    if (picture.empty())
        date.Format(text, 200, DATE_SHORTDATE, nullptr);
    else
        date.Format(text, 200, 0, picture.c_str());
    return text;
}

std::wstring FormatDateTime(const TDateTime& value)
{
    return msgfmt::Format(fw::LoadResString(IDS_REPORT_DATETIME_FORMAT),
                          {GetDateText(value.date), FormatTimeSetting(value.time)});
}

std::wstring FormatDate(TDate date, int mode, const wchar_t* format)
{
    const std::wstring dateText = GetDateText(date);
    const int weekday = static_cast<int>(static_cast<uint32_t>(date) % 7);
    std::wstring name;
    if (mode == 1 || mode == 3)
        name = GetLocaleDayName(weekday, true);
    else if (mode == 2 || mode == 4)
        name = GetLocaleDayName(weekday, false);
    if (mode == 3 || mode == 4)
        return name;
    const std::wstring text = name.empty() ? dateText : name + L" " + dateText;
    return msgfmt::Format(format ? format : L"%s", {text});
}

std::wstring FormatDuration(int minutes, int type, bool shortForm)
{
    const int d = minutes / 1440;
    const int r = minutes % 1440;
    const int h = r / 60;
    const int m = r % 60;
    auto format = [](unsigned id, std::initializer_list<msgfmt::Arg> args) {
        return msgfmt::Format(fw::LoadResString(id), args);
    };
    switch (type) {
    case 0:
        if (!shortForm || d != 0)
            return format(IDS_DURATION_DAYS_HOURS_MINUTES, {d, h, m});
        if (h != 0)
            return format(IDS_DURATION_HOURS_MINUTES, {h, m});
        return format(IDS_DURATION_MINUTES, {m});
    case 1:
        if (shortForm && minutes / 60 == 0)
            return format(IDS_DURATION_MINUTES, {minutes % 60});
        return format(IDS_DURATION_HOURS_MINUTES, {minutes / 60, minutes % 60});
    case 2:
        return format(IDS_DURATION_DECIMAL_DAYS, {minutes / 1440.0});
    case 3:
        return format(IDS_DURATION_DECIMAL_HOURS, {minutes / 60.0});
    case 4:
        return format(IDS_DURATION_MINUTES, {minutes});
    case 5:
        return format(IDS_DURATION_CLOCK, {minutes / 60, minutes % 60});
    default:
        return {};
    }
}

std::wstring FormatCosts(double value)
{
    std::wstring currency;
    if (wqv2_data::CData* root = GetDataRoot(); root && root->ProjectSettings && root->ProjectSettings->Currency)
        currency = root->ProjectSettings->Currency;
    std::wstring format = GetSettingText(L"ViewFormatCosts");
    if (format.empty()) {
        const int digits = GetCostsDecimalDigits();
        format = msgfmt::Format(fw::LoadResString(currency.empty() ? IDS_COSTS_FORMAT_PLAIN : IDS_COSTS_FORMAT_CURRENCY),
                                {digits});
    }
    return msgfmt::Format(format, {value, currency});
}

int GetCostsDecimalDigits()
{
    return std::clamp(GetIntSetting(L"ViewFormatCostsDecimalDigits", 2), 0, 9);
}

double CostsAsShown(double value)
{
    const wchar_t* picture = GetSettingText(L"ViewFormatCosts");
    if ((picture && *picture) || !std::isfinite(value))
        return value;
    return std::nearbyint(value * std::pow(10.0, GetCostsDecimalDigits()));
}

std::wstring FormatUdfValue(const wchar_t* typeName, const wchar_t* value)
{
    if (!value || !*value)
        return {};
    const std::wstring_view type = typeName ? typeName : L"";
    if (type == L"QV2UDFDate")
        return FormatDate(TDate::Parse(value), 0, L"%s");
    if (type == L"QV2UDFTime")
        return FormatTimeSetting(TTime::Parse(value));
    if (type == L"QV2UDFInt")
        return msgfmt::Format(L"%i", {ctext::ParseInt(value)});
    if (type == L"QV2UDFDecimal") {
        std::wstring text = msgfmt::Format(L"%f", {ctext::ParseDouble(value)});
        // Trailing zeros go only where the locale's own separator is found in the text.
        const std::wstring separator = GetLocaleText(LOCALE_SDECIMAL);
        const size_t at = separator.empty() ? std::wstring::npos : text.find(separator[0]);
        if (at != std::wstring::npos && at >= 1) {
            size_t end = text.size();
            while (end > at + 1 && text[end - 1] == L'0')
                --end;
            if (end == at + 1)
                end = at;
            text.resize(end);
        }
        return text;
    }
    return value;
}

std::wstring GetReportFilterName()
{
    if (wqv2_data::CFilter* filter = GetReportFilter())
        return filter->Name ? filter->Name : L"";
    return fw::LoadResString(IDS_REPORT_NO_FILTER_NAME);
}

std::wstring FormatPeriodText(TDate start, TDate end, int startMinute, int endMinute)
{
    if (startMinute != 0 || endMinute != 0)
        return msgfmt::Format(fw::LoadResString(IDS_PERIOD_DATE_TIMES),
                              {GetDateText(start), FormatTimeSetting(TTime(startMinute)), GetDateText(end),
                               FormatTimeSetting(TTime(endMinute))});
    TDate last = end;
    --last;
    return msgfmt::Format(fw::LoadResString(IDS_PERIOD_DAYS), {GetDateText(start), GetDateText(last)});
}

int IntervalOverlapMinutes(MinuteRange window, const int* pairs, int count)
{
    int sum = 0;
    for (int i = 0; pairs && i < count; ++i) {
        const int from = std::max(pairs[2 * i], window.from);
        const int to = std::min(pairs[2 * i + 1], window.to);
        if (to > from)
            sum += to - from;
    }
    return sum;
}
