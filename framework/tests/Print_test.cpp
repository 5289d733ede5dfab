// The print loop against a recording printer: preparation, page range, document calls.
#include "RecordingPrinter.h"
#include "fw/App.h"
#include "fw/Print.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class CTestApp : public fw::CApp {
public:
    bool InitInstance() override { return true; }
};

// Prints "Page n" on each page of a document of `pages` pages.
class CTextTarget : public fw::IPrintTarget {
public:
    explicit CTextTarget(UINT pages) : m_pages(pages) {}

    bool OnPreparePrinting(fw::CPrintInfo& info) override
    {
        events.push_back(L"prepare");
        info.dialogFlags |= dialogFlags;
        if (knownPages) {
            info.minPage = 1;
            info.maxPage = m_pages;
        }
        return fw::DoPreparePrinting(info);
    }
    void OnBeginPrinting(const fw::CPrintDC&, fw::CPrintInfo& info) override
    {
        events.push_back(L"begin");
        info.maxPage = m_pages;
    }
    void OnPrint(const fw::CPrintDC& dc, fw::CPrintInfo& info) override
    {
        const std::wstring text = L"Page " + std::to_wstring(info.currentPage);
        ExtTextOutW(dc.output, 10, 10, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
        printed.push_back(info.currentPage);
    }
    void OnEndPrinting(const fw::CPrintDC&, fw::CPrintInfo&) override { events.push_back(L"end"); }

    bool knownPages = false;
    DWORD dialogFlags = 0;
    std::vector<std::wstring> events;
    std::vector<UINT> printed;

private:
    UINT m_pages;
};

TEST(PrintLoop, RunPrintJob_everyPageBetweenStartAndEndDocument)
{
    CTestApp app;
    fwtest::CRecordingPrinter printer;
    CTextTarget target(3);
    EXPECT_TRUE(fw::RunPrintJob(target, nullptr, L"Report"));
    EXPECT_EQ(target.events, (std::vector<std::wstring>{L"prepare", L"begin", L"end"}));
    EXPECT_EQ(target.printed, (std::vector<UINT>{1, 2, 3}));
    EXPECT_EQ(printer.calls, (std::vector<std::wstring>{L"GetDefaults", L"Dialog", L"StartDoc Report", L"StartPage",
                                                        L"EndPage", L"StartPage", L"EndPage", L"StartPage",
                                                        L"EndPage", L"EndDoc", L"DeleteDC"}));
    const auto pages = printer.PageTexts();
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[1], (std::vector<std::wstring>{L"Page 2"}));
    EXPECT_EQ(printer.openDcs, 0);
}

TEST(PrintLoop, RunPrintJob_theChosenRangeOnly)
{
    CTestApp app;
    fwtest::CRecordingPrinter printer;
    printer.chooseFrom = 2;
    printer.chooseTo = 3;
    CTextTarget target(5);
    target.knownPages = true;
    EXPECT_TRUE(fw::RunPrintJob(target, nullptr, L"Report"));
    EXPECT_EQ(printer.dialogMin, 1u);
    EXPECT_EQ(printer.dialogMax, 5u);
    EXPECT_EQ(target.printed, (std::vector<UINT>{2, 3}));
}

TEST(PrintLoop, RunPrintJob_noPagesStartsNoDocument)
{
    CTestApp app;
    fwtest::CRecordingPrinter printer;
    CTextTarget target(0);
    EXPECT_TRUE(fw::RunPrintJob(target, nullptr, L"Empty"));
    for (const std::wstring& call : printer.calls)
        EXPECT_NE(call.rfind(L"StartDoc", 0), 0u) << "a document without pages was started";
    EXPECT_EQ(target.events.back(), L"end");
    EXPECT_EQ(printer.openDcs, 0);
}

TEST(PrintLoop, RunPrintJob_unknownPageCountPrintsTheFirstPage)
{
    CTestApp app;
    fwtest::CRecordingPrinter printer;
    CTextTarget target(fw::CPrintInfo::kNoPage);
    EXPECT_TRUE(fw::RunPrintJob(target, nullptr, L"Open-ended"));
    EXPECT_EQ(target.printed, (std::vector<UINT>{1}));
}

