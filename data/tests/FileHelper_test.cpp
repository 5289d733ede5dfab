// Opening, saving and reloading project files through QV2D.dll, on real files in a temporary
// folder: forms, sharing, paths, failures that must leave everything as it was, the round trip.
#include "FileTestEnv.h"
#include "HostFifo.h"
#include "LargeProjectFile.h"
#include "ScarceAddressSpace.h"

#include <windows.h>

#include <optional>

namespace {

using namespace qv2dtest;
using namespace wqv2_data;

class FileHelperTest : public FileTest {
protected:
    // A named edit, so there is an undo record and the project is modified.
    void RenameFirstResource(const wchar_t* name)
    {
        ASSERT_EQ(root->BeginTransaction(L"rename"), 0);
        CResource* r = root->Resources->GetAt(0);
        ASSERT_EQ(r->MarkModified(), 0);
        r->SetName(name);
        ASSERT_EQ(root->Commit(), 0);
    }
    std::wstring OpenPath()
    {
        wchar_t buffer[kPathChars];
        return root->GetPath(buffer);
    }
    // Another program's attempt to open the file for writing.
    static bool OthersCanWrite(const std::wstring& path)
    {
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return false;
        CloseHandle(h);
        return true;
    }
};

TEST_F(FileHelperTest, Open_everyTextFormReadsTheSameProject)
{
    ASSERT_EQ(root->Open(CopyFixture(L"project-utf16le.wqv").c_str(), false), 0);
    const std::wstring expected = DumpModel(root);
    for (const wchar_t* name : {L"project-utf16be.wqv", L"project-ansi.wqv", L"project-zip-deflate.wqv",
                                L"project-zip-stored-upper.wqv"}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(root->Open(CopyFixture(name).c_str(), false), 0);
        EXPECT_EQ(DumpModel(root), expected);
    }
    EXPECT_EQ(root->GetFileInfo(kInfoZipped, nullptr), 1);
    EXPECT_EQ(root->GetFileInfo(kInfoLegacy, nullptr), 2);
}

TEST_F(FileHelperTest, Open_readsEveryFieldOfResourcesAndTasks)
{
    ASSERT_EQ(root->Open(CopyFixture(L"project-utf16le.wqv").c_str(), false), 0);
    ASSERT_EQ(root->Resources->GetCount(nullptr), 2);
    CResource* anna = root->Resources->GetAt(0);
    EXPECT_EQ(anna->ID, 3);
    EXPECT_STREQ(anna->Name, L"Anna & Bob <crew>");
    EXPECT_EQ(anna->ColorFg, 0x0000FFu);
    EXPECT_EQ(anna->ColorLabelBk, 0x00FF00u);
    EXPECT_EQ(anna->ColorScheduleBk, 0xFF0000u);
    EXPECT_TRUE(anna->FontBold);
    EXPECT_DOUBLE_EQ(anna->CostsVariable, 12.5);
    EXPECT_EQ(anna->CostsTimeUnit, 1);
    EXPECT_STREQ(anna->GetUserFieldValue(L"Cost centre"), L"CC-7");
    ASSERT_EQ(anna->Tasks->GetCount(), 2);
    CTask* kickoff = anna->Tasks->GetAt(0);
    EXPECT_STREQ(kickoff->Name, L"Kick-off");
    EXPECT_STREQ(kickoff->Note, L"line one\r\nline two");
    EXPECT_EQ(kickoff->DateStart, Day(1, 10));
    EXPECT_EQ(kickoff->TimeEnd, 12 * 60 + 30);
    EXPECT_EQ(kickoff->ColorBk, 0x80FFFFu);
    EXPECT_DOUBLE_EQ(kickoff->CostsFixed, 1e6);
    EXPECT_STREQ(kickoff->GetUserFieldValue(L"Due"), L"20240112");
    EXPECT_EQ(kickoff->GetResource(), anna);
    CTask* review = root->Resources->GetAt(1)->Tasks->GetAt(0);
    EXPECT_STREQ(review->Note, L"a > b");
    EXPECT_EQ(review->ID, 5);
}

TEST_F(FileHelperTest, Open_loadTellsListenersAndLeavesNothingToUndo)
{
    AddResource(L"old");
    ASSERT_EQ(Begin(L"named"), 0);
    root->Resources->GetAt(0)->MarkModified();
    ASSERT_EQ(Commit(), 0);
    ASSERT_FALSE(store.undo.empty());
    root->AddChangeListener(RecordChange);
    Listened().calls.clear();

    ASSERT_EQ(root->Open(CopyFixture(L"project-utf16le.wqv").c_str(), false), 0);
    ASSERT_EQ(Listened().calls.size(), 1u);
    const unsigned int bits = Listened().calls[0];
    EXPECT_TRUE(bits & kChangeLoaded);
    EXPECT_TRUE(bits & ChangeBit(kKindResource));
    EXPECT_TRUE(bits & ChangeBit(kKindTask));
    EXPECT_FALSE(bits & ChangeBit(kKindHoliday));
    EXPECT_TRUE(store.undo.empty());
    EXPECT_FALSE(root->IsModified());
    EXPECT_EQ(root->Resources->GetCount(nullptr), 2); // the old resource is gone
}

TEST_F(FileHelperTest, Open_badArgumentsAndMissingFiles)
{
    EXPECT_EQ(root->Open(nullptr, false), kErrFormat);
    EXPECT_EQ(root->Open(L"", true), kErrFormat);
    EXPECT_EQ(root->Open(Path(L"missing.wqv").c_str(), false), kErrOpen);
    EXPECT_EQ(root->Open(Path(L"missing.wqv").c_str(), true), kErrOpen);
    WriteFileBytes(Path(L"tiny.wqv"), {0xFF, 0xFE, 0x3C});
    EXPECT_EQ(root->Open(Path(L"tiny.wqv").c_str(), false), kErrFormat);
    WriteFileBytes(Path(L"text.wqv"), Utf16File(L"just some words, no project here"));
    EXPECT_EQ(root->Open(Path(L"text.wqv").c_str(), false), kErrFormat);
    EXPECT_EQ(OpenPath(), L"");
}

TEST_F(FileHelperTest, Open_aDeviceOrAPipeIsNotRead)
{
    const std::wstring path = CopyFixture(L"project-utf16le.wqv");
    ASSERT_EQ(root->Open(path.c_str(), false), 0);
    const std::wstring before = DumpModel(root);
    // A host's named pipe whose writer writes nothing: a read of it would wait for ever.
    const std::wstring pipe = Path(L"pipe.wqv");
    const qvtest::SilentHostFifo fifo(pipe);
    ASSERT_TRUE(fifo.Ready());
    for (const std::wstring& other : {pipe, std::wstring(L"NUL")}) {
        SCOPED_TRACE(std::string(other.begin(), other.end()));
        EXPECT_EQ(root->Open(other.c_str(), true), kErrOpen);
        EXPECT_EQ(root->Open(other.c_str(), false), kErrOpen);
        EXPECT_EQ(DumpModel(root), before);
        EXPECT_EQ(OpenPath(), path);
    }
}

TEST_F(FileHelperTest, Open_pathBeyond259CharactersIsRefusedNotCut)
{
    // A file whose path is exactly 259 characters, and the same path with one more character:
    // cutting the longer one would open the shorter file.
    std::wstring folder = dir.Path();
    const std::wstring sub = folder + L"\\" + std::wstring(100, L'd');
    ASSERT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
    std::wstring shortPath = sub + L"\\";
    shortPath += std::wstring(259 - shortPath.size(), L'f');
    ASSERT_EQ(shortPath.size(), 259u);
    ASSERT_TRUE(WriteFileBytes(shortPath, Fixture(L"project-utf16le.wqv")));
    ASSERT_EQ(root->Open(shortPath.c_str(), true), kErrReadOnly);
    root->Close(0);
    const std::wstring longPath = shortPath + L"x";
    EXPECT_EQ(root->Open(longPath.c_str(), false), kErrOpen);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 0);
    EXPECT_EQ(root->Save(longPath.c_str(), false), kErrIo);
}

