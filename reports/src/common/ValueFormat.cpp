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
#include <iterator>

namespace {

std::wstring DateWithPicture(TDate date, const std::wstring& picture)
{
    wchar_t text[200];
    if (picture.empty())
        date.Format(text, 200, DATE_SHORTDATE, nullptr);
    else
        date.Format(text, 200, 0, picture.c_str());
    return text;
}

// The string and the arguments of a duration text: which of strings 1220 to 1225, and up to
// three numbers. No string for an unknown type.
struct DurationPick {
    unsigned id = 0;
    int count = 0;
    bool real = false; // one real number, else whole ones
    int whole[3] = {0, 0, 0};
    double number = 0.0;
};

DurationPick PickDuration(int minutes, int type, bool shortForm)
{
    const int d = minutes / 1440;
    const int r = minutes % 1440;
    const int h = r / 60;
    const int m = r % 60;
    DurationPick pick;
    auto whole = [&pick](unsigned id, int count, int a, int b, int c) {
        pick.id = id;
        pick.count = count;
        pick.whole[0] = a;
        pick.whole[1] = b;
        pick.whole[2] = c;
        return pick;
    };
    auto real = [&pick](unsigned id, double value) {
        pick.id = id;
        pick.count = 1;
        pick.real = true;
        pick.number = value;
        return pick;
    };
    switch (type) {
    case 0:
        if (!shortForm || d != 0)
            return whole(IDS_DURATION_DAYS_HOURS_MINUTES, 3, d, h, m);
        if (h != 0)
            return whole(IDS_DURATION_HOURS_MINUTES, 2, h, m, 0);
        return whole(IDS_DURATION_MINUTES, 1, m, 0, 0);
    case 1:
        if (shortForm && minutes / 60 == 0)
            return whole(IDS_DURATION_MINUTES, 1, minutes % 60, 0, 0);
        return whole(IDS_DURATION_HOURS_MINUTES, 2, minutes / 60, minutes % 60, 0);
    case 2:
        return real(IDS_DURATION_DECIMAL_DAYS, minutes / 1440.0);
    case 3:
        return real(IDS_DURATION_DECIMAL_HOURS, minutes / 60.0);
    case 4:
        return whole(IDS_DURATION_MINUTES, 1, minutes, 0, 0);
    case 5:
        return whole(IDS_DURATION_CLOCK, 2, minutes / 60, minutes % 60, 0);
    default:
        return pick;
    }
}

// The pick's text appended from its string's pattern.
void AppendPick(std::wstring& out, const msgfmt::Pattern& format, const DurationPick& pick)
{
    const msgfmt::Arg args[3] = {pick.real ? msgfmt::Arg(pick.number) : msgfmt::Arg(pick.whole[0]), pick.whole[1],
                                 pick.whole[2]};
    format.Append(out, args, static_cast<size_t>(pick.count));
}

std::wstring ProjectCurrency()
{
    wqv2_data::CData* root = GetDataRoot();
    if (root && root->ProjectSettings && root->ProjectSettings->Currency)
        return root->ProjectSettings->Currency;
    return {};
}

// `ViewFormatCosts`, or string 1240/1241 made with the decimal digits.
std::wstring CostsPicture(const std::wstring& currency)
{
    std::wstring format = GetSettingText(L"ViewFormatCosts");
    if (format.empty()) {
        const int digits = GetCostsDecimalDigits();
        format = msgfmt::Format(fw::LoadResString(currency.empty() ? IDS_COSTS_FORMAT_PLAIN : IDS_COSTS_FORMAT_CURRENCY),
                                {digits});
    }
    return format;
}

// The text goes into `text` (replaced), whose room is used again.
void DecimalUdfText(const wchar_t* value, const std::wstring& separator, std::wstring& text)
{
    text.clear();
    msgfmt::FormatAppend(text, L"%f", {ctext::ParseDouble(value)});
    // Trailing zeros go only where the locale's own separator is found in the text.
    const size_t at = separator.empty() ? std::wstring::npos : text.find(separator[0]);
    if (at != std::wstring::npos && at >= 1) {
        size_t end = text.size();
        while (end > at + 1 && text[end - 1] == L'0')
            --end;
        if (end == at + 1)
            end = at;
        text.resize(end);
    }
}

} // namespace

