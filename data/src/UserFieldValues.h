#pragma once
// The user-field values of one task or resource: field name to value text, names in ordinal
// (case-sensitive) order; a value is never empty (storing an empty value removes the entry).

#include <map>
#include <string>

class UserFieldValues {
public:
    int Count() const { return static_cast<int>(m_values.size()); }
    const wchar_t* NameAt(int index) const;          // null outside 0 to Count() - 1
    const wchar_t* Find(const wchar_t* name) const;  // null when none; null name counts as ""
    void Set(const wchar_t* name, const wchar_t* value);
    bool Has(const wchar_t* name) const { return Find(name) != nullptr; }
    // Moves the value under oldName to newName (null or "" removes it); true when there was one.
    bool Rename(const wchar_t* oldName, const wchar_t* newName);
    void Clear() { m_values.clear(); }
    // Ordinal order that also takes a name as it comes: Find runs for every user-field cell of a
    // report, and needs neither a string made nor the name measured first.
    struct NameLess {
        using is_transparent = void;
        bool operator()(const std::wstring& a, const std::wstring& b) const { return a < b; }
        bool operator()(const std::wstring& a, const wchar_t* b) const { return Compare(a, b) < 0; }
        bool operator()(const wchar_t* a, const std::wstring& b) const { return Compare(b, a) > 0; }
        static int Compare(const std::wstring& a, const wchar_t* b);
    };
    using Map = std::map<std::wstring, std::wstring, NameLess>;
    const Map& Values() const { return m_values; }
    void CopyFrom(const UserFieldValues& other) { m_values = other.m_values; }

private:
    Map m_values;
};
