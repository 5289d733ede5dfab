#pragma once
// CDialog: a dialog from a template of a given module (the resource module when none is given).
// A modal dialog lives on the caller's stack and ends with End(); a modeless one is a window
// that its C++ object owns: the destructor destroys it when it still exists.

#include <windows.h>

#include <functional>

namespace fw {

class CDialog;

// Called with every modal dialog once its WM_INITDIALOG has run, before the system shows it.
// Tests drive the dialog from here with messages and end it, so it never appears.
using ModalDialogHook = std::function<void(CDialog& dialog)>;
// Replaces the hook (empty: none); returns the previous one.
ModalDialogHook SetModalDialogHook(ModalDialogHook hook);

class CDialog {
public:
    explicit CDialog(UINT templateId, HINSTANCE module = nullptr);
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;
    virtual ~CDialog();

    // Runs the dialog modally; the result given to End, or -1 when it could not be created.
    INT_PTR RunModal(HWND owner);
    // Creates the dialog modeless (a child page when the template has WS_CHILD).
    bool CreateModeless(HWND parent);

    HWND Hwnd() const { return m_hwnd; }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    // true once End ran: a modal dialog's window lives on until its run returns.
    bool HasEnded() const { return m_ended; }

protected:
    // WM_INITDIALOG; true lets the system set the focus.
    virtual bool OnInit() { return true; }
    // WM_COMMAND; true when handled. The base ends on IDOK and IDCANCEL.
    virtual bool OnCommand(UINT id, UINT code, HWND control);
    virtual void OnOk() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    // Every message after WM_INITDIALOG; the result follows the dialog-procedure contract:
    // nonzero when handled (with any result value set through DWLP_MSGRESULT), FALSE otherwise.
    virtual INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

    // Ends a modal dialog with `result`, or destroys a modeless one.
    void End(INT_PTR result);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    UINT m_template;
    HINSTANCE m_module;
    HWND m_hwnd = nullptr;
    bool m_modal = false;
    bool m_ended = false;
    bool m_registered = false; // in the application's list of modeless dialogs
};

} // namespace fw
