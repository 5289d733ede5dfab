// A filter in the project document: the "Filter" element.
#include "FilterInt.h"

#include "TextSlots.h"
#include "XmlParser.h"
#include "XmlValues.h"

using namespace wqv2_data;

void CFilterInt::WriteXml(CXmlParser* parser, CXmlElement* element)
{
    xmlv::AddInt(parser, element, L"ID", ID);
    xmlv::AddText(parser, element, L"Name", TextOrEmpty(Name));
    xmlv::AddText(parser, element, L"ExcludedResourceIDs", ExcludedIdsText());
    xmlv::AddText(parser, element, L"ResourceName", TextOrEmpty(ResourceName));
    xmlv::AddText(parser, element, L"ResourceNote", TextOrEmpty(ResourceNote));
    xmlv::AddText(parser, element, L"TaskName", TextOrEmpty(TaskName));
    xmlv::AddText(parser, element, L"TaskNote", TextOrEmpty(TaskNote));
}

int CFilterInt::ReadXml(CXmlParser* parser, CXmlElement* element)
{
    std::wstring id;
    std::wstring name;
    if (!element || !xmlv::ReadText(parser, element, L"ID", id) || !xmlv::ReadText(parser, element, L"Name", name))
        return kErrFormat;
    m_unnumbered = !xmlv::ParseWholeInt(id, ID);
    if (m_unnumbered)
        ID = 0;
    SetString(name.c_str(), Name);
    std::wstring text;
    // Resources are read before filters: the IDs name resources of this load.
    if (xmlv::ReadText(parser, element, L"ExcludedResourceIDs", text))
        SetExcludedFromIds(text);
    const struct {
        const wchar_t* child;
        const wchar_t** slot;
    } patterns[] = {{L"ResourceName", &ResourceName}, {L"ResourceNote", &ResourceNote}, {L"TaskName", &TaskName}, {L"TaskNote", &TaskNote}};
    for (const auto& p : patterns) {
        if (xmlv::ReadText(parser, element, p.child, text))
            SetString(text.c_str(), *p.slot);
    }
    return 0;
}
