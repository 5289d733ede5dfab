#pragma once
// Printing: what one job knows (CPrintInfo), the print operations a view offers (IPrintTarget),
// the framework's preparation and the print loop. The loop and the preview call the same
// operations; only the device contexts differ.

#include <windows.h>

#include <string>

namespace fw {

// The device contexts of a print or preview: the output receives the drawing, the attribute DC
// answers measurements (the printer). Both are the printer's DC when printing.
struct CPrintDC {
    HDC output = nullptr;
    HDC attribute = nullptr;
};

struct CPrintInfo {
    static constexpr UINT kNoPage = 0xFFFF; // page count unknown, or no range chosen

    bool preview = false;          // drawing for the preview, not on paper
    bool direct = false;           // print without showing the print dialog
    bool continuePrinting = true;  // cleared by OnPrepareDC to end the page loop
    UINT currentPage = 1;

    // What the print dialog offers and what the user chose in it.
    DWORD dialogFlags = 0;         // PD_... added to the dialog's flags (PD_NOPAGENUMS, ...)
    UINT minPage = 1;
    UINT maxPage = kNoPage;
    UINT fromPage = kNoPage;       // kNoPage: all pages
    UINT toPage = kNoPage;

    HDC printerDc = nullptr;       // owned by the job; released through the printer object
    HWND owner = nullptr;          // the window that owns the print dialog

    // The range the loop prints: the chosen range, else the minimum to the maximum page.
    UINT FirstPage() const { return fromPage != kNoPage ? fromPage : minPage; }
    UINT LastPage() const { return toPage != kNoPage ? toPage : maxPage; }
};

// The print operations of a view, called in this order by the loop (and by the preview,
// which calls OnPrepareDC and OnPrint again whenever it repaints a page).
class IPrintTarget {
public:
    virtual ~IPrintTarget() = default;
    // Sets up the job (page range, direct printing) and ends with DoPreparePrinting, whose
    // result it returns; false cancels the job.
    virtual bool OnPreparePrinting(CPrintInfo& info) = 0;
    virtual void OnBeginPrinting(const CPrintDC& dc, CPrintInfo& info) = 0;
    // Before each page; decides with info.continuePrinting whether the page is printed.
    virtual void OnPrepareDC(const CPrintDC& dc, CPrintInfo& info);
    virtual void OnPrint(const CPrintDC& dc, CPrintInfo& info) = 0;
    virtual void OnEndPrinting(const CPrintDC& dc, CPrintInfo& info);
};

// The framework's part of OnPrepareDC: with an unknown page count only the first page is
// printed, otherwise pages up to the maximum.
void DefaultPrepareDC(CPrintInfo& info);

// The framework's preparation: for a preview or direct printing a DC from the application's
// printer settings, without a dialog; otherwise (and when there is no printer, so the dialog
// says so) the print dialog, whose settings become the application's and whose page range goes
// into `info`. false when cancelled or without a printer.
bool DoPreparePrinting(CPrintInfo& info);

// The print set-up dialog (the printer and its settings only: no page range, no print to
// file, no selection) on the application's printer settings; the settings chosen become the
// application's, so later printing uses them. false when cancelled or without an application.
bool RunPrintSetup(HWND owner);

// The print loop: preparation, OnBeginPrinting, the document (only when there are pages),
// each page (OnPrepareDC, StartPage, OnPrint, EndPage), OnEndPrinting. The document is ended
// or aborted on every path. false when the job was cancelled or failed.
bool RunPrintJob(IPrintTarget& target, HWND owner, const std::wstring& documentName);

// Keeps a document open on a printer DC and ends it (or aborts it when not finished) when
// it goes.
class CPrintJobGuard {
public:
    CPrintJobGuard(HDC dc, const std::wstring& documentName);
    ~CPrintJobGuard();
    CPrintJobGuard(const CPrintJobGuard&) = delete;
    CPrintJobGuard& operator=(const CPrintJobGuard&) = delete;

    bool Started() const { return m_started; }
    // Ends the document; true when the printer took it.
    bool Finish();
    void Abort();

private:
    HDC m_dc;
    bool m_started = false;
};

} // namespace fw
