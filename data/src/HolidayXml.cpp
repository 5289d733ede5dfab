// A holiday in the project document: one "Holiday" element inside "Holidays".
#include "HolidayInt.h"

#include "TextSlots.h"
#include "XmlParser.h"
#include "XmlValues.h"

#include <string>

using namespace wqv2_data;

void CHolidayInt::WriteXml(CXmlParser* parser, CXmlElement* element)
{
    xmlv::AddInt(parser, element, L"ID", ID);
    xmlv::AddText(parser, element, L"Name", TextOrEmpty(Name));
    xmlv::AddDate(parser, element, L"Date", Date);
}

int CHolidayInt::ReadXml(CXmlParser* parser, CXmlElement* element)
{
    if (!element || !xmlv::ReadWholeInt(parser, element, L"ID", ID))
        return kErrFormat;
    std::wstring name;
    if (!xmlv::ReadText(parser, element, L"Name", name))
        return kErrFormat;
    ::SetString(name.c_str(), Name);
    // Eight digits read as yyyyMMdd whatever the locale's order.
    if (!xmlv::ReadDate(parser, element, L"Date", Date))
        return kErrFormat;
    return 0;
}
