// The main frame: tool bar and zoom box, command routing, keys, menus, dropped files, reload.
#include "FakeData.h"
#include "FrameFixture.h"
#include "HostFifo.h"
#include "HostApi.h"
#include "QV2ResVIds.h"
#include "fw/PopupMenu.h"
#include "fw/Subclass.h"
#include "fw/Window.h"

#include <commctrl.h>
#include <shlobj.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// A zipped project of one resource whose tasks' notes hold more text (some 140 million
// characters) than the data library reads for one item. The tasks are one piece of text
// repeated, compressed once: each piece is flushed in full, so its bytes stand anywhere in the
// stream, and the file stays near a megabyte. Only the local header is written: it is all the
// library reads of the container.
bool WriteOversizedProject(const std::wstring& path)
{
    const std::string head = "<?xml version=\"1.0\"?>\r\n<Win-Quorvia>\r\n<FileInfo><Application>Win-Quorvia2-Viewer"
                             "</Application><DllRequiredVersion>2.0</DllRequiredVersion></FileInfo>\r\n<Data>\r\n"
                             "<Resources>\r\n<Resource><ID>1</ID><Position>1</Position><Name>R</Name><Tasks>\r\n";
    const std::string tail = "</Tasks></Resource>\r\n</Resources>\r\n</Data>\r\n</Win-Quorvia>\r\n";
    constexpr int kTasks = 140;
    // A note of a million characters: a block of letters that compresses as text does, repeated.
    std::string block(4096, ' ');
    unsigned seed = 1;
    for (char& c : block) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>('a' + (seed >> 16) % 27);
        if (c > 'z')
            c = ' ';
    }
    std::string task = "<Task><Note>";
    while (task.size() < 1000000)
        task += block;
    task += "</Note></Task>\r\n";

    z_stream z{};
    if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    const auto pack = [&z](const std::string& text, int flush) {
        std::string packed;
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
        z.avail_in = static_cast<uInt>(text.size());
        char out[65536];
        do {
            z.next_out = reinterpret_cast<Bytef*>(out);
            z.avail_out = sizeof out;
            deflate(&z, flush);
            packed.append(out, sizeof out - z.avail_out);
        } while (z.avail_out == 0 || z.avail_in > 0);
        return packed;
    };
    const std::string packedHead = pack(head, Z_FULL_FLUSH);
    const std::string packedTask = pack(task, Z_FULL_FLUSH);
    const std::string packedTail = pack(tail, Z_FINISH);
    deflateEnd(&z);

    const auto crcOf = [](const std::string& text) {
        return crc32(0, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size()));
    };
    uLong crc = crcOf(head);
    const uLong taskCrc = crcOf(task);
    for (int i = 0; i < kTasks; ++i)
        crc = crc32_combine(crc, taskCrc, static_cast<z_off_t>(task.size()));
    crc = crc32_combine(crc, crcOf(tail), static_cast<z_off_t>(tail.size()));
    const uint32_t packedSize =
        static_cast<uint32_t>(packedHead.size() + kTasks * packedTask.size() + packedTail.size());
    const uint32_t size = static_cast<uint32_t>(head.size() + kTasks * task.size() + tail.size());

    std::string header("PK\x03\x04", 4);
    const auto put = [&header](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            header += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(20, 2); // version needed
    put(0, 2);  // flags
    put(8, 2);  // deflate
    put(0, 4);  // time and date
    put(static_cast<uint32_t>(crc), 4);
    put(packedSize, 4);
    put(size, 4);
    put(12, 2); // name length
    put(0, 2);  // extra length
    header += "win-qvia.wqv";

    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return false;
    bool written = std::fwrite(header.data(), 1, header.size(), file) == header.size() &&
                   std::fwrite(packedHead.data(), 1, packedHead.size(), file) == packedHead.size();
    for (int i = 0; written && i < kTasks; ++i)
        written = std::fwrite(packedTask.data(), 1, packedTask.size(), file) == packedTask.size();
    written = written && std::fwrite(packedTail.data(), 1, packedTail.size(), file) == packedTail.size();
    return std::fclose(file) == 0 && written;
}

