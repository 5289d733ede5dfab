// Texts kept for the values a report run shows again.
#include "common/KeptTexts.h"

#include "common/ValueFormat.h"

#include <cstring>

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

const std::wstring& CKeptValueTexts::Costs(const CValueFormats& formats, double value)
{
    uint64_t bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    bool made = false;
    std::wstring& text = m_costs.Slot(bits, 0, made);
    if (!made)
        formats.Costs(value, text);
    return text;
}

const std::wstring& CKeptValueTexts::Duration(const CValueFormats& formats, int minutes, int type, bool shortForm)
{
    const uint64_t key = static_cast<uint64_t>(static_cast<uint32_t>(minutes)) << 32 | static_cast<uint32_t>(type);
    bool made = false;
    std::wstring& text = m_durations.Slot(key, shortForm ? 1 : 0, made);
    if (!made)
        formats.Duration(minutes, type, shortForm, text);
    return text;
}
