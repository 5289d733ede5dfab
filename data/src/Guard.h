#pragma once
// Keeps exceptions inside the library. The standard library may throw (allocation failures);
// every operation that callers reach through the public interfaces or the exports runs its body
// through Guarded and turns an exception into its failure result.

#include <utility>

template <class R, class F>
R Guarded(R onFailure, F&& body) noexcept
{
    try {
        return std::forward<F>(body)();
    } catch (...) {
        return onFailure;
    }
}

template <class F>
void GuardedVoid(F&& body) noexcept
{
    try {
        std::forward<F>(body)();
    } catch (...) {
    }
}
