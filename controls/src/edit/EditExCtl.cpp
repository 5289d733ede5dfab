// The typed edit's frame: creation, layout, focus, and the inner edit's keyboard.
#include "edit/EditExCtl.h"

#include "base/Fonts.h"
#include "edit/EditMessages.h"

#include <vector>

namespace rkcc {

namespace {

constexpr wchar_t kFrameClass[] = L"RKCC2EditFrame";
constexpr wchar_t kSpinClass[] = L"RKCC2SpinButton";

bool IsDialogWindow(HWND hwnd)
{
    wchar_t name[16] = {};
    return hwnd && GetClassNameW(hwnd, name, 16) > 0 && std::wstring_view(name) == L"#32770";
}

} // namespace

bool RegisterEditFrameClass()
{
    return CCtlWnd::RegisterInnerClass(kFrameClass, CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW,
                                       LoadCursorW(nullptr, IDC_IBEAM), nullptr);
}

void UnregisterEditClasses()
{
    UnregisterClassW(kFrameClass, ControlsModule());
    UnregisterClassW(kSpinClass, ControlsModule());
}

// ---- inner edit ----

bool CEditEx::SendEscapeToOuterDialog()
{
    // A control on a page (a child dialog) inside a host dialog: the host's dialog manager does
    // not see Escape pressed in a grandchild edit, so the edit closes the host itself.
    HWND dialog = GetParent(Hwnd());
    while (dialog && !IsDialogWindow(dialog))
        dialog = GetParent(dialog);
    HWND outer = dialog ? GetParent(dialog) : nullptr;
    if (!dialog || !IsDialogWindow(outer))
        return false;
    SendMessageW(outer, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(outer, IDCANCEL)));
    return true;
}

LRESULT CEditEx::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    HWND frame = m_owner.Hwnd();
    switch (msg) {
    case WM_CHAR: {
        const auto c = static_cast<wchar_t>(wp);
        if (c == L'\t' || c == L'\r') {
            m_owner.OnTabKey();
            return 0;
        }
        if (!m_owner.IsCharAllowed(c)) {
            MessageBeep(0xFFFFFFFF);
            return 0;
        }
        return Default(msg, wp, lp);
    }
    case WM_KEYDOWN:
        switch (wp) {
        case VK_UP:
            SendMessageW(frame, RKCC2M_EDIT_STEPUP, 0, 0);
            return 0;
        case VK_DOWN:
            SendMessageW(frame, RKCC2M_EDIT_STEPDOWN, 0, 0);
            return 0;
        case VK_F5:
        case VK_F9:
            SendMessageW(frame, RKCC2M_EDIT_DROPDOWN, 0, 0);
            return 0;
        case VK_ESCAPE:
            if (SendEscapeToOuterDialog())
                return 0;
            return Default(msg, wp, lp);
        default:
            return Default(msg, wp, lp);
        }
    case WM_SYSKEYDOWN:
        if ((wp == VK_UP || wp == VK_DOWN) && (HIWORD(lp) & KF_ALTDOWN))
            SendMessageW(frame, RKCC2M_EDIT_DROPDOWN, 0, 0);
        return Default(msg, wp, lp);
    case WM_KILLFOCUS: {
        const LRESULT r = Default(msg, wp, lp);
        if (frame && IsWindow(frame))
            SendMessageW(frame, RKCC2M_EDIT_COMMIT, 0, 0);
        return r;
    }
    case WM_GETDLGCODE: {
        LRESULT code = Default(msg, wp, lp);
        if (m_owner.WantsTabKey())
            code |= DLGC_WANTTAB;
        return code;
    }
    default:
        return Default(msg, wp, lp);
    }
}

// ---- frame ----

CEditExCtl::CEditExCtl() : m_edit(*this), m_button(*this) {}

CEditExCtl::~CEditExCtl()
{
    // The children go first: their last messages still reach this (abstract by now) frame.
    m_edit.Destroy();
    m_button.Destroy();
    Destroy();
}

