// The real viewer started with a plug-in that takes the address space when it starts, as a large
// project or a greedy plug-in would (viewer/tests/stubs/StubGreedyPlugin.cpp), and watches every
// window from a thread of its own: start-up ends with the main window on the project, or with a
// message that says the project did not fit, and the viewer ends when it is closed.
#include "LargeProjectFile.h"
#include "ViewerProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace qvtest;

// Long enough for a large project's open on a busy, emulated machine; only against a hang.
constexpr UINT kStartLimitMs = 300000;

// The plug-in's settings, for the processes started while it lives.
class CGreedyPluginSettings {
public:
    explicit CGreedyPluginSettings(int leftMb)
    {
        SetEnvironmentVariableW(L"QV_TEST_ADDRESS_LEFT_MB", std::to_wstring(leftMb).c_str());
        SetEnvironmentVariableW(L"QV_TEST_WATCH_WINDOWS", L"1");
    }
    ~CGreedyPluginSettings()
    {
        SetEnvironmentVariableW(L"QV_TEST_ADDRESS_LEFT_MB", nullptr);
        SetEnvironmentVariableW(L"QV_TEST_WATCH_WINDOWS", nullptr);
    }
    CGreedyPluginSettings(const CGreedyPluginSettings&) = delete;
    CGreedyPluginSettings& operator=(const CGreedyPluginSettings&) = delete;
};

// True when the frame's thread handles messages again within the limit.
bool Answers(HWND frame)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(frame, WM_NULL, 0, 0, SMTO_NORMAL, kStartLimitMs, &result) != 0;
}

// Starts the viewer on `project` with `leftMb` MB of address space left; what start-up showed
// (the message's text, then the frame's title), and how the viewer ended when it was closed.
struct StartUp {
    std::wstring shown;
    long exitCode = -1;
};

StartUp StartAndClose(int leftMb, const std::wstring& project, const std::wstring& ini)
{
    const std::wstring bin = BinFolder();
    const CGreedyPluginSettings settings(leftMb);
    CViewerProcess viewer(bin, L"\"" + bin + L"Win-Quorvia2-Viewer.exe\" /i \"" + ini + L"\" /pf \"" + StubFolder() +
                                   L"stub_plugin_greedy.qvp\" \"" + project + L"\"");
    StartUp startUp;
    if (!viewer.frame || !Answers(viewer.frame))
        return {viewer.said + L"(no main window that answers)"};
    DWORD process = 0;
    GetWindowThreadProcessId(viewer.frame, &process);
    if (HWND box = TopLevelWindow(process, L"#32770")) {
        wchar_t text[512] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 512);
        startUp.shown = std::wstring(text) + L" | ";
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        if (!Answers(viewer.frame))
            return {startUp.shown + L"(no answer after the message)"};
    }
    wchar_t title[512] = {};
    GetWindowTextW(viewer.frame, title, 512);
    startUp.shown += title;
    startUp.exitCode = viewer.CloseAndWait();
    return startUp;
}

TEST(EndToEndMemory, AddressSpaceTakenAtStart_showsTheWindowOrAMessageAndCloses)
{
    CTempFolder folder;
    const std::wstring sample = TestProgramFolder() + L"viewer_e2e\\sample.wqv";
    const std::wstring large = folder.File(L"large.xml");
    ASSERT_TRUE(WriteLargeProjectFile(large, 100000));
    struct Case {
        int leftMb;
        const std::wstring& project;
        std::wstring shown;
    };
    const std::wstring sampleTitle = sample + L" - Quorvia2 Viewer";
    const Case cases[] = {{40, sample, sampleTitle},
                          {150, sample, sampleTitle},
                          {300, sample, sampleTitle},
                          {40, large, L"There is not enough memory to open " + large + L". | No project - Quorvia2 Viewer"}};
    for (const Case& c : cases) {
        const StartUp startUp = StartAndClose(c.leftMb, c.project, folder.File(L"viewer.ini"));
        EXPECT_EQ(Narrow(startUp.shown), Narrow(c.shown)) << c.leftMb << " MB left";
        EXPECT_EQ(startUp.exitCode, 0) << c.leftMb << " MB left";
    }
}

} // namespace
