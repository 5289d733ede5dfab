// The global allocation function of each module, with a reserve of memory behind it. When an
// allocation fails, a block of the reserve goes back to the heap before std::bad_alloc is thrown:
// the runtime takes an exception's storage from the heap, and with the heap used up it falls back
// on an emergency pool whose lock it cannot make then, and the process ends. The block leaves room
// for the exception, the unwinding and the message that reports the failure. The process's
// reserve of address space goes back too (AddressSpaceReserve.h): the message's windows, and under
// Wine its own side, need room beyond the heap. Once memory is there again, allocations take the
// reserves back.
// Linked into every module (each has its own runtime); replacing operator new is the language's
// own way to do this, and the other forms of new call this one.
#include "AddressSpaceReserve.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

constexpr int kBlocks = 16;
constexpr std::size_t kBlockBytes = 16 * 1024;
// While memory stays short, a refill finds the heap still full, and a failing malloc costs the
// heap's attempts to grow (calls to the system): the reserves are tried again at most this often,
// not after every allocation.
constexpr DWORD kRetryMs = 100;

// Empty until the first allocations: constant-initialised, so allocations made by other static
// initialisers before this file's own can fill them too.
std::atomic<void*> gBlocks[kBlocks] = {};
std::atomic<int> gMissing{kBlocks};
std::atomic<bool> gWaiting{false};
std::atomic<DWORD> gNextTry{0};

// True when every block is there.
bool Refill() noexcept
{
    for (std::atomic<void*>& slot : gBlocks) {
        if (slot.load(std::memory_order_relaxed))
            continue;
        void* block = std::malloc(kBlockBytes);
        if (!block)
            return false;
        void* empty = nullptr;
        if (slot.compare_exchange_strong(empty, block))
            gMissing.fetch_sub(1);
        else
            std::free(block);
    }
    return true;
}

void RefillWhenDue() noexcept
{
    const DWORD now = GetTickCount();
    if (gWaiting.load(std::memory_order_relaxed) &&
        static_cast<LONG>(now - gNextTry.load(std::memory_order_relaxed)) < 0)
        return;
    const bool addressSpace = !addressreserve::IsReleased() || addressreserve::Restore();
    const bool complete = Refill() && addressSpace;
    if (!complete)
        gNextTry.store(now + kRetryMs, std::memory_order_relaxed);
    gWaiting.store(!complete, std::memory_order_relaxed);
}

void GiveBackOne() noexcept
{
    for (std::atomic<void*>& slot : gBlocks) {
        if (void* block = slot.exchange(nullptr)) {
            gMissing.fetch_add(1);
            std::free(block);
            return;
        }
    }
}

} // namespace

void* operator new(std::size_t size)
{
    if (size == 0)
        size = 1;
    for (;;) {
        if (void* block = std::malloc(size)) {
            if (gMissing.load(std::memory_order_relaxed) > 0 || addressreserve::IsReleased())
                RefillWhenDue();
            return block;
        }
        if (std::new_handler handler = std::get_new_handler()) {
            handler();
            continue;
        }
        GiveBackOne();
        addressreserve::Release();
        gWaiting.store(false, std::memory_order_relaxed);
        throw std::bad_alloc();
    }
}
