// The two exports of the print engine. The viewer binds them by name at start-up, so they have C
// linkage and cdecl (plain names, no @N decoration). The engine is one per process.
#include "PrintEngineInt.h"

namespace {

CRKPrintEngine2* gPrintEngine = nullptr; // the process-wide engine; owned here

} // namespace

extern "C" __declspec(dllexport) CRKPrintEngine2* __cdecl DllGetPrintEngine()
{
    if (!gPrintEngine) {
        try {
            gPrintEngine = new rkpe::CRKPrintEngine2Int();
        } catch (...) {
            gPrintEngine = nullptr;
        }
    }
    return gPrintEngine;
}

extern "C" __declspec(dllexport) void __cdecl DllFreePrintEngine()
{
    delete gPrintEngine; // destructors throw nothing: safe at the boundary
    gPrintEngine = nullptr;
}
