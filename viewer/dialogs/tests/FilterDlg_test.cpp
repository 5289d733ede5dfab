#include "FilterDlg.h"
#include "FiltersDlg.h"

#include "CurrentFilter.h"
#include "FilterCommands.h"
#include "ProjectDialogFixture.h"
#include "QV2ResVIds.h"
#include "RKComControls2.h"
#include "Settings.h"

namespace {

class FilterDlgTest : public dlgtest::ProjectDialogTest {
protected:
    void SetUp() override
    {
        ProjectDialogTest::SetUp();
        anna = AddResource(L"Anna", 2);
        bert = AddResource(L"Bert", 1);
        for (const wchar_t* key : {L"DlgFilterAutoName", L"DlgFilterAutoNameFormat", L"DlgFilterAutoNameMax", L"FilterActive"})
            SetSetting(key, L"");
    }

    // The filter dialog answers OK with this name (and a task text) after `drive`.
    void NameFilter(const std::wstring& name, std::function<void(CFilterDlg&)> drive = {})
    {
        Answer<CFilterDlg>([this, name, drive](CFilterDlg& dialog) {
            seenNames.push_back(Text(dialog.Hwnd(), IDC_FILTER_NAME));
            wchar_t caption[64] = {};
            GetWindowTextW(dialog.Hwnd(), caption, 64);
            captions.push_back(caption);
            SetText(dialog.Hwnd(), IDC_FILTER_NAME, name);
            SetText(dialog.Hwnd(), IDC_FILTER_TASK_NAME, L"paint");
            if (drive)
                drive(dialog);
            return IDOK;
        });
    }

    // Runs the filters dialog; `drive` acts on it, then it is closed with `button`.
    INT_PTR RunFilters(std::function<void(CFiltersDlg&)> drive, INT_PTR button = IDCANCEL)
    {
        Answer<CFiltersDlg>([this, drive, button](CFiltersDlg& dialog) {
            drive(dialog);
            listed = ListTexts(dialog.Item(IDC_FILTERS_LIST));
            selection = static_cast<int>(SendMessageW(dialog.Item(IDC_FILTERS_LIST), LB_GETCURSEL, 0, 0));
            return button;
        });
        CFiltersDlg dialog;
        return dialog.RunModal(nullptr);
    }

    static std::vector<std::wstring> ListTexts(HWND list)
    {
        std::vector<std::wstring> texts;
        const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
            text.resize(static_cast<size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
            texts.push_back(text);
        }
        return texts;
    }

    std::vector<wqv2_data::CResource*> Excluded(wqv2_data::CFilter* filter)
    {
        std::vector<wqv2_data::CResource*> out(static_cast<size_t>(filter->GetExcludedResourceCount()));
        out.resize(static_cast<size_t>(filter->GetExcludedResources(out.data())));
        return out;
    }

    wqv2_data::CResource* anna = nullptr;
    wqv2_data::CResource* bert = nullptr;
    std::vector<std::wstring> seenNames;
    std::vector<std::wstring> captions;
    std::vector<std::wstring> listed;
    int selection = -2;
};

TEST_F(FilterDlgTest, New_createdThroughTheFiltersDialogInACommittedTransaction)
{
    // Bert comes first by position; unchecking him excludes him.
    NameFilter(L"Painters", [](CFilterDlg& dialog) {
        SendMessageW(dialog.Item(IDC_FILTER_RESOURCES), RKCC2M_CHECKLISTBOX_SETCHECK, 0, FALSE);
    });
    RunFilters([](CFiltersDlg& dialog) { Press(dialog.Hwnd(), IDC_FILTERS_NEW); });
    ASSERT_EQ(root->Filters->GetCount(), 1);
    wqv2_data::CFilter* made = root->Filters->GetAt(0);
    EXPECT_STREQ(made->Name, L"Painters");
    EXPECT_STREQ(made->TaskName, L"paint");
    EXPECT_EQ(Excluded(made), (std::vector<wqv2_data::CResource*>{bert}));
    EXPECT_EQ(Commits(), 3); // the resources of SetUp, then the filter
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"New filter"}));
    EXPECT_EQ(listed, (std::vector<std::wstring>{L"Painters"}));
    EXPECT_EQ(selection, 0);
    // The transaction was closed: another one begins.
    ASSERT_EQ(root->BeginTransaction(L""), 0);
    root->Rollback();
}

