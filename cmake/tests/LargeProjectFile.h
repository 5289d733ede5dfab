#pragma once
// A project file of many tasks for the tests of what happens when memory runs out: ten
// resources sharing the tasks, each task with a name and a note, as an 8-bit XML document.

#include <string>

namespace qvtest {

bool WriteLargeProjectFile(const std::wstring& path, int tasks);

} // namespace qvtest
