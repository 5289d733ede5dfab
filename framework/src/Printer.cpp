// The system's printer, and its replacement point.
#include "fw/Printer.h"

namespace fw {

namespace {

class CSystemPrinter : public IPrinter {
public:
    bool GetDefaults(HGLOBAL& devMode, HGLOBAL& devNames) override
    {
        PRINTDLGW pd{};
        pd.lStructSize = sizeof(pd);
        // Asked without a dialog; it fails when no printer is installed. PD_NOWARNING keeps that
        // silent: the print dialog says so when the user prints.
        pd.Flags = PD_RETURNDEFAULT | PD_NOWARNING;
        if (!PrintDlgW(&pd))
            return false;
        devMode = pd.hDevMode;
        devNames = pd.hDevNames;
        return true;
    }

    bool RunPrintDialog(PRINTDLGW& dialog) override { return PrintDlgW(&dialog) != FALSE; }

    HDC CreatePrinterDC(HGLOBAL devMode, HGLOBAL devNames) override
    {
        if (!devNames)
            return nullptr;
        const auto* names = static_cast<const DEVNAMES*>(GlobalLock(devNames));
        if (!names)
            return nullptr;
        const auto* base = reinterpret_cast<const wchar_t*>(names);
        const auto* mode = devMode ? static_cast<const DEVMODEW*>(GlobalLock(devMode)) : nullptr;
        HDC dc = CreateDCW(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
        if (mode)
            GlobalUnlock(devMode);
        GlobalUnlock(devNames);
        return dc;
    }

    void DeletePrinterDC(HDC dc) override
    {
        if (dc)
            DeleteDC(dc);
    }

    int StartDocument(HDC dc, const DOCINFOW& info) override { return StartDocW(dc, &info); }
    int StartPage(HDC dc) override { return ::StartPage(dc); }
    int EndPage(HDC dc) override { return ::EndPage(dc); }
    int EndDocument(HDC dc) override { return EndDoc(dc); }
    int AbortDocument(HDC dc) override { return AbortDoc(dc); }
};

CSystemPrinter gSystemPrinter;
IPrinter* gPrinter = &gSystemPrinter;

} // namespace

IPrinter* SetPrinter(IPrinter* printer)
{
    IPrinter* previous = gPrinter;
    gPrinter = printer ? printer : &gSystemPrinter;
    return previous == &gSystemPrinter ? nullptr : previous;
}

IPrinter& Printer()
{
    return *gPrinter;
}

} // namespace fw
