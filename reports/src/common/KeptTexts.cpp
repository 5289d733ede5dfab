// Texts kept for the values a report run shows again.
#include "common/KeptTexts.h"

std::wstring& CKeptTexts::Slot(uint64_t key, int extra, bool& made)
{
    constexpr size_t kFirstSlots = 64;
    constexpr size_t kMostSlots = 4096;
    if (m_slots.empty() || (m_misses > 2 * m_slots.size() && m_slots.size() < kMostSlots)) {
        m_slots.assign(m_slots.empty() ? kFirstSlots : m_slots.size() * 4, Kept());
        m_misses = 0;
    }
    // Fibonacci hashing: the top bits of the product take in every bit of the key.
    const uint64_t hash = key * 0x9E3779B97F4A7C15ull + static_cast<unsigned>(extra);
    Kept& slot = m_slots[(hash >> 40) & (m_slots.size() - 1)]; // sizes are powers of two
    made = slot.used && slot.key == key && slot.extra == extra;
    if (!made) {
        ++m_misses;
        slot.key = key;
        slot.extra = extra;
        slot.used = true;
        slot.text.clear();
    }
    return slot.text;
}
