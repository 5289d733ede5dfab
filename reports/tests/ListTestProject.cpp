// The task-list test project.
#include "ListTestProject.h"

#include "HostDouble.h"

namespace listtest {

using rtest::Day;

bool EditTask(wqv2_data::CTask* task, const std::function<void(wqv2_data::CTask&)>& change)
{
    wqv2_data::CData* root = rtest::CData::Root();
    if (!task || root->BeginTransaction(L"") != 0)
        return false;
    if (task->MarkModified() != 0) {
        root->Rollback();
        return false;
    }
    change(*task);
    return root->Commit() == 0;
}

MarchProject BuildMarchProject()
{
    MarchProject p;
    wqv2_data::CData* root = rtest::CData::Fresh();
    if (!root || root->BeginTransaction(L"") != 0 || root->ProjectSettings->MarkModified() != 0)
        return p;
    root->ProjectSettings->AddUserField(wqv2_data::kUserFieldsTask, L"Order", L"QV2UDFInt");
    root->ProjectSettings->AddUserField(wqv2_data::kUserFieldsTask, L"Due", L"QV2UDFDate");
    root->ProjectSettings->SetCurrency(L"EUR");
    if (root->Commit() != 0)
        return p;
    wqv2_data::CCalendar* mornings = rtest::AddCalendar(L"Mornings", {480, 720});
    p.anna = rtest::AddResource(L"Anna", 1);
    p.ben = rtest::AddResource(L"Ben", 2, mornings);
    p.crane = rtest::AddResource(L"Crane", 3);
    p.plan = rtest::AddTask(p.anna, L"Plan", Day(3, 2), 540, Day(3, 2), 660);
    p.night = rtest::AddTask(p.anna, L"Night", Day(3, 31), 1320, Day(4, 1), 120);
    p.early = rtest::AddTask(p.ben, L"Early", Day(2, 28), 600, Day(3, 1), 600);
    p.standup = rtest::AddDailySeries(p.ben, L"Standup", Day(3, 30), 510, 60, 3);
    if (!mornings || !p.anna || !p.ben || !p.crane || !p.plan || !p.night || !p.early || !p.standup)
        return p;
    const bool edited = EditTask(p.plan,
                                 [](wqv2_data::CTask& t) {
                                     t.CostsCalculate = true;
                                     t.CostsVariable = 60.0;
                                     t.CostsFixed = 10.0;
                                     t.SetUserFieldValue(L"Order", L"0042");
                                     t.SetUserFieldValue(L"Due", L"20260310");
                                     t.SetNote(L"First\r\nsecond");
                                 }) &&
                        EditTask(p.early,
                                 [](wqv2_data::CTask& t) {
                                     t.CostsCalculate = true;
                                     t.CostsVariable = 30.0;
                                     t.CostsTimeUnit = 1;
                                     t.FontBold = true;
                                     t.ColorFg = 0x0000FF;
                                     t.ColorBk = 0xC0FFC0;
                                 }) &&
                        EditTask(p.standup->Task, [](wqv2_data::CTask& t) { t.SetNote(L"daily"); });
    p.complete = edited;
    return p;
}

std::wstring WithIds(const MarchProject& project, std::wstring text)
{
    const std::pair<const wchar_t*, wqv2_data::CResource*> marks[] = {
        {L"{A}", project.anna}, {L"{B}", project.ben}, {L"{C}", project.crane}};
    for (const auto& [mark, resource] : marks) {
        const std::wstring id = std::to_wstring(resource ? resource->ID : 0);
        for (size_t at = text.find(mark); at != std::wstring::npos; at = text.find(mark, at + id.size()))
            text.replace(at, 3, id);
    }
    return text;
}

void UseMarch(const std::wstring& prefix)
{
    host::SetSetting(prefix + L"DateStart", L"20260301");
    host::SetSetting(prefix + L"DateEnd", L"20260401");
}

} // namespace listtest
