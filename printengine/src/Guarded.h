#pragma once
// Runs the body of an interface operation so that no exception leaves the DLL: callers in other
// modules (and the print framework above them) must never see one. A failure answers `failed`.

namespace rkpe {

template <class R, class F>
R Guarded(R failed, F&& body) noexcept
{
    try {
        return body();
    } catch (...) {
        return failed;
    }
}

template <class F>
void GuardedVoid(F&& body) noexcept
{
    try {
        body();
    } catch (...) {
    }
}

} // namespace rkpe
