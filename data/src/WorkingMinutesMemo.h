#pragma once
// CWorkingMinutesMemo: the answers of one calendar's WorkingMinutes, keyed by the period. The
// calendar owns it and empties it whenever anything the answers depend on may have changed
// (after a load, after every commit that changed something, on rollback, close and clear).

#include <cstddef>
#include <cstdint>
#include <map>
#include <tuple>

class CWorkingMinutesMemo {
public:
    // Enough for the periods a report or a board view asks about between two edits; a caller
    // sweeping over ever new periods would otherwise grow the memo without bound.
    static constexpr size_t kCapacity = 65536;

    // False when the period is not remembered.
    bool Find(uint32_t fromDay, int fromMinute, uint32_t toDay, int toMinute, int& result) const
    {
        const auto it = m_answers.find(Key{fromDay, fromMinute, toDay, toMinute});
        if (it == m_answers.end())
            return false;
        result = it->second;
        return true;
    }
    // A full memo starts over rather than evicting one by one: cheap and never stale.
    void Store(uint32_t fromDay, int fromMinute, uint32_t toDay, int toMinute, int result)
    {
        if (m_answers.size() >= kCapacity)
            m_answers.clear();
        m_answers[Key{fromDay, fromMinute, toDay, toMinute}] = result;
    }
    void Clear() { m_answers.clear(); }
    size_t Size() const { return m_answers.size(); }

private:
    // From-day, from-minute, to-day, to-minute, compared in that order.
    struct Key {
        uint32_t fromDay;
        int fromMinute;
        uint32_t toDay;
        int toMinute;
        bool operator<(const Key& other) const
        {
            return std::tie(fromDay, fromMinute, toDay, toMinute) <
                   std::tie(other.fromDay, other.fromMinute, other.toDay, other.toMinute);
        }
    };

    std::map<Key, int> m_answers;
};