class FrameTest : public qvtest::FrameFixture {
protected:
    std::vector<std::wstring> ComboItems()
    {
        std::vector<std::wstring> items;
        HWND combo = Frame().MainToolBar().ZoomCombo();
        const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[32] = {};
            SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }
    std::wstring ComboText()
    {
        wchar_t text[32] = {};
        GetWindowTextW(Frame().MainToolBar().ZoomCombo(), text, 32);
        return text;
    }
    void TypeZoom(const wchar_t* text, WPARAM key)
    {
        SetWindowTextW(Frame().MainToolBar().ZoomCombo(), text);
        SendMessageW(Frame().MainToolBar().ZoomEdit(), WM_KEYDOWN, key, 0);
    }
    std::vector<std::wstring> SettingsBroadcasts() { return qvtest::LogLinesOf(L"QV2R:OnSettingsChanged"); }

    // A submenu of the main menu as GetMenuItemInfo reads it: each item's command id, 0 for a
    // separator.
    std::vector<UINT> MenuItems(int submenu)
    {
        HMENU menu = GetSubMenu(Frame().Menu(), submenu);
        std::vector<UINT> items;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE | MIIM_ID;
            EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
            items.push_back((info.fType & MFT_SEPARATOR) ? 0 : info.wID);
        }
        return items;
    }

    // The first submenu of `menu` that holds the command `id`; null when none does.
    static HMENU SubMenuWith(HMENU menu, UINT id)
    {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            HMENU sub = GetSubMenu(menu, i);
            if (sub && GetMenuState(sub, id, MF_BYCOMMAND) != static_cast<UINT>(-1))
                return sub;
        }
        return nullptr;
    }

    // A key-down as the message loop would see it, with the modifier keys held as given.
    bool Key(HWND target, int key, bool ctrl, bool shift = false)
    {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        keys[VK_MENU] = 0;
        SetKeyboardState(keys);
        MSG msg{target, WM_KEYDOWN, static_cast<WPARAM>(key), 0, 0, {}};
        const bool consumed = Frame().PreTranslateMessage(msg);
        keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
        return consumed;
    }

    // Puts a text on the clipboard, to see whether a copy replaced it.
    void PutOnClipboard(const wchar_t* text) { qvtest::PutTextOnClipboard(Frame().Hwnd(), text); }
};

TEST_F(FrameTest, ToolBar_zoomBoxOverThePlaceholderWithTheDefaultList)
{
    ASSERT_TRUE(Start());
    CToolBarEx& bar = Frame().MainToolBar();
    ASSERT_NE(bar.ZoomCombo(), nullptr);
    ASSERT_NE(bar.ZoomEdit(), nullptr);
    const int place = bar.CommandToIndex(IDM_VIEW_ZOOM_PLACEHOLDER);
    ASSERT_GE(place, 0);
    EXPECT_TRUE(bar.IsSeparator(place));
    RECT rc = bar.ItemRect(place);
    EXPECT_GE(rc.right - rc.left, 75);
    const std::vector<std::wstring> items = ComboItems();
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items.front(), L"200 %");
    EXPECT_EQ(items.back(), L"25 %");
    EXPECT_EQ(ComboText(), L"100 %");
    // The drop-down buttons.
    EXPECT_TRUE(bar.ButtonStyle(bar.CommandToIndex(IDM_FILTER_EDIT)) & BTNS_DROPDOWN);
    EXPECT_TRUE(bar.ButtonStyle(bar.CommandToIndex(IDM_VIEW_TIMEBAR)) & BTNS_DROPDOWN);
    // The status bar is there and idle.
    EXPECT_EQ(Frame().MainStatusBar().Text(), L"Ready");
    // A change of the system's settings leaves the drop-downs where they were.
    SendMessageW(Frame().Hwnd(), WM_SETTINGCHANGE, 0, 0);
    EXPECT_TRUE(bar.ButtonStyle(bar.CommandToIndex(IDM_FILTER_EDIT)) & BTNS_DROPDOWN);
    EXPECT_FALSE(bar.ButtonStyle(bar.CommandToIndex(IDM_FILE_OPEN)) & BTNS_DROPDOWN);
}

TEST_F(FrameTest, ToolBar_listAndWidthFromTheSettings)
{
    ASSERT_TRUE(Start(L"/s \"ViewToolbarZoomList=150, 75 75\" /s ViewToolbarZoomComboWidth=120 /s ViewZoom=60"));
    EXPECT_EQ(ComboItems(), (std::vector<std::wstring>{L"150 %", L"75 %"}));
    CToolBarEx& bar = Frame().MainToolBar();
    const RECT rc = bar.ItemRect(bar.CommandToIndex(IDM_VIEW_ZOOM_PLACEHOLDER));
    EXPECT_EQ(rc.right - rc.left, 120);
    EXPECT_EQ(ComboText(), L"60 %");
}

