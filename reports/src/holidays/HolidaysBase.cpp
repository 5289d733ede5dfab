// Holidays report: period and holidays.
#include "holidays/HolidaysBase.h"

#include "common/ReportSettings.h"
#include "plugin/PluginState.h"

#include <algorithm>

CRHolidaysBase::CRHolidaysBase()
{
    const TDate today;
    PeriodStart = GetDateSetting(L"ReportsHolidaysStart", TDate::FromYMD(1, today.GetYear(), 1));
    PeriodEnd = GetDateSetting(L"ReportsHolidaysEnd", TDate::FromYMD(12, today.GetYear(), 31));
}

int CRHolidaysBase::GetHolidays(std::vector<wqv2_data::CHoliday*>& out) const
{
    wqv2_data::CData* root = GetDataRoot();
    if (!root || !root->Holidays)
        return 0;
    const int count = root->Holidays->CountInRange(PeriodStart, PeriodEnd);
    if (count <= 0)
        return 0;
    std::vector<wqv2_data::CHoliday*> found(static_cast<size_t>(count));
    const int got = root->Holidays->GetInRange(found.data(), PeriodStart, PeriodEnd);
    found.resize(static_cast<size_t>(std::clamp(got, 0, count)));
    out.insert(out.end(), found.begin(), found.end());
    return static_cast<int>(found.size());
}
