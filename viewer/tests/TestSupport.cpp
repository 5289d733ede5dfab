// Helpers of the viewer's tests.
#include "TestSupport.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>

extern "C" __declspec(dllexport) void __cdecl QvTestLog(const wchar_t* line)
{
    qvtest::LogLines().push_back(line ? line : L"");
}

namespace qvtest {

namespace {

std::wstring ParentFolder(std::wstring folder)
{
    if (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    const size_t slash = folder.find_last_of(L"\\/");
    return slash == std::wstring::npos ? folder : folder.substr(0, slash + 1);
}

void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring child = path + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

void MakeFolders(const std::wstring& path)
{
    for (size_t at = path.find(L'\\', 3); at != std::wstring::npos; at = path.find(L'\\', at + 1))
        CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryW(path.c_str(), nullptr);
}

} // namespace

std::vector<std::wstring>& LogLines()
{
    static std::vector<std::wstring> lines;
    return lines;
}

void ClearLog()
{
    LogLines().clear();
}

std::vector<std::wstring> LogLinesOf(const std::wstring& prefix)
{
    std::vector<std::wstring> found;
    for (const std::wstring& line : LogLines()) {
        if (line.compare(0, prefix.size(), prefix) == 0)
            found.push_back(line);
    }
    return found;
}

int LogIndex(const std::wstring& line)
{
    const auto& lines = LogLines();
    const auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

CMessageRecorder::CMessageRecorder() : m_previous(fw::SetMessageSink(this))
{
}

CMessageRecorder::~CMessageRecorder()
{
    fw::SetMessageSink(m_previous);
}

int CMessageRecorder::Show(HWND, const std::wstring& text, const std::wstring&, UINT flags)
{
    messages.push_back({text, flags});
    return answer;
}

CTempFolder::CTempFolder()
{
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    static unsigned counter = 0;
    for (;;) {
        m_path = std::wstring(temp) + L"qvtest-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(++counter);
        if (CreateDirectoryW(m_path.c_str(), nullptr))
            break;
    }
}

CTempFolder::~CTempFolder()
{
    RemoveTree(m_path);
}

void CTempFolder::MakeFolder(const std::wstring& name) const
{
    MakeFolders(File(name));
}

void CTempFolder::Write(const std::wstring& name, const std::string& text) const
{
    const std::wstring path = File(name);
    MakeFolders(path.substr(0, path.find_last_of(L'\\')));
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

bool CTempFolder::Copy(const std::wstring& from, const std::wstring& name) const
{
    const std::wstring path = File(name);
    MakeFolders(path.substr(0, path.find_last_of(L'\\')));
    return CopyFileW(from.c_str(), path.c_str(), FALSE) != 0;
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool PutTextOnClipboard(HWND owner, const wchar_t* text)
{
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (block) {
        std::memcpy(GlobalLock(block), text, bytes);
        GlobalUnlock(block);
        SetClipboardData(CF_UNICODETEXT, block);
    }
    CloseClipboard();
    return true;
}

std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return L"(not opened)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

bool DialogKey(HWND dialog, UINT key)
{
    MSG msg{GetFocus(), WM_KEYDOWN, key, 1, 0, {}};
    return IsDialogMessageW(dialog, &msg) != FALSE;
}

bool DialogAccessKey(HWND dialog, wchar_t letter)
{
    MSG msg{GetFocus(), WM_SYSCHAR, letter, static_cast<LPARAM>(KF_ALTDOWN) << 16 | 1, 0, {}};
    return IsDialogMessageW(dialog, &msg) != FALSE;
}

std::vector<HWND> TabCycle(HWND dialog, HWND first)
{
    SetFocus(first);
    std::vector<HWND> reached;
    while (reached.size() < 40 && (reached.empty() || reached.back() != first)) {
        DialogKey(dialog, VK_TAB);
        reached.push_back(GetFocus());
    }
    return reached;
}

std::wstring TestProgramFolder()
{
    wchar_t path[4096] = {};
    GetModuleFileNameW(nullptr, path, 4096);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

std::wstring BinFolder()
{
    return ParentFolder(TestProgramFolder()) + L"bin\\";
}

std::wstring StubFolder()
{
    return TestProgramFolder() + L"stubs\\";
}

std::string ReadFileBytes(const std::wstring& path)
{
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

std::wstring ReadIniText(const std::wstring& path)
{
    const std::string bytes = ReadFileBytes(path);
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        std::wstring text((bytes.size() - 2) / 2, L'\0');
        for (size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                           static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
        return text;
    }
    std::wstring text(bytes.size(), L'\0');
    const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                                      static_cast<int>(text.size()));
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return text;
}

} // namespace qvtest
