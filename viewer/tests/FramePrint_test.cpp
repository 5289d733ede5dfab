// Reports from the main frame: printing through the real print engine into metafiles, the
// print command's page range, the orientation, the other outputs, and the print preview.
#include "FrameFixture.h"
#include "NewPreviewView.h"
#include "QV2ResVIds.h"
#include "ReportPrint.h"

namespace {

class FramePrintTest : public qvtest::FrameFixture {
protected:
    bool StartWithReport(const std::wstring& arguments = L"")
    {
        if (!Start(L"/s \"ReportsSelectedReport=QV2R report\" " + arguments))
            return false;
        qvtest::ClearLog();
        return true;
    }
    std::vector<std::vector<std::wstring>> Pages() { return printer.PageTexts(); }
    bool Started(const std::wstring& prefix)
    {
        for (const std::wstring& call : printer.calls)
            if (call.rfind(prefix, 0) == 0)
                return true;
        return false;
    }
    fw::CPreviewView* Preview() { return Frame().Preview(); }
    std::wstring Counter()
    {
        wchar_t text[32] = {};
        GetDlgItemTextW(Preview()->Bar(), IDC_PREVIEW_PAGES, text, 32);
        return text;
    }
    void Click(UINT id) { SendMessageW(Preview()->Bar(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    bool Key(int key)
    {
        MSG msg{Preview()->Hwnd(), WM_KEYDOWN, static_cast<WPARAM>(key), 0, 0, {}};
        return Frame().PreTranslateMessage(msg);
    }
    // A key typed into the focused window (with Alt held as given), through the viewer's
    // message loop.
    void Type(UINT key, bool alt)
    {
        HWND focus = GetFocus();
        const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16 | (alt ? 1L << 29 : 0);
        PostMessageW(focus, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, down);
        PostMessageW(focus, alt ? WM_SYSKEYUP : WM_KEYUP, key, down | 3L << 30);
        PostQuitMessage(0);
        App().RunMessageLoop();
    }
};

TEST_F(FramePrintTest, Print_everyPageOfTheReportThroughTheEngine)
{
    ASSERT_TRUE(StartWithReport());
    EXPECT_TRUE(RunSelectedReport(Frame()));
    // The first print knows no page count: the dialog offers no page numbers.
    EXPECT_TRUE(printer.dialogFlags & PD_NOPAGENUMS);
    const auto pages = Pages();
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], (std::vector<std::wstring>{L"Page 1"}));
    EXPECT_EQ(pages[2], (std::vector<std::wstring>{L"Page 3"}));
    EXPECT_TRUE(Started(L"StartDoc QV2R report"));
    EXPECT_EQ(ReportPrintState().pageCount, 3);
    // The broadcasts enclose the run.
    const int begin = qvtest::LogIndex(L"QV2R:OnBeginReport 0 1");
    const int print = qvtest::LogIndex(L"QV2R:Print dc attribute");
    const int end = qvtest::LogIndex(L"QV2R:OnEndReport");
    EXPECT_GE(begin, 0);
    EXPECT_GT(print, begin);
    EXPECT_GT(end, print);
    EXPECT_GE(qvtest::LogIndex(L"QV2R:SetFilter none"), 0);
    EXPECT_EQ(printer.openDcs, 0);
}

TEST_F(FramePrintTest, PrintCommand_offersTheLastCountAndPrintsTheChosenPages)
{
    ASSERT_TRUE(StartWithReport(L"/s StubReportPages.QV2R=5"));
    EXPECT_FALSE(State(IDM_FILE_PRINT).enabled);
    ASSERT_TRUE(RunSelectedReport(Frame()));
    EXPECT_TRUE(State(IDM_FILE_PRINT).enabled);
    printer.chooseFrom = 2;
    printer.chooseTo = 3;
    Command(IDM_FILE_PRINT);
    EXPECT_FALSE(printer.dialogFlags & PD_NOPAGENUMS);
    EXPECT_EQ(printer.dialogMin, 1u);
    EXPECT_EQ(printer.dialogMax, 5u);
    const auto pages = Pages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0], (std::vector<std::wstring>{L"Page 2"}));
    EXPECT_EQ(pages[1], (std::vector<std::wstring>{L"Page 3"}));
}

