#include "LargeProjectFile.h"

#include <cstdio>

namespace qvtest {

bool WriteLargeProjectFile(const std::wstring& path, int tasks)
{
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return false;
    std::fputs("<?xml version=\"1.0\"?>\r\n<Win-Quorvia>\r\n<FileInfo><Application>Win-Quorvia2-Viewer</Application>"
               "<DllRequiredVersion>2.0</DllRequiredVersion></FileInfo>\r\n<Data>\r\n<Resources>\r\n",
               file);
    constexpr int kResources = 10;
    int id = 1;
    for (int r = 0; r < kResources; ++r) {
        std::fprintf(file, "<Resource><ID>%d</ID><Position>%d</Position><Name>Resource %d</Name><Tasks>\r\n", r + 1,
                     r + 1, r + 1);
        for (int t = 0; t < tasks / kResources; ++t, ++id) {
            const int day = 1 + t % 28;
            std::fprintf(file,
                         "<Task><ID>%d</ID><Name>Task number %d of a large project</Name><Note>Its note, a line "
                         "of text</Note><DateStart>202603%02d</DateStart><TimeStart>08:00</TimeStart>"
                         "<DateEnd>202603%02d</DateEnd><TimeEnd>12:00</TimeEnd></Task>\r\n",
                         id, id, day, day);
        }
        std::fputs("</Tasks></Resource>\r\n", file);
    }
    std::fputs("</Resources>\r\n</Data>\r\n</Win-Quorvia>\r\n", file);
    return std::fclose(file) == 0;
}

} // namespace qvtest