TEST_F(FrameTest, Zoom_inAndOutToMultiplesOfTheStepWithinTheLimits)
{
    ASSERT_TRUE(Start(L"/s ViewZoom=103"));
    qvtest::ClearLog();
    Command(IDM_VIEW_ZOOM_IN);
    EXPECT_EQ(GetSetting(L"ViewZoom"), L"105");
    EXPECT_EQ(ComboText(), L"105 %");
    EXPECT_EQ(SettingsBroadcasts(), (std::vector<std::wstring>{L"QV2R:OnSettingsChanged 0"}));
    SetSetting(L"ViewZoom", L"103");
    Command(IDM_VIEW_ZOOM_OUT);
    EXPECT_EQ(GetSetting(L"ViewZoom"), L"95");

    // At the top limit nothing changes and nothing is broadcast.
    SetSetting(L"ViewZoom", L"400");
    qvtest::ClearLog();
    Command(IDM_VIEW_ZOOM_IN);
    EXPECT_EQ(GetSetting(L"ViewZoom"), L"400");
    EXPECT_TRUE(SettingsBroadcasts().empty());
    EXPECT_EQ(ComboText(), L"400 %");

    // Limits given the wrong way round still hold.
    SetSetting(L"ViewZoomMin", L"300");
    SetSetting(L"ViewZoomMax", L"50");
    Frame().SetZoom(1000);
    EXPECT_EQ(GetSetting(L"ViewZoom"), L"300");
    Frame().SetZoom(10);
    EXPECT_EQ(GetSetting(L"ViewZoom"), L"50");
}

TEST_F(FrameTest, ZoomBox_enterTabEscapeAndTheList)
{
    ASSERT_TRUE(Start(L"/s ViewZoom=150"));
    TypeZoom(L"abc", VK_RETURN);
    EXPECT_EQ(GetSetting(L"ViewZoom"), L"100");
    TypeZoom(L"1000", VK_RETURN);
    EXPECT_EQ(GetSetting(L"ViewZoom"), L"400");
    TypeZoom(L"77", VK_ESCAPE);
    EXPECT_EQ(GetSetting(L"ViewZoom"), L"400");
    EXPECT_EQ(ComboText(), L"400 %");
    TypeZoom(L"77", VK_TAB);
    EXPECT_EQ(ComboText(), L"400 %");
    // Tab, Enter and Escape never reach the edit as characters.
    EXPECT_EQ(SendMessageW(Frame().MainToolBar().ZoomEdit(), WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);

    // Closing the list with an item chosen: through the tool bar, which passes it to the frame.
    HWND combo = Frame().MainToolBar().ZoomCombo();
    SendMessageW(combo, CB_SETCURSEL, 0, 0); // 200 %
    SendMessageW(Frame().MainToolBar().Hwnd(), WM_COMMAND, MAKEWPARAM(CToolBarEx::kZoomComboId, CBN_CLOSEUP),
                 reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(GetSetting(L"ViewZoom"), L"200");
}

TEST_F(FrameTest, CommandRouting_pluginsFirstThenTheFrame)
{
    ASSERT_TRUE(Start(L"/s ViewZoom=100"));
    UINT id = IDM_VIEW_ZOOM_IN;
    qvtest::ClearLog();
    EXPECT_EQ(QV2A_Command(L"SendCommandToMainWnd", &id), 1);
    EXPECT_EQ(GetSetting(L"ViewZoom"), L"105");
    EXPECT_GE(qvtest::LogIndex(L"QV2BoardView:OnPreCommand SendCommandToMainWnd -1"), 0);
    EXPECT_GE(qvtest::LogIndex(L"QV2R:OnPreCommand SendCommandToMainWnd -1"), 0);

    // A plug-in that answers takes the command: the frame never sees it.
    SetSetting(L"StubPreCommand.QV2BoardView", L"7");
    qvtest::ClearLog();
    EXPECT_EQ(QV2A_Command(L"SendCommandToMainWnd", &id), 7);
    EXPECT_EQ(GetSetting(L"ViewZoom"), L"105");
    EXPECT_EQ(qvtest::LogLinesOf(L"QV2R:OnPreCommand"), std::vector<std::wstring>{});
}

TEST_F(FrameTest, Keys_theViewsKeysGoToThePluginsThenTheKeyMap)
{
    ASSERT_TRUE(Start());
    HWND board = Frame().View().BoardWindow();
    ASSERT_NE(board, nullptr);
    SetFocus(board);
    ASSERT_EQ(GetFocus(), board);

    PutOnClipboard(L"before");
    qvtest::ClearLog();
    EXPECT_TRUE(Key(board, 'C', true));
    EXPECT_GE(qvtest::LogIndex(L"QV2BoardView:OnKeyDispatch 67 32 0"), 0);
    EXPECT_GE(qvtest::LogIndex(L"QV2R:OnKeyDispatch 67 32 0"), 0);
    // The key map's copy ran: an empty selection leaves the clipboard empty.
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));

    PutOnClipboard(L"before");
    EXPECT_TRUE(Key(board, VK_INSERT, true));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));

    // Not in the key map: offered to the plug-ins (with Ctrl and Shift) and not consumed.
    qvtest::ClearLog();
    EXPECT_FALSE(Key(board, 'C', true, true));
    EXPECT_GE(qvtest::LogIndex(L"QV2R:OnKeyDispatch 67 96 0"), 0);
    // Modifier keys alone are nobody's business.
    qvtest::ClearLog();
    EXPECT_FALSE(Key(board, VK_CONTROL, true));
    EXPECT_TRUE(qvtest::LogLinesOf(L"QV2R:OnKeyDispatch").empty());

    // A plug-in that takes the key stops it: the later plug-in and the key map never see it.
    SetSetting(L"StubKeyDispatch.QV2BoardView", L"1");
    PutOnClipboard(L"before");
    qvtest::ClearLog();
    EXPECT_TRUE(Key(board, 'C', true));
    EXPECT_TRUE(qvtest::LogLinesOf(L"QV2R:OnKeyDispatch").empty());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
}

