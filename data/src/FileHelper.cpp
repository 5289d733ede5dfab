// The open project file of the data root: opening, recognising, loading, saving, reloading.
#include "FileHelper.h"

#include "ContBase.h"
#include "DataInt.h"
#include "FileIo.h"
#include "LegacyProject.h"
#include "Library.h"
#include "ProjectLimits.h"
#include "TextDecode.h"
#include "Transaction.h"
#include "ZipHelper.h"

#include "wqv2_data.h"
#include "wqv2_undo.h"

#include <algorithm>
#include <cstring>

using namespace wqv2_data;

namespace {

unsigned int gReloadFlags = 0;

// Recognition looks at no more than this much of the file's start.
constexpr size_t kHeadBytes = 1024;

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
    const std::wstring target(path);
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
    Close();
    m_handle = handle;
    m_path = target;
    m_readOnly = openedReadOnly;
    m_legacy = loaded.legacy;
    m_zipped = loaded.zipped;
    m_versions = loaded.versions;
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
    m_versions = loaded.versions;
    return 0;
}

int CFileHelper::ReadAndLoad(void* handle, Loaded& loaded)
{
    std::wstring text;
    int status = 0;
    try {
        status = ReadText(handle, text, loaded);
    } catch (...) {
        // No memory for the file's bytes or text: the caller still owns and closes the handle.
        return kErrIo;
    }
    if (status != 0)
        return status;
    return LoadText(text, loaded);
}

int CFileHelper::ReadText(void* handle, std::wstring& text, Loaded& loaded)
{
    uint64_t size = 0;
    if (!fileio::Rewind(handle) || !fileio::Size(handle, size))
        return kErrIo;
    if (size > kMaxProjectBytes)
        return kErrIo;
    std::vector<unsigned char> bytes;
    if (!fileio::ReadAll(handle, size, bytes))
        return kErrIo;
    if (bytes.size() <= 3)
        return kErrFormat;
    const size_t head = std::min(bytes.size(), kHeadBytes);

    if (IsZipStart(bytes)) {
        loaded.zipped = true;
        loaded.legacy = false;
        if (!CZipHelper::HasProjectEntry(bytes.data(), head))
            return kErrFormat;
        CZipHelper zip;
        if (!zip.Unpack(bytes.data(), bytes.size()))
            return kErrIo;
        std::vector<unsigned char>().swap(bytes); // the archive is not needed any more
        text = textcode::Decode(zip.Unpacked().data(), zip.Unpacked().size());
        return 0;
    }

    loaded.zipped = false;
    const std::wstring headText = textcode::Decode(bytes.data(), head);
    if (headText.find(L"<?xml") != std::wstring::npos && headText.find(L"Win-Quorvia") != std::wstring::npos)
        loaded.legacy = false;
    else if (legacy::IsLegacyProject(headText) == 0)
        loaded.legacy = true;
    else
        return kErrFormat;
    text = textcode::Decode(bytes.data(), bytes.size());
    return 0;
}

int CFileHelper::LoadText(const std::wstring& text, Loaded& loaded)
{
    int status = m_root->BeginTransaction(L"");
    if (status != 0)
        return status;
    CTransaction* t = lib::Transaction();
    t->AddChangeBits(kChangeLoaded);
    bool oldProjectDropped = false;
    try {
        status = loaded.legacy ? legacy::ImportLegacyProject(*m_root, text)
                               : projectdoc::ReadDocument(*m_root, text, loaded.versions);
        // Validated before the old project is dropped: a file whose items fail their test
        // must not cost the project that was open.
        if (status == 0)
            status = t->Validate();
        if (status != 0) {
            if (t->IsOpen())
                t->Rollback();
            return status;
        }
        if (wqv2_undo::CUndoManager* store = lib::UndoStore())
            store->Clear();
        oldProjectDropped = true;
        for (CContBase* container : m_root->Containers())
            container->Clear();
        t->SetCommitMarksSaved();
        status = m_root->Commit();
        loaded.commitFailed = status != 0;
        return status;
    } catch (...) {
        // Out of memory while reading a huge or hostile file: nothing of it stays.
        if (t->IsOpen())
            t->Rollback();
        loaded.commitFailed = oldProjectDropped;
        return kErrIo;
    }
}

bool CFileHelper::BuildBytes(bool zipped, std::vector<unsigned char>& bytes)
{
    bytes = textcode::EncodeUtf16LeWithBom(projectdoc::WriteDocument(*m_root));
    if (!zipped)
        return true;
    CZipHelper zip;
    if (!zip.Pack(bytes.data(), bytes.size()))
        return false;
    bytes = zip.Archive();
    return true;
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

    // Every byte exists before the first one is written: a failure up to here touches no file.
    std::vector<unsigned char> bytes;
    if (!BuildBytes(zipped, bytes))
        return kErrIo;

    if (inPlace) {
        if (!fileio::OverwriteInPlace(m_handle, bytes))
            return kErrIo;
    } else {
        void* handle = fileio::WriteNewFile(target, bytes);
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
