#pragma once
// CNewPreviewView: the viewer's print preview. Over the framework's preview it adds first- and
// last-page buttons, icons on the bar's buttons and the "page/pages" counter, scrolls a zoomed
// page for the frame's Up and Down keys, and tells the main window when it closes without
// printing (message 0x4C9, on which the reports dialog may open again).

#include "fw/PreviewView.h"

class CNewPreviewView : public fw::CPreviewView {
public:
    CNewPreviewView() = default;
    ~CNewPreviewView() override;

    bool PrintingRequested() const { return m_printingRequested; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnCreated() override;
    bool OnPreviewCommand(UINT id) override;
    void UpdatePreviewCommand(fw::CCommandState& state) override;
    void OnDisplayPageNumber(UINT page, UINT pages) override;

private:
    bool m_printingRequested = false;
    HICON m_icons[7] = {}; // owned; shown on the bar's buttons
};
