// The open and save dialogs as every dialog of the viewer opens them: what they are offered, and
// the system's own dialogs on the virtual display, shown or failing.
#include "DialogFixture.h"
#include "QV2ResVIds.h"
#include "SafeFormat.h"
#include "fw/Resources.h"

#include "ScarceAddressSpace.h"

#include <cderr.h>

#include <new>
#include <thread>

namespace {

using FileDialogsTest = dlgtest::DialogFixture;

// Cancels every window that becomes active on this thread, counting them: the system's dialogs
// come up and go at once instead of waiting for a user.
class CActivationCanceller {
public:
    CActivationCanceller() : m_hook(SetWindowsHookExW(WH_CBT, &Cancel, nullptr, GetCurrentThreadId()))
    {
        activated = 0;
    }
    ~CActivationCanceller() { UnhookWindowsHookEx(m_hook); }
    CActivationCanceller(const CActivationCanceller&) = delete;
    CActivationCanceller& operator=(const CActivationCanceller&) = delete;

    static inline int activated = 0;

private:
    static LRESULT CALLBACK Cancel(int code, WPARAM wp, LPARAM lp)
    {
        if (code == HCBT_ACTIVATE) {
            ++activated;
            PostMessageW(reinterpret_cast<HWND>(wp), WM_COMMAND, IDCANCEL, 0);
        }
        return CallNextHookEx(nullptr, code, wp, lp);
    }

