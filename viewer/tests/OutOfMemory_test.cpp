// The viewer when the process runs out of memory, as a large project can make a 32-bit process
// do: the viewer, started in this process on the sample project with the real libraries, opens a
// large project, runs its outputs, its commands and its dialogs' commands and copies its tasks
// while the memory is taken. Each says so in one message; the viewer, its project, the clipboard
// and the folder stay as they were; with the memory back, the same work succeeds.
#include "AboutDlg.h"
#include "InfoDlg.h"
#include "LargeProjectFile.h"
#include "MessageBoxCatcher.h"
#include "QV2ResVIds.h"
#include "RealViewerFixture.h"
#include "ReportPrint.h"
#include "ReportsDlg.h"
#include "ScarceAddressSpace.h"
#include "Settings.h"
#include "fw/Dialog.h"
#include "fw/Resources.h"
#include "fw/Window.h"
#include "wqv2_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kLargeProjectTasks = 20000;

// The memory taken while it lives: all the C runtime's heap but `heapLeft` bytes, and all the
// address space but 16 holes of 1 MB, and under Wine the holes its own side keeps (see
// ScarceAddressSpace), or `wineSideHoles` of them. No Windows heap can grow in them (it grows by
// 4 MB at least), but Wine needs them. The thread's messages are handled first: its X11 client
// library queues the display's events in memory of its own, and ends the process when it finds no
// room for more.
class CNoMemory {
public:
    explicit CNoMemory(std::size_t heapLeft) : CNoMemory(heapLeft, qvtest::ScarceAddressSpace::kWineSideHoles) {}
    CNoMemory(std::size_t heapLeft, int wineSideHoles)
    {
        qvtest::PumpMessages();
        m_space.emplace(std::size_t(16) << 20, std::size_t(1) << 20, wineSideHoles);
        m_space->TakeHeap(heapLeft);
    }
    // The address space free by now that Wine's own side could have.
    std::size_t FreeForWineSide() const { return m_space->FreeForWineSide(); }

private:
    std::optional<qvtest::ScarceAddressSpace> m_space;
};

// The heap left: none (the first allocation fails), or enough for an output to start and fail
// on the way.
constexpr std::size_t kHeapLeft[] = {0, 64 * 1024};

class OutOfMemory : public qvtest::RealViewerFixture {
protected:
    void SetUp() override
    {
        StartViewer();
        if (HasFatalFailure())
            return;
        large = program.File(L"large.xml");
        ASSERT_TRUE(qvtest::WriteLargeProjectFile(large, kLargeProjectTasks));
    }

