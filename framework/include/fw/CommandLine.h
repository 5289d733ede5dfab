#pragma once
// Command-line parsing: the arguments are split by the platform's rules for blanks and double
// quotes, and each one is handed to a command-line object, with "/" or "-" marking a flag.

#include <string>
#include <vector>

namespace fw {

class CCommandLineInfo {
public:
    virtual ~CCommandLineInfo() = default;

    // One argument; a flag arrives without its "/" or "-". The base keeps the first plain
    // argument as the file to open and ignores flags.
    virtual void ParseParam(const std::wstring& param, bool isFlag, bool isLast);

    std::wstring fileName; // the file named on the command line; empty when none
};

// The arguments of a whole command line as GetCommandLineW gives it (the program name dropped).
std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine);
// The text after the program name (what WinMain receives as its command line).
std::wstring ArgumentText(const std::wstring& commandLine);

void ParseArguments(const std::vector<std::wstring>& args, CCommandLineInfo& info);

} // namespace fw
