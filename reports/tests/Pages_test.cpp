// Report option pages driven by the page messages from a host window, as the reports dialog
// drives them: title and orientation kept in the report's keys, the orientation group following
// the output kind, file-name proposals and the ready-made periods of the period page.
#include "CoreTestEnv.h"

#include "ControlDoubles.h"
#include "filters/FiltersReport.h"
#include "pages/PeriodBaseDlg.h"

#include "QV2ResVReportIds.h"
#include "TDateTime.h"

#include <commctrl.h>

namespace {

using rtest::Day;

class CTestPeriodDlg : public CPeriodBaseDlg {
public:
    CTestPeriodDlg() : CPeriodBaseDlg(L"ReportsTest", L"Start", L"End") {}

protected:
    void SetDefaults() override
    {
        Title = L"Holidays";
        OrientationIndex = 0;
    }
};

class PagesTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        controls::Register();
        ASSERT_NE(host.Hwnd(), nullptr);
    }

    HWND CreateFiltersPage(ReportPageRecord& record)
    {
        record = ReportPageRecord{};
        if (!FiltersReport().createPage(host.Hwnd(), 200, 150, &record))
            return nullptr;
        return record.Page;
    }

    static LRESULT Send(HWND page, UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return SendMessageW(page, msg, wp, lp); }

    static HWND Tree(HWND page) { return GetDlgItem(GetDlgItem(page, IDC_REPORT_OPTIONS), 100); }

    static std::wstring ItemText(HWND tree, HTREEITEM item)
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

    // "Orientation: Portrait*, Landscape" with a star on the selected radio; "" for no group.
    static std::wstring Group(HWND page)
    {
        HWND tree = Tree(page);
        HTREEITEM root = TreeView_GetRoot(tree);
        if (!root)
            return L"";
        std::wstring text = ItemText(tree, root) + L":";
        const HWND options = GetDlgItem(page, IDC_REPORT_OPTIONS);
        const int selected = static_cast<int>(
            SendMessageW(options, RKCC2M_OPTIONSTREE_GETRADIO, 0, reinterpret_cast<LPARAM>(root)));
        int index = 0;
        for (HTREEITEM child = TreeView_GetChild(tree, root); child; child = TreeView_GetNextSibling(tree, child)) {
            text += std::wstring(index > 0 ? L"," : L"") + L" " + ItemText(tree, child) + (index == selected ? L"*" : L"");
            ++index;
        }
        return text;
    }

    static std::wstring TitleText(HWND page)
    {
        wchar_t text[256] = {};
        GetDlgItemTextW(page, IDC_REPORT_TITLE, text, 256);
        return text;
    }

    CTestHost host;
};

TEST_F(PagesTest, CreatePage_capturesAndAFreshLoad)
{
    ReportPageRecord record;
    HWND page = CreateFiltersPage(record);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(GetParent(page), host.Hwnd());
    EXPECT_STREQ(record.Caption, L"Lists");
    EXPECT_STREQ(record.Caption2, L"Filters");
    EXPECT_EQ(Send(page, WM_PAGE_LOAD), 1);
    EXPECT_EQ(TitleText(page), L"Filters");
    EXPECT_EQ(Group(page), L"Orientation: Portrait, Landscape*");
    // The group image follows the eight item images of the tree.
    TVITEMW data{};
    data.mask = TVIF_IMAGE | TVIF_HANDLE;
    data.hItem = TreeView_GetRoot(Tree(page));
    TreeView_GetItem(Tree(page), &data);
    EXPECT_EQ(data.iImage, 8);
    DestroyWindow(page);
}

TEST_F(PagesTest, Apply_clearedTitleSurvivesTheNextLoad)
{
    ReportPageRecord record;
    HWND page = CreateFiltersPage(record);
    ASSERT_NE(page, nullptr);
    Send(page, WM_PAGE_LOAD);
    SetDlgItemTextW(page, IDC_REPORT_TITLE, L"");
    bool ok = true;
    EXPECT_EQ(Send(page, WM_PAGE_VALIDATE, reinterpret_cast<WPARAM>(&ok)), 1);
    EXPECT_TRUE(ok);
    bool changed = true;
    EXPECT_EQ(Send(page, WM_PAGE_APPLY, reinterpret_cast<WPARAM>(&changed)), 1);
    EXPECT_TRUE(host::HasSetting(L"ReportsFiltersTitle"));
    EXPECT_EQ(host::GetSetting(L"ReportsFiltersTitle"), L"");
    EXPECT_EQ(host::GetSetting(L"ReportsFiltersTitleEmpty"), L"1");
    EXPECT_EQ(host::GetSetting(L"ReportsFiltersPrinterOrientation"), L"2");
    DestroyWindow(page);

    page = CreateFiltersPage(record);
    ASSERT_NE(page, nullptr);
    Send(page, WM_PAGE_LOAD);
    EXPECT_EQ(TitleText(page), L"");
    DestroyWindow(page);
}