TEST_F(FileHelperTest, Open_readOnlyAndTheWriteLock)
{
    const std::wstring path = CopyFixture(L"project-utf16le.wqv");
    ASSERT_EQ(root->Open(path.c_str(), true), kErrReadOnly);
    EXPECT_TRUE(root->IsReadOnly());
    EXPECT_TRUE(OthersCanWrite(path));
    EXPECT_EQ(root->Save(L"", false), kErrReadOnly);
    EXPECT_EQ(root->Save(path.c_str(), false), kErrReadOnly); // its own path is the open file too

    ASSERT_EQ(root->Open(CopyFixture(L"project-ansi.wqv").c_str(), false), 0);
    EXPECT_FALSE(root->IsReadOnly());
    EXPECT_FALSE(OthersCanWrite(Path(L"project-ansi.wqv")));
    EXPECT_TRUE(OthersCanWrite(path)); // the previous file was let go
}

TEST_F(FileHelperTest, Open_fileHeldForWritingFallsBackToReadOnly)
{
    const std::wstring path = CopyFixture(L"project-utf16le.wqv");
    HANDLE other = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_EQ(root->Open(path.c_str(), false), kErrReadOnly);
    EXPECT_TRUE(root->IsReadOnly());
    EXPECT_EQ(root->Resources->GetCount(nullptr), 2);
    CloseHandle(other);
}

