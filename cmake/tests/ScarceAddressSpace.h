// Takes the process's address space away until only a given amount is left, as a large project
// would, so that a test can watch an allocation fail through the real heap. The space comes back
// when the object goes (or at Release()).
#pragma once

#include <cstddef>
#include <vector>

namespace qvtest {

class ScarceAddressSpace {
public:
    // Reserves (never commits) address space until about leftBytes of it stay free (at most).
    // Leave Wine a few MB for pages of its own: with none at all it hands one page out twice and
    // ends the process in an assertion. Pieces under 4 MB are too small for a heap to grow in;
    // with `piece`, what is left is holes of that size apart from each other.
    explicit ScarceAddressSpace(std::size_t leftBytes, std::size_t piece = 0);
    ~ScarceAddressSpace();
    ScarceAddressSpace(const ScarceAddressSpace&) = delete;
    ScarceAddressSpace& operator=(const ScarceAddressSpace&) = delete;

    // Then takes what the C runtime's heap still holds too, but for about leftBytes of it: with
    // none left, the next allocation of any size fails.
    void TakeHeap(std::size_t leftBytes = 0);
    void Release();
    // The address space still free, in bytes.
    static std::size_t FreeBytes();

private:
    std::vector<void*> blocks_;
    void* heap_ = nullptr; // the heap blocks taken, each holding the address of the one before
};

} // namespace qvtest