TEST(PrintLoop, RunPrintJob_aFailedPageAbortsTheDocument)
{
    CTestApp app;
    fwtest::CRecordingPrinter printer;
    printer.startPageResult = 0;
    CTextTarget target(3);
    EXPECT_FALSE(fw::RunPrintJob(target, nullptr, L"Report"));
    EXPECT_TRUE(target.printed.empty());
    EXPECT_EQ(printer.calls[printer.calls.size() - 2], L"AbortDoc");
    EXPECT_EQ(target.events.back(), L"end");
}

TEST(PrintLoop, RunPrintJob_cancelledOrWithoutPrinter)
{
    CTestApp app;
    fwtest::CRecordingPrinter printer;
    printer.acceptDialog = false;
    CTextTarget target(3);
    EXPECT_FALSE(fw::RunPrintJob(target, nullptr, L"Report"));
    EXPECT_EQ(target.events, (std::vector<std::wstring>{L"prepare"}));
}

TEST(PrintLoop, DoPreparePrinting_directWithoutPrinterFails)
{
    CTestApp app;
    fwtest::CRecordingPrinter none;
    none.hasPrinter = false;
    none.acceptDialog = false; // the dialog can only say that no printer is installed
    fw::CPrintInfo info;
    info.direct = true;
    EXPECT_FALSE(fw::DoPreparePrinting(info));
    EXPECT_EQ(info.printerDc, nullptr);
    EXPECT_EQ(none.dialogs, 1); // it says that no printer is installed
}

TEST(PrintLoop, DoPreparePrinting_dialogFlagsAndTheApplicationsSettings)
{
    CTestApp app;
    fwtest::CRecordingPrinter printer;
    CTextTarget target(2);
    target.dialogFlags = PD_NOPAGENUMS;
    EXPECT_TRUE(fw::RunPrintJob(target, nullptr, L"Report"));
    EXPECT_TRUE(printer.dialogFlags & PD_NOPAGENUMS);
    EXPECT_TRUE(printer.dialogFlags & PD_RETURNDC);
    // The settings were fetched once and stay the application's.
    HGLOBAL mode = nullptr;
    HGLOBAL names = nullptr;
    EXPECT_TRUE(app.GetPrinterDeviceDefaults(mode, names));
    EXPECT_EQ(std::count(printer.calls.begin(), printer.calls.end(), L"GetDefaults"), 1);

    // Preview and direct printing make their DC without a dialog.
    fw::CPrintInfo info;
    info.preview = true;
    EXPECT_TRUE(fw::DoPreparePrinting(info));
    EXPECT_NE(info.printerDc, nullptr);
    EXPECT_EQ(printer.dialogs, 1);
    printer.DeletePrinterDC(info.printerDc);
}

TEST(PrintLoop, RunPrintSetup_setUpOnlyOnTheApplicationsSettings)
{
    fwtest::CRecordingPrinter printer;
    EXPECT_FALSE(fw::RunPrintSetup(nullptr)); // no application, no settings to change
    EXPECT_EQ(printer.dialogs, 0);

    CTestApp app;
    EXPECT_TRUE(fw::RunPrintSetup(nullptr));
    const DWORD wanted = PD_PRINTSETUP | PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                         PD_NOSELECTION;
    EXPECT_EQ(printer.dialogFlags, wanted);
    EXPECT_EQ(printer.dialogOrientation, DMORIENT_PORTRAIT); // the application's settings went in
    EXPECT_EQ(printer.openDcs, 0);
    printer.acceptDialog = false;
    EXPECT_FALSE(fw::RunPrintSetup(nullptr));
    EXPECT_EQ(printer.dialogs, 2);

    // Without a printer the dialog still comes: the user may set one up there.
    fwtest::CRecordingPrinter none;
    none.hasPrinter = false;
    CTestApp bare;
    EXPECT_TRUE(fw::RunPrintSetup(nullptr));
    EXPECT_EQ(none.dialogOrientation, 0);
}

} // namespace
