// Helpers of the project-file tests.
#include "FileTestEnv.h"

#include <windows.h>

#include <cwchar>
#include <sstream>

namespace qv2dtest {
namespace {

void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring child = path + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileW(child.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

std::wstring ProgramFolder()
{
    std::wstring file(1024, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, file.data(), static_cast<DWORD>(file.size()));
    file.resize(n);
    return file.substr(0, file.find_last_of(L"\\/"));
}

std::wstring Color(unsigned long c)
{
    wchar_t buffer[16];
    std::swprintf(buffer, 16, L"%06lX", c);
    return buffer;
}

} // namespace

TempDir::TempDir()
{
    std::wstring base(1024, L'\0');
    base.resize(GetTempPathW(static_cast<DWORD>(base.size()), base.data()));
    static unsigned int counter = 0;
    for (;;) {
        wchar_t name[64];
        std::swprintf(name, 64, L"qv2d-files-%lu-%u", GetCurrentProcessId(), ++counter);
        m_path = base + name;
        if (CreateDirectoryW(m_path.c_str(), nullptr))
            break;
    }
}

TempDir::~TempDir() { RemoveTree(m_path); }

Bytes ReadFileBytes(const std::wstring& path)
{
    Bytes bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size()))
        bytes.clear();
    CloseHandle(file);
    return bytes;
}

bool WriteFileBytes(const std::wstring& path, const Bytes& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                                      written == bytes.size());
    CloseHandle(file);
    return ok;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring FixturePath(const std::wstring& name) { return ProgramFolder() + L"\\data_files\\" + name; }

Bytes Fixture(const std::wstring& name) { return ReadFileBytes(FixturePath(name)); }

Bytes Utf16File(const std::wstring& text)
{
    Bytes bytes{0xFF, 0xFE};
    for (wchar_t c : text) {
        bytes.push_back(static_cast<unsigned char>(c & 0xFF));
        bytes.push_back(static_cast<unsigned char>((c >> 8) & 0xFF));
    }
    return bytes;
}

std::wstring Utf16Text(const Bytes& bytes)
{
    std::wstring text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        text += static_cast<wchar_t>(bytes[i] | (bytes[i + 1] << 8));
    return text;
}

std::wstring DumpModel(wqv2_data::CData* root)
{
    std::wostringstream out;
    for (int r = 0; r < root->Resources->GetCount(nullptr); ++r) {
        wqv2_data::CResource* res = root->Resources->GetAt(r);
        out << L"R" << res->ID << L" cal=" << (res->Calendar ? res->Calendar->ID : -1) << L" pos=" << res->Position
            << L" name=[" << res->Name << L"] note=[" << res->Note << L"] " << Color(res->ColorFg) << L' '
            << Color(res->ColorLabelBk) << L' ' << Color(res->ColorScheduleBk) << L" bold=" << res->FontBold
            << L" costs=" << res->CostsVariable << L'/' << res->CostsFixed << L'/' << res->CostsTimeUnit;
        for (int f = 0; f < res->GetUserFieldCount(); ++f)
            out << L" {" << res->GetUserFieldName(f) << L'=' << res->GetUserFieldValue(res->GetUserFieldName(f)) << L'}';
        out << L" series=" << res->Recurrences->GetCount() << L'\n';
        for (int t = 0; t < res->Tasks->GetCount(); ++t) {
            wqv2_data::CTask* task = res->Tasks->GetAt(t);
            out << L"  T" << task->ID << L" [" << task->Name << L"] [" << task->Note << L"] "
                << static_cast<uint32_t>(task->DateStart) << L' ' << task->TimeStart << L' '
                << static_cast<uint32_t>(task->DateEnd) << L' ' << task->TimeEnd << L' ' << Color(task->ColorFg) << L' '
                << Color(task->ColorBk) << L" bold=" << task->FontBold << L" calc=" << task->CostsCalculate
                << L" costs=" << task->CostsVariable << L'/' << task->CostsFixed << L'/' << task->CostsTimeUnit
                << L" rec=" << (task->Recurrence ? task->Recurrence->ID : 0);
            for (int f = 0; f < task->GetUserFieldCount(); ++f)
                out << L" {" << task->GetUserFieldName(f) << L'=' << task->GetUserFieldValue(task->GetUserFieldName(f)) << L'}';
            out << L'\n';
        }
    }
    return out.str();
}

std::wstring FileTest::CopyFixture(const std::wstring& name)
{
    const std::wstring copy = Path(name);
    WriteFileBytes(copy, Fixture(name));
    return copy;
}

} // namespace qv2dtest
