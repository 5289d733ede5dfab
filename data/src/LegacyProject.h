#pragma once
// The older sectioned text format (read only): bracketed section headers at the start of a
// line, each followed by rows of ";"-separated fields up to an empty line or the next header.
// Recognition and import of a whole project; the rows of each kind are read by that kind.

#include <string>
#include <string_view>
#include <vector>

class CDataInt;

namespace legacy {

// The rows of every occurrence of the header with string id `headerId`, in file order, after
// `rows` is emptied; returns their number (0 when the header string is missing or the section
// absent). A header counts only at the start of a line; the rest of its line is ignored.
int ReadSectionLines(std::wstring_view text, unsigned int headerId, std::vector<std::wstring>& rows);

// 0 when `head` (the decoded start of a file) holds the file-info row "App;Win-Quorvia", else 8.
int IsLegacyProject(std::wstring_view head);

// Reads the whole project into the root's open load transaction: settings, holidays,
// resources, tasks, filters, stopping at the first nonzero status.
int ImportLegacyProject(CDataInt& root, const std::wstring& text);

} // namespace legacy
