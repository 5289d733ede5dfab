// The document and older-format side of every container: writing and reading a collection
// element, and importing a section of rows.
#include "ContBase.h"

#include "CsvParser.h"
#include "LegacyProject.h"
#include "ObjectBase.h"
#include "TextStream.h"
#include "XmlParser.h"

#include "wqv2_data.h"

#include <climits>

namespace {

// An item read or imported but refused: a failed Add leaves it with the caller unless it got
// registered (then the rollback of the load owns it).
int Refuse(CObjectBase* item, int status)
{
    if (!item->IsAddedRegistered())
        DestroyItem(item);
    return status;
}

} // namespace

CXmlElement* CContBase::BeginXmlCollection(CXmlParser* parser, CXmlElement* parent) const
{
    return parser->AddChildElement(parent, XmlCollectionName(), L"");
}

void CContBase::WriteXmlItem(CXmlParser* parser, CXmlElement* collection, CObjectBase* item) const
{
    CXmlElement* element = parser->AddChildElement(collection, XmlItemName(), L"");
    item->WriteXml(parser, element);
}

void CContBase::OpenXmlCollection(CTextWriter& out, size_t depth, bool empty) const
{
    out.AppendTabs(depth);
    out.Append(L'<');
    out.Append(XmlCollectionName());
    out.Append(empty ? L"/>\r\n" : L">\r\n");
}

void CContBase::StreamXmlItem(CXmlParser& scratch, CTextWriter& out, size_t depth, CObjectBase* item) const
{
    scratch.NewDocument(XmlItemName());
    item->WriteXml(&scratch, scratch.Root());
    CXmlParser::WriteElement(scratch.Root(), depth, out);
}

void CContBase::CloseXmlCollection(CTextWriter& out, size_t depth) const
{
    out.AppendTabs(depth);
    out.Append(L"</");
    out.Append(XmlCollectionName());
    out.Append(L">\r\n");
}

int CContBase::ReadXml(CXmlParser* parser, CXmlElement* parent)
{
    CXmlElement* collection = parser->FindChildElement(parent, XmlCollectionName());
    if (!collection)
        return 0;
    const std::wstring_view itemName = XmlItemName();
    CXmlCollectionReader reader(*this);
    for (CXmlElement* element = parser->FirstChildElement(collection); element;
         element = parser->NextChildElement(collection)) {
        if (element->Name() != itemName)
            continue;
        const int status = reader.Item(parser, element);
        if (status != 0)
            return status;
    }
    return 0;
}

int CXmlCollectionReader::Item(CXmlParser* parser, CXmlElement* element)
{
    CObjectBase* item = m_container.CreateNewItem();
    int status = item->ReadXml(parser, element);
    const bool fresh = status == 0 && item->GetId() == 0 && item->TakesNextFreeId();
    if (status == 0 && !fresh) {
        // The file names every item; 0 would take a fresh number and INT_MAX leaves none
        // for the next item. Two items of one collection under one ID cannot both exist.
        const int id = item->GetId();
        if (id <= 0 || id == INT_MAX)
            status = wqv2_data::kErrFormat;
        else if (!m_seen.insert(id).second)
            status = wqv2_data::kErrInvalid;
    }
    if (status != 0)
        return Refuse(item, status);
    status = m_container.AddItem(item);
    if (status != 0)
        return Refuse(item, status);
    // A later item may not reuse the number a fresh one was just given.
    if (fresh && !m_seen.insert(item->GetId()).second)
        return wqv2_data::kErrInvalid;
    return 0;
}

int CContBase::ImportLegacy(const wchar_t* text)
{
    const int section = LegacySectionId();
    if (section == 0)
        return wqv2_data::kErrTransaction;
    std::vector<std::wstring> rows;
    if (legacy::ReadSectionLines(text ? std::wstring_view(text) : std::wstring_view(), section, rows) == 0)
        return 0;
    const CCSVParserInt parser;
    std::vector<std::wstring> fields;
    for (const std::wstring& row : rows) {
        if (parser.SplitRow(row, fields) == 0)
            continue;
        CObjectBase* item = CreateNewItem();
        int status = item->ImportCsv(fields);
        if (status != 0)
            return Refuse(item, status);
        status = AddItem(item);
        if (status != 0)
            return Refuse(item, status);
    }
    return 0;
}
