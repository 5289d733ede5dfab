#include "ScarceAddressSpace.h"

#include <windows.h>

#include <algorithm>

namespace qvtest {

namespace {

// Reserves every piece of address space it can get, largest first. Wine keeps areas of its own
// reserved that it still hands out to VirtualAlloc, so a walk with VirtualQuery would not tell
// what is really left: asking is the only measure.
std::vector<std::pair<void*, std::size_t>> TakeEverything()
{
    std::vector<std::pair<void*, std::size_t>> taken;
    // Room for every piece before the space runs out: growing later could fail.
    taken.reserve(16384);
    const std::size_t granularity = 64 * 1024;
    for (std::size_t size = std::size_t(1) << 30; size >= granularity;) {
        void* block = taken.size() < taken.capacity() ? VirtualAlloc(nullptr, size, MEM_RESERVE, PAGE_NOACCESS) : nullptr;
        if (block)
            taken.emplace_back(block, size);
        else
            size /= 2;
    }
    return taken;
}

} // namespace

std::size_t ScarceAddressSpace::FreeBytes()
{
    std::size_t free = 0;
    for (auto [block, size] : TakeEverything()) {
        free += size;
        VirtualFree(block, 0, MEM_RELEASE);
    }
    return free;
}

ScarceAddressSpace::ScarceAddressSpace(std::size_t leftBytes)
{
    auto taken = TakeEverything();
    // Give back the largest pieces that still fit, so that what is left is few and large.
    std::sort(taken.begin(), taken.end(), [](auto& a, auto& b) { return a.second > b.second; });
    std::size_t givenBack = 0;
    blocks_.reserve(taken.size());
    for (auto [block, size] : taken) {
        if (givenBack + size <= leftBytes) {
            VirtualFree(block, 0, MEM_RELEASE);
            givenBack += size;
        } else {
            blocks_.push_back(block);
        }
    }
}

ScarceAddressSpace::~ScarceAddressSpace() { Release(); }

void ScarceAddressSpace::Release()
{
    for (void* block : blocks_) VirtualFree(block, 0, MEM_RELEASE);
    blocks_.clear();
}

} // namespace qvtest
