#pragma once
// Win32 file access for the project file: opening with the project's sharing rules, reading a
// whole file, and the two ways of writing one without destroying the only copy. Handles are
// HANDLEs kept as void*; null stands for none.

#include <cstdint>
#include <string>
#include <vector>

namespace fileio {

// Opens an existing file. Read-only: read access, others may read and write. Otherwise read
// and write access, others may only read; when that fails, the read-only open is tried and
// `openedReadOnly` set. Null when neither works.
void* OpenProject(const std::wstring& path, bool readOnly, bool& openedReadOnly);
void Close(void*& handle);

bool Rewind(void* handle);
bool Size(void* handle, uint64_t& size);
// Reads `size` bytes from the current position; false on an error or a short file.
bool ReadAll(void* handle, uint64_t size, std::vector<unsigned char>& out);

// Overwrites the open file from its start with `bytes` and cuts it after them. The file is
// first extended to the new size, so a full disk is found before any old byte is overwritten.
bool OverwriteInPlace(void* handle, const std::vector<unsigned char>& bytes);
// Writes `bytes` as the file `path`: into a new file in the same folder that then replaces
// the target, or, where the target cannot be replaced, into the target extended first. Returns
// the target opened as an open project file is (read and write, others may only read), or
// null when nothing could be written.
void* WriteNewFile(const std::wstring& path, const std::vector<unsigned char>& bytes);

// Both paths name the same file (full paths compared ignoring case).
bool SamePath(const std::wstring& a, const std::wstring& b);

} // namespace fileio