TEST_F(FileHelperTest, Open_theOpenFileAgainReusesItsHandleAndMode)
{
    const std::wstring path = CopyFixture(L"project-utf16le.wqv");
    ASSERT_EQ(root->Open(path.c_str(), false), 0);
    RenameFirstResource(L"changed");
    std::wstring other = path;
    CharUpperBuffW(other.data(), static_cast<DWORD>(other.size()));
    // Our own lock would refuse a second read-write open; the open file is read again instead.
    EXPECT_EQ(root->Open(other.c_str(), false), 0);
    EXPECT_STREQ(root->Resources->GetAt(0)->Name, L"Anna & Bob <crew>");
    EXPECT_FALSE(root->IsReadOnly());
    EXPECT_EQ(OpenPath(), path);
    EXPECT_FALSE(OthersCanWrite(path));

    ASSERT_EQ(root->Open(CopyFixture(L"project-ansi.wqv").c_str(), true), kErrReadOnly);
    EXPECT_EQ(root->Open(Path(L"project-ansi.wqv").c_str(), false), kErrReadOnly); // the mode stays
}

TEST_F(FileHelperTest, Open_failuresLeaveProjectFileAndUndoHistory)
{
    const std::wstring path = CopyFixture(L"project-utf16le.wqv");
    ASSERT_EQ(root->Open(path.c_str(), false), 0);
    RenameFirstResource(L"edited");
    const std::wstring before = DumpModel(root);
    const size_t undoRecords = store.undo.size();
    root->AddChangeListener(RecordChange);
    Listened().calls.clear();

    const struct {
        const wchar_t* fixture;
        int status;
    } cases[] = {{L"damaged-no-fileinfo.wqv", kErrFormat},
                 {L"damaged-no-data.wqv", kErrFormat},
                 {L"damaged-needs-newer.wqv", kErrNewerVersion},
                 {L"damaged-zip-other-first.wqv", kErrFormat}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        EXPECT_EQ(root->Open(CopyFixture(c.fixture).c_str(), false), c.status);
        EXPECT_EQ(DumpModel(root), before);
        EXPECT_EQ(OpenPath(), path);
        EXPECT_EQ(store.undo.size(), undoRecords);
        EXPECT_TRUE(root->IsModified());
        EXPECT_FALSE(OthersCanWrite(path));
        EXPECT_TRUE(OthersCanWrite(Path(c.fixture))); // the failed file was let go
    }
    EXPECT_TRUE(Listened().calls.empty());
}

