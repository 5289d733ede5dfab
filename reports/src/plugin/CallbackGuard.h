#pragma once
// The catch-all of the reports' output callbacks: no exception may cross into the viewer. A run
// that runs out of memory tells the user so (ShowOutOfMemory) and answers its failure code, so no
// output fails unseen; any other exception answers 1 (not done), as any other failed run.

#include "common/ReportMessages.h"

#include <new>

// `path`: the output file of an export or HTML run; null for print.
template <class Body>
int RunGuarded(Body body, const wchar_t* path)
{
    try {
        return body();
    } catch (const std::bad_alloc&) {
        // The report object is gone by now and its memory with it; should even the message
        // find none, the run still ends here.
        try {
            return ShowOutOfMemory(path);
        } catch (...) {
            return 1;
        }
    } catch (...) {
        return 1;
    }
}
