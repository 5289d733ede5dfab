#pragma once
// CRResourcesBase: what the three outputs of the resources report share: the column switches,
// the resources the report filter shows in board order, and the texts of a resource's
// calendar and costs unit. The resources belong to the data library.

#include "wqv2_data.h"

#include <string>
#include <vector>

class CRResourcesBase {
public:
    // Every switch from its ReportsResourcesColumns* setting (default off) and the filter line
    // from ReportsFilterShowAlways.
    CRResourcesBase();
    virtual ~CRResourcesBase() = default;

    // The resources the report filter shows, by Position.
    static std::vector<wqv2_data::CResource*> GetResources();
    // The name of the resource's calendar; empty without one.
    static std::wstring CalendarText(const wqv2_data::CResource& resource);
    // Per hour of elapsed time (unit 0) or per working hour (any other unit).
    static std::wstring CostsUnitText(const wqv2_data::CResource& resource);
    // Whether the outputs show the filter line: with a report filter or FilterShowAlways.
    bool ShowsFilter() const;

    bool Calendar = false;         // calendar column
    bool Costs = false;            // variable costs, unit and fixed costs
    bool Format = false;           // colours and bold (export only)
    bool UDF = false;              // the resource user fields (export only)
    bool Notes = false;            // note column
    bool FilterShowAlways = false; // ReportsFilterShowAlways
};
