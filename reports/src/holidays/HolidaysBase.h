#pragma once
// CRHolidaysBase: what the three outputs of the holidays report share: the report period (both
// ends included) and the project's holidays that fall into it. The holidays belong to the data
// library.

#include "TDate.h"
#include "wqv2_data.h"

#include <vector>

class CRHolidaysBase {
public:
    // 1 January to 31 December of the current year, then ReportsHolidaysStart and
    // ReportsHolidaysEnd.
    CRHolidaysBase();
    virtual ~CRHolidaysBase() = default;

    // Appends the holidays from PeriodStart to PeriodEnd in the data library's (date) order;
    // returns how many were appended.
    int GetHolidays(std::vector<wqv2_data::CHoliday*>& out) const;

    TDate PeriodStart;
    TDate PeriodEnd;
};
