// The project settings in project files: the "Settings" element with the user-field
// definitions, and the "[Settings]" section of the older text format.
#include "ProjectSettingsInt.h"

#include "CsvParser.h"
#include "FileHelper.h"
#include "LegacyProject.h"
#include "ModuleResources.h"
#include "QV2DRes.h"
#include "XmlParser.h"
#include "XmlValues.h"

#include "ClassicText.h"

#include <algorithm>
#include <sstream>

using namespace wqv2_data;

namespace {

const wchar_t* const kColorNames[11] = {L"Weekday0", L"Weekday1", L"Weekday2",       L"Weekday3",  L"Weekday4",  L"Weekday5",
                                        L"Weekday6", L"Holidays", L"NonWorkingTime", L"MonthsOdd", L"MonthsEven"};

// Integers separated by white space, up to the first word that is not one.
std::vector<int> ReadIntList(const std::wstring& text)
{
    std::vector<int> values;
    std::wistringstream tokens(text);
    std::wstring token;
    while (tokens >> token) {
        int value = 0;
        if (!ctext::ParseIntExact(token, value))
            break;
        values.push_back(value);
    }
    return values;
}

const wchar_t* FieldListName(int kind)
{
    return kind == kUserFieldsResource ? L"UserDefinedFieldsResources" : L"UserDefinedFieldsTasks";
}

} // namespace

Color* CProjectSettingsInt::ColorSlot(int index)
{
    // Weekdays 0-6 and holidays share DayColors; the other three are members of their own.
    if (index < 8)
        return &DayColors[index];
    Color* const rest[3] = {&NonWorkingTime, &MonthsOdd, &MonthsEven};
    return rest[index - 8];
}

CProjectSettingsInt::ViewSettings CProjectSettingsInt::KeepViewSettings() const
{
    return {DateStart, DateEnd, Scale[kScaleUnit], Scale[kScaleCount], FreezeResources};
}

void CProjectSettingsInt::RestoreViewSettings(const ViewSettings& kept)
{
    // A reload that keeps the view settings leaves the shown period, scale and frozen
    // resources as the user had them.
    if ((CFileHelper::ReloadFlags() & kReloadKeepViewSettings) == 0)
        return;
    DateStart = kept.dateStart;
    DateEnd = kept.dateEnd;
    Scale[kScaleUnit] = kept.scaleUnit;
    Scale[kScaleCount] = kept.scaleCount;
    FreezeResources = kept.freezeResources;
}

void CProjectSettingsInt::WriteXml(CXmlParser* parser, CXmlElement* data)
{
    CXmlElement* settings = parser->AddChildElement(data, L"Settings", L"");
    xmlv::AddText(parser, settings, L"Scale", ctext::IntText(Scale[kScaleUnit]) + L' ' + ctext::IntText(Scale[kScaleCount]));
    xmlv::AddDate(parser, settings, L"DateStart", DateStart);
    xmlv::AddDate(parser, settings, L"DateEnd", DateEnd);
    xmlv::AddTime(parser, settings, L"TimeStart", TimeStart);
    xmlv::AddTime(parser, settings, L"TimeEnd", TimeEnd);
    std::wstring visible;
    for (int day = 0; day < 7; ++day) {
        if (!VisibleWeekdays[day])
            continue;
        if (!visible.empty())
            visible += L' ';
        visible += ctext::IntText(day);
    }
    xmlv::AddText(parser, settings, L"VisibleWeekdays", visible);
    CXmlElement* colors = parser->AddChildElement(settings, L"Colors", L"");
    for (int i = 0; i < 11; ++i)
        xmlv::AddColor(parser, colors, kColorNames[i], *ColorSlot(i));
    xmlv::AddInt(parser, settings, L"FreezeResources", FreezeResources);
    xmlv::AddText(parser, settings, L"Currency", Currency ? Currency : L"");
    xmlv::AddInt(parser, settings, L"TaskTextOrientaion", TaskTextOrientation); // spelled so in files
    xmlv::AddBool(parser, settings, L"GridlinesVertical", GridlinesVertical);
    for (int kind : {kUserFieldsResource, kUserFieldsTask}) {
        CXmlElement* list = parser->AddChildElement(settings, FieldListName(kind), L"");
        for (const FieldDefinition& d : *Definitions(kind)) {
            CXmlElement* field = parser->AddChildElement(list, L"UserDefinedField", L"");
            xmlv::AddText(parser, field, L"Name", d.name);
            xmlv::AddText(parser, field, L"Type", d.type);
            xmlv::AddInt(parser, field, L"Position", d.position);
        }
    }
}