// With no heap left at all, not even for the runtime's first exception of this thread: an open
// of a large project, bare or zipped, says so, and the project, its file and its history stay;
// with the memory back the same files open.
TEST_F(FileHelperTest, Open_outOfMemoryIsToldAndLeavesEverything)
{
    const std::wstring bare = Path(L"large.xml");
    const std::wstring zipped = Path(L"large.wqv");
    ASSERT_TRUE(qvtest::WriteLargeProjectFile(bare, 5000));
    ASSERT_EQ(root->Open(bare.c_str(), true), kErrReadOnly);
    const std::wstring large = DumpModel(root);
    ASSERT_EQ(root->Save(zipped.c_str(), true), 0);
    const std::wstring path = CopyFixture(L"project-utf16le.wqv");
    ASSERT_EQ(root->Open(path.c_str(), false), 0);
    RenameFirstResource(L"edited");
    const std::wstring before = DumpModel(root);
    const size_t undoRecords = store.undo.size();

    int statuses[2] = {};
    const std::wstring files[] = {bare, zipped};
    for (int i = 0; i < 2; ++i) {
        // Taken again for each: a failure gives the process's reserve of address space back.
        qvtest::ScarceAddressSpace scarce(std::size_t(2) << 20);
        scarce.TakeHeap();
        statuses[i] = root->Open(files[i].c_str(), false);
    }
    EXPECT_EQ(statuses[0], kErrNoMemory);
    EXPECT_EQ(statuses[1], kErrNoMemory);
    EXPECT_EQ(DumpModel(root), before);
    EXPECT_EQ(OpenPath(), path);
    EXPECT_EQ(store.undo.size(), undoRecords);
    EXPECT_TRUE(root->IsModified());
    EXPECT_FALSE(OthersCanWrite(path));
    for (const std::wstring& file : {bare, zipped}) {
        EXPECT_TRUE(OthersCanWrite(file)); // let go
        EXPECT_EQ(root->Open(file.c_str(), false), 0);
        EXPECT_EQ(DumpModel(root), large);
    }
}

// A listener that looks at the project it is told of (counts the first resource's tasks of a
// month) while no memory is left, when a root is set.
wqv2_data::CData* gLookingRoot = nullptr;
void LookWithoutMemory(unsigned int)
{
    if (!gLookingRoot)
        return;
    qvtest::ScarceAddressSpace space(std::size_t(16) << 20, std::size_t(1) << 20);
    space.TakeHeap(0);
    if (CResource* first = gLookingRoot->Resources->GetAt(0))
        first->CountTasksInWindow(TDate::FromYMD(3, 2026, 1), 0, TDate::FromYMD(4, 2026, 1), 0, nullptr);
}

// Memory that runs out once the project that was open is dropped: from the moment the undo
// history is emptied on, or in a listener that looks at the new project. Either way the new
// project is in, whole, with its file; an open closed it and left no project at all.
TEST_F(FileHelperTest, Open_outOfMemoryOnceTheOldProjectIsDroppedKeepsTheNewOneWhole)
{
    const std::wstring bare = Path(L"large.xml");
    ASSERT_TRUE(qvtest::WriteLargeProjectFile(bare, 5000));
    ASSERT_EQ(root->Open(bare.c_str(), true), kErrReadOnly);
    const std::wstring large = DumpModel(root);
    const std::wstring path = CopyFixture(L"project-utf16le.wqv");
    ASSERT_EQ(root->Open(path.c_str(), false), 0);
    const std::wstring small = DumpModel(root);

    std::optional<qvtest::ScarceAddressSpace> noMemory;
    store.onClear = [&] {
        if (noMemory)
            return;
        noMemory.emplace(std::size_t(16) << 20, std::size_t(1) << 20);
        noMemory->TakeHeap(0);
    };
    const int status = root->Open(bare.c_str(), false);
    store.onClear = nullptr;
    noMemory.reset();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(OpenPath(), bare);
    EXPECT_TRUE(DumpModel(root) == large); // not printed: thousands of tasks

    root->AddChangeListener(LookWithoutMemory);
    gLookingRoot = root;
    EXPECT_EQ(root->Open(path.c_str(), false), 0);
    gLookingRoot = nullptr;
    EXPECT_EQ(OpenPath(), path);
    EXPECT_EQ(DumpModel(root), small);
}

