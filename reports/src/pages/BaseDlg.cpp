// Report option page base.
#include "pages/BaseDlg.h"

#include "common/ReportMessages.h"
#include "common/ReportSettings.h"

#include "QV2ResVReportIds.h"
#include "WideCopy.h"
#include "fw/Resources.h"
#include "fw/Window.h"

#include <new>

CBaseDlg::CBaseDlg(UINT templateId, const wchar_t* settingsPrefix)
    : fw::CDialog(templateId), m_settingsPrefix(settingsPrefix)
{
}

bool CBaseDlg::CreatePage(HWND parent)
{
    if (Hwnd())
        End(0);
    HostWindow = parent;
    if (!CreateModeless(parent))
        return false;
    return true;
}

bool CBaseDlg::OnInit()
{
    OptionsTree.Attach(Item(IDC_REPORT_OPTIONS));
    return true;
}

bool CBaseDlg::OnCommand(UINT, UINT, HWND)
{
    return false;
}

namespace {

// The messages the reports dialog sends its page.
bool IsHostRequest(UINT msg)
{
    switch (msg) {
    case WM_PAGE_LOAD:
    case WM_PAGE_APPLY:
    case WM_PAGE_VALIDATE:
    case WM_PAGE_SHOWN:
    case WM_PAGE_OUTPUT_CHANGED:
    case WM_PAGE_GET_FILENAME:
    case WM_PAGE_GET_ORIENTATION:
        return true;
    default:
        return false;
    }
}

} // namespace

INT_PTR CBaseDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    try {
        return HandlePageMessage(msg, wp, lp);
    } catch (const std::bad_alloc&) {
        if (!IsHostRequest(msg))
            throw;
        // The host's request is not done, and the user learns why; a page that could not check
        // its settings has not passed them, or the report would run on settings nobody saw.
        ShowOutOfMemory(nullptr);
        if (msg == WM_PAGE_VALIDATE && wp)
            *reinterpret_cast<bool*>(wp) = false;
        SetWindowLongPtrW(Hwnd(), DWLP_MSGRESULT, 0);
        return TRUE;
    }
}

INT_PTR CBaseDlg::HandlePageMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    int result = 0;
    switch (msg) {
    case WM_PAGE_LOAD:
        result = OnPageLoad(wp, lp);
        break;
    case WM_PAGE_APPLY:
        result = OnPageApply(wp, lp);
        break;
    case WM_PAGE_VALIDATE:
        result = OnPageValidate(wp, lp);
        break;
    case WM_PAGE_SHOWN:
        result = OnPageShown(wp, lp);
        break;
    case WM_PAGE_OUTPUT_CHANGED:
        result = OnPageOutputChanged(wp, lp);
        break;
    case WM_PAGE_GET_FILENAME:
        result = OnPageGetFileName(wp, lp);
        break;
    case WM_PAGE_GET_ORIENTATION:
        result = OnPageGetOrientation(wp, lp);
        break;
    case WM_DESTROY:
        // The tree goes with the page window; its handle must not outlive it in the wrapper.
        OptionsTree.Detach();
        return FALSE;
    default:
        return fw::CDialog::HandleMessage(msg, wp, lp);
    }
    // A dialog procedure hands a message's answer back through DWLP_MSGRESULT.
    SetWindowLongPtrW(Hwnd(), DWLP_MSGRESULT, result);
    return TRUE;
}

int CBaseDlg::GetOutputKind()
{
    int kind = -1;
    if (!HostWindow)
        return -1;
    if (SendMessageW(HostWindow, WM_PAGE_GET_FILENAME, 0, reinterpret_cast<LPARAM>(&kind)) == 0)
        return -1;
    return kind;
}

void CBaseDlg::InitOptionsImage()
{
    GroupItem = FirstRadioItem = SecondRadioItem = nullptr;
    m_checks.clear();
    m_groups.clear();
    ImageIndex = AddOptionsImage(IDB_REPORT_OPTIONS_GROUP);
    ListImageIndex = AddOptionsImage(IDB_REPORT_OPTIONS_LIST);
}