    HHOOK m_hook;
};

// The system's own dialogs in place of the recorder while it lives.
class CSystemDialogs {
public:
    CSystemDialogs() : m_previous(fw::SetFileDialogSink(nullptr)) {}
    ~CSystemDialogs() { fw::SetFileDialogSink(m_previous); }
    CSystemDialogs(const CSystemDialogs&) = delete;
    CSystemDialogs& operator=(const CSystemDialogs&) = delete;

private:
    fw::IFileDialogSink* m_previous;
};

// The folder settings (`DirectoryExport`, `DirectoryFiles` ...) and the remembered file name may
// hold any text, and the system's dialog overran its stack on a folder of a few hundred
// characters: what no dialog can start from is not offered, and the dialog opens in its own folder.
TEST_F(FileDialogsTest, Offer_onlyAnExistingFolderAndANameThatFitAPath)
{
    const qvtest::CTempFolder temp;
    temp.Write(L"file.txt", "x");
    const std::wstring deep = temp.Path() + L"\\" + std::wstring(300, L'd');
    const std::vector<std::pair<std::wstring, std::wstring>> folders = {
        {temp.Path(), temp.Path()},
        {temp.Path() + L"\\", temp.Path() + L"\\"},
        {L".", L"."},
        {temp.File(L"no such folder"), L""},
        {temp.File(L"file.txt"), L""},
        {deep, L""},
        {std::wstring(1000, L'A'), L""},
        {std::wstring(1000000, L'A'), L""},
    };
    std::wstring path;
    for (const auto& [folder, offered] : folders) {
        fw::FileDialogArgs args;
        args.initialFolder = folder;
        args.fileName = L"report.txt";
        EXPECT_FALSE(fw::ChooseSaveFile(args, path));
        EXPECT_FALSE(fw::ChooseOpenFile(args, path));
        ASSERT_FALSE(saveDialogs.asked.empty());
        ASSERT_FALSE(saveDialogs.opened.empty());
        EXPECT_EQ(saveDialogs.asked.back().initialFolder, offered) << folder.size();
        EXPECT_EQ(saveDialogs.opened.back().initialFolder, offered) << folder.size();
        EXPECT_EQ(saveDialogs.asked.back().fileName, L"report.txt");
    }
    const std::vector<std::pair<std::wstring, std::wstring>> names = {
        {L"report.txt", L"report.txt"},
        {L"sub\\report.txt", L"sub\\report.txt"},
        {std::wstring(260, L'x'), std::wstring(260, L'x')},
        {std::wstring(261, L'x'), L""},
        {std::wstring(1000000, L'x'), L""},
        {deep + L"\\report.txt", L""},
    };
    for (const auto& [name, offered] : names) {
        fw::FileDialogArgs args;
        args.initialFolder = temp.Path();
        args.fileName = name;
        fw::ChooseSaveFile(args, path);
        fw::ChooseOpenFile(args, path);
        EXPECT_EQ(saveDialogs.asked.back().fileName, offered) << name.size();
        EXPECT_EQ(saveDialogs.opened.back().fileName, offered) << name.size();
        EXPECT_EQ(saveDialogs.asked.back().initialFolder, temp.Path());
    }

    // The system's own dialogs come up with such texts, and are cancelled.
    const CSystemDialogs system;
    const CActivationCanceller canceller;
    fw::FileDialogArgs args;
    args.filter = L"Text files (*.txt)|*.txt||";
    args.initialFolder = std::wstring(1000, L'A');
    args.fileName = deep + L"\\report.txt";
    EXPECT_FALSE(fw::ChooseSaveFile(args, path));
    args.initialFolder = std::wstring(1000000, L'A');
    args.fileName = std::wstring(1000000, L'x');
    args.flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    EXPECT_FALSE(fw::ChooseOpenFile(args, path));
    EXPECT_GE(CActivationCanceller::activated, 2);
    EXPECT_TRUE(messages.messages.empty());
}

// A dialog that the system cannot show comes back as a cancelled one does, and some systems give
// no error for it (so with too little memory left): the user is told, where a cancel says nothing.
TEST_F(FileDialogsTest, SystemDialog_oneThatCannotBeShownIsReportedACancelledOneIsNot)
{
    const qvtest::CTempFolder temp;
    const CSystemDialogs system;
    const CActivationCanceller canceller;
    fw::FileDialogArgs args;
    args.initialFolder = temp.Path();
    args.fileName = L"report.txt";
    std::wstring path;
    EXPECT_FALSE(fw::ChooseSaveFile(args, path));
    EXPECT_FALSE(fw::ChooseOpenFile(args, path));
    EXPECT_GE(CActivationCanceller::activated, 2);
    EXPECT_TRUE(messages.messages.empty());

    // An owner that is gone: the system cannot make the dialog.
    HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(gone, nullptr);
    DestroyWindow(gone);
    args.owner = gone;
    CActivationCanceller::activated = 0;
    EXPECT_FALSE(fw::ChooseSaveFile(args, path));
    EXPECT_FALSE(fw::ChooseOpenFile(args, path));
    EXPECT_EQ(CActivationCanceller::activated, 0);
    const std::wstring said = msgfmt::Format(fw::LoadResString(IDS_MSG_FILE_DIALOG_FAILED), {CDERR_DIALOGFAILURE});
    EXPECT_NE(said.find(L"FFFF"), std::wstring::npos) << "the error code in the message";
    ASSERT_EQ(messages.messages.size(), 2u);
    for (const qvtest::RecordedMessage& message : messages.messages) {
        EXPECT_EQ(message.text, said);
        EXPECT_EQ(message.flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    }
}

// A thread's first file dialog while memory is short: nothing of the C++ runtime's is made for it
// then (a thread's copy of a thread-local variable is, and its failure ended the process); the
// dialog's own want of memory comes back as std::bad_alloc, for the caller to tell.
TEST_F(FileDialogsTest, SystemDialog_aThreadsFirstWithoutMemoryThrowsForTheCaller)
{
    const CSystemDialogs system;
    const fw::FileDialogArgs args; // copied without memory: no text to copy
    for (const bool save : {true, false}) {
        bool toldAsMemory = false;
        std::thread first([&] {
            std::wstring path;
            qvtest::ScarceAddressSpace space(std::size_t(16) << 20, std::size_t(1) << 20);
            space.TakeHeap(0);
            try {
                save ? fw::ChooseSaveFile(args, path) : fw::ChooseOpenFile(args, path);
            } catch (const std::bad_alloc&) {
                toldAsMemory = true;
            }
        });
        first.join();
        EXPECT_TRUE(toldAsMemory) << save;
    }
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