TEST_F(FileHelperTest, Open_fileLargerThanTheLimitIsRefusedUnread)
{
    const std::wstring path = Path(L"huge.wqv");
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size{};
    size.QuadPart = 513ll * 1024 * 1024; // sparse where the file system allows it
    ASSERT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(file));
    CloseHandle(file);
    EXPECT_EQ(root->Open(path.c_str(), true), kErrTooLarge);
}

TEST_F(FileHelperTest, GetFileInfo_versionTextsOfTheOpenFile)
{
    ASSERT_EQ(root->Open(CopyFixture(L"project-utf16le.wqv").c_str(), false), 0);
    wchar_t texts[4][kVersionTextChars];
    EXPECT_EQ(root->GetFileInfo(kInfoVersionTexts, texts), 1);
    EXPECT_STREQ(texts[0], L"2.0.1.1");
    EXPECT_STREQ(texts[1], L"2.0.1.1");
    EXPECT_STREQ(texts[2], L"2.0");
    EXPECT_STREQ(texts[3], L"2.0");
    double required = -1;
    EXPECT_EQ(root->GetFileInfo(kInfoFullVersion, &required), 1);
    EXPECT_DOUBLE_EQ(required, 2.0);

    // A refused file changes none of them.
    EXPECT_EQ(root->Open(CopyFixture(L"damaged-needs-newer.wqv").c_str(), false), kErrNewerVersion);
    EXPECT_EQ(root->GetFileInfo(kInfoVersionTexts, texts), 1);
    EXPECT_STREQ(texts[2], L"2.0");

    root->Close(0);
    EXPECT_EQ(root->GetFileInfo(kInfoVersionTexts, texts), 1);
    EXPECT_STREQ(texts[0], L"");
    EXPECT_EQ(root->GetFileInfo(kInfoFullVersion, &required), 2);
    EXPECT_DOUBLE_EQ(required, 0.0);
}

TEST_F(FileHelperTest, Save_needsAPathOrAnOpenFile)
{
    EXPECT_EQ(root->Save(L"", false), kErrFormat);
    EXPECT_EQ(root->Save(nullptr, true), kErrFormat);
    EXPECT_EQ(root->Save(Path(L"no-such-folder\\x.wqv").c_str(), false), kErrIo);
}

