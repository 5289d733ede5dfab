#pragma once
// CKeptTexts: texts made once in a report run and given again for the same value. Few colours,
// costs and durations recur in a report, however many rows show them. The table starts small,
// so a small report does not pay for the room of a large one, and grows (starting afresh) while
// it misses more often than it has slots.

#include <cstdint>
#include <string>
#include <vector>

class CValueFormats;

class CKeptTexts {
public:
    // The text kept for (key, extra); `made` false when it holds none for them yet: the caller
    // then makes it in the string given (emptied).
    std::wstring& Slot(uint64_t key, int extra, bool& made);

private:
    struct Kept {
        uint64_t key = 0;
        int extra = 0;
        bool used = false;
        std::wstring text;
    };
    std::vector<Kept> m_slots; // a power of two of them
    size_t m_misses = 0;       // since the slots were made
};

// The costs and duration texts of a run's formats, each made once for its value.
class CKeptValueTexts {
public:
    const std::wstring& Costs(const CValueFormats& formats, double value);
    const std::wstring& Duration(const CValueFormats& formats, int minutes, int type, bool shortForm);

private:
    CKeptTexts m_costs;
    CKeptTexts m_durations;
};
