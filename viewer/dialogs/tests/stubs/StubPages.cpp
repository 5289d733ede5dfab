// Stand-in plug-in whose pages answer the page messages as report and option pages do. What it
// registers comes from settings read through the host:
//   "StubPages.Options<k>" (k = 0, 1, 2): option pages "Name|Title;..."
//   "StubPages.Reports": reports "Name|Caption|Caption2|outputs;..." (outputs: P, E and H for
//   print, export and HTML callbacks)
//   "StubPages.ViewPages": view-settings pages "Name|Category|Item;..."
// and each page's behaviour from "StubPage.<Name>.<What>": Fail (its creation fails), NullPage
// (created without a window), Refuse (refuses to validate), Activate (asks to be shown while
// validating), Unchanged (reports no change when applying), Proposal (its file name).
// Every page message is logged ("stub_pages:<Name> <event>").
#include "QV2PluginInterface.h"
#include "StubLog.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

std::wstring Setting(const std::wstring& key)
{
    auto get = stub::Host<QV2A_GetSettingFn>("QV2A_GetSetting");
    if (!get)
        return {};
    wchar_t buffer[1024] = {};
    return get(key.c_str(), buffer, 1024) ? std::wstring(buffer) : std::wstring();
}

bool Flag(const std::wstring& page, const wchar_t* what)
{
    return Setting(L"StubPage." + page + L"." + what) == L"1";
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator)
{
    std::vector<std::wstring> parts;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(separator, start);
        if (end == std::wstring::npos)
            end = text.size();
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The `index`-th entry of a list setting, split into its fields (at least `fields` of them).
std::vector<std::wstring> Entry(const std::wstring& key, int index, size_t fields)
{
    const std::wstring text = Setting(key);
    std::vector<std::wstring> entries = text.empty() ? std::vector<std::wstring>{} : Split(text, L';');
    std::vector<std::wstring> parts =
        index < static_cast<int>(entries.size()) ? Split(entries[static_cast<size_t>(index)], L'|') : std::vector<std::wstring>{};
    parts.resize(std::max(parts.size(), fields));
    return parts;
}

void Copy(wchar_t* field, size_t capacity, const std::wstring& text)
{
    const size_t n = std::min(text.size(), capacity - 1);
    std::memcpy(field, text.data(), n * sizeof(wchar_t));
    field[n] = L'\0';
}

// The output kind the host shows, asked as a report page asks it; -9 when the host does not
// answer.
int AskOutput(HWND page)
{
    int kind = -9;
    if (!SendMessageW(GetParent(page), WM_PAGE_GET_FILENAME, 0, reinterpret_cast<LPARAM>(&kind)))
        return -9;
    return kind;
}

struct PageState {
    std::wstring name;
};

INT_PTR CALLBACK PageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(page, DWLP_USER, lp);
        return TRUE;
    }
    auto* state = reinterpret_cast<PageState*>(GetWindowLongPtrW(page, DWLP_USER));
    if (!state)
        return FALSE;
    const std::wstring name = state->name;
    switch (msg) {
    case WM_PAGE_LOAD:
        stub::Log(name + L" load " + std::to_wstring(AskOutput(page)));
        break;
    case WM_PAGE_VALIDATE:
        stub::Log(name + L" validate");
        if (Flag(name, L"Activate"))
            stub::Log(name + L" activated " +
                      std::to_wstring(SendMessageW(GetParent(page), WM_PAGE_ACTIVATE, 0, reinterpret_cast<LPARAM>(page))));
        if (Flag(name, L"Refuse") && wp)
            *reinterpret_cast<bool*>(wp) = false;
        break;
    case WM_PAGE_APPLY:
        stub::Log(name + L" apply");
        if (Flag(name, L"Unchanged") && wp)
            *reinterpret_cast<bool*>(wp) = false;
        break;
    case WM_PAGE_SHOWN:
        stub::Log(name + L" shown " + std::to_wstring(wp));
        break;
    case WM_PAGE_OUTPUT_CHANGED:
        stub::Log(name + L" output " + std::to_wstring(AskOutput(page)));
        break;
    case WM_PAGE_GET_FILENAME: {
        stub::Log(name + L" filename " + std::to_wstring(wp));
        // As a careless page does: the proposal cut to the capacity, ended only when it fits.
        const std::wstring proposal = Setting(L"StubPage." + name + L".Proposal");
        auto* buffer = reinterpret_cast<wchar_t*>(lp);
        if (buffer && wp) {
            const size_t n = std::min(proposal.size(), static_cast<size_t>(wp));
            std::memcpy(buffer, proposal.data(), n * sizeof(wchar_t));
            if (n < wp)
                buffer[n] = L'\0';
        }
        break;
    }
    case WM_NCDESTROY:
        stub::Log(name + L" destroyed");
        SetWindowLongPtrW(page, DWLP_USER, 0);
        delete state;
        return FALSE;
    default:
        return FALSE;
    }
    SetWindowLongPtrW(page, DWLP_MSGRESULT, 1);
    return TRUE;
}

// A child dialog without controls, 120 by 60 dialog units.
HWND MakePage(HWND parent, const std::wstring& name)
{
    struct {
        DLGTEMPLATE head;
        WORD menu, windowClass, title;
    } page{};
    page.head.style = DS_CONTROL | WS_CHILD;
    page.head.cx = 120;
    page.head.cy = 60;
    auto* state = new PageState{name};
    HWND window = CreateDialogIndirectParamW(stub::SelfModule(), &page.head, parent, &PageProc,
                                             reinterpret_cast<LPARAM>(state));
    if (!window)
        delete state;
    return window;
}

