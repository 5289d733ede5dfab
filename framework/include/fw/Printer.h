#pragma once
// The printer behind the print loop and the preview. Every call that reaches the printer (its
// default settings, the print dialog, its device context, the document and page calls) goes
// through one replaceable object, so tests print into metafiles instead of onto paper.

#include <windows.h>

#include <commdlg.h>

namespace fw {

class IPrinter {
public:
    virtual ~IPrinter() = default;
    // The default printer's settings as movable global memory, without a dialog; the caller
    // owns them. false when there is no printer.
    virtual bool GetDefaults(HGLOBAL& devMode, HGLOBAL& devNames) = 0;
    // The print dialog (as PrintDlgW with PD_RETURNDC); false when cancelled.
    virtual bool RunPrintDialog(PRINTDLGW& dialog) = 0;
    // A device context for the given settings, without a dialog; null when it cannot be made.
    virtual HDC CreatePrinterDC(HGLOBAL devMode, HGLOBAL devNames) = 0;
    // Releases a DC made by CreatePrinterDC or the dialog.
    virtual void DeletePrinterDC(HDC dc) = 0;
    // As StartDocW, StartPage, EndPage, EndDoc and AbortDoc.
    virtual int StartDocument(HDC dc, const DOCINFOW& info) = 0;
    virtual int StartPage(HDC dc) = 0;
    virtual int EndPage(HDC dc) = 0;
    virtual int EndDocument(HDC dc) = 0;
    virtual int AbortDocument(HDC dc) = 0;
};

// Replaces the printer; null restores the system's. Returns the previous replacement (null
// when it was the system's).
IPrinter* SetPrinter(IPrinter* printer);
IPrinter& Printer();

} // namespace fw
