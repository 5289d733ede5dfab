// The process's reserve of address space (see AddressSpaceReserve.h).
//
// One reserve for the whole process, not one a module: a failure in any module gives back all of
// it, and six modules holding a part each would keep six times as much from the program. The
// modules meet through no interface of theirs: each finds the reserve's record in a page shared
// through a file mapping named after the process (the system's own process-wide objects), and
// changes it only with atomic operations.
//
// Two parts. Under Wine the program's address space is shared with Wine's own side (its C
// library's heap, its X client, which end the process or wait for ever when they find no room),
// but Wine keeps areas of its own for the program, hands them out first, and maps them again when
// they are freed: address space freed there comes back to the program only. So one part is taken
// where the program's next allocations will look first, and the other in the space Wine shares
// with its own side, which Wine reports as reserved until the program takes some of it. Windows
// refuses a reservation inside a reserved region, and there both parts are ordinary ones.
#include "AddressSpaceReserve.h"

#include <windows.h>

#include <cstdint>
#include <cwchar>

namespace addressreserve {

namespace {

// Room for the message's windows and a new segment of the heap (4 MB at least) in the first,
// for Wine's own side (its heaps grow by 1 MB, its X client queues the display's events) in the
// second.
constexpr SIZE_T kProgramPartBytes = SIZE_T(8) << 20;
constexpr SIZE_T kSharedPartBytes = SIZE_T(8) << 20;
// Taken again only where this much is free in one piece: just after a failure the parts' own
// space is free, and it is kept for whoever needs it.
constexpr SIZE_T kRoomToRestore = SIZE_T(32) << 20;
constexpr std::uintptr_t kGranularity = 64 * 1024;

enum : LONG { kNone, kBusy, kHeld, kReleased };

// In the shared page: zero (kNone) until a module makes the reserve.
struct Record {
    volatile LONG state;
    void* program;
    void* shared;
    const void* maker; // the module that made the parts: it gives them back when it is unloaded
};

// This module's view of the record; null when it could not be made (then this module gives
// nothing back, and the others still do).
HANDLE gMapping = nullptr;
Record* gRecord = nullptr;
// Tells this module in the record.
const char gSelf = 0;

void* Reserve(void* at, SIZE_T size) noexcept
{
    return VirtualAlloc(at, size, MEM_RESERVE, PAGE_NOACCESS);
}

// A part in the space Wine shares with its own side: the top of a large region reported
// reserved that is not a reservation of the program's. Null under Windows.
void* ReserveShared(SIZE_T size) noexcept
{
    MEMORY_BASIC_INFORMATION info{};
    for (const char* at = nullptr; VirtualQuery(at, &info, sizeof info) == sizeof info;) {
        char* const base = static_cast<char*>(info.BaseAddress);
        if (info.State == MEM_RESERVE && info.AllocationBase == info.BaseAddress && info.RegionSize >= 2 * size) {
            // Wine's own side maps its libraries and heaps from one end: a few tries from the other.
            char* top = base + ((info.RegionSize - size) & ~(kGranularity - 1));
            for (int tries = 0; tries < 4 && top > base; ++tries, top -= size) {
                if (void* part = Reserve(top, size))
                    return part;
            }
        }
        const char* next = base + info.RegionSize;
        if (next <= at)
            break;
        at = next;
    }
    return nullptr;
}

// Called with the record held busy; leaves it held or released.
void Make(Record& record) noexcept
{
    record.program = Reserve(nullptr, kProgramPartBytes);
    record.shared = ReserveShared(kSharedPartBytes);
    if (!record.shared)
        record.shared = Reserve(nullptr, kSharedPartBytes);
    if (record.program && record.shared) {
        record.maker = &gSelf;
        InterlockedExchange(&record.state, kHeld);
        return;
    }
    if (record.program)
        VirtualFree(record.program, 0, MEM_RELEASE);
    if (record.shared)
        VirtualFree(record.shared, 0, MEM_RELEASE);
    record.program = record.shared = nullptr;
    InterlockedExchange(&record.state, kReleased);
}

// Joins this module to the process's reserve as it starts (making the reserve if it is the
// first), and leaves it as it is unloaded. The parts are the process's, not a module's: a module
// that made them gives them back as it goes (another one takes them again), so that a library
// loaded and freed again and again keeps no parts behind it.
struct ModuleLink {
    ModuleLink() noexcept
    {
        wchar_t name[64] = {};
        std::swprintf(name, 64, L"Local\\QV2AllocationReserve.%lu", GetCurrentProcessId());
        gMapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Record), name);
        if (gMapping)
            gRecord = static_cast<Record*>(MapViewOfFile(gMapping, FILE_MAP_WRITE, 0, 0, sizeof(Record)));
        if (gRecord && InterlockedCompareExchange(&gRecord->state, kBusy, kNone) == kNone)
            Make(*gRecord);
    }
    ~ModuleLink()
    {
        if (gRecord && gRecord->maker == &gSelf)
            Release();
        Record* record = gRecord;
        gRecord = nullptr;
        if (record)
            UnmapViewOfFile(record);
        if (gMapping)
            CloseHandle(gMapping);
        gMapping = nullptr;
    }
    ModuleLink(const ModuleLink&) = delete;
    ModuleLink& operator=(const ModuleLink&) = delete;
};

const ModuleLink gLink;

} // namespace

void Release() noexcept
{
    Record* record = gRecord;
    if (!record || InterlockedCompareExchange(&record->state, kBusy, kHeld) != kHeld)
        return;
    VirtualFree(record->program, 0, MEM_RELEASE);
    VirtualFree(record->shared, 0, MEM_RELEASE);
    record->program = record->shared = nullptr;
    InterlockedExchange(&record->state, kReleased);
}

bool IsReleased() noexcept
{
    const Record* record = gRecord;
    return record && record->state == kReleased;
}

bool Restore() noexcept
{
    Record* record = gRecord;
    if (!record)
        return false;
    if (InterlockedCompareExchange(&record->state, kBusy, kReleased) != kReleased)
        return record->state == kHeld;
    if (void* room = Reserve(nullptr, kRoomToRestore)) {
        VirtualFree(room, 0, MEM_RELEASE);
        Make(*record);
    } else {
        InterlockedExchange(&record->state, kReleased);
    }
    return record->state == kHeld;
}

} // namespace addressreserve