TEST_F(PagesTest, Load_anOrientationNeitherPortraitNorLandscapeShowsAndStoresTheDefault)
{
    host::SetSetting(L"ReportsFiltersPrinterOrientation", L"0");
    ReportPageRecord record;
    HWND page = CreateFiltersPage(record);
    ASSERT_NE(page, nullptr);
    Send(page, WM_PAGE_LOAD);
    EXPECT_EQ(Group(page), L"Orientation: Portrait, Landscape*");
    Send(page, WM_PAGE_APPLY);
    EXPECT_EQ(host::GetSetting(L"ReportsFiltersPrinterOrientation"), L"2");
    DestroyWindow(page);
}

TEST_F(PagesTest, OutputKind_groupOnlyForThePrinterWithTheLastOrientation)
{
    ReportPageRecord record;
    HWND page = CreateFiltersPage(record);
    ASSERT_NE(page, nullptr);
    Send(page, WM_PAGE_LOAD);
    const HWND options = GetDlgItem(page, IDC_REPORT_OPTIONS);
    SendMessageW(options, RKCC2M_OPTIONSTREE_SETRADIO, 0, reinterpret_cast<LPARAM>(TreeView_GetRoot(Tree(page))));
    host.kind = 2;
    EXPECT_EQ(Send(page, WM_PAGE_OUTPUT_CHANGED), 1);
    EXPECT_EQ(Group(page), L"");
    host.kind = 0;
    Send(page, WM_PAGE_SHOWN, 0);
    EXPECT_EQ(Group(page), L""); // hiding changes nothing
    Send(page, WM_PAGE_SHOWN, 1);
    EXPECT_EQ(Group(page), L"Orientation: Portrait*, Landscape");
    Send(page, WM_PAGE_APPLY);
    EXPECT_EQ(host::GetSetting(L"ReportsFiltersPrinterOrientation"), L"1");
    DestroyWindow(page);
}

TEST_F(PagesTest, OutputKind_aSilentHostShowsNoGroupAndKeepsTheOrientation)
{
    host.answers = false;
    host::SetSetting(L"ReportsFiltersPrinterOrientation", L"1");
    ReportPageRecord record;
    HWND page = CreateFiltersPage(record);
    ASSERT_NE(page, nullptr);
    Send(page, WM_PAGE_LOAD);
    EXPECT_EQ(Group(page), L"");
    Send(page, WM_PAGE_APPLY);
    EXPECT_EQ(host::GetSetting(L"ReportsFiltersPrinterOrientation"), L"1");
    DestroyWindow(page);
}

TEST_F(PagesTest, GetFileName_theTitleCutToTheBuffer)
{
    host::SetSetting(L"ReportsFiltersTitle", L"My filters");
    ReportPageRecord record;
    HWND page = CreateFiltersPage(record);
    ASSERT_NE(page, nullptr);
    Send(page, WM_PAGE_LOAD);
    wchar_t buffer[16] = L"untouched";
    EXPECT_EQ(Send(page, WM_PAGE_GET_FILENAME, 0, reinterpret_cast<LPARAM>(buffer)), 1);
    EXPECT_STREQ(buffer, L"untouched");
    EXPECT_EQ(Send(page, WM_PAGE_GET_FILENAME, 5, reinterpret_cast<LPARAM>(buffer)), 1);
    EXPECT_STREQ(buffer, L"My f");
    DestroyWindow(page);
}

TEST_F(PagesTest, CreatePage_refusals)
{
    EXPECT_EQ(FiltersReport().createPage(host.Hwnd(), 0, 0, nullptr), 0);
    ReportPageRecord record;
    record.Page = reinterpret_cast<HWND>(1);
    // A parent that is no window: a child dialog cannot be made.
    EXPECT_EQ(FiltersReport().createPage(reinterpret_cast<HWND>(0x7FFF0), 0, 0, &record), 0);
    EXPECT_EQ(record.Page, nullptr);
    // A second page while the first still exists replaces it.
    HWND first = CreateFiltersPage(record);
    HWND second = CreateFiltersPage(record);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(IsWindow(first) && first != second);
    DestroyWindow(second);
}

