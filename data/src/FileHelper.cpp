// The open project file of the data root: opening, recognising, loading, saving, reloading.
#include "FileHelper.h"

#include "ContBase.h"
#include "DataInt.h"
#include "FileIo.h"
#include "Guard.h"
#include "LegacyProject.h"
#include "Library.h"
#include "ProjectLimits.h"
#include "ProjectReader.h"
#include "TextDecode.h"
#include "Transaction.h"
#include "TextStream.h"
#include "ZipHelper.h"
#include "ZipWriter.h"

#include "wqv2_data.h"
#include "wqv2_undo.h"

#include <algorithm>
#include <cstring>
#include <new>

using namespace wqv2_data;

namespace {

unsigned int gReloadFlags = 0;

// Inside a catch: the status of the failure being handled.
int CaughtStatus() noexcept
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return kErrNoMemory;
    } catch (...) {
        return kErrIo;
    }
}

// Recognition looks at no more than this much of the file's start.
constexpr size_t kHeadBytes = 1024;
// A bare document is read in parts of this size.
constexpr size_t kReadBlock = 1024 * 1024;

// Makes the reload flags visible to the readers for the time of one reload.
class ReloadFlagsScope {
public:
    explicit ReloadFlagsScope(unsigned int flags) : m_previous(gReloadFlags) { gReloadFlags = flags; }
    ~ReloadFlagsScope() { gReloadFlags = m_previous; }
    ReloadFlagsScope(const ReloadFlagsScope&) = delete;
    ReloadFlagsScope& operator=(const ReloadFlagsScope&) = delete;

private:
    unsigned int m_previous;
};

bool IsZipStart(const std::vector<unsigned char>& bytes)
{
    static const unsigned char kMagic[4] = {0x50, 0x4B, 0x03, 0x04};
    return bytes.size() >= 4 && std::memcmp(bytes.data(), kMagic, 4) == 0;
}

} // namespace

CFileHelper::~CFileHelper() { Close(); }

unsigned int CFileHelper::ReloadFlags() { return gReloadFlags; }

int CFileHelper::Open(const wchar_t* path, bool readOnly)
{
    if (!path || !*path)
        return kErrFormat;
    std::wstring target(path);
    if (target.size() > kMaxPathChars)
        return kErrOpen;
    if (IsOpen() && fileio::SamePath(target, m_path)) {
        // Opened again through our own handle: a second open would collide with our lock.
        const int status = Reread();
        if (status != 0)
            return status;
        return m_readOnly ? kErrReadOnly : 0;
    }

    bool openedReadOnly = readOnly;
    void* handle = fileio::OpenProject(target, readOnly, openedReadOnly);
    if (!handle)
        return kErrOpen;
    Loaded loaded;
    const int status = ReadAndLoad(handle, loaded);
    if (status != 0) {
        fileio::Close(handle);
        if (loaded.commitFailed)
            Close();
        return status;
    }
    // Moved, not copied: the project is in, and nothing may fail for memory now.
    Close();
    m_handle = handle;
    m_path = std::move(target);
    m_readOnly = openedReadOnly;
    m_legacy = loaded.legacy;
    m_zipped = loaded.zipped;
    m_versions = std::move(loaded.versions);
    return m_readOnly ? kErrReadOnly : 0;
}

int CFileHelper::Reload(unsigned int flags)
{
    if (!IsOpen())
        return kErrFormat;
    const ReloadFlagsScope scope(flags);
    return Reread();
}

int CFileHelper::Reread()
{
    Loaded loaded;
    const int status = ReadAndLoad(m_handle, loaded);
    if (status != 0) {
        if (loaded.commitFailed)
            Close();
        return status;
    }
    m_legacy = loaded.legacy;
    m_zipped = loaded.zipped;
    m_versions = std::move(loaded.versions);
    return 0;
}

int CFileHelper::ReadAndLoad(void* handle, Loaded& loaded)
{
    uint64_t size = 0;
    if (!fileio::Rewind(handle) || !fileio::Size(handle, size))
        return kErrIo;
    std::vector<unsigned char> head;
    try {
        if (!fileio::ReadAll(handle, std::min<uint64_t>(size, kHeadBytes), head))
            return kErrIo;
    } catch (...) {
        return CaughtStatus();
    }
    if (head.size() <= 3)
        return kErrFormat;

    if (IsZipStart(head)) {
        loaded.zipped = true;
        loaded.legacy = false;
        if (!CZipHelper::HasProjectEntry(head.data(), head.size()))
            return kErrFormat;
        return Load(loaded, [&] { return StreamDocument(handle, size, true, loaded.versions); });
    }
    loaded.zipped = false;
    const std::wstring headText = textcode::Decode(head.data(), head.size());
    if (headText.find(L"<?xml") != std::wstring::npos && headText.find(L"Win-Quorvia") != std::wstring::npos) {
        loaded.legacy = false;
        return Load(loaded, [&] { return StreamDocument(handle, size, false, loaded.versions); });
    }
    // The older format is read whole: a file too large for it is refused unread.
    if (size > kMaxProjectBytes)
        return kErrTooLarge;
    if (legacy::IsLegacyProject(headText) != 0)
        return kErrFormat;
    loaded.legacy = true;
    std::wstring text;
    try {
        std::vector<unsigned char> bytes;
        if (!fileio::Rewind(handle) || !fileio::ReadAll(handle, size, bytes))
            return kErrIo;
        text = textcode::Decode(bytes.data(), bytes.size());
    } catch (...) {
        // No memory for the file's bytes or text: the caller still owns and closes the handle.
        return CaughtStatus();
    }
    return Load(loaded, [&] { return legacy::ImportLegacyProject(*m_root, text); });
}

