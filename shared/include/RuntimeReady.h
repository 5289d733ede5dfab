#pragma once
// Every module links its own C++ runtime, which makes what a thread needs to throw an exception
// (its exception state, the unwinder's tables) and the lock behind function-local statics on
// their first use, and ends the process when it cannot get the memory for them. Made once while
// memory is there, a later allocation failure can be thrown and caught like any exception.
// Header only: each module readies its own copy of the runtime.

#include <windows.h>

// For the calling thread (and the module's one-time objects): call it in the module's load on
// the thread that loaded it, and first thing in each thread the module starts.
inline void ReadyRuntimeForThread() noexcept
{
    // Initialised through the runtime's guard, so its lock is made here.
    static const DWORD started = GetTickCount();
    try {
        throw started;
    } catch (DWORD) {
    }
}
