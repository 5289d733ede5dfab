// Filters report: export.
#include "filters/FiltersExport.h"

#include "common/ReportSettings.h"

#include "QV2ResVReportIds.h"

CRFiltersExport::CRFiltersExport()
{
    ResourcesListAll = GetBoolSetting(L"ReportsFiltersResourcesListAll", false);
    // The export always names the resources, also of a filter that hides none.
    ResourcesListAll = true;
    ReadTextSetting(L"ReportsFiltersResourcesSeparator", ResourceSeparator);
}

int CRFiltersExport::Export(const wchar_t* path)
{
    if (const int opened = BeginWrite(path); opened != 0)
        return opened;
    for (UINT id : {IDS_FILTERS_COLUMN_NAME, IDS_FILTERS_EXPORT_RESOURCE_NAME, IDS_FILTERS_EXPORT_RESOURCE_NOTE,
                    IDS_FILTERS_EXPORT_TASK_NAME, IDS_FILTERS_EXPORT_TASK_NOTE, IDS_FILTERS_COLUMN_RESOURCES})
        AddResourceText(id);
    // Each filter starts its own row, so a project without filters writes the header alone.
    for (wqv2_data::CFilter* filter : GetFilters()) {
        NewRow();
        AddText(filter->Name);
        AddText(filter->ResourceName);
        AddText(filter->ResourceNote);
        AddText(filter->TaskName);
        AddText(filter->TaskNote);
        std::vector<wqv2_data::CResource*> resources;
        ListFilterResources(filter, ResourcesListAll, resources);
        AddText(JoinNames(resources, ResourceSeparator));
    }
    return Write(path);
}
