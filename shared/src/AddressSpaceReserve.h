#pragma once
// The process's reserve of address space, one for all its modules: held from the start, given
// back at the first allocation that fails in any of them, so that whoever needs memory next finds
// some (the message that reports the failure, and under Wine its own side, which shares the
// address space). Compiled into every module with AllocationReserve.cpp.

namespace addressreserve {

// Gives the reserve back, if it is held.
void Release() noexcept;
// True while the reserve is given back (or could not be made).
bool IsReleased() noexcept;
// Takes the reserve again where it was given back and the address space has room for it; true
// when it is held.
bool Restore() noexcept;

} // namespace addressreserve
