// Period page with check-item options.
#include "pages/ListOptionsDlg.h"

#include "common/ReportSettings.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

#include <commctrl.h>

CListOptionsDlg::CListOptionsDlg(const wchar_t* prefix, std::vector<OptionKey> keys) : m_prefix(prefix)
{
    for (const OptionKey& key : keys)
        m_options.push_back({key, key.fallback, nullptr});
}

bool CListOptionsDlg::Option(size_t index) const
{
    return index < m_options.size() && m_options[index].value;
}

void CListOptionsDlg::SetOption(size_t index, bool value)
{
    if (index < m_options.size())
        m_options[index].value = value;
}

void CListOptionsDlg::ResetOptions()
{
    for (OptionState& option : m_options)
        option.value = option.key.fallback;
}

HTREEITEM CListOptionsDlg::AddGroup(UINT textId)
{
    HTREEITEM group = OptionsTree.AddRoot(m_listImage, fw::LoadResString(textId).c_str());
    if (group)
        m_groups.push_back(group);
    return group;
}

HTREEITEM CListOptionsDlg::AddOption(HTREEITEM group, UINT textId, size_t index)
{
    if (index >= m_options.size())
        return nullptr;
    OptionState& option = m_options[index];
    option.item = OptionsTree.AddCheck(group, option.value, fw::LoadResString(textId).c_str());
    return option.item;
}

void CListOptionsDlg::InitOptionsImage()
{
    CPeriodBaseDlg::InitOptionsImage();
    for (OptionState& option : m_options)
        option.item = nullptr;
    m_groups.clear();
    m_listImage = -1;
    HWND tree = OptionsTree.InnerTree();
    HIMAGELIST images =
        tree ? reinterpret_cast<HIMAGELIST>(SendMessageW(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0)) : nullptr;
    if (!images)
        return;
    auto* bitmap = static_cast<HBITMAP>(LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(IDB_REPORT_OPTIONS_LIST),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
        return;
    // The options tree's pictures take magenta as transparent.
    m_listImage = ImageList_AddMasked(images, bitmap, RGB(255, 0, 255));
    DeleteObject(bitmap);
}

void CListOptionsDlg::FillOptions()
{
    // The base reads the checks of the tree it is about to clear (StoreControls) first.
    CPeriodBaseDlg::FillOptions();
    for (OptionState& option : m_options)
        option.item = nullptr;
    m_groups.clear();
    BuildOptionsTree(GetOutputKind());
    for (HTREEITEM group : m_groups)
        OptionsTree.Expand(group);
    if (HWND tree = OptionsTree.InnerTree()) {
        if (HTREEITEM first = TreeView_GetRoot(tree)) {
            TreeView_SelectItem(tree, first);
            TreeView_EnsureVisible(tree, first);
        }
    }
}

void CListOptionsDlg::StoreControls()
{
    CPeriodBaseDlg::StoreControls();
    // An option without an item (not shown for this output) keeps its value.
    for (OptionState& option : m_options) {
        if (option.item)
            option.value = OptionsTree.GetCheck(option.item);
    }
}

void CListOptionsDlg::LoadControls()
{
    CPeriodBaseDlg::LoadControls();
    for (const OptionState& option : m_options) {
        if (option.item)
            OptionsTree.SetCheck(option.item, option.value);
    }
}

namespace {

// A period never ends before it starts: an empty stored period, or a last day chosen before the
// first, shows and stores the first day as the last.
TDate LastDayFrom(TDate first, TDate last)
{
    return static_cast<uint32_t>(last) < static_cast<uint32_t>(first) ? first : last;
}

} // namespace

void CListOptionsDlg::LoadOwnSettings()
{
    PeriodStart = GetDateSetting((m_prefix + L"DateStart").c_str(), PeriodStart);
    TDate end = PeriodEnd;
    ++end;
    end = GetDateSetting((m_prefix + L"DateEnd").c_str(), end);
    EndTime = GetIntSetting((m_prefix + L"TimeEnd").c_str(), EndTime);
    // The settings hold the exclusive end; a period ending at 00:00 shows its day before.
    if (EndTime == 0)
        --end;
    PeriodEnd = LastDayFrom(PeriodStart, end);
    for (OptionState& option : m_options)
        option.value = GetBoolSetting(option.key.key, option.value);
}

void CListOptionsDlg::ApplyOwnSettings()
{
    SetDateSetting((m_prefix + L"DateStart").c_str(), PeriodStart);
    PeriodEnd = LastDayFrom(PeriodStart, PeriodEnd);
    TDate end = PeriodEnd;
    ++end;
    SetDateSetting((m_prefix + L"DateEnd").c_str(), end);
    // The period now ends with the whole of its last day.
    EndTime = 0;
    SetIntSetting((m_prefix + L"TimeEnd").c_str(), 0);
    for (const OptionState& option : m_options)
        SetBoolSetting(option.key.key, option.value);
}

int CListOptionsDlg::OnPageLoad(WPARAM, LPARAM)
{
    return LoadPageSettings(m_prefix.c_str());
}

int CListOptionsDlg::OnPageApply(WPARAM, LPARAM)
{
    return ApplyPageSettings(m_prefix.c_str());
}
