// A series in the project document: the "Recurrence" element, its "Pattern" (filled by the
// active pattern), its template "Task" and its skipped days.
#include "RecurrenceInt.h"

#include "Minutes.h"
#include "TaskInt.h"
#include "XmlParser.h"
#include "XmlValues.h"

#include "ClassicText.h"

#include <algorithm>
#include <sstream>

using namespace wqv2_data;

namespace {

// A required decimal child, read as the C library's decimal conversion reads it.
bool ReadRequired(CXmlParser* parser, CXmlElement* element, const wchar_t* name, int& out)
{
    return xmlv::ReadInt(parser, element, name, out);
}

} // namespace

void CRecurrencePatternDailyInt::WriteXml(CXmlParser* parser, CXmlElement* pattern) const
{
    xmlv::AddInt(parser, pattern, L"DInterval", DInterval);
    xmlv::AddInt(parser, pattern, L"DType", DType);
}

int CRecurrencePatternDailyInt::ReadXml(CXmlParser* parser, CXmlElement* pattern)
{
    if (!ReadRequired(parser, pattern, L"DInterval", DInterval) || !ReadRequired(parser, pattern, L"DType", DType))
        return kErrFormat;
    return 0;
}

void CRecurrencePatternWeeklyInt::WriteXml(CXmlParser* parser, CXmlElement* pattern) const
{
    xmlv::AddInt(parser, pattern, L"WInterval", WInterval);
    xmlv::AddInt(parser, pattern, L"WFirstDayOfWeek", WFirstDayOfWeek);
    std::wstring days;
    const int used = std::clamp(WWeekdayCount, 0, 7);
    for (int i = 0; i < used; ++i) {
        if (i > 0)
            days += L' ';
        days += ctext::IntText(WWeekdays[i]);
    }
    xmlv::AddText(parser, pattern, L"WWeekdays", days);
}

int CRecurrencePatternWeeklyInt::ReadXml(CXmlParser* parser, CXmlElement* pattern)
{
    std::wstring days;
    if (!ReadRequired(parser, pattern, L"WInterval", WInterval) ||
        !ReadRequired(parser, pattern, L"WFirstDayOfWeek", WFirstDayOfWeek) ||
        !xmlv::ReadText(parser, pattern, L"WWeekdays", days))
        return kErrFormat;
    // At most seven numbers, up to the first word that is not one.
    std::wistringstream tokens(days);
    std::wstring token;
    int count = 0;
    while (count < 7 && tokens >> token) {
        int day = 0;
        if (!ctext::ParseIntExact(token, day))
            break;
        WWeekdays[count++] = day;
    }
    WWeekdayCount = count;
    return 0;
}

void CRecurrencePatternMonthlyInt::WriteXml(CXmlParser* parser, CXmlElement* pattern) const
{
    xmlv::AddInt(parser, pattern, L"MInterval", MInterval);
    xmlv::AddInt(parser, pattern, L"MType", MType);
    xmlv::AddInt(parser, pattern, L"MDayOfMonth", MDayOfMonth);
    xmlv::AddInt(parser, pattern, L"MPosition", MPosition);
    xmlv::AddInt(parser, pattern, L"MWeekday", MWeekday);
}

int CRecurrencePatternMonthlyInt::ReadXml(CXmlParser* parser, CXmlElement* pattern)
{
    if (!ReadRequired(parser, pattern, L"MInterval", MInterval) || !ReadRequired(parser, pattern, L"MType", MType))
        return kErrFormat;
    if (MType != 0) {
        if (!ReadRequired(parser, pattern, L"MPosition", MPosition) || !ReadRequired(parser, pattern, L"MWeekday", MWeekday))
            return kErrFormat;
    } else if (!ReadRequired(parser, pattern, L"MDayOfMonth", MDayOfMonth)) {
        return kErrFormat;
    }
    return 0;
}

