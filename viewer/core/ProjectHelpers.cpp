// Project path and the resource check list.
#include "ProjectHelpers.h"

#include "ListedTasks.h"
#include "ProcessObjects.h"
#include "ViewerUtil.h"

#include "RKComControls2.h"

#include <vector>

std::wstring GetProjectPath()
{
    if (!gData)
        return {};
    wchar_t path[wqv2_data::kPathChars] = {};
    gData->GetPath(path);
    path[wqv2_data::kPathChars - 1] = L'\0';
    return path[0] ? GetFullPath(path) : std::wstring();
}

bool IsProjectOpen()
{
    if (!gData)
        return false;
    wchar_t path[wqv2_data::kPathChars] = {};
    gData->GetPath(path);
    return path[0] != L'\0';
}

void FillResourceListBox(HWND checkList)
{
    if (!checkList)
        return;
    SendMessageW(checkList, LB_RESETCONTENT, 0, 0);
    std::vector<wqv2_data::CResource*> resources;
    GetSortedResources(nullptr, resources, gData);
    for (wqv2_data::CResource* resource : resources) {
        const LRESULT index = SendMessageW(checkList, RKCC2M_CHECKLISTBOX_ADDSTRING, TRUE,
                                           reinterpret_cast<LPARAM>(resource->Name ? resource->Name : L""));
        if (index >= 0)
            SendMessageW(checkList, LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(resource));
    }
    SendMessageW(checkList, LB_SETCURSEL, 0, 0);
}
