#include "InfoDlg.h"

#include "CommandLineInfoEx.h"
#include "DialogFixture.h"
#include "ProjectDialogFixture.h"
#include "QV2ResVIds.h"
#include "SafeFormat.h"
#include "Settings.h"
#include "ViewerUtil.h"
#include "fw/Resources.h"

#include <commctrl.h>

#include <fstream>
#include <iterator>

namespace {

class InfoDlgTest : public dlgtest::ProjectDialogTest {
protected:
    // Runs the dialog and hands it to `look` while it is open.
    void Run(const std::function<void(CInfoDlg& dialog)>& look)
    {
        Answer<CInfoDlg>([&](CInfoDlg& dialog) {
            look(dialog);
            return IDCANCEL;
        });
        CInfoDlg dialog;
        EXPECT_EQ(dialog.RunModal(nullptr), IDCANCEL);
    }

    static std::string Bytes(const std::wstring& path)
    {
        std::ifstream in(path.c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    qvtest::CTempFolder temp;
};

TEST_F(InfoDlgTest, Modules_aNamedLibraryIsListedFromItsFileWithoutRunningIt)
{
    const std::wstring refuses = qvtest::StubFolder() + L"stub_refuses_start.dll";
    // Run, the library refuses to start: only reading the file can list it.
    ASSERT_EQ(LoadLibraryW(refuses.c_str()), nullptr);
    SetSetting(L"DynamicLoadedModulesPaths", refuses + L"\n" + temp.File(L"missing.dll"));
    std::vector<std::vector<std::wstring>> modules;
    bool pageShown = false;
    Run([&](CInfoDlg& dialog) {
        modules = ListRows(dialog.Item(IDC_INFO_MODULES));
        SendMessageW(dialog.Item(IDC_INFO_PAGES), LB_SETCURSEL, 2, 0);
        Press(dialog.Hwnd(), IDC_INFO_PAGES, LBN_SELCHANGE);
        auto visible = [&](int id) { return (GetWindowLongPtrW(dialog.Item(id), GWL_STYLE) & WS_VISIBLE) != 0; };
        pageShown = visible(IDC_INFO_MODULES) && !visible(IDC_INFO_FOLDERS) && !visible(IDC_INFO_SYSTEM);
    });
    EXPECT_TRUE(pageShown);
    ASSERT_GE(modules.size(), 2u);
    EXPECT_EQ(modules[0][4], GetModulePath(GetModuleHandleW(nullptr)));
    const std::vector<std::wstring>& named = modules.back();
    EXPECT_EQ(named[0], L"stub_refuses_start.dll");
    EXPECT_EQ(named[1], GetVersionString(refuses, L"FileVersion"));
    EXPECT_FALSE(named[1].empty());
    EXPECT_FALSE(named[2].empty());
    WIN32_FILE_ATTRIBUTE_DATA file{};
    ASSERT_TRUE(GetFileAttributesExW(refuses.c_str(), GetFileExInfoStandard, &file));
    EXPECT_EQ(named[3], FormatFileSize(file.nFileSizeLow));
    EXPECT_EQ(GetPathFileName(named[4]), L"stub_refuses_start.dll");
    // Released once the list was complete; the missing file is left out.
    EXPECT_EQ(GetModuleHandleW(refuses.c_str()), nullptr);
    for (const std::vector<std::wstring>& row : modules)
        EXPECT_NE(row[0], L"missing.dll");
}

TEST_F(InfoDlgTest, Pages_numberedFolderLabelsAndTheSystemRows)
{
    temp.MakeFolder(L"one");
    temp.MakeFolder(L"two");
    gCommandLine->settingsFolders = {temp.File(L"one"), temp.File(L"two")};
    std::vector<std::vector<std::wstring>> folders, system;
    std::vector<std::wstring> titles;
    Run([&](CInfoDlg& dialog) {
        folders = ListRows(dialog.Item(IDC_INFO_FOLDERS));
        system = ListRows(dialog.Item(IDC_INFO_SYSTEM));
        for (int i = 0; i < 3; ++i) {
            wchar_t title[64] = {};
            SendMessageW(dialog.Item(IDC_INFO_PAGES), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(title));
            titles.push_back(title);
        }
    });
    gCommandLine->settingsFolders.clear();
    EXPECT_EQ(titles, (std::vector<std::wstring>{fw::LoadResString(IDS_INFO_PAGE_FOLDERS),
                                                 fw::LoadResString(IDS_INFO_PAGE_SYSTEM),
                                                 fw::LoadResString(IDS_INFO_PAGE_MODULES)}));
    const std::wstring program = fw::LoadResString(IDS_INFO_PROGRAM_FOLDER);
    const std::wstring settings = fw::LoadResString(IDS_INFO_SETTINGS_FOLDER);
    ASSERT_GE(folders.size(), 4u);
    EXPECT_EQ(folders[0][0], program);
    EXPECT_EQ(folders[1][0], settings + L" 1");
    EXPECT_EQ(folders[2], (std::vector<std::wstring>{settings + L" 2", temp.File(L"one")}));
    EXPECT_EQ(folders[3], (std::vector<std::wstring>{settings + L" 3", temp.File(L"two")}));
    ASSERT_EQ(system.size(), 7u);
    EXPECT_EQ(system[0][0], fw::LoadResString(IDS_INFO_SYSTEM));
    EXPECT_EQ(system[0][1].rfind(L"System: ", 0), 0u);
    EXPECT_EQ(system[6][0], fw::LoadResString(IDS_INFO_COMMAND_LINE));
    EXPECT_FALSE(system[6][1].empty());
}

TEST_F(InfoDlgTest, Save_replacesTheFileWithEveryPageAndRemembersWhere)
{
    const std::wstring path = temp.File(L"info.txt");
    temp.Write(L"info.txt", std::string(200000, 'Q')); // longer than the information
    dlgtest::CSaveDialogRecorder saveDialogs;
    saveDialogs.answer = path;
    std::wstring built;
    Run([&](CInfoDlg& dialog) {
        Press(dialog.Hwnd(), IDC_INFO_SAVE);
        built = dialog.InformationText();
    });
    ASSERT_EQ(saveDialogs.asked.size(), 1u);
    EXPECT_EQ(saveDialogs.asked[0].fileName, fw::LoadResString(IDS_INFO_FILE_DEFAULT_NAME));
    EXPECT_EQ(GetSetting(L"DlgInfoFilenameLast"), L"info.txt");
    EXPECT_EQ(GetSetting(L"DirectoryApplicationInformation"), temp.Path());

    const std::string bytes = Bytes(path);
    ASSERT_EQ(bytes.size() % 2, 0u);
    const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text[0], 0xFEFF);
    EXPECT_LT(bytes.size(), 200000u);
    EXPECT_EQ(text.find(static_cast<wchar_t>(0x5151)), std::wstring::npos); // "QQ" of the old content
    // Rows carry their cells from the second column on, each after a TAB.
    const std::wstring program = L"\r\n\t" + fw::LoadResString(IDS_INFO_PROGRAM_FOLDER) + L"\t";
    EXPECT_NE(text.find(program), std::wstring::npos);
    for (UINT title : {IDS_INFO_PAGE_FOLDERS, IDS_INFO_PAGE_SYSTEM, IDS_INFO_PAGE_MODULES})
        EXPECT_NE(text.find(fw::LoadResString(title) + L"\r\n\t"), std::wstring::npos) << title;
    // The head line and the rows are those of the dialog (its time text may have moved on).
    EXPECT_EQ(text.substr(text.find(L"\r\n\t")), built.substr(built.find(L"\r\n\t")));
}

TEST_F(InfoDlgTest, Save_aFileThatCannotBeWrittenIsReportedWithTheSystemsReason)
{
    dlgtest::CSaveDialogRecorder saveDialogs;
    const std::wstring missing = temp.File(L"no folder\\info.txt");
    saveDialogs.answer = missing;
    Run([&](CInfoDlg& dialog) { Press(dialog.Hwnd(), IDC_INFO_SAVE); });
    // A file another program holds open.
    const std::wstring held = temp.File(L"held.txt");
    HANDLE holder = CreateFileW(held.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    saveDialogs.answer = held;
    Run([&](CInfoDlg& dialog) { Press(dialog.Hwnd(), IDC_INFO_SAVE); });
    CloseHandle(holder);

    const std::wstring noFolder = SystemErrorText(ERROR_PATH_NOT_FOUND);
    const std::wstring inUse = SystemErrorText(ERROR_SHARING_VIOLATION);
    ASSERT_FALSE(noFolder.empty());
    ASSERT_FALSE(inUse.empty());
    ASSERT_NE(noFolder, inUse);
    auto notSaved = [](const std::wstring& path) {
        return msgfmt::Format(fw::LoadResString(IDS_MSG_INFO_NOT_SAVED), {path});
    };
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, notSaved(missing) + L"\n\n" + noFolder);
    EXPECT_EQ(messages.messages[0].flags & MB_ICONERROR, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(messages.messages[1].text, notSaved(held) + L"\n\n" + inUse);
}

TEST_F(InfoDlgTest, Save_writesLongTextsWholeAndAFailedSaveRemembersNothing)
{
    // A command line far longer than a kilobyte, as the system page lists it.
    std::wstring longText = L"Win-Quorvia2-Viewer.exe";
    while (longText.size() < 5000)
        longText += L" /cf C:\\Settings\\Team\\planning-board.qvs";
    const std::wstring path = temp.File(L"info.txt");
    dlgtest::CSaveDialogRecorder saveDialogs;
    saveDialogs.answer = path;
    Run([&](CInfoDlg& dialog) {
        HWND system = dialog.Item(IDC_INFO_SYSTEM);
        LVITEMW item{};
        item.iSubItem = 2;
        item.pszText = longText.data();
        SendMessageW(system, LVM_SETITEMTEXTW, 6, reinterpret_cast<LPARAM>(&item));
        Press(dialog.Hwnd(), IDC_INFO_SAVE);
    });
    const std::string bytes = Bytes(path);
    const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
    EXPECT_NE(text.find(L"\t" + longText + L"\r\n"), std::wstring::npos);

    // A file that cannot be written leaves the folder and name of the last good save.
    saveDialogs.answer = temp.File(L"no folder\\other.txt");
    Run([&](CInfoDlg& dialog) { Press(dialog.Hwnd(), IDC_INFO_SAVE); });
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(GetSetting(L"DlgInfoFilenameLast"), L"info.txt");
    EXPECT_EQ(GetSetting(L"DirectoryApplicationInformation"), temp.Path());
}

TEST_F(InfoDlgTest, FileSize_kilobytesRoundedHalfUp)
{
    EXPECT_EQ(FormatFileSize(1535).substr(0, 2), L"1 ");
    EXPECT_EQ(FormatFileSize(1536).substr(0, 2), L"2 ");
    EXPECT_NE(FormatFileSize(1536).find(L"536"), std::wstring::npos);
}

} // namespace
