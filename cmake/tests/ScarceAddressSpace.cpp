#include "ScarceAddressSpace.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <cstdlib>

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

// The regions reserved (not committed, not free) by now: Wine's own areas among them.
std::vector<std::pair<std::uintptr_t, std::uintptr_t>> ReservedRegions()
{
    std::vector<std::pair<std::uintptr_t, std::uintptr_t>> regions;
    regions.reserve(4096);
    MEMORY_BASIC_INFORMATION info{};
    for (const char* at = nullptr; VirtualQuery(at, &info, sizeof info) == sizeof info;) {
        const auto first = reinterpret_cast<std::uintptr_t>(info.BaseAddress);
        if (info.State == MEM_RESERVE && regions.size() < regions.capacity())
            regions.emplace_back(first, first + info.RegionSize);
        const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
        if (next <= at)
            break;
        at = next;
    }
    return regions;
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

ScarceAddressSpace::ScarceAddressSpace(std::size_t leftBytes, std::size_t piece)
{
    // Wine's own reserved areas, before anything is taken: VirtualAlloc hands them out once the
    // free space is gone, but a piece of one given back while the rest stays taken leaves Wine's
    // books wrong (its next mapping of its own there ends the process). What is left is left
    // outside them; they go back only all at once, with everything else.
    const std::vector<std::pair<std::uintptr_t, std::uintptr_t>> reserved = ReservedRegions();
    const auto inReserved = [&](void* block) {
        const auto address = reinterpret_cast<std::uintptr_t>(block);
        for (const auto& [first, end] : reserved) {
            if (address >= first && address < end)
                return true;
        }
        return false;
    };
    auto taken = TakeEverything();
    std::sort(taken.begin(), taken.end(), [](auto& a, auto& b) { return a.second > b.second; });
    blocks_.reserve(taken.size() + (piece ? 2 * leftBytes / piece + 1 : 0));
    std::size_t givenBack = 0;
    if (piece) {
        // The start of one block taken again in pieces, every other one given back (holes of one
        // piece each), its rest as one block.
        for (auto& [block, size] : taken) {
            const std::size_t split = 2 * leftBytes;
            if (!block || size < split + piece || inReserved(block))
                continue;
            VirtualFree(block, 0, MEM_RELEASE);
            char* const start = static_cast<char*>(block);
            for (std::size_t offset = 0; offset < split; offset += piece) {
                if ((offset / piece) % 2 == 1 && givenBack + piece <= leftBytes)
                    givenBack += piece;
                else if (VirtualAlloc(start + offset, piece, MEM_RESERVE, PAGE_NOACCESS) == start + offset)
                    blocks_.push_back(start + offset);
            }
            if (VirtualAlloc(start + split, size - split, MEM_RESERVE, PAGE_NOACCESS) == start + split)
                blocks_.push_back(start + split);
            block = nullptr;
            break;
        }
    }
    // Else the largest pieces that still fit, so that what is left is few and large.
    for (auto [block, size] : taken) {
        if (!block)
            continue;
        if (givenBack + size <= leftBytes && !inReserved(block)) {
            VirtualFree(block, 0, MEM_RELEASE);
            givenBack += size;
        } else {
            blocks_.push_back(block);
        }
    }
}

ScarceAddressSpace::~ScarceAddressSpace() { Release(); }

void ScarceAddressSpace::TakeHeap(std::size_t leftBytes)
{
    // Below the size that the heap places outside itself, straight into the address space left.
    constexpr std::size_t kLargestHeapBlock = std::size_t(256) << 10;
    // Linked through the blocks themselves, each holding the next block and its own size: a list
    // beside them would need memory of its own.
    struct Block {
        Block* next;
        std::size_t size;
    };
    Block* taken = nullptr;
    for (std::size_t size = kLargestHeapBlock; size >= sizeof(Block);) {
        if (auto* block = static_cast<Block*>(std::malloc(size))) {
            *block = {taken, size};
            taken = block;
        } else {
            size /= 2;
        }
    }
    // The largest pieces that fit go back first, so that what is left is few and large.
    std::size_t givenBack = 0;
    for (std::size_t size = kLargestHeapBlock; size >= sizeof(Block); size /= 2) {
        for (Block** at = &taken; *at;) {
            Block* block = *at;
            if (block->size == size && givenBack + size <= leftBytes) {
                *at = block->next;
                givenBack += size;
                std::free(block);
            } else {
                at = &block->next;
            }
        }
    }
    while (taken) {
        Block* next = taken->next;
        *reinterpret_cast<void**>(taken) = heap_;
        heap_ = taken;
        taken = next;
    }
}

void ScarceAddressSpace::Release()
{
    while (heap_) {
        void* next = *static_cast<void**>(heap_);
        std::free(heap_);
        heap_ = next;
    }
    for (void* block : blocks_) VirtualFree(block, 0, MEM_RELEASE);
    blocks_.clear();
}

} // namespace qvtest
