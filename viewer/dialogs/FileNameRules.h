#pragma once
// Replacement rules that make a proposed file name usable for HTML pages: each rule replaces one
// character by a text (possibly none). The reports dialog's rules come from string 855 and are
// kept for the rest of the process once built.

#include <map>
#include <string>
#include <string_view>

class CFileNameRules {
public:
    // Adds the rules of a TAB-separated text: the first character of each piece is replaced by
    // the rest of the piece; a later rule for a character replaces an earlier one; empty pieces
    // give none.
    void Build(std::wstring_view text);
    bool Empty() const { return m_rules.empty(); }
    // Every character that has a rule replaced once; inserted text is never scanned again.
    std::wstring Apply(std::wstring_view name) const;

private:
    std::map<wchar_t, std::wstring> m_rules;
};

// `name` through the process's rules of string 855 (at most 1023 characters of it). The rules
// are built on first use, and again on a later use while they are empty.
std::wstring MakeValidFileName(const std::wstring& name);
