#pragma once
// The text forms of values in project documents, shared by every item kind's ReadXml and
// WriteXml: integers, "1"/"0" booleans, six-digit floating point, "R G B" colours, "yyyyMMdd"
// dates, "HH:mm" times and the user-defined field values. Locale-independent throughout.

#include "wqv2_data.h"

#include <string>
#include <string_view>

class CXmlParser;
class CXmlElement;
class UserFieldValues;

namespace xmlv {

// Text forms.
std::wstring ColorText(wqv2_data::Color color); // "R G B", red first
// Up to three integers in turn (missing ones count 0); empty text gives `whenEmpty`.
wqv2_data::Color ParseColor(std::wstring_view text, wqv2_data::Color whenEmpty);
std::wstring DateText(TDate date); // "yyyyMMdd"
std::wstring TimeText(int minutes); // "HH:mm"
// The whole text, blanks at both ends aside, is one decimal integer within int.
bool ParseWholeInt(std::wstring_view text, int& out);
// A number can be read from the start of the text (after blanks); false leaves `out` alone.
bool ParseReadableDouble(std::wstring_view text, double& out);

// Writing: one child element of `parent` holding the value as text.
void AddText(CXmlParser* parser, CXmlElement* parent, std::wstring_view name, std::wstring_view text);
void AddInt(CXmlParser* parser, CXmlElement* parent, std::wstring_view name, long long value);
void AddBool(CXmlParser* parser, CXmlElement* parent, std::wstring_view name, bool value);
void AddDouble(CXmlParser* parser, CXmlElement* parent, std::wstring_view name, double value);
void AddColor(CXmlParser* parser, CXmlElement* parent, std::wstring_view name, wqv2_data::Color value);
void AddDate(CXmlParser* parser, CXmlElement* parent, std::wstring_view name, TDate value);
void AddTime(CXmlParser* parser, CXmlElement* parent, std::wstring_view name, int minutes);
// "UserDefinedFields" with one "UserDefinedField" {"Name", "Value"} per value in name order;
// written even when there are none.
void AddUserFields(CXmlParser* parser, CXmlElement* parent, const UserFieldValues& values);

// Reading a child of `element`; each is false (and leaves `out` alone) when the child is absent.
bool ReadText(CXmlParser* parser, CXmlElement* element, std::wstring_view name, std::wstring& out);
// The item's identity: the child's whole text is an integer.
bool ReadWholeInt(CXmlParser* parser, CXmlElement* element, std::wstring_view name, int& out);
// The decimal value at the start of the text (0 when none).
bool ReadInt(CXmlParser* parser, CXmlElement* element, std::wstring_view name, int& out);
// Non-zero decimal value: true.
bool ReadBool(CXmlParser* parser, CXmlElement* element, std::wstring_view name, bool& out);
// Also false for unreadable text.
bool ReadDouble(CXmlParser* parser, CXmlElement* element, std::wstring_view name, double& out);
bool ReadColor(CXmlParser* parser, CXmlElement* element, std::wstring_view name, wqv2_data::Color whenEmpty,
               wqv2_data::Color& out);
bool ReadDate(CXmlParser* parser, CXmlElement* element, std::wstring_view name, TDate& out);
bool ReadTime(CXmlParser* parser, CXmlElement* element, std::wstring_view name, int& out);
// Each "UserDefinedField" child of "UserDefinedFields" whose "Name" and "Value" are present and
// not empty stores its value; everything else is skipped. Never fails.
void ReadUserFields(CXmlParser* parser, CXmlElement* element, UserFieldValues& values);

} // namespace xmlv