TEST_F(FramePrintTest, Orientation_landscapeStaysTheApplicationsSetting)
{
    ASSERT_TRUE(StartWithReport(L"/s StubOrientation.QV2R=2"));
    ASSERT_TRUE(RunSelectedReport(Frame()));
    EXPECT_EQ(printer.dialogOrientation, DMORIENT_LANDSCAPE);
    HGLOBAL mode = nullptr;
    HGLOBAL names = nullptr;
    ASSERT_TRUE(App().GetPrinterDeviceDefaults(mode, names));
    auto* devMode = static_cast<DEVMODEW*>(GlobalLock(mode));
    EXPECT_EQ(devMode->dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_TRUE(devMode->dmFields & DM_ORIENTATION);
    GlobalUnlock(mode);

    // An answer that is no orientation never reaches the printer's settings.
    SetSetting(L"StubOrientation.QV2R", L"7");
    ASSERT_TRUE(RunSelectedReport(Frame()));
    EXPECT_EQ(printer.dialogOrientation, DMORIENT_LANDSCAPE);
    devMode = static_cast<DEVMODEW*>(GlobalLock(mode));
    EXPECT_EQ(devMode->dmOrientation, DMORIENT_LANDSCAPE);
    GlobalUnlock(mode);
}

TEST_F(FramePrintTest, Print_aReportThatBuildsNothingStartsNoDocumentAndSaysSoOnce)
{
    ASSERT_TRUE(StartWithReport(L"/s StubPrintFails.QV2R=1"));
    RunSelectedReport(Frame());
    EXPECT_FALSE(Started(L"StartDoc"));
    EXPECT_TRUE(Pages().empty());
    EXPECT_EQ(printer.openDcs, 0);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"The report could not be produced.");
    EXPECT_EQ(messages.messages[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));

    // The preview says so too, and shows no page.
    SetSetting(L"ReportsOutputPrinter", L"0");
    RunSelectedReport(Frame());
    ASSERT_NE(Preview(), nullptr);
    EXPECT_EQ(messages.messages.size(), 2u);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Preview()->Bar(), IDM_PREVIEW_LAST)));
    Click(IDM_PREVIEW_CLOSE);
    ASSERT_EQ(Preview(), nullptr);

    // A failure the plug-in has shown already, or with error messages off: no box of the viewer's.
    SetSetting(L"ReportsOutputPrinter", L"1");
    SetSetting(L"StubPrintFails.QV2R", L"2");
    RunSelectedReport(Frame());
    SetSetting(L"StubPrintFails.QV2R", L"1");
    SetSetting(L"ReportsShowErrorMessages", L"0");
    RunSelectedReport(Frame());
    EXPECT_EQ(messages.messages.size(), 2u);
    EXPECT_FALSE(Started(L"StartDoc"));
    EXPECT_EQ(printer.openDcs, 0);
}

