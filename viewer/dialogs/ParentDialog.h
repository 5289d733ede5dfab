#pragma once
// CParentDialog: the base of the dialogs that show one page at a time out of a list or tree
// (options, view settings, reports). Pages are modeless child dialogs made by registered
// callbacks each time a host opens; the host places them over its page-area control, shows one
// at a time and drives them with the page messages. A host destroys every page window it took;
// the objects behind the windows belong to whoever created them.

#include "fw/Dialog.h"

#include <string>

class CParentDialog : public fw::CDialog {
public:
    // `noPageId`: the text shown while no page is shown; 0 for none.
    CParentDialog(UINT templateId, int placeholderId, int noPageId);

    // The placeholder's rectangle in the dialog's client coordinates (empty without one), and
    // its size in dialog units (0 when the dialog units cannot be measured).
    const RECT& PageArea() const { return m_pageArea; }
    int PageWidthDu() const { return m_pageWidthDu; }
    int PageHeightDu() const { return m_pageHeightDu; }
    // The page shown; null while none is.
    HWND CurrentPage() const { return m_currentPage; }

    // Shows `page` (null or no window: none, and the no-page text) and hides the one before.
    void ShowPage(HWND page);

    // Sets the list box's horizontal extent to its widest item text plus 4 pixels.
    static void SetListHorizontalExtent(HWND listBox);

protected:
    bool OnInit() override;
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

    // The selection of the page list changed (by the user or the code): show its page.
    virtual void OnSelectionChanged() = 0;
    // Selects the list entry of `page`, which shows it; nothing for a page not listed.
    virtual void SelectPage(HWND page) = 0;

    // Moves a page to the page area's top-left corner and into the tab order right after the
    // placeholder (size and activation kept), enables it and sends it WM_PAGE_LOAD.
    void PlacePage(HWND page);
    // Hands a message's answer back through DWLP_MSGRESULT; the dialog procedure's TRUE.
    INT_PTR Answer(LRESULT result);
    // Forgets the shown page (its window is about to go).
    void ForgetCurrentPage() { m_currentPage = nullptr; }

private:
    int m_placeholderId;
    int m_noPageId;
    HWND m_currentPage = nullptr; // not owned
    RECT m_pageArea{};
    int m_pageWidthDu = 0;
    int m_pageHeightDu = 0;
};

// A page title as the list shows it: without its bracketed sort key.
std::wstring DisplayTitle(const std::wstring& title);