void CProjectSettingsInt::ReadDefinitions(CXmlParser* parser, CXmlElement* settings, int kind)
{
    std::vector<FieldDefinition>& list = *Definitions(kind);
    CXmlElement* element = parser->FindChildElement(settings, FieldListName(kind));
    // A missing Type or Position repeats the entry before; the first entry starts from "" and 0.
    FieldDefinition previous;
    for (CXmlElement* field = parser->FirstChildElement(element); field; field = parser->NextChildElement(element)) {
        if (field->Name() != L"UserDefinedField")
            continue;
        FieldDefinition d = previous;
        if (!xmlv::ReadText(parser, field, L"Name", d.name))
            continue;
        xmlv::ReadText(parser, field, L"Type", d.type);
        xmlv::ReadInt(parser, field, L"Position", d.position);
        list.push_back(d);
        previous = d;
    }
    std::stable_sort(list.begin(), list.end(), [](const FieldDefinition& a, const FieldDefinition& b) { return a.position < b.position; });
}

int CProjectSettingsInt::ReadXml(CXmlParser* parser, CXmlElement* data)
{
    int status = MarkModified();
    if (status != 0)
        return status;
    const ViewSettings kept = KeepViewSettings();
    ApplyDefaults();
    ClearUserFieldDefinitions();
    if (CXmlElement* settings = parser->FindChildElement(data, L"Settings")) {
        std::wstring text;
        if (xmlv::ReadText(parser, settings, L"Scale", text)) {
            const std::vector<int> scale = ReadIntList(text);
            for (size_t i = 0; i < scale.size() && i < 2; ++i)
                Scale[i] = scale[i];
        }
        xmlv::ReadDate(parser, settings, L"DateStart", DateStart);
        xmlv::ReadDate(parser, settings, L"DateEnd", DateEnd);
        xmlv::ReadTime(parser, settings, L"TimeStart", TimeStart);
        xmlv::ReadTime(parser, settings, L"TimeEnd", TimeEnd);
        if (xmlv::ReadText(parser, settings, L"VisibleWeekdays", text)) {
            std::fill(std::begin(VisibleWeekdays), std::end(VisibleWeekdays), false);
            for (int day : ReadIntList(text)) {
                // Seven weekdays only: other numbers name none.
                if (day >= 0 && day <= 6)
                    VisibleWeekdays[day] = true;
            }
        }
        if (CXmlElement* colors = parser->FindChildElement(settings, L"Colors")) {
            for (int i = 0; i < 11; ++i)
                xmlv::ReadColor(parser, colors, kColorNames[i], 0xFFFFFF, *ColorSlot(i));
        }
        xmlv::ReadInt(parser, settings, L"FreezeResources", FreezeResources);
        xmlv::ReadInt(parser, settings, L"TaskTextOrientaion", TaskTextOrientation);
        if (xmlv::ReadText(parser, settings, L"Currency", text))
            SetCurrency(text.c_str());
        xmlv::ReadBool(parser, settings, L"GridlinesVertical", GridlinesVertical);
        ReadDefinitions(parser, settings, kUserFieldsResource);
        ReadDefinitions(parser, settings, kUserFieldsTask);
    }
    RestoreViewSettings(kept);
    return 0;
}

int CProjectSettingsInt::ImportLegacySection(const wchar_t* text)
{
    std::vector<std::wstring> rows;
    if (legacy::ReadSectionLines(text ? std::wstring_view(text) : std::wstring_view(), IDS_LEGACY_SETTINGS, rows) == 0)
        return 0;
    const int status = MarkModified();
    if (status != 0)
        return status;
    const ViewSettings kept = KeepViewSettings();
    ApplyDefaults();
    const std::wstring timeBar = module::LoadText(IDS_LEGACY_TIMEBAR);
    const std::wstring colorsBk = module::LoadText(IDS_LEGACY_COLORSBK);
    const CCSVParserInt splitter;
    std::vector<std::wstring> fields;
    for (const std::wstring& row : rows) {
        if (splitter.SplitRow(row, fields) < 2)
            continue;
        const auto given = [&fields](size_t column) { return column < fields.size() && !fields[column].empty(); };
        if (fields[0] == timeBar) {
            if (given(1))
                DateStart = TDate::Parse(fields[1].c_str());
            if (given(2))
                DateEnd = TDate::Parse(fields[2].c_str());
            if (given(3))
                Scale[kScaleUnit] = ctext::ParseInt(fields[3]);
            if (given(4))
                Scale[kScaleCount] = ctext::ParseInt(fields[4]);
        } else if (fields[0] == colorsBk) {
            for (size_t i = 0; i < 11 && i + 1 < fields.size(); ++i)
                *ColorSlot(static_cast<int>(i)) = xmlv::ParseColor(fields[i + 1], 0xFFFFFF);
        }
    }
    RestoreViewSettings(kept);
    return 0;
}