TEST_F(PagesTest, PeriodPage_readyMadePeriodsKeepTheOtherEdits)
{
    CTestPeriodDlg page;
    ASSERT_TRUE(page.CreatePage(host.Hwnd()));
    Send(page.Hwnd(), WM_PAGE_LOAD);
    EXPECT_EQ(page.PeriodStart, Day(5, 17));
    EXPECT_NE(SendDlgItemMessageW(page.Hwnd(), IDC_REPORT_PERIOD_BUTTON, BM_GETIMAGE, IMAGE_ICON, 0), 0);
    SetDlgItemTextW(page.Hwnd(), IDC_REPORT_TITLE, L"Typed");

    host::SetMainWindowHandler([](const SendMessageArgs& args) -> LRESULT {
        if (args.Message != WM_MAINWND_VIEWPERIOD)
            return 0;
        *reinterpret_cast<TDateTime*>(args.WParam) = TDateTime(Day(3, 1), 0, false);
        *reinterpret_cast<TDateTime*>(args.LParam) = TDateTime(Day(4, 1), 0, false);
        return 1;
    });
    EXPECT_TRUE(page.ApplyPeriodCommand(IDM_PERIOD_VIEW));
    EXPECT_EQ(page.PeriodStart, Day(3, 1));
    EXPECT_EQ(page.PeriodEnd, Day(3, 31));
    EXPECT_EQ(page.PeriodCtrl.GetDate(1, TDate(1)), Day(3, 31));
    EXPECT_EQ(TitleText(page.Hwnd()), L"Typed");

    EXPECT_TRUE(page.ApplyPeriodCommand(IDM_PERIOD_MONTH));
    EXPECT_EQ(page.PeriodStart, Day(5, 1));
    EXPECT_EQ(page.PeriodEnd, Day(5, 31));
    EXPECT_TRUE(page.ApplyPeriodCommand(IDM_PERIOD_YEAR));
    EXPECT_EQ(page.PeriodStart, Day(1, 1));
    EXPECT_EQ(page.PeriodEnd, Day(12, 31));
    EXPECT_TRUE(page.ApplyPeriodCommand(IDM_PERIOD_TODAY));
    EXPECT_EQ(page.PeriodStart, Day(5, 17));
    EXPECT_EQ(page.PeriodEnd, Day(5, 17));
    EXPECT_FALSE(page.ApplyPeriodCommand(12345));
    EXPECT_EQ(page.PeriodEnd, Day(5, 17));

    wqv2_data::CData* root = rtest::CData::Sample();
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(page.ApplyPeriodCommand(IDM_PERIOD_PROJECT));
    EXPECT_EQ(page.PeriodStart, Day(3, 1));
    EXPECT_EQ(page.PeriodEnd, Day(3, 31));

    host::SetMainWindowHandler(nullptr); // no view: both ends today
    EXPECT_TRUE(page.ApplyPeriodCommand(IDM_PERIOD_VIEW));
    EXPECT_EQ(page.PeriodStart, Day(5, 17));
    EXPECT_EQ(page.PeriodEnd, Day(5, 17));
    EXPECT_EQ(TitleText(page.Hwnd()), L"Typed");
}

VOID CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    EndMenu();
}

TEST_F(PagesTest, PeriodButton_aDismissedMenuChangesNothing)
{
    CTestPeriodDlg page;
    ASSERT_TRUE(page.CreatePage(host.Hwnd()));
    Send(page.Hwnd(), WM_PAGE_LOAD);
    ShowWindow(host.Hwnd(), SW_SHOW);
    ShowWindow(page.Hwnd(), SW_SHOW);
    page.PeriodStart = Day(2, 2);
    page.PeriodEnd = Day(2, 3);
    page.PeriodCtrl.SetDate(0, Day(2, 2));
    page.PeriodCtrl.SetDate(1, Day(2, 3));
    SetTimer(nullptr, 0, 50, &CloseMenu);
    Send(page.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_REPORT_PERIOD_BUTTON, BN_CLICKED),
         reinterpret_cast<LPARAM>(GetDlgItem(page.Hwnd(), IDC_REPORT_PERIOD_BUTTON)));
    EXPECT_EQ(page.PeriodStart, Day(2, 2));
    EXPECT_EQ(page.PeriodEnd, Day(2, 3));
}

} // namespace
