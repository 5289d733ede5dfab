// Time and list texts.
#include "common/TimeText.h"

#include "common/LocaleText.h"
#include "common/ReportSettings.h"

#include "ClassicText.h"
#include "QV2ResVReportIds.h"
#include "SafeFormat.h"
#include "fw/Resources.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>

std::wstring FormatTimeSetting(const TTime& time)
{
    const std::wstring picture = GetSettingText(L"TimeFormat");
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
    auto dayMinute = [](int m) {
        const int r = m % 1440;
        return r < 0 ? r + 1440 : r;
    };
    for (int i = 0; pairs && i < count; ++i)
        list.push_back({TTime(dayMinute(pairs[2 * i])), TTime(dayMinute(pairs[2 * i + 1]))});
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
    return GetLocaleText(first + static_cast<unsigned long>(weekday));
}

int GetDefaultColumnIds(std::vector<int>& list, bool withoutCosts)
{
    for (int id = 0; id <= 7; ++id) {
        if (!(withoutCosts && id == 6))
            list.push_back(id);
    }
    return static_cast<int>(list.size());
}

int ParseColumnOrder(std::vector<int>& list, const std::wstring& text)
{
    size_t i = 0;
    for (;;) {
        while (i < text.size() && std::iswspace(text[i]))
            ++i;
        if (i == text.size())
            break;
        const size_t end = std::min(text.find_first_of(L" \t\r\n\v\f", i), text.size());
        int value = 0;
        if (!ctext::ParseIntExact(std::wstring_view(text).substr(i, end - i), value))
            break;
        list.push_back(value);
        i = end;
    }
    return static_cast<int>(list.size());
}

int MergeColumnIdList(std::vector<int>& defaults, const std::vector<int>& read)
{
    std::vector<int> merged;
    auto contains = [](const std::vector<int>& ids, int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); };
    for (int id : read) {
        if (contains(defaults, id) && !contains(merged, id))
            merged.push_back(id);
    }
    for (int id : defaults) {
        if (!contains(merged, id))
            merged.push_back(id);
    }
    defaults = std::move(merged);
    return static_cast<int>(defaults.size());
}

std::wstring FormatColumnIds(const std::vector<int>& list)
{
    std::wstring text;
    for (size_t i = 0; i < list.size(); ++i) {
        if (i > 0)
            text += L' ';
        text += ctext::IntText(list[i]);
    }
    return text;
}

std::wstring GetColumnName(int id, bool& numeric)
{
    static const unsigned kNames[8] = {IDS_COLUMN_TASK,     IDS_COLUMN_RESOURCE,     IDS_COLUMN_START, IDS_COLUMN_END,
                                       IDS_COLUMN_DURATION, IDS_COLUMN_WORKING_TIME, IDS_COLUMN_COSTS, IDS_COLUMN_NOTE};
    if (id < 0 || id > 7) {
        numeric = true;
        return {};
    }
    numeric = id >= 2 && id <= 6;
    return fw::LoadResString(kNames[id]);
}
