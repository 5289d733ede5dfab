#pragma once
// CCSVParser: the row splitter of the older sectioned text format (the library's CSV reader):
// fields separated by any character of a separator set, quoted fields with doubled quotes, and
// a marker that stands for a line break inside a field. CCSVParserInt takes the separator set
// and the marker from the library's own string table.

#include <string>
#include <string_view>
#include <vector>

class CCSVParser {
public:
    CCSVParser() = default;
    CCSVParser(std::wstring_view separators, std::wstring_view lineBreak)
        : m_separators(separators), m_lineBreak(lineBreak)
    {
    }

    // Leaves exactly this row's fields in `fields` and returns their number: 0 for an empty
    // row. A row ending with a separator has a last, empty field. Without separators the whole
    // row is one field.
    int SplitRow(std::wstring_view row, std::vector<std::wstring>& fields) const;

    const std::wstring& Separators() const { return m_separators; }
    const std::wstring& LineBreak() const { return m_lineBreak; }

private:
    std::wstring m_separators = L";"; // any one of these ends a field
    std::wstring m_lineBreak;         // replaced by CR LF inside fields; empty: none
};

class CCSVParserInt : public CCSVParser {
public:
    CCSVParserInt(); // separators from string 20, the line-break marker from string 21
};
