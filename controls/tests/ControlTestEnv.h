#pragma once
// Test support: the library's classes registered in the test program, a pinned clock and locale,
// and a hidden host window that creates controls by class name and records their notifications.

#include "DateTimeEnv.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace testenv {

constexpr unsigned long kEnglishUS = 0x0409; // month/day/year, 12-hour clock, "." decimal point
constexpr unsigned long kGerman = 0x0407;    // day.month.year, 24-hour clock, "," decimal point

// Sunday 17 May 2026, 14:30.
datetime::LocalClock FixedNow();
constexpr unsigned kToday = 2461178; // day number of 17 May 2026

struct Notification {
    WORD code;
    int id;
    HWND from;
};

// A hidden top-level window holding the controls under test; records WM_COMMAND from children.
class CTestHost {
public:
    CTestHost();
    ~CTestHost();
    CTestHost(const CTestHost&) = delete;
    CTestHost& operator=(const CTestHost&) = delete;

    HWND Hwnd() const { return m_hwnd; }
    HWND CreateControl(const wchar_t* className, DWORD style = 0, int id = 1000, RECT rect = {0, 0, 200, 24});
    // A plain edit that takes the focus away from the control under test.
    HWND FocusSink();

    std::vector<Notification> notifications;
    int Count(WORD code, int id = -1) const;
    void Clear() { notifications.clear(); }
    // Called for each recorded notification, as a dialog's handler would be.
    std::function<void(const Notification&)> onNotify;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND m_hwnd = nullptr;
    HWND m_sink = nullptr;
};

// A modeless dialog built from an in-memory template (class "#32770"), hidden unless the style
// says WS_VISIBLE; records WM_COMMAND from its controls.
struct DialogItem {
    std::wstring className;
    int id;
    DWORD style;
    short x, y, cx, cy; // dialog units
};
class CTestDialog {
public:
    CTestDialog(HWND parent, const std::vector<DialogItem>& items, DWORD style = WS_POPUP | DS_SETFONT);
    ~CTestDialog();
    CTestDialog(const CTestDialog&) = delete;
    CTestDialog& operator=(const CTestDialog&) = delete;

    HWND Hwnd() const { return m_hwnd; }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    std::vector<Notification> notifications;
    int Count(WORD code, int id = -1) const;

private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND m_hwnd = nullptr;
};

// Runs `open`, which starts a modal dialog, and drives that dialog: each stage runs from a message
// posted to a helper window, which the dialog's own modal loop dispatches; a stage that runs at
// all proves that the dialog was still open after the stage before it. Posted messages keep the
// loop from going idle, so the dialog is never shown (a shown window takes seconds to go away
// without a window manager). After the last stage the dialog is cancelled if still open.
// Answers how many stages ran.
using ModalStage = std::function<void(HWND dialog)>;
size_t RunWithModal(const std::function<void()>& open, std::vector<ModalStage> stages,
                    std::function<bool(HWND)> isTheDialog);

// Fixture: clock pinned to FixedNow, locale pinned to US English, library settings reset; from
// construction on, so that members of derived fixtures see the pinned clock too.
class ControlTest : public ::testing::Test {
protected:
    ControlTest();
    ~ControlTest() override;
    void UseLocale(unsigned long lcid) { datetime::SetLocale(lcid); }

    CTestHost host;

private:
    unsigned long m_previousLocale = 0;
};

// Text of a window.
std::wstring TextOf(HWND hwnd);
// Types characters into a window as WM_CHAR messages.
void Type(HWND hwnd, const std::wstring& text);
void Key(HWND hwnd, UINT vk, bool down = true);
// Runs the thread's pending messages (posted requests, timers already due).
void Pump();
// Inner edit of a single value edit (frame 100, edit 1) or of a period side (frame 100 or 101).
HWND InnerEdit(HWND control, int frameId = 100);

} // namespace testenv
