// A named pipe of the host system (a FIFO) at a Windows path, for tests of what a program does
// with a path that names no file: under Wine, it opens like a file but reads like a pipe.
#pragma once

#include <string>

namespace qvtest {

// Makes the pipe with the host's mkfifo at a path that names nothing yet; false where the program does not run under Wine or the
// pipe could not be made.
bool MakeHostFifo(const std::wstring& path);

} // namespace qvtest
