// The view-settings dialog with stand-in pages added by a plug-in.
#include "ViewSettingsDlg.h"

#include "DialogFixture.h"
#include "PageTree.h"
#include "QV2ResVIds.h"

namespace {

using dlgtest::DialogFixture;

class ViewSettingsDlgTest : public DialogFixture {
protected:
    // The viewer's own pages have their own tests: here the dialog shows the stand-in's only.
    void SetUp() override
    {
        DialogFixture::SetUp();
        SetSetting(L"ExcludeViewSettingsDlg", kBuiltInPages);
    }
    static constexpr const wchar_t* kBuiltInPages = L"Files\tGridColumns";

    // The plug-in's pages "Name|Category|Item;...".
    void Pages(const std::wstring& specs) { SetSetting(L"StubPages.ViewPages", specs); }

    INT_PTR Run(std::function<void(CViewSettingsDlg& dialog)> body)
    {
        drive = [body](fw::CDialog& dialog) { body(dynamic_cast<CViewSettingsDlg&>(dialog)); };
        CViewSettingsDlg dialog;
        return dialog.RunModal(nullptr);
    }

    static HWND Tree(CViewSettingsDlg& dialog) { return dialog.Item(IDC_VIEW_SETTINGS_TREE); }

    // The tree as "group: item, item" lines.
    static std::vector<std::wstring> Outline(HWND tree)
    {
        std::vector<std::wstring> lines;
        for (HTREEITEM group = TreeView_GetRoot(tree); group; group = TreeView_GetNextSibling(tree, group)) {
            std::wstring line = treeitem::Text(tree, group) + L":";
            for (HTREEITEM item = TreeView_GetChild(tree, group); item; item = TreeView_GetNextSibling(tree, item))
                line += L" " + treeitem::Text(tree, item);
            lines.push_back(line);
        }
        return lines;
    }

    static std::wstring Selected(HWND tree) { return treeitem::Text(tree, TreeView_GetSelection(tree)); }
};

TEST_F(ViewSettingsDlgTest, AddPage_keepsCompleteRecordsOnlyWhileTheDialogStarts)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ViewSettingsPageRecord record{};
    wcscpy(record.Name, L"Grid");
    wcscpy(record.Category, L"View");
    wcscpy(record.Item, L"Columns");
    record.Page = window;
    EXPECT_EQ(CViewSettingsDlg::AddPage(nullptr), 0);
    // No dialog is starting: refused, and a window that is no page of it is left alone.
    EXPECT_EQ(CViewSettingsDlg::AddPage(&record), 0);
    EXPECT_TRUE(IsWindow(window));
    DestroyWindow(window);

    // A field filled to its end is cut, not read past.
    Pages(L"P1|View|;P2||Start;P3|View|*");
    Run([&](CViewSettingsDlg&) {
        ASSERT_EQ(CViewSettingsDlg::Pages().size(), 1u);
        EXPECT_EQ(std::wstring(CViewSettingsDlg::Pages().back().Item).size(), 255u);
    });
    // A page not taken is destroyed by the dialog at once, before its plug-in hears the answer.
    for (const wchar_t* refused : {L"P1", L"P2"})
        EXPECT_EQ(PageLog(refused), (std::vector<std::wstring>{L"created 260 170", L"destroyed", L"added 0"}));
    EXPECT_EQ(PageLog(L"P3")[1], L"added 1");
}

TEST_F(ViewSettingsDlgTest, Tree_groupsByCategoryAndChoosesTheFirstPage)
{
    Pages(L"P1|[2]Grid|Columns;P2|[1]Files|Start;P3|[2]Grid|[0]Alpha;P4|Other|[1]Zeta");
    Run([&](CViewSettingsDlg& dialog) {
        EXPECT_EQ(Outline(Tree(dialog)),
                  (std::vector<std::wstring>{L"Files: Start", L"Grid: Alpha Columns", L"Other: Zeta"}));
        EXPECT_EQ(Selected(Tree(dialog)), L"Start");
        EXPECT_EQ(dialog.CurrentPage(), CViewSettingsDlg::Pages()[1].Page);
        EXPECT_FALSE(HasVisibleStyle(dialog.Item(IDC_NO_PAGE)));
        EXPECT_EQ(CViewSettingsDlg::Pages().size(), 4u);
    });
    EXPECT_EQ(GetSetting(L"DlgViewSettingsSelectionCategory"), L"Files");
    EXPECT_EQ(GetSetting(L"DlgViewSettingsSelectionItem"), L"Start");
    // Every page was loaded once, and all are gone with the dialog.
    for (const wchar_t* page : {L"P1", L"P2", L"P3", L"P4"}) {
        const std::vector<std::wstring> log = PageLog(page);
        EXPECT_EQ(std::count(log.begin(), log.end(), L"load -9"), 1) << page;
        EXPECT_EQ(log.back(), L"destroyed") << page;
    }
    EXPECT_TRUE(CViewSettingsDlg::Pages().empty());
}