int CBaseDlg::AddOptionsImage(UINT bitmapId)
{
    HWND tree = OptionsTree.InnerTree();
    HIMAGELIST images =
        tree ? reinterpret_cast<HIMAGELIST>(SendMessageW(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0)) : nullptr;
    if (!images)
        return -1;
    auto* bitmap = static_cast<HBITMAP>(
        LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
        return -1;
    // The options tree's pictures take magenta as transparent.
    const int index = ImageList_AddMasked(images, bitmap, RGB(255, 0, 255));
    DeleteObject(bitmap);
    return index;
}

void CBaseDlg::FillOptions()
{
    StoreControls();
    OptionsTree.DeleteAllItems();
    // The old items went with the tree.
    m_checks.clear();
    m_groups.clear();
    const int kind = GetOutputKind();
    GroupItem = FirstRadioItem = SecondRadioItem = nullptr;
    if (kind == 0) {
        GroupItem = OptionsTree.AddRoot(ImageIndex, fw::LoadResString(IDS_REPORT_ORIENTATION).c_str());
        FirstRadioItem =
            OptionsTree.AddRadio(GroupItem, OrientationIndex == 0, fw::LoadResString(IDS_REPORT_PORTRAIT).c_str());
        SecondRadioItem =
            OptionsTree.AddRadio(GroupItem, OrientationIndex == 1, fw::LoadResString(IDS_REPORT_LANDSCAPE).c_str());
    }
    OptionsTree.Expand(GroupItem);
    AddOptions(kind);
    for (HTREEITEM group : m_groups)
        OptionsTree.Expand(group);
    if (!m_groups.empty())
        OptionsTree.ShowFirstRoot();
}

HTREEITEM CBaseDlg::AddOptionsGroup(UINT textId)
{
    HTREEITEM group = OptionsTree.AddRoot(ListImageIndex, fw::LoadResString(textId).c_str());
    if (group)
        m_groups.push_back(group);
    return group;
}

HTREEITEM CBaseDlg::AddCheckOption(HTREEITEM group, bool& value, UINT textId)
{
    HTREEITEM item = OptionsTree.AddCheck(group, value, fw::LoadResString(textId).c_str());
    if (item)
        m_checks.push_back({&value, item});
    return item;
}

void CBaseDlg::AddLastColumnOptions(HTREEITEM group, int kind, bool& format, bool& userFields, bool& notes)
{
    if (kind == 1) {
        AddCheckOption(group, format, IDS_OPTIONS_FORMAT);
        AddCheckOption(group, userFields, IDS_OPTIONS_USER_FIELDS);
    }
    AddCheckOption(group, notes, IDS_OPTIONS_NOTES);
}

void CBaseDlg::BindSwitch(bool& value, const wchar_t* word)
{
    m_switches.push_back({&value, m_settingsPrefix + word});
}

void CBaseDlg::LoadSwitches()
{
    for (const Switch& s : m_switches)
        *s.value = GetBoolSetting(s.key.c_str(), *s.value);
}

void CBaseDlg::ApplySwitches()
{
    for (const Switch& s : m_switches)
        SetBoolSetting(s.key.c_str(), *s.value);
}

void CBaseDlg::RefreshOptions()
{
    FillOptions();
    AfterFillOptions();
}

int CBaseDlg::OnPageValidate(WPARAM, LPARAM)
{
    StoreControls();
    return 1;
}

int CBaseDlg::OnPageShown(WPARAM wp, LPARAM)
{
    if (wp == 1)
        RefreshOptions();
    return 1;
}

int CBaseDlg::OnPageOutputChanged(WPARAM, LPARAM)
{
    RefreshOptions();
    return 1;
}

int CBaseDlg::OnPageGetFileName(WPARAM wp, LPARAM lp)
{
    auto* buffer = reinterpret_cast<wchar_t*>(lp);
    if (wp != 0 && buffer) {
        StoreControls();
        wstr::CopyBounded(buffer, static_cast<size_t>(wp), Title);
    }
    return 1;
}

int CBaseDlg::OnPageGetOrientation(WPARAM, LPARAM lp)
{
    auto* orientation = reinterpret_cast<int*>(lp);
    if (!orientation)
        return 0;
    // Only the orientation is read: the page's other values stay as the user left them.
    StoreOrientation();
    *orientation = OrientationIndex + 1;
    return 1;
}

void CBaseDlg::StoreOrientation()
{
    if (!Hwnd() || !GroupItem)
        return;
    // Only a selected radio item tells the orientation; none selected keeps the member.
    const int index = OptionsTree.GetRadio(GroupItem);
    if (index == 0 || index == 1)
        OrientationIndex = index;
}

void CBaseDlg::StoreControls()
{
    if (!Hwnd())
        return;
    Title = fw::WindowText(Item(IDC_REPORT_TITLE));
    StoreOrientation();
    for (const CheckOption& check : m_checks)
        *check.value = OptionsTree.GetCheck(check.item);
}

void CBaseDlg::LoadControls()
{
    if (!Hwnd())
        return;
    SetWindowTextW(Item(IDC_REPORT_TITLE), Title.c_str());
    if (GroupItem)
        OptionsTree.SetRadio(GroupItem, OrientationIndex);
    for (const CheckOption& check : m_checks)
        OptionsTree.SetCheck(check.item, *check.value);
}

int CBaseDlg::OnPageLoad(WPARAM, LPARAM)
{
    const std::wstring& key = m_settingsPrefix;
    SetDefaults();
    InitOptionsImage();
    ReadTextSetting((key + L"Title").c_str(), Title);
    if (GetBoolSetting((key + L"TitleEmpty").c_str(), false))
        Title.clear();
    // Only portrait (1) and landscape (2) are orientations; anything else keeps the default,
    // so an apply never writes a bad value back.
    const int orientation = GetIntSetting((key + L"PrinterOrientation").c_str(), OrientationIndex + 1);
    if (orientation == 1 || orientation == 2)
        OrientationIndex = orientation - 1;
    LoadOwnSettings();
    LoadControls();
    FillOptions();
    return 1;
}

int CBaseDlg::OnPageApply(WPARAM, LPARAM)
{
    const std::wstring& key = m_settingsPrefix;
    StoreControls();
    SetSettingText((key + L"Title").c_str(), Title.c_str());
    SetBoolSetting((key + L"TitleEmpty").c_str(), Title.empty());
    SetIntSetting((key + L"PrinterOrientation").c_str(), OrientationIndex == 1 ? 2 : 1);
    ApplyOwnSettings();
    return 1;
}

int CreateReportPage(CBaseDlg& page, HWND parent, ReportPageRecord* out, UINT captionId, UINT caption2Id)
{
    if (!out)
        return 0;
    if (!page.CreatePage(parent)) {
        out->Page = nullptr;
        return 0;
    }
    out->Page = page.Hwnd();
    wstr::CopyTo(out->Caption, fw::LoadResString(captionId));
    wstr::CopyTo(out->Caption2, fw::LoadResString(caption2Id));
    return 1;
}