std::wstring GetDateText(TDate date)
{
    return DateWithPicture(date, GetSettingText(L"DateFormat"));
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
    const DurationPick pick = PickDuration(minutes, type, shortForm);
    std::wstring text;
    if (pick.id)
        AppendPick(text, msgfmt::Pattern(fw::LoadResString(pick.id)), pick);
    return text;
}

std::wstring FormatCosts(double value)
{
    const std::wstring currency = ProjectCurrency();
    return msgfmt::Format(CostsPicture(currency), {value, currency});
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
        std::wstring text;
        DecimalUdfText(value, GetLocaleText(LOCALE_SDECIMAL), text);
        return text;
    }
    return value;
}

CValueFormats::CValueFormats()
    : m_datePicture(GetSettingText(L"DateFormat")),
      m_timePicture(GetTimeFormatSetting()),
      m_currency(ProjectCurrency()),
      m_costsPicture(msgfmt::Pattern(CostsPicture(m_currency))),
      m_decimalSeparator(GetLocaleText(LOCALE_SDECIMAL)),
      m_dates(512),
      m_times(1442),
      m_timeMade(1442, false)
{
    for (size_t i = 0; i < std::size(m_durations); ++i)
        m_durations[i] = msgfmt::Pattern(fw::LoadResString(IDS_DURATION_DAYS_HOURS_MINUTES + static_cast<unsigned>(i)));
}

const std::wstring& CValueFormats::Date(TDate date)
{
    const uint32_t key = static_cast<uint32_t>(date);
    CachedDate& slot = m_dates[key % m_dates.size()];
    if (!slot.used || slot.key != key) {
        slot.text = DateWithPicture(date, m_datePicture);
        slot.key = key;
        slot.used = true;
    }
    return slot.text;
}

const std::wstring& CValueFormats::Time(const TTime& time)
{
    // Minutes of a day, the end of the day and the empty time are kept; others made each time.
    size_t index = m_times.size() - 1;
    if (!time.empty) {
        if (time.minutes < 0 || time.minutes > 1440) {
            m_otherTime = FormatTimeWithPicture(time, m_timePicture);
            return m_otherTime;
        }
        index = static_cast<size_t>(time.minutes);
    }
    if (!m_timeMade[index]) {
        m_times[index] = FormatTimeWithPicture(time, m_timePicture);
        m_timeMade[index] = true;
    }
    return m_times[index];
}

void CValueFormats::Costs(double value, std::wstring& out) const
{
    out.clear();
    m_costsPicture.Append(out, {value, m_currency});
}

void CValueFormats::Duration(int minutes, int type, bool shortForm, std::wstring& out) const
{
    out.clear();
    const DurationPick pick = PickDuration(minutes, type, shortForm);
    if (pick.id)
        AppendPick(out, m_durations[pick.id - IDS_DURATION_DAYS_HOURS_MINUTES], pick);
}

void CValueFormats::UdfValue(const wchar_t* typeName, const wchar_t* value, std::wstring& out)
{
    const std::wstring_view text = UdfText(KindOf(typeName), value, out);
    if (text.data() != out.data())
        out.assign(text);
}

CValueFormats::UdfKind CValueFormats::KindOf(const wchar_t* typeName)
{
    const std::wstring_view type = typeName ? typeName : L"";
    if (type == L"QV2UDFDate")
        return UdfKind::Date;
    if (type == L"QV2UDFTime")
        return UdfKind::Time;
    if (type == L"QV2UDFInt")
        return UdfKind::Int;
    if (type == L"QV2UDFDecimal")
        return UdfKind::Decimal;
    return UdfKind::Text;
}

std::wstring_view CValueFormats::UdfText(UdfKind kind, const wchar_t* value, std::wstring& scratch)
{
    scratch.clear();
    if (!value || !*value)
        return scratch;
    switch (kind) {
    case UdfKind::Date:
        return Date(TDate::Parse(value));
    case UdfKind::Time:
        return Time(TTime::Parse(value));
    case UdfKind::Int: {
        // "%i" of the number.
        wchar_t digits[12];
        scratch.assign(ctext::IntDigits(ctext::ParseInt(value), digits));
        return scratch;
    }
    case UdfKind::Decimal:
        DecimalUdfText(value, m_decimalSeparator, scratch);
        return scratch;
    default:
        return value;
    }
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
