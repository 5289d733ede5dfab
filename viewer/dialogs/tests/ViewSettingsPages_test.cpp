// The view-settings dialog with the viewer's own pages (start-up files, grid columns) and the
// sort dialog, on the real controls library.
#include "ViewSettingsDlg.h"

#include "ColumnIds.h"
#include "FilterCommands.h"
#include "FilterDlg.h"
#include "ProjectDialogFixture.h"
#include "QV2ResVIds.h"
#include "Settings.h"
#include "SortDlg.h"
#include "fw/Window.h"

#include <algorithm>
#include <cwctype>

namespace {

using dlgtest::ProjectDialogTest;

class ViewSettingsPagesTest : public ProjectDialogTest {
protected:
    // Opens the view settings and lets `body` act as the user on the files and grid pages;
    // the dialog's result.
    INT_PTR OnPages(std::function<INT_PTR(HWND files, HWND grid)> body)
    {
        Answer<CViewSettingsDlg>([&](CViewSettingsDlg&) -> INT_PTR {
            HWND files = nullptr;
            HWND grid = nullptr;
            for (const ViewSettingsPageRecord& page : CViewSettingsDlg::Pages()) {
                if (std::wstring(page.Name) == L"Files")
                    files = page.Page;
                else if (std::wstring(page.Name) == L"GridColumns")
                    grid = page.Page;
            }
            return body(files, grid);
        });
        CViewSettingsDlg dialog;
        return dialog.RunModal(nullptr);
    }

