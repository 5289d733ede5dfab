// The paged options dialog.
#include "OptionsDlg.h"

#include "PageMessages.h"
#include "Plugins.h"
#include "ProcessObjects.h"
#include "QV2ResVIds.h"
#include "Settings.h"
#include "ViewerUtil.h"
#include "WideCopy.h"
#include "fw/Resources.h"

#include <algorithm>

namespace {

struct KindTexts {
    UINT caption;
    const wchar_t* lastKey;
    const wchar_t* rememberKey;
};

constexpr KindTexts kKinds[3] = {
    {IDS_OPTIONS_CAPTION_FILE, L"DlgOptionsFileCategoryLast", L"DlgOptionsFileCategoryRemember"},
    {IDS_OPTIONS_CAPTION_ADMINISTRATION, L"DlgOptionsAdministrationCategoryLast",
     L"DlgOptionsAdministrationCategoryRemember"},
    {IDS_OPTIONS_CAPTION_REPORTS, L"DlgOptionsReportsCategoryLast", L"DlgOptionsReportsCategoryRemember"},
};

std::wstring ListText(HWND list, int index)
{
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

} // namespace

COptionsDlg::COptionsDlg(int optionKind) : CParentDialog(IDD_OPTIONS, IDC_PAGE_AREA, 0), kind(optionKind)
{
}

HWND COptionsDlg::List() const
{
    return Item(IDC_OPTIONS_LIST);
}

bool COptionsDlg::OnInit()
{
    CParentDialog::OnInit();
    if (kind >= 0 && kind <= 2) {
        SetWindowTextW(Hwnd(), fw::LoadResString(kKinds[kind].caption).c_str());
        m_lastKey = kKinds[kind].lastKey;
        m_rememberKey = kKinds[kind].rememberKey;
    }
    m_pages.clear();
    if (gPlugins) {
        // A copy: a page's creation must not see the registration list change under it.
        const std::vector<OptionPageRegistration> registrations = gPlugins->OptionPages(kind);
        for (const OptionPageRegistration& registration : registrations) {
            if (!registration.CreatePage)
                continue;
            PageRecord record{};
            if (registration.CreatePage(Hwnd(), PageWidthDu(), PageHeightDu(), &record) && record.Page &&
                IsWindow(record.Page)) {
                wstr::ForceTerminated(record.Title);
                m_pages.push_back(record);
            }
        }
    }
    FillPageList(GetSetting(m_lastKey));
    SendMessageW(List(), LB_SETCURSEL, static_cast<WPARAM>(m_selected), 0);
    OnSelectionChanged();
    SetFocus(List());
    return false;
}

void COptionsDlg::FillPageList(const std::wstring& remembered)
{
    std::stable_sort(m_pages.begin(), m_pages.end(),
                     [](const PageRecord& a, const PageRecord& b) { return CompareSortNames(a.Title, b.Title); });
    m_selected = -1;
    for (size_t i = 0; i < m_pages.size(); ++i) {
        const std::wstring title = DisplayTitle(m_pages[i].Title);
        SendMessageW(List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
        PlacePage(m_pages[i].Page);
        if (title == remembered)
            m_selected = static_cast<int>(i);
    }
    SetListHorizontalExtent(List());
}

void COptionsDlg::OnSelectionChanged()
{
    const LRESULT selection = SendMessageW(List(), LB_GETCURSEL, 0, 0);
    if (selection < 0 || selection >= static_cast<LRESULT>(m_pages.size()))
        return;
    m_selected = static_cast<int>(selection);
    ShowPage(m_pages[m_selected].Page);
    if (GetBoolSetting(m_rememberKey, true))
        SetSetting(m_lastKey, ListText(List(), m_selected));
}

void COptionsDlg::SelectPage(HWND page)
{
    const auto found = std::find_if(m_pages.begin(), m_pages.end(), [&](const PageRecord& p) { return p.Page == page; });
    if (!page || found == m_pages.end())
        return;
    m_selected = static_cast<int>(found - m_pages.begin());
    SendMessageW(List(), LB_SETCURSEL, static_cast<WPARAM>(m_selected), 0);
    OnSelectionChanged();
}

bool COptionsDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == IDC_OPTIONS_LIST && code == LBN_SELCHANGE) {
        OnSelectionChanged();
        return true;
    }
    return CParentDialog::OnCommand(id, code, control);
}

void COptionsDlg::OnOk()
{
    // Every page accepts its values before any page stores them.
    for (const PageRecord& page : m_pages) {
        if (!pagemsg::Validate(page.Page))
            return;
    }
    for (const PageRecord& page : m_pages)
        pagemsg::Apply(page.Page);
    End(IDOK);
}

INT_PTR COptionsDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY) {
        DestroyPages();
        return FALSE;
    }
    return CParentDialog::HandleMessage(msg, wp, lp);
}

void COptionsDlg::DestroyPages()
{
    ForgetCurrentPage();
    // Moved out first: a page's destruction may run code that looks at the list.
    const std::vector<PageRecord> pages = std::move(m_pages);
    m_pages.clear();
    m_selected = -1;
    for (const PageRecord& page : pages) {
        if (IsWindow(page.Page))
            DestroyWindow(page.Page);
    }
}
