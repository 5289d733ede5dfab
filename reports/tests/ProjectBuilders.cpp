// Project builders of the list-report tests.
#include "ProjectBuilders.h"

namespace rtest {
namespace {

// Begins a transaction, runs the step (false rolls back) and commits.
bool InTransaction(const std::function<bool(wqv2_data::CData&)>& step)
{
    wqv2_data::CData* root = CData::Root();
    if (!root || root->BeginTransaction(L"") != 0)
        return false;
    if (!step(*root)) {
        root->Rollback();
        return false;
    }
    return root->Commit() == 0;
}

} // namespace

wqv2_data::CHoliday* AddHoliday(const wchar_t* name, TDate date)
{
    wqv2_data::CHoliday* holiday = nullptr;
    const bool done = InTransaction([&](wqv2_data::CData& root) {
        holiday = root.Holidays->CreateNew();
        holiday->SetName(name);
        holiday->Date = date;
        return root.Holidays->Add(holiday) == 0;
    });
    return done ? holiday : nullptr;
}

wqv2_data::CCalendarException* AddException(wqv2_data::CCalendar* calendar, TDate date, const std::vector<int>& ranges)
{
    wqv2_data::CCalendarException* exception = nullptr;
    const bool done = calendar && InTransaction([&](wqv2_data::CData&) {
        exception = calendar->Exceptions->CreateNew();
        exception->Date = date;
        exception->SetWorkingTimes(ranges.data(), static_cast<int>(ranges.size() / 2));
        return calendar->Exceptions->Add(exception) == 0;
    });
    return done ? exception : nullptr;
}

bool EditCalendar(wqv2_data::CCalendar* calendar, const std::function<void(wqv2_data::CCalendar&)>& edit)
{
    return calendar && InTransaction([&](wqv2_data::CData&) {
        if (calendar->MarkModified() != 0)
            return false;
        edit(*calendar);
        return true;
    });
}

bool SetHolidayRule(wqv2_data::CCalendar* calendar, int rule, const std::vector<int>& holidayRanges)
{
    return EditCalendar(calendar, [&](wqv2_data::CCalendar& edited) {
        edited.HolidayRule = rule;
        edited.SetWorkingTimes(7, holidayRanges.data(), static_cast<int>(holidayRanges.size() / 2));
    });
}

bool SetWorkingTimes(wqv2_data::CCalendar* calendar, unsigned list, const std::vector<int>& ranges)
{
    return EditCalendar(calendar, [&](wqv2_data::CCalendar& edited) {
        edited.SetWorkingTimes(list, ranges.data(), static_cast<int>(ranges.size() / 2));
    });
}

bool AddUserField(int kind, const wchar_t* name, const wchar_t* type)
{
    return InTransaction([&](wqv2_data::CData& root) {
        return root.ProjectSettings->MarkModified() == 0 && root.ProjectSettings->AddUserField(kind, name, type) == 0;
    });
}

bool SetCurrency(const wchar_t* currency)
{
    return InTransaction([&](wqv2_data::CData& root) {
        if (root.ProjectSettings->MarkModified() != 0)
            return false;
        root.ProjectSettings->SetCurrency(currency);
        return true;
    });
}

bool EditResource(wqv2_data::CResource* resource, const std::function<void(wqv2_data::CResource&)>& edit)
{
    return resource && InTransaction([&](wqv2_data::CData&) {
        if (resource->MarkModified() != 0)
            return false;
        edit(*resource);
        return true;
    });
}

} // namespace rtest
