// Resources report: export.
#include "resources/ResourcesExport.h"

#include "common/ValueFormat.h"

#include "QV2ResVReportIds.h"

int CRResourcesExport::Export(const wchar_t* path)
{
    if (const int opened = BeginWrite(path); opened != 0)
        return opened;
    if (ResourceIdentifiers)
        AddResourceText(IDS_LIST_COLUMN_RESOURCE_ID);
    AddResourceText(IDS_RESOURCES_COLUMN_NAME);
    if (Calendar)
        AddResourceText(IDS_RESOURCES_COLUMN_CALENDAR);
    if (Costs) {
        for (UINT id : {IDS_LIST_COLUMN_COSTS_VARIABLE, IDS_LIST_COLUMN_COSTS_UNIT, IDS_LIST_COLUMN_COSTS_FIXED})
            AddResourceText(id);
    }
    if (Format) {
        for (UINT id : {IDS_RESOURCES_COLUMN_TEXT_COLOUR, IDS_RESOURCES_COLUMN_LABEL_COLOUR,
                        IDS_RESOURCES_COLUMN_ROW_COLOUR, IDS_RESOURCES_COLUMN_BOLD})
            AddResourceText(id);
    }
    if (UDF)
        AddUdfHeaderCells(wqv2_data::kUserFieldsResource);
    if (Notes)
        AddResourceText(IDS_RESOURCES_COLUMN_NOTE);
    NewRow();

    const std::vector<UserField> fields =
        UDF ? ReadUserFields(wqv2_data::kUserFieldsResource, true) : std::vector<UserField>();
    const std::vector<wqv2_data::CResource*> resources = GetResources();
    for (size_t i = 0; i < resources.size(); ++i) {
        wqv2_data::CResource& resource = *resources[i];
        if (i > 0)
            NewRow();
        if (ResourceIdentifiers)
            AddNumber(resource.ID);
        AddText(resource.Name);
        if (Calendar)
            AddText(CalendarText(resource));
        if (Costs) {
            AddCosts(resource.CostsVariable);
            AddText(CostsUnitText(resource));
            AddCosts(resource.CostsFixed);
        }
        if (Format) {
            AddColor(resource.ColorFg);
            AddColor(resource.ColorLabelBk);
            AddColor(resource.ColorScheduleBk);
            AddNumber(resource.FontBold ? 1 : 0);
        }
        for (const UserField& field : fields)
            AddUdfValueCell(resource.GetUserFieldValue(field.name), field.type);
        if (Notes)
            AddText(resource.Note);
    }
    return Write(path);
}
