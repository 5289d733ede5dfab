// Filter commands and the filter dialog runners.
#include "FilterCommands.h"

#include "CurrentFilter.h"
#include "HostApi.h"
#include "ListedTasks.h"
#include "MainApp.h"
#include "MainFrame.h"
#include "FilterDlg.h"
#include "Plugins.h"
#include "ProcessObjects.h"
#include "QV2ResVIds.h"
#include "SafeFormat.h"
#include "Settings.h"
#include "fw/MessageBox.h"
#include "fw/Resources.h"

#include <algorithm>
#include <vector>

namespace {

HWND MainWindow()
{
    return gApp && gApp->Frame() ? gApp->Frame()->Hwnd() : nullptr;
}

// The owner of the runners' dialogs and questions: the window the user works in, which is the
// filters dialog when they run from there. A modal box enables its owner again when it closes;
// owned by the main window, it would leave the main window usable under the filters dialog.
HWND DialogOwner()
{
    HWND active = GetActiveWindow();
    return active && IsWindowEnabled(active) ? active : MainWindow();
}

std::wstring Text(const wchar_t* text)
{
    return text ? std::wstring(text) : std::wstring();
}

void FillDialog(CFilterDlg& dialog, wqv2_data::CFilter* filter)
{
    const int count = filter->GetExcludedResourceCount();
    if (count > 0) {
        dialog.excludedResources.resize(static_cast<size_t>(count));
        const int got = filter->GetExcludedResources(dialog.excludedResources.data());
        dialog.excludedResources.resize(static_cast<size_t>(std::clamp(got, 0, count)));
    }
    dialog.name = Text(filter->Name);
    dialog.resourceName = Text(filter->ResourceName);
    dialog.resourceNote = Text(filter->ResourceNote);
    dialog.taskName = Text(filter->TaskName);
    dialog.taskNote = Text(filter->TaskNote);
}

void ApplyDialog(const CFilterDlg& dialog, wqv2_data::CFilter* filter)
{
    filter->SetExcludedResources(dialog.excludedResources.data(), static_cast<int>(dialog.excludedResources.size()));
    filter->SetName(dialog.name.c_str());
    filter->SetResourceName(dialog.resourceName.c_str());
    filter->SetResourceNote(dialog.resourceNote.c_str());
    filter->SetTaskName(dialog.taskName.c_str());
    filter->SetTaskNote(dialog.taskNote.c_str());
}

// "FilterActive" on, the selection emptied, the plug-ins told.
void Activate()
{
    SetBoolSetting(L"FilterActive", true);
    RefreshListedTasks(true);
    PassFilterToReports();
    if (gPlugins)
        gPlugins->BroadcastOnFilterChanged(true);
}

} // namespace

void OnFilterButton()
{
    bool accepted = false;
    if (wqv2_data::CFilter* current = GetValidCurrentFilter()) {
        accepted = EditFilterWithDialog(current);
    } else if (wqv2_data::CFilter* first = ResetCurrentFilter()) {
        accepted = EditFilterWithDialog(first);
    } else if (wqv2_data::CFilter* created = NewFilterWithDialog(nullptr)) {
        gCurrentFilter = created;
        accepted = true;
    }
    if (accepted)
        Activate();
}

void OnFilterOnOff()
{
    const bool active = GetBoolSetting(L"FilterActive", false);
    if (!active && !GetValidCurrentFilter()) {
        bool created = false;
        if (!EnsureCurrentFilter(created))
            return;
    }
    SetBoolSetting(L"FilterActive", !active);
    RefreshListedTasks(true);
    PassFilterToReports();
    if (gPlugins)
        gPlugins->BroadcastOnFilterChanged(!active);
}

void OnFilterChosen(UINT id)
{
    std::vector<wqv2_data::CFilter*> filters;
    GetSortedFilters(filters);
    const size_t index = id - IDM_FILTER_FIRST;
    if (id < IDM_FILTER_FIRST || index >= filters.size())
        return;
    SetCurrentFilterAndNotify(filters[index], true);
}

wqv2_data::CFilter* EnsureCurrentFilter(bool& created)
{
    created = false;
    if (!GetValidCurrentFilter())
        ResetCurrentFilter();
    if (wqv2_data::CFilter* current = GetValidCurrentFilter())
        return current;
    wqv2_data::CFilter* made = NewFilterWithDialog(nullptr);
    if (made) {
        gCurrentFilter = made;
        created = true;
    }
    return made;
}

wqv2_data::CFilter* NewFilterWithDialog(wqv2_data::CFilter* source)
{
    CFilterDlg dialog(nullptr);
    if (source) {
        FillDialog(dialog, source);
        dialog.name += fw::LoadResString(IDS_COPY_SUFFIX);
    }
    if (dialog.RunModal(DialogOwner()) != IDOK || !gData || !gData->Filters)
        return nullptr;
    if (gData->BeginTransaction(L"") != wqv2_data::kOk)
        return nullptr;
    wqv2_data::CFilter* filter = gData->Filters->CreateNew();
    if (!filter) {
        gData->Rollback();
        return nullptr;
    }
    ApplyDialog(dialog, filter);
    // A refused Add has rolled the transaction back already.
    if (gData->Filters->Add(filter) != wqv2_data::kOk)
        return nullptr;
    // A commit that fails validation takes the new filter with it.
    if (gData->Commit() != wqv2_data::kOk)
        return nullptr;
    return filter;
}

bool EditFilterWithDialog(wqv2_data::CFilter* filter)
{
    if (!filter || !gData)
        return false;
    CFilterDlg dialog(filter);
    FillDialog(dialog, filter);
    if (dialog.RunModal(DialogOwner()) != IDOK)
        return false;
    if (gData->BeginTransaction(L"") != wqv2_data::kOk)
        return false;
    if (filter->MarkModified() != wqv2_data::kOk) {
        gData->Rollback();
        return false;
    }
    ApplyDialog(dialog, filter);
    return gData->Commit() == wqv2_data::kOk;
}

bool DeleteFilterWithConfirm(wqv2_data::CFilter* filter)
{
    if (!filter || !gData || !gData->Filters || !gData->Filters->Contains(filter))
        return true;
    const std::wstring question = msgfmt::Format(fw::LoadResString(IDS_MSG_DELETE_FILTER), {Text(filter->Name)});
    if (fw::ShowMessage(DialogOwner(), question, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
        return false;
    if (gData->BeginTransaction(L"") != wqv2_data::kOk)
        return false;
    if (filter->MarkDeleted() != wqv2_data::kOk) {
        gData->Rollback();
        return false;
    }
    if (gData->Commit() != wqv2_data::kOk)
        return false;
    // The data-change handling may have replaced the current filter already; a second reset
    // would skip past its choice.
    if (!GetValidCurrentFilter())
        ResetCurrentFilter();
    return true;
}

void SelectListedTasks()
{
    if (!gData || !gData->ProjectSettings)
        return;
    CListedTasks listed;
    TDate end = gData->ProjectSettings->DateEnd;
    ++end;
    listed.Build(gData, gData->ProjectSettings->DateStart, end, GetActiveCurrentFilter());
    QV2A_SetSelectedTasks(listed.Items().data(), static_cast<int>(listed.Items().size()));
}
