#include "MessageBoxCatcher.h"

#include <iterator>

namespace qvtest {

namespace {

constexpr int kMaxBoxes = 32;
constexpr int kTextUnits = 1024;

// Fixed storage: a hook that allocated could throw through the system's code.
wchar_t gTexts[kMaxBoxes][kTextUnits];
int gCount = 0;

// Caught as its initialisation returns, when the box has its text: activation would be later and
// is not sure to come (another window may hold the display's focus).
LRESULT CALLBACK CatchBoxes(int code, WPARAM wp, LPARAM lp)
{
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lp);
    if (code == HC_ACTION && call->message == WM_INITDIALOG) {
        wchar_t className[32] = {};
        GetClassNameW(call->hwnd, className, 32);
        // A box is a window of its own; pages and bars made from dialog templates are children.
        if (lstrcmpW(className, L"#32770") == 0 && !(GetWindowLongW(call->hwnd, GWL_STYLE) & WS_CHILD)) {
            if (gCount < kMaxBoxes) {
                // The text of a message box is its static control 0xFFFF.
                GetDlgItemTextW(call->hwnd, 0xFFFF, gTexts[gCount], kTextUnits);
                ++gCount;
            }
            PostMessageW(call->hwnd, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

} // namespace

CMessageBoxCatcher::CMessageBoxCatcher() : m_hook(SetWindowsHookExW(WH_CALLWNDPROCRET, &CatchBoxes, nullptr, GetCurrentThreadId()))
{
    Clear();
}

CMessageBoxCatcher::~CMessageBoxCatcher()
{
    if (m_hook)
        UnhookWindowsHookEx(m_hook);
}

std::vector<std::wstring> CMessageBoxCatcher::Texts() const
{
    return std::vector<std::wstring>(std::begin(gTexts), std::begin(gTexts) + gCount);
}

void CMessageBoxCatcher::Clear()
{
    gCount = 0;
}

} // namespace qvtest
