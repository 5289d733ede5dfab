// The option pages of the two task lists inside the plug-in, on the real controls library: the
// period template creates its options tree and date period, and the pages drive them with their
// messages as the reports dialog drives the pages.
#include "PluginTestEnv.h"

#include "RKComControls2.h"
#include "rkcc2/CheckControls.h"
#include "rkcc2/Edits.h"

#include <commctrl.h>

namespace {

constexpr int kTitleEdit = 1001;
constexpr int kPeriod = 1015;
constexpr int kOptions = 1022;

// The reports dialog's side of the page protocol: it answers the output-kind question.
LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_PAGE_GET_FILENAME && wp == 0 && lp) {
        *reinterpret_cast<int*>(lp) = static_cast<int>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        return 1;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

class ListPagesOnControlsTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        static HMODULE controls = LoadLibraryW((rtest::BinFolder() + L"RKComControls2.dll").c_str());
        ASSERT_NE(controls, nullptr);
        static bool registered = false;
        if (!registered) {
            WNDCLASSW host{};
            host.lpfnWndProc = &HostProc;
            host.hInstance = GetModuleHandleW(nullptr);
            host.lpszClassName = L"ListPagesHost";
            RegisterClassW(&host);
            registered = true;
        }
        hostWindow = CreateWindowExW(WS_EX_CONTROLPARENT, L"ListPagesHost", L"", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(hostWindow, nullptr);
    }
    void TearDown() override
    {
        if (hostWindow)
            DestroyWindow(hostWindow); // the page with it
        PluginTest::TearDown();
    }

    HWND Open(const wchar_t* report, int kind)
    {
        SetWindowLongPtrW(hostWindow, GWLP_USERDATA, kind);
        ReportPageRecord record{};
        if (!Record(report).CreatePage(hostWindow, 400, 300, &record))
            return nullptr;
        page = record.Page;
        SendMessageW(page, WM_PAGE_LOAD, 0, 0);
        return page;
    }

    void Output(int kind)
    {
        SetWindowLongPtrW(hostWindow, GWLP_USERDATA, kind);
        SendMessageW(page, WM_PAGE_OUTPUT_CHANGED, 0, 0);
    }

    HWND Tree() const
    {
        return reinterpret_cast<HWND>(SendDlgItemMessageW(page, kOptions, RKCC2M_OPTIONSTREE_GETINNERCTRL, 0, 0));
    }

    static std::wstring Text(HWND tree, HTREEITEM item)
    {
        wchar_t text[128] = {};
        TVITEMW data{};
        data.mask = TVIF_TEXT | TVIF_HANDLE;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = 128;
        TreeView_GetItem(tree, &data);
        return text;
    }

    // "Group: item+ item-; ..." for the groups after the orientation group.
    std::wstring Outline() const
    {
        HWND tree = Tree();
        std::wstring text;
        for (HTREEITEM root = TreeView_GetRoot(tree); root; root = TreeView_GetNextSibling(tree, root)) {
            if (Text(tree, root) == L"Orientation")
                continue;
            text += (text.empty() ? L"" : L"; ") + Text(tree, root) + L":";
            for (HTREEITEM item = TreeView_GetChild(tree, root); item; item = TreeView_GetNextSibling(tree, item)) {
                const bool on =
                    SendDlgItemMessageW(page, kOptions, RKCC2M_OPTIONSTREE_GETCHECK, 0, reinterpret_cast<LPARAM>(item)) == 1;
                text += L" " + Text(tree, item) + (on ? L"+" : L"-");
            }
        }
        return text;
    }

    void Check(const std::wstring& name, bool on) const
    {
        HWND tree = Tree();
        for (HTREEITEM root = TreeView_GetRoot(tree); root; root = TreeView_GetNextSibling(tree, root)) {
            for (HTREEITEM item = TreeView_GetChild(tree, root); item; item = TreeView_GetNextSibling(tree, item)) {
                if (Text(tree, item) == name)
                    SendDlgItemMessageW(page, kOptions, RKCC2M_OPTIONSTREE_SETCHECK, on, reinterpret_cast<LPARAM>(item));
            }
        }
    }

    TDate Shown(int side) const
    {
        int day = 0;
        SendDlgItemMessageW(page, kPeriod, RKCC2M_DATEPERIOD_GETDATE, static_cast<WPARAM>(side),
                            reinterpret_cast<LPARAM>(&day));
        return TDate(static_cast<uint32_t>(day));
    }

    HWND hostWindow = nullptr;
    HWND page = nullptr;
};

TEST_F(ListPagesOnControlsTest, TasksByResource_loadSwitchOutputAndApply)
{
    host::SetSetting(L"ReportsListTasksByResourcesDateStart", L"20260301");
    host::SetSetting(L"ReportsListTasksByResourcesDateEnd", L"20260401");
    host::SetSetting(L"ReportsListTasksByResourcesColumnsCosts", L"1");
    ASSERT_NE(Open(L"Tasks by resource", 1), nullptr);
    EXPECT_EQ(Shown(0), rtest::Day(3, 1));
    EXPECT_EQ(Shown(1), rtest::Day(3, 31));
    EXPECT_EQ(Outline(), L"Columns: Duration- Working time- Costs+ Format- User-defined fields- Notes-; "
                         L"Sums: Values only within the period+ Sum per resource- Total-");
    Check(L"Format", true);
    Output(2);
    EXPECT_EQ(Outline(), L"Resources: One page per resource- Leave out resources without tasks-; "
                         L"Columns: Duration- Working time- Costs+ Notes-; "
                         L"Sums: Values only within the period+ Sum per resource- Total-");
    Check(L"Leave out resources without tasks", true);
    SetDlgItemTextW(page, kTitleEdit, L"By resource");
    EXPECT_EQ(SendMessageW(page, WM_PAGE_APPLY, 0, 0), 1);
    EXPECT_EQ(host::GetSetting(L"ReportsListTasksByResourcesTitle"), L"By resource");
    EXPECT_EQ(host::GetSetting(L"ReportsListTasksByResourcesColumnsFormat"), L"1");
    EXPECT_EQ(host::GetSetting(L"ReportsListTasksByResourcesResourcesSkipEmpty"), L"1");
    EXPECT_EQ(host::GetSetting(L"ReportsListTasksByResourcesDateEnd"), L"20260401");
}

TEST_F(ListPagesOnControlsTest, TaskList_loadAndApplyThePeriod)
{
    host::SetSetting(L"ReportsListTasksDefaultDateStart", L"20260301");
    host::SetSetting(L"ReportsListTasksDefaultDateEnd", L"20260315");
    host::SetSetting(L"ReportsListTasksDefaultTimeEnd", L"600");
    ASSERT_NE(Open(L"Task list", 0), nullptr);
    EXPECT_EQ(Shown(1), rtest::Day(3, 15));
    EXPECT_EQ(Outline(), L"Columns: Duration- Working time- Costs- Notes-; Sums: Values only within the period+ Total-");
    Check(L"Notes", true);
    EXPECT_EQ(SendMessageW(page, WM_PAGE_APPLY, 0, 0), 1);
    EXPECT_EQ(host::GetSetting(L"ReportsListTasksDefaultColumnsNotes"), L"1");
    EXPECT_EQ(host::GetSetting(L"ReportsListTasksDefaultDateEnd"), L"20260316");
    EXPECT_EQ(host::GetSetting(L"ReportsListTasksDefaultTimeEnd"), L"0");
}

} // namespace