// 0 when the page's creation is to fail; else its window (null for NullPage).
int CreateNamedPage(const std::wstring& name, HWND parent, int width, int height, HWND& window)
{
    window = nullptr;
    if (name.empty() || Flag(name, L"Fail"))
        return 0;
    stub::Log(name + L" created " + std::to_wstring(width) + L" " + std::to_wstring(height));
    if (!Flag(name, L"NullPage"))
        window = MakePage(parent, name);
    return 1;
}

template <int Kind, int Index>
int __cdecl CreateOptionPage(HWND parent, int width, int height, PageRecord* out)
{
    const std::vector<std::wstring> entry = Entry(L"StubPages.Options" + std::to_wstring(Kind), Index, 2);
    HWND window = nullptr;
    const int result = CreateNamedPage(entry[0], parent, width, height, window);
    if (out) {
        out->Page = window;
        Copy(out->Title, 256, entry[1]);
    }
    return result;
}

template <int Index>
int __cdecl CreateReportPage(HWND parent, int width, int height, ReportPageRecord* out)
{
    const std::vector<std::wstring> entry = Entry(L"StubPages.Reports", Index, 4);
    HWND window = nullptr;
    const int result = CreateNamedPage(entry[0], parent, width, height, window);
    if (out) {
        out->Page = window;
        Copy(out->Caption, 256, entry[1]);
        Copy(out->Caption2, 256, entry[2]);
    }
    return result;
}

int __cdecl Print(CRKPrintEngine2*, HDC, HDC)
{
    return 0;
}

int __cdecl WriteOutput(const wchar_t*)
{
    return 0;
}

constexpr int kMaxPages = 6;

template <int Kind, int... I>
constexpr std::array<OptionCreatePageFn, kMaxPages> OptionCreators(std::integer_sequence<int, I...>)
{
    return {&CreateOptionPage<Kind, I>...};
}

template <int... I>
constexpr std::array<ReportCreatePageFn, kMaxPages> ReportCreators(std::integer_sequence<int, I...>)
{
    return {&CreateReportPage<I>...};
}

void RegisterOptionPages(int kind, const std::array<OptionCreatePageFn, kMaxPages>& creators)
{
    static const wchar_t* const kKinds[3] = {L"RegisterOptionsFileDlg", L"RegisterOptionsAdministrationDlg",
                                             L"RegisterOptionsReportDlg"};
    auto reg = stub::Host<QV2A_RegisterFn>("QV2A_Register");
    for (int i = 0; i < kMaxPages && reg; ++i) {
        const std::vector<std::wstring> entry = Entry(L"StubPages.Options" + std::to_wstring(kind), i, 2);
        if (entry[0].empty())
            break;
        OptionPageRegistration record{};
        Copy(record.Name, 256, entry[0]);
        record.CreatePage = creators[static_cast<size_t>(i)];
        reg(kKinds[kind], &record);
    }
}

} // namespace

QV_STUB_DLLMAIN

#define STUB_EXPORT extern "C" __declspec(dllexport)

STUB_EXPORT int QV2_CALL QV2Plugin_OnPluginInfo(const wchar_t*, const wchar_t*, const wchar_t*, HINSTANCE, PluginInfo*)
{
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnRegister()
{
    RegisterOptionPages(0, OptionCreators<0>(std::make_integer_sequence<int, kMaxPages>{}));
    RegisterOptionPages(1, OptionCreators<1>(std::make_integer_sequence<int, kMaxPages>{}));
    RegisterOptionPages(2, OptionCreators<2>(std::make_integer_sequence<int, kMaxPages>{}));
    const auto creators = ReportCreators(std::make_integer_sequence<int, kMaxPages>{});
    auto reg = stub::Host<QV2A_RegisterFn>("QV2A_Register");
    for (int i = 0; i < kMaxPages && reg; ++i) {
        const std::vector<std::wstring> entry = Entry(L"StubPages.Reports", i, 4);
        if (entry[0].empty())
            break;
        ReportRegistration record{};
        Copy(record.Name, 256, entry[0]);
        record.Print = entry[3].find(L'P') != std::wstring::npos ? &Print : nullptr;
        record.Export = entry[3].find(L'E') != std::wstring::npos ? &WriteOutput : nullptr;
        record.Html = entry[3].find(L'H') != std::wstring::npos ? &WriteOutput : nullptr;
        record.CreatePage = creators[static_cast<size_t>(i)];
        reg(L"RegisterReport", &record);
    }
    return 1;
}

STUB_EXPORT int QV2_CALL QV2Plugin_OnSettingsDialogInit(HWND dialog, int width, int height, AddViewSettingsPageFn add)
{
    for (int i = 0; add; ++i) {
        const std::vector<std::wstring> entry = Entry(L"StubPages.ViewPages", i, 3);
        if (entry[0].empty())
            break;
        HWND window = nullptr;
        if (!CreateNamedPage(entry[0], dialog, width, height, window))
            continue;
        ViewSettingsPageRecord record{};
        Copy(record.Name, 256, entry[0]);
        Copy(record.Category, 256, entry[1]);
        Copy(record.Item, 256, entry[2]);
        // An item "*" fills the whole field without an ending zero.
        if (entry[2] == L"*")
            std::fill(std::begin(record.Item), std::end(record.Item), L'x');
        record.Page = window;
        const int answer = add(&record);
        stub::Log(entry[0] + L" added " + std::to_wstring(answer));
        // A page the host did not keep is ours to destroy.
        if (answer != 1 && window)
            DestroyWindow(window);
    }
    return 1;
}
