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
    explicit ScarceAddressSpace(std::size_t leftBytes);
    ~ScarceAddressSpace();
    ScarceAddressSpace(const ScarceAddressSpace&) = delete;
    ScarceAddressSpace& operator=(const ScarceAddressSpace&) = delete;

    void Release();
    // The address space still free, in bytes.
    static std::size_t FreeBytes();

private:
    std::vector<void*> blocks_;
};

} // namespace qvtest