    // The grid page's rows as "id" or "id-" (unchecked), top to bottom. Raw messages: a
    // wrapper would take the control with it when it goes.
    static std::vector<std::wstring> Rows(HWND grid)
    {
        HWND inner = reinterpret_cast<HWND>(SendDlgItemMessageW(grid, IDC_GRID_COLUMNS, RKCC2M_CHECKLISTBOX_GETINNERCTRL, 0, 0));
        std::vector<std::wstring> rows;
        for (LRESULT row = 0; row < SendMessageW(inner, LB_GETCOUNT, 0, 0); ++row) {
            const LRESULT id = SendMessageW(inner, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
            const LRESULT checked = SendDlgItemMessageW(grid, IDC_GRID_COLUMNS, RKCC2M_CHECKLISTBOX_GETCHECK, static_cast<WPARAM>(row), 0);
            rows.push_back(std::to_wstring(id) + (checked == 1 ? L"" : L"-"));
        }
        return rows;
    }
    static void Uncheck(HWND grid, int id)
    {
        const std::vector<std::wstring> rows = Rows(grid);
        for (size_t row = 0; row < rows.size(); ++row) {
            if (std::stoi(rows[row]) == id)
                SendDlgItemMessageW(grid, IDC_GRID_COLUMNS, RKCC2M_CHECKLISTBOX_SETCHECK, row, 0);
        }
    }
    static HWND SortList(CSortDlg& sort)
    {
        return reinterpret_cast<HWND>(SendDlgItemMessageW(sort.Hwnd(), IDC_SORT_LIST, RKCC2M_SORTLISTBOX_GETINNERCTRL, 0, 0));
    }
    // The row moved one place down with Alt+Down, as the user does.
    static void MoveDown(CSortDlg& sort, int row)
    {
        HWND list = SortList(sort);
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageW(list, WM_SYSKEYDOWN, VK_DOWN, static_cast<LPARAM>(KF_ALTDOWN) << 16 | 1);
    }
    static std::vector<int> SortData(CSortDlg& sort)
    {
        HWND list = SortList(sort);
        std::vector<int> data;
        for (LRESULT row = 0; row < SendMessageW(list, LB_GETCOUNT, 0, 0); ++row)
            data.push_back(static_cast<int>(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0)));
        return data;
    }
};

TEST_F(ViewSettingsPagesTest, Pages_loadEditReorderAndApply)
{
    std::vector<std::wstring> sortTexts;
    Answer<CSortDlg>([&](CSortDlg& sort) -> INT_PTR {
        HWND list = SortList(sort);
        for (LRESULT row = 0; row < SendMessageW(list, LB_GETCOUNT, 0, 0); ++row) {
            wchar_t text[64] = {};
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
            sortTexts.push_back(text);
        }
        MoveDown(sort, 0);
        return IDOK;
    });
    const INT_PTR result = OnPages([&](HWND files, HWND grid) -> INT_PTR {
        EXPECT_NE(files, nullptr);
        EXPECT_NE(grid, nullptr);
        if (!files || !grid)
            return IDCANCEL;
        EXPECT_EQ(IsDlgButtonChecked(files, IDC_FILES_OPEN_LAST), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(files, IDC_FILES_SCROLL_TODAY), BST_CHECKED);
        CheckDlgButton(files, IDC_FILES_OPEN_LAST, BST_UNCHECKED);
        // Every column, all shown but the costs.
        EXPECT_EQ(Rows(grid), (std::vector<std::wstring>{L"0", L"1", L"2", L"3", L"4", L"5", L"6-", L"7"}));
        Uncheck(grid, 1);
        Press(grid, IDC_GRID_SORT);
        // Column 0 moved below column 1, which stays unchecked.
        EXPECT_EQ(Rows(grid), (std::vector<std::wstring>{L"1-", L"0", L"2", L"3", L"4", L"5", L"6-", L"7"}));
        return IDOK;
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(sortTexts.size(), 8u);
    bool numeric = false;
    EXPECT_EQ(sortTexts[0], GetColumnName(0, numeric));
    EXPECT_EQ(sortTexts[7], GetColumnName(7, numeric));
    EXPECT_EQ(GetSetting(L"FileOpenLast"), L"0");
    EXPECT_EQ(GetSetting(L"StartupScrollToday"), L"1");
    EXPECT_EQ(GetSetting(L"ViewGridColumnsType"), L"0 2 3 4 5 7");
    EXPECT_EQ(GetSetting(L"ViewGridColumnsSortOrder"), L"1 0 2 3 4 5 6 7");

    // Reopened: the stored order and checks; a cancelled sort dialog changes nothing.
    Answer<CSortDlg>([&](CSortDlg& sort) -> INT_PTR {
        MoveDown(sort, 0);
        return IDCANCEL;
    });
    OnPages([&](HWND files, HWND grid) -> INT_PTR {
        EXPECT_EQ(IsDlgButtonChecked(files, IDC_FILES_OPEN_LAST), BST_UNCHECKED);
        Press(grid, IDC_GRID_SORT);
        EXPECT_EQ(Rows(grid), (std::vector<std::wstring>{L"1-", L"0", L"2", L"3", L"4", L"5", L"6-", L"7"}));
        return IDCANCEL;
    });
}

TEST_F(ViewSettingsPagesTest, Grid_noColumnShownRefusesOkAndBadSettingsParseUpToTheFault)
{
    SetSetting(L"ViewGridColumnsType", L"9");
    // A number past the int range ends the parse like any other bad piece.
    SetSetting(L"ViewGridColumnsSortOrder", L"7 3 99999999999 1");
    SetSetting(L"FileOpenLast", L"1");
    std::vector<std::wstring> rows;
    const INT_PTR result = OnPages([&](HWND files, HWND grid) -> INT_PTR {
        rows = Rows(grid);
        CheckDlgButton(files, IDC_FILES_OPEN_LAST, BST_UNCHECKED);
        // Pages come only while the dialog starts: a late one is refused and destroyed.
        HWND late = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, GetParent(grid), nullptr, nullptr, nullptr);
        ViewSettingsPageRecord record{};
        wcscpy(record.Name, L"Late");
        wcscpy(record.Category, L"Late");
        wcscpy(record.Item, L"Late");
        record.Page = late;
        EXPECT_EQ(CViewSettingsDlg::AddPage(&record), 0);
        EXPECT_FALSE(IsWindow(late));
        return IDOK;
    });
    EXPECT_EQ(rows, (std::vector<std::wstring>{L"7-", L"3-", L"0-", L"1-", L"2-", L"4-", L"5-", L"6-"}));
    EXPECT_EQ(result, IDCANCEL); // OK was refused, so the dialog stayed open until cancelled
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"Choose at least one column for the grid view.");
    EXPECT_TRUE(messages.messages[0].flags & MB_ICONSTOP);
    EXPECT_EQ(GetSetting(L"FileOpenLast"), L"1"); // no page applied

    // A page named in the exclusion list is left out.
    SetSetting(L"ExcludeViewSettingsDlg", L"GridColumns");
    OnPages([&](HWND files, HWND grid) -> INT_PTR {
        EXPECT_NE(files, nullptr);
        EXPECT_EQ(grid, nullptr);
        return IDCANCEL;
    });
    EXPECT_EQ(CViewSettingsDlg::Pages().size(), 0u);
}

// What the keyboard does to a check list (RKCC2CheckListBox) in its dialog.
struct CheckListKeys {
    std::vector<HWND> tabs; // the windows Tab reaches from the list, until the list again
    HWND list = nullptr;
    HWND selectAll = nullptr;
    HWND none = nullptr;
    std::vector<LRESULT> afterNone; // the checks after the "None" button's access key
    std::vector<LRESULT> afterAll;  // and after the "Select All" button's
    std::vector<wchar_t> accessKeys; // of every shown button and text of the dialog, sorted
    std::wstring selectAllText;
    std::wstring noneText;
};

void CollectAccessKeys(HWND parent, std::vector<wchar_t>& keys)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        // The style, not IsWindowVisible: the dialog itself is never shown here.
        if (!(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE))
            continue;
        const wchar_t key = fw::AccessKey(fw::WindowText(child));
        if (key && (SendMessageW(child, WM_GETDLGCODE, 0, 0) & (DLGC_BUTTON | DLGC_STATIC)))
            keys.push_back(key);
        CollectAccessKeys(child, keys);
    }
}

