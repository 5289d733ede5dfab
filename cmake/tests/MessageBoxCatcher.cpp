#include "MessageBoxCatcher.h"

#include <algorithm>
#include <iterator>

namespace qvtest {

namespace {

constexpr int kMaxBoxes = 32;
constexpr int kTextUnits = 1024;

// Fixed storage: a hook that allocated could throw through the system's code.
wchar_t gTexts[kMaxBoxes][kTextUnits];
// A box can be activated more than once before our posted IDOK closes it (seen under 64-bit
// Wine), so each box window is counted once.
HWND gBoxes[kMaxBoxes];
int gCount = 0;

LRESULT CALLBACK CatchBoxes(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wp);
        wchar_t className[32] = {};
        GetClassNameW(box, className, 32);
        if (lstrcmpW(className, L"#32770") == 0 && std::find(gBoxes, gBoxes + gCount, box) == gBoxes + gCount) {
            if (gCount < kMaxBoxes) {
                gBoxes[gCount] = box;
                // The text of a message box is its static control 0xFFFF.
                GetDlgItemTextW(box, 0xFFFF, gTexts[gCount], kTextUnits);
                ++gCount;
            }
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

} // namespace

CMessageBoxCatcher::CMessageBoxCatcher() : m_hook(SetWindowsHookExW(WH_CBT, &CatchBoxes, nullptr, GetCurrentThreadId()))
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
