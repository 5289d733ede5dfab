// Value text forms of project documents.
#include "XmlValues.h"

#include "UserFieldValues.h"
#include "XmlParser.h"

#include "ClassicText.h"
#include "TTime.h"

#include <charconv>

using wqv2_data::Color;

namespace xmlv {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

std::wstring_view TrimBlanks(std::wstring_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Reads one integer at `i` (blanks, sign, digits); false when there is none.
bool NextInt(std::wstring_view s, size_t& i, long long& out)
{
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    size_t j = i;
    if (j < s.size() && (s[j] == L'+' || s[j] == L'-'))
        ++j;
    if (j >= s.size() || !IsDigit(s[j]))
        return false;
    const size_t end = s.find_first_not_of(L"0123456789", j);
    const size_t stop = end == std::wstring_view::npos ? s.size() : end;
    out = ctext::ParseInt(s.substr(i, stop - i));
    i = stop;
    return true;
}

// The text of child `name` for reading a number, a date, a time or a colour. Such text never
// needs unescaping unless it holds a reference, so it is read in place; only then is a copy
// made into `scratch`. The result is zero-terminated. Null when the child is absent.
const wchar_t* ValueText(CXmlParser* parser, CXmlElement* element, std::wstring_view name, std::wstring& scratch)
{
    const CXmlElement* child = parser->FindChildElement(element, name);
    if (!child)
        return nullptr;
    if (child->RawText().find(L'&') == std::pmr::wstring::npos)
        return child->RawText().c_str();
    scratch = parser->GetElementText(child);
    return scratch.c_str();
}

} // namespace

std::wstring ColorText(Color color)
{
    return ctext::IntText(color & 0xFF) + L' ' + ctext::IntText((color >> 8) & 0xFF) + L' ' +
           ctext::IntText((color >> 16) & 0xFF);
}

Color ParseColor(std::wstring_view text, Color whenEmpty)
{
    if (text.empty())
        return whenEmpty;
    long long parts[3] = {0, 0, 0};
    size_t i = 0;
    for (long long& part : parts) {
        if (!NextInt(text, i, part))
            break;
    }
    // red + green * 256 + blue * 65536, kept to the 24 bits a colour has.
    const unsigned long long value = static_cast<unsigned long long>(parts[0]) +
                                     static_cast<unsigned long long>(parts[1]) * 256ull +
                                     static_cast<unsigned long long>(parts[2]) * 65536ull;
    return static_cast<Color>(value & 0xFFFFFFull);
}

std::wstring DateText(TDate date)
{
    wchar_t buffer[16];
    return date.Format(buffer, 16, 0, L"yyyyMMdd");
}

std::wstring TimeText(int minutes)
{
    // Stored directly, so 1440 (the end of a day) keeps its "24:00".
    TTime time(0);
    time.minutes = minutes;
    wchar_t buffer[16];
    return time.Format(0, buffer, L"HH':'mm", 16);
}

bool ParseWholeInt(std::wstring_view text, int& out) { return ctext::ParseIntExact(TrimBlanks(text), out); }

bool ParseReadableDouble(std::wstring_view text, double& out)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        ++i;
    std::string narrow;
    for (; i < text.size() && text[i] < 0x80 && text[i] > L' '; ++i)
        narrow.push_back(static_cast<char>(text[i]));
    double probe = 0.0;
    const auto r = std::from_chars(narrow.data(), narrow.data() + narrow.size(), probe);
    if (narrow.empty() || narrow[0] == '+' || narrow[0] == '-' || r.ec == std::errc::invalid_argument)
        return false;
    out = ctext::ParseDouble(text);
    return true;
}

void AddText(CXmlParser* parser, CXmlElement* parent, std::wstring_view name, std::wstring_view text)
{
    parser->AddChildElement(parent, name, text);
}

void AddInt(CXmlParser* parser, CXmlElement* parent, std::wstring_view name, long long value)
{
    AddText(parser, parent, name, ctext::IntText(value));
}

void AddBool(CXmlParser* parser, CXmlElement* parent, std::wstring_view name, bool value)
{
    AddText(parser, parent, name, value ? L"1" : L"0");
}

