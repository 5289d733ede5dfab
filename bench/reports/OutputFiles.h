#pragma once
// What a report run left in its folder: the files read back, their shape (rows and columns of
// the delimited text or of the HTML tables), and the floor: the same bytes written again through
// a plain buffered writer.

#include <string>
#include <vector>

namespace bench {

struct OutputFile {
    std::wstring name;
    std::string bytes;
};

// Every file of `folder` (not its subfolders); empties the folder when `remove` is set.
std::vector<OutputFile> ReadFolder(const std::wstring& folder, bool remove);
// Deletes every file of `folder` (not its subfolders).
void EmptyFolder(const std::wstring& folder);

// Writes every file into `folder` with CreateFileW and one WriteFile per 64 KB, then deletes
// them; the milliseconds taken by the writing, or a negative number when a write failed.
double FloorWrite(const std::wstring& folder, const std::vector<OutputFile>& files);

// Writes every file into `folder` (made when missing), to compare outputs between builds.
bool KeepFiles(const std::wstring& folder, const std::vector<OutputFile>& files);

struct Shape {
    long long rows = 0;
    int columns = 0; // the widest row
};

// Lines and tab-separated fields of a delimited-text export (UTF-16 with its mark, or 8-bit).
Shape DelimitedShape(const std::string& bytes);
// Table rows and cells of an HTML page.
Shape HtmlShape(const std::string& bytes);

} // namespace bench
