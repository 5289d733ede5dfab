// The options dialog with stand-in option pages and with the viewer's own report option pages.
#include "OptionsDlg.h"

#include "BuiltInPages.h"
#include "DialogFixture.h"
#include "QV2ResVIds.h"

namespace {

using dlgtest::DialogFixture;

class OptionsDlgTest : public DialogFixture {
protected:
    // Registers the file-option pages "Name|Title;..." of the stand-in.
    void Pages(const std::wstring& specs)
    {
        SetSetting(L"StubPages.Options0", specs);
        Register();
    }

    static std::vector<std::wstring> ListTexts(HWND list)
    {
        std::vector<std::wstring> texts;
        const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
            text.resize(static_cast<size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
            texts.push_back(text);
        }
        return texts;
    }

    static void Choose(COptionsDlg& dialog, int index)
    {
        HWND list = dialog.Item(IDC_OPTIONS_LIST);
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }

    static HWND PageTitled(COptionsDlg& dialog, const std::wstring& title)
    {
        for (const PageRecord& page : dialog.Pages()) {
            if (title == page.Title)
                return page.Page;
        }
        return nullptr;
    }

    // Runs the dialog of `kind` with `body` as the user.
    INT_PTR Run(int kind, std::function<void(COptionsDlg& dialog)> body)
    {
        drive = [body](fw::CDialog& dialog) { body(dynamic_cast<COptionsDlg&>(dialog)); };
        COptionsDlg dialog(kind);
        return dialog.RunModal(nullptr);
    }
};

TEST_F(OptionsDlgTest, Init_listsThePagesByTheirSortKeysShownWithout)
{
    Pages(L"A|[2]Alpha;B|[1]Beta;C|Gamma;D|gamma");
    std::vector<std::wstring> texts;
    std::wstring caption;
    bool placed = true;
    int width = 0, height = 0;
    LRESULT extent = 0;
    Run(0, [&](COptionsDlg& dialog) {
        texts = ListTexts(dialog.Item(IDC_OPTIONS_LIST));
        caption = Text(dialog.Hwnd());
        for (const PageRecord& page : dialog.Pages()) {
            RECT rect{};
            GetWindowRect(page.Page, &rect);
            MapWindowPoints(nullptr, dialog.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
            placed &= rect.left == dialog.PageArea().left && rect.top == dialog.PageArea().top &&
                      IsWindowEnabled(page.Page) && !HasVisibleStyle(page.Page);
        }
        width = dialog.PageWidthDu();
        height = dialog.PageHeightDu();
        extent = SendMessageW(dialog.Item(IDC_OPTIONS_LIST), LB_GETHORIZONTALEXTENT, 0, 0);
        EXPECT_EQ(dialog.SelectedIndex(), -1);
    });
    // Titles equal but for case sort alike: both are listed, in either order.
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(std::vector<std::wstring>(texts.begin(), texts.begin() + 2), (std::vector<std::wstring>{L"Beta", L"Alpha"}));
    EXPECT_EQ(caption, L"File options");
    EXPECT_TRUE(placed);
    EXPECT_GT(extent, 4);
    // The page area is 260 by 170 dialog units; the pixel round trip may lose one.
    EXPECT_NEAR(width, 260, 1);
    EXPECT_NEAR(height, 170, 1);
    // Created in registration order with the area's size, loaded once each in list order, and
    // never shown without a selection; the options dialog tells no output kind.
    const std::wstring size = std::to_wstring(width) + L" " + std::to_wstring(height);
    const std::vector<std::wstring> log = PageLog();
    ASSERT_GE(log.size(), 8u);
    EXPECT_EQ(std::vector<std::wstring>(log.begin(), log.begin() + 6),
              (std::vector<std::wstring>{L"A created " + size, L"B created " + size, L"C created " + size,
                                         L"D created " + size, L"B load -9", L"A load -9"}));
    EXPECT_EQ(PageLog(L"A"), (std::vector<std::wstring>{L"created " + size, L"load -9", L"destroyed"}));
}

TEST_F(OptionsDlgTest, Init_theRememberedTitleSelectsExactlyAndShowsItsPage)
{
    Pages(L"A|[2]Alpha;B|[1]Beta");
    SetSetting(L"DlgOptionsFileCategoryLast", L"Alpha");
    bool shown = false, otherHidden = false;
    Run(0, [&](COptionsDlg& dialog) {
        EXPECT_EQ(dialog.SelectedIndex(), 1);
        EXPECT_EQ(SendMessageW(dialog.Item(IDC_OPTIONS_LIST), LB_GETCURSEL, 0, 0), 1);
        shown = HasVisibleStyle(PageTitled(dialog, L"[2]Alpha"));
        otherHidden = !HasVisibleStyle(PageTitled(dialog, L"[1]Beta"));
    });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(otherHidden);
    EXPECT_EQ(PageLog(L"A"), (std::vector<std::wstring>{L"created 260 170", L"load -9", L"shown 1", L"destroyed"}));

    // A title that differs in case alone selects nothing.
    SetSetting(L"DlgOptionsFileCategoryLast", L"alpha");
    Run(0, [&](COptionsDlg& dialog) {
        EXPECT_EQ(dialog.SelectedIndex(), -1);
        EXPECT_EQ(dialog.CurrentPage(), nullptr);
    });
    EXPECT_EQ(GetSetting(L"DlgOptionsFileCategoryLast"), L"alpha");
}

TEST_F(OptionsDlgTest, Selection_showsTheChosenPageAndRemembersItsTitle)
{
    Pages(L"A|Alpha;B|Beta");
    Run(0, [&](COptionsDlg& dialog) {
        Choose(dialog, 0);
        ClearPageLog();
        Choose(dialog, 1);
        EXPECT_EQ(dialog.CurrentPage(), PageTitled(dialog, L"Beta"));
        EXPECT_FALSE(HasVisibleStyle(PageTitled(dialog, L"Alpha")));
        EXPECT_TRUE(HasVisibleStyle(PageTitled(dialog, L"Beta")));
        EXPECT_EQ(PageLog(), (std::vector<std::wstring>{L"A shown 0", L"B shown 1"}));
        // Choosing the page shown already changes nothing.
        Choose(dialog, 1);
        EXPECT_EQ(PageLog(), (std::vector<std::wstring>{L"A shown 0", L"B shown 1"}));
    });
    EXPECT_EQ(GetSetting(L"DlgOptionsFileCategoryLast"), L"Beta");

    SetSetting(L"DlgOptionsFileCategoryRemember", L"0");
    Run(0, [&](COptionsDlg& dialog) { Choose(dialog, 0); });
    EXPECT_EQ(GetSetting(L"DlgOptionsFileCategoryLast"), L"Beta");
}

TEST_F(OptionsDlgTest, Ok_everyPageValidatesBeforeAnyApplies)
{
    Pages(L"A|[2]Alpha;B|[1]Beta");
    EXPECT_EQ(Run(0, [&](COptionsDlg& dialog) {
                  ClearPageLog();
                  Click(dialog, IDOK);
              }),
              IDOK);
    EXPECT_EQ(PageLog(), (std::vector<std::wstring>{L"B validate", L"A validate", L"B apply", L"A apply",
                                                    L"B destroyed", L"A destroyed"}));
}

TEST_F(OptionsDlgTest, Ok_aRefusingPageKeepsTheDialogOpenAndIsBroughtForward)
{
    Pages(L"A|[2]Alpha;B|[1]Beta;C|[3]Gamma");
    SetSetting(L"StubPage.A.Refuse", L"1");
    SetSetting(L"StubPage.A.Activate", L"1");
    EXPECT_EQ(Run(0, [&](COptionsDlg& dialog) {
                  Choose(dialog, 0);
                  ClearPageLog();
                  Click(dialog, IDOK);
                  EXPECT_FALSE(dialog.HasEnded());
                  EXPECT_EQ(dialog.SelectedIndex(), 1);
                  EXPECT_EQ(dialog.CurrentPage(), PageTitled(dialog, L"[2]Alpha"));
              }),
              IDCANCEL);
    const std::vector<std::wstring> log = PageLog();
    EXPECT_EQ(std::vector<std::wstring>(log.begin(), log.begin() + 5),
              (std::vector<std::wstring>{L"B validate", L"A validate", L"B shown 0", L"A shown 1", L"A activated 1"}));
    for (const std::wstring& line : log)
        EXPECT_EQ(line.find(L"apply"), std::wstring::npos) << "nothing may be applied";
    EXPECT_EQ(GetSetting(L"DlgOptionsFileCategoryLast"), L"Alpha");
}

TEST_F(OptionsDlgTest, Init_pagesThatFailAreLeftOutAndNoPagesIsFine)
{
    Pages(L"A|Alpha;F|Fails;N|No window");
    SetSetting(L"StubPage.F.Fail", L"1");
    SetSetting(L"StubPage.N.NullPage", L"1");
    std::vector<std::wstring> texts;
    EXPECT_EQ(Run(0, [&](COptionsDlg& dialog) {
                  texts = ListTexts(dialog.Item(IDC_OPTIONS_LIST));
                  Click(dialog, IDOK);
              }),
              IDOK);
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Alpha"}));

    // No page of the kind (or no such kind): an empty list, and OK ends with OK.
    for (int kind : {1, 5}) {
        EXPECT_EQ(Run(kind, [&](COptionsDlg& dialog) {
                      EXPECT_TRUE(dialog.Pages().empty());
                      EXPECT_EQ(SendMessageW(dialog.Item(IDC_OPTIONS_LIST), LB_GETHORIZONTALEXTENT, 0, 0), 4);
                      Click(dialog, IDOK);
                  }),
                  IDOK)
            << kind;
    }
}

TEST_F(OptionsDlgTest, ReportOptions_showTheViewersOwnPages)
{
    // The printer page holds controls of the controls library.
    static HMODULE controls = LoadLibraryW((qvtest::BinFolder() + L"RKComControls2.dll").c_str());
    ASSERT_NE(controls, nullptr);
    RegisterBuiltInReportOptionPages();
    std::vector<std::wstring> texts;
    std::wstring caption;
    Run(2, [&](COptionsDlg& dialog) {
        texts = ListTexts(dialog.Item(IDC_OPTIONS_LIST));
        caption = Text(dialog.Hwnd());
        for (const PageRecord& page : dialog.Pages())
            EXPECT_TRUE(GetWindowLongW(page.Page, GWL_STYLE) & WS_CHILD);
    });
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Export options", L"Printer options"}));
    EXPECT_EQ(caption, L"Report options");
}

} // namespace
