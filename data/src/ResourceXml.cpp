// A resource in the project document: the "Resource" element with its recurrences and tasks.
#include "ResourceInt.h"

#include "CalendarInt.h"
#include "Library.h"
#include "RecurrencesInt.h"
#include "TasksInt.h"
#include "TextSlots.h"
#include "Transaction.h"
#include "XmlParser.h"
#include "XmlValues.h"

#include <utility>
#include <vector>

using namespace wqv2_data;

namespace {

// Resources refer to calendars by ID; the calendars of this load were read before them.
CCalendar* FindLoadedCalendar(int id)
{
    for (CObjectBase* item : lib::Transaction()->Added(kKindCalendar)) {
        auto* calendar = static_cast<CCalendarInt*>(item);
        if (calendar->ID == id)
            return calendar;
    }
    return nullptr;
}

// Resources read before the calendars, with the calendar ID each names.
bool gHoldLinks = false;
std::vector<std::pair<CResourceInt*, int>> gLinks;

} // namespace

void CResourceInt::HoldCalendarLinks(bool hold)
{
    gHoldLinks = hold;
    gLinks.clear();
}

void CResourceInt::ResolveCalendarLinks()
{
    for (const auto& [resource, id] : gLinks)
        resource->Calendar = FindLoadedCalendar(id);
    gLinks.clear();
    gHoldLinks = false;
}

void CResourceInt::DropCalendarLinks() { gLinks.clear(); }

void CResourceInt::WriteXml(CXmlParser* parser, CXmlElement* element)
{
    xmlv::AddInt(parser, element, L"ID", ID);
    xmlv::AddInt(parser, element, L"CalendarID", Calendar ? Calendar->ID : -1);
    xmlv::AddInt(parser, element, L"Position", Position);
    xmlv::AddText(parser, element, L"Name", TextOrEmpty(Name));
    xmlv::AddText(parser, element, L"Note", TextOrEmpty(Note));
    xmlv::AddColor(parser, element, L"ColorFg", ColorFg);
    xmlv::AddColor(parser, element, L"ColorLabelBk", ColorLabelBk);
    xmlv::AddColor(parser, element, L"ColorScheduleBk", ColorScheduleBk);
    xmlv::AddBool(parser, element, L"FontBold", FontBold);
    xmlv::AddDouble(parser, element, L"CostsVariable", CostsVariable);
    xmlv::AddDouble(parser, element, L"CostsFixed", CostsFixed);
    xmlv::AddInt(parser, element, L"CostsTimeUnit", CostsTimeUnit);
    xmlv::AddUserFields(parser, element, m_fields);
    RecurrencesInt()->WriteXml(parser, element);
    TasksInt()->WriteXml(parser, element);
}

int CResourceInt::ReadXml(CXmlParser* parser, CXmlElement* element)
{
    if (!element || !xmlv::ReadWholeInt(parser, element, L"ID", ID))
        return kErrFormat;
    int calendarId = -1;
    if (xmlv::ReadWholeInt(parser, element, L"CalendarID", calendarId) && calendarId >= 0) {
        Calendar = FindLoadedCalendar(calendarId);
        if (!Calendar && gHoldLinks)
            gLinks.emplace_back(this, calendarId);
    }
    int position = 0;
    std::wstring text;
    if (xmlv::ReadText(parser, element, L"Position", text) && xmlv::ParseWholeInt(text, position))
        Position = position;
    if (!xmlv::ReadText(parser, element, L"Name", text))
        return kErrFormat;
    SetString(text.c_str(), Name);
    if (xmlv::ReadText(parser, element, L"Note", text))
        SetString(text.c_str(), Note);
    xmlv::ReadColor(parser, element, L"ColorFg", 0x000000, ColorFg);
    xmlv::ReadColor(parser, element, L"ColorLabelBk", 0xFFFFFF, ColorLabelBk);
    xmlv::ReadColor(parser, element, L"ColorScheduleBk", 0xFFFFFF, ColorScheduleBk);
    xmlv::ReadBool(parser, element, L"FontBold", FontBold);
    xmlv::ReadDouble(parser, element, L"CostsVariable", CostsVariable);
    xmlv::ReadDouble(parser, element, L"CostsFixed", CostsFixed);
    xmlv::ReadInt(parser, element, L"CostsTimeUnit", CostsTimeUnit);
    xmlv::ReadUserFields(parser, element, m_fields);
    // Series first: tasks find the series they were detached from by its ID.
    const int status = RecurrencesInt()->ReadXml(parser, element);
    if (status != 0)
        return status;
    return TasksInt()->ReadXml(parser, element);
}
