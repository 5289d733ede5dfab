#pragma once
// The user-field values of one task or resource: field name to value text, names in ordinal
// (case-sensitive) order; a value is never empty (storing an empty value removes the entry).

#include <functional>
#include <map>
#include <string>
#include <string_view>

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
    // Ordered by std::less<>, so a name is looked up without a string made for it.
    using Map = std::map<std::wstring, std::wstring, std::less<>>;
    const Map& Values() const { return m_values; }
    void CopyFrom(const UserFieldValues& other) { m_values = other.m_values; }

private:
    Map m_values;
};
