// A calendar in the project document: the "Calendar" element with its range lists and its
// exception set.
#include "CalendarInt.h"

#include "CalendarExceptionsInt.h"
#include "RangeListText.h"
#include "TextSlots.h"
#include "XmlParser.h"
#include "XmlValues.h"

#include <string>
#include <vector>

using namespace wqv2_data;

namespace {

constexpr int kLists = 8;

std::wstring ListElementName(int list) { return L"WeekdayWorkingTimes" + std::to_wstring(list); }

} // namespace

void CCalendarInt::WriteXml(CXmlParser* parser, CXmlElement* element)
{
    xmlv::AddInt(parser, element, L"ID", ID);
    xmlv::AddInt(parser, element, L"Position", Position);
    xmlv::AddText(parser, element, L"Name", TextOrEmpty(Name));
    for (int list = 0; list < kLists; ++list)
        xmlv::AddText(parser, element, ListElementName(list), RangeListText(WeekdayWorkingTimes[list], WeekdayWorkingTimeCounts[list]));
    xmlv::AddInt(parser, element, L"HolidayRule", HolidayRule);
    ExceptionsInt()->WriteXml(parser, element);
}

int CCalendarInt::ReadXml(CXmlParser* parser, CXmlElement* element)
{
    if (!element || !xmlv::ReadWholeInt(parser, element, L"ID", ID))
        return kErrFormat;
    xmlv::ReadInt(parser, element, L"Position", Position);
    std::wstring text;
    if (!xmlv::ReadText(parser, element, L"Name", text))
        return kErrFormat;
    SetString(text.c_str(), Name);
    // A list the file leaves out keeps its default, the whole day.
    std::vector<int> pairs;
    for (int list = 0; list < kLists; ++list) {
        if (!xmlv::ReadText(parser, element, ListElementName(list), text))
            continue;
        const int status = ParseRangeListText(text, pairs);
        if (status != 0)
            return status;
        SetRanges(WeekdayWorkingTimes[list], WeekdayWorkingTimeCounts[list], pairs.data(), static_cast<int>(pairs.size() / 2));
    }
    xmlv::ReadInt(parser, element, L"HolidayRule", HolidayRule);
    return ExceptionsInt()->ReadXml(parser, element);
}
