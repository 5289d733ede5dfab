// Windows side of the project-file peer check (file_peers_test.sh): writes project files through
// QV2D.dll for the Linux tools to inspect, and opens files those tools made.
//   data_file_peer write <folder>   bare.wqv and zipped.wqv of one sample project
//   data_file_peer same <a> <b>     both open and hold the same project (exit 0)
#include "FileTestEnv.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

using namespace qv2dtest;
using namespace wqv2_data;

std::wstring Wide(const char* text)
{
    const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(n > 0 ? static_cast<size_t>(n) : 0, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
    if (!wide.empty())
        wide.pop_back();
    return wide;
}

bool Edit(CData* root, bool (*change)(CData*))
{
    return root->BeginTransaction(L"") == 0 && change(root) && root->Commit() == 0;
}

bool BuildSample(CData* root)
{
    return Edit(root, [](CData* data) {
        for (const wchar_t* name : {L"Z\u00fcrich & <Bern>", L"Room \u03a9"}) {
            CResource* r = data->Resources->CreateNew();
            r->SetName(name);
            r->SetNote(L"line one\r\nline two");
            r->SetUserFieldValue(L"Cost centre", L"CC \"7\"");
            if (data->Resources->Add(r) != 0)
                return false;
        }
        return true;
    }) && Edit(root, [](CData* data) {
        for (int i = 0; i < 2; ++i) {
            CResource* r = data->Resources->GetAt(i);
            for (unsigned day = 1; day <= 28; ++day) {
                CTask* t = r->Tasks->CreateNew();
                t->SetName(L"task 'quoted' \u2013 a > b");
                t->DateStart = TDate::FromYMD(2, 2024, day);
                t->DateEnd = TDate::FromYMD(2, 2024, day);
                t->TimeStart = 8 * 60;
                t->TimeEnd = 9 * 60 + static_cast<int>(day);
                if (r->Tasks->Add(t) != 0)
                    return false;
            }
        }
        return true;
    });
}

int Fail(const char* what, int status)
{
    std::printf("data_file_peer: %s (status %d)\n", what, status);
    return status == 0 ? 1 : status;
}

} // namespace

int main(int argc, char** argv)
{
    const Library& lib = Qv2d();
    if (!lib.getData || !lib.freeData)
        return Fail("QV2D.dll not found", 1);
    RecordingStore store;
    CData* root = lib.getData(&store);
    int result = 0;
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "write" && argc == 3) {
        const std::wstring folder = Wide(argv[2]);
        int status = 0;
        if (!BuildSample(root))
            result = Fail("building the sample failed", 1);
        else if ((status = root->Save((folder + L"\\bare.wqv").c_str(), false)) != 0)
            result = Fail("bare save failed", status);
        else if ((status = root->Save((folder + L"\\zipped.wqv").c_str(), true)) != 0)
            result = Fail("zipped save failed", status);
    } else if (mode == "same" && argc == 4) {
        int status = root->Open(Wide(argv[2]).c_str(), true);
        const std::wstring first = DumpModel(root);
        if (status != kErrReadOnly) {
            result = Fail(argv[2], status);
        } else if ((status = root->Open(Wide(argv[3]).c_str(), true)) != kErrReadOnly) {
            result = Fail(argv[3], status);
        } else if (DumpModel(root) != first || root->Resources->GetCount(nullptr) == 0) {
            result = Fail("the two files hold different projects", 1);
        }
    } else {
        result = Fail("usage: write <folder> | same <a> <b>", 1);
    }
    store.Clear();
    lib.freeData();
    return result;
}
