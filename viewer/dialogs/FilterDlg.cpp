// The filter dialog.
#include "FilterDlg.h"

#include "ProcessObjects.h"
#include "ProjectHelpers.h"
#include "QV2ResVIds.h"
#include "SafeFormat.h"
#include "Settings.h"
#include "fw/MessageBox.h"
#include "fw/Resources.h"
#include "fw/Window.h"

#include <algorithm>

CFilterDlg::CFilterDlg(wqv2_data::CFilter* edited) : fw::CDialog(IDD_FILTER), filter(edited)
{
}

wqv2_data::CFilter* CFilterDlg::FindByName(const std::wstring& name, const wqv2_data::CFilter* skip)
{
    if (!gData || !gData->Filters)
        return nullptr;
    for (int i = 0;; ++i) {
        wqv2_data::CFilter* candidate = gData->Filters->GetAt(i);
        if (!candidate)
            return nullptr;
        if (candidate != skip && candidate->Name && name == candidate->Name)
            return candidate;
    }
}

std::wstring CFilterDlg::GenerateName(const wqv2_data::CFilter* skip)
{
    std::wstring format = GetSetting(L"DlgFilterAutoNameFormat");
    if (format.empty())
        format = fw::LoadResString(IDS_FILTER_AUTO_NAME);
    const int last = GetIntSetting(L"DlgFilterAutoNameMax", 1000);
    for (int i = 1; i <= last; ++i) {
        std::wstring candidate = msgfmt::Format(format, {i});
        if (!FindByName(candidate, skip))
            return candidate;
    }
    return {};
}

bool CFilterDlg::OnInit()
{
    SetWindowTextW(Hwnd(), fw::LoadResString(filter ? IDS_FILTER_CAPTION_EDIT : IDS_FILTER_CAPTION_NEW).c_str());
    SetDlgItemTextW(Hwnd(), IDC_FILTER_NAME, name.c_str());
    SetDlgItemTextW(Hwnd(), IDC_FILTER_RESOURCE_NAME, resourceName.c_str());
    SetDlgItemTextW(Hwnd(), IDC_FILTER_RESOURCE_NOTE, resourceNote.c_str());
    SetDlgItemTextW(Hwnd(), IDC_FILTER_TASK_NAME, taskName.c_str());
    SetDlgItemTextW(Hwnd(), IDC_FILTER_TASK_NOTE, taskNote.c_str());
    if (m_resources.Attach(Hwnd(), IDC_FILTER_RESOURCES)) {
        FillResourceListBox(m_resources.Hwnd());
        const int count = m_resources.GetCount();
        for (int i = 0; i < count; ++i) {
            auto* resource = reinterpret_cast<wqv2_data::CResource*>(m_resources.GetItemData(i));
            if (std::find(excludedResources.begin(), excludedResources.end(), resource) != excludedResources.end())
                m_resources.SetCheck(i, false);
        }
    }
    return true;
}

void CFilterDlg::ReadTexts()
{
    name = fw::WindowText(Item(IDC_FILTER_NAME));
    resourceName = fw::WindowText(Item(IDC_FILTER_RESOURCE_NAME));
    resourceNote = fw::WindowText(Item(IDC_FILTER_RESOURCE_NOTE));
    taskName = fw::WindowText(Item(IDC_FILTER_TASK_NAME));
    taskNote = fw::WindowText(Item(IDC_FILTER_TASK_NOTE));
}

void CFilterDlg::RejectName(UINT messageId)
{
    fw::ShowMessageId(Hwnd(), messageId, MB_OK | MB_ICONERROR);
    SetFocus(GetDlgItem(Hwnd(), IDC_FILTER_NAME));
}

void CFilterDlg::OnOk()
{
    ReadTexts();
    const bool autoName = GetBoolSetting(L"DlgFilterAutoName", true);
    if (!autoName && name.empty()) {
        RejectName(IDS_MSG_FILTER_NAME_EMPTY);
        return;
    }
    const bool renamed = !filter || !filter->Name || name != filter->Name;
    if (renamed && !name.empty() && FindByName(name, nullptr)) {
        RejectName(IDS_MSG_FILTER_NAME_TAKEN);
        return;
    }
    // The excluded set is what the user unchecked: the check list shows the shown resources.
    excludedResources.clear();
    const int count = m_resources.GetCount();
    for (int i = 0; i < count; ++i) {
        if (!m_resources.GetCheck(i))
            excludedResources.push_back(reinterpret_cast<wqv2_data::CResource*>(m_resources.GetItemData(i)));
    }
    if (name.empty()) {
        name = GenerateName(filter);
        if (name.empty())
            return; // every number is taken: the dialog stays open
        SetDlgItemTextW(Hwnd(), IDC_FILTER_NAME, name.c_str());
    }
    End(IDOK);
}
