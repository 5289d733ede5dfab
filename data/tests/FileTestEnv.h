#pragma once
// Helpers of the project-file tests: a temporary folder of real files per test, byte-level file
// access, the fixtures beside the test program, and a text dump of the whole model that tells
// two loaded projects apart field by field.

#include "DataTestEnv.h"

#include <string>
#include <vector>

namespace qv2dtest {

using Bytes = std::vector<unsigned char>;

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
};

Bytes ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const Bytes& bytes);
bool FileExists(const std::wstring& path);
// A fixture of data/ beside the test program.
std::wstring FixturePath(const std::wstring& name);
Bytes Fixture(const std::wstring& name);
// UTF-16 LE with byte-order mark, and back (the bytes after FF FE).
Bytes Utf16File(const std::wstring& text);
std::wstring Utf16Text(const Bytes& bytes);

// Every resource (display order) with its tasks (set order), each field written out.
std::wstring DumpModel(wqv2_data::CData* root);

// A data test with a temporary folder.
class FileTest : public DataTest {
protected:
    std::wstring Path(const std::wstring& name) const { return dir.File(name); }
    // Copies fixture `name` into the folder and returns the copy's path.
    std::wstring CopyFixture(const std::wstring& name);

    TempDir dir;
};

} // namespace qv2dtest
