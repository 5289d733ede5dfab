#pragma once
// Bounds on what a project file may make the library read or allocate. Files come from other
// machines and are untrusted: a size taken from a file is checked against these first.

#include <cstdint>

// The largest file in the older sectioned text format, which is read whole. (Project documents
// are read in parts; what bounds them is what one element may hold, CXmlStreamReader.)
constexpr uint64_t kMaxProjectBytes = 512ull * 1024 * 1024;
