#pragma once
// Bounds on what a project file may make the library read or allocate. Files come from other
// machines and are untrusted: a size taken from a file is checked against these first.

#include <cstdint>

// The largest project file, and the largest document unpacked from a ZIP container. Real
// projects stay far below; a 32-bit process could not hold much more as decoded text anyway.
constexpr uint64_t kMaxProjectBytes = 512ull * 1024 * 1024;
