#pragma once
// CFileHelper: the state of the data root's one open project file (its handle, path, form and
// the version texts read from it) and the root's Open, Save and Reload. The open file stays
// open, locked against other writers when opened for writing, until the project is closed or
// another file is opened. Every load runs in one unnamed transaction, so a file that fails to
// load leaves the project, the open file and the undo history as they were.

#include "ProjectDocument.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CDataInt;

class CFileHelper {
public:
    // Longest path accepted; a longer one is refused rather than cut to name another file.
    static constexpr size_t kMaxPathChars = 259;

    explicit CFileHelper(CDataInt* root) : m_root(root) {}
    ~CFileHelper();
    CFileHelper(const CFileHelper&) = delete;
    CFileHelper& operator=(const CFileHelper&) = delete;

    int Open(const wchar_t* path, bool readOnly);
    int Save(const wchar_t* path, bool zipped);
    int Reload(unsigned int flags);
    // Closes the handle, empties the path, clears the read-only flag and forgets the version
    // texts.
    void Close();

    // The flags of the Reload in progress (0 outside one); the settings reader consults them.
    static unsigned int ReloadFlags();

    bool IsOpen() const { return m_handle != nullptr; }
    bool IsReadOnly() const { return IsOpen() && m_readOnly; }
    bool IsLegacy() const { return IsOpen() && m_legacy; }
    bool IsZipped() const { return IsOpen() && m_zipped; }
    bool FullVersionOk() const { return m_versions.fullVersionOk; }
    double RequiredFullVersion() const { return m_versions.requiredFullVersion; }
    const std::wstring& Path() const { return m_path; }
    // AppVersion, DllVersion, DllRequiredVersion, DllRequiredVersionFull as read (index 0-3).
    const std::wstring& VersionText(int index) const { return m_versions.texts[index]; }

private:
    // What one read of a file gives, before it is stored.
    struct Loaded {
        bool zipped = false;
        bool legacy = false;
        FileVersionInfo versions;
        bool commitFailed = false; // the old project was dropped before the failure
    };

    // Reads the file behind `handle` from its start and loads it into the project.
    int ReadAndLoad(void* handle, Loaded& loaded);
    // Reads the document (packed when `zipped`) in parts straight into the load.
    int StreamDocument(void* handle, uint64_t size, bool zipped, FileVersionInfo& versions);
    // Runs `read` in the load transaction; commits what it read, or rolls it back.
    int Load(Loaded& loaded, const std::function<int()>& read);
    // Open of the file already open, and Reload: the same handle read again.
    int Reread();
    // U+FEFF and the document as UTF-16 LE bytes, packed when `zipped`, written into `handle`
    // as they are made; false when anything fails.
    bool WriteContent(void* handle, bool zipped);

    CDataInt* m_root;         // not owned; the root owns this helper
    void* m_handle = nullptr; // the open file (a HANDLE), null when none is open
    std::wstring m_path;      // at most kMaxPathChars characters
    bool m_readOnly = false;
    bool m_legacy = false;
    bool m_zipped = false;
    FileVersionInfo m_versions;
};
