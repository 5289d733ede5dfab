// Test support for the controls: registration, pinned environment and the host window.
#include "ControlTestEnv.h"

#include "Library.h"

namespace testenv {

namespace {

constexpr wchar_t kHostClass[] = L"RKCC2TestHost";

class CRegistration : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(rkcc::RegisterControlClasses());
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kHostClass;
        RegisterClassExW(&wc);
    }
};

const auto* const gRegistration = ::testing::AddGlobalTestEnvironment(new CRegistration);

} // namespace

datetime::LocalClock FixedNow()
{
    return {2026, 5, 17, 14, 30};
}

CTestHost::CTestHost()
{
    m_hwnd = CreateWindowExW(0, kHostClass, L"host", WS_OVERLAPPED | WS_CLIPCHILDREN, 0, 0, 600, 400, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CTestHost::Proc));
}

CTestHost::~CTestHost()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

HWND CTestHost::CreateControl(const wchar_t* className, DWORD style, int id, RECT rect)
{
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, m_hwnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

HWND CTestHost::FocusSink()
{
    if (!m_sink)
        m_sink = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 300, 100, 20, m_hwnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(999)), GetModuleHandleW(nullptr),
                                 nullptr);
    return m_sink;
}

int CTestHost::Count(WORD code, int id) const
{
    int n = 0;
    for (const Notification& note : notifications) {
        if (note.code == code && (id < 0 || note.id == id))
            ++n;
    }
    return n;
}

LRESULT CALLBACK CTestHost::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* self = reinterpret_cast<CTestHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == WM_COMMAND && lp)
        self->notifications.push_back({HIWORD(wp), LOWORD(wp), reinterpret_cast<HWND>(lp)});
    return DefWindowProcW(hwnd, msg, wp, lp);
}

ControlTest::ControlTest()
{
    datetime::SetClock(&FixedNow);
    m_previousLocale = datetime::SetLocale(kEnglishUS);
    rkcc::ResetLibrarySettings();
}

ControlTest::~ControlTest()
{
    rkcc::ResetLibrarySettings();
    datetime::SetClock(nullptr);
    datetime::SetLocale(m_previousLocale);
}

std::wstring TextOf(HWND hwnd)
{
    const int n = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

void Type(HWND hwnd, const std::wstring& text)
{
    for (wchar_t c : text)
        SendMessageW(hwnd, WM_CHAR, c, 1);
}

void Key(HWND hwnd, UINT vk, bool down)
{
    SendMessageW(hwnd, down ? WM_KEYDOWN : WM_KEYUP, vk, 1);
}

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

HWND InnerEdit(HWND control, int frameId)
{
    return GetDlgItem(GetDlgItem(control, frameId), 1);
}

} // namespace testenv