CheckListKeys UseCheckListKeys(HWND dialog, HWND checkList)
{
    CheckListKeys seen;
    seen.list = reinterpret_cast<HWND>(SendMessageW(checkList, RKCC2M_CHECKLISTBOX_GETINNERCTRL, 0, 0));
    seen.selectAll = reinterpret_cast<HWND>(SendMessageW(checkList, RKCC2M_CHECKLISTBOX_GETBUTTON, 0, 0));
    seen.none = reinterpret_cast<HWND>(SendMessageW(checkList, RKCC2M_CHECKLISTBOX_GETBUTTON, 1, 0));
    const auto checks = [&] {
        std::vector<LRESULT> states;
        for (LRESULT i = 0; i < SendMessageW(seen.list, LB_GETCOUNT, 0, 0); ++i)
            states.push_back(SendMessageW(checkList, RKCC2M_CHECKLISTBOX_GETCHECK, static_cast<WPARAM>(i), 0));
        return states;
    };
    seen.selectAllText = fw::WindowText(seen.selectAll);
    seen.noneText = fw::WindowText(seen.none);
    seen.tabs = qvtest::TabCycle(dialog, seen.list);
    const wchar_t noneKey = fw::AccessKey(seen.noneText);
    const wchar_t allKey = fw::AccessKey(seen.selectAllText);
    SetFocus(seen.list);
    if (noneKey && qvtest::DialogAccessKey(dialog, static_cast<wchar_t>(std::towlower(noneKey))))
        seen.afterNone = checks();
    if (allKey && qvtest::DialogAccessKey(dialog, allKey))
        seen.afterAll = checks();
    CollectAccessKeys(dialog, seen.accessKeys);
    std::sort(seen.accessKeys.begin(), seen.accessKeys.end());
    return seen;
}

// The visible words of a button's text: without the access key's mark.
std::wstring ShownWords(std::wstring text)
{
    text.erase(std::remove(text.begin(), text.end(), L'&'), text.end());
    return text;
}

