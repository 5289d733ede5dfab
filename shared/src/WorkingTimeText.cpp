// Time and working-time texts, weekday names.
#include "WorkingTimeText.h"

#include "LocaleText.h"

#include "QV2ResVReportIds.h"
#include "SafeFormat.h"
#include "fw/Resources.h"

#include <windows.h>

namespace {

SettingTextReader gReader = nullptr; // per module: the viewer and each plug-in set their own

int DayMinute(int minutes)
{
    const int r = minutes % 1440;
    return r < 0 ? r + 1440 : r;
}

} // namespace

void SetSettingTextReader(SettingTextReader reader)
{
    gReader = reader;
}

std::wstring FormatTimeSetting(const TTime& time)
{
    return FormatTimeWithPicture(time, GetTimeFormatSetting());
}

std::wstring GetTimeFormatSetting()
{
    return gReader ? gReader(L"TimeFormat") : std::wstring();
}

std::wstring FormatTimeWithPicture(const TTime& time, const std::wstring& picture)
{
    wchar_t text[200];
    if (picture.empty())
        time.Format(TIME_NOSECONDS, text, nullptr, 200);
    else
        time.Format(0, text, picture.c_str(), 200);
    return text;
}

int SetWorkingTimePeriods(WorkingTimePeriods& list, const int* pairs, int count)
{
    list.clear();
    for (int i = 0; pairs && i < count; ++i)
        list.push_back({TTime(DayMinute(pairs[2 * i])), TTime(DayMinute(pairs[2 * i + 1]))});
    return static_cast<int>(list.size());
}

std::wstring FormatWorkingTimes(const WorkingTimePeriods& list)
{
    if (list.empty())
        return fw::LoadResString(IDS_WORKING_TIME_NONE);
    const std::wstring range = fw::LoadResString(IDS_WORKING_TIME_RANGE);
    const std::wstring join = fw::LoadResString(IDS_WORKING_TIME_JOIN);
    std::wstring text;
    for (size_t i = 0; i < list.size(); ++i) {
        if (i > 0)
            text += join;
        text += msgfmt::Format(range, {FormatTimeSetting(list[i].start), FormatTimeSetting(list[i].end)});
    }
    return text;
}

std::wstring GetDayName(int weekday)
{
    return GetLocaleDayName(weekday, false);
}

std::wstring GetLocaleDayName(int weekday, bool abbreviated)
{
    if (weekday < 0 || weekday > 6)
        return {};
    const unsigned long first = abbreviated ? LOCALE_SABBREVDAYNAME1 : LOCALE_SDAYNAME1;
    return datetime::LocaleInfo(first + static_cast<unsigned long>(weekday));
}
