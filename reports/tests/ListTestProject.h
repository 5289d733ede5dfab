#pragma once
// The small project the task-list report tests run on, built through the data API, and helpers
// to change items of it.

#include "ReportTestSupport.h"

#include <functional>
#include <string>

namespace listtest {

// Anna (position 1, no calendar):
//   Plan 2 Mar 09:00-11:00, costs 60 per hour + 10 fixed, Order "0042", Due "20260310", note
//   "First\r\nsecond"; Night 31 Mar 22:00 - 1 Apr 02:00.
// Ben (position 2, calendar Mornings 08:00-12:00 every day):
//   Early 28 Feb 10:00 - 1 Mar 10:00, costs 30 per working hour, bold, red on light green;
//   Standup, daily from 30 Mar at 08:30 for 60 minutes, three times, note "daily".
// Crane (position 3): nothing.
// Task fields Order (QV2UDFInt) and Due (QV2UDFDate); currency EUR.
struct MarchProject {
    wqv2_data::CResource* anna = nullptr;
    wqv2_data::CResource* ben = nullptr;
    wqv2_data::CResource* crane = nullptr;
    wqv2_data::CTask* plan = nullptr;
    wqv2_data::CTask* night = nullptr;
    wqv2_data::CTask* early = nullptr;
    wqv2_data::CRecurrence* standup = nullptr;
    bool complete = false;
};

MarchProject BuildMarchProject();

// The text with "{A}", "{B}" and "{C}" replaced by the IDs of Anna, Ben and Crane (resource IDs
// keep counting across the projects of one test program).
std::wstring WithIds(const MarchProject& project, std::wstring text);

// Changes the task inside one unnamed transaction; false when the data library refused.
bool EditTask(wqv2_data::CTask* task, const std::function<void(wqv2_data::CTask&)>& change);

// <prefix>DateStart 20260301 and <prefix>DateEnd 20260401, times 0: the month of March.
void UseMarch(const std::wstring& prefix);

} // namespace listtest
