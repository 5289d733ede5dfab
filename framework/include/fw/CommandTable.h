#pragma once
// CCommandTable: a frame's commands as a list of entries, each one id or a range of ids with an
// action and an optional update of its menu item or tool-bar button. The first entry that
// covers an id wins. Filled in code (no macro tables), read when a command arrives and when
// menus and tool bars are refreshed.

#include "fw/CommandState.h"

#include <functional>
#include <vector>

namespace fw {

class CCommandTable {
public:
    using ExecuteFn = std::function<void(UINT id)>;
    using UpdateFn = std::function<void(CCommandState& state)>;

    // An entry without action still counts as handled: its command does nothing.
    void Add(UINT id, ExecuteFn execute, UpdateFn update = {});
    void AddRange(UINT first, UINT last, ExecuteFn execute, UpdateFn update = {});

    // true when an entry covers the id (its action, when it has one, has run).
    bool Execute(UINT id) const;
    // true when an entry with an update covers the state's id (the update has run).
    bool Update(CCommandState& state) const;
    bool Covers(UINT id) const { return Find(id) != nullptr; }

private:
    struct Entry {
        UINT first;
        UINT last;
        ExecuteFn execute;
        UpdateFn update;
    };
    const Entry* Find(UINT id) const;

    std::vector<Entry> m_entries;
};

} // namespace fw
