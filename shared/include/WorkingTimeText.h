#pragma once
// Time texts by the `TimeFormat` setting, working-time period lists with their text, and weekday
// names: shared by the viewer's dialogs and the report plug-in. Each module that links these
// says where its settings come from (the viewer its own store, a plug-in the host).

#include "TTime.h"

#include <string>
#include <vector>

// Reads one setting's text; empty when the setting has none.
using SettingTextReader = std::wstring (*)(const wchar_t* key);
// Replaces the reader of this module; null (the start) reads every setting as empty.
void SetSettingTextReader(SettingTextReader reader);

// The time as text: the `TimeFormat` setting as picture, else the locale's time without
// seconds; at most 199 characters. An empty time gives an empty text.
std::wstring FormatTimeSetting(const TTime& time);
// The `TimeFormat` setting as read by FormatTimeSetting, and the time text of that picture: a
// caller that writes many times reads the setting once.
std::wstring GetTimeFormatSetting();
std::wstring FormatTimeWithPicture(const TTime& time, const std::wstring& picture);

struct WorkingTimePeriod {
    TTime start;
    TTime end; // 0 stands for the end of the day
};
using WorkingTimePeriods = std::vector<WorkingTimePeriod>;

// Empties the list and refills it from `count` {from, to} minute pairs, each minute taken modulo
// 1440 (a negative remainder plus 1440); null pairs or a count below 1 leave it empty. Returns
// the new count.
int SetWorkingTimePeriods(WorkingTimePeriods& list, const int* pairs, int count);
// Each period as string 13026 of its start and end time texts, joined by string 13027; string
// 13030 for an empty list.
std::wstring FormatWorkingTimes(const WorkingTimePeriods& list);

// The locale's full day name of weekday 0 (Monday) to 6; empty for another number.
std::wstring GetDayName(int weekday);
// The locale's full or abbreviated day name of weekday 0 (Monday) to 6; empty for another.
std::wstring GetLocaleDayName(int weekday, bool abbreviated);