    std::wstring Title() { return fw::WindowText(Frame().Hwnd()); }
    int TaskCount()
    {
        int count = 0;
        for (int r = 0; r < gData->Resources->GetCount(nullptr); ++r)
            count += gData->Resources->GetAt(r)->Tasks->GetCount();
        return count;
    }
    // The files of the program folder whose names match `pattern`.
    std::vector<std::wstring> Files(const std::wstring& pattern)
    {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found{};
        HANDLE search = FindFirstFileW(program.File(pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do
            names.emplace_back(found.cFileName);
        while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }

    qvtest::CMessageBoxCatcher boxes;
    std::wstring large;
};

TEST_F(OutOfMemory, Open_isToldAndKeepsTheProjectThatWasOpen)
{
    const std::wstring title = Title();
    const int tasks = TaskCount();
    const std::wstring message = L"There is not enough memory to open " + large + L".";
    for (const std::size_t heapLeft : kHeapLeft) {
        boxes.Clear();
        bool opened = true;
        {
            const CNoMemory noMemory(heapLeft);
            opened = Frame().OpenProjectFile(large);
        }
        EXPECT_FALSE(opened) << heapLeft;
        EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{message}) << heapLeft;
        EXPECT_EQ(Title(), title) << heapLeft;
        EXPECT_EQ(TaskCount(), tasks) << heapLeft;
    }
    ASSERT_TRUE(Frame().OpenProjectFile(large));
    EXPECT_NE(Title().find(L"large.xml"), std::wstring::npos);
    EXPECT_EQ(TaskCount(), kLargeProjectTasks);
}

// Each kind of output: the text export, the HTML page with the chart's PNG pictures (written by
// worker threads), the print preview.
TEST_F(OutOfMemory, Outputs_areToldAndLeaveNoFile)
{
    ASSERT_TRUE(Frame().OpenProjectFile(large));
    const std::wstring title = Title();
    const std::wstring exported = program.File(L"tasks.txt");
    const std::wstring page = program.File(L"chart.html");
    SetSetting(L"ReportsExportFilename", exported);
    SetSetting(L"ReportsHtmlFilename", page);
    SetSetting(L"ReportsOutputPrinter", L"0");
    struct Output {
        const wchar_t* report;
        const wchar_t* kind;
        std::wstring file; // empty: the preview
    };
    const Output outputs[] = {{L"Task list", L"1", exported}, {L"Schedule chart", L"2", page}, {L"Task list", L"0", {}}};
    const std::wstring told = fw::LoadResString(IDS_MSG_NO_MEMORY);
    for (const Output& output : outputs) {
        SetSetting(L"ReportsSelectedReport", output.report);
        SetSetting(L"ReportsOutput", output.kind);
        for (const std::size_t heapLeft : kHeapLeft) {
            boxes.Clear();
            bool produced = false;
            {
                const CNoMemory noMemory(heapLeft);
                produced = RunSelectedReport(Frame());
            }
            const std::string what = "output " + std::to_string(output.kind[0] - L'0') + ", heap left " +
                                     std::to_string(heapLeft);
            EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{told}) << what;
            if (!output.file.empty()) {
                EXPECT_FALSE(produced) << what;
                EXPECT_EQ(GetFileAttributesW(output.file.c_str()), INVALID_FILE_ATTRIBUTES) << what;
                EXPECT_TRUE(Files(L"*.png").empty()) << what;
            }
            if (Frame().Preview())
                Frame().Preview()->Close();
            EXPECT_EQ(Title(), title) << what;
            EXPECT_EQ(TaskCount(), kLargeProjectTasks) << what;
        }
    }
    // With the memory back, the same outputs are made.
    boxes.Clear();
    SetSetting(L"ReportsSelectedReport", L"Task list");
    SetSetting(L"ReportsOutput", L"1");
    EXPECT_TRUE(RunSelectedReport(Frame()));
    SetSetting(L"ReportsSelectedReport", L"Schedule chart");
    SetSetting(L"ReportsOutput", L"2");
    EXPECT_TRUE(RunSelectedReport(Frame()));
    EXPECT_NE(GetFileAttributesW(exported.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesW(page.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(Files(L"chart*.png").empty());
    EXPECT_TRUE(boxes.Texts().empty());
}

// The schedule chart's HTML page with too little memory left for its pictures' bitmaps: told as
// memory, and neither the page nor a picture is left.
TEST_F(OutOfMemory, ChartPictures_withoutMemoryForTheirBitmapsAreToldAndLeaveNoFile)
{
    ASSERT_TRUE(Frame().OpenProjectFile(large));
    const std::wstring page = program.File(L"chart.html");
    SetSetting(L"ReportsHtmlFilename", page);
    SetSetting(L"ReportsSelectedReport", L"Schedule chart");
    SetSetting(L"ReportsOutput", L"2");
    boxes.Clear();
    bool produced = true;
    {
        const CNoMemory noMemory(std::size_t(1) << 20);
        produced = RunSelectedReport(Frame());
    }
    EXPECT_FALSE(produced);
    EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{fw::LoadResString(IDS_MSG_NO_MEMORY)});
    EXPECT_EQ(GetFileAttributesW(page.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(Files(L"*.png").empty());
}

TEST_F(OutOfMemory, Copy_isToldAndKeepsTheClipboard)
{
    ASSERT_TRUE(Frame().OpenProjectFile(large));
    gSelection->clear();
    for (int r = 0; r < gData->Resources->GetCount(nullptr); ++r) {
        wqv2_data::CResource* resource = gData->Resources->GetAt(r);
        for (int t = 0; t < resource->Tasks->GetCount(); ++t) {
            wqv2_data::CTask* task = resource->Tasks->GetAt(t);
            gSelection->push_back({static_cast<int>(static_cast<uint32_t>(task->DateStart)), task});
        }
    }
    ASSERT_TRUE(qvtest::PutTextOnClipboard(Frame().Hwnd(), L"the user's text"));
    for (const std::size_t heapLeft : kHeapLeft) {
        boxes.Clear();
        {
            const CNoMemory noMemory(heapLeft);
            SendMessageW(Frame().Hwnd(), WM_COMMAND, MAKEWPARAM(IDM_EDIT_COPY, 0), 0);
        }
        EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{fw::LoadResString(IDS_MSG_NO_MEMORY)}) << heapLeft;
        EXPECT_EQ(GetOpenClipboardWindow(), nullptr) << heapLeft;
        EXPECT_EQ(qvtest::ClipboardText(), L"the user's text") << heapLeft;
    }
    boxes.Clear();
    SendMessageW(Frame().Hwnd(), WM_COMMAND, MAKEWPARAM(IDM_EDIT_COPY, 0), 0);
    EXPECT_EQ(qvtest::ClipboardText().rfind(L"\"Task number", 0), 0u);
    EXPECT_TRUE(boxes.Texts().empty());
}

// A command of the frame's own that runs out of memory (a grid sort, made of settings) is told
// by the frame and not done.
TEST_F(OutOfMemory, FrameCommand_isToldAndNotDone)
{
    const std::wstring type = GetSetting(L"ViewGridSortType");
    {
        const CNoMemory noMemory(0);
        SendMessageW(Frame().Hwnd(), WM_COMMAND, MAKEWPARAM(IDM_GRID_SORT_FIRST + 3, 0), 0);
    }
    EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{fw::LoadResString(IDS_MSG_NO_MEMORY)});
    EXPECT_EQ(GetSetting(L"ViewGridSortType"), type);
    SendMessageW(Frame().Hwnd(), WM_COMMAND, MAKEWPARAM(IDM_GRID_SORT_FIRST + 3, 0), 0);
    EXPECT_EQ(GetSetting(L"ViewGridSortType"), L"3");
}

// A command of a dialog that runs out of memory: the reports dialog's Export... and Create
// HTML... (out of memory before the save dialog, or for its own buffer) and the information
// dialog's Save, opened from the About dialog. Each is told and leaves its dialog open; no file
// is chosen or written.
TEST_F(OutOfMemory, DialogCommands_areToldAndTheDialogStaysOpen)
{
    const std::vector<std::wstring> told = {fw::LoadResString(IDS_MSG_NO_MEMORY)};
    const auto pressWithoutMemory = [&](fw::CDialog& dialog, int button, const std::string& what) {
        for (const std::size_t heapLeft : kHeapLeft) {
            boxes.Clear();
            {
                const CNoMemory noMemory(heapLeft);
                SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                             reinterpret_cast<LPARAM>(dialog.Item(button)));
            }
            EXPECT_EQ(boxes.Texts(), told) << what << ", heap left " << heapLeft;
            EXPECT_FALSE(dialog.HasEnded()) << what << ", heap left " << heapLeft;
        }
    };
    std::vector<std::string> run;
    const fw::ModalDialogHook previous = fw::SetModalDialogHook([&](fw::CDialog& dialog) {
        if (dynamic_cast<CReportsDlg*>(&dialog)) {
            run.push_back("reports");
            for (const int output : {1, 2}) {
                const int button = IDC_REPORTS_OUTPUT_PRINTER + output;
                CheckRadioButton(dialog.Hwnd(), IDC_REPORTS_OUTPUT_PRINTER, IDC_REPORTS_OUTPUT_PRINTER + 2, button);
                SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                             reinterpret_cast<LPARAM>(dialog.Item(button)));
                ASSERT_TRUE(IsWindowEnabled(dialog.Item(IDC_REPORTS_RUN))) << output;
                pressWithoutMemory(dialog, IDC_REPORTS_RUN, output == 1 ? "export" : "HTML");
            }
        } else if (dynamic_cast<CAboutDlg*>(&dialog)) {
            run.push_back("about");
            SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_ABOUT_INFO, BN_CLICKED),
                         reinterpret_cast<LPARAM>(dialog.Item(IDC_ABOUT_INFO)));
        } else if (dynamic_cast<CInfoDlg*>(&dialog)) {
            run.push_back("information");
            pressWithoutMemory(dialog, IDC_INFO_SAVE, "information");
        }
        boxes.Clear();
        SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    SetSetting(L"ReportsSelectedReport", L"Task list");
    SendMessageW(Frame().Hwnd(), WM_COMMAND, MAKEWPARAM(IDM_TOOLS_REPORTS, 0), 0);
    SendMessageW(Frame().Hwnd(), WM_COMMAND, MAKEWPARAM(IDM_HELP_ABOUT, 0), 0);
    fw::SetModalDialogHook(previous);
    EXPECT_EQ(run, (std::vector<std::string>{"reports", "about", "information"}));
    EXPECT_EQ(GetSetting(L"ReportsExportFilename"), L"");
    EXPECT_EQ(GetSetting(L"ReportsHtmlFilename"), L"");
    EXPECT_EQ(GetSetting(L"DlgInfoFilenameLast"), L"");
}

// With no room kept for Wine's own side, a failure in a library still leaves it room for the
// message and the display's events: the program's reserve of address space, given back at the
// first allocation that fails in any module.
TEST_F(OutOfMemory, Failure_givesBackAddressSpaceForTheMessage)
{
    std::size_t wineSide = 0;
    bool opened = true;
    {
        const CNoMemory noMemory(0, 0);
        opened = Frame().OpenProjectFile(large);
        wineSide = noMemory.FreeForWineSide();
    }
    EXPECT_FALSE(opened);
    EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{L"There is not enough memory to open " + large + L"."});
    EXPECT_GE(wineSide, std::size_t(4) << 20);
}

} // namespace