TEST_F(FrameTest, Keys_withTheFocusElsewhereTheKeyMapIsNotAsked)
{
    ASSERT_TRUE(Start());
    HWND edit = Frame().MainToolBar().ZoomEdit();
    SetFocus(edit);
    ASSERT_EQ(GetFocus(), edit);
    qvtest::ClearLog();
    EXPECT_FALSE(Key(edit, 'C', true));
    EXPECT_TRUE(qvtest::LogLinesOf(L"QV2R:OnKeyDispatch").empty());
}

TEST_F(FrameTest, Menus_statesFollowTheProjectAndTheSettings)
{
    ASSERT_TRUE(Start());
    EXPECT_FALSE(State(IDM_FILE_PRINT).enabled); // no report printed yet
    EXPECT_FALSE(State(IDM_EDIT_COPY).enabled);
    EXPECT_FALSE(State(IDM_TOOLS_HOLIDAYS).enabled);
    EXPECT_FALSE(State(IDM_FILTER_ON_OFF).enabled);
    EXPECT_FALSE(State(IDM_TOOLS_REPORTS).enabled); // a report, but no project
    fake::CFakeTask task(L"Paint", nullptr);
    gSelection->push_back({1, &task});
    EXPECT_TRUE(State(IDM_EDIT_COPY).enabled);
    gSelection->clear();

    // Grid sort: the chosen column is checked; choosing cycles as the settings say.
    SetSetting(L"ViewGridSortType", L"1");
    SetSetting(L"ViewGridSortOrder", L"2");
    EXPECT_TRUE(State(IDM_GRID_SORT_FIRST + 1).checked);
    EXPECT_FALSE(State(IDM_GRID_SORT_FIRST).checked);
    qvtest::ClearLog();
    Command(IDM_GRID_SORT_FIRST + 1);
    EXPECT_EQ(GetSetting(L"ViewGridSortOrder"), L"0");
    EXPECT_EQ(qvtest::LogLinesOf(L"QV2R:OnSettingsChanged"), (std::vector<std::wstring>{L"QV2R:OnSettingsChanged 2"}));
    Command(IDM_GRID_SORT_FIRST + 4);
    EXPECT_EQ(GetSetting(L"ViewGridSortType"), L"4");
    EXPECT_EQ(GetSetting(L"ViewGridSortOrder"), L"0");
    Command(IDM_GRID_SORT_FIRST + 1);
    EXPECT_EQ(GetSetting(L"ViewGridSortOrder"), L"2");
}

