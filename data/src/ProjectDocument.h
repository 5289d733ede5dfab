#pragma once
// The project document: the frame around the data (prolog, root "Win-Quorvia", "FileInfo" with
// the version texts, "Data" with its sections in a fixed order, plug-in elements before the
// root's end tag) and the version rules. Each item kind writes and reads its own element; the
// frame only walks the sections.

#include <string>
#include <string_view>

class CDataInt;
class CTextWriter;

// What a project file says about the versions that wrote it and that it needs. Read into a
// temporary and kept only when the whole load succeeds.
struct FileVersionInfo {
    enum Text { kAppVersion, kDllVersion, kDllRequiredVersion, kDllRequiredVersionFull, kTextCount };
    std::wstring texts[kTextCount];     // empty when absent
    double requiredFullVersion = 0.0;   // 0 when absent
    bool fullVersionOk = true;          // this library is not older than the file requires
};

namespace projectdoc {

// A version text as a number: white space removed, cut before its second non-digit character,
// commas read as points ("2.0.1.1" is 2.0, "3,5" is 3.5, "10" is 10).
double VersionNumber(std::wstring_view text);
// This library's number, from the ProductVersion of its own version block.
double OwnVersionNumber();

// The whole document (without the byte-order mark), plug-in writers' texts included, written
// to `out` as it is made.
void WriteDocument(CDataInt& root, CTextWriter& out);
// The same as one string.
std::wstring WriteDocument(CDataInt& root);
// Reads `text` into the root's open load transaction: 8 for a missing "FileInfo" or "Data" (or
// nesting beyond the parser's limit), 12 when the file requires a newer library, else the
// first failure of the settings, a collection or a plug-in reader.
int ReadDocument(CDataInt& root, const std::wstring& text, FileVersionInfo& versions);

} // namespace projectdoc
