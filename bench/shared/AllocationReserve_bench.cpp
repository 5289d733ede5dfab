// Prints what a small allocation costs while memory is short: after an allocation has failed,
// with the address space taken and the heap holding only small pieces, so that the reserve
// cannot fill itself again; and the same with memory there, for comparison.
#include "ScarceAddressSpace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

constexpr int kPieces = 20000;
constexpr int kAllocations = 10000;
void* gPieces[kPieces];
void* gAllocated[kAllocations];

// Microseconds an allocation of 32 bytes takes, over kAllocations of them (freed again).
double MicrosecondsEach()
{
    const auto start = std::chrono::steady_clock::now();
    int made = 0;
    try {
        for (; made < kAllocations; ++made)
            gAllocated[made] = ::operator new(32);
    } catch (const std::bad_alloc&) {
    }
    const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    for (int i = 0; i < made; ++i)
        ::operator delete(gAllocated[i]);
    return made ? us / made : 0;
}

} // namespace

int main()
{
    std::printf("memory there: %.2f us an allocation\n", MicrosecondsEach());
    for (void*& piece : gPieces)
        piece = std::malloc(64);
    {
        qvtest::ScarceAddressSpace space(std::size_t(16) << 20, std::size_t(1) << 20);
        space.TakeHeap(0);
        try {
            (void)::operator new(std::size_t(1) << 20);
        } catch (const std::bad_alloc&) {
        }
        // Every other piece back to the heap: room for small allocations only.
        for (int i = 0; i < kPieces; i += 2)
            std::free(gPieces[i]);
        std::printf("memory short: %.2f us an allocation\n", MicrosecondsEach());
    }
    for (int i = 1; i < kPieces; i += 2)
        std::free(gPieces[i]);
    return 0;
}
