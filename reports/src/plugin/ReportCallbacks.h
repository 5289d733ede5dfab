#pragma once
// The output and page callbacks a report registers, made from its classes. Every output runs in
// a report object of its own, built inside the catch-all (CallbackGuard.h) and destroyed after
// the run; the page object is made at the first request and kept for the plug-in's life, its
// window made anew on every call.

#include "output/RPrintBase.h"
#include "pages/BaseDlg.h"
#include "plugin/CallbackGuard.h"

#include "QV2PluginInterface.h"

#include <memory>

// Print callback of the report whose printed output is `Report` (a CRPrintBase); 1 without an
// engine.
template <class Report>
int QV2_CALL PrintCallback(CRKPrintEngine2* engine, HDC dc, HDC attributeDc)
{
    if (!engine)
        return 1;
    return RunGuarded(
        [&] {
            Report report;
            return CRPrintBase::PrintReport(engine, dc, attributeDc, report);
        },
        nullptr);
}

// Export or HTML callback: `Run`, an operation of `Report` taking the path, on a fresh object.
template <class Report, auto Run>
int QV2_CALL FileCallback(const wchar_t* path)
{
    return RunGuarded(
        [&] {
            Report report;
            return (report.*Run)(path);
        },
        path);
}

// Page callback of the report whose option page is `Page` (a CBaseDlg), with the two captions
// of its record; 0 when the page cannot be made.
template <class Page, UINT CaptionId, UINT Caption2Id>
int QV2_CALL PageCallback(HWND parent, int, int, ReportPageRecord* out)
{
    try {
        static std::unique_ptr<Page> page;
        if (!page)
            page = std::make_unique<Page>();
        return CreateReportPage(*page, parent, out, CaptionId, Caption2Id);
    } catch (...) {
        return 0;
    }
}