void CRecurrencePatternYearlyInt::WriteXml(CXmlParser* parser, CXmlElement* pattern) const
{
    xmlv::AddInt(parser, pattern, L"YType", YType);
    xmlv::AddInt(parser, pattern, L"YMonth", YMonth);
    xmlv::AddInt(parser, pattern, L"YDayOfMonth", YDayOfMonth);
    xmlv::AddInt(parser, pattern, L"YPosition", YPosition);
    xmlv::AddInt(parser, pattern, L"YWeekday", YWeekday);
}

int CRecurrencePatternYearlyInt::ReadXml(CXmlParser* parser, CXmlElement* pattern)
{
    if (!ReadRequired(parser, pattern, L"YType", YType) || !ReadRequired(parser, pattern, L"YMonth", YMonth))
        return kErrFormat;
    if (YType != 0) {
        if (!ReadRequired(parser, pattern, L"YPosition", YPosition) || !ReadRequired(parser, pattern, L"YWeekday", YWeekday))
            return kErrFormat;
    } else if (!ReadRequired(parser, pattern, L"YDayOfMonth", YDayOfMonth)) {
        return kErrFormat;
    }
    return 0;
}

void CRecurrenceInt::WriteXml(CXmlParser* parser, CXmlElement* element)
{
    xmlv::AddInt(parser, element, L"ID", ID);
    xmlv::AddInt(parser, element, L"Frequence", Frequency); // the element name is spelled so
    CXmlElement* pattern = parser->AddChildElement(element, L"Pattern", L"");
    if (CRecurrencePatternBase* active = ActivePattern())
        active->WriteXml(parser, pattern);
    xmlv::AddDate(parser, element, L"DateStart", DateStart);
    xmlv::AddTime(parser, element, L"TimeStart", MinuteOfDay(TimeStart));
    xmlv::AddInt(parser, element, L"Duration", Duration);
    xmlv::AddInt(parser, element, L"EndType", EndType);
    if (EndType == kEndAfterCount)
        xmlv::AddInt(parser, element, L"EndCount", EndCount);
    else if (EndType == kEndAtDate)
        xmlv::AddDate(parser, element, L"EndDate", EndDate);
    TemplateInt()->WriteXml(parser, parser->AddChildElement(element, L"Task", L""));
    CXmlElement* skipped = parser->AddChildElement(element, L"Exceptions", L"");
    for (uint32_t day : m_skipped)
        xmlv::AddDate(parser, skipped, L"Date", day);
}

int CRecurrenceInt::ReadXml(CXmlParser* parser, CXmlElement* element)
{
    if (!element || !ReadRequired(parser, element, L"ID", ID) || !ReadRequired(parser, element, L"Frequence", Frequency))
        return kErrFormat;
    CXmlElement* pattern = parser->FindChildElement(element, L"Pattern");
    CRecurrencePatternBase* active = ActivePattern();
    if (!pattern || !active)
        return kErrFormat;
    int status = active->ReadXml(parser, pattern);
    if (status != 0)
        return status;
    if (!xmlv::ReadDate(parser, element, L"DateStart", DateStart) || !xmlv::ReadTime(parser, element, L"TimeStart", TimeStart) ||
        !ReadRequired(parser, element, L"Duration", Duration))
        return kErrFormat;
    if (ReadRequired(parser, element, L"EndType", EndType)) {
        ReadRequired(parser, element, L"EndCount", EndCount);
        xmlv::ReadDate(parser, element, L"EndDate", EndDate);
    }
    CXmlElement* templateElement = parser->FindChildElement(element, L"Task");
    if (!templateElement)
        return kErrFormat;
    status = TemplateInt()->ReadXml(parser, templateElement);
    if (status != 0)
        return status;
    // Whatever the element says, the template stays this series' own.
    Task->ID = -1;
    Task->Owner = nullptr;
    Task->Recurrence = this;
    CXmlElement* skipped = parser->FindChildElement(element, L"Exceptions");
    for (CXmlElement* child = parser->FirstChildElement(skipped); child; child = parser->NextChildElement(skipped)) {
        if (child->Name() != L"Date")
            continue;
        const TDate day = TDate::Parse(parser->GetElementText(child).c_str());
        if (day.IsReal())
            m_skipped.insert(day);
    }
    m_cache.Invalidate();
    return 0;
}
