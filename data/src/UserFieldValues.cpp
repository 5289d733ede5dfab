// User-field values of tasks and resources.
#include "UserFieldValues.h"

#include "TextSlots.h"

#include <iterator>

int UserFieldValues::NameLess::Compare(const std::wstring& a, const wchar_t* b)
{
    // Stored names come from such texts: they hold no zero of their own.
    for (size_t i = 0;; ++i) {
        if (i == a.size())
            return b[i] == L'\0' ? 0 : -1;
        if (b[i] == L'\0')
            return 1;
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    }
}

const wchar_t* UserFieldValues::NameAt(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return std::next(m_values.begin(), index)->first.c_str();
}

const wchar_t* UserFieldValues::Find(const wchar_t* name) const
{
    const auto it = m_values.find(TextOrEmpty(name));
    return it == m_values.end() ? nullptr : it->second.c_str();
}

void UserFieldValues::Set(const wchar_t* name, const wchar_t* value)
{
    name = TextOrEmpty(name);
    value = TextOrEmpty(value);
    if (*value == L'\0')
        m_values.erase(name);
    else
        m_values[name] = value;
}

bool UserFieldValues::Rename(const wchar_t* oldName, const wchar_t* newName)
{
    const auto it = m_values.find(TextOrEmpty(oldName));
    if (it == m_values.end())
        return false;
    std::wstring value = std::move(it->second);
    m_values.erase(it);
    if (newName && *newName)
        m_values[newName] = std::move(value);
    return true;
}