// The check lists' "Select All" and "None" come after their list in the tab order and answer
// access keys of their own (also in lower case), in the filter dialog and on the grid page;
// they still read "Select All" and "None".
TEST_F(ViewSettingsPagesTest, CheckLists_theirButtonsTakeTabAndAccessKeys)
{
    AddResource(L"Anna", 1);
    AddResource(L"Bert", 2);
    CheckListKeys grid, filter;
    HWND gridOrder = nullptr;
    HWND filterOk = nullptr;
    OnPages([&](HWND, HWND page) -> INT_PTR {
        // As a click on its entry: the grid page is shown.
        SendMessageW(GetParent(page), WM_PAGE_ACTIVATE, 0, reinterpret_cast<LPARAM>(page));
        gridOrder = GetDlgItem(page, IDC_GRID_SORT);
        grid = UseCheckListKeys(GetParent(page), GetDlgItem(page, IDC_GRID_COLUMNS));
        return IDCANCEL;
    });
    Answer<CFilterDlg>([&](CFilterDlg& dialog) {
        filterOk = dialog.Item(IDOK);
        filter = UseCheckListKeys(dialog.Hwnd(), dialog.Item(IDC_FILTER_RESOURCES));
        return IDCANCEL;
    });
    EXPECT_EQ(NewFilterWithDialog(nullptr), nullptr);

    const struct {
        const CheckListKeys* seen;
        HWND after; // the control after "None"
        size_t items;
    } lists[] = {{&grid, gridOrder, 8}, {&filter, filterOk, 2}};
    for (const auto& [seen, after, items] : lists) {
        SCOPED_TRACE(seen == &grid ? "grid page" : "filter dialog");
        ASSERT_GE(seen->tabs.size(), 4u);
        EXPECT_EQ(seen->tabs[0], seen->selectAll);
        EXPECT_EQ(seen->tabs[1], seen->none);
        EXPECT_EQ(seen->tabs[2], after);
        EXPECT_EQ(seen->tabs.back(), seen->list);
        EXPECT_EQ(seen->afterNone, std::vector<LRESULT>(items, 0));
        EXPECT_EQ(seen->afterAll, std::vector<LRESULT>(items, 1));
        EXPECT_EQ(std::adjacent_find(seen->accessKeys.begin(), seen->accessKeys.end()), seen->accessKeys.end())
            << "an access key taken twice";
        EXPECT_EQ(ShownWords(seen->selectAllText), L"Select All");
        EXPECT_EQ(ShownWords(seen->noneText), L"None");
    }
}

TEST_F(ViewSettingsPagesTest, SortDialog_byNameIsStableAndOkGivesTheOrder)
{
    CSortDlg sort;
    sort.caption = L"Order:";
    sort.items = {{L"beta", 1}, {L"Alpha", 2}, {L"Beta", 3}, {L"alpha", 4}, {L"gamma", 5}};
    std::vector<int> shown;
    std::vector<int> twice;
    Answer<CSortDlg>([&](CSortDlg& dialog) -> INT_PTR {
        shown = SortData(dialog);
        EXPECT_NE(SendDlgItemMessageW(dialog.Hwnd(), IDC_SORT_BY_NAME, BM_GETIMAGE, IMAGE_ICON, 0), 0);
        Press(dialog.Hwnd(), IDC_SORT_BY_NAME);
        Press(dialog.Hwnd(), IDC_SORT_BY_NAME);
        twice = SortData(dialog);
        MoveDown(dialog, 3);
        return IDOK;
    });
    EXPECT_EQ(sort.RunModal(nullptr), IDOK);
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5}));
    // Equal names keep the order they were given in.
    EXPECT_EQ(twice, (std::vector<int>{2, 4, 1, 3, 5}));
    EXPECT_EQ(sort.result, (std::vector<int>{2, 4, 1, 5, 3}));
}

} // namespace