TEST_F(FramePrintTest, Run_unknownReportRefusedBeginAndTheOtherOutputs)
{
    ASSERT_TRUE(Start(L"/s \"ReportsSelectedReport=Nothing\""));
    EXPECT_FALSE(RunSelectedReport(Frame()));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"The report Nothing is not available.");
    SetSetting(L"ReportsShowErrorMessages", L"0");
    EXPECT_FALSE(RunSelectedReport(Frame()));
    EXPECT_EQ(messages.messages.size(), 1u);

    // A plug-in that refuses the run: nothing is produced, the end is still broadcast.
    SetSetting(L"ReportsShowErrorMessages", L"1");
    SetSetting(L"ReportsSelectedReport", L"QV2R report");
    SetSetting(L"StubBeginReport.QV2BoardView", L"0");
    qvtest::ClearLog();
    EXPECT_FALSE(RunSelectedReport(Frame()));
    EXPECT_EQ(qvtest::LogIndex(L"QV2R:Print dc attribute"), -1);
    EXPECT_GE(qvtest::LogIndex(L"QV2R:OnBeginReport 0 1"), 0); // every plug-in still hears of it
    EXPECT_GE(qvtest::LogIndex(L"QV2R:OnEndReport"), 0);

    // Export: the callback gets the file; a failure is reported; HTML has no callback here.
    SetSetting(L"StubBeginReport.QV2BoardView", L"1");
    SetSetting(L"ReportsOutput", L"1");
    SetSetting(L"ReportsExportFilename", L"C:\\out.txt");
    qvtest::ClearLog();
    EXPECT_TRUE(RunSelectedReport(Frame()));
    EXPECT_GE(qvtest::LogIndex(L"QV2R:Export C:\\out.txt"), 0);
    SetSetting(L"StubExportResult.QV2R", L"4");
    EXPECT_FALSE(RunSelectedReport(Frame()));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text, L"The report could not be produced.");
    EXPECT_EQ(messages.messages[1].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    // A failure the plug-in has shown already: no second message.
    SetSetting(L"StubExportResult.QV2R", L"2");
    EXPECT_FALSE(RunSelectedReport(Frame()));
    EXPECT_EQ(messages.messages.size(), 2u);
    SetSetting(L"ReportsOutput", L"2");
    EXPECT_FALSE(RunSelectedReport(Frame()));
    EXPECT_EQ(messages.messages.size(), 3u);
}

TEST_F(FramePrintTest, Preview_pagesCounterAndKeys)
{
    ASSERT_TRUE(StartWithReport(L"/s ReportsOutputPrinter=0"));
    ASSERT_TRUE(RunSelectedReport(Frame()));
    ASSERT_NE(Preview(), nullptr);
    EXPECT_TRUE(Frame().IsPreviewShown());
    EXPECT_EQ(printer.dialogs, 0);
    Preview()->UpdateBar();
    EXPECT_EQ(Counter(), L"1/3");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Preview()->Bar(), IDM_PREVIEW_FIRST)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Preview()->Bar(), IDM_PREVIEW_LAST)));
    Click(IDM_PREVIEW_NEXT);
    EXPECT_EQ(Counter(), L"2/3");
    Click(IDM_PREVIEW_LAST);
    EXPECT_EQ(Counter(), L"3/3");
    Preview()->UpdateBar();
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Preview()->Bar(), IDM_PREVIEW_LAST)));
    Click(IDM_PREVIEW_FIRST);
    EXPECT_EQ(Preview()->CurrentPage(), 1u);

    // The frame's keys in the preview, whatever has the focus.
    EXPECT_TRUE(Key(VK_END));
    EXPECT_EQ(Preview()->CurrentPage(), 3u);
    EXPECT_TRUE(Key(VK_HOME));
    EXPECT_EQ(Preview()->CurrentPage(), 1u);
    EXPECT_TRUE(Key(VK_RIGHT));
    EXPECT_EQ(Preview()->CurrentPage(), 2u);
    EXPECT_TRUE(Key(VK_LEFT));
    EXPECT_EQ(Preview()->CurrentPage(), 1u);
    // Page Down and Page Up as Right and Left.
    for (const auto& [key, page] : {std::pair{VK_NEXT, 2u}, std::pair{VK_NEXT, 3u}, std::pair{VK_PRIOR, 2u},
                                    std::pair{VK_PRIOR, 1u}}) {
        EXPECT_TRUE(Key(key));
        EXPECT_EQ(Preview()->CurrentPage(), page);
    }
    // Up and Down scroll only a zoomed page.
    EXPECT_TRUE(Key(VK_DOWN));
    EXPECT_EQ(Preview()->CurrentPage(), 1u);
    EXPECT_FALSE(Key('A'));

    // Escape and the Close button's access key close the preview wherever its focus is: in the
    // page the user clicked into, or on a button of the bar.
    const struct {
        bool onBar;
        UINT key;
        bool alt;
    } closers[] = {{false, VK_ESCAPE, false}, {false, 'C', true}, {true, VK_ESCAPE, false}, {true, 'C', true}};
    for (const auto& closer : closers) {
        SCOPED_TRACE(testing::Message() << "on the bar " << closer.onBar << ", key " << closer.key);
        if (!Preview()) {
            ASSERT_TRUE(RunSelectedReport(Frame()));
        }
        if (closer.onBar)
            SetFocus(GetDlgItem(Preview()->Bar(), IDM_PREVIEW_NEXT));
        else
            SendMessageW(Preview()->Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 40));
        ASSERT_TRUE(GetFocus() == Preview()->Hwnd() || IsChild(Preview()->Bar(), GetFocus()));
        Type(closer.key, closer.alt);
        EXPECT_EQ(Frame().Preview(), nullptr);
    }
}

