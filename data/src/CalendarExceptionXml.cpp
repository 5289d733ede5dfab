// A calendar exception in the project document: one "Exception" element inside its calendar's
// "Exceptions".
#include "CalendarExceptionInt.h"

#include "RangeListText.h"
#include "WorkingTimes.h"
#include "XmlParser.h"
#include "XmlValues.h"

#include <string>
#include <vector>

using namespace wqv2_data;

void CCalendarExceptionInt::WriteXml(CXmlParser* parser, CXmlElement* element)
{
    xmlv::AddInt(parser, element, L"ID", ID);
    xmlv::AddDate(parser, element, L"Date", Date);
    xmlv::AddText(parser, element, L"WorkingTimes", RangeListText(WorkingTimes, WorkingTimeCount));
}

int CCalendarExceptionInt::ReadXml(CXmlParser* parser, CXmlElement* element)
{
    if (!element || !xmlv::ReadWholeInt(parser, element, L"ID", ID))
        return kErrFormat;
    // Eight digits read as yyyyMMdd whatever the locale's order.
    if (!xmlv::ReadDate(parser, element, L"Date", Date))
        return kErrFormat;
    std::wstring text;
    if (!xmlv::ReadText(parser, element, L"WorkingTimes", text))
        return 0; // no ranges: a day off
    std::vector<int> pairs;
    const int status = ParseRangeListText(text, pairs);
    if (status != 0)
        return status;
    SetRanges(WorkingTimes, WorkingTimeCount, pairs.data(), static_cast<int>(pairs.size() / 2));
    return 0;
}
