// File-name replacement rules.
#include "FileNameRules.h"

#include "QV2ResVIds.h"
#include "fw/Resources.h"

void CFileNameRules::Build(std::wstring_view text)
{
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L'\t', start);
        if (end == std::wstring_view::npos)
            end = text.size();
        if (end > start)
            m_rules[text[start]] = std::wstring(text.substr(start + 1, end - start - 1));
        start = end + 1;
    }
}

std::wstring CFileNameRules::Apply(std::wstring_view name) const
{
    std::wstring result;
    result.reserve(name.size());
    for (wchar_t c : name) {
        const auto rule = m_rules.find(c);
        if (rule == m_rules.end())
            result += c;
        else
            result += rule->second;
    }
    return result;
}

std::wstring MakeValidFileName(const std::wstring& name)
{
    static CFileNameRules rules; // the process's table, kept once it holds a rule
    if (rules.Empty())
        rules.Build(fw::LoadResString(IDS_HTML_FILE_NAME_RULES).substr(0, 1023));
    return rules.Apply(name);
}
