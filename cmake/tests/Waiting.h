#pragma once
// Waiting in a test for what takes time (a window, a file, a process's end): for the condition,
// with a limit far above what it takes, scaled to the machine.

#include <windows.h>

#include <functional>

namespace qvtest {

// A limit of `nativeMs` on this machine: times the scripts' QV_TIME_FACTOR (several where 32-bit
// code is emulated; scripts/wine-env), times 1 without it.
DWORD Patience(DWORD nativeMs);

// Asks `done` every `stepMs` until it says yes or `limitMs` have passed (by the clock, however
// long each question takes); its last answer.
bool WaitUntil(const std::function<bool()>& done, DWORD limitMs, DWORD stepMs = 50);

} // namespace qvtest