TEST_F(FrameTest, Menus_withoutPluginPagesNoSeparatorIsLeftWithNothingToSeparate)
{
    // Neither plug-in registers file-option or administration pages: their items go, and so
    // do the separators that stood beside them alone.
    ASSERT_TRUE(Start());
    EXPECT_EQ(MenuItems(0), (std::vector<UINT>{IDM_FILE_OPEN, IDM_FILE_RELOAD, 0, IDM_FILE_PRINT, 0,
                                               IDM_FILE_RECENT_FIRST, 0, IDM_APP_EXIT}));
    EXPECT_EQ(MenuItems(2), (std::vector<UINT>{IDM_TOOLS_CALENDARS, IDM_TOOLS_HOLIDAYS, 0, IDM_TOOLS_REPORTS}));
}

// Every item of the View menu and of its grid-sort menu has an access key, none taken twice in
// its menu. (The time-scale menu lists the presets by name.)
TEST_F(FrameTest, Menus_everyViewItemHasAnAccessKeyOfItsOwn)
{
    ASSERT_TRUE(Start());
    HMENU view = SubMenuWith(Frame().Menu(), IDM_VIEW_TIMEBAR);
    ASSERT_NE(view, nullptr);
    HMENU sort = SubMenuWith(view, IDM_GRID_SORT_FIRST);
    ASSERT_NE(sort, nullptr);
    for (HMENU menu : {view, sort}) {
        std::wstring keys;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            if (fw::IsMenuSeparator(menu, i))
                continue;
            const std::wstring text = fw::MenuItemText(menu, i);
            const wchar_t key = fw::AccessKey(text);
            EXPECT_NE(key, 0) << "no access key: " << std::string(text.begin(), text.end());
            EXPECT_EQ(keys.find(key), std::wstring::npos) << "taken twice: " << std::string(text.begin(), text.end());
            keys += key;
        }
        EXPECT_GE(keys.size(), menu == sort ? 8u : 11u);
    }
}

TEST_F(FrameTest, FilterDropDown_theListOfTheProjectsFilters)
{
    ASSERT_TRUE(Start());
    fake::CFakeData data;
    wqv2_data::CData* stub = gData;
    gData = &data;
    data.path = L"C:\\plan.wqv";
    data.filters.Add(L"Zeta");
    data.filters.Add(L"Zeta\tB\bC"); // no shortcut column, no right-aligned part
    gCurrentFilter = data.filters.Add(L"Alpha & Co");

    NMTOOLBARW drop{};
    drop.hdr.hwndFrom = Frame().MainToolBar().Hwnd();
    drop.hdr.code = TBN_DROPDOWN;
    drop.iItem = IDM_FILTER_EDIT;
    SendMessageW(Frame().Hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&drop));
    ASSERT_EQ(popup.shown, 1);
    EXPECT_EQ(popup.Texts(), (std::vector<std::wstring>{L"Alpha && Co", L"Zeta", L"Zeta B C", L"-",
                                                        L"Filter on/off", L"Edit filter...", L"Filters..."}));
    EXPECT_TRUE(popup.items[0].checked);
    EXPECT_TRUE(popup.items[4].enabled());

    // The main menu's list, refreshed again and again, stays one list.
    HMENU filterMenu = SubMenuWith(Frame().Menu(), IDM_FILTER_ON_OFF);
    ASSERT_NE(filterMenu, nullptr);
    for (int round = 0; round < 10; ++round)
        SendMessageW(Frame().Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(filterMenu), 0);
    EXPECT_EQ(GetMenuItemCount(filterMenu), 7);
    EXPECT_EQ(fw::MenuItemText(filterMenu, 2), L"Zeta B C");
    // Choosing an entry makes that filter current and active.
    Command(IDM_FILTER_FIRST + 1);
    EXPECT_STREQ(gCurrentFilter->Name, L"Zeta");
    EXPECT_TRUE(GetBoolSetting(L"FilterActive", false));
    gCurrentFilter = nullptr;
    gData = stub;
}

TEST_F(FrameTest, DropFiles_theFirstFileOpensWholeWhateverItsLength)
{
    ASSERT_TRUE(Start());
    program.Write(L"dropped.wqv", "x");
    const std::wstring longName = program.File(std::wstring(280, L'n') + L".wqv");
    const std::vector<std::wstring> files = {longName, program.File(L"dropped.wqv")};
    size_t chars = 1;
    for (const auto& f : files)
        chars += f.size() + 1;
    HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    auto* text = reinterpret_cast<wchar_t*>(header + 1);
    for (const auto& f : files) {
        std::memcpy(text, f.c_str(), (f.size() + 1) * sizeof(wchar_t));
        text += f.size() + 1;
    }
    GlobalUnlock(drop);
    qvtest::ClearLog();
    SendMessageW(Frame().Hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(qvtest::LogLinesOf(L"QV2D:Open"), (std::vector<std::wstring>{L"QV2D:Open " + longName + L" ro"}));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"The file " + longName + L" cannot be opened.");
}

