// Resources report: export.
#include "resources/ResourcesExport.h"

#include "common/ValueFormat.h"
#include "plugin/PluginState.h"

#include "QV2ResVReportIds.h"

namespace {

struct UserField {
    const wchar_t* name; // not owned: the project settings' definition
    const wchar_t* type;
};

// The resource fields in the project's order, up to the first without a name (where the header
// cells end too).
std::vector<UserField> ResourceFields()
{
    std::vector<UserField> fields;
    wqv2_data::CData* root = GetDataRoot();
    wqv2_data::CProjectSettings* settings = root ? root->ProjectSettings : nullptr;
    if (!settings)
        return fields;
    const int count = settings->GetUserFieldCount(wqv2_data::kUserFieldsResource);
    for (int i = 0; i < count; ++i) {
        const wchar_t* name = settings->GetUserFieldName(wqv2_data::kUserFieldsResource, i);
        if (!name || !*name)
            break;
        fields.push_back({name, settings->GetUserFieldType(wqv2_data::kUserFieldsResource, i)});
    }
    return fields;
}

} // namespace

int CRResourcesExport::Export(const wchar_t* path)
{
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

    const std::vector<UserField> fields = UDF ? ResourceFields() : std::vector<UserField>();
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
            AddText(FormatCosts(resource.CostsVariable));
            AddText(CostsUnitText(resource));
            AddText(FormatCosts(resource.CostsFixed));
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