int CFileHelper::StreamDocument(void* handle, uint64_t size, bool zipped, FileVersionInfo& versions)
{
    CProjectReader reader(*m_root, versions);
    textcode::CStreamDecoder decoder;
    std::wstring part;
    // False once the reader has stopped: a file refused as too large is not unpacked to its
    // end (gigabytes, for minutes) before it is refused.
    const auto deliver = [&](const unsigned char* bytes, size_t length) {
        part.clear();
        decoder.Put(bytes, length, part);
        reader.Feed(part);
        return !reader.Stopped();
    };
    if (!fileio::Rewind(handle))
        return reader.Finish(kErrIo);
    fileio::CFileSource source(handle, size);
    bool read = true;
    if (zipped) {
        read = CZipHelper::StreamEntry(source, size, deliver);
    } else {
        std::vector<unsigned char> block(kReadBlock);
        size_t got = 0;
        while ((read = source.Read(block.data(), block.size(), got)) && got > 0) {
            if (!deliver(block.data(), got))
                break;
        }
    }
    // A stop of the reader's own is its failure, not the file's.
    if (reader.Stopped())
        return reader.Finish(0);
    part.clear();
    decoder.End(part);
    reader.Feed(part);
    return reader.Finish(read ? 0 : kErrIo);
}

int CFileHelper::Load(Loaded& loaded, const std::function<int()>& read)
{
    int status = m_root->BeginTransaction(L"");
    if (status != 0)
        return status;
    CTransaction* t = lib::Transaction();
    t->AddChangeBits(kChangeLoaded);
    bool oldProjectDropped = false;
    // A guarded call that ran out of memory on the way (a name not set, an item not inserted)
    // answers only its own failure: the project it leaves is not the file's.
    const COutOfMemoryWatch memory;
    try {
        status = read();
        if (status == 0 && memory.Seen())
            status = kErrNoMemory;
        // Validated before the old project is dropped: a file whose items fail their test
        // must not cost the project that was open.
        if (status == 0)
            status = t->Validate();
        if (status != 0) {
            if (t->IsOpen())
                t->Rollback();
            return status;
        }
        // Everything that may run out of memory comes before the old project goes: the room for
        // the new items in their containers too. From the drop on, nothing is allocated, so the
        // project that was open stays until the new one is in.
        t->MakeRoom();
        if (wqv2_undo::CUndoManager* store = lib::UndoStore())
            store->Clear();
        oldProjectDropped = true;
        for (CContBase* container : m_root->Containers())
            container->Clear();
        t->SetCommitMarksSaved();
        // The commit without its validation, done above.
        const unsigned int bits = t->End(m_root->Containers());
        // The new project is in: what the listeners meet on their way (memory that runs out
        // while they look at it, say) is theirs to tell, and costs no project.
        if (bits != 0)
            m_root->NotifyListeners(bits);
        return 0;
    } catch (...) {
        // Out of memory while reading a huge or hostile file, or another failure: nothing of it
        // stays.
        if (t->IsOpen())
            t->Rollback();
        loaded.commitFailed = oldProjectDropped;
        return CaughtStatus();
    }
}

bool CFileHelper::WriteContent(void* handle, bool zipped)
{
    try {
        fileio::CFileSink file(handle);
        if (!zipped) {
            CTextWriter out(file);
            out.Append(L'\xFEFF');
            projectdoc::WriteDocument(*m_root, out);
            return out.Flush() && file.Flush();
        }
        CZipWriter zip(file);
        CTextWriter out(zip);
        out.Append(L'\xFEFF');
        projectdoc::WriteDocument(*m_root, out);
        return out.Flush() && zip.Finish() && file.Flush();
    } catch (...) {
        // Out of memory while making the document: the spool is dropped, no file is touched.
        return false;
    }
}

int CFileHelper::Save(const wchar_t* path, bool zipped)
{
    const bool hasPath = path && *path;
    if (!hasPath && !IsOpen())
        return kErrFormat;
    const std::wstring target = hasPath ? std::wstring(path) : std::wstring();
    if (target.size() > kMaxPathChars)
        return kErrIo;
    const bool inPlace = !hasPath || (IsOpen() && fileio::SamePath(target, m_path));
    if (inPlace && m_readOnly)
        return kErrReadOnly;

    // Every byte is in the spool before the first one goes to the target: a failure up to here
    // touches no file.
    fileio::Spool spool;
    if (!fileio::CreateSpool(inPlace ? m_path : target, spool))
        return kErrIo;
    if (!WriteContent(spool.handle, zipped)) {
        fileio::DiscardSpool(spool);
        return kErrIo;
    }

    if (inPlace) {
        if (!fileio::CopySpoolInto(m_handle, spool))
            return kErrIo;
    } else {
        void* handle = fileio::PlaceSpool(target, spool);
        if (!handle)
            return kErrIo;
        const FileVersionInfo versions = m_versions; // still what the project was read with
        Close();
        m_handle = handle;
        m_path = target;
        m_versions = versions;
    }
    m_readOnly = false;
    m_legacy = false;
    m_zipped = zipped;
    return 0;
}

void CFileHelper::Close()
{
    fileio::Close(m_handle);
    m_path.clear();
    m_readOnly = false;
    m_versions = FileVersionInfo();
}