TEST_F(FrameTest, Placement_aRectangleOnNoMonitorFallsBackToTheDefault)
{
    ASSERT_TRUE(Start(L"/s \"ViewMainWindowRect=-30000 -30000 -29000 -29000\" /s ViewMainWindowMaximized=0"));
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(Frame().Hwnd(), &placement);
    const int x = GetSystemMetrics(SM_CXSCREEN);
    const int y = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(placement.rcNormalPosition.left, x / 10);
    EXPECT_EQ(placement.rcNormalPosition.top, y / 10);
    EXPECT_EQ(placement.rcNormalPosition.right, x * 9 / 10);

    SetSetting(L"ViewMainWindowRect", L"100 120 600 500");
    Frame().PlaceAndShow(true);
    GetWindowPlacement(Frame().Hwnd(), &placement);
    EXPECT_EQ(placement.rcNormalPosition.left, 100);
    EXPECT_EQ(placement.rcNormalPosition.bottom, 500);
    // An upside-down rectangle is no window either.
    SetSetting(L"ViewMainWindowRect", L"600 500 100 120");
    Frame().PlaceAndShow(true);
    GetWindowPlacement(Frame().Hwnd(), &placement);
    EXPECT_EQ(placement.rcNormalPosition.left, x / 10);
}

TEST_F(FrameTest, Open_aFailedOpenKeepsTheTitleOfWhatIsOpen)
{
    program.Write(L"plan.wqv", "x");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Frame().OpenProjectFile(program.File(L"plan.wqv")));
    EXPECT_FALSE(Frame().OpenProjectFile(program.File(L"missing.wqv")));
    wchar_t title[512] = {};
    GetWindowTextW(Frame().Hwnd(), title, 512);
    EXPECT_EQ(std::wstring(title), program.File(L"plan.wqv") + L" - Quorvia2 Viewer");
}

TEST_F(FrameTest, Open_aPipeOrADeviceIsToldAsNoProjectFileAndNotRead)
{
    // The real data library, on a host's named pipe whose writer writes nothing: a read of it would
    // wait for ever.
    ASSERT_TRUE(program.Copy(qvtest::BinFolder() + L"QV2D.dll", L"QV2D.dll"));
    ASSERT_TRUE(program.Copy(qvtest::TestProgramFolder() + L"viewer_e2e\\sample.wqv", L"plan.wqv"));
    const std::wstring pipe = program.File(L"pipe.wqv");
    const qvtest::SilentHostFifo fifo(pipe);
    ASSERT_TRUE(fifo.Ready());
    program.Write(L"viewer.ini", "[Basic]\r\nFileOpenLast=0\r\nRecentFile1=" + std::string(pipe.begin(), pipe.end()) + "\r\n");
    ASSERT_TRUE(Start(L"/i \"" + program.File(L"viewer.ini") + L"\""));
    const std::wstring plan = program.File(L"plan.wqv");
    ASSERT_TRUE(Frame().OpenProjectFile(plan));
    messages.messages.clear();
    // Chosen from the recent files (now second), dropped on the window, and the null device.
    EXPECT_FALSE(App().OpenRecentFile(1));
    EXPECT_FALSE(Frame().OpenProjectFile(pipe));
    EXPECT_FALSE(Frame().OpenProjectFile(L"NUL"));
    const std::wstring told = L" cannot be opened: it is a device or a pipe, not a project file.";
    ASSERT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(messages.messages[0].text, pipe + told);
    EXPECT_EQ(messages.messages[1].text, pipe + told);
    EXPECT_EQ(messages.messages[2].text, L"NUL" + told);
    // The open project stays.
    wchar_t title[512] = {};
    GetWindowTextW(Frame().Hwnd(), title, 512);
    EXPECT_EQ(std::wstring(title), plan + L" - Quorvia2 Viewer");
}

