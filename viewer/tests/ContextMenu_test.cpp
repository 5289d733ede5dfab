#include "ContextMenu.h"

#include "CoreFixture.h"
#include "HostApi.h"
#include "PopupRecorder.h"
#include "QV2ResVIds.h"
#include "Settings.h"

namespace {

class ContextMenuTest : public qvtest::CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        data.settings.taskFields = {{L"Web", L"QV2UDFHyperlink"},
                                    {L"Room", L"QV2UDFInt"},
                                    {L"Spec", L"QV2UDFHyperlink"},
                                    {L"R&D\tWiki", L"QV2UDFHyperlink"},
                                    {L"Lower", L"qv2udfhyperlink"}};
        task.fields = {{L"Web", L"http://a"}, {L"Room", L"7"}, {L"R&D\tWiki", L"http://w"}, {L"Lower", L"http://l"}};
        other.fields = task.fields;
    }

    int Show(int kind, POINT at = POINT{-1, -1})
    {
        ShowMenuArgs args{kind, at};
        return QV2A_Command(L"ShowMenu", &args);
    }

    qvtest::CPopupRecorder popup;
    fake::CFakeTask task{L"Paint", nullptr};
    fake::CFakeTask other{L"Sand", nullptr};
};

TEST_F(ContextMenuTest, OneTask_copyAndItsFilledHyperlinks)
{
    *gSelection = {{1, &task}};
    EXPECT_EQ(Show(0, POINT{30, 40}), 1);
    ASSERT_EQ(popup.shown, 1);
    // "Spec" has no value; "Lower" has another type text. A name shows as it is written.
    EXPECT_EQ(popup.Texts(), (std::vector<std::wstring>{L"&Copy", L"-", L"Web", L"R&&D Wiki"}));
    EXPECT_EQ(popup.items[2].id, 56000u);
    EXPECT_EQ(popup.items[3].id, 56001u);
    EXPECT_FALSE(popup.items[0].grayed);
    EXPECT_EQ(popup.lastPoint.x, 30);
    EXPECT_TRUE(popup.lastFlags & TPM_RETURNCMD);
    EXPECT_TRUE(popup.lastFlags & TPM_NONOTIFY);
    EXPECT_TRUE(popup.lastFlags & TPM_RIGHTBUTTON);
}

TEST_F(ContextMenuTest, TwoTasksOrNone_noHyperlinks)
{
    *gSelection = {{1, &task}, {1, &other}};
    Show(3);
    EXPECT_EQ(popup.Texts(), (std::vector<std::wstring>{L"&Copy"}));
    gSelection->clear();
    Show(0);
    EXPECT_EQ(popup.Texts(), (std::vector<std::wstring>{L"&Copy"}));
    EXPECT_TRUE(popup.items[0].grayed);
}

TEST_F(ContextMenuTest, Kinds_onlyZeroAndThreeShowAMenu)
{
    EXPECT_EQ(Show(1), 1); // the host command answers 1 for any argument
    EXPECT_EQ(ShowTaskContextMenu(nullptr), 0);
    ShowMenuArgs args{2, POINT{-1, -1}};
    EXPECT_EQ(ShowTaskContextMenu(&args), 0);
    EXPECT_EQ(popup.shown, 0);
    EXPECT_EQ(QV2A_Command(L"ShowMenu", nullptr), 0);
}

TEST_F(ContextMenuTest, PluginItems_appendedAndTheirHandlerRuns)
{
    SetSetting(L"StubContextItems.Watcher", L"2");
    *gSelection = {{1, &task}};
    popup.chooseText = L"Item 2";
    Show(0);
    EXPECT_EQ(popup.Texts(), (std::vector<std::wstring>{L"&Copy", L"-", L"Web", L"R&&D Wiki", L"Item 1", L"Item 2"}));
    EXPECT_EQ(popup.items[4].id, 1u);
    EXPECT_GE(qvtest::LogIndex(L"Watcher:OnBuildContextMenu 0"), 0);
    EXPECT_GE(qvtest::LogIndex(L"Watcher:item 2 102"), 0);
}

TEST_F(ContextMenuTest, PluginItems_cappedPerBuild)
{
    SetSetting(L"StubContextItems.Watcher", L"1005");
    Show(0);
    EXPECT_GE(qvtest::LogIndex(L"Watcher:items kept 1000"), 0);
    EXPECT_EQ(CContextMenu::Items().size(), CContextMenu::kMaxPluginItems);
}

TEST_F(ContextMenuTest, Track_leadingSeparatorsGoAndAnEmptyMenuIsNotShown)
{
    SetSetting(L"StubContextSeparator.Watcher", L"1");
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    CContextMenu context(0, nullptr, 0, &QV2A_OnBuildContextMenu);
    EXPECT_EQ(context.Track(menu, nullptr), 0u);
    EXPECT_EQ(popup.shown, 0);
    EXPECT_EQ(GetMenuItemCount(menu), 0);

    SetSetting(L"StubContextItems.Watcher", L"1");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    popup.choose = 2; // ids follow the order of adding, the dropped separator's included
    EXPECT_EQ(context.Track(menu, nullptr), 0u); // a plug-in item: its handler ran instead
    EXPECT_EQ(popup.Texts(), (std::vector<std::wstring>{L"Item 1"}));
    EXPECT_GE(qvtest::LogIndex(L"Watcher:item 1 101"), 0);
    DestroyMenu(menu);

    menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, IDM_EDIT_COPY, L"Copy");
    SetSetting(L"StubContextItems.Watcher", L"0");
    popup.choose = IDM_EDIT_COPY;
    EXPECT_EQ(context.Track(menu, nullptr), static_cast<UINT>(IDM_EDIT_COPY));
    DestroyMenu(menu);
}

// A plug-in that flags its item as a popup and as checked.
int QV2_CALL BuildWithPopupFlag(AddContextMenuItemFn add, int, int)
{
    ContextMenuItem item{};
    wcscpy(item.Text, L"Odd");
    item.Flags = MF_POPUP | MF_CHECKED;
    return add(&item);
}

TEST_F(ContextMenuTest, PluginItems_aPopupFlagDoesNotTurnTheIdIntoAMenu)
{
    HMENU menu = CreatePopupMenu();
    CContextMenu context(0, nullptr, 0, &BuildWithPopupFlag);
    EXPECT_EQ(context.AppendPluginItems(1, menu), 1);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_SUBMENU | MIIM_ID | MIIM_STATE;
    ASSERT_TRUE(GetMenuItemInfoW(menu, 0, TRUE, &info));
    EXPECT_EQ(info.hSubMenu, nullptr);
    EXPECT_EQ(info.wID, 1u);
    EXPECT_TRUE(info.fState & MFS_CHECKED);
    DestroyMenu(menu);
}

TEST_F(ContextMenuTest, Hyperlink_aFailureIsLeftInLastError)
{
    *gSelection = {{1, &task}};
    task.fields = {{L"Web", L"qvtest-no-such-scheme:nothing"}};
    popup.choose = 56000;
    Show(0);
    const std::wstring error = GetSetting(L"LastError");
    EXPECT_EQ(error.rfind(L"ShellExecute: ", 0), 0u) << std::string(error.begin(), error.end());
    EXPECT_EQ(error.size(), 14u + 8u);
    // An empty link does nothing at all.
    SetSetting(L"LastError", L"");
    OpenHyperlink(L"");
    EXPECT_EQ(GetSetting(L"LastError"), L"");
}

} // namespace
