// User-field values of tasks and resources.
#include "UserFieldValues.h"

#include "TextSlots.h"

#include <iterator>

const wchar_t* UserFieldValues::NameAt(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return std::next(m_values.begin(), index)->first.c_str();
}

const wchar_t* UserFieldValues::Find(const wchar_t* name) const
{
    const auto it = m_values.find(std::wstring_view(TextOrEmpty(name)));
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