// A failed open or reload that closed the project that was open (the data library closes it when
// the load fails once the old project is gone) says so after its reason; one that kept it, or
// found none open, does not.
TEST_F(FrameTest, OpenAndReload_aFailureThatClosedTheProjectSaysSo)
{
    program.Write(L"plan.wqv", "x");
    program.Write(L"other.wqv", "x");
    ASSERT_TRUE(Start());
    const std::wstring plan = program.File(L"plan.wqv");
    const std::wstring other = program.File(L"other.wqv");
    const std::wstring closed = L"\n\nThe project that was open is closed.";
    const std::wstring noMemory = L"There is not enough memory to open " + other + L".";
    ASSERT_TRUE(Frame().OpenProjectFile(plan));
    SetSetting(L"StubOpenResult.QV2D", L"14");
    EXPECT_FALSE(Frame().OpenProjectFile(other));
    SetSetting(L"StubFailureCloses.QV2D", L"1");
    EXPECT_FALSE(Frame().OpenProjectFile(other));
    EXPECT_EQ(fw::WindowText(Frame().Hwnd()), L"No project - Quorvia2 Viewer");
    EXPECT_FALSE(Frame().OpenProjectFile(other));
    SetSetting(L"StubOpenResult.QV2D", L"");
    ASSERT_TRUE(Frame().OpenProjectFile(plan));
    SetSetting(L"StubReloadResult.QV2D", L"14");
    Command(IDM_FILE_RELOAD);
    ASSERT_EQ(messages.messages.size(), 4u);
    EXPECT_EQ(messages.messages[0].text, noMemory);
    EXPECT_EQ(messages.messages[1].text, noMemory + closed);
    EXPECT_EQ(messages.messages[2].text, noMemory);
    EXPECT_EQ(messages.messages[3].text, L"The project could not be reloaded.\n\nThere is not enough memory to open " +
                                             plan + L"." + closed);
}

// A project too large to read, through the real data library: one resource holding more text than
// an item may is refused as too large, and the project that was open stays.
TEST_F(FrameTest, Open_aProjectTooLargeToReadSaysSoAndKeepsWhatIsOpen)
{
    ASSERT_TRUE(program.Copy(qvtest::BinFolder() + L"QV2D.dll", L"QV2D.dll"));
    ASSERT_TRUE(program.Copy(qvtest::TestProgramFolder() + L"viewer_e2e\\sample.wqv", L"plan.wqv"));
    const std::wstring large = program.File(L"large.wqv");
    ASSERT_TRUE(WriteOversizedProject(large));
    ASSERT_TRUE(Start());
    const std::wstring plan = program.File(L"plan.wqv");
    ASSERT_TRUE(Frame().OpenProjectFile(plan));
    messages.messages.clear();
    EXPECT_FALSE(Frame().OpenProjectFile(large));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              L"The file " + large + L" is too large to be opened: it holds more than the viewer can read.");
    EXPECT_EQ(fw::WindowText(Frame().Hwnd()), plan + L" - Quorvia2 Viewer");
}

TEST_F(FrameTest, Reload_readOnlyCountsAsSuccess)
{
    program.Write(L"plan.wqv", "x");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Frame().OpenProjectFile(program.File(L"plan.wqv")));
    SetSetting(L"StubReloadResult.QV2D", L"6");
    qvtest::ClearLog();
    Command(IDM_FILE_RELOAD);
    EXPECT_GE(qvtest::LogIndex(L"QV2D:Reload 1"), 0);
    EXPECT_EQ(qvtest::LogLinesOf(L"QV2R:OnFileOpened"), (std::vector<std::wstring>{L"QV2R:OnFileOpened 3"}));
    EXPECT_TRUE(messages.messages.empty());

    SetSetting(L"StubReloadResult.QV2D", L"10");
    Command(IDM_FILE_RELOAD);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, L"The file " + program.File(L"plan.wqv") + L" could not be read.");
    SetSetting(L"StubReloadResult.QV2D", L"8");
    Command(IDM_FILE_RELOAD);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text, L"The project could not be reloaded.\n\nThe file " + program.File(L"plan.wqv") +
                                             L" is not a Quorvia2 project, or it is damaged.");
}