bool CEditExCtl::CreateFrame(HWND outer, const RECT& rect, UINT frameId)
{
    if (!RegisterEditFrameClass())
        return false;
    m_frameId = frameId;
    return Create(kFrameClass, WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE, rect, outer, frameId);
}

void CEditExCtl::UseLibraryDropDown(int bitmapId, int zoneWidth)
{
    m_hasDropDown = true;
    m_dropDownBitmapId = bitmapId;
    m_dropDownWidth = zoneWidth;
}

std::wstring CEditExCtl::GetText() const
{
    HWND edit = m_edit.Hwnd();
    if (!edit)
        return {};
    const int length = GetWindowTextLengthW(edit);
    if (length <= 0)
        return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const int n = GetWindowTextW(edit, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<size_t>(n > 0 ? n : 0));
}

void CEditExCtl::SetText(const std::wstring& text)
{
    // The edit reports every WM_SETTEXT as a change, even of the same text.
    m_typed = false;
    if (m_edit.Hwnd() && text != GetText()) {
        m_writing = true;
        SetWindowTextW(m_edit.Hwnd(), text.c_str());
        m_writing = false;
    }
}

bool CEditExCtl::IsTextEmpty() const
{
    return !m_edit.Hwnd() || GetWindowTextLengthW(m_edit.Hwnd()) == 0;
}

void CEditExCtl::TakeFocus()
{
    if (Hwnd() && !EditHasFocus())
        SetFocus(Hwnd());
}

bool CEditExCtl::SetDropDownButton(const RKCC2DropDownButton& button, int outerId)
{
    if (!button.callback)
        return false;
    m_hasDropDown = true;
    m_button.SetDropDown(0, button.bitmap);
    m_callback = button.callback;
    m_userValue = button.userValue;
    m_outerId = outerId;
    Layout();
    return true;
}

void CEditExCtl::SetPeriodEdits(CEditExCtl* startEdit, CEditExCtl* endEdit)
{
    m_startEdit = startEdit;
    m_endEdit = endEdit;
}

void CEditExCtl::DropDown()
{
    if (m_callback)
        m_callback(m_outerId, m_userValue);
}

void CEditExCtl::NotifyChanged()
{
    if (m_notifying || m_holdReports > 0)
        return;
    m_notifying = true;
    HWND frame = Hwnd();
    NotifyParent(RKCC2N_CHANGED);
    if (IsWindow(frame)) // a handler may have destroyed the control, and this object with it
        m_notifying = false;
}

bool CEditExCtl::WantsTabKey() const
{
    return m_startEdit || m_endEdit;
}

bool CEditExCtl::IsCharAllowed(wchar_t) const
{
    return true;
}

void CEditExCtl::OnTabKey()
{
    if (!WantsTabKey())
        return;
    HWND period = Parent();
    HWND dialog = period ? GetParent(period) : nullptr;
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    if (backwards) {
        if (m_endEdit && m_endEdit->EditHasFocus() && m_startEdit) {
            SetFocus(m_startEdit->Hwnd());
            return;
        }
    } else if (m_startEdit && m_startEdit->EditHasFocus() && m_endEdit) {
        SetFocus(m_endEdit->Hwnd());
        return;
    }
    if (dialog) {
        if (HWND next = GetNextDlgTabItem(dialog, period, backwards ? TRUE : FALSE))
            SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    }
}

int CEditExCtl::OnCreate()
{
    SetWindowLongPtrW(Hwnd(), GWL_EXSTYLE,
                      GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE) | WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY);
    if (!m_button.CreateButton(Hwnd()))
        return -1;
    if (m_hasDropDown)
        m_button.SetDropDown(m_dropDownBitmapId, nullptr);
    if (!m_edit.CreateSubclassed(L"EDIT", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, RECT{}, Hwnd(), kInnerEditId))
        return -1;
    HWND outer = Parent();
    m_font = CopyFont(FontOf(outer ? GetParent(outer) : nullptr));
    SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), TRUE);
    return 0;
}

