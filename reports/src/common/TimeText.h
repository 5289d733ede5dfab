#pragma once
// Time texts, working-time period lists, weekday names and grid column lists: the plug-in's
// copies of helpers the viewer's dialogs share, reading their settings through the host.

#include "TTime.h"

#include <string>
#include <vector>

// The time as text: the `TimeFormat` setting as picture, else the locale's time without seconds.
std::wstring FormatTimeSetting(const TTime& time);

struct WorkingTimePeriod {
    TTime start;
    TTime end; // 0 stands for the end of the day
};
using WorkingTimePeriods = std::vector<WorkingTimePeriod>;

// Refills the list from {from, to} minute pairs, each taken modulo 1440; returns the new count.
int SetWorkingTimePeriods(WorkingTimePeriods& list, const int* pairs, int count);
// "start-end" (string 13026) per period joined by string 13027; string 13030 for no period.
std::wstring FormatWorkingTimes(const WorkingTimePeriods& list);

// The locale's full day name of weekday 0 (Monday) to 6.
std::wstring GetDayName(int weekday);
// The locale's day name (full or abbreviated) of weekday 0 (Monday) to 6.
std::wstring GetLocaleDayName(int weekday, bool abbreviated);

// Grid column ids 0 to 7 (0 task, 1 resource, 2 start, 3 end, 4 duration, 5 working time,
// 6 costs, 7 note) appended in order, without 6 when `withoutCosts`; returns the list's size.
int GetDefaultColumnIds(std::vector<int>& list, bool withoutCosts = false);
// Appends the integers of a blank-separated text up to the first that is none; the list's size.
int ParseColumnOrder(std::vector<int>& list, const std::wstring& text);
// The ids of `read` found in `defaults` (read order, each once), then the default ids `read`
// lacks (default order); the result replaces `defaults`. Returns its size.
int MergeColumnIdList(std::vector<int>& defaults, const std::vector<int>& read);
std::wstring FormatColumnIds(const std::vector<int>& list);
// The column's name; `numeric` is set for columns 2 to 6 and for an unknown id (empty name).
std::wstring GetColumnName(int id, bool& numeric);
