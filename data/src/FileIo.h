#pragma once
// Win32 file access for the project file: opening with the project's sharing rules, reading,
// and the two ways of writing one without destroying the only copy. Handles are
// HANDLEs kept as void*; null stands for none.

#include "TextStream.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fileio {

// Opens an existing file. Read-only: read access, others may read and write. Otherwise read
// and write access, others may only read; when that fails, the read-only open is tried and
// `openedReadOnly` set. Null when neither works, and for a device or a pipe (nothing is read).
void* OpenProject(const std::wstring& path, bool readOnly, bool& openedReadOnly);
void Close(void*& handle);

bool Rewind(void* handle);
bool Size(void* handle, uint64_t& size);
// Reads `size` bytes from the current position; false on an error or a short file.
bool ReadAll(void* handle, uint64_t size, std::vector<unsigned char>& out);

// Reads the next `size` bytes of a file handle, at the most; a file that ends early fails.
class CFileSource : public CByteSource {
public:
    CFileSource(void* handle, uint64_t size) : m_handle(handle), m_left(size) {}
    bool Read(unsigned char* buffer, size_t capacity, size_t& got) override;

private:
    void* m_handle;
    uint64_t m_left;
};

// Writes into a file handle through a buffer. Not owning the handle.
class CFileSink : public CByteSink {
public:
    explicit CFileSink(void* handle);
    bool Write(const unsigned char* bytes, size_t length) override;
    bool Patch(uint64_t offset, const unsigned char* bytes, size_t length) override;
    // Writes what is buffered; false once any write failed.
    bool Flush();

private:
    void* m_handle;
    std::vector<unsigned char> m_buffer;
    bool m_ok = true;
};

// A saved file is written whole into a spool file first, so that a failure while the document
// is being made touches no file: beside `path` when the folder takes a new file, else in the
// temp folder. Null when neither can be made.
struct Spool {
    void* handle = nullptr;
    std::wstring path;
    bool beside = false; // in the target's folder: it can replace the target by a rename
};
bool CreateSpool(const std::wstring& path, Spool& spool);
// Closes and deletes the spool file.
void DiscardSpool(Spool& spool);
// Overwrites the open file `target` from its start with the spool's content and cuts it after
// it; the file is first extended to the new size, so a full disk is found before any old byte
// is overwritten. The spool is discarded.
bool CopySpoolInto(void* target, Spool& spool);
// Makes the spool's content the file `path`: a spool beside it replaces it; where the target
// cannot be replaced (or the spool is elsewhere) the content is written into it, extended
// first. Returns the target opened as an open project file is (read and write, others may only
// read), or null when nothing could be written; the spool is discarded either way.
void* PlaceSpool(const std::wstring& path, Spool& spool);

// Both paths name the same file (full paths compared ignoring case).
bool SamePath(const std::wstring& a, const std::wstring& b);

} // namespace fileio
