// Takes the process's address space away until only a given amount is left, as a large project
// would, so that a test can watch an allocation fail through the real heap. The space comes back
// when the object goes (or at Release()).
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace qvtest {

class ScarceAddressSpace {
public:
    // Under Wine the process's address space is shared with Wine's own side (its C library's
    // heap, its X client, which end the process when they find no room): what is taken leaves it
    // this many holes of 1 MB in the space it can reach. Windows has no such space.
    static constexpr int kWineSideHoles = 8;
    static constexpr std::size_t kHoleBytes = std::size_t(1) << 20;
    // Holes of 1 MB that Wine's own areas (the space only the program can have) keep at least.
    static constexpr int kOwnAreaHoles = 4;

    // Reserves (never commits) address space until about leftBytes of it stay free (at most),
    // besides the holes for Wine's own side. Without `piece`, what is left is few and large
    // pieces, where a program that grew until that much was left would have left them (and the
    // holes Wine's own areas keep); with `piece`, holes of that size apart from each other, in
    // space only the program can have (pieces under 4 MB are too small for a heap to grow in).
    explicit ScarceAddressSpace(std::size_t leftBytes, std::size_t piece = 0);
    // The same with `wineSideHoles` holes for Wine's own side (none: it has only what the program
    // gives back).
    ScarceAddressSpace(std::size_t leftBytes, std::size_t piece, int wineSideHoles);
    ~ScarceAddressSpace();
    ScarceAddressSpace(const ScarceAddressSpace&) = delete;
    ScarceAddressSpace& operator=(const ScarceAddressSpace&) = delete;

    // Then takes what the C runtime's heap still holds too, but for about leftBytes of it: with
    // none left, the next allocation of any size fails.
    void TakeHeap(std::size_t leftBytes = 0);
    void Release();
    // The address space still free, in bytes.
    static std::size_t FreeBytes();
    // What of it Wine's own side could have, in bytes: under Wine the free space outside its own
    // areas (as they were when the space was taken), under Windows all of it.
    std::size_t FreeForWineSide() const;

private:
    std::vector<std::pair<std::uintptr_t, std::uintptr_t>> shared_; // reserved when the space was taken
    std::vector<void*> blocks_;
    void* heap_ = nullptr; // the heap blocks taken, each holding the address of the one before
};

} // namespace qvtest
