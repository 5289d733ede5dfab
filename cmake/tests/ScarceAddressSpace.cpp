#include "ScarceAddressSpace.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace qvtest {

namespace {

using Region = std::pair<std::uintptr_t, std::uintptr_t>;

using Block = std::pair<void*, std::size_t>;
constexpr std::size_t kMostBlocks = 16384;

// Reserves every piece of address space it can get, largest first, into `taken` (room for
// kMostBlocks: growing later could fail). Wine keeps areas of its own reserved that it still
// hands out to VirtualAlloc, so a walk with VirtualQuery would not tell what is really left:
// asking is the only measure.
std::size_t TakeEverything(Block* taken)
{
    std::size_t count = 0;
    const std::size_t granularity = 64 * 1024;
    for (std::size_t size = std::size_t(1) << 30; size >= granularity;) {
        void* block = count < kMostBlocks ? VirtualAlloc(nullptr, size, MEM_RESERVE, PAGE_NOACCESS) : nullptr;
        if (block)
            taken[count++] = {block, size};
        else
            size /= 2;
    }
    return count;
}

std::vector<Block> TakeEverything()
{
    std::vector<Block> taken(kMostBlocks);
    taken.resize(TakeEverything(taken.data()));
    return taken;
}

// What is free now, in bytes (blocks that `count` says yes to), given back at once. Counted in
// storage of its own: the heap may be taken too.
template <class Count>
std::size_t CountFree(Count count)
{
    static Block taken[kMostBlocks];
    const std::size_t blocks = TakeEverything(taken);
    std::size_t free = 0;
    for (std::size_t i = 0; i < blocks; ++i) {
        if (count(taken[i].first))
            free += taken[i].second;
        VirtualFree(taken[i].first, 0, MEM_RELEASE);
    }
    return free;
}

// The regions reserved (not committed, not free) by now. Under Wine these include the space it
// shares with its own side (its C library, its X client): it reports that as reserved until the
// program takes some of it, which it hands out only once its own areas are used up.
std::vector<Region> ReservedRegions()
{
    std::vector<Region> regions;
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

bool IsIn(const std::vector<Region>& regions, void* block)
{
    const auto address = reinterpret_cast<std::uintptr_t>(block);
    for (const auto& [first, end] : regions) {
        if (address >= first && address < end)
            return true;
    }
    return false;
}

} // namespace

std::size_t ScarceAddressSpace::FreeBytes()
{
    return CountFree([](void*) { return true; });
}

std::size_t ScarceAddressSpace::FreeForWineSide() const
{
    const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return CountFree([&](void* block) { return !wine || IsIn(shared_, block); });
}

ScarceAddressSpace::ScarceAddressSpace(std::size_t leftBytes, std::size_t piece)
    : ScarceAddressSpace(leftBytes, piece, kWineSideHoles)
{
}

ScarceAddressSpace::ScarceAddressSpace(std::size_t leftBytes, std::size_t piece, int wineSideHoles)
{
    // Blocks taken in the space Wine shares with its own side are memory that side can have back
    // when they are freed; Wine keeps its own areas for the program and maps them again, out of
    // that side's reach.
    shared_ = ReservedRegions();
    auto taken = TakeEverything();
    std::sort(taken.begin(), taken.end(), [](auto& a, auto& b) { return a.second > b.second; });
    blocks_.reserve(taken.size() + 2 * (wineSideHoles + kOwnAreaHoles + (piece ? leftBytes / piece : 0)) + 8);
    // Cuts `count` holes of `hole` bytes apart from each other (none large enough for a heap to
    // grow in) from the start of one block of the kind asked for, and takes its rest back; the
    // first starts on a whole hole, as a thread's heap of Wine's C library needs one of its own.
    const auto cutHoles = [&](std::size_t count, std::size_t hole, bool inShared) {
        for (auto& [block, size] : taken) {
            char* const start = static_cast<char*>(block);
            const std::size_t skip = block ? (hole - reinterpret_cast<std::uintptr_t>(start) % hole) % hole : 0;
            const std::size_t split = skip + 2 * count * hole;
            if (!count || !block || size < split + hole || IsIn(shared_, block) != inShared)
                continue;
            VirtualFree(block, 0, MEM_RELEASE);
            const auto keep = [&](char* at, std::size_t bytes) {
                if (bytes && VirtualAlloc(at, bytes, MEM_RESERVE, PAGE_NOACCESS) == at)
                    blocks_.push_back(at);
            };
            keep(start, skip);
            for (std::size_t i = 1; i < 2 * count; i += 2)
                keep(start + skip + i * hole, hole);
            keep(start + split, size - split);
            block = nullptr;
            return count * hole;
        }
        return std::size_t(0);
    };
    cutHoles(wineSideHoles, kHoleBytes, true);
    std::size_t givenBack = piece ? cutHoles(leftBytes / piece, piece, false) : 0;
    // Wine's own areas always keep some room: once they are full, Wine hands out their last page
    // twice and ends the process in an assertion.
    if (!piece)
        cutHoles(kOwnAreaHoles, kHoleBytes, false);
    // The rest, or all without `piece`: the largest pieces that still fit, so that what is left
    // is few and large, first in the space Wine shares with its own side, where a program that
    // grew until that much was left would have left it (Wine hands out its own areas first).
    for (const bool inShared : {true, false}) {
        for (auto& [block, size] : taken) {
            if (!block || IsIn(shared_, block) != inShared)
                continue;
            if (!piece && givenBack + size <= leftBytes) {
                VirtualFree(block, 0, MEM_RELEASE);
                givenBack += size;
            } else {
                blocks_.push_back(block);
            }
            block = nullptr;
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
