// Stand-in for the print engine: hands out an object it never lets anyone use.
// Variant STUB_PRINT_NO_ENTRY: no DllGetPrintEngine.
#include "StubLog.h"

class CRKPrintEngine2;

QV_STUB_DLLMAIN

#ifndef STUB_PRINT_NO_ENTRY
namespace {
char gEngine[64]; // only its address is handed out
}

extern "C" __declspec(dllexport) CRKPrintEngine2* __cdecl DllGetPrintEngine()
{
    stub::Log(L"DllGetPrintEngine");
    return reinterpret_cast<CRKPrintEngine2*>(gEngine);
}
#endif

extern "C" __declspec(dllexport) void __cdecl DllFreePrintEngine()
{
    stub::Log(L"DllFreePrintEngine");
}
