#pragma once
// The recent-file list: a fixed number of slots, slot 0 the most recent, shown as numbered items
// of a menu with consecutive command ids.

#include <windows.h>

#include <string>
#include <vector>

namespace fw {

class CProfile;

class CRecentFileList {
public:
    static constexpr int kMaxSize = 16;

    // `keyFormat` holds one %d for the 1-based slot number ("File%d").
    CRecentFileList(std::wstring section, std::wstring keyFormat, int size, UINT firstCommand);

    int Size() const { return static_cast<int>(m_entries.size()); }
    // The slot's path; empty text for an empty slot or an index outside the list.
    const std::wstring& Entry(int index) const;
    int Count() const; // non-empty slots

    // Puts the path at the top; an entry naming the same file moves up instead of repeating.
    void Add(const std::wstring& path);
    void Remove(int index);

    void ReadList(const CProfile& profile);
    void WriteList(CProfile& profile) const;

    // Replaces the list's items in a menu that holds one of its command ids; with no entries the
    // first id stays as one greyed item.
    void UpdateMenu(HMENU menu);
    UINT FirstCommand() const { return m_firstCommand; }

private:
    std::wstring KeyName(int index) const;

    std::wstring m_section;
    std::wstring m_keyFormat;
    UINT m_firstCommand;
    std::vector<std::wstring> m_entries;
    std::wstring m_placeholderText; // the menu text of the first id before the list replaced it
};

} // namespace fw
