// A task in the project document: the "Task" element.
#include "TaskInt.h"

#include "Library.h"
#include "RecurrenceInt.h"
#include "TextSlots.h"
#include "Transaction.h"
#include "XmlParser.h"
#include "XmlValues.h"

using namespace wqv2_data;

namespace {

// The series with `id` that this load added to the recurrence set of the task's resource.
CRecurrence* FindLoadedRecurrence(const CTaskInt& task, int id)
{
    CResource* resource = task.Owner ? task.Owner->Resource : nullptr;
    if (!resource)
        return nullptr;
    for (CObjectBase* item : lib::Transaction()->Added(kKindRecurrence)) {
        auto* series = static_cast<CRecurrenceInt*>(item);
        if (series->ID == id && series->Owner == resource->Recurrences)
            return series;
    }
    return nullptr;
}

} // namespace

void CTaskInt::WriteXml(CXmlParser* parser, CXmlElement* element)
{
    xmlv::AddInt(parser, element, L"ID", ID);
    xmlv::AddText(parser, element, L"Name", TextOrEmpty(Name));
    xmlv::AddText(parser, element, L"Note", TextOrEmpty(Note));
    if (ID >= 0) {
        xmlv::AddDate(parser, element, L"DateStart", DateStart);
        xmlv::AddTime(parser, element, L"TimeStart", TimeStart);
        xmlv::AddDate(parser, element, L"DateEnd", DateEnd);
        xmlv::AddTime(parser, element, L"TimeEnd", TimeEnd);
    }
    xmlv::AddColor(parser, element, L"ColorFg", ColorFg);
    xmlv::AddColor(parser, element, L"ColorBk", ColorBk);
    xmlv::AddBool(parser, element, L"FontBold", FontBold);
    xmlv::AddBool(parser, element, L"CostsCalculate", CostsCalculate);
    xmlv::AddDouble(parser, element, L"CostsVariable", CostsVariable);
    xmlv::AddDouble(parser, element, L"CostsFixed", CostsFixed);
    xmlv::AddInt(parser, element, L"CostsTimeUnit", CostsTimeUnit);
    if (Recurrence)
        xmlv::AddInt(parser, element, L"RecurrenceID", Recurrence->ID);
    xmlv::AddUserFields(parser, element, m_fields);
}

int CTaskInt::ReadXml(CXmlParser* parser, CXmlElement* element)
{
    if (!element || !xmlv::ReadWholeInt(parser, element, L"ID", ID))
        return kErrFormat;
    std::wstring text;
    if (!xmlv::ReadText(parser, element, L"Name", text))
        return kErrFormat;
    SetString(text.c_str(), Name);
    if (xmlv::ReadText(parser, element, L"Note", text))
        SetString(text.c_str(), Note);
    if (ID >= 0) {
        // A template takes its days from its series; every other task needs all four.
        if (!xmlv::ReadDate(parser, element, L"DateStart", DateStart) ||
            !xmlv::ReadTime(parser, element, L"TimeStart", TimeStart) ||
            !xmlv::ReadDate(parser, element, L"DateEnd", DateEnd) ||
            !xmlv::ReadTime(parser, element, L"TimeEnd", TimeEnd))
            return kErrFormat;
    }
    xmlv::ReadColor(parser, element, L"ColorFg", 0x000000, ColorFg);
    xmlv::ReadColor(parser, element, L"ColorBk", 0xFFFFFF, ColorBk);
    xmlv::ReadBool(parser, element, L"FontBold", FontBold);
    xmlv::ReadBool(parser, element, L"CostsCalculate", CostsCalculate);
    xmlv::ReadDouble(parser, element, L"CostsVariable", CostsVariable);
    xmlv::ReadDouble(parser, element, L"CostsFixed", CostsFixed);
    xmlv::ReadInt(parser, element, L"CostsTimeUnit", CostsTimeUnit);
    int recurrenceId = 0;
    if (ID >= 0 && xmlv::ReadWholeInt(parser, element, L"RecurrenceID", recurrenceId) && recurrenceId > 0)
        Recurrence = FindLoadedRecurrence(*this, recurrenceId);
    xmlv::ReadUserFields(parser, element, m_fields);
    return 0;
}
