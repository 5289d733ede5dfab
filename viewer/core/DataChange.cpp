// The change listener of the data root.
#include "DataChange.h"

#include "CurrentFilter.h"
#include "ListedTasks.h"
#include "MainApp.h"
#include "MainFrame.h"
#include "Plugins.h"
#include "ProcessObjects.h"

// Called from the data library's code: nothing may escape it.
void OnProjectDataChanged(unsigned bits)
{
    try {
        if (bits & wqv2_data::kChangeLoaded) {
            if (gSelection)
                gSelection->clear();
        } else {
            RefreshListedTasks(false);
        }
        if ((bits & wqv2_data::kChangeLoaded) ||
            ((bits & wqv2_data::ChangeBit(wqv2_data::kKindFilter)) && !GetValidCurrentFilter()))
            ResetCurrentFilter();
        // A close, reload or deleted filter frees what the reports were given.
        if (bits & (wqv2_data::kChangeLoaded | wqv2_data::ChangeBit(wqv2_data::kKindFilter)))
            PassFilterToReports();
        if (CMainFrame* frame = gApp ? gApp->Frame() : nullptr) {
            frame->UpdateTitle();
            frame->UpdateCommandStates();
        }
        if (gPlugins)
            gPlugins->BroadcastOnDataChanged(bits);
    } catch (...) {
    }
}
