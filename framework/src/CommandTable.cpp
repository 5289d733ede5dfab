// Command entries of a frame.
#include "fw/CommandTable.h"

namespace fw {

void CCommandTable::Add(UINT id, ExecuteFn execute, UpdateFn update)
{
    AddRange(id, id, std::move(execute), std::move(update));
}

void CCommandTable::AddRange(UINT first, UINT last, ExecuteFn execute, UpdateFn update)
{
    m_entries.push_back(Entry{first, last, std::move(execute), std::move(update)});
}

const CCommandTable::Entry* CCommandTable::Find(UINT id) const
{
    for (const Entry& entry : m_entries) {
        if (id >= entry.first && id <= entry.last)
            return &entry;
    }
    return nullptr;
}

bool CCommandTable::Execute(UINT id) const
{
    const Entry* entry = Find(id);
    if (!entry)
        return false;
    // A copy: the action may change the table (or destroy the frame that holds it).
    const ExecuteFn execute = entry->execute;
    if (execute)
        execute(id);
    return true;
}

bool CCommandTable::Update(CCommandState& state) const
{
    const Entry* entry = Find(state.id);
    if (!entry || !entry->update)
        return false;
    const UpdateFn update = entry->update;
    update(state);
    return true;
}

} // namespace fw
