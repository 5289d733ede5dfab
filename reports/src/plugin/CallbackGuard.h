#pragma once
// The catch-all of the reports' output callbacks: no exception may cross into the viewer, so a
// run that throws answers 1 (not done), as any other failed run.

template <class Body>
int RunGuarded(Body body)
{
    try {
        return body();
    } catch (...) {
        return 1;
    }
}