TEST_F(FileHelperTest, Save_toANewPathMovesTheOpenFile)
{
    const std::wstring first = CopyFixture(L"project-utf16le.wqv");
    ASSERT_EQ(root->Open(first.c_str(), false), 0);
    RenameFirstResource(L"saved elsewhere");
    ASSERT_TRUE(root->IsModified());
    const std::wstring second = Path(L"second.wqv");
    ASSERT_EQ(root->Save(second.c_str(), false), 0);
    EXPECT_FALSE(root->IsModified());
    EXPECT_EQ(OpenPath(), second);
    EXPECT_TRUE(OthersCanWrite(first));
    EXPECT_FALSE(OthersCanWrite(second));
    const Bytes bytes = ReadFileBytes(second);
    ASSERT_GT(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    EXPECT_NE(Utf16Text(bytes).find(L"<Name>saved elsewhere</Name>"), std::wstring::npos);
    // No temporary file is left beside it.
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(dir.File(L"*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}

TEST_F(FileHelperTest, Save_overAnExistingFileReplacesIt)
{
    AddResource(L"fresh");
    const std::wstring target = CopyFixture(L"project-ansi.wqv");
    ASSERT_EQ(root->Save(target.c_str(), true), 0);
    EXPECT_EQ(root->GetFileInfo(kInfoZipped, nullptr), 1);
    ASSERT_EQ(root->Open(target.c_str(), false), 0); // the open file itself: read again
    ASSERT_EQ(root->Resources->GetCount(nullptr), 1);
    EXPECT_STREQ(root->Resources->GetAt(0)->Name, L"fresh");
}

TEST_F(FileHelperTest, Save_inPlaceZippedShrinksTheFile)
{
    const std::wstring path = CopyFixture(L"project-utf16le.wqv");
    const size_t bareSize = ReadFileBytes(path).size();
    ASSERT_EQ(root->Open(path.c_str(), false), 0);
    const std::wstring model = DumpModel(root);
    ASSERT_EQ(root->Save(L"", true), 0);
    EXPECT_EQ(root->GetFileInfo(kInfoZipped, nullptr), 1);
    const Bytes zipped = ReadFileBytes(path);
    ASSERT_GE(zipped.size(), 4u);
    EXPECT_LT(zipped.size(), bareSize / 2);
    EXPECT_EQ(zipped[0], 'P');
    EXPECT_EQ(zipped[3], 4);
    ASSERT_EQ(root->Reload(0), 0);
    EXPECT_EQ(DumpModel(root), model);

    // And back: the bare form grows the file again.
    ASSERT_EQ(root->Save(path.c_str(), false), 0);
    EXPECT_EQ(root->GetFileInfo(kInfoZipped, nullptr), 2);
    EXPECT_GT(ReadFileBytes(path).size(), zipped.size());
    ASSERT_EQ(root->Reload(0), 0);
    EXPECT_EQ(DumpModel(root), model);
}

TEST_F(FileHelperTest, Save_failedWriteKeepsTheProjectModified)
{
    ASSERT_EQ(root->Open(CopyFixture(L"project-utf16le.wqv").c_str(), false), 0);
    RenameFirstResource(L"unsaved");
    EXPECT_EQ(root->Save(Path(L"missing\\folder\\x.wqv").c_str(), false), kErrIo);
    EXPECT_TRUE(root->IsModified());
    EXPECT_EQ(OpenPath(), Path(L"project-utf16le.wqv"));
}

TEST_F(FileHelperTest, Reload_readsTheOpenFileAgain)
{
    EXPECT_EQ(root->Reload(0), kErrFormat);
    const std::wstring path = CopyFixture(L"project-utf16le.wqv");
    ASSERT_EQ(root->Open(path.c_str(), false), 0);
    const std::wstring model = DumpModel(root);
    RenameFirstResource(L"discarded");
    ASSERT_EQ(root->Reload(kReloadKeepViewSettings), 0);
    EXPECT_EQ(DumpModel(root), model);
    EXPECT_FALSE(root->IsModified());
    EXPECT_TRUE(store.undo.empty());
    EXPECT_EQ(OpenPath(), path);
}

TEST_F(FileHelperTest, Reload_damagedFileLeavesTheProject)
{
    const std::wstring path = CopyFixture(L"project-utf16le.wqv");
    ASSERT_EQ(root->Open(path.c_str(), true), kErrReadOnly);
    const std::wstring model = DumpModel(root);
    // Read-only lets others write: someone damages the file under us.
    ASSERT_TRUE(WriteFileBytes(path, Fixture(L"damaged-no-data.wqv")));
    EXPECT_EQ(root->Reload(0), kErrFormat);
    EXPECT_EQ(DumpModel(root), model);
    EXPECT_EQ(OpenPath(), path);
    EXPECT_TRUE(root->IsReadOnly());
}

TEST_F(FileHelperTest, RoundTrip_sameModelAndByteIdenticalSecondSave)
{
    ASSERT_EQ(root->Open(CopyFixture(L"project-utf16le.wqv").c_str(), true), kErrReadOnly);
    const std::wstring model = DumpModel(root);

    ASSERT_EQ(root->Save(Path(L"bare.wqv").c_str(), false), 0);
    const Bytes bare = ReadFileBytes(Path(L"bare.wqv"));
    ASSERT_EQ(root->Save(Path(L"zipped.wqv").c_str(), true), 0);

    ASSERT_EQ(root->Open(Path(L"bare.wqv").c_str(), true), kErrReadOnly);
    EXPECT_EQ(DumpModel(root), model);
    ASSERT_EQ(root->Save(Path(L"bare2.wqv").c_str(), false), 0);
    EXPECT_EQ(ReadFileBytes(Path(L"bare2.wqv")), bare);

    ASSERT_EQ(root->Open(Path(L"zipped.wqv").c_str(), false), 0);
    EXPECT_EQ(DumpModel(root), model);
    ASSERT_EQ(root->Save(Path(L"bare3.wqv").c_str(), false), 0);
    EXPECT_EQ(ReadFileBytes(Path(L"bare3.wqv")), bare);
}

TEST_F(FileHelperTest, RoundTrip_projectBuiltInMemory)
{
    CResource* r = AddResource(L"Tools & <Dies>");
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(Begin(), 0);
    r->MarkModified();
    r->SetNote(L"&lt; stays five characters");
    r->SetUserFieldValue(L"Multi", L"one\r\ntwo");
    r->CostsFixed = 0.1;
    ASSERT_EQ(Commit(), 0);
    CTask* t = AddTask(r, Day(3, 1), 0, Day(3, 2), 1439, L"a&b<c>d");
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(Begin(), 0);
    t->MarkModified();
    t->CostsVariable = 123456789.0; // beyond six digits: written as 1.23457e+08
    t->CostsTimeUnit = -3;
    ASSERT_EQ(Commit(), 0);
    const std::wstring path = Path(L"memory.wqv");
    ASSERT_EQ(root->Save(path.c_str(), false), 0);
    ASSERT_EQ(root->Open(path.c_str(), false), 0);
    CResource* back = root->Resources->GetAt(0);
    ASSERT_NE(back, nullptr);
    EXPECT_STREQ(back->Name, L"Tools & <Dies>");
    EXPECT_STREQ(back->Note, L"&lt; stays five characters");
    EXPECT_STREQ(back->GetUserFieldValue(L"Multi"), L"one\r\ntwo");
    CTask* task = back->Tasks->GetAt(0);
    ASSERT_NE(task, nullptr);
    EXPECT_STREQ(task->Name, L"a&b<c>d");
    EXPECT_EQ(task->TimeEnd, 1439);
    EXPECT_DOUBLE_EQ(task->CostsVariable, 123457000.0);
    EXPECT_EQ(task->CostsTimeUnit, -3);
}

TEST_F(FileHelperTest, RoundTrip_projectOfManyReadParts)
{
    // Several megabytes: read, decoded, inflated and written in many parts, whose seams fall
    // inside texts, tags and characters.
    for (int r = 0; r < 10; ++r) {
        CResource* resource = AddResource((L"Resource & <" + std::to_wstring(r) + L">").c_str());
        ASSERT_NE(resource, nullptr);
        ASSERT_EQ(Begin(), 0);
        for (int i = 0; i < 150; ++i) {
            CTask* task = resource->Tasks->CreateNew();
            task->DateStart = Day(3, 1 + i % 20);
            task->DateEnd = Day(3, 2 + i % 20);
            task->SetName((L"Task " + std::to_wstring(i) + L" \u00e4\u20ac <&> " + std::wstring(800 + i % 7, L'x')).c_str());
            ASSERT_EQ(resource->Tasks->Add(task), 0);
        }
        ASSERT_EQ(Commit(), 0);
    }
    const std::wstring model = DumpModel(root);
    for (bool zipped : {false, true}) {
        SCOPED_TRACE(zipped);
        const std::wstring first = Path(zipped ? L"many.wqv" : L"many.xml");
        const std::wstring second = Path(zipped ? L"again.wqv" : L"again.xml");
        ASSERT_EQ(root->Save(first.c_str(), zipped), 0);
        if (!zipped) {
            EXPECT_GT(ReadFileBytes(first).size(), 2u * 1024 * 1024);
        }
        root->Close(0);
        ASSERT_EQ(root->Open(first.c_str(), false), 0);
        EXPECT_EQ(DumpModel(root), model);
        ASSERT_EQ(root->Save(second.c_str(), zipped), 0);
        const Bytes a = ReadFileBytes(first);
        const Bytes b = ReadFileBytes(second);
        // The zipped form differs at most in its time stamps.
        ASSERT_EQ(a.size(), b.size());
        size_t differing = 0;
        for (size_t i = 0; i < a.size(); ++i)
            differing += a[i] != b[i];
        EXPECT_LE(differing, zipped ? 8u : 0u);
    }
}

} // namespace
