// Dialogs from templates.
#include "fw/Dialog.h"

#include "fw/App.h"
#include "fw/DialogPlacement.h"
#include "fw/MessageBox.h"
#include "fw/Resources.h"

#include <new>

namespace fw {

namespace {

ModalDialogHook& Hook()
{
    static ModalDialogHook hook;
    return hook;
}

} // namespace

ModalDialogHook SetModalDialogHook(ModalDialogHook hook)
{
    ModalDialogHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

CDialog::CDialog(UINT templateId, HINSTANCE module) : m_template(templateId), m_module(module)
{
}

CDialog::~CDialog()
{
    if (m_hwnd && IsWindow(m_hwnd)) {
        // Detach first: the destruction's messages must not reach a half-destroyed object.
        SetWindowLongPtrW(m_hwnd, DWLP_USER, 0);
        HWND hwnd = m_hwnd;
        m_hwnd = nullptr;
        if (m_registered && CApp::Current())
            CApp::Current()->RemoveModeless(hwnd);
        DestroyWindow(hwnd);
    }
}

INT_PTR CDialog::RunModal(HWND owner)
{
    m_modal = true;
    m_ended = false;
    const HINSTANCE module = m_module ? m_module : ResourceModule();
    return DialogBoxParamW(module, MAKEINTRESOURCEW(m_template), owner, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool CDialog::CreateModeless(HWND parent)
{
    if (m_hwnd)
        return false;
    m_modal = false;
    m_ended = false;
    const HINSTANCE module = m_module ? m_module : ResourceModule();
    HWND hwnd = CreateDialogParamW(module, MAKEINTRESOURCEW(m_template), parent, &CDialog::DialogProc,
                                   reinterpret_cast<LPARAM>(this));
    if (!hwnd)
        return false;
    // Child pages get their keyboard navigation from the dialog that hosts them.
    if (!(GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) && CApp::Current()) {
        CApp::Current()->AddModeless(hwnd);
        m_registered = true;
    }
    return true;
}

bool CDialog::OnCommand(UINT id, UINT, HWND)
{
    if (id == IDOK) {
        OnOk();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

INT_PTR CDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_COMMAND)
        return OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)) ? TRUE : FALSE;
    return FALSE;
}

void CDialog::End(INT_PTR result)
{
    if (!m_hwnd)
        return;
    m_ended = true;
    if (m_modal)
        EndDialog(m_hwnd, result);
    else
        DestroyWindow(m_hwnd);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CDialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lp);
        SetWindowLongPtrW(hwnd, DWLP_USER, lp);
        if (self)
            self->m_hwnd = hwnd;
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self)
        return FALSE;
    INT_PTR result = FALSE;
    try {
        if (msg == WM_INITDIALOG) {
            RECT before{};
            GetWindowRect(hwnd, &before);
            // TRUE asks the system to give the focus to the first control.
            result = self->OnInit() ? TRUE : FALSE;
            // A dialog that placed itself in its initialisation keeps that place.
            RECT after{};
            if (self->m_hwnd && GetWindowRect(hwnd, &after) && after.left == before.left && after.top == before.top)
                CenterDialog(hwnd);
        } else {
            result = self->HandleMessage(msg, wp, lp);
        }
        if (msg == WM_INITDIALOG && self->m_modal && Hook()) {
            // A copy: the hook may run nested dialogs, or replace itself, while it runs.
            const ModalDialogHook hook = Hook();
            hook(*self);
        }
    } catch (const std::bad_alloc&) {
        // A command that runs out of memory is not done; the user is told, as by the frame.
        if (msg == WM_COMMAND)
            ShowNoMemory(hwnd);
        result = FALSE;
    } catch (...) {
        // No exception may unwind through the dialog manager.
        result = FALSE;
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        if (self->m_registered && CApp::Current())
            CApp::Current()->RemoveModeless(hwnd);
        self->m_registered = false;
        self->m_hwnd = nullptr;
    }
    return result;
}

} // namespace fw
