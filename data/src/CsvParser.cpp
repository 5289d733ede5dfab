// The older format's row splitter.
#include "CsvParser.h"

#include "ModuleResources.h"
#include "QV2DRes.h"

namespace {

void ReplaceAll(std::wstring& text, std::wstring_view what, std::wstring_view with)
{
    if (what.empty())
        return;
    size_t at = text.find(what);
    while (at != std::wstring::npos) {
        text.replace(at, what.size(), with);
        at = text.find(what, at + with.size());
    }
}

} // namespace

int CCSVParser::SplitRow(std::wstring_view row, std::vector<std::wstring>& fields) const
{
    fields.clear();
    if (row.empty())
        return 0;
    size_t pos = 0;
    for (;;) {
        std::wstring field;
        if (pos < row.size() && row[pos] == L'"') {
            // Quoted: "" stands for one quote, a single quote ends the quoted part, and what
            // follows up to the next separator is kept as it stands.
            ++pos;
            while (pos < row.size()) {
                if (row[pos] == L'"') {
                    if (pos + 1 < row.size() && row[pos + 1] == L'"') {
                        field += L'"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                field += row[pos++];
            }
        }
        const size_t end = m_separators.empty() ? std::wstring_view::npos : row.find_first_of(m_separators, pos);
        const size_t stop = end == std::wstring_view::npos ? row.size() : end;
        field.append(row.substr(pos, stop - pos));
        ReplaceAll(field, m_lineBreak, L"\r\n");
        fields.push_back(std::move(field));
        if (stop >= row.size())
            break;
        pos = stop + 1;
    }
    return static_cast<int>(fields.size());
}

CCSVParserInt::CCSVParserInt()
    : CCSVParser(module::LoadText(IDS_LEGACY_SEPARATORS), module::LoadText(IDS_LEGACY_LINEBREAK))
{
}