void CEditExCtl::Layout()
{
    if (!Hwnd())
        return;
    const RECT rc = ClientRect();
    const int w = rc.right;
    const int h = rc.bottom;
    const int d = m_hasDropDown ? m_dropDownWidth : 0;
    m_editRect = {1, 1, 1 + (w - m_upDownWidth - d - 1), h};
    m_buttonRect = {w - m_upDownWidth - d, 0, w, h};
    if (m_edit.Hwnd())
        MoveWindow(m_edit.Hwnd(), m_editRect.left, m_editRect.top, m_editRect.right - m_editRect.left,
                   h - 1, TRUE);
    if (m_button.Hwnd()) {
        MoveWindow(m_button.Hwnd(), m_buttonRect.left, 0, m_upDownWidth + d, h, TRUE);
        InvalidateRect(m_button.Hwnd(), nullptr, FALSE);
    }
}

void CEditExCtl::OnEnable(bool enable)
{
    if (enable == m_enabled)
        return;
    m_enabled = enable;
    EnableWindow(m_edit.Hwnd(), enable);
    EnableWindow(m_button.Hwnd(), enable);
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

void CEditExCtl::OnShow(bool show)
{
    if (show == m_visible)
        return;
    m_visible = show;
    ShowWindow(m_edit.Hwnd(), show ? SW_SHOW : SW_HIDE);
    ShowWindow(m_button.Hwnd(), show ? SW_SHOW : SW_HIDE);
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

LRESULT CEditExCtl::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        if (Default(msg, wp, lp) == -1)
            return -1;
        return OnCreate();
    case WM_SIZE:
        Default(msg, wp, lp);
        Layout();
        return 0;
    case WM_ERASEBKGND: {
        RECT rc = ClientRect();
        FillRect(reinterpret_cast<HDC>(wp), &rc, GetSysColorBrush(COLOR_WINDOW));
        return 1;
    }
    case WM_SETFONT:
        SendMessageW(m_edit.Hwnd(), WM_SETFONT, wp, lp);
        SendMessageW(m_button.Hwnd(), WM_SETFONT, wp, lp);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_font.Get());
    case WM_SETFOCUS:
        if (m_edit.Hwnd()) {
            SetFocus(m_edit.Hwnd());
            SendMessageW(m_edit.Hwnd(), EM_SETSEL, 0, -1);
            SendMessageW(m_edit.Hwnd(), EM_SCROLLCARET, 0, 0);
        }
        return 0;
    case WM_ENABLE:
        OnEnable(wp != FALSE);
        return 0;
    case WM_SHOWWINDOW:
        OnShow(wp != FALSE);
        return Default(msg, wp, lp);
    case WM_COMMAND:
        if (LOWORD(wp) == kInnerEditId && HIWORD(wp) == EN_CHANGE) {
            if (!m_writing)
                m_typed = true;
            SendMessageW(Hwnd(), RKCC2M_EDIT_CHANGED, 0, 0);
        }
        return 0;
    case RKCC2M_EDIT_GETVALUE:
    case RKCC2M_EDIT_SETVALUE:
        return OnValueMessage(msg, lp);
    case RKCC2M_EDIT_STEPUP:
        TakeFocus();
        StepUp();
        return 1;
    case RKCC2M_EDIT_STEPDOWN:
        TakeFocus();
        StepDown();
        return 1;
    case RKCC2M_EDIT_DROPDOWN:
        TakeFocus();
        DropDown();
        return 1;
    case RKCC2M_EDIT_COMMIT:
        Commit();
        return 1;
    case RKCC2M_EDIT_CHANGED:
        NotifyChanged();
        return 1;
    default:
        return Default(msg, wp, lp);
    }
}

} // namespace rkcc
