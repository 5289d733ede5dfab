// Resources report: switches, resources and their texts.
#include "resources/ResourcesBase.h"

#include "common/ReportSettings.h"
#include "common/SortedLists.h"
#include "plugin/PluginState.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

CRResourcesBase::CRResourcesBase()
{
    Calendar = GetBoolSetting(L"ReportsResourcesColumnsCalendar", Calendar);
    Costs = GetBoolSetting(L"ReportsResourcesColumnsCosts", Costs);
    Format = GetBoolSetting(L"ReportsResourcesColumnsFormat", Format);
    UDF = GetBoolSetting(L"ReportsResourcesColumnsUDF", UDF);
    Notes = GetBoolSetting(L"ReportsResourcesColumnsNotes", Notes);
    FilterShowAlways = GetBoolSetting(L"ReportsFilterShowAlways", FilterShowAlways);
}

std::vector<wqv2_data::CResource*> CRResourcesBase::GetResources()
{
    std::vector<wqv2_data::CResource*> resources;
    GetSortedResources(GetReportFilter(), resources, GetDataRoot());
    return resources;
}

std::wstring CRResourcesBase::CalendarText(const wqv2_data::CResource& resource)
{
    return resource.Calendar && resource.Calendar->Name ? resource.Calendar->Name : L"";
}

std::wstring CRResourcesBase::CostsUnitText(const wqv2_data::CResource& resource)
{
    return fw::LoadResString(resource.CostsTimeUnit == 0 ? IDS_COSTS_PER_HOUR : IDS_COSTS_PER_WORKING_HOUR);
}

bool CRResourcesBase::ShowsFilter() const
{
    return GetReportFilter() != nullptr || FilterShowAlways;
}
