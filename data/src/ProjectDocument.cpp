// The project document frame and the version rules.
#include "ProjectDocument.h"

#include "CalendarsInt.h"
#include "DataInt.h"
#include "FiltersInt.h"
#include "HolidaysInt.h"
#include "ModuleResources.h"
#include "ProjectSettingsInt.h"
#include "QV2DRes.h"
#include "ResourcesInt.h"
#include "XmlParser.h"

#include "ClassicText.h"


using namespace wqv2_data;

namespace projectdoc {
namespace {

const wchar_t* const kRootName = L"Win-Quorvia";

bool IsWhiteSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

void AddFileInfo(CXmlParser& parser, CXmlElement* root)
{
    CXmlElement* info = parser.AddChildElement(root, L"FileInfo", L"");
    parser.AddChildElement(info, L"Application", module::VersionText(module::Program(), L"ProductName"));
    parser.AddChildElement(info, L"AppVersion", module::VersionText(module::Program(), L"ProductVersion"));
    parser.AddChildElement(info, L"DllVersion", module::VersionText(module::Own(), L"ProductVersion"));
    parser.AddChildElement(info, L"DllRequiredVersion", module::LoadText(IDS_REQUIRED_VERSION));
    parser.AddChildElement(info, L"DllRequiredVersionFull", module::LoadText(IDS_REQUIRED_VERSION_FULL));
}

// The plug-in writers' texts, joined in registration order; each is copied at once.
std::wstring PluginText(const CDataInt& root)
{
    std::wstring joined;
    for (XmlWriter writer : root.XmlWriters()) {
        const wchar_t* text = nullptr;
        // A plug-in's failure costs only its own element.
        try {
            text = writer ? writer() : nullptr;
        } catch (...) {
            text = nullptr;
        }
        if (text)
            joined += text;
    }
    return joined;
}

int ReadFileInfo(CXmlParser& parser, CXmlElement* info, FileVersionInfo& versions)
{
    static const wchar_t* const kNames[FileVersionInfo::kTextCount] = {L"AppVersion", L"DllVersion", L"DllRequiredVersion",
                                                                       L"DllRequiredVersionFull"};
    bool present[FileVersionInfo::kTextCount] = {};
    for (int i = 0; i < FileVersionInfo::kTextCount; ++i) {
        if (const CXmlElement* element = parser.FindChildElement(info, kNames[i])) {
            present[i] = true;
            versions.texts[i] = parser.GetElementText(element);
        }
    }
    const double own = OwnVersionNumber();
    if (present[FileVersionInfo::kDllRequiredVersion] &&
        VersionNumber(versions.texts[FileVersionInfo::kDllRequiredVersion]) > own)
        return kErrNewerVersion;
    if (present[FileVersionInfo::kDllRequiredVersionFull]) {
        versions.requiredFullVersion = VersionNumber(versions.texts[FileVersionInfo::kDllRequiredVersionFull]);
        versions.fullVersionOk = !(own < versions.requiredFullVersion);
    }
    return 0;
}

int RunPluginReaders(const CDataInt& root, const std::wstring& text)
{
    // Copied: a reader must not register readers, but if one does the walk stays valid.
    const std::vector<XmlReader> readers = root.XmlReaders();
    for (XmlReader reader : readers) {
        if (!reader)
            continue;
        int status = kErrFormat;
        try {
            status = reader(text.c_str());
        } catch (...) {
            status = kErrFormat;
        }
        if (status != 0)
            return status;
    }
    return 0;
}

} // namespace

double VersionNumber(std::wstring_view text)
{
    std::wstring number;
    int nonDigits = 0;
    for (wchar_t c : text) {
        if (IsWhiteSpace(c))
            continue;
        if (c < L'0' || c > L'9') {
            if (++nonDigits == 2)
                break;
        }
        number += c == L',' ? L'.' : c;
    }
    return ctext::ParseDouble(number);
}

double OwnVersionNumber() { return VersionNumber(module::VersionText(module::Own(), L"ProductVersion")); }

std::wstring WriteDocument(CDataInt& root)
{
    CXmlParser parser;
    parser.NewDocument(kRootName);
    AddFileInfo(parser, parser.Root());
    CXmlElement* data = parser.AddChildElement(parser.Root(), L"Data", L"");
    // Settings first, then holidays, resources, filters and calendars.
    root.SettingsInt()->WriteXml(&parser, data);
    for (CContBase* container : root.Containers())
        container->WriteXml(&parser, data);
    std::wstring text = parser.Serialize();

    const std::wstring plugins = PluginText(root);
    if (!plugins.empty()) {
        // Immediately before the root's end tag, the last "<" of the document.
        const size_t at = text.rfind(L'<');
        text.insert(at == std::wstring::npos ? text.size() : at, plugins);
    }
    return text;
}

int ReadDocument(CDataInt& root, const std::wstring& text, FileVersionInfo& versions)
{
    CXmlParser parser;
    if (parser.Parse(text) != 0)
        return kErrFormat;
    CXmlElement* info = parser.FindChildElement(parser.Root(), L"FileInfo");
    if (!info)
        return kErrFormat;
    int status = ReadFileInfo(parser, info, versions);
    if (status != 0)
        return status;
    CXmlElement* data = parser.FindChildElement(parser.Root(), L"Data");
    if (!data)
        return kErrFormat;
    status = root.SettingsInt()->ReadXml(&parser, data);
    if (status != 0)
        return status;
    // Calendars before resources: resources name their calendar by ID, and filters name the
    // resources they exclude.
    CContBase* const sections[] = {root.HolidaysInt(), root.CalendarsInt(), root.ResourcesInt(), root.FiltersInt()};
    for (CContBase* section : sections) {
        status = section->ReadXml(&parser, data);
        if (status != 0)
            return status;
    }
    return RunPluginReaders(root, text);
}

} // namespace projectdoc
