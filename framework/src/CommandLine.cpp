// Splitting and dispatching of command-line arguments.
#include "fw/CommandLine.h"

#include <windows.h>
#include <shellapi.h>

namespace fw {

void CCommandLineInfo::ParseParam(const std::wstring& param, bool isFlag, bool)
{
    if (!isFlag && fileName.empty())
        fileName = param;
}

std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine)
{
    std::vector<std::wstring> args;
    // An empty text would make the system split the running program's path instead.
    if (commandLine.find_first_not_of(L" \t") == std::wstring::npos)
        return args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(commandLine.c_str(), &count);
    if (!argv)
        return args;
    for (int i = 1; i < count; ++i)
        args.emplace_back(argv[i]);
    LocalFree(argv);
    return args;
}

std::wstring ArgumentText(const std::wstring& commandLine)
{
    // The program name follows the same rules as the system's splitting of the first argument:
    // quoted up to the next quote, else up to the first blank.
    size_t i = 0;
    if (i < commandLine.size() && commandLine[i] == L'"') {
        i = commandLine.find(L'"', 1);
        i = (i == std::wstring::npos) ? commandLine.size() : i + 1;
    } else {
        while (i < commandLine.size() && commandLine[i] != L' ' && commandLine[i] != L'\t')
            ++i;
    }
    while (i < commandLine.size() && (commandLine[i] == L' ' || commandLine[i] == L'\t'))
        ++i;
    return commandLine.substr(i);
}

void ParseArguments(const std::vector<std::wstring>& args, CCommandLineInfo& info)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring& arg = args[i];
        const bool isFlag = !arg.empty() && (arg[0] == L'/' || arg[0] == L'-');
        info.ParseParam(isFlag ? arg.substr(1) : arg, isFlag, i + 1 == args.size());
    }
}

} // namespace fw