TEST_F(FilterDlgTest, Edit_keepingTheNameIsNoDuplicateAndUncheckingAllHidesEveryone)
{
    wqv2_data::CFilter* team = AddFilter(L"Team");
    AddFilter(L"Other");
    NameFilter(L"Team", [](CFilterDlg& dialog) {
        SendMessageW(dialog.Item(IDC_FILTER_RESOURCES), RKCC2M_CHECKLISTBOX_CHECKALL, RKCC2_CHECKLISTBOX_NONE, 0);
    });
    EXPECT_TRUE(EditFilterWithDialog(team));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"Edit filter"}));
    EXPECT_EQ(Excluded(team).size(), 2u);
    EXPECT_TRUE(team->IsResourceHidden(anna));
    EXPECT_TRUE(team->IsResourceHidden(bert));
}

TEST_F(FilterDlgTest, Ok_aTakenNameIsRefusedButOtherLetterCaseIsAccepted)
{
    AddFilter(L"Team");
    NameFilter(L"Team");
    EXPECT_EQ(NewFilterWithDialog(nullptr), nullptr);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"A filter of this name exists already. Please choose another name.");
    EXPECT_EQ(messages.messages[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(root->Filters->GetCount(), 1);

    answers.clear();
    NameFilter(L"TEAM");
    wqv2_data::CFilter* upper = NewFilterWithDialog(nullptr);
    ASSERT_NE(upper, nullptr);
    EXPECT_STREQ(upper->Name, L"TEAM");
    EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(FilterDlgTest, Ok_anEmptyNameIsGeneratedSkippingTakenNumbersOrRefused)
{
    AddFilter(L"Filter 1");
    AddFilter(L"Filter 3");
    NameFilter(L"");
    wqv2_data::CFilter* made = NewFilterWithDialog(nullptr);
    ASSERT_NE(made, nullptr);
    EXPECT_STREQ(made->Name, L"Filter 2");

    // Own format; every number up to the maximum taken: the dialog stays open, silently.
    SetSetting(L"DlgFilterAutoNameFormat", L"Set %d");
    SetSetting(L"DlgFilterAutoNameMax", L"1");
    AddFilter(L"Set 1");
    EXPECT_EQ(NewFilterWithDialog(nullptr), nullptr);
    EXPECT_TRUE(messages.messages.empty());

    // Without automatic names an empty one is refused.
    SetSetting(L"DlgFilterAutoName", L"off");
    EXPECT_EQ(NewFilterWithDialog(nullptr), nullptr);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"Please enter a name for the filter.");
    EXPECT_EQ(root->Filters->GetCount(), 4);
}

TEST_F(FilterDlgTest, Edit_renamingAnotherFiltersNameIsADuplicate)
{
    wqv2_data::CFilter* team = AddFilter(L"Team");
    AddFilter(L"Crew");
    NameFilter(L"Crew");
    EXPECT_FALSE(EditFilterWithDialog(team));
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_STREQ(team->Name, L"Team");
    // Generated names do not count the edited filter itself.
    answers.clear();
    NameFilter(L"");
    SetSetting(L"DlgFilterAutoNameFormat", L"Team");
    EXPECT_TRUE(EditFilterWithDialog(team));
    EXPECT_STREQ(team->Name, L"Team");
}

TEST_F(FilterDlgTest, Delete_theFirstSelectsTheNewFirstAndALaterOneTheOneBefore)
{
    AddFilter(L"Alpha");
    AddFilter(L"Bravo");
    AddFilter(L"Charlie");
    messages.answer = IDYES;
    RunFilters([](CFiltersDlg& dialog) {
        SendMessageW(dialog.Item(IDC_FILTERS_LIST), LB_SETCURSEL, 0, 0);
        Press(dialog.Hwnd(), IDC_FILTERS_DELETE);
    });
    EXPECT_EQ(listed, (std::vector<std::wstring>{L"Bravo", L"Charlie"}));
    EXPECT_EQ(selection, 0);
    RunFilters([](CFiltersDlg& dialog) {
        SendMessageW(dialog.Item(IDC_FILTERS_LIST), LB_SETCURSEL, 1, 0);
        Press(dialog.Hwnd(), IDC_FILTERS_DELETE);
    });
    EXPECT_EQ(listed, (std::vector<std::wstring>{L"Bravo"}));
    EXPECT_EQ(selection, 0);
    // Answered No: nothing goes.
    messages.answer = IDNO;
    RunFilters([](CFiltersDlg& dialog) { Press(dialog.Hwnd(), IDC_FILTERS_DELETE); });
    EXPECT_EQ(listed, (std::vector<std::wstring>{L"Bravo"}));
    EXPECT_EQ(root->Filters->GetCount(), 1);
}

TEST_F(FilterDlgTest, Activate_makesTheSelectionCurrentAndClosesWithOk)
{
    AddFilter(L"beta");
    wqv2_data::CFilter* alpha = AddFilter(L"Alpha");
    const INT_PTR result = RunFilters([](CFiltersDlg& dialog) {
        // Opened without a current filter: the first is selected, the buttons enabled.
        EXPECT_EQ(SendMessageW(dialog.Item(IDC_FILTERS_LIST), LB_GETCURSEL, 0, 0), 0);
        EXPECT_TRUE(IsWindowEnabled(dialog.Item(IDC_FILTERS_ACTIVATE)));
        Press(dialog.Hwnd(), IDC_FILTERS_ACTIVATE);
    }, 0);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(gCurrentFilter, alpha);
    EXPECT_TRUE(GetBoolSetting(L"FilterActive", false));
}

TEST_F(FilterDlgTest, Filters_withoutAnyFilterTheSelectionButtonsAreOff)
{
    RunFilters([](CFiltersDlg& dialog) {
        EXPECT_FALSE(IsWindowEnabled(dialog.Item(IDC_FILTERS_EDIT)));
        EXPECT_FALSE(IsWindowEnabled(dialog.Item(IDC_FILTERS_DELETE)));
        EXPECT_FALSE(IsWindowEnabled(dialog.Item(IDC_FILTERS_ACTIVATE)));
        // Commands that need a selection do nothing.
        Press(dialog.Hwnd(), IDC_FILTERS_EDIT);
        Press(dialog.Hwnd(), IDC_FILTERS_ACTIVATE);
    });
    EXPECT_TRUE(listed.empty());
    EXPECT_EQ(gCurrentFilter, nullptr);
    EXPECT_EQ(Commits(), 2); // the two resources of SetUp
}

TEST_F(FilterDlgTest, Filters_editRefillsWithTheEditedFilterSelected)
{
    AddFilter(L"Alpha");
    wqv2_data::CFilter* bravo = AddFilter(L"Bravo");
    gCurrentFilter = bravo;
    NameFilter(L"Aardvark");
    RunFilters([](CFiltersDlg& dialog) { Press(dialog.Hwnd(), IDC_FILTERS_LIST, LBN_DBLCLK); });
    EXPECT_EQ(seenNames, (std::vector<std::wstring>{L"Bravo"}));
    EXPECT_EQ(listed, (std::vector<std::wstring>{L"Aardvark", L"Alpha"}));
    EXPECT_EQ(selection, 0);
}

} // namespace
