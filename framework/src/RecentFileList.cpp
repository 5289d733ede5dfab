// The recent-file list and its menu items.
#include "fw/RecentFileList.h"

#include "ClassicText.h"
#include "SafeFormat.h"
#include "fw/PopupMenu.h"
#include "fw/Profile.h"

#include <algorithm>

namespace fw {

namespace {

const std::wstring kEmpty;

bool SameFile(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

} // namespace

CRecentFileList::CRecentFileList(std::wstring section, std::wstring keyFormat, int size, UINT firstCommand)
    : m_section(std::move(section)), m_keyFormat(std::move(keyFormat)), m_firstCommand(firstCommand),
      m_entries(static_cast<size_t>(std::clamp(size, 0, kMaxSize)))
{
}

const std::wstring& CRecentFileList::Entry(int index) const
{
    if (index < 0 || index >= Size())
        return kEmpty;
    return m_entries[static_cast<size_t>(index)];
}

int CRecentFileList::Count() const
{
    return static_cast<int>(std::count_if(m_entries.begin(), m_entries.end(), [](const auto& e) { return !e.empty(); }));
}

void CRecentFileList::Add(const std::wstring& path)
{
    if (m_entries.empty() || path.empty())
        return;
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const auto& e) { return SameFile(e, path); });
    if (it == m_entries.end())
        it = m_entries.end() - 1; // the oldest slot drops out
    std::move_backward(m_entries.begin(), it, it + 1);
    m_entries.front() = path;
}

void CRecentFileList::Remove(int index)
{
    if (index < 0 || index >= Size())
        return;
    m_entries.erase(m_entries.begin() + index);
    m_entries.emplace_back();
}

std::wstring CRecentFileList::KeyName(int index) const
{
    return msgfmt::Format(m_keyFormat, {index + 1});
}

void CRecentFileList::ReadList(const CProfile& profile)
{
    for (int i = 0; i < Size(); ++i)
        m_entries[static_cast<size_t>(i)] = profile.GetString(m_section, KeyName(i), std::wstring());
}

void CRecentFileList::WriteList(CProfile& profile) const
{
    for (int i = 0; i < Size(); ++i)
        profile.WriteString(m_section, KeyName(i), m_entries[static_cast<size_t>(i)]);
}

void CRecentFileList::UpdateMenu(HMENU menu)
{
    const int count = GetMenuItemCount(menu);
    int position = -1;
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(menu, i);
        if (id >= m_firstCommand && id < m_firstCommand + kMaxSize) {
            position = i;
            break;
        }
    }
    if (position < 0)
        return;
    if (m_placeholderText.empty() && GetMenuItemID(menu, position) == m_firstCommand)
        m_placeholderText = MenuItemText(menu, position);
    for (UINT id = m_firstCommand; id < m_firstCommand + kMaxSize; ++id)
        DeleteMenu(menu, id, MF_BYCOMMAND);

    UINT at = static_cast<UINT>(position);
    int shown = 0;
    for (int i = 0; i < Size(); ++i) {
        const std::wstring& path = m_entries[static_cast<size_t>(i)];
        if (path.empty())
            continue;
        const std::wstring text = L"&" + ctext::IntText((shown + 1) % 10) + L" " + PlainMenuText(path.c_str());
        InsertMenuW(menu, at++, MF_BYPOSITION | MF_STRING, m_firstCommand + static_cast<UINT>(i), text.c_str());
        ++shown;
    }
    if (shown == 0)
        InsertMenuW(menu, at, MF_BYPOSITION | MF_STRING | MF_GRAYED, m_firstCommand, m_placeholderText.c_str());
}

} // namespace fw
