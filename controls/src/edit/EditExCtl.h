#pragma once
// CEditExCtl: the frame of every typed edit: a single-line edit child (CEditEx), the spin and
// drop-down button (CSpinPushButton) and a private font. The typed layer (CEditExCtlTemplate<T>)
// supplies reading, writing, stepping and limits. The frame is a member of its outer control
// (a single edit or a period) and is created as that control's child.

#include "RKComControls2.h"
#include "base/CtlWnd.h"
#include "base/Gdi.h"
#include "edit/SpinPushButton.h"

#include <string>

namespace rkcc {

class CEditExCtl;

// The inner edit: routes keys and focus changes to its frame.
class CEditEx : public CCtlWnd {
public:
    explicit CEditEx(CEditExCtl& owner) : m_owner(owner) {}

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool SendEscapeToOuterDialog();

    CEditExCtl& m_owner; // the frame owns this edit
};

class CEditExCtl : public CCtlWnd {
public:
    CEditExCtl();
    ~CEditExCtl() override;

    // Creates the frame as a child of `outer` with the given id (100, or 101 for a period's end).
    bool CreateFrame(HWND outer, const RECT& rect, UINT frameId);

    std::wstring GetText() const;
    // Sets the text only when it differs: an unchanged value rewrites nothing and reports nothing.
    void SetText(const std::wstring& text);
    bool IsTextEmpty() const;
    // The user (or anyone but this frame) changed the text since the frame last wrote or
    // committed it: the value waits for its commit.
    bool IsTyped() const { return m_typed; }
    HWND EditHwnd() const { return m_edit.Hwnd(); }
    bool EditHasFocus() const { return m_edit.Hwnd() && ::GetFocus() == m_edit.Hwnd(); }
    // Focuses the frame (and so the edit) unless the edit has the focus already.
    void TakeFocus();

    bool AllowsEmpty() const { return m_allowEmpty; }
    void SetAllowEmpty(bool allow) { m_allowEmpty = allow; }
    bool HasMaximum() const { return m_hasMax; }
    bool HasMinimum() const { return m_hasMin; }
    bool HasDropDown() const { return m_hasDropDown; }
    UINT FrameId() const { return m_frameId; }

    // Installs the host's drop-down button (whole-number and decimal edits). False for a null callback.
    bool SetDropDownButton(const RKCC2DropDownButton& button, int outerId);

    // Tab navigation inside a period; both null in a single edit.
    void SetPeriodEdits(CEditExCtl* startEdit, CEditExCtl* endEdit);

    virtual void DropDown();
    virtual void StepDown() = 0;
    virtual void StepUp() = 0;
    virtual void Commit() = 0;
    // Reports a change to the outer control, unless writes are held back or a report is under
    // way (a handler that sets the value again must not recurse).
    virtual void NotifyChanged();
    virtual void OnTabKey();
    virtual bool WantsTabKey() const;
    virtual bool IsCharAllowed(wchar_t c) const;

protected:
    // Runs writes that may set the text more than once; the change is reported once at the end,
    // when the text differs from before.
    template <class F>
    void WriteAsOne(F&& write)
    {
        const std::wstring before = GetText();
        ++m_holdReports;
        write();
        --m_holdReports;
        if (GetText() != before)
            NotifyChanged();
    }

    void ClearTyped() { m_typed = false; }

    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    // The typed layer answers RKCC2M_EDIT_GETVALUE and RKCC2M_EDIT_SETVALUE.
    virtual LRESULT OnValueMessage(UINT msg, LPARAM lp) = 0;
    // A drop-down with a bitmap of the library, set by the type before creation (date edits).
    void UseLibraryDropDown(int bitmapId, int zoneWidth);
    CEditExCtl* StartEdit() const { return m_startEdit; }
    CEditExCtl* EndEdit() const { return m_endEdit; }

    bool m_hasMax = false;
    bool m_hasMin = false;

private:
    int OnCreate();
    void Layout();
    void OnEnable(bool enable);
    void OnShow(bool show);

    CEditEx m_edit;
    CSpinPushButton m_button;
    CFontHandle m_font;
    int m_dropDownBitmapId = 0;
    int m_upDownWidth = 15;
    int m_dropDownWidth = 25;
    RECT m_editRect{};
    RECT m_buttonRect{};
    bool m_visible = true;
    bool m_enabled = true;
    bool m_hasDropDown = false;
    bool m_allowEmpty = false;
    bool m_notifying = false;
    int m_holdReports = 0;
    bool m_writing = false;
    bool m_typed = false;
    RKCC2DropDownFn m_callback = nullptr;
    int m_userValue = 0;
    int m_outerId = 0;
    UINT m_frameId = 100;
    CEditExCtl* m_startEdit = nullptr; // not owned; the period owns both frames
    CEditExCtl* m_endEdit = nullptr;

    friend class CSpinPushButton;
};

// Registers the frame's window class (once).
bool RegisterEditFrameClass();
void UnregisterEditClasses();

} // namespace rkcc
