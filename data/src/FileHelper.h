#pragma once
// CFileHelper: the state of the data root's one open project file (its handle, path, form and
// the version texts read from it) and the file operations of the root.

#include <string>

class CDataInt;

class CFileHelper {
public:
    explicit CFileHelper(CDataInt* root) : m_root(root) {}
    ~CFileHelper();
    CFileHelper(const CFileHelper&) = delete;
    CFileHelper& operator=(const CFileHelper&) = delete;

    int Open(const wchar_t* path, bool readOnly);
    int Save(const wchar_t* path, bool zipped);
    int Reload(unsigned int flags);
    // Closes the handle, empties the path and clears the read-only flag.
    void Close();

    bool IsOpen() const { return m_handle != nullptr; }
    bool IsReadOnly() const { return IsOpen() && m_readOnly; }
    bool IsLegacy() const { return IsOpen() && m_legacy; }
    bool IsZipped() const { return IsOpen() && m_zipped; }
    bool FullVersionOk() const { return m_fullVersionOk; }
    double RequiredFullVersion() const { return m_requiredFullVersion; }
    const std::wstring& Path() const { return m_path; }
    // AppVersion, DllVersion, DllRequiredVersion, DllRequiredVersionFull as read (index 0-3).
    const std::wstring& VersionText(int index) const { return m_versions[index]; }

private:
    CDataInt* m_root;             // not owned; the root owns this helper
    void* m_handle = nullptr;     // the open file (a HANDLE), null when none is open
    std::wstring m_path;          // at most 259 characters
    bool m_readOnly = false;
    bool m_legacy = false;
    bool m_zipped = false;
    bool m_fullVersionOk = true;
    double m_requiredFullVersion = 0.0;
    std::wstring m_versions[4];
};
