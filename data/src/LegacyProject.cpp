// The older sectioned text format: sections, recognition and the import order.
#include "LegacyProject.h"

#include "CsvParser.h"
#include "DataInt.h"
#include "FiltersInt.h"
#include "HolidaysInt.h"
#include "Library.h"
#include "ModuleResources.h"
#include "ProjectSettingsInt.h"
#include "QV2DRes.h"
#include "ResourcesInt.h"
#include "TasksInt.h"
#include "Transaction.h"
#include "XmlValues.h"

#include "ClassicText.h"
#include "TTime.h"

#include <unordered_map>

using namespace wqv2_data;

namespace legacy {
namespace {

// Fills a task from a "[Tasks]" row: ID, resource ID, DateStart, TimeStart, DateEnd, TimeEnd,
// ColorFg, ColorBk, FontBold, Name, Note; columns past the row's end keep the defaults.
void FillTask(CTaskInt& task, const std::vector<std::wstring>& fields)
{
    const auto has = [&fields](size_t column) { return fields.size() > column; };
    if (has(0))
        task.ID = ctext::ParseInt(fields[0]);
    if (has(2))
        task.DateStart = TDate::Parse(fields[2].c_str());
    if (has(3))
        task.TimeStart = TTime::ParseFixed(fields[3].c_str()).minutes;
    if (has(4))
        task.DateEnd = TDate::Parse(fields[4].c_str());
    if (has(5))
        task.TimeEnd = TTime::ParseFixed(fields[5].c_str()).minutes;
    if (has(6))
        task.ColorFg = xmlv::ParseColor(fields[6], 0x000000);
    if (has(7))
        task.ColorBk = xmlv::ParseColor(fields[7], 0xFFFFFF);
    if (has(8))
        task.FontBold = ctext::ParseInt(fields[8]) != 0;
    if (has(9))
        task.SetName(fields[9].c_str());
    if (has(10))
        task.SetNote(fields[10].c_str());
}

// Tasks name their resource by ID; only the resources of this load count (the old project's
// are about to be dropped).
int ImportTasks(const std::wstring& text)
{
    std::vector<std::wstring> rows;
    if (ReadSectionLines(text, IDS_LEGACY_TASKS, rows) == 0)
        return 0;
    std::unordered_map<int, CResourceInt*> resources;
    for (CObjectBase* item : lib::Transaction()->Added(kKindResource)) {
        auto* resource = static_cast<CResourceInt*>(item);
        resources.emplace(resource->ID, resource);
    }
    const CCSVParserInt parser;
    std::vector<std::wstring> fields;
    for (const std::wstring& row : rows) {
        if (parser.SplitRow(row, fields) == 0)
            continue;
        const int resourceId = fields.size() > 1 ? ctext::ParseInt(fields[1]) : 0;
        const auto found = resources.find(resourceId);
        if (found == resources.end())
            return kErrInvalid;
        CTasksInt* set = found->second->TasksInt();
        auto* task = static_cast<CTaskInt*>(set->CreateNewItem());
        FillTask(*task, fields);
        const int status = set->AddItem(task);
        if (status != 0) {
            if (!task->IsAddedRegistered())
                DestroyItem(task);
            return status;
        }
    }
    return 0;
}

} // namespace

int ReadSectionLines(std::wstring_view text, unsigned int headerId, std::vector<std::wstring>& rows)
{
    rows.clear();
    const std::wstring header = module::LoadText(headerId);
    if (header.empty())
        return 0;
    size_t at = text.find(header);
    while (at != std::wstring_view::npos) {
        if (at == 0 || text[at - 1] == L'\n') {
            size_t lineEnd = text.find(L'\n', at);
            while (lineEnd != std::wstring_view::npos) {
                const size_t start = lineEnd + 1;
                lineEnd = text.find(L'\n', start);
                const size_t stop = lineEnd == std::wstring_view::npos ? text.size() : lineEnd;
                std::wstring_view line = text.substr(start, stop - start);
                // Counted with its CR, so an empty line of a CR LF file ends the section too.
                if (line.size() < 2 || line.front() == L'[')
                    break;
                if (line.back() == L'\r')
                    line.remove_suffix(1);
                rows.emplace_back(line);
            }
        }
        at = text.find(header, at + 1);
    }
    return static_cast<int>(rows.size());
}

int IsLegacyProject(std::wstring_view head)
{
    std::vector<std::wstring> rows;
    if (ReadSectionLines(head, IDS_LEGACY_FILEINFO, rows) == 0)
        return kErrFormat;
    const std::wstring appKey = module::LoadText(IDS_LEGACY_APPKEY);
    const std::wstring appName = module::LoadText(IDS_LEGACY_APPNAME);
    if (appKey.empty() || appName.empty())
        return kErrFormat;
    const CCSVParser parser(L";", L"");
    std::vector<std::wstring> fields;
    for (const std::wstring& row : rows) {
        if (parser.SplitRow(row, fields) < 2)
            continue;
        if (fields[0] == appKey && fields[1] == appName)
            return 0;
    }
    return kErrFormat;
}

int ImportLegacyProject(CDataInt& root, const std::wstring& text)
{
    int status = root.SettingsInt()->ImportLegacySection(text.c_str());
    if (status == 0)
        status = root.HolidaysInt()->ImportLegacy(text.c_str());
    if (status == 0)
        status = root.ResourcesInt()->ImportLegacy(text.c_str());
    if (status == 0)
        status = ImportTasks(text);
    if (status == 0)
        status = root.FiltersInt()->ImportLegacy(text.c_str());
    return status;
}

} // namespace legacy