TEST_F(ViewSettingsDlgTest, Tree_theRememberedEntryNeedsItsGroupAndItem)
{
    Pages(L"P1|Grid|Columns;P2|Files|Start;P3|Other|Columns");
    SetSetting(L"DlgViewSettingsSelectionCategory", L"Other");
    SetSetting(L"DlgViewSettingsSelectionItem", L"Columns");
    Run([&](CViewSettingsDlg& dialog) {
        HWND tree = Tree(dialog);
        EXPECT_EQ(treeitem::Text(tree, TreeView_GetParent(tree, TreeView_GetSelection(tree))), L"Other");
    });
    SetSetting(L"DlgViewSettingsSelectionCategory", L"Files");
    SetSetting(L"DlgViewSettingsSelectionItem", L"Columns");
    Run([&](CViewSettingsDlg& dialog) { EXPECT_EQ(Selected(Tree(dialog)), L"Start"); });
}

TEST_F(ViewSettingsDlgTest, Selection_aGroupShowsTheNoPageText)
{
    Pages(L"P1|Grid|Columns");
    Run([&](CViewSettingsDlg& dialog) {
        HWND tree = Tree(dialog);
        ClearPageLog();
        TreeView_SelectItem(tree, TreeView_GetRoot(tree));
        EXPECT_EQ(dialog.CurrentPage(), nullptr);
        EXPECT_TRUE(HasVisibleStyle(dialog.Item(IDC_NO_PAGE)));
        EXPECT_EQ(PageLog(), (std::vector<std::wstring>{L"P1 shown 0"}));
    });
    EXPECT_EQ(GetSetting(L"DlgViewSettingsSelectionItem"), L"Grid");
    EXPECT_EQ(GetSetting(L"DlgViewSettingsSelectionCategory"), L"");

    SetSetting(L"DlgViewSettingsSelectionRemember", L"false");
    SetSetting(L"DlgViewSettingsSelectionItem", L"kept");
    Run([&](CViewSettingsDlg& dialog) { TreeView_SelectItem(Tree(dialog), TreeView_GetRoot(Tree(dialog))); });
    EXPECT_EQ(GetSetting(L"DlgViewSettingsSelectionItem"), L"kept");
    EXPECT_EQ(GetSetting(L"DlgViewSettingsSelectionCategory"), L"");
}

TEST_F(ViewSettingsDlgTest, Ok_answersOkOnlyWhenAPageChangedSomething)
{
    Pages(L"P1|Grid|Columns;P2|Files|Start");
    SetSetting(L"StubPage.P1.Unchanged", L"1");
    SetSetting(L"StubPage.P2.Unchanged", L"1");
    EXPECT_EQ(Run([&](CViewSettingsDlg& dialog) {
                  ClearPageLog();
                  Click(dialog, IDOK);
              }),
              IDCANCEL);
    // Pre-order: Files/Start, then Grid/Columns.
    const std::vector<std::wstring> log = PageLog();
    EXPECT_EQ(std::vector<std::wstring>(log.begin(), log.begin() + 4),
              (std::vector<std::wstring>{L"P2 validate", L"P1 validate", L"P2 apply", L"P1 apply"}));

    SetSetting(L"StubPage.P1.Unchanged", L"0");
    EXPECT_EQ(Run([&](CViewSettingsDlg& dialog) { Click(dialog, IDOK); }), IDOK);

    // Without pages: the no-page text, and nothing changed.
    SetSetting(L"StubPages.ViewPages", L"");
    EXPECT_EQ(Run([&](CViewSettingsDlg& dialog) {
                  EXPECT_EQ(TreeView_GetCount(Tree(dialog)), 0u);
                  EXPECT_TRUE(HasVisibleStyle(dialog.Item(IDC_NO_PAGE)));
                  Click(dialog, IDOK);
              }),
              IDCANCEL);
}

TEST_F(ViewSettingsDlgTest, Ok_aRefusingPageIsShownAndNothingApplied)
{
    Pages(L"P1|Grid|Columns;P2|Files|Start");
    SetSetting(L"StubPage.P1.Refuse", L"1");
    SetSetting(L"StubPage.P1.Activate", L"1");
    EXPECT_EQ(Run([&](CViewSettingsDlg& dialog) {
                  ClearPageLog();
                  Click(dialog, IDOK);
                  EXPECT_FALSE(dialog.HasEnded());
                  EXPECT_EQ(Selected(Tree(dialog)), L"Columns");
              }),
              IDCANCEL);
    for (const std::wstring& line : PageLog())
        EXPECT_EQ(line.find(L"apply"), std::wstring::npos);
}

TEST_F(ViewSettingsDlgTest, Init_excludedAndFailedPagesAreLeftOut)
{
    Pages(L"P1|Grid|Columns;P2|Files|Start;P3|Files|Broken");
    SetSetting(L"ExcludeViewSettingsDlg", std::wstring(kBuiltInPages) + L"\tP1");
    SetSetting(L"StubPage.P3.NullPage", L"1");
    Run([&](CViewSettingsDlg& dialog) {
        EXPECT_EQ(Outline(Tree(dialog)), (std::vector<std::wstring>{L"Files: Start"}));
    });
    // The dialog destroyed the page it would not take.
    const std::vector<std::wstring> refused = PageLog(L"P1");
    EXPECT_EQ(std::vector<std::wstring>(refused.begin() + 1, refused.end()),
              (std::vector<std::wstring>{L"destroyed", L"added 2"}));
    EXPECT_EQ(PageLog(L"P3")[1], L"added 0");
}

} // namespace