TEST_F(FramePrintTest, Preview_closingAsksForTheReportsDialogAgain)
{
    ASSERT_TRUE(StartWithReport(L"/s ReportsOutputPrinter=0 /s DlgReportsReopenAfterPreview=1"));
    ASSERT_TRUE(RunSelectedReport(Frame()));
    ASSERT_NE(Preview(), nullptr);
    Click(IDM_PREVIEW_CLOSE);
    EXPECT_EQ(Frame().Preview(), nullptr);
    EXPECT_FALSE(Frame().IsPreviewShown());
    Pump();
    EXPECT_EQ(dialogs, (std::vector<std::wstring>{L"CReportsDlg"}));
    EXPECT_EQ(printer.openDcs, 0);
}

TEST_F(FramePrintTest, Preview_itsPrintButtonPrintsWithTheCountAndDoesNotReopen)
{
    ASSERT_TRUE(StartWithReport(L"/s ReportsOutputPrinter=0 /s DlgReportsReopenAfterPreview=1"));
    ASSERT_TRUE(RunSelectedReport(Frame()));
    ASSERT_NE(Preview(), nullptr);
    Click(IDM_PREVIEW_PRINT);
    Pump();
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(printer.dialogs, 1);
    EXPECT_EQ(printer.dialogMax, 3u);
    EXPECT_EQ(Pages().size(), 3u);
}

TEST_F(FramePrintTest, Preview_theFramesCloseEndsThePreviewOnly)
{
    ASSERT_TRUE(StartWithReport(L"/s ReportsOutputPrinter=0"));
    ASSERT_TRUE(RunSelectedReport(Frame()));
    qvtest::ClearLog();
    SendMessageW(Frame().Hwnd(), WM_CLOSE, 0, 0);
    ASSERT_NE(App().Frame(), nullptr);
    EXPECT_EQ(Frame().Preview(), nullptr);
    // The plug-ins were not asked about closing the viewer.
    EXPECT_TRUE(qvtest::LogLinesOf(L"QV2R:OnPrepareExit").empty());
}

TEST_F(FramePrintTest, Preview_withoutAPrinterSaysWhyItCannotStart)
{
    printer.hasPrinter = false;
    printer.acceptDialog = false; // the dialog can only say that no printer is installed
    ASSERT_TRUE(StartWithReport(L"/s ReportsOutputPrinter=0"));
    RunSelectedReport(Frame());
    EXPECT_EQ(Frame().Preview(), nullptr);
    // The print dialog says that no printer is installed, as it does for printing.
    EXPECT_EQ(printer.dialogs, 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"The print preview could not be started.");
}

} // namespace