TEST_F(FrameTest, Reload_aFileThatCanNoLongerBeReadGivesTheReasonOpenGives)
{
    // The real data library on a real project, which another program overwrites while it is open.
    ASSERT_TRUE(program.Copy(qvtest::BinFolder() + L"QV2D.dll", L"QV2D.dll"));
    ASSERT_TRUE(program.Copy(qvtest::TestProgramFolder() + L"viewer_e2e\\sample.wqv", L"plan.wqv"));
    ASSERT_TRUE(Start());
    const std::wstring path = program.File(L"plan.wqv");
    ASSERT_TRUE(Frame().OpenProjectFile(path));
    messages.messages.clear();
    // The viewer reads projects without keeping others from writing them.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const char garbage[] = "no project at all";
    DWORD written = 0;
    WriteFile(file, garbage, sizeof(garbage) - 1, &written, nullptr);
    CloseHandle(file);

    Command(IDM_FILE_RELOAD);
    EXPECT_FALSE(Frame().OpenProjectFile(path));
    ASSERT_EQ(messages.messages.size(), 2u);
    const std::wstring opened = messages.messages[1].text;
    EXPECT_EQ(opened, L"The file " + path + L" is not a Quorvia2 project, or it is damaged.");
    EXPECT_EQ(messages.messages[0].text, L"The project could not be reloaded.\n\n" + opened);
    EXPECT_EQ(messages.messages[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
}

// Records the view messages that reach the board window.
class CBoardSpy : public fw::CSubclassedWindow {
public:
    std::vector<UINT> messages;
    ViewContextMenuArgs menuPoint{0, 0};
    ViewWheelArgs wheel{};

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override
    {
        if (msg == WM_MAINVIEW_CONTEXTMENU) {
            messages.push_back(msg);
            menuPoint = *reinterpret_cast<const ViewContextMenuArgs*>(lp);
            return 1;
        }
        if (msg == WM_MAINVIEW_WHEEL) {
            messages.push_back(msg);
            wheel = *reinterpret_cast<const ViewWheelArgs*>(lp);
            return 1;
        }
        return DefaultHandling(msg, wp, lp);
    }
};

TEST_F(FrameTest, View_keyboardMenusAndTheWheelGoToTheBoard)
{
    ASSERT_TRUE(Start());
    CBoardSpy spy;
    ASSERT_TRUE(spy.Attach(Frame().View().BoardWindow()));
    HWND view = Frame().View().Hwnd();
    SendMessageW(view, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view), MAKELPARAM(10, 10));
    EXPECT_TRUE(spy.messages.empty()); // a mouse-invoked menu is the board's own business
    SendMessageW(view, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view), MAKELPARAM(-1, -1));
    ASSERT_EQ(spy.messages.size(), 1u);
    EXPECT_EQ(spy.menuPoint.X, -1);
    EXPECT_EQ(spy.menuPoint.Y, -1);
    SendMessageW(view, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -WHEEL_DELTA), MAKELPARAM(300, 200));
    ASSERT_EQ(spy.messages.size(), 2u);
    EXPECT_EQ(spy.wheel.Delta, -WHEEL_DELTA);
    EXPECT_EQ(spy.wheel.Keys, static_cast<UINT>(MK_CONTROL));
    EXPECT_EQ(spy.wheel.X, 300);
}

TEST_F(FrameTest, ContextMenu_aChosenCommandGoesToTheFrame)
{
    ASSERT_TRUE(Start());
    fake::CFakeTask task(L"Paint", nullptr);
    gSelection->push_back({static_cast<int>(TDate::FromYMD(3, 2024, 2)), &task});
    popup.choose = IDM_EDIT_COPY;
    ShowMenuArgs args{0, POINT{-1, -1}};
    EXPECT_EQ(QV2A_Command(L"ShowMenu", &args), 1);
    EXPECT_EQ(popup.shown, 1);
    ASSERT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    OpenClipboard(nullptr);
    const std::wstring text = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
    GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
    CloseClipboard();
    EXPECT_EQ(text.substr(0, 18), L"\"Paint\"\t\"\"\t\"\"\t2024");
    gSelection->clear();
}

TEST_F(FrameTest, Dialogs_commandsReachTheirRunners)
{
    ASSERT_TRUE(Start());
    Command(IDM_TOOLS_HOLIDAYS);
    Command(IDM_TOOLS_CALENDARS);
    Command(IDM_FILTER_LIST);
    Command(IDM_VIEW_SETTINGS);
    Command(IDM_EDIT_SETTING);
    // The stand-in controls library registers no calendar and no number edit, so the date
    // selector and the holidays dialog cannot open here.
    Command(IDM_VIEW_GOTO_DATE);
    EXPECT_EQ(dialogs, (std::vector<std::wstring>{L"CCalendarsDlg", L"CFiltersDlg", L"CViewSettingsDlg",
                                                  L"CSettingDlg"}));
}

} // namespace
