// Registration of the reports and their settings fan-out.
#include "plugin/ReportRegistry.h"

#include "common/ReportSettings.h"
#include "plugin/PluginState.h"
#include "plugin/QV2Api.h"

#include "WideCopy.h"
#include "fw/Resources.h"

#include <cstring>
#include <string>

namespace {

void AppendKeys(std::vector<std::wstring>& keys, const wchar_t* const* list)
{
    if (list) {
        for (const wchar_t* const* key = list; *key; ++key)
            keys.emplace_back(*key);
    }
}

std::vector<std::wstring> KeysOf(const ReportDefinition& report, bool saving)
{
    std::vector<std::wstring> keys;
    if (const wchar_t* const* own = saving ? report.saveKeys : report.loadKeys) {
        AppendKeys(keys, own);
        return keys;
    }
    const std::wstring prefix = report.prefix;
    keys = {prefix + L"Title", prefix + L"TitleEmpty", prefix + L"PrinterOrientation"};
    AppendKeys(keys, report.moreKeys);
    return keys;
}

} // namespace

int RegisterReports()
{
    ReportRegistration record;
    // A string that cannot be loaded leaves the text of the report before it in the record.
    std::wstring name;
    std::wstring description;
    for (const ReportDefinition* report : ReportDefinitions()) {
        std::memset(&record, 0, sizeof record);
        if (std::wstring text = fw::LoadResString(report->nameId); !text.empty())
            name = std::move(text);
        if (std::wstring text = fw::LoadResString(report->nameId + 1); !text.empty())
            description = std::move(text);
        wstr::CopyTo(record.Name, name);
        wstr::CopyTo(record.Description, description);
        record.Print = report->print;
        record.Export = report->exportFile;
        record.Html = report->html;
        record.Orientation = report->orientation;
        record.SetFilter = report->takesFilter ? &SetReportFilter : nullptr;
        record.Flags = 1;
        record.CreatePage = report->createPage;
        record.Group = report->group;
        if (gQV2API.Register)
            gQV2API.Register(L"RegisterReport", &record);
    }
    return 1;
}

void LoadReportSettings(const wchar_t* iniFile)
{
    if (!gQV2API.LoadSetting)
        return;
    for (const ReportDefinition* report : ReportDefinitions()) {
        for (const std::wstring& key : KeysOf(*report, false))
            gQV2API.LoadSetting(report->prefix, key.c_str(), iniFile);
    }
}

void SaveReportSettings(const wchar_t* iniFile)
{
    if (!gQV2API.SaveSetting)
        return;
    for (const ReportDefinition* report : ReportDefinitions()) {
        for (const std::wstring& key : KeysOf(*report, true))
            gQV2API.SaveSetting(report->prefix, key.c_str(), iniFile);
    }
}

int GetReportOrientation(const wchar_t* prefix, int fallback)
{
    const int orientation = GetIntSetting((std::wstring(prefix) + L"PrinterOrientation").c_str(), fallback);
    // The host writes the answer into the printer's settings: only portrait or landscape.
    return orientation == 1 || orientation == 2 ? orientation : fallback;
}
