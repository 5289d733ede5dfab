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

namespace {

void PushString(std::vector<WORD>& t, const std::wstring& text)
{
    for (wchar_t c : text)
        t.push_back(static_cast<WORD>(c));
    t.push_back(0);
}

void PushDword(std::vector<WORD>& t, DWORD v)
{
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
}

void AlignDword(std::vector<WORD>& t)
{
    if (t.size() % 2)
        t.push_back(0);
}

} // namespace

CTestDialog::CTestDialog(HWND parent, const std::vector<DialogItem>& items, DWORD style)
{
    std::vector<WORD> t;
    PushDword(t, style);
    PushDword(t, 0);
    t.push_back(static_cast<WORD>(items.size()));
    for (short v : {short(0), short(0), short(300), short(200)})
        t.push_back(static_cast<WORD>(v));
    t.push_back(0); // no menu
    t.push_back(0); // the dialog class
    PushString(t, L"test");
    if (style & DS_SETFONT) {
        t.push_back(8);
        PushString(t, L"MS Shell Dlg");
    }
    for (const DialogItem& item : items) {
        AlignDword(t);
        PushDword(t, item.style | WS_CHILD | WS_VISIBLE);
        PushDword(t, 0);
        for (short v : {item.x, item.y, item.cx, item.cy})
            t.push_back(static_cast<WORD>(v));
        t.push_back(static_cast<WORD>(item.id));
        PushString(t, item.className);
        PushString(t, L"");
        t.push_back(0); // no creation data
    }
    m_hwnd = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(t.data()), parent,
                                        &CTestDialog::Proc, reinterpret_cast<LPARAM>(this));
}

CTestDialog::~CTestDialog()
{
    if (m_hwnd && IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);
}

int CTestDialog::Count(WORD code, int id) const
{
    int n = 0;
    for (const Notification& note : notifications) {
        if (note.code == code && (id < 0 || note.id == id))
            ++n;
    }
    return n;
}

INT_PTR CALLBACK CTestDialog::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lp);
        return FALSE;
    }
    auto* self = reinterpret_cast<CTestDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (self && msg == WM_COMMAND) {
        self->notifications.push_back({HIWORD(wp), LOWORD(wp), reinterpret_cast<HWND>(lp)});
        return TRUE;
    }
    return FALSE;
}

namespace {

std::vector<ModalStage> gStages;
size_t gStagesRun = 0;
std::function<bool(HWND)> gIsTheDialog;

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lp)
{
    if (gIsTheDialog && IsWindowEnabled(hwnd) && gIsTheDialog(hwnd)) {
        *reinterpret_cast<HWND*>(lp) = hwnd;
        return FALSE;
    }
    return TRUE;
}

LRESULT CALLBACK DriverProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg != WM_APP)
        return DefWindowProcW(hwnd, msg, wp, lp);
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog || gStagesRun >= gStages.size())
        return 0;
    gStages[gStagesRun++](dialog);
    if (gStagesRun < gStages.size())
        PostMessageW(hwnd, WM_APP, 0, 0);
    else // never leave the test in the modal loop; ignored once the dialog has ended
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return 0;
}

HWND Driver()
{
    static HWND driver = nullptr;
    if (!driver) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &DriverProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"RKCC2TestDriver";
        RegisterClassW(&wc);
        driver = CreateWindowW(L"RKCC2TestDriver", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }
    return driver;
}

} // namespace

size_t RunWithModal(const std::function<void()>& open, std::vector<ModalStage> stages,
                    std::function<bool(HWND)> isTheDialog)
{
    gStages = std::move(stages);
    gStagesRun = 0;
    gIsTheDialog = std::move(isTheDialog);
    PostMessageW(Driver(), WM_APP, 0, 0);
    open();
    const size_t run = gStagesRun;
    gStages.clear();
    Pump();
    gIsTheDialog = nullptr;
    return run;
}

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
    if (self && msg == WM_COMMAND && lp) {
        const Notification note{HIWORD(wp), LOWORD(wp), reinterpret_cast<HWND>(lp)};
        self->notifications.push_back(note);
        if (self->onNotify)
            self->onNotify(note);
    }
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