void AddDouble(CXmlParser* parser, CXmlElement* parent, std::wstring_view name, double value)
{
    AddText(parser, parent, name, ctext::DoubleText(value));
}

void AddColor(CXmlParser* parser, CXmlElement* parent, std::wstring_view name, Color value)
{
    AddText(parser, parent, name, ColorText(value));
}

void AddDate(CXmlParser* parser, CXmlElement* parent, std::wstring_view name, TDate value)
{
    AddText(parser, parent, name, DateText(value));
}

void AddTime(CXmlParser* parser, CXmlElement* parent, std::wstring_view name, int minutes)
{
    AddText(parser, parent, name, TimeText(minutes));
}

void AddUserFields(CXmlParser* parser, CXmlElement* parent, const UserFieldValues& values)
{
    CXmlElement* fields = parser->AddChildElement(parent, L"UserDefinedFields", L"");
    for (const auto& [name, value] : values.Values()) {
        CXmlElement* field = parser->AddChildElement(fields, L"UserDefinedField", L"");
        AddText(parser, field, L"Name", name);
        AddText(parser, field, L"Value", value);
    }
}

bool ReadText(CXmlParser* parser, CXmlElement* element, std::wstring_view name, std::wstring& out)
{
    const CXmlElement* child = parser->FindChildElement(element, name);
    if (!child)
        return false;
    out = parser->GetElementText(child);
    return true;
}

bool ReadWholeInt(CXmlParser* parser, CXmlElement* element, std::wstring_view name, int& out)
{
    std::wstring scratch;
    const wchar_t* text = ValueText(parser, element, name, scratch);
    return text && ParseWholeInt(text, out);
}

bool ReadInt(CXmlParser* parser, CXmlElement* element, std::wstring_view name, int& out)
{
    std::wstring scratch;
    const wchar_t* text = ValueText(parser, element, name, scratch);
    if (!text)
        return false;
    out = ctext::ParseInt(text);
    return true;
}

bool ReadBool(CXmlParser* parser, CXmlElement* element, std::wstring_view name, bool& out)
{
    int value = 0;
    if (!ReadInt(parser, element, name, value))
        return false;
    out = value != 0;
    return true;
}

bool ReadDouble(CXmlParser* parser, CXmlElement* element, std::wstring_view name, double& out)
{
    std::wstring scratch;
    const wchar_t* text = ValueText(parser, element, name, scratch);
    return text && ParseReadableDouble(text, out);
}

bool ReadColor(CXmlParser* parser, CXmlElement* element, std::wstring_view name, Color whenEmpty, Color& out)
{
    std::wstring scratch;
    const wchar_t* text = ValueText(parser, element, name, scratch);
    if (!text)
        return false;
    out = ParseColor(text, whenEmpty);
    return true;
}

bool ReadDate(CXmlParser* parser, CXmlElement* element, std::wstring_view name, TDate& out)
{
    std::wstring scratch;
    const wchar_t* text = ValueText(parser, element, name, scratch);
    if (!text)
        return false;
    out = TDate::Parse(text);
    return true;
}

bool ReadTime(CXmlParser* parser, CXmlElement* element, std::wstring_view name, int& out)
{
    std::wstring scratch;
    const wchar_t* text = ValueText(parser, element, name, scratch);
    if (!text)
        return false;
    out = TTime::ParseFixed(text).minutes;
    return true;
}

void ReadUserFields(CXmlParser* parser, CXmlElement* element, UserFieldValues& values)
{
    CXmlElement* fields = parser->FindChildElement(element, L"UserDefinedFields");
    for (CXmlElement* field = parser->FirstChildElement(fields); field; field = parser->NextChildElement(fields)) {
        if (field->Name() != L"UserDefinedField")
            continue;
        std::wstring name;
        std::wstring value;
        if (ReadText(parser, field, L"Name", name) && ReadText(parser, field, L"Value", value) && !name.empty() &&
            !value.empty())
            values.Set(name.c_str(), value.c_str());
    }
}

} // namespace xmlv
