#pragma once
// Keeps exceptions inside the library. The standard library may throw (allocation failures);
// every operation that callers reach through the public interfaces or the exports runs its body
// through Guarded and turns an exception into its failure result.

#include <new>
#include <utility>

// Counts the allocation failures the guards turned into failure results: an operation made of
// many guarded calls (loading a project) asks a watch whether any of them ran out of memory,
// since each call on its own only answers its failure result.
inline unsigned gOutOfMemoryCount = 0;

class COutOfMemoryWatch {
public:
    COutOfMemoryWatch() : m_start(gOutOfMemoryCount) {}
    bool Seen() const { return gOutOfMemoryCount != m_start; }

private:
    unsigned m_start;
};

template <class R, class F>
R Guarded(R onFailure, F&& body) noexcept
{
    try {
        return std::forward<F>(body)();
    } catch (const std::bad_alloc&) {
        ++gOutOfMemoryCount;
        return onFailure;
    } catch (...) {
        return onFailure;
    }
}

template <class F>
void GuardedVoid(F&& body) noexcept
{
    try {
        std::forward<F>(body)();
    } catch (const std::bad_alloc&) {
        ++gOutOfMemoryCount;
    } catch (...) {
    }
}
