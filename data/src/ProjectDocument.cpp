// The project document frame and the version rules.
#include "ProjectDocument.h"

#include "CalendarsInt.h"
#include "DataInt.h"
#include "FiltersInt.h"
#include "HolidaysInt.h"
#include "ModuleResources.h"
#include "ProjectReader.h"
#include "ProjectSettingsInt.h"
#include "QV2DRes.h"
#include "ResourcesInt.h"
#include "TextStream.h"
#include "XmlParser.h"

#include "ClassicText.h"


using namespace wqv2_data;

namespace projectdoc {
namespace {

const wchar_t* const kRootName = L"Win-Quorvia";

bool IsWhiteSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

void AddFileInfo(CXmlParser& parser, CXmlElement* info)
{
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

void WriteDocument(CDataInt& root, CTextWriter& out)
{
    // The frame is written by hand; every part inside it is built as a small tree and written
    // before the next one is made.
    CXmlParser scratch;
    out.Append(CXmlParser::kProlog);
    out.Append(L"<Win-Quorvia>\r\n");
    scratch.NewDocument(L"FileInfo");
    AddFileInfo(scratch, scratch.Root());
    CXmlParser::WriteElement(scratch.Root(), 1, out);
    out.Append(L"\t<Data>\r\n");
    // Settings first, then holidays, resources, filters and calendars.
    scratch.NewDocument(L"Data");
    root.SettingsInt()->WriteXml(&scratch, scratch.Root());
    for (const CXmlElement* part : scratch.Root()->Children())
        CXmlParser::WriteElement(part, 2, out);
    for (CContBase* container : root.Containers())
        container->WriteXml(scratch, out, 2);
    out.Append(L"\t</Data>\r\n");
    // The plug-ins' elements go immediately before the root's end tag.
    out.Append(PluginText(root));
    out.Append(L"</Win-Quorvia>\r\n");
}

std::wstring WriteDocument(CDataInt& root)
{
    CStringSink sink;
    CTextWriter out(sink);
    WriteDocument(root, out);
    out.Flush();
    return std::move(sink.Text());
}

int ReadDocument(CDataInt& root, const std::wstring& text, FileVersionInfo& versions)
{
    CProjectReader reader(root, versions);
    reader.Feed(text);
    return reader.Finish(0);
}

} // namespace projectdoc
